// The table of description element types: one entry per `type` value that a
// description section may carry. The build plan, the engine's MakeObject and
// the description checks all read this one table.
//
// API:
//   ElementTypes()            -> every entry, in table order
//   FindElementType(name)     -> the entry for a `type` value (lower-cased
//                                with the Windows-1251 table first), or nullptr
//                                for a type that is not in the table (the
//                                empty type included)
//   IsContainerType(name)     -> true for panel, parent_panel, flash and
//                                scroll_box: the only elements that hold others
#pragma once

#include <span>
#include <string_view>

namespace remont {

enum class EElementKind {
  Form,     // the section's keys go to the window
  Element,  // a control placed on its parent
  PopMenu,  // a pop-up menu owned by the window
  HotKey,   // the section's keys become hot keys of the window
  None,     // nothing is made
};

struct RElementType {
  std::string_view Name;    // lower-case `type` value
  EElementKind Kind;
  bool HoldsElements;       // MakeObject returns the element
  bool ThemeDefault;        // the theme object name "default" is set
  bool NamedBeforePlaced;   // list_box and image
};

std::span<const RElementType> ElementTypes();
const RElementType* FindElementType(std::string_view name);
bool IsContainerType(std::string_view name);

}  // namespace remont
