// remont-tool command, run as a separate program.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Cp1251.h"

namespace remont {
namespace {

struct ToolRun {
  int status = -1;
  std::string out;
};

ToolRun RunTool(const std::vector<std::string>& args) {
  int pipe_fd[2];
  if (pipe(pipe_fd) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipe_fd[1], 1);
    const int null_fd = open("/dev/null", O_WRONLY);
    dup2(null_fd, 2);
    close(pipe_fd[0]);
    std::vector<char*> argv;
    std::string tool = REMONT_TOOL_PATH;
    argv.push_back(tool.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(tool.c_str(), argv.data());
    _exit(127);
  }
  close(pipe_fd[1]);
  ToolRun r;
  char buf[4096];
  for (ssize_t n; (n = read(pipe_fd[0], buf, sizeof buf)) > 0;) r.out.append(buf, static_cast<size_t>(n));
  close(pipe_fd[0]);
  int st = 0;
  waitpid(pid, &st, 0);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

TEST(CommandTool, PrintsEveryKeptCommand) {
  const ToolRun r = RunTool({"command", "//Unk*a**b//HTML_Back*Html_See//"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "command\t0\n"
            "name\tunk\n"
            "param\ta\n"
            "param\tb\n"
            "param_text\ta**b\n"
            "rest\tHTML_Back*Html_See//\n"
            "text\tunk*a*b\n"
            "command\t1\n"
            "name\thtml_back\n"
            "param\tHtml_See\n"
            "param_text\tHtml_See\n"
            "rest\t\n"
            "text\thtml_back*Html_See\n");
}

TEST(CommandTool, ConvertsArgumentAndEscapesPayload) {
  // open_file is printed as written: the tool never asks for a file.
  const ToolRun r = RunTool({"command", "ТЕСТ*Open_File(.JPG)*a\tb\\c"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "command\t0\n"
                   "name\t" + Ru("тест") + "\n"
                   "param\tOpen_File(.JPG)\n"
                   "param\ta\\tb\\\\c\n"
                   "param_text\tOpen_File(.JPG)*a\\tb\\\\c\n"
                   "rest\t\n"
                   "text\t" + Ru("тест") + "*Open_File(.JPG)*a\\tb\\\\c\n");
}

TEST(CommandTool, EmptyTextPrintsNothingAndMissingTextIsUsageError) {
  const ToolRun empty = RunTool({"command", "////"});
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "");
  EXPECT_EQ(RunTool({"command"}).status, 2);
  EXPECT_EQ(RunTool({"command", "a", "b"}).status, 2);
}

}  // namespace
}  // namespace remont
