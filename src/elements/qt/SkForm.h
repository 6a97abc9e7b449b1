// TSkForm: the base of every window. It carries what the description engine
// needs of a window: the page notebook for the engines' pages, the hot-key
// table whose keys raise command strings, the help button, a command receiver
// and a size hook set by the engine shown last, Esc-close, moving by a press,
// the opening effect, the two but_max lists and the skin registry entries.
#pragma once

#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QPropertyAnimation>
#include <QStackedWidget>
#include <functional>
#include <memory>
#include <string>

#include "common/HelpAction.h"

class QMenu;

namespace remont {

class TSkHotKey;

// Windows virtual-key code of a Qt key (letters, digits, F-keys, navigation
// keys); 0 for a key the code table has no code for.
int QtKeyToVirtualKey(int qt_key);

class TSkForm : public QDialog {
  Q_OBJECT

 public:
  using CommandReceiver = std::function<void(const RHelpAction&)>;
  using SizeHook = std::function<void(int width, int height)>;

  explicit TSkForm(QWidget* owner = nullptr);
  ~TSkForm() override;

  // Window object name, as used for "pos_" + name (frmMain, frmSearch, ...).
  std::string WindowName() const;

  // Fields set by the description's form keys and the engine.
  std::string effect_name;
  bool esc_close = false;
  bool moving = false;
  std::string description_file;  // given to the engine's constructor
  std::string start_command;     // form key action
  bool help_switch = false;
  bool dialog_switch = false;
  bool sizeable = true;
  QFont message_font;
  std::string but_max_maximised;  // names each followed by ";"
  std::string but_max_normal;
  int page_colour = 0;  // 0 = none
  std::string help_command;

  CommandReceiver command_receiver;
  SizeHook size_hook;
  // Called when the window is resized, before the size hook: the engine
  // takes its parent panels' percentages afresh from the sizes they had.
  std::function<void()> resizing_hook;
  std::function<void(bool maximised)> maximise_handler;  // called before the state changes

  // The page notebook, created by the first engine built into the window.
  QStackedWidget* Notebook() const { return notebook_; }
  QStackedWidget* CreateNotebook();
  int CurrentPage() const;  // -1 without a notebook

  TSkHotKey& HotKeys() { return *hot_keys_; }
  // Adds a hot key (shortcut text "*" command) bound to the current page.
  void AddHotKey(const std::string& definition);

  void SetSizeable(bool on);
  void SetDialog(bool on);
  void SetHelpButton(bool on);
  // Key hide_caption: no caption bar (and so none of its buttons).
  void SetHideCaption(bool on);
  bool CaptionHidden() const { return caption_hidden_; }
  // The window's system menu (key menu_system of a pop-up menu); nullptr links
  // the window's own again (restore, minimise, maximise, close). Alt+Space
  // opens it at the window's top-left corner, where the desktop lets the key through.
  void SetSystemMenu(QMenu* menu);
  QMenu* SystemMenu() const;
  void ShowSystemMenu();
  // Frame painting switch: off while an engine rebuilds or relays out.
  void SetFramePainting(bool on);
  bool IsMaximised() const;

  // The window's key handler (key preview): hot keys, Esc, Ctrl+Alt+Q.
  void FormKeyDown(int key, Qt::KeyboardModifiers shift);
  // Starts moving the window (when moving is on and not maximised).
  void FormMouseDown(Qt::MouseButton button);
  void ShowEffect();
  // A press on the notebook moves the window too (moving was on when it was made).
  void SetNotebookMoving(bool on) { notebook_moving_ = on; }
  // Makes a press on w move the window (the window's drag handler).
  void AttachDragHandler(QWidget* w);

  // What Ctrl+Alt+Q does: start a new copy, then end this process at once.
  static void SetRestartHandler(std::function<void()> handler);
  static void Restart();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  // The window's flags from the switches above: Qt keeps a frameless window
  // only when no caption button is asked for, so they are made in one place.
  void ApplyWindowFlags();

  QStackedWidget* notebook_ = nullptr;
  QMenu* own_system_menu_ = nullptr;
  QPointer<QMenu> system_menu_;
  bool min_button_ = true;
  bool max_button_ = true;
  bool caption_hidden_ = false;
  bool notebook_moving_ = false;
  std::unique_ptr<TSkHotKey> hot_keys_;
  QPropertyAnimation* effect_ = nullptr;
  QObject* preview_window_ = nullptr;
};

}  // namespace remont
