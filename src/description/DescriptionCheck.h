// The author's check of a manual: what the viewer would stumble on while
// building its windows, found without building anything. It reads the
// descriptions with the profile reader, orders them with the build plan, and
// judges every key by the element type table and the value rules the engine
// itself uses (StrToInt, ParseColor, ParseFont, ApplyAnchor, TextToShortCut),
// so a value it passes is one the viewer takes.
//
// Descriptions checked, each once, in this order: every archive entry named
// struct_*.txt (no folder) in directory order, then every description that a
// form_show command of a checked description names (its first parameter), in
// the order they are found. Commands are looked for in every key of command
// syntax (form action and but_help, element actions, a menu's glob_action),
// in the entries of a menu's action and last_action lists, and in hot keys
// after their first "*".
//
// Per description, sections in file order, keys in file order:
//   - a description without sections;
//   - a type that is not in the table (the empty type included);
//   - a section that is never placed, with the reason: its master names no
//     section, holds no elements, is never placed itself, or there is no
//     form section;
//   - an element or menu whose name is not an identifier (the build stops there);
//   - a menu that needs caption and action, or glob_action (it stays empty);
//   - element-name keys: a name that is no section, a section of another type
//     than the key wants, one that makes no element or is never made, or one
//     made after the section whose key names it (keys looked up only when used
//     are never "made after");
//   - values that the engine cannot read as a number, size, colour, font or
//     anchor (the conversion error that stops the build);
//   - shortcut texts of hot keys and menu items that name no key;
//   - files: archive files (load keys, picture pairs, form_show targets) that
//     neither the archive nor its folder holds; program files (ico, flash and
//     media load, skin files, the splash picture) missing from the program
//     folder; the pages of the tree files that tree and tree_ex keys load;
//   - with Keys on: keys that the section's type does not read (hot-key
//     sections, whose key names are free, and "none" sections are exempt).
// Then every page of file.ind that does not exist.
//
// Shared position keys are judged on the window and the elements, the
// sections that the engine applies keys to; menus, hot keys and "none"
// sections do not read them. Sections that are never made (never placed, or
// of an unknown type) get only the line that says so.
//
// Report lines: "<file>: <section>: <problem>", the problem beginning with
// `key "<name>" (line <n>): ` when a key is at fault; "<file>: no sections..."
// for an empty description; "file.ind: line <n>: page ..." for the index.
// Names and values are the content's Windows-1251 bytes, unescaped.
#pragma once

#include <string>
#include <vector>

namespace remont {

// The files of a manual as the viewer finds them.
class TManualFiles {
 public:
  virtual ~TManualFiles() = default;
  // The archive's entry names, in directory order.
  virtual std::vector<std::string> ArchiveNames() const = 0;
  // A file read through the archive reader: an entry, or a loose file in the
  // archive's folder. Never a message.
  virtual bool FileExists(const std::string& name) const = 0;
  // The bytes of a file for which FileExists is true.
  virtual std::string ReadFile(const std::string& name) const = 0;
  // A plain file read from the program folder.
  virtual bool ProgramFileExists(const std::string& name) const = 0;
};

// The open archive (archive/Pack.h) and the program folder (GetProgramPath).
class TPackFiles final : public TManualFiles {
 public:
  std::vector<std::string> ArchiveNames() const override;
  bool FileExists(const std::string& name) const override;
  std::string ReadFile(const std::string& name) const override;
  bool ProgramFileExists(const std::string& name) const override;
};

struct RCheckOptions {
  bool Keys = false;  // also report keys that the section's type does not read
};

// Every problem found, one report line each, in a stable order.
std::vector<std::string> CheckManual(const TManualFiles& files, const RCheckOptions& options = {});

}  // namespace remont
