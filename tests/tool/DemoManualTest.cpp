// The packed demo manual hangs together: every page that the contents tree,
// the search index and the item lists name is in the archive, every relative
// link, picture and style sheet of every page resolves to an entry, every
// anchor a link names exists in its page, and every page has a title.
//
// The sanitizer build packs the manual without Qt, so without its pictures:
// when the archive holds no picture entries, picture names (tree icons, <img>,
// picture links) are skipped. The Qt build defines REMONT_DEMO_PICTURES and
// then requires them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "archive/Pack.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "elements/TreeFile.h"
#include "pages/PageRules.h"
#include "support/FakePlatform.h"

namespace remont {
namespace {

class DemoManualTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(OpenPack(REMONT_DEMO_ARCHIVE)) << REMONT_DEMO_ARCHIVE;
    for (const TData& entry : PackDirectory()) {
      names_.insert(entry.name);
      if (ExtractFileExt(entry.name) == ".htm") pages_.push_back(entry.name);
      if (IsPicture(entry.name)) have_pictures_ = true;
    }
  }
  void TearDown() override { ResetPack(); }

  static bool IsPicture(const std::string& name) {
    const std::string ext = ExtractFileExt(LinkFile(name));
    return ext == ".jpg" || ext == ".png" || ext == ".bmp" || ext == ".gif";
  }

  // Only the archive counts: a loose file beside it would hide a packing fault.
  bool InArchive(const std::string& name) const { return IndexOfPackFile(name) >= 0; }

  std::string Entry(const std::string& name) const {
    std::string bytes;
    EXPECT_TRUE(ReadPackEntry(IndexOfPackFile(name), bytes)) << name;
    return bytes;
  }

  // A name the page uses, resolved against the page's folder as the viewer
  // does; the leading "/" only roots the folder so "../" cannot leave it.
  static std::string Resolve(const std::string& target, const std::string& page) {
    std::string file, anchor;
    SplitAnchor(target, file, anchor);
    std::string resolved = JoinPath(file, "/" + ExtractFilePath(page));
    if (!resolved.empty() && resolved[0] == '/') resolved.erase(0, 1);
    return LowerCase(resolved);
  }

  // Does the page (or name with an anchor) exist, and its anchor too?
  // Returns an empty text when it does, else what is wrong.
  std::string CheckPage(const std::string& name) {
    std::string file, anchor;
    SplitAnchor(name, file, anchor);
    if (!InArchive(file)) return "missing " + name;
    if (!anchor.empty() && !HasAnchor(Entry(file), anchor)) return "no anchor in " + name;
    return {};
  }

  static bool HasAnchor(const std::string& bytes, const std::string& anchor) {
    return bytes.find("name=\"" + anchor + "\"") != std::string::npos ||
           bytes.find("id=\"" + anchor + "\"") != std::string::npos;
  }

  static std::string Title(const std::string& bytes) {
    static const std::regex title("<title>([^<]*)</title>", std::regex::icase);
    std::smatch m;
    return std::regex_search(bytes, m, title) ? Trim(m[1].str()) : std::string();
  }

  static std::vector<std::string> Targets(const std::string& bytes) {
    static const std::regex attr("\\b(?:href|src)\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
    std::vector<std::string> out;
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), attr); it != std::sregex_iterator(); ++it)
      out.push_back((*it)[1].str());
    return out;
  }

  static std::string Join(const std::vector<std::string>& problems) {
    std::string s;
    for (const std::string& p : problems) s += Cp1251ToUtf8(p) + "\n";
    return s;
  }

  test::FakePlatform platform_;  // any reader message would be a fault: it is recorded, not shown
  std::set<std::string> names_;
  std::vector<std::string> pages_;
  bool have_pictures_ = false;
};

TEST_F(DemoManualTest, HoldsTheManualsFilesRecodedToWindows1251) {
  for (const char* name : {"tree/contents.txt", "file.ind", "lists/models.txt", "lists/start.txt",
                           "notes.txt", "pages/style.css", "pages/intro.htm", "pages/thesaurus.htm"})
    EXPECT_TRUE(InArchive(name)) << name;
  EXPECT_GE(pages_.size(), 30u);
  EXPECT_EQ(Title(Entry("pages/intro.htm")), Ru("Заря-2110. Руководство по ремонту"));
#ifdef REMONT_DEMO_PICTURES
  EXPECT_TRUE(have_pictures_) << "the Qt build draws the pictures into the archive";
#endif
  EXPECT_TRUE(platform_.messages.empty()) << Join(platform_.messages);
}

TEST_F(DemoManualTest, EveryTreeNodeNamesAPageOfTheArchiveAndEveryPageHasANode) {
  const std::vector<TreeNode> nodes = ParseTreeFile(Entry("tree/contents.txt"));
  ASSERT_FALSE(nodes.empty());
  std::vector<std::string> problems;
  std::set<std::string> in_tree;
  for (const TreeNode& node : nodes) {
    if (node.caption.empty() || node.page.empty()) problems.push_back("node without caption or page: " + node.caption);
    if (std::string p = CheckPage(node.page); !p.empty()) problems.push_back(p);
    in_tree.insert(LowerCase(node.page));
    if (node.picture.empty()) problems.push_back("node without icon: " + node.caption);
    else if (have_pictures_ && !InArchive(node.picture)) problems.push_back("missing icon " + node.picture);
  }
  for (const std::string& page : pages_)
    if (!in_tree.count(page)) problems.push_back("no node for " + page);
  EXPECT_TRUE(problems.empty()) << Join(problems);
  // Chapters at the top, their pages one level down.
  EXPECT_EQ(nodes.front().depth, 0);
  EXPECT_TRUE(std::any_of(nodes.begin(), nodes.end(), [](const TreeNode& n) { return n.depth == 1; }));
}

TEST_F(DemoManualTest, SearchIndexListsEveryPageWithItsOwnTitle) {
  std::vector<std::string> problems;
  std::set<std::string> indexed;
  for (std::string line : SplitLines(Entry("file.ind"))) {
    if (line.find("#:#") == std::string::npos) {
      problems.push_back("line without #:# " + line);
      continue;
    }
    const std::string page = CutToken(line, "#:#");
    indexed.insert(page);
    if (!InArchive(page)) problems.push_back("missing " + page);
    else if (line.empty() || line != Title(Entry(page))) problems.push_back("title differs for " + page + ": " + line);
  }
  for (const std::string& page : pages_)
    if (!indexed.count(page)) problems.push_back("not indexed " + page);
  EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST_F(DemoManualTest, EveryPageHasATitleACharsetAndAStyleSheet) {
  std::vector<std::string> problems;
  for (const std::string& page : pages_) {
    const std::string bytes = Entry(page);
    if (Title(bytes).empty()) problems.push_back("no title in " + page);
    if (bytes.find("charset=windows-1251") == std::string::npos || PageDeclaresUtf8(bytes))
      problems.push_back("no Windows-1251 charset in " + page);
    const std::vector<std::string> sheets = StyleSheetLinks(bytes);
    if (sheets.empty()) problems.push_back("no style sheet in " + page);
    for (const std::string& sheet : sheets)
      if (Resolve(sheet, page) != "pages/style.css") problems.push_back("style sheet " + sheet + " in " + page);
  }
  EXPECT_TRUE(problems.empty()) << Join(problems);
}

TEST_F(DemoManualTest, EveryRelativeLinkAndPictureOfEveryPageResolves) {
  std::vector<std::string> problems;
  std::map<LinkKind, int> kinds;
  int skipped_pictures = 0;
  for (const std::string& page : pages_) {
    const std::string bytes = Entry(page);
    for (const std::string& target : Targets(bytes)) {
      const LinkKind kind = ClassifyLink(target);
      ++kinds[kind];
      if (kind == LinkKind::External || kind == LinkKind::Command) continue;
      if (kind == LinkKind::InPage) {
        if (!HasAnchor(bytes, target.substr(1))) problems.push_back("no anchor " + target + " in " + page);
        continue;
      }
      if (IsPicture(target) && !have_pictures_) {
        ++skipped_pictures;
        continue;
      }
      const std::string resolved = Resolve(target, page);
      std::string file, anchor;
      SplitAnchor(target, file, anchor);
      if (!InArchive(resolved)) problems.push_back(page + ": " + target + " -> missing " + resolved);
      else if (!anchor.empty() && !HasAnchor(Entry(resolved), anchor))
        problems.push_back(page + ": " + target + " -> no anchor in " + resolved);
    }
  }
  EXPECT_TRUE(problems.empty()) << Join(problems);
  // The manual shows each kind of link the page view handles.
  for (LinkKind kind : {LinkKind::External, LinkKind::Command, LinkKind::Picture, LinkKind::Page,
                        LinkKind::InPage, LinkKind::Other})
    EXPECT_GT(kinds[kind], 0) << static_cast<int>(kind);
  if (have_pictures_) EXPECT_EQ(skipped_pictures, 0);
  else GTEST_LOG_(INFO) << "archive without pictures: " << skipped_pictures << " picture names skipped";
}

TEST_F(DemoManualTest, ItemListsNamePagesOfTheArchive) {
  std::vector<std::string> problems;
  const std::vector<std::string> start = SplitLines(Entry("lists/start.txt"));
  EXPECT_FALSE(start.empty());
  for (std::string line : start) {
    if (line.find("#;#") == std::string::npos) problems.push_back("list line without #;# " + line);
    const std::string caption = CutToken(line, "#;#");
    if (caption.empty()) problems.push_back("empty caption");
    if (std::string p = CheckPage(line); !p.empty()) problems.push_back(p);
  }
  const std::vector<std::string> models = SplitLines(Entry("lists/models.txt"));
  EXPECT_FALSE(models.empty());
  for (std::string line : models) {
    const std::string caption = CutToken(line, ";");
    if (caption.empty() || line.empty()) problems.push_back("combo line without caption or value " + caption);
    if (std::string p = CheckPage(line); !p.empty()) problems.push_back(p);
  }
  EXPECT_TRUE(problems.empty()) << Join(problems);
}

}  // namespace
}  // namespace remont
