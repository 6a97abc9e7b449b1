// remont-tool tree, run as a separate program.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Cp1251.h"
#include "support/TempDir.h"

namespace remont {
namespace {

struct TreeRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(int fd) {
  std::string s;
  char buf[4096];
  for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) s.append(buf, static_cast<size_t>(n));
  return s;
}

TreeRun RunTool(const std::vector<std::string>& args) {
  int out_fd[2], err_fd[2];
  if (pipe(out_fd) != 0 || pipe(err_fd) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out_fd[1], 1);
    dup2(err_fd[1], 2);
    close(out_fd[0]);
    close(err_fd[0]);
    std::string tool = REMONT_TOOL_PATH;
    std::vector<std::string> copy = args;
    std::vector<char*> argv = {tool.data()};
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(tool.c_str(), argv.data());
    _exit(127);
  }
  close(out_fd[1]);
  close(err_fd[1]);
  TreeRun r;
  r.out = ReadAll(out_fd[0]);  // the outputs here are far below a pipe's capacity
  r.err = ReadAll(err_fd[0]);
  close(out_fd[0]);
  close(err_fd[0]);
  int st = 0;
  waitpid(pid, &st, 0);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

const std::string kTree = Ru("Двигатель;  d.htm ;pic.bmp\r\n\tМасло;m.htm;a;b\r\n\t\t\tглубже;deep.htm\r\n\r\n\tE\\x\x01;p;\r\n");

TEST(TreeTool, DumpsNodesWithFinalPages) {
  test::TempDir dir;
  const std::string file = dir.Write("tree.txt", kTree);
  const TreeRun r = RunTool({"tree", file});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "0\t" + Ru("Двигатель") + "\td.htm\tpic.bmp\n" +
                       "1\t" + Ru("Масло") + "\tdeep.htm\t\n" +
                       "0\t\t\t\n"
                       "1\tE\\\\x\\x01\tp\t\n");
}

TEST(TreeTool, CheckableFormHasNoPicture) {
  test::TempDir dir;
  const std::string file = dir.Write("tree.txt", kTree);
  const TreeRun r = RunTool({"tree", "--ex", file});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "0\t" + Ru("Двигатель") + "\t  d.htm ;pic.bmp\n" +
                       "1\t" + Ru("Масло") + "\tdeep.htm\n" +
                       "0\t\t\n"
                       "1\tE\\\\x\\x01\tp;\n");
}

TEST(TreeTool, MissingFileAndUsage) {
  test::TempDir dir;
  const TreeRun missing = RunTool({"tree", dir.Sub("нет.txt")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("Не найден файл \r\n" + dir.Sub("нет.txt")), std::string::npos) << missing.err;
  EXPECT_EQ(RunTool({"tree"}).status, 2);
  EXPECT_EQ(RunTool({"tree", "--ex"}).status, 2);
  EXPECT_EQ(RunTool({"tree", "a", "b"}).status, 2);
}

}  // namespace
}  // namespace remont
