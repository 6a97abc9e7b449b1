#include "elements/ElementTypes.h"

#include <string>

#include "common/Cp1251.h"

namespace remont {
namespace {

using K = EElementKind;

constexpr RElementType kTypes[] = {
    {"form", K::Form, false, false, false},
    {"button", K::Element, false, true, false},
    {"sp_button", K::Element, false, true, false},
    {"panel", K::Element, true, true, false},
    {"parent_panel", K::Element, true, false, false},
    {"html", K::Element, false, false, false},
    {"split", K::Element, false, true, false},
    {"label", K::Element, false, true, false},
    {"track_bar", K::Element, false, true, false},
    {"tree", K::Element, false, true, false},
    {"tree_ex", K::Element, false, false, false},
    {"flash", K::Element, true, false, false},
    {"media", K::Element, false, false, false},
    {"list_box", K::Element, false, true, true},
    {"scroll_box", K::Element, true, true, false},
    {"image", K::Element, false, false, true},
    {"pop_menu", K::PopMenu, false, false, false},
    {"gif", K::Element, false, false, false},
    {"edit_box", K::Element, false, false, false},
    {"check_box", K::Element, false, false, false},
    {"r_button", K::Element, false, false, false},
    {"progress_bar", K::Element, false, false, false},
    {"combo_box", K::Element, false, false, false},
    {"list_img", K::Element, false, false, false},
    {"pic", K::Element, false, false, false},
    {"grid", K::Element, false, false, false},
    {"html_grid", K::Element, false, false, false},
    {"spin_edit", K::Element, false, false, false},
    {"diagram", K::Element, false, false, false},
    {"hot_key", K::HotKey, false, false, false},
    {"none", K::None, false, false, false},
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

}  // namespace remont
