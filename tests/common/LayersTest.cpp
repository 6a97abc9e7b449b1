// The layers of the source tree: core files (the top of each subsystem
// folder) include no Qt and nothing from a qt/ folder, and no subsystem
// includes one above it: common, archive, elements, pages, description,
// shell, tool.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace remont {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kLayers = {"common", "archive", "elements", "pages", "description", "shell", "tool"};

int Layer(const std::string& subsystem) {
  const auto it = std::find(kLayers.begin(), kLayers.end(), subsystem);
  return it == kLayers.end() ? -1 : static_cast<int>(it - kLayers.begin());
}

TEST(Layers, CoreHasNoQtAndNoSubsystemReachesUp) {
  const fs::path src = fs::path(REMONT_SOURCE_DIR) / "src";
  const std::regex include_re(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const std::string ext = entry.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    const fs::path rel = fs::relative(entry.path(), src);
    const std::string subsystem = rel.begin()->string();
    const bool qt_side = rel.string().find("/qt/") != std::string::npos;
    ASSERT_GE(Layer(subsystem), 0) << rel;
    ++files;
    std::ifstream in(entry.path());
    std::string line;
    for (int n = 1; std::getline(in, line); ++n) {
      std::smatch m;
      if (!std::regex_search(line, m, include_re)) continue;
      const std::string target = m[2];
      const std::string where = rel.string() + ":" + std::to_string(n) + ": " + target;
      if (!qt_side && subsystem != "tool") {
        EXPECT_FALSE(m[1] == "<" && target.rfind("Q", 0) == 0) << where;
        EXPECT_EQ(target.find("/qt/"), std::string::npos) << where;
      }
      if (m[1] != "\"") continue;
      const auto slash = target.find('/');
      if (slash == std::string::npos) continue;
      const int to = Layer(target.substr(0, slash));
      EXPECT_TRUE(to < 0 || to <= Layer(subsystem)) << where;
    }
  }
  EXPECT_GT(files, 50);  // the walk found the tree
}

}  // namespace
}  // namespace remont
