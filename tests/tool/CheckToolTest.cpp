// remont-tool check, run as the real program on small manuals packed with the
// project's own packer: one fixture per defect, named after it, on top of a
// clean base manual; then the demo manual, which must pass clean.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "archive/PackWriter.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace remont {
namespace {

using Files = std::vector<std::pair<std::string, std::string>>;  // UTF-8 name and content

// The clean base manual; its description is written one line per literal
// (the tree's load key is line 20).
const Files kBase = {
    {"struct_main.txt",
     "[frmMain]\n"
     "type=form\n"
     "caption=Ремонт\n"
     "skin=skins/main.qss\n"
     "[keys]\n"
     "type=hot_key\n"
     "go=Ctrl+G*html_load*html_see*pages/a.htm\n"
     "[menu_go]\n"
     "type=pop_menu\n"
     "caption=Начало\n"
     "action=html_load*html_see*pages/a.htm\n"
     "[panel_left]\n"
     "type=panel\n"
     "align=left\n"
     "width=200\n"
     "[tree]\n"
     "type=tree\n"
     "master=panel_left\n"
     "align=client\n"
     "load=tree/contents.txt\n"
     "action=html_load*html_see\n"
     "[html_see]\n"
     "type=html\n"
     "align=client\n"
     "link_tree=tree\n"
     "menu=menu_go\n"
     "load=pages/a.htm\n"},
    {"tree/contents.txt", "Глава;pages/a.htm\n\tСтраница;pages/b.htm\n"},
    {"pages/a.htm", "<p>a</p>"},
    {"pages/b.htm", "<p>b</p>"},
    {"file.ind", "pages/a.htm#:#A\npages/b.htm#:#B\n"},
};

struct Fixture {
  const char* name;
  Files files;        // written over the base manual, packed into the archive
  Files beside;       // loose files in the archive's folder (the program folder)
  bool keys;          // run with --keys
  std::string out;    // UTF-8; the tool writes Windows-1251
  int code;
};

// Packs the base manual with the fixture's files into manual.dat of the folder,
// the fixture's loose files and the viewer's skin beside it.
std::string Pack(const Fixture& f, const test::TempDir& dir) {
  for (const auto& [name, content] : kBase) dir.Write("src/" + name, content);
  for (const auto& [name, content] : f.files) dir.Write("src/" + name, content);
  dir.Write("skins/main.qss", "QWidget {}");
  for (const auto& [name, content] : f.beside) dir.Write(name, content);
  PackOptions options;
  options.recode = {"**/*.txt", "**/*.ind", "**/*.htm"};
  std::string error;
  std::vector<std::string> warnings;
  EXPECT_TRUE(PackFolderToArchive(dir.Sub("manual.dat"), dir.Sub("src"), options, error, warnings)) << error;
  return dir.Sub("manual.dat");
}

TEST(CheckTool, ReportsEachDefectOnItsLine) {
  const Fixture fixtures[] = {
      {"CleanManual", {}, {}, false, "", 0},
      {"CleanManualWithKeys", {}, {}, true, "", 0},
      {"MisspeltKey",
       {{"struct_about.txt", "[frmAbout]\ntype=form\n[about_title]\ntype=label\ncaption=Ремонт\ncolour=#2B3A55\n"}},
       {}, true,
       "struct_about.txt: about_title: key \"colour\" (line 6): not a key of a label\n", 1},
      {"MisspeltKeyWithoutKeysOption",
       {{"struct_about.txt", "[frmAbout]\ntype=form\n[about_title]\ntype=label\ncolour=#2B3A55\n"}}, {}, false, "",
       0},
      {"MissingTreeFile",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[tree]\nType=Tree\nLoad=tree/contnts.txt\n"}}, {}, false,
       "struct_show.txt: tree: key \"Load\" (line 5): file \"tree/contnts.txt\" is neither in the archive nor in "
       "its folder\n",
       1},
      {"MissingTreePage",
       {{"tree/contents.txt", "Глава;pages/a.htm\n\tСтраница;pages/b.htm\n\tЗамена;pages/c.htm#шаг\n"}}, {}, false,
       "struct_main.txt: tree: key \"load\" (line 20): tree file \"tree/contents.txt\" line 3 (\"Замена\"): page "
       "\"pages/c.htm\" is neither in the archive nor in its folder\n",
       1},
      // Menus are made before every other element: a button may name one written after it.
      {"MenuWrittenAfterItsButton",
       {{"struct_bar.txt", "[frmBar]\ntype=form\n[sp_menu]\ntype=sp_button\nmenu=menu_late\n"
                           "[menu_late]\ntype=pop_menu\ncaption=A\naction=about\n"}},
       {}, true, "", 0},
      // The tree waits for its panel, which comes after the html element.
      {"TreeMadeAfterItsHtml",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[tree]\ntype=tree\nmaster=panel_tree\n"
                            "[html_see]\ntype=html\nlink_tree=tree\n[panel_tree]\ntype=panel\n"}},
       {}, false,
       "struct_show.txt: html_see: key \"link_tree\" (line 8): \"tree\" is made after this section, so the key "
       "finds nothing\n",
       1},
      {"UnknownType",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[but_go]\ntype=Buton\n"}}, {}, false,
       "struct_show.txt: but_go: key \"type\" (line 4): \"Buton\" is not a known type, so nothing is made from "
       "it\n",
       1},
      {"MasterNamesNoSection",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[but_go]\ntype=button\nmaster=panel_gone\n"}}, {}, false,
       "struct_show.txt: but_go: key \"master\" (line 5): never placed: master \"panel_gone\" names no section\n", 1},
      {"NumberWithATab",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[but_go]\ntype=button\nwidth=1\t0\n"}}, {}, false,
       "struct_show.txt: but_go: key \"width\" (line 5): \"1\\t0\" is not a number\n", 1},
      {"NameNotAnIdentifier",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[кнопка]\ntype=button\n"}}, {}, false,
       "struct_show.txt: кнопка: the name is not an identifier (Latin letters, digits and \"_\", not starting with "
       "a digit), so the viewer stops building here\n",
       1},
      {"MissingFormShowTarget",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[but_go]\ntype=button\naction=form_show*struct_нет.txt\n"}},
       {}, false,
       "struct_show.txt: but_go: key \"action\" (line 5): form_show names \"struct_нет.txt\", which is neither in "
       "the archive nor in its folder\n",
       1},
      {"DefectInADescriptionOpenedByFormShow",
       {{"struct_show.txt", "[frmShow]\ntype=form\nbut_help=form_show*forms/tools.txt\n"},
        {"forms/tools.txt", "[frmTools]\ntype=form\n[tools_ok]\ntype=button\ncaption=OK\nfont=Arial*x\n"}},
       {}, false,
       "forms/tools.txt: tools_ok: key \"font\" (line 6): font \"Arial*x\": size \"x\" is not a number\n", 1},
      {"HotKeyThatNeverFires",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[keys_show]\ntype=hot_key\nback=Alt+Links*html_back*html_see\n"}},
       {}, false,
       "struct_show.txt: keys_show: key \"back\" (line 5): shortcut \"Alt+Links\" names no key, so it never "
       "fires\n",
       1},
      {"MenuWithoutAction",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[menu_view]\ntype=pop_menu\ncaption=A;B\n"}}, {}, false,
       "struct_show.txt: menu_view: a menu needs caption and action, or glob_action: the viewer says so and leaves "
       "it empty\n",
       1},
      {"MissingIndexPage",
       {{"file.ind", "pages/a.htm#:#A\npages/old.htm#:#Старая\npages/b.htm#:#B\n"}}, {}, false,
       "file.ind: line 2: page \"pages/old.htm\" is neither in the archive nor in its folder\n", 1},
      // A skin is a plain file of the program folder: the archive's copy is never read.
      {"SkinOnlyInTheArchive",
       {{"struct_show.txt", "[frmShow]\ntype=form\nskin=skins/show.qss*main\n"}, {"skins/show.qss", "QWidget {}"}},
       {}, false,
       "struct_show.txt: frmShow: key \"skin\" (line 3): skin file \"skins/show.qss\" is not in the program "
       "folder\n",
       1},
      {"ListFileBesideTheArchive",
       {{"struct_show.txt", "[frmShow]\ntype=form\n[list_start]\ntype=list_box\nload=lists/start.txt\n"}},
       {{"lists/start.txt", "A#;#pages/a.htm\n"}}, true, "", 0},
  };
  for (const Fixture& f : fixtures) {
    SCOPED_TRACE(f.name);
    test::TempDir dir;
    const std::string archive = Pack(f, dir);
    std::vector<std::string> args = {"check"};
    if (f.keys) args.push_back("--keys");
    args.push_back(archive);
    const test::ToolResult r = test::RunTool(args, dir);
    EXPECT_EQ(r.out, Ru(f.out)) << Cp1251ToUtf8(r.out);
    EXPECT_EQ(r.code, f.code);
    EXPECT_EQ(r.err, "");
  }
}

TEST(CheckTool, UsageMissingAndRefusedArchives) {
  test::TempDir dir;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"check"}, {"check", "--keys"}, {"check", "a.dat", "b.dat"}, {"check", "--all", "a.dat"}}) {
    const test::ToolResult r = test::RunTool(args, dir);
    EXPECT_EQ(r.code, 2) << args.back();
    EXPECT_EQ(r.err, "usage: remont-tool check [--keys] ARCHIVE\n") << args.back();
  }
  test::ToolResult r = test::RunTool({"check", dir.Sub("absent.dat")}, dir);
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "remont-tool: check: no archive file " + dir.Sub("absent.dat") + "\n");

  dir.Write("bad.dat", "XYZ" + std::string(20, '\0'));
  r = test::RunTool({"check", dir.Sub("bad.dat")}, dir);
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Неверная сигнатура архива\n");
}

// What check says of the demo manual, less what the build cannot hold: the
// build without Qt packs the manual without the pictures it draws (and puts
// no splash picture beside the viewer), so there lines about pictures are
// left out. The exit status must agree with the whole output.
std::string DemoReport(bool keys) {
  test::TempDir dir;
  std::vector<std::string> args = {"check"};
  if (keys) args.push_back("--keys");
  args.push_back(REMONT_DEMO_ARCHIVE);
  const test::ToolResult r = test::RunTool(args, dir);
  EXPECT_EQ(r.code, r.out.empty() ? 0 : 1);
  EXPECT_EQ(r.err, "");
  std::string rest = r.out;
#ifndef REMONT_DEMO_PICTURES
  static const std::regex picture_line(
      "[^\n]*(file|picture) \"[^\"\n]*\\.(bmp|jpg|png|gif)\" is (not in the program folder|neither in the "
      "archive nor in its folder)\n");
  rest = std::regex_replace(rest, picture_line, "");
#endif
  return Cp1251ToUtf8(rest);
}

TEST(CheckTool, DemoManualIsClean) { EXPECT_EQ(DemoReport(false), ""); }

TEST(CheckTool, DemoManualUsesOnlyKeysItsTypesRead) { EXPECT_EQ(DemoReport(true), ""); }

}  // namespace
}  // namespace remont
