// TSkStract: the description engine. It reads one description file, makes one
// element per section in the order of the build plan on one window, keeps the
// elements in lists by type, finds them again by name, reports description
// errors, and runs the command strings its elements raise. Several engines may
// build into the same window; each owns one page of the window's notebook and
// ShowPage routes the window's hot keys, help button and size hook to it.
//
// What each type makes, and what its keys and commands do, is the element
// classes' (elements/qt/ElementClass.h); the engine walks the type table.
// The window's keys are in FormKeys.cpp, the shared position keys in
// SharedKeys.cpp, the dispatcher and the engine's own commands in
// Dispatcher.cpp, the menu builder in MenuBuilder.cpp.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/HelpAction.h"
#include "description/ProfileReader.h"
#include "description/SavedState.h"
#include "elements/qt/ElementClass.h"

class QMenu;
class QProgressBar;
class QWidget;

namespace remont {

class TSkForm;
class TSkHtml;
class TSkTree;
class TSkSkin;
class TSkCommand;
class TSplash;
struct RCommand;

// An element-name error (not an identifier, or a name taken under the same
// owner): it stops the building and reaches the caller of LoadStruct.
class BuildError : public std::runtime_error {
 public:
  explicit BuildError(const std::string& text) : std::runtime_error(text) {}
};

class TSkStract : public QObject, public TElementHost {
  Q_OBJECT

 public:
  using HelpHandler = std::function<void(const RHelpAction&)>;

  TSkStract(TSkForm* window, const std::string& description_file);
  ~TSkStract() override;

  // Builds the window content. Throws BuildError or ConvertError, which stop it.
  void LoadStruct();
  void ShowPage();

  // Makes one element; returns it only for the types that hold elements.
  QWidget* MakeObject(QWidget* parent, const std::string& section, const std::string& type);
  // Applies a section's keys to an element (or to the window for "form").
  void SetProperty(QObject* element, const std::string& section, const std::string& type);

  // Lookups, names compared without regard to the case of Latin letters.
  QObject* GetControl(const std::string& name);
  // The same lookup without a report: nothing found gives nullptr silently.
  QObject* FindElement(const std::string& name) const;
  // One type's list ("" searches every element, reporting as GetControl).
  QObject* GetComponent(const std::string& name, std::string_view type) override;
  TSkHtml* GetHtml(const std::string& name);
  TSkTree* GetTree(const std::string& name);
  QMenu* GetPopMenu(const std::string& name);
  QWidget* GetButton(const std::string& name);
  QWidget* GetSpeedButton(const std::string& name);
  QWidget* GetPanel(const std::string& name);
  QWidget* GetParentPanel(const std::string& name);
  QWidget* GetLabel(const std::string& name);
  QWidget* GetEditBox(const std::string& name);
  QWidget* GetListBox(const std::string& name);
  QWidget* GetComboBox(const std::string& name);
  QWidget* GetRadioButton(const std::string& name);
  QWidget* GetProgressBar(const std::string& name);
  QWidget* GetSplitter(const std::string& name);
  QWidget* GetTrackBar(const std::string& name);
  QWidget* GetScrollBox(const std::string& name);
  QWidget* GetImage(const std::string& name);
  QWidget* GetTreeEx(const std::string& name);
  QWidget* GetFlash(const std::string& name);
  QWidget* GetMedia(const std::string& name);
  QWidget* GetGrid(const std::string& name);
  QWidget* GetComboBoxByKey(const std::string& name);
  QWidget* GetSpeedButtonByKey(const std::string& name, const std::string& text);
  // The elements of one type, in creation order (destroyed ones left out).
  std::vector<QObject*> Elements(const std::string& type) const;
  std::vector<QObject*> AllElements() const;

  // The engine's error report: file name, line break, text; only while the
  // message switch is on.
  void ShowError(const std::string& text) override;
  bool message_switch = true;

  // Commands (dispatcher).
  void DispatchAction(const RHelpAction& request);
  void ExecuteCommand(const std::string& text);
  // DispatchAction for a request that comes from an event (a click, a key, a
  // link): errors end the dispatch and go to the default error box.
  void DispatchFromEvent(const RHelpAction& request) override;
  void ElementClick(QObject* sender) override;
  void ElementKeyDown(QObject* sender, int key, Qt::KeyboardModifiers shift);
  HelpHandler OnHelpAction;

  // What the element classes reach through TElementHost.
  QObject* FindComponent(const std::string& name, std::string_view type) const override;
  TSkForm* Window() const override { return window_; }
  TSkSkin& Skin() override { return *skin_; }

  // Window notifications.
  void FormResized();
  void FormResizing();
  void MaximizeChanged(bool maximised);
  void SwapMaxButtons(bool maximised);
  void CloseSplash();
  // The form key splash: picture "*" step "*" left "*" top "*" width "*" height.
  void ShowSplash(const std::string& spec);
  void StepSplash();
  QWidget* SplashWindow() const;
  QProgressBar* SplashBar() const;

  int PageIndex() const { return page_index_; }
  bool HasPage() const { return page_index_ >= 0; }
  QWidget* Page() const;
  const std::string& DescriptionFile() const { return file_; }
  const std::string& HelpTopic() const { return help_topic_; }
  const std::string& RegistryPath() const { return reg_dat_; }
  bool SavePosition() const { return save_position_; }
  // Every image element, in list order, puts its fitting aside (before the
  // window is maximised or closed) or takes it back (after maximising).
  void SaveImageFits();
  void RestoreImageFits();
  // The type an element was made as ("" for anything else).
  static std::string ElementType(const QObject* element);
  // Menus, favourites, history and saved state.
  // Refills a history menu from its html element's or tree's history; false
  // (and the menu untouched) when the menu is not a history menu.
  bool FillHistoryMenu(QMenu* menu);
  void AddFavorite(const std::string& entry);
  void DeleteFavorite(const std::string& text);
  void ReadFavorite();
  void WriteFavorites(bool free);
  void WriteReg(const std::string& name, const std::string& text);
  std::string ReadReg(const std::string& name);
  void SavePos();
  void LoadPos();
  // The favourites, newest first (none until the first one is added).
  const TFavoriteList* Favorites() const { return favorites_.get(); }
  // The names of the menus that show the favourites, each followed by ";".
  const std::string& FavoriteMenus() const { return favorite_menus_; }

  // The keys of the window's section and the engine's own commands, as the
  // engine's tables hold them.
  static std::vector<std::string_view> FormKeyNames();
  static std::vector<std::string_view> EngineCommandNames();

 private:
  // An engine command: false ends the dispatch (the program is closing).
  using EngineCommand = bool (TSkStract::*)(const RCommandCall& call);
  struct REngineCommand {
    std::string_view Name;
    EngineCommand Run;
  };
  // The engine's own commands (window, program, help, visibility).
  static const std::vector<REngineCommand>& EngineCommands();
  struct RFormKey {
    std::string_view Name;
    std::function<void(TSkStract& engine, const TKeyValue& value)> Set;
  };
  static const std::vector<RFormKey>& FormKeys();

  void ApplyKeys(QObject* element, const RElementType& type, const std::string& section);
  void Register(QObject* element, const std::string& type);
  void NameElement(QObject* element, QObject* owner, const std::string& section);
  void BuildMenu(QMenu* menu, const std::string& section);
  void BuildHotKeys(const std::string& section);
  QObject* Find(const std::string& name, const std::string& type) const;

  bool CmdFormClose(const RCommandCall& call);
  bool CmdFormMini(const RCommandCall& call);
  bool CmdFormMaxi(const RCommandCall& call);
  bool CmdFormShow(const RCommandCall& call);
  bool CmdRun(const RCommandCall& call);
  bool CmdHelpId(const RCommandCall& call);
  bool CmdHelp(const RCommandCall& call);
  bool CmdTest(const RCommandCall& call);
  bool CmdVisible(const RCommandCall& call);
  bool CmdEnabled(const RCommandCall& call);
  bool CmdMenuShow(const RCommandCall& call);
  bool CmdMenuDelFavore(const RCommandCall& call);
  bool CmdTreeAddFavorite(const RCommandCall& call);
  bool CmdTreeDelFavorite(const RCommandCall& call);
  // Favourites the user changed are written at once (when there is a path to write to).
  void FavoritesChanged();

  TSkForm* window_;
  std::string file_;
  std::unique_ptr<TProfileReader> reader_;
  std::unique_ptr<TSkSkin> skin_;
  std::unique_ptr<TSplash> splash_;
  int page_index_ = -1;
  bool save_position_ = false;
  bool splash_auto_close_ = true;
  std::string help_topic_;
  std::string reg_dat_;
  std::vector<QPointer<QObject>> all_;
  std::map<std::string, std::vector<QPointer<QObject>>> lists_;
  int dispatch_depth_ = 0;
  std::string favorite_menus_;
  std::unique_ptr<TFavoriteList> favorites_;
  bool reading_favorites_ = false;
  // Until the stored favourites are read, nothing is written over them.
  bool favorites_read_ = false;
  bool changed_before_read_ = false;
};

}  // namespace remont
