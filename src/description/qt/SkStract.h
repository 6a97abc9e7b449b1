// TSkStract: the description engine. It reads one description file, makes one
// element per section in the order of the build plan on one window, keeps the
// elements in lists by type, finds them again by name, reports description
// errors, and runs the command strings its elements raise. Several engines may
// build into the same window; each owns one page of the window's notebook and
// ShowPage routes the window's hot keys, help button and size hook to it.
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

class QMenu;
class QProgressBar;
class QWidget;

namespace remont {

class TSkForm;
class TSkHtml;
class TSkTree;
class TSkSkin;
class TSkCommand;

// An element-name error (not an identifier, or a name taken under the same
// owner): it stops the building and reaches the caller of LoadStruct.
class BuildError : public std::runtime_error {
 public:
  explicit BuildError(const std::string& text) : std::runtime_error(text) {}
};

class TSkStract : public QObject {
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
  QObject* GetComponent(const std::string& name, const std::string& type);
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
  void ShowError(const std::string& text);
  bool message_switch = true;

  // Commands (dispatcher).
  void DispatchAction(const RHelpAction& request);
  void ExecuteCommand(const std::string& text);
  // DispatchAction for a request that comes from an event (a click, a key, a
  // link): errors end the dispatch and go to the default error box.
  void DispatchFromEvent(const RHelpAction& request);
  void ElementClick(QObject* sender);
  void ElementKeyDown(QObject* sender, int key, Qt::KeyboardModifiers shift);
  HelpHandler OnHelpAction;

  // Window notifications.
  void FormResized();
  void FormResizing();
  void MaximizeChanged(bool maximised);
  void SwapMaxButtons(bool maximised);
  void CloseSplash();
  // The form key splash: picture "*" step "*" left "*" top "*" width "*" height.
  void ShowSplash(const std::string& spec);
  void StepSplash();
  QWidget* SplashWindow() const { return splash_window_; }
  QProgressBar* SplashBar() const { return splash_bar_; }

  TSkForm* Window() const { return window_; }
  int PageIndex() const { return page_index_; }
  bool HasPage() const { return page_index_ >= 0; }
  QWidget* Page() const;
  const std::string& DescriptionFile() const { return file_; }
  const std::string& HelpTopic() const { return help_topic_; }
  const std::string& RegistryPath() const { return reg_dat_; }
  bool SavePosition() const { return save_position_; }
  // The element's action text (key action).
  static std::string ElementAction(const QObject* element);
  static void SetElementAction(QObject* element, const std::string& action);
  static std::string ElementType(const QObject* element);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using Handler = void (TSkStract::*)(const TSkCommand&, int, const std::string&, const std::string&,
                                      const RHelpAction&);
  struct CommandEntry {
    const char* name;
    Handler run;
  };
  static const std::vector<CommandEntry>& CommandTable();

  void ApplyFormKey(const std::string& key, const std::string& value);
  void ApplyCommonKeys(QWidget* w, const std::vector<std::string>& keys, const std::string& section);
  void ApplyElementKey(QObject* element, const std::string& type, const std::string& key,
                       const std::string& value);
  void Register(QObject* element, const std::string& type);
  void ApplyElementSkin(QWidget* w, const std::string& spec, bool with_file);
  void NameElement(QObject* element, QObject* owner, const std::string& section);
  void BuildMenu(QMenu* menu, const std::string& section);
  void ConnectEvents(QObject* element, const std::string& type);
  QObject* Find(const std::string& name, const std::string& type);
  bool AllElementsHave(const std::string& name) const;

  // Command handlers.
  void CmdFormClose(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdFormMini(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdFormMaxi(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdFormShow(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdRun(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdHelpId(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdHelp(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdTest(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdClickBut(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdClickSpBut(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdSpeedButtonDown(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdShowOrHide(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdVisible(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdEnabled(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdMenuShow(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdHtml(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);
  void CmdTree(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&);

  TSkForm* window_;
  std::string file_;
  std::unique_ptr<TProfileReader> reader_;
  std::unique_ptr<TSkSkin> skin_;
  int page_index_ = -1;
  bool save_position_ = false;
  bool splash_auto_close_ = true;
  std::string help_topic_;
  std::string reg_dat_;
  std::vector<QPointer<QObject>> all_;
  std::map<std::string, std::vector<QPointer<QObject>>> lists_;
  int dispatch_depth_ = 0;
  QWidget* splash_window_ = nullptr;
  QProgressBar* splash_bar_ = nullptr;
  int splash_step_ = 1;
};

}  // namespace remont
