// The table of description element types: one entry per `type` value that a
// description section may carry, with the keys that type reads and the syntax
// of each key's value. The build plan, the engine (which attaches a setter to
// every key on the Qt side) and `remont-tool check` all read this one table.
//
// Keys of a section are applied in two steps: the shared keys (SharedKeys(),
// every type and the window too) from the last written to the first, then the
// type's own keys in the order written. A key that neither list holds is
// ignored for that type. `type` and `master` are read by the build itself, and
// the form's `color` by the build too (it is listed with the form's keys).
//
// API:
//   ElementTypes()            -> every entry, in table order
//   FindElementType(name)     -> the entry for a `type` value (lower-cased
//                                with the Windows-1251 table first), or nullptr
//                                for a type that is not in the table (the
//                                empty type included)
//   IsContainerType(name)     -> true for panel, parent_panel, flash and
//                                scroll_box: the only elements that hold others
//   SharedKeys()              -> the position keys every section shares
//   FindKey(keys, name)       -> the row of a key (name compared lower-cased)
#pragma once

#include <span>
#include <string_view>

namespace remont {

enum class EElementKind {
  Form,     // the section's keys go to the window
  Element,  // a control placed on its parent
  PopMenu,  // a pop-up menu owned by the window, built from its own keys
  HotKey,   // the section's keys become hot keys of the window
  None,     // nothing is made
};

// How a key's value is read.
enum class ESyntax {
  Number,       // decimal integer; anything else is the conversion error
  Boolean,      // "true"/"1" on, "false"/"0" off, anything else the key's default
  Colour,       // "#RRGGBB", or "BBGGRR" with or without "$"
  Font,         // name "*" size "*" colour "*" style letters
  Anchor,       // four fields, each a number or "*", separated by single spaces
  Size,         // a number of pixels (a parent panel also takes "N%")
  Align,        // top, bottom, left, right, client, custom, none
  Cursor,       // a cursor name (crHandPoint, ...) or number
  TextAlign,    // left, right, center
  Element,      // the name of an element made before this one (Target: its type)
  Elements,     // element names separated by ";", looked up when used
  ButMax,       // speed-button name "*" speed-button name, looked up when used
  ArchiveFile,  // a file of the archive, or a loose file beside it
  ProgramFile,  // a plain file, relative to the program folder
  Command,      // a command string
  Text,         // any text
  List,         // texts separated by ";" (menu captions)
  Commands,     // command strings separated by ";" (menu actions)
  Shortcuts,    // shortcut texts separated by ";" (menu keys; each also a hot key)
  Skin,         // theme object; anything after "*" is not read
  SkinFile,     // theme object, then optionally "*" and a skin file (a program file)
  FormSkin,     // skin file (a program file), then optionally "*" and a theme object
  Splash,       // picture (a program file) "*" step "*" left "*" top "*" width "*" height
  PicturePair,  // picture "*" picture
};

// What a file key names, for those whose content check looks into.
enum class EFileKind { Other, Page, TreeFile, TreeExFile };

struct RElementKey {
  std::string_view Name;          // lower case
  ESyntax Syntax;
  bool Default = false;           // Boolean: the value for anything not recognised
  std::string_view Target = {};   // Element, Elements, ButMax: the type looked up ("" any)
  bool RunTime = false;           // an element looked up when used, not while building
  EFileKind File = EFileKind::Other;
};

struct RElementType {
  std::string_view Name;    // lower-case `type` value
  EElementKind Kind;
  bool HoldsElements;       // MakeObject returns the element
  bool ThemeDefault;        // the theme object name "default" is set
  bool NamedBeforePlaced;   // list_box and image
  std::span<const RElementKey> Keys;  // the type's own keys (hot_key: none, its keys are free)
  bool PercentSizes = false;          // width and height also take a percentage
};

std::span<const RElementType> ElementTypes();
const RElementType* FindElementType(std::string_view name);
bool IsContainerType(std::string_view name);

// top, left, width, height, enabled, cursor, visible, align.
std::span<const RElementKey> SharedKeys();
const RElementKey* FindKey(std::span<const RElementKey> keys, std::string_view name);
// `type` and `master`: read by the build of every section.
bool IsReservedKey(std::string_view name);

}  // namespace remont
