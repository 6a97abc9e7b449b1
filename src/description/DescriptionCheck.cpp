#include "description/DescriptionCheck.h"

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "archive/Pack.h"
#include "archive/PackWriter.h"
#include "common/Command.h"
#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Helpers.h"
#include "description/BuildPlan.h"
#include "description/ProfileReader.h"
#include "elements/ControlRules.h"
#include "elements/ElementTypes.h"
#include "elements/HotKey.h"
#include "elements/TreeFile.h"
#include "pages/PageRules.h"

namespace remont {

std::vector<std::string> TPackFiles::ArchiveNames() const {
  std::vector<std::string> names;
  for (const TData& entry : PackDirectory()) names.push_back(entry.name);
  return names;
}

bool TPackFiles::FileExists(const std::string& name) const { return PackFileExists(name); }

std::string TPackFiles::ReadFile(const std::string& name) const {
  std::string bytes;
  LoadPackFile(bytes, name);
  return bytes;
}

bool TPackFiles::ProgramFileExists(const std::string& name) const {
  return FindLooseFile(GetProgramPath(name)).has_value();
}

namespace {

constexpr char kNotInArchive[] = " is neither in the archive nor in its folder";
constexpr char kNotInFolder[] = " is not in the program folder";
constexpr char kIndexFile[] = "file.ind";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// "a label", "an image".
std::string WithArticle(std::string_view type) {
  const bool vowel = !type.empty() && std::string_view("aeiou").find(type[0]) != std::string_view::npos;
  return (vowel ? "an " : "a ") + std::string(type);
}

// What a section is, by its lower-cased type: "a label", "of unknown type ...".
std::string Described(const std::string& type) {
  if (type.empty()) return "a section without a type";
  if (FindElementType(type) == nullptr) return "of unknown type " + Quoted(type);
  return WithArticle(type);
}

bool MakesElement(const RElementType* type) {
  return type != nullptr && (type->Kind == EElementKind::Element || type->Kind == EElementKind::PopMenu);
}

// Descriptions are told apart as the archive tells names apart.
std::string FileKey(const std::string& name) {
  std::string key = LowerCase(name);
  for (char& c : key)
    if (c == '\\') c = '/';
  return key;
}

bool IsDescriptionName(const std::string& name) {
  return name.find('\\') == std::string::npos && GlobMatch("struct_*.txt", name);
}

// A conversion the viewer makes while building: false when it raises the
// conversion error that stops the build.
template <class F>
bool Converts(F&& convert) {
  try {
    convert();
    return true;
  } catch (const ConvertError&) {
    return false;
  }
}

// The texts of a ";"-separated list, empty entries left out.
std::vector<std::string> ListEntries(const std::string& list) {
  std::vector<std::string> entries;
  std::string rest = list;
  while (!rest.empty()) {
    std::string entry = CutToken(rest, ";");
    if (!entry.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

class TManualCheck;

// One description file.
class TDescriptionCheck {
 public:
  TDescriptionCheck(TManualCheck& manual, const std::string& file, const std::string& bytes);
  void Run();

 private:
  std::string TypeOf(const std::string& section) const { return LowerCase(reader_.ReadString(section, "type")); }

  void Problem(const std::string& text);
  void KeyProblem(const std::string& text);

  void CheckSection(const std::string& name);
  void ReportUnplaced(const RUnplaced& unplaced);
  void ReportUnknownType();
  void CheckMenuParams();
  void CheckKey(const RElementType& type, const RProfileKey& key);
  void CheckValue(const RElementType& type, const RElementKey& row);
  void CheckFont(const std::string& value);
  void CheckName(const RElementKey& row, const std::string& name);
  void CheckArchiveFile(const RElementKey& row, const std::string& value);
  void CheckTreePages(const std::string& file, TreeFileForm form);
  void CheckProgramFile(const char* what, const std::string& name);
  void CheckShortcut(const std::string& shortcut);
  void ScanCommands(const std::string& text);

  TManualCheck& manual_;
  std::string file_;
  TProfileReader reader_;
  RBuildPlan plan_;
  std::unordered_map<std::string, std::string> sections_;  // Latin-folded name -> name as listed
  std::unordered_map<std::string, size_t> made_at_;        // Latin-folded name -> build step
  std::unordered_map<std::string, const RUnplaced*> unplaced_;
  std::unordered_set<std::string> unknown_types_;

  // What is being checked now.
  std::string section_;
  size_t step_ = 0;
  const RProfileKey* key_ = nullptr;
  size_t key_first_line_ = 0;  // the key's first report line, so that no problem is said twice
};

class TManualCheck {
 public:
  TManualCheck(const TManualFiles& files, const RCheckOptions& options) : files_(files), options_(options) {}

  std::vector<std::string> Run() {
    for (const std::string& name : files_.ArchiveNames())
      if (IsDescriptionName(name)) Enqueue(name);
    // The queue grows while it is walked: form_show names more descriptions.
    for (size_t i = 0; i < queue_.size(); ++i) CheckDescription(std::string(queue_[i]));
    CheckIndex();
    return std::move(lines_);
  }

  void Enqueue(const std::string& name) {
    if (queued_.insert(FileKey(name)).second) queue_.push_back(name);
  }
  const TManualFiles& Files() const { return files_; }
  const RCheckOptions& Options() const { return options_; }
  std::vector<std::string>& Lines() { return lines_; }

 private:
  void CheckDescription(const std::string& name) {
    if (!files_.FileExists(name)) {
      lines_.push_back(name + ": cannot be read, so the viewer builds nothing from it");
      return;
    }
    const std::string bytes = files_.ReadFile(name);
    TDescriptionCheck(*this, name, bytes).Run();
  }

  // file.ind: "page#:#title" lines, cut at the first "#:#" as the search cuts them.
  void CheckIndex() {
    if (!files_.FileExists(kIndexFile)) return;
    const std::vector<std::string> lines = SplitLines(files_.ReadFile(kIndexFile));
    for (size_t i = 0; i < lines.size(); ++i) {
      std::string line = lines[i];
      const std::string page = CutToken(line, "#:#");
      if (page.empty() || files_.FileExists(page)) continue;
      lines_.push_back(std::string(kIndexFile) + ": line " + std::to_string(i + 1) + ": page " + Quoted(page) +
                       kNotInArchive);
    }
  }

  const TManualFiles& files_;
  const RCheckOptions& options_;
  std::vector<std::string> queue_;
  std::unordered_set<std::string> queued_;
  std::vector<std::string> lines_;
};

TDescriptionCheck::TDescriptionCheck(TManualCheck& manual, const std::string& file, const std::string& bytes)
    : manual_(manual), file_(file), reader_(bytes), plan_(MakeBuildPlan(reader_)) {
  for (const std::string& name : reader_.ReadSectionNames()) sections_.emplace(LowerLatinCase(name), name);
  for (size_t i = 0; i < plan_.Steps.size(); ++i) made_at_.emplace(LowerLatinCase(plan_.Steps[i].Section), i);
  for (const RUnplaced& u : plan_.Unplaced) unplaced_.emplace(LowerLatinCase(u.Section), &u);
  for (const RUnknownType& u : plan_.UnknownTypes) unknown_types_.insert(LowerLatinCase(u.Section));
}

void TDescriptionCheck::Run() {
  if (plan_.NoSections) {
    manual_.Lines().push_back(file_ + ": no sections, so the viewer builds nothing from it");
    return;
  }
  for (const std::string& name : reader_.ReadSectionNames()) CheckSection(name);
}

void TDescriptionCheck::Problem(const std::string& text) {
  manual_.Lines().push_back(file_ + ": " + section_ + ": " + text);
}

void TDescriptionCheck::KeyProblem(const std::string& text) {
  std::string line = file_ + ": " + section_ + ": key " + Quoted(key_->Name) + " (line " +
                     std::to_string(key_->Line) + "): " + text;
  std::vector<std::string>& lines = manual_.Lines();
  for (size_t i = key_first_line_; i < lines.size(); ++i)
    if (lines[i] == line) return;
  lines.push_back(std::move(line));
}

void TDescriptionCheck::CheckSection(const std::string& name) {
  section_ = name;
  const std::string folded = LowerLatinCase(name);
  if (const auto u = unplaced_.find(folded); u != unplaced_.end()) {
    ReportUnplaced(*u->second);
    return;
  }
  if (unknown_types_.count(folded) != 0) {
    ReportUnknownType();
    return;
  }
  const RElementType* type = FindElementType(TypeOf(name));
  step_ = made_at_.at(folded);
  if (MakesElement(type) && !IsIdentifier(name))
    Problem("the name is not an identifier (Latin letters, digits and \"_\", not starting with a digit), "
            "so the viewer stops building here");
  if (type->Kind == EElementKind::PopMenu) CheckMenuParams();
  for (const RProfileKey& key : reader_.FindSection(name)->Keys) {
    if (reader_.FindKey(name, key.Name) != &key) continue;  // a repeat: the first one counts
    key_ = &key;
    key_first_line_ = manual_.Lines().size();
    CheckKey(*type, key);
  }
  key_ = nullptr;
}

void TDescriptionCheck::ReportUnplaced(const RUnplaced& u) {
  if (u.Reason == EUnplacedReason::NoPage) {
    Problem("never placed: the description has no form section");
    return;
  }
  std::string why;
  switch (u.Reason) {
    case EUnplacedReason::MasterMissing: why = "names no section"; break;
    case EUnplacedReason::MasterNotContainer: why = "is " + Described(TypeOf(u.Master)) + ", which holds no elements"; break;
    case EUnplacedReason::MasterNeverPlaced: why = "is never placed itself"; break;
    case EUnplacedReason::NoPage: break;
  }
  key_ = reader_.FindKey(section_, "master");
  key_first_line_ = manual_.Lines().size();
  KeyProblem("never placed: master " + Quoted(u.Master) + " " + why);
  key_ = nullptr;
}

void TDescriptionCheck::ReportUnknownType() {
  key_ = reader_.FindKey(section_, "type");
  if (key_ == nullptr) {
    Problem("no type, so nothing is made from it");
    return;
  }
  key_first_line_ = manual_.Lines().size();
  KeyProblem(Quoted(key_->Value) + " is not a known type, so nothing is made from it");
  key_ = nullptr;
}

// The menu builder's own test: without glob_action it needs both caption and action.
void TDescriptionCheck::CheckMenuParams() {
  const std::vector<std::string> keys = reader_.ReadSectionKeys(section_);
  if (keys.empty()) return;
  auto has = [&](std::string_view name) {
    for (const std::string& key : keys)
      if (SameText(key, name)) return true;
    return false;
  };
  if (!has("glob_action") && (!has("caption") || !has("action")))
    Problem("a menu needs caption and action, or glob_action: the viewer says so and leaves it empty");
}

void TDescriptionCheck::CheckKey(const RElementType& type, const RProfileKey& key) {
  switch (type.Kind) {
    case EElementKind::None:
      return;  // nothing is made, nothing reads the keys
    case EElementKind::HotKey: {
      if (SameText(key.Name, "type")) return;
      // Every other key, master included, is "shortcut*command".
      std::string command = key.Value;
      CheckShortcut(CutToken(command, "*"));
      ScanCommands(command);
      return;
    }
    case EElementKind::Form:
    case EElementKind::Element:
    case EElementKind::PopMenu:
      break;
  }
  if (IsReservedKey(key.Name)) return;
  // Menus are built from their own keys; the window and the elements get the shared ones first.
  const bool applied = type.Kind != EElementKind::PopMenu;
  const RElementKey* shared = applied ? FindKey(SharedKeys(), key.Name) : nullptr;
  const RElementKey* own = FindKey(type.Keys, key.Name);
  if (shared == nullptr && own == nullptr) {
    if (manual_.Options().Keys) KeyProblem("not a key of " + WithArticle(type.Name));
    return;
  }
  if (shared != nullptr) CheckValue(type, *shared);
  if (own != nullptr) CheckValue(type, *own);
}

void TDescriptionCheck::CheckValue(const RElementType& type, const RElementKey& row) {
  const std::string& value = key_->Value;
  switch (row.Syntax) {
    case ESyntax::Number:
      if (!Converts([&] { StrToInt(value); })) KeyProblem(Quoted(value) + " is not a number");
      break;
    case ESyntax::Size:
      if (type.PercentSizes) {
        int pixels = 0, percent = 0;
        if (!Converts([&] { SetSizeText(value, pixels, percent); }))
          KeyProblem(Quoted(value) + " is neither a number nor a percentage");
      } else if (!Converts([&] { StrToInt(value); })) {
        KeyProblem(Quoted(value) + " is not a number");
      }
      break;
    case ESyntax::Colour:
      if (!Converts([&] { ParseColor(value); })) KeyProblem(Quoted(value) + " is not a colour");
      break;
    case ESyntax::Font:
      CheckFont(value);
      break;
    case ESyntax::Anchor: {
      TAnchorInput anchor;
      anchor.spec = value;
      if (!Converts([&] { ApplyAnchor(anchor); }))
        KeyProblem(Quoted(value) + " is not an anchor: four fields one space apart, each \"*\" or a number");
      break;
    }
    case ESyntax::Element:
      if (!value.empty()) CheckName(row, value);
      break;
    case ESyntax::Elements:
      for (const std::string& name : ListEntries(value)) CheckName(row, name);
      break;
    case ESyntax::ButMax: {
      std::string second = value;
      const std::string first = CutToken(second, "*");
      if (!first.empty()) CheckName(row, first);
      if (!second.empty()) CheckName(row, second);
      break;
    }
    case ESyntax::ArchiveFile:
      CheckArchiveFile(row, value);
      break;
    case ESyntax::PicturePair: {
      std::string second = value;
      const std::string first = CutToken(second, "*");
      CheckArchiveFile(row, first);
      CheckArchiveFile(row, second);
      break;
    }
    case ESyntax::ProgramFile:
      if (!value.empty()) CheckProgramFile("file", value);
      break;
    case ESyntax::Skin:
      break;  // the theme object alone is read
    case ESyntax::SkinFile: {
      std::string file = value;
      CutToken(file, "*");
      if (!file.empty()) CheckProgramFile("skin file", file);
      break;
    }
    case ESyntax::FormSkin: {
      std::string rest = value;
      const std::string file = CutToken(rest, "*");
      if (!file.empty()) CheckProgramFile("skin file", file);
      break;
    }
    case ESyntax::Splash: {
      // The picture must load; the step and bar fields end their reading silently.
      std::string rest = value;
      CheckProgramFile("splash picture", CutToken(rest, "*"));
      break;
    }
    case ESyntax::Command:
      ScanCommands(value);
      break;
    case ESyntax::Commands:
      for (const std::string& command : ListEntries(value)) ScanCommands(command);
      break;
    case ESyntax::Shortcuts:
      for (const std::string& shortcut : ListEntries(value)) CheckShortcut(shortcut);
      break;
    case ESyntax::List:
      break;
    case ESyntax::Boolean:
    case ESyntax::Align:
    case ESyntax::Cursor:
    case ESyntax::TextAlign:
    case ESyntax::Text:
      break;  // anything else gives the key's default
  }
}

void TDescriptionCheck::CheckFont(const std::string& value) {
  if (Converts([&] { ParseFont(value); })) return;
  // Say which field: name "*" size "*" colour "*" style.
  std::string rest = value;
  CutToken(rest, "*");
  const std::string size = CutToken(rest, "*");
  const std::string colour = CutToken(rest, "*");
  if (!size.empty() && !Converts([&] { StrToInt(size); }))
    KeyProblem("font " + Quoted(value) + ": size " + Quoted(size) + " is not a number");
  else
    KeyProblem("font " + Quoted(value) + ": colour " + Quoted(colour) + " is not a colour");
}

void TDescriptionCheck::CheckName(const RElementKey& row, const std::string& name) {
  const std::string folded = LowerLatinCase(name);
  const auto found = sections_.find(folded);
  if (found == sections_.end()) {
    KeyProblem("no section is named " + Quoted(name));
    return;
  }
  const std::string type = TypeOf(found->second);
  if (!row.Target.empty() && type != row.Target) {
    KeyProblem(Quoted(name) + " is " + Described(type) + ", not " + WithArticle(row.Target));
    return;
  }
  if (!MakesElement(FindElementType(type))) {
    KeyProblem(Quoted(name) + " is " + Described(type) + ", which makes no element");
    return;
  }
  if (unplaced_.count(folded) != 0) {
    KeyProblem(Quoted(name) + " is never made: it is never placed");
    return;
  }
  // Keys looked up when used find elements made later; the others only earlier ones.
  if (!row.RunTime && made_at_.at(folded) > step_)
    KeyProblem(Quoted(name) + " is made after this section, so the key finds nothing");
}

void TDescriptionCheck::CheckArchiveFile(const RElementKey& row, const std::string& value) {
  std::string file = value;
  if (row.File == EFileKind::Page) {
    std::string anchor;
    SplitAnchor(value, file, anchor);
  }
  if (file.empty()) return;
  if (!manual_.Files().FileExists(file)) {
    KeyProblem("file " + Quoted(file) + kNotInArchive);
    return;
  }
  if (row.File == EFileKind::TreeFile) CheckTreePages(file, TreeFileForm::Contents);
  if (row.File == EFileKind::TreeExFile) CheckTreePages(file, TreeFileForm::Checkable);
}

void TDescriptionCheck::CheckTreePages(const std::string& file, TreeFileForm form) {
  for (const TreeNode& node : ParseTreeFile(manual_.Files().ReadFile(file), form)) {
    std::string page, anchor;
    SplitAnchor(node.page, page, anchor);
    if (page.empty() || manual_.Files().FileExists(page)) continue;
    KeyProblem("tree file " + Quoted(file) + " line " + std::to_string(node.line) + " (" + Quoted(node.caption) +
               "): page " + Quoted(page) + kNotInArchive);
  }
}

void TDescriptionCheck::CheckProgramFile(const char* what, const std::string& name) {
  if (!manual_.Files().ProgramFileExists(name)) KeyProblem(std::string(what) + " " + Quoted(name) + kNotInFolder);
}

void TDescriptionCheck::CheckShortcut(const std::string& shortcut) {
  if (TextToShortCut(shortcut) == 0) KeyProblem("shortcut " + Quoted(shortcut) + " names no key, so it never fires");
}

void TDescriptionCheck::ScanCommands(const std::string& text) {
  const TSkCommand commands(text);
  for (const RCommand& command : commands.Commands()) {
    if (command.Name != "form_show" || command.Params.empty()) continue;
    const std::string& target = command.Params.front();
    std::string probe = LowerCase(target);
    if (CutToken(probe, "(") == "open_file") continue;  // the user chooses it when it runs
    if (manual_.Files().FileExists(target)) manual_.Enqueue(target);
    else KeyProblem("form_show names " + Quoted(target) + ", which" + kNotInArchive);
  }
}

}  // namespace

std::vector<std::string> CheckManual(const TManualFiles& files, const RCheckOptions& options) {
  return TManualCheck(files, options).Run();
}

}  // namespace remont
