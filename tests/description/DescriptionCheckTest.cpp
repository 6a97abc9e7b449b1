// The author's check on small manuals held in memory: one case per kind of
// problem, written the way publishers write (mixed-case keys and types,
// sections before their masters, odd spacing, CR LF line ends), and a clean
// manual that reports nothing.
#include "description/DescriptionCheck.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/Cp1251.h"

namespace remont {
namespace {

using Lines = std::vector<std::string>;

// Joins the lines of a file with CR LF, so that line n of the list is line n + 1 of the file.
std::string Text(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A manual in memory: archive entries (in directory order), loose files
// beside the archive, and plain files of the program folder.
class TMemoryManual final : public TManualFiles {
 public:
  TMemoryManual& Entry(const std::string& name, const std::string& bytes) {
    names_.push_back(name);
    files_[Key(name)] = bytes;
    return *this;
  }
  TMemoryManual& Loose(const std::string& name, const std::string& bytes) {
    files_[Key(name)] = bytes;
    return *this;
  }
  TMemoryManual& ProgramFile(const std::string& name) {
    program_.insert(Key(name));
    return *this;
  }

  std::vector<std::string> ArchiveNames() const override { return names_; }
  bool FileExists(const std::string& name) const override { return files_.count(Key(name)) != 0; }
  std::string ReadFile(const std::string& name) const override { return files_.at(Key(name)); }
  bool ProgramFileExists(const std::string& name) const override { return program_.count(Key(name)) != 0; }

 private:
  static std::string Key(const std::string& name) {
    std::string key = LowerCase(name);
    for (char& c : key)
      if (c == '\\') c = '/';
    return key;
  }
  std::vector<std::string> names_;
  std::map<std::string, std::string> files_;
  std::set<std::string> program_;
};

Lines Check(const TMemoryManual& manual, bool keys = false) {
  RCheckOptions options;
  options.Keys = keys;
  return CheckManual(manual, options);
}

std::string Join(const Lines& lines) {
  std::string s;
  for (const std::string& line : lines) s += Cp1251ToUtf8(line) + "\n";
  return s;
}

// One description, struct_x.txt, and what the check says of it.
struct DescriptionCase {
  const char* defect;
  Lines description;
  Lines expected;
};

template <size_t N>
void ExpectReports(const DescriptionCase (&cases)[N], bool keys = false) {
  for (const DescriptionCase& c : cases) {
    TMemoryManual manual;
    manual.Entry("struct_x.txt", Text(c.description));
    const Lines found = Check(manual, keys);
    EXPECT_EQ(found, c.expected) << c.defect << "\n" << Join(found);
  }
}

TEST(CheckManual, CleanManualReportsNothing) {
  TMemoryManual manual;
  manual
      .Entry("struct_main.txt", Text({
                                    "; the start window",
                                    "[Tree]",
                                    "  Type = Tree  ",
                                    "MASTER=pnlLeft",
                                    "Load=Tree\\Contents.txt",
                                    "Action=html_load*html_see",
                                    "But_Next=sbNext",
                                    "Color_Select=$C0FFEE",
                                    "[frmMain]",
                                    "type=FORM",
                                    "Caption=" + Ru("Ремонт"),
                                    "skin=skins/main.qss*main",
                                    "Splash=splash.bmp*10*x",
                                    "but_max=sbNext*sbNext",
                                    "ico=app.ico",
                                    "[sbNext]",
                                    "type=SP_BUTTON",
                                    "menu=Pages",
                                    "Font=Arial*10*#FF0000*bu",
                                    "[pnlLeft]",
                                    "type=Panel",
                                    "align=Left",
                                    "Width=200",
                                    "anchor=* 10 * *",
                                    "[Pages]",
                                    "type=pop_menu",
                                    "caption=" + Ru("Назад;Вперёд"),
                                    "action=html_back*html_see;form_show*struct_tools.txt",
                                    "key=Ctrl+Left;Alt+F4",
                                    "[html_see]",
                                    "type=html",
                                    "master=frmmain",
                                    "Link_Tree=TREE",
                                    "load=pages/a.htm#top",
                                    "[Keys]",
                                    "type=hot_key",
                                    "next=Ctrl+PgDn*tree_next*tree",
                                    "[pp]",
                                    "type=parent_panel",
                                    "width=50%",
                                    "color=#FFFFFF",
                                    "[check]",
                                    "type=check_box",
                                    "enable_control=later_one;sbNext",
                                    "[later_one]",
                                    "type=button",
                                    "skin=default*skins/button.qss",
                                    "[nothing]",
                                    "type=none",
                                    "anything=at all",
                                }))
      .Entry("tree/contents.txt", Text({Ru("Глава;pages/a.htm;icons/a.bmp"), "\tB;pages/b.htm#part", ""}))
      .Entry("pages/a.htm", "<p>a</p>")
      .Loose("pages/b.htm", "<p>b</p>")
      .Entry("file.ind", Text({"pages/a.htm#:#A", "pages/b.htm#:#B"}))
      .Loose("struct_tools.txt", Text({"[f]", "type=form", "[b]", "type=button", "action=form_show*struct_main.txt"}))
      .ProgramFile("skins/main.qss")
      .ProgramFile("skins/button.qss")
      .ProgramFile("splash.bmp")
      .ProgramFile("app.ico");
  EXPECT_EQ(Join(Check(manual, true)), "");
}

TEST(CheckManual, TypesPlacesAndNames) {
  const DescriptionCase cases[] = {
      {"unknown type",
       {"[f]", "type=form", "[b]", "Type=Buton"},
       {"struct_x.txt: b: key \"Type\" (line 4): \"Buton\" is not a known type, so nothing is made from it"}},
      {"no type",
       {"[f]", "type=form", "[b]", "caption=x"},
       {"struct_x.txt: b: no type, so nothing is made from it"}},
      {"master names no section",
       {"[f]", "type=form", "[b]", "type=button", "master=pnl"},
       {"struct_x.txt: b: key \"master\" (line 5): never placed: master \"pnl\" names no section"}},
      {"master holds no elements",
       {"[lbl]", "type=label", "master=b", "[f]", "type=form", "[b]", "type=Button"},
       {"struct_x.txt: lbl: key \"master\" (line 3): never placed: master \"b\" is a button, which holds no "
        "elements"}},
      {"master of an unknown type",
       {"[f]", "type=form", "[p]", "type=pannel", "[lbl]", "type=label", "master=P"},
       {"struct_x.txt: p: key \"type\" (line 4): \"pannel\" is not a known type, so nothing is made from it",
        "struct_x.txt: lbl: key \"master\" (line 7): never placed: master \"P\" is of unknown type \"pannel\", "
        "which holds no elements"}},
      {"master never placed",
       {"[f]", "type=form", "[p]", "type=panel", "master=p", "[lbl]", "type=label", "master=p"},
       {"struct_x.txt: p: key \"master\" (line 5): never placed: master \"p\" is never placed itself",
        "struct_x.txt: lbl: key \"master\" (line 8): never placed: master \"p\" is never placed itself"}},
      {"no form section",
       {"[m]", "type=pop_menu", "glob_action=x", "[b]", "type=button"},
       {"struct_x.txt: b: never placed: the description has no form section"}},
      {"name that is not an identifier",
       {"[f]", "type=form", "[2nd]", "type=label", "[" + Ru("кнопка") + "]", "type=button", "[keys-1]",
        "type=hot_key"},
       {"struct_x.txt: 2nd: the name is not an identifier (Latin letters, digits and \"_\", not starting with a "
        "digit), so the viewer stops building here",
        "struct_x.txt: " + Ru("кнопка") +
            ": the name is not an identifier (Latin letters, digits and \"_\", not starting with a digit), so the "
            "viewer stops building here"}},
  };
  ExpectReports(cases);
}

TEST(CheckManual, ElementNameKeys) {
  const DescriptionCase cases[] = {
      {"name that is no section",
       {"[f]", "type=form", "[h]", "type=html", "Label_Title=lblTitel"},
       {"struct_x.txt: h: key \"Label_Title\" (line 5): no section is named \"lblTitel\""}},
      {"section of another type",
       {"[f]", "type=form", "[t]", "type=tree_ex", "[h]", "type=html", "link_tree=T"},
       {"struct_x.txt: h: key \"link_tree\" (line 7): \"T\" is a tree_ex, not a tree"}},
      // The tree comes first in the file but waits for its panel, which comes after the html.
      {"made later in the order of construction",
       {"[f]", "type=form", "[t]", "type=tree", "master=pnl", "[h]", "type=html", "link_tree=t", "[pnl]",
        "type=panel"},
       {"struct_x.txt: h: key \"link_tree\" (line 8): \"t\" is made after this section, so the key finds "
        "nothing"}},
      {"written before but made earlier",
       {"[f]", "type=form", "[h]", "type=html", "master=pnl", "link_tree=t", "[t]", "type=tree", "[pnl]",
        "type=panel"},
       {}},
      {"later name of a key looked up when used",
       {"[f]", "type=form", "[c]", "type=check_box", "enable_control=b1;;ghost", "[b1]", "type=button"},
       {"struct_x.txt: c: key \"enable_control\" (line 5): no section is named \"ghost\""}},
      {"run-time key of the wrong type",
       {"[f]", "type=form", "but_max=b1*sb", "[b1]", "type=button", "[sb]", "type=sp_button"},
       {"struct_x.txt: f: key \"but_max\" (line 3): \"b1\" is a button, not a sp_button"}},
      {"name of a section that makes no element",
       {"[f]", "type=form", "[keys]", "type=hot_key", "[c]", "type=check_box", "enable_control=keys"},
       {"struct_x.txt: c: key \"enable_control\" (line 7): \"keys\" is a hot_key, which makes no element"}},
      {"name of a section never made",
       {"[f]", "type=form", "[t]", "type=tree", "master=ghost", "[h]", "type=html", "link_tree=t"},
       {"struct_x.txt: t: key \"master\" (line 5): never placed: master \"ghost\" names no section",
        "struct_x.txt: h: key \"link_tree\" (line 8): \"t\" is never made: it is never placed"}},
      {"history menu naming nothing",
       {"[f]", "type=form", "[m]", "type=pop_menu", "glob_action=html_load*h", "history_back=hh"},
       {"struct_x.txt: m: key \"history_back\" (line 6): no section is named \"hh\""}},
  };
  ExpectReports(cases);
}

TEST(CheckManual, ValuesTheViewerCannotRead) {
  const DescriptionCase cases[] = {
      {"number",
       {"[f]", "type=form", "[t]", "type=tree", "Max_Height=3OO"},
       {"struct_x.txt: t: key \"Max_Height\" (line 5): \"3OO\" is not a number"}},
      {"shared key on the form, said once",
       {"[f]", "type=form", "Width=wide", "Top= 5"},
       {"struct_x.txt: f: key \"Width\" (line 3): \"wide\" is not a number"}},
      {"percentage where only a parent panel takes one",
       {"[f]", "type=form", "[p]", "type=panel", "width=50%", "[pp]", "type=parent_panel", "height=50%",
        "width=x%"},
       {"struct_x.txt: p: key \"width\" (line 5): \"50%\" is not a number",
        "struct_x.txt: pp: key \"width\" (line 9): \"x%\" is neither a number nor a percentage"}},
      {"colour",
       {"[f]", "type=form", "color=#F2EFEG", "[pp]", "type=parent_panel", "color=$00FF00"},
       {"struct_x.txt: f: key \"color\" (line 3): \"#F2EFEG\" is not a colour"}},
      {"font size and colour",
       {"[f]", "type=form", "message_font=Arial*12pt", "[l]", "type=label", "font=**red*b"},
       {"struct_x.txt: f: key \"message_font\" (line 3): font \"Arial*12pt\": size \"12pt\" is not a number",
        "struct_x.txt: l: key \"font\" (line 6): font \"**red*b\": colour \"red\" is not a colour"}},
      {"anchor",
       {"[f]", "type=form", "[b]", "type=button", "anchor=10 10  *", "[c]", "type=button", "anchor=1 2 3"},
       {"struct_x.txt: b: key \"anchor\" (line 5): \"10 10  *\" is not an anchor: four fields one space apart, "
        "each \"*\" or a number",
        "struct_x.txt: c: key \"anchor\" (line 8): \"1 2 3\" is not an anchor: four fields one space apart, each "
        "\"*\" or a number"}},
      {"menu numbers",
       {"[f]", "type=form", "[m]", "type=pop_menu", "glob_action=x", "length=many"},
       {"struct_x.txt: m: key \"length\" (line 6): \"many\" is not a number"}},
      {"values nobody reads are not judged",
       {"[f]", "type=form", "[m]", "type=pop_menu", "glob_action=x", "left=x", "[n]", "type=none", "top=x",
        "[k]", "type=hot_key", "top=Ctrl+Up*x", "[u]", "type=unknown", "top=x"},
       {"struct_x.txt: u: key \"type\" (line 14): \"unknown\" is not a known type, so nothing is made from it"}},
      {"shortcut that names no key",
       {"[frm]", "type=form", "[Keys]", "type=Hot_Key", "master=frm", "go=Ctrl+Q*form_close", "bad=Strg+Q*x",
        "[m]", "type=pop_menu", "caption=a;b", "action=x;y", "key=;Ctrl+Alt+Delete"},
       {"struct_x.txt: Keys: key \"master\" (line 5): shortcut \"frm\" names no key, so it never fires",
        "struct_x.txt: Keys: key \"bad\" (line 7): shortcut \"Strg+Q\" names no key, so it never fires",
        "struct_x.txt: m: key \"key\" (line 12): shortcut \"Ctrl+Alt+Delete\" names no key, so it never fires"}},
      {"menu without what it needs",
       {"[f]", "type=form", "[m1]", "type=pop_menu", "caption=a", "[m2]", "type=pop_menu", "Action=x",
        "[m3]", "type=pop_menu", "glob_action=x", "[m4]", "type=pop_menu"},
       {"struct_x.txt: m1: a menu needs caption and action, or glob_action: the viewer says so and leaves it empty",
        "struct_x.txt: m2: a menu needs caption and action, or glob_action: the viewer says so and leaves it "
        "empty",
        // Its type is a key too: the builder does not find the menu empty.
        "struct_x.txt: m4: a menu needs caption and action, or glob_action: the viewer says so and leaves it "
        "empty"}},
  };
  ExpectReports(cases);
}

TEST(CheckManual, KeysNotReadByTheirType) {
  const DescriptionCase cases[] = {
      {"misspelt keys",
       {"[f]", "type=form", "Captoin=x", "[l]", "type=label", "colour=#FF0000", "Caption=x", "Master=f"},
       {"struct_x.txt: f: key \"Captoin\" (line 3): not a key of a form",
        "struct_x.txt: l: key \"colour\" (line 6): not a key of a label"}},
      {"position keys are not a menu's",
       {"[f]", "type=form", "[m]", "type=pop_menu", "glob_action=x", "top=1"},
       {"struct_x.txt: m: key \"top\" (line 6): not a key of a pop_menu"}},
      {"hot keys, none and unknown types are exempt",
       {"[f]", "type=form", "[k]", "type=hot_key", "anything=F2*x", "[n]", "type=none", "foo=1", "[u]",
        "type=img", "foo=1"},
       {"struct_x.txt: u: key \"type\" (line 10): \"img\" is not a known type, so nothing is made from it"}},
      {"the first of two keys counts",
       {"[f]", "type=form", "[b]", "type=button", "width=1", "WIDTH=x"},
       {}},
  };
  ExpectReports(cases, true);
}

TEST(CheckManual, FilesTheViewerReads) {
  TMemoryManual manual;
  manual
      .Entry("struct_main.txt",
             Text({"[f]", "type=form", "ico=app.ico", "skin=skins/gone.qss*x", "splash=*10", "action=form_show*tools.txt",
                   "[lst]", "type=list_box", "load=lists/missing.txt", "[loose]", "type=combo_box",
                   "load=lists/loose.txt", "[strip]", "type=list_img", "next_gif=a.gif*b.gif", "[movie]",
                   "type=flash", "load=intro.swf", "[b]", "type=button", "skin=x*skins/b.qss", "[h]", "type=html",
                   "load=pages/none.htm#top", "[t]", "type=tree", "load=tree.txt", "[tx]", "type=tree_ex",
                   "load=treex.txt", "[k]", "type=hot_key", "f=F5*form_show*tools.txt//form_show*open_file(.txt)"}))
      .Loose("lists/loose.txt", "a;b")
      .Entry("a.gif", "GIF")
      .Entry("tree.txt", Text({"A;a.htm", "\tB;b.htm#x", "\tC;gone.htm", "D"}))
      .Entry("treex.txt", Text({"X;a.htm;more"}))
      .Entry("a.htm", "a")
      .Entry("b.htm", "b")
      .Entry("file.ind", Text({"a.htm#:#A", "", "gone.htm#:#G", "b.htm"}))
      .ProgramFile("skins/b.qss");
  const Lines expected = {
      "struct_main.txt: f: key \"ico\" (line 3): file \"app.ico\" is not in the program folder",
      "struct_main.txt: f: key \"skin\" (line 4): skin file \"skins/gone.qss\" is not in the program folder",
      "struct_main.txt: f: key \"splash\" (line 5): splash picture \"\" is not in the program folder",
      "struct_main.txt: f: key \"action\" (line 6): form_show names \"tools.txt\", which is neither in the archive "
      "nor in its folder",
      "struct_main.txt: lst: key \"load\" (line 9): file \"lists/missing.txt\" is neither in the archive nor in its "
      "folder",
      "struct_main.txt: strip: key \"next_gif\" (line 15): file \"b.gif\" is neither in the archive nor in its "
      "folder",
      "struct_main.txt: movie: key \"load\" (line 18): file \"intro.swf\" is not in the program folder",
      "struct_main.txt: h: key \"load\" (line 24): file \"pages/none.htm\" is neither in the archive nor in its "
      "folder",
      "struct_main.txt: t: key \"load\" (line 27): tree file \"tree.txt\" line 3 (\"C\"): page \"gone.htm\" is "
      "neither in the archive nor in its folder",
      "struct_main.txt: tx: key \"load\" (line 30): tree file \"treex.txt\" line 1 (\"X\"): page \"a.htm;more\" is "
      "neither in the archive nor in its folder",
      "struct_main.txt: k: key \"f\" (line 33): form_show names \"tools.txt\", which is neither in the archive nor "
      "in its folder",
      "file.ind: line 3: page \"gone.htm\" is neither in the archive nor in its folder",
  };
  const Lines found = Check(manual);
  EXPECT_EQ(found, expected) << Join(found);
}

TEST(CheckManual, DescriptionsNamedByFormShowAreCheckedOnceInTurn) {
  TMemoryManual manual;
  manual.Entry("Struct_B.txt", Text({"[f]", "type=form", "but_help=form_show*sub\\C.txt", "[bad]", "type=x"}))
      .Entry("pages/struct_in_folder.txt", Text({"[bad]", "type=x"}))
      .Entry("struct_a.txt", Text({"[m]", "type=pop_menu", "caption=a", "last_caption=b",
                                   "last_action=form_show*STRUCT_B.TXT", "glob_action=form_show*sub/c.txt"}))
      .Loose("sub/c.txt", Text({"[f]", "type=form", "[b]", "type=button", "action=form_show*struct_a.txt",
                                "[bad]", "type=y"}))
      .Entry("struct_empty.txt", "; nothing here\r\n");
  const Lines expected = {
      "Struct_B.txt: bad: key \"type\" (line 5): \"x\" is not a known type, so nothing is made from it",
      "struct_empty.txt: no sections, so the viewer builds nothing from it",
      "sub\\C.txt: bad: key \"type\" (line 7): \"y\" is not a known type, so nothing is made from it",
  };
  const Lines found = Check(manual);
  EXPECT_EQ(found, expected) << Join(found);
}

}  // namespace
}  // namespace remont
