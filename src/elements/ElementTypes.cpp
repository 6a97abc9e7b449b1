#include "elements/ElementTypes.h"

#include <string>

#include "common/Cp1251.h"

namespace remont {
namespace {

using K = EElementKind;
using S = ESyntax;

constexpr RElementKey Num(std::string_view n) { return {n, S::Number}; }
constexpr RElementKey Bool(std::string_view n, bool fallback) { return {n, S::Boolean, fallback}; }
constexpr RElementKey Colour(std::string_view n) { return {n, S::Colour}; }
constexpr RElementKey Text(std::string_view n) { return {n, S::Text}; }
constexpr RElementKey Font(std::string_view n) { return {n, S::Font}; }
constexpr RElementKey Element(std::string_view n, std::string_view type) { return {n, S::Element, false, type}; }
constexpr RElementKey Later(std::string_view n, S syntax, std::string_view type) {
  return {n, syntax, false, type, true};
}
constexpr RElementKey File(std::string_view n, S syntax, EFileKind kind = EFileKind::Other) {
  return {n, syntax, false, {}, false, kind};
}

constexpr RElementKey kAction = {"action", S::Command};
constexpr RElementKey kAnchor = {"anchor", S::Anchor};
constexpr RElementKey kCaption = Text("caption");
constexpr RElementKey kHint = Text("hint");
constexpr RElementKey kSkin = {"skin", S::Skin};
constexpr RElementKey kSkinFile = {"skin", S::SkinFile};
constexpr RElementKey kTextAlign = {"text_align", S::TextAlign};
constexpr RElementKey kLoad = File("load", S::ArchiveFile);

constexpr RElementKey kShared[] = {
    Num("top"),       Num("left"), {"width", S::Size}, {"height", S::Size}, Bool("enabled", true),
    {"cursor", S::Cursor}, Bool("visible", true), {"align", S::Align},
};

constexpr RElementKey kForm[] = {
    kCaption, Text("title"), {"but_help", S::Command}, Bool("save_pos", false), Num("min_width"),
    Num("min_height"), Bool("dialog", false), {"splash", S::Splash}, Num("top"), Num("left"), Num("width"),
    Num("height"), kAction, Text("reg_dat"), Bool("visible", true), Bool("size", true), Bool("moving", false),
    Bool("esc_close", false), Bool("splash_close_auto", true), Colour("hint_color"), Colour("hint_font_color"),
    Font("message_font"), Text("help_id"), Text("effect"), Later("but_max", S::ButMax, "sp_button"),
    Bool("hide_caption", true), File("ico", S::ProgramFile), {"skin", S::FormSkin}, Colour("color"),
};
constexpr RElementKey kButton[] = {
    kAction, kCaption, kHint, Font("font"), kTextAlign, Bool("transparent", true), Bool("word_wrap", false),
    kAnchor, kSkinFile,
};
constexpr RElementKey kSpeedButton[] = {
    kAction, kCaption, kHint, Font("font"), Bool("transparent", true), Num("group"), Bool("down", false),
    Element("menu", "pop_menu"), Element("but_next_tree", "tree"), Element("but_prev_tree", "tree"), kAnchor, kSkin,
};
constexpr RElementKey kPanel[] = {
    kAction, kCaption, Bool("visible_ex", true), Num("min_width"), Num("max_width"), Num("min_height"), kAnchor, kSkin,
};
constexpr RElementKey kParentPanel[] = {kAction, Num("min_width"), Num("min_height"), Colour("color"), kAnchor};
constexpr RElementKey kHtml[] = {
    kAction, File("load", S::ArchiveFile, EFileKind::Page), Bool("move_cursor", false), Bool("move", false),
    Element("menu", "pop_menu"), Element("link_tree", "tree"), Element("link_tree_ex", "tree_ex"),
    Element("label_title", "label"), Text("font_name"), Num("font_size"), Num("min_width"), Num("min_height"),
    kAnchor,
};
constexpr RElementKey kSplit[] = {kAction, kSkin};
constexpr RElementKey kLabel[] = {
    kAction, kCaption, kHint, Font("font"), kTextAlign, Bool("word_wrap", false), Bool("auto_size", false),
    Bool("url", false), Element("html_title", "html"), kAnchor, kSkin,
};
constexpr RElementKey kTrackBar[] = {kAction, kHint, kAnchor, kSkin};
constexpr RElementKey kTree[] = {
    kAction, File("load", S::ArchiveFile, EFileKind::TreeFile), Bool("open_block", false), Bool("bordur", true),
    Colour("color"), Font("font"), Colour("color_select"), Element("but_next", "sp_button"),
    Element("but_prev", "sp_button"), Element("link_html", "html"), Num("min_width"), Num("min_height"),
    Num("max_width"), Num("max_height"), kAnchor, kSkin,
};
constexpr RElementKey kTreeEx[] = {
    kAction, File("load", S::ArchiveFile, EFileKind::TreeExFile), Bool("check", true), Bool("bordur", true),
    Colour("color_bg"), Colour("color_bg_select"), Colour("color_text"), Colour("color_text_select"),
    Colour("color_track"), Colour("color_scroll"), Element("link_html", "html"), Num("min_width"),
    Num("min_height"), kAnchor, kSkin,
};
constexpr RElementKey kFlash[] = {
    File("load", S::ProgramFile), Bool("loop", false), Element("track_bar", "track_bar"), kAnchor,
};
constexpr RElementKey kMedia[] = {File("load", S::ProgramFile), Element("track_bar", "track_bar"), kAnchor};
constexpr RElementKey kListBox[] = {kAction, kLoad, Bool("multiselect", false), kAnchor, kSkin};
constexpr RElementKey kScrollBox[] = {kAnchor, kSkin};
constexpr RElementKey kImage[] = {
    kAction, kLoad, Bool("scale", false), Num("min_scale"), Num("max_scale"), Bool("center", false),
    Element("menu", "pop_menu"), Bool("move", false), kAnchor,
};
constexpr RElementKey kPopMenu[] = {
    {"caption", S::List}, {"action", S::Commands}, {"key", S::Shortcuts}, {"last_caption", S::List},
    {"last_action", S::Commands}, {"last_key", S::Shortcuts}, {"glob_action", S::Command}, Num("check"), Num("length"),
    Bool("menu_system", false), Bool("favorite", false), Later("history_back", S::Element, ""),
    Later("history_prev", S::Element, ""), Later("history_full", S::Element, ""),
};
constexpr RElementKey kGif[] = {kLoad, kAnchor};
constexpr RElementKey kEditBox[] = {kAction, kHint, Bool("only_number", false), Element("min_link", "edit_box"), kAnchor};
constexpr RElementKey kCheckBox[] = {
    kAction, kHint, kCaption, Bool("check", false), Later("enable_control", S::Elements, ""), kAnchor,
};
constexpr RElementKey kRadioButton[] = {kAction, kHint, kCaption, Bool("check", false), kAnchor};
constexpr RElementKey kProgressBar[] = {kHint, kAnchor};
constexpr RElementKey kComboBox[] = {kAction, Num("count_line"), kLoad, Bool("read_only", false), kAnchor, kSkinFile};
constexpr RElementKey kListImg[] = {
    kAction, kLoad, Colour("color"), Bool("center", false), Bool("scroll", false), Element("next_button", "button"),
    Element("prev_button", "button"), {"next_gif", S::PicturePair}, {"prev_gif", S::PicturePair}, kAnchor,
};
constexpr RElementKey kPic[] = {kAnchor, kSkin};
constexpr RElementKey kGrid[] = {
    kAction, Font("font_fix"), Font("font_cell"), Colour("color_fix"), Colour("color_even"), Colour("color_noteven"),
    Bool("draw_line", false), Num("width_fix"), Num("width_cell"), Num("print_column"), kAnchor, kSkin,
};
constexpr RElementKey kHtmlGrid[] = {
    kLoad, Num("line"), Num("row"), Num("width_table"), Num("height_table"), Num("size_bordur"),
    Text("color_bordur"), Text("color_even"), Text("color_noteven"), Bool("color_line", true),
    Num("width_one_row"), Num("width_row"), Bool("center", false), Text("font_name"), Num("font_size"), kAnchor,
};
constexpr RElementKey kSpinEdit[] = {kHint, Num("max"), Num("min"), kAnchor};
constexpr RElementKey kDiagram[] = {
    kLoad, Num("max"), Num("height_line"), Colour("color_polosa"), Colour("color_separat"), Font("font_caption"),
    Font("font_number"), Num("margin"), Num("separate"), kHint, kAnchor,
};

constexpr RElementType kTypes[] = {
    {"form", K::Form, false, false, false, kForm},
    {"button", K::Element, false, true, false, kButton},
    {"sp_button", K::Element, false, true, false, kSpeedButton},
    {"panel", K::Element, true, true, false, kPanel},
    {"parent_panel", K::Element, true, false, false, kParentPanel, true},
    {"html", K::Element, false, false, false, kHtml},
    {"split", K::Element, false, true, false, kSplit},
    {"label", K::Element, false, true, false, kLabel},
    {"track_bar", K::Element, false, true, false, kTrackBar},
    {"tree", K::Element, false, true, false, kTree},
    {"tree_ex", K::Element, false, false, false, kTreeEx},
    {"flash", K::Element, true, false, false, kFlash},
    {"media", K::Element, false, false, false, kMedia},
    {"list_box", K::Element, false, true, true, kListBox},
    {"scroll_box", K::Element, true, true, false, kScrollBox},
    {"image", K::Element, false, false, true, kImage},
    {"pop_menu", K::PopMenu, false, false, false, kPopMenu},
    {"gif", K::Element, false, false, false, kGif},
    {"edit_box", K::Element, false, false, false, kEditBox},
    {"check_box", K::Element, false, false, false, kCheckBox},
    {"r_button", K::Element, false, false, false, kRadioButton},
    {"progress_bar", K::Element, false, false, false, kProgressBar},
    {"combo_box", K::Element, false, false, false, kComboBox},
    {"list_img", K::Element, false, false, false, kListImg},
    {"pic", K::Element, false, false, false, kPic},
    {"grid", K::Element, false, false, false, kGrid},
    {"html_grid", K::Element, false, false, false, kHtmlGrid},
    {"spin_edit", K::Element, false, false, false, kSpinEdit},
    {"diagram", K::Element, false, false, false, kDiagram},
    {"hot_key", K::HotKey, false, false, false, {}},
    {"none", K::None, false, false, false, {}},
};

}  // namespace

std::span<const RElementType> ElementTypes() { return kTypes; }

const RElementType* FindElementType(std::string_view name) {
  const std::string lower = LowerCase(name);
  for (const auto& t : kTypes) {
    if (t.Name == lower) return &t;
  }
  return nullptr;
}

bool IsContainerType(std::string_view name) {
  const RElementType* t = FindElementType(name);
  return t != nullptr && t->HoldsElements;
}

std::span<const RElementKey> SharedKeys() { return kShared; }

const RElementKey* FindKey(std::span<const RElementKey> keys, std::string_view name) {
  const std::string lower = LowerCase(name);
  for (const auto& k : keys)
    if (k.Name == lower) return &k;
  return nullptr;
}

bool IsReservedKey(std::string_view name) {
  const std::string lower = LowerCase(name);
  return lower == "type" || lower == "master";
}

}  // namespace remont
