#include "elements/qt/SkForm.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QPropertyAnimation>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWindow>
#include <cstdlib>

#include "elements/HotKey.h"

namespace remont {
namespace {

std::function<void()>& RestartHandler() {
  static std::function<void()> handler;
  return handler;
}

constexpr Qt::WindowFlags kBaseFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowCloseButtonHint;

}  // namespace

int QtKeyToVirtualKey(int k) {
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return 'A' + (k - Qt::Key_A);
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return '0' + (k - Qt::Key_0);
  if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return 0x70 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 9;
    case Qt::Key_Return: case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
  }
}

TSkForm::TSkForm(QWidget* owner) : QDialog(owner), hot_keys_(std::make_unique<TSkHotKey>()) {
  ApplyWindowFlags();
  setSizeGripEnabled(false);
  own_system_menu_ = new QMenu(this);
  own_system_menu_->addAction(QString::fromUtf8("Восстановить"), this, [this] { showNormal(); });
  own_system_menu_->addAction(QString::fromUtf8("Свернуть"), this, [this] { showMinimized(); });
  own_system_menu_->addAction(QString::fromUtf8("Развернуть"), this, [this] { showMaximized(); });
  own_system_menu_->addSeparator();
  own_system_menu_->addAction(QString::fromUtf8("Закрыть"), this, [this] { close(); });
  message_font = font();
}

TSkForm::~TSkForm() = default;

void TSkForm::SetSystemMenu(QMenu* menu) { system_menu_ = menu; }

QMenu* TSkForm::SystemMenu() const { return system_menu_ ? system_menu_.data() : own_system_menu_; }

void TSkForm::ShowSystemMenu() {
  if (QMenu* menu = SystemMenu()) menu->popup(mapToGlobal(QPoint(0, 0)));
}

std::string TSkForm::WindowName() const { return objectName().toStdString(); }

QStackedWidget* TSkForm::CreateNotebook() {
  if (notebook_) return notebook_;
  notebook_ = new QStackedWidget(this);
  notebook_->setObjectName("notebook");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(notebook_);
  notebook_->installEventFilter(this);
  return notebook_;
}

int TSkForm::CurrentPage() const { return notebook_ ? notebook_->currentIndex() : -1; }

void TSkForm::AddHotKey(const std::string& definition) { hot_keys_->Add(definition, CurrentPage()); }

void TSkForm::ApplyWindowFlags() {
  const bool was_visible = isVisible();
  Qt::WindowFlags f = Qt::Window | Qt::FramelessWindowHint;
  if (!caption_hidden_) {
    f = kBaseFlags;
    f.setFlag(Qt::WindowMinimizeButtonHint, min_button_);
    f.setFlag(Qt::WindowMaximizeButtonHint, max_button_);
    f.setFlag(Qt::WindowContextHelpButtonHint, help_switch);
  }
  setWindowFlags(f);
  if (was_visible) show();
}

void TSkForm::SetSizeable(bool on) {
  sizeable = on;
  max_button_ = on;
  if (on) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(size());
  }
  ApplyWindowFlags();
}

void TSkForm::SetDialog(bool on) {
  dialog_switch = on;
  esc_close = on;
  max_button_ = !on;
  min_button_ = !on;
  if (on) {
    setFixedSize(size());
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
  ApplyWindowFlags();
}

void TSkForm::SetHelpButton(bool on) {
  help_switch = on;
  ApplyWindowFlags();
}

void TSkForm::SetHideCaption(bool on) {
  caption_hidden_ = on;
  ApplyWindowFlags();
}

void TSkForm::SetFramePainting(bool on) { setUpdatesEnabled(on); }

bool TSkForm::IsMaximised() const { return isMaximized(); }

void TSkForm::SetRestartHandler(std::function<void()> handler) { RestartHandler() = std::move(handler); }

void TSkForm::Restart() {
  if (RestartHandler()) {
    RestartHandler()();
    return;
  }
  QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
  std::_Exit(0);
}

void TSkForm::FormKeyDown(int key, Qt::KeyboardModifiers shift) {
  uint16_t pressed = 0;
  if (key > 0 && key <= 255) {
    pressed = static_cast<uint16_t>(key);
    if (shift & Qt::ShiftModifier) pressed |= kShiftBit;
    if (shift & Qt::ControlModifier) pressed |= kCtrlBit;
    if (shift & Qt::AltModifier) pressed |= kAltBit;
  }
  const int hit = hot_keys_->Match(pressed, CurrentPage());
  if (hit >= 0 && command_receiver) {
    RHelpAction request;
    request.Action = hot_keys_->HotKeyCommand(hit);
    command_receiver(request);
  }
  if (key == 27 && esc_close) close();
  if (key == 32 && (shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == Qt::AltModifier)
    ShowSystemMenu();
  const Qt::KeyboardModifiers mods = shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (key == 'Q' && mods == (Qt::ControlModifier | Qt::AltModifier)) Restart();
}

void TSkForm::FormMouseDown(Qt::MouseButton button) {
  if (IsMaximised() || !moving || button != Qt::LeftButton) return;
  if (QWindow* w = windowHandle()) w->startSystemMove();
}

void TSkForm::AttachDragHandler(QWidget* w) {
  if (!w) return;
  w->setProperty("remontDrag", true);
  w->installEventFilter(this);
}

void TSkForm::ShowEffect() {
  if (effect_name.empty()) return;
  if (!effect_) {
    effect_ = new QPropertyAnimation(this, "windowOpacity", this);
    effect_->setDuration(500);
  }
  effect_->stop();
  effect_->setStartValue(0.0);
  effect_->setEndValue(1.0);
  effect_->start();
}

bool TSkForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched == windowHandle()) {
    // Key preview: the window's own surface sees each key once, before the
    // focused control, which still receives it.
    auto* ke = static_cast<QKeyEvent*>(event);
    FormKeyDown(QtKeyToVirtualKey(ke->key()), ke->modifiers());
    return false;
  }
  if (event->type() == QEvent::MouseButtonPress) {
    auto* w = qobject_cast<QWidget*>(watched);
    const bool drag = w && w->property("remontDrag").toBool();
    if ((watched == notebook_ && notebook_moving_) || drag) {
      FormMouseDown(static_cast<QMouseEvent*>(event)->button());
      return false;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TSkForm::keyPressEvent(QKeyEvent* event) {
  // Not QDialog's handling: Esc closes only with esc_close, Enter presses no default button.
  QWidget::keyPressEvent(event);
}

void TSkForm::mousePressEvent(QMouseEvent* event) {
  FormMouseDown(event->button());
  QDialog::mousePressEvent(event);
}

void TSkForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (resizing_hook) resizing_hook();
  if (size_hook) size_hook(width(), height());
}

void TSkForm::showEvent(QShowEvent* event) {
  if (QWindow* w = windowHandle(); w && w != preview_window_) {
    w->installEventFilter(this);
    preview_window_ = w;
  }
  QDialog::showEvent(event);
  ShowEffect();
}

void TSkForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::WindowStateChange && maximise_handler && !isMinimized())
    maximise_handler(isMaximized());
  QDialog::changeEvent(event);
}

bool TSkForm::event(QEvent* event) {
  if (event->type() == QEvent::EnterWhatsThisMode && help_switch) {
    QWhatsThis::leaveWhatsThisMode();
    RHelpAction request;
    request.Action = help_command;
    const QPoint p = QCursor::pos();
    request.AnchorX = p.x();
    request.AnchorY = p.y();
    QCoreApplication::processEvents();
    if (command_receiver) command_receiver(request);
    return true;
  }
  return QDialog::event(event);
}

}  // namespace remont
