#include "description/qt/SkStract.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>

#include "archive/Pack.h"
#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/FileSystem.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/qt/QtText.h"
#include "description/BuildPlan.h"
#include "common/Command.h"
#include "elements/ElementTypes.h"
#include "elements/qt/ElementSupport.h"
#include "elements/ControlRules.h"
#include "elements/qt/SkButtons.h"
#include "elements/qt/SkEdits.h"
#include "elements/qt/SkLists.h"
#include "elements/qt/SkPanels.h"
#include "elements/qt/SkPopMenu.h"
#include "elements/qt/SkSimple.h"
#include "elements/qt/FrmForm.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkItem.h"
#include "elements/qt/SkSkin.h"
#include "elements/qt/SkTree.h"
#include "pages/qt/SkHtml.h"

namespace remont {
namespace {

constexpr char kActionProperty[] = "skAction";
constexpr char kTypeProperty[] = "skType";
constexpr char kDownProperty[] = "skDown";
// Commands that click buttons can call each other; deeper than this is a loop.
constexpr int kMaxDispatchDepth = 32;

bool IsIdentifier(const std::string& name) {
  if (name.empty()) return false;
  const auto first = static_cast<unsigned char>(name[0]);
  if (!(std::isalpha(first) || first == '_')) return false;
  for (const char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (!(c < 0x80 && (std::isalnum(c) || c == '_'))) return false;
  }
  return true;
}

std::string NameOf(const QObject* o) { return FromQ(o->objectName()); }

// The program's own cursors 140..144: magnifiers and hands.
QCursor MakeZoomCursor(int sign) {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.drawLine(QPointF(19, 19), QPointF(29, 29));
  if (sign != 0) p.drawLine(QPointF(8, 12), QPointF(16, 12));
  if (sign > 0) p.drawLine(QPointF(12, 8), QPointF(12, 16));
  return QCursor(pm, 12, 12);
}

std::map<int, QCursor>& ProgramCursors() {
  static std::map<int, QCursor> cursors;
  return cursors;
}

void RegisterCursors() {
  auto& c = ProgramCursors();
  c[141] = MakeZoomCursor(1);
  c[142] = MakeZoomCursor(-1);
  c[140] = MakeZoomCursor(0);
  c[143] = QCursor(Qt::OpenHandCursor);
  c[144] = QCursor(Qt::ClosedHandCursor);
}

QCursor CursorFor(const std::string& text, bool& ok) {
  struct Named {
    const char* name;
    Qt::CursorShape shape;
  } static const kNames[] = {
      {"crdefault", Qt::ArrowCursor},    {"crarrow", Qt::ArrowCursor},       {"crcross", Qt::CrossCursor},
      {"cribeam", Qt::IBeamCursor},      {"crsize", Qt::SizeAllCursor},      {"crsizenesw", Qt::SizeBDiagCursor},
      {"crsizens", Qt::SizeVerCursor},   {"crsizenwse", Qt::SizeFDiagCursor}, {"crsizewe", Qt::SizeHorCursor},
      {"cruparrow", Qt::UpArrowCursor},  {"crhourglass", Qt::WaitCursor},    {"crdrag", Qt::DragMoveCursor},
      {"crnodrop", Qt::ForbiddenCursor}, {"crhsplit", Qt::SplitHCursor},     {"crvsplit", Qt::SplitVCursor},
      {"crno", Qt::ForbiddenCursor},     {"crappstart", Qt::BusyCursor},     {"crhelp", Qt::WhatsThisCursor},
      {"crhandpoint", Qt::PointingHandCursor}, {"crsizeall", Qt::SizeAllCursor},
  };
  ok = true;
  const std::string lower = LowerCase(Trim(text));
  for (const auto& n : kNames)
    if (lower == n.name) return QCursor(n.shape);
  int number = 0;
  if (TryStrToInt(lower, number)) {
    auto it = ProgramCursors().find(number);
    if (it != ProgramCursors().end()) return it->second;
    if (number == -11) return QCursor(Qt::WaitCursor);
    if (number == -21) return QCursor(Qt::PointingHandCursor);
    return QCursor(Qt::ArrowCursor);
  }
  ok = false;
  return QCursor(Qt::ArrowCursor);
}

// The screen position of a widget's client origin and its height: a button's anchor.
void FillAnchor(QWidget* w, RHelpAction& request) {
  const QPoint origin = w->mapToGlobal(QPoint(0, 0));
  request.AnchorHeight = w->height();
  request.AnchorX = origin.x();
  request.AnchorY = origin.y();
}

void SetTextAlign(QWidget* w, const std::string& value) {
  const std::string a = LowerCase(Trim(value));
  const Qt::Alignment h = a == "left" ? Qt::AlignLeft : a == "right" ? Qt::AlignRight : Qt::AlignHCenter;
  if (auto* l = qobject_cast<QLabel*>(w)) l->setAlignment(h | Qt::AlignVCenter);
  else w->setStyleSheet(a == "left" ? "text-align: left;" : a == "right" ? "text-align: right;" : "");
}

// The application's hint handler for list boxes: one for every window, made
// by the first engine built. A list-box item wider than its box shows its
// whole caption as a hint.
class TListItemHints : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    auto* viewport = qobject_cast<QWidget*>(watched);
    auto* list = viewport ? qobject_cast<QListWidget*>(viewport->parentWidget()) : nullptr;
    if (!list || TSkStract::ElementType(list) != "list_box") return false;
    auto* he = static_cast<QHelpEvent*>(event);
    QListWidgetItem* item = list->itemAt(he->pos());
    if (!item) return false;
    const int text_width = QFontMetrics(QApplication::font()).horizontalAdvance(item->text());
    if (list->width() - 25 >= text_width) return false;
    const QRect r = list->visualItemRect(item);
    QToolTip::showText(viewport->mapToGlobal(r.topLeft()) - QPoint(2, 1), item->text(), viewport, r);
    return true;
  }
};

void InstallListItemHints() {
  static TListItemHints* hints = nullptr;
  if (hints) return;
  hints = new TListItemHints;
  hints->setParent(qApp);
  qApp->installEventFilter(hints);
}

}  // namespace

TSkStract::TSkStract(TSkForm* window, const std::string& description_file)
    : QObject(window), window_(window), file_(description_file) {
  splash_auto_close_ = true;
  message_switch = true;
  window_->SetFramePainting(false);
  window_->maximise_handler = [this](bool m) { MaximizeChanged(m); };
  skin_ = std::make_unique<TSkSkin>(window_);
  window_->command_receiver = [this](const RHelpAction& r) { DispatchFromEvent(r); };
  window_->description_file = description_file;
  save_position_ = false;
}

TSkStract::~TSkStract() {
  reader_.reset();
  CloseSplash();
  window_->SetFramePainting(false);
  window_->hide();
  // The window's hooks must not call an engine that is gone.
  window_->command_receiver = nullptr;
  window_->size_hook = nullptr;
  window_->maximise_handler = nullptr;
  for (auto it = all_.rbegin(); it != all_.rend(); ++it)
    if (*it) delete it->data();
  all_.clear();
  lists_.clear();
  skin_.reset();
  window_->SetFramePainting(true);
}

QWidget* TSkStract::Page() const {
  if (page_index_ < 0 || !window_->Notebook()) return nullptr;
  return window_->Notebook()->widget(page_index_);
}

void TSkStract::LoadStruct() {
  reader_.reset();
  TPack pack(file_);
  reader_ = std::make_unique<TProfileReader>(pack.Bytes());
  RegisterCursors();

  const RBuildPlan plan = MakeBuildPlan(*reader_);
  if (plan.NoSections) {
    CurrentPlatform().ShowMessage(msg::NoData(file_), MessageKind::Plain);
    return;
  }

  std::map<std::string, QWidget*> containers;  // lower-cased section name -> element
  for (const RBuildStep& step : plan.Steps) {
    switch (step.Pass) {
      case EBuildPass::Form: {
        MakeObject(window_, step.Section, "form");
        if (!step.Color.empty()) window_->page_colour = ParseColor(step.Color);
        if (!window_->Notebook()) {
          QStackedWidget* nb = window_->CreateNotebook();
          nb->addWidget(new QWidget(nb));
          nb->setCurrentIndex(0);
          window_->SetNotebookMoving(window_->moving);
        } else {
          QStackedWidget* nb = window_->Notebook();
          auto* page = new QWidget(nb);
          page->setObjectName(QString("p%1").arg(nb->count()));
          nb->addWidget(page);
          nb->setCurrentWidget(page);
        }
        page_index_ = window_->Notebook()->currentIndex();
        // The page gets its size now: anchors measure the parent's client area,
        // and a hidden window has not laid out its notebook yet.
        QStackedWidget* nb = window_->Notebook();
        nb->setGeometry(window_->contentsRect());
        for (int p = 0; p < nb->count(); ++p) nb->widget(p)->setGeometry(nb->contentsRect());
        break;
      }
      case EBuildPass::PopMenu:
        MakeObject(window_, step.Section, "pop_menu");
        break;
      case EBuildPass::Main: {
        QWidget* parent = nullptr;
        if (step.Parent.empty()) {
          parent = Page();
        } else {
          auto it = containers.find(LowerLatinCase(step.Parent));
          parent = it == containers.end() ? nullptr : it->second;
        }
        if (!parent) break;
        QWidget* element = MakeObject(parent, step.Section, step.Type);
        if (step.Parent.empty() && window_->page_colour != 0) {
          const int c = window_->page_colour;
          parent->setAutoFillBackground(true);
          QPalette pal = parent->palette();
          pal.setColor(QPalette::Window, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
          parent->setPalette(pal);
        }
        if (element) {
          if (auto* area = qobject_cast<QScrollArea*>(element)) element = area->widget();
          containers[LowerLatinCase(step.Section)] = element;
        }
        break;
      }
    }
  }

  ExecuteCommand(window_->start_command);
  if (splash_auto_close_) CloseSplash();
  else if (splash_bar_) splash_bar_->setValue(splash_bar_->maximum());
  window_->SetFramePainting(true);
  window_->size_hook = [this](int, int) { FormResized(); };
  InstallListItemHints();
}

void TSkStract::ShowPage() {
  if (!HasPage()) return;
  window_->Notebook()->setCurrentIndex(page_index_);
  window_->maximise_handler = [this](bool m) { MaximizeChanged(m); };
  window_->size_hook = [this](int, int) { FormResized(); };
  window_->command_receiver = [this](const RHelpAction& r) { DispatchFromEvent(r); };
  FormResized();
  SwapMaxButtons(window_->IsMaximised());
}

void TSkStract::NameElement(QObject* element, QObject* owner, const std::string& section) {
  if (!IsIdentifier(section)) throw BuildError(msg::NotIdentifier(section));
  if (owner) {
    for (QObject* sibling : owner->children()) {
      if (sibling != element && !sibling->objectName().isEmpty() && SameText(NameOf(sibling), section) &&
          !sibling->property(kTypeProperty).isNull())
        throw BuildError(msg::DuplicateName(section));
    }
  }
  element->setObjectName(ToQ(section));
}

void TSkStract::Register(QObject* element, const std::string& type) {
  element->setProperty(kTypeProperty, QByteArray::fromStdString(type));
  lists_[type].emplace_back(element);
  all_.emplace_back(element);
}

QWidget* TSkStract::MakeObject(QWidget* parent, const std::string& section, const std::string& type_in) {
  const std::string type = LowerCase(type_in);
  if (type == "form") {
    SetProperty(window_, section, type);
    return nullptr;
  }
  if (type == "hot_key") {
    for (const std::string& key : reader_->ReadSectionKeys(section))
      if (LowerCase(key) != "type") window_->AddHotKey(reader_->ReadString(section, key));
    return nullptr;
  }
  if (type == "none") return nullptr;
  const RElementType* entry = FindElementType(type);
  if (!entry || entry->Kind == EElementKind::Form || entry->Kind == EElementKind::HotKey ||
      entry->Kind == EElementKind::None) {
    ShowError(msg::UnknownType(section, type));
    return nullptr;
  }
  if (type == "pop_menu") {
    auto* menu = new TSkPopMenu(window_);
    NameElement(menu, window_, section);
    BuildMenu(menu, section);
    Register(menu, type);
    return nullptr;
  }

  QWidget* w = nullptr;
  if (type == "button") {
    w = new TSkButton(parent);
  } else if (type == "sp_button") {
    w = new TSkSpeedButton(parent);
  } else if (type == "panel") {
    w = new TSkPanel(parent);
  } else if (type == "parent_panel") {
    w = new TParentPanel(parent);
  } else if (type == "split") {
    w = new TSkSplitter(parent);
    SetAlign(w, EAlign::Left);  // the platform's splitter starts aligned left
  } else if (type == "flash" || type == "list_img" || type == "diagram") {
    auto* f = new QFrame(parent);
    f->setFrameShape(QFrame::NoFrame);
    w = f;
  } else if (type == "media") {
    w = new QWidget(parent);
  } else if (type == "html") {
    auto* h = new TSkHtml(parent);
    h->OnCommand = [this](const RHelpAction& r) { DispatchFromEvent(r); };
    w = h;
  } else if (type == "label") {
    w = new TSkLabel(parent);
  } else if (type == "pic") {
    w = new TSkPic(parent);
  } else if (type == "image" || type == "gif") {
    w = new QLabel(parent);
  } else if (type == "track_bar") {
    w = new TSkTrackBar(parent);
  } else if (type == "tree") {
    w = new TSkTree(parent);
  } else if (type == "tree_ex") {
    w = new QTreeWidget(parent);
  } else if (type == "list_box") {
    w = new TSkListBox(parent);
  } else if (type == "scroll_box") {
    auto* area = new QScrollArea(parent);
    area->setWidget(new QWidget(area));
    area->setWidgetResizable(true);
    w = area;
  } else if (type == "edit_box") {
    w = new TSkEditBox(parent);
  } else if (type == "check_box") {
    w = new TSkCheckBox(parent, section);
  } else if (type == "r_button") {
    w = new TSkRadioButton(parent);
  } else if (type == "progress_bar") {
    w = new TSkProgressBar(parent);
  } else if (type == "combo_box") {
    w = new TSkComboBox(parent);
  } else if (type == "grid") {
    w = new QTableWidget(parent);
  } else if (type == "html_grid") {
    w = new QTextBrowser(parent);
  } else if (type == "spin_edit") {
    w = new TSkSpinEdit(parent);
  } else {
    ShowError(msg::UnknownType(section, type));
    return nullptr;
  }
  if (entry->ThemeDefault) w->setProperty("themeObject", "default");
  NameElement(w, parent, section);
  Register(w, type);
  ConnectEvents(w, type);
  SetProperty(w, section, type);
  if (auto* list = qobject_cast<TSkListBox*>(w))
    connect(list, &TSkListBox::elementClick, this, [this, list] { ElementClick(list); });
  return entry->HoldsElements ? w : nullptr;
}

void TSkStract::ConnectEvents(QObject* element, const std::string& type) {
  auto click = [this, element] { ElementClick(element); };
  if (auto* b = qobject_cast<TSkButton*>(element)) connect(b, &TSkButton::elementClick, this, click);
  else if (auto* sb = qobject_cast<TSkSpeedButton*>(element)) connect(sb, &TSkSpeedButton::elementClick, this, click);
  else if (auto* c = qobject_cast<TSkCheckBox*>(element)) connect(c, &TSkCheckBox::elementClick, this, click);
  else if (auto* p = qobject_cast<TSkPanel*>(element)) connect(p, &TSkPanel::elementClick, this, click);
  else if (auto* cb = qobject_cast<TSkComboBox*>(element)) connect(cb, &TSkComboBox::elementClick, this, click);
  else if (auto* t = qobject_cast<TSkTree*>(element)) t->OnClick = click;
  else if (auto* e = qobject_cast<TSkEditBox*>(element))
    // The box reports Qt key codes; the engine's key-down speaks virtual-key codes (Enter = 13).
    connect(e, &TSkEditBox::elementKeyDown, this, [this, element](int key, Qt::KeyboardModifiers shift) {
      ElementKeyDown(element, QtKeyToVirtualKey(key), shift);
    });
  if (type == "image") element->installEventFilter(this);
}

void TSkStract::BuildMenu(QMenu* plain, const std::string& section) {
  auto* menu = static_cast<TSkPopMenu*>(plain);
  const std::vector<std::string> keys = reader_->ReadSectionKeys(section);
  if (keys.empty()) return;
  auto has = [&](const char* k) {
    for (const auto& key : keys)
      if (LowerCase(key) == k) return true;
    return false;
  };
  if (!has("glob_action") && (!has("caption") || !has("action"))) {
    CurrentPlatform().ShowMessage(msg::MenuParamsMissing(section), MessageKind::Plain);
    return;
  }
  // The menu's fields first, wherever they stand in the section.
  for (const std::string& key : keys) {
    const std::string k = LowerCase(key);
    const std::string v = reader_->ReadString(section, key);
    if (k == "glob_action") menu->global_action = v;
    else if (k == "length") menu->caption_limit = StrToInt(v);
  }
  auto add_items = [&](const char* caption_key, const char* action_key, const char* key_key, int& count) {
    std::string captions = reader_->ReadString(section, caption_key);
    std::string actions = reader_->ReadString(section, action_key);
    std::string shortcuts = reader_->ReadString(section, key_key);
    while (!captions.empty()) {
      const std::string caption = CutToken(captions, ";");
      std::string action = CutToken(actions, ";");
      const std::string shortcut = CutToken(shortcuts, ";");
      if (action.empty()) action = menu->global_action;
      TSkItem* item = menu->AddPopItem(caption, action, shortcut);
      if (!shortcut.empty()) window_->AddHotKey(shortcut + "*" + action);
      connect(item, &QAction::triggered, this, [this, item] { ElementClick(item); });
      ++count;
    }
  };
  add_items("caption", "action", "key", menu->leading_count);
  add_items("last_caption", "last_action", "last_key", menu->trailing_count);
  const int check = StrToIntDef(reader_->ReadString(section, "check"), -1);
  if (check != -1) menu->SetCheckedIndex(check);
}

// ---------------------------------------------------------------- properties

void TSkStract::SetProperty(QObject* element, const std::string& section, const std::string& type_in) {
  StepSplash();
  const std::string type = LowerCase(type_in);
  const std::vector<std::string> keys = reader_->ReadSectionKeys(section);
  if (keys.empty()) return;
  if (type == "form") {
    ApplyCommonKeys(window_, keys, section);
    for (const std::string& key : keys) ApplyFormKey(LowerCase(key), reader_->ReadString(section, key));
    return;
  }
  auto* w = qobject_cast<QWidget*>(element);
  if (w) ApplyCommonKeys(w, keys, section);
  const TAnchors anchors_before = w ? GetAnchors(w) : TAnchors{};
  for (const std::string& key : keys) {
    ApplyElementKey(element, type, LowerCase(key), reader_->ReadString(section, key));
    // After every key: with moving on, a press on these moves the window.
    if (window_->moving && w) {
      auto drag = [this](Qt::MouseButton b) { window_->FormMouseDown(b); };
      if (auto* p = qobject_cast<TSkPanel*>(w)) p->mouse_down = drag;
      else if (auto* pp = qobject_cast<TParentPanel*>(w)) pp->mouse_down = drag;
      else if (auto* l = qobject_cast<TSkLabel*>(w)) l->mouse_down = drag;
      else if (auto* pic = qobject_cast<TSkPic*>(w)) pic->mouse_down = drag;
      else if (type == "gif") window_->AttachDragHandler(w);
    }
  }
  // Anchors the common keys set aside come back when no anchor key set any.
  if (w && !(anchors_before == TAnchors{}) && GetAnchors(w) == TAnchors{}) SetAnchors(w, anchors_before);
  // Keys may have moved or resized an aligned element: its container lays it out again.
  if (w) RequestAlign(w);
}

void TSkStract::ApplyCommonKeys(QWidget* w, const std::vector<std::string>& keys, const std::string& section) {
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    const std::string key = LowerCase(*it);
    const std::string value = reader_->ReadString(section, *it);
    if (key == "top") {
      w->move(w->x(), StrToInt(value));
    } else if (key == "left") {
      w->move(StrToInt(value), w->y());
    } else if (key == "width") {
      if (auto* pp = qobject_cast<TParentPanel*>(w)) pp->SetWidthText(value);
      else w->resize(StrToInt(value), w->height());
    } else if (key == "height") {
      if (auto* pp = qobject_cast<TParentPanel*>(w)) pp->SetHeightText(value);
      else w->resize(w->width(), StrToInt(value));
    } else if (key == "align") {
      if (w != window_) SetAlign(w, ParseAlign(value));
    } else if (key == "enabled") {
      w->setEnabled(ParseBool(value, true));
    } else if (key == "visible") {
      if (w != window_) w->setVisible(ParseBool(value, true));
    } else if (key == "cursor") {
      bool ok = false;
      const QCursor c = CursorFor(value, ok);
      if (ok) w->setCursor(c);
    }
  }
}

void TSkStract::ApplyElementSkin(QWidget* w, const std::string& spec, bool with_file) {
  std::string rest = spec;
  const std::string theme = CutToken(rest, "*");
  if (!theme.empty()) SetThemeObject(w, theme);
  // Buttons and combo boxes may name a skin file: it is taken only when newly registered.
  if (with_file && !rest.empty()) {
    const std::string file = GetProgramPath(rest);
    if (skin_->AddSkin(file))
      if (const auto* e = skin_->FindSkin(file)) w->setStyleSheet(e->style_sheet);
  }
}

void TSkStract::ApplyFormKey(const std::string& key, const std::string& value) {
  TSkForm* f = window_;
  if (key == "caption") {
    f->setWindowTitle(ToQ(value));
  } else if (key == "title") {
    // Qt would append a display name to every caption; the title is what the
    // desktop's task list and the message boxes show.
    qApp->setProperty("remontTitle", ToQ(value));
  } else if (key == "but_help") {
    f->SetHelpButton(true);
    f->help_command = value;
  } else if (key == "save_pos") {
    save_position_ = ParseBool(value, false);
  } else if (key == "min_width") {
    f->setMinimumWidth(StrToInt(value));
  } else if (key == "min_height") {
    f->setMinimumHeight(StrToInt(value));
  } else if (key == "dialog") {
    f->SetDialog(ParseBool(value, false));
  } else if (key == "action") {
    f->start_command = value;
  } else if (key == "reg_dat") {
    reg_dat_ = value;
  } else if (key == "visible") {
    f->setVisible(ParseBool(value, true));
  } else if (key == "size") {
    f->SetSizeable(ParseBool(value, true));
  } else if (key == "moving") {
    f->moving = ParseBool(value, false);
  } else if (key == "esc_close") {
    f->esc_close = ParseBool(value, false);
  } else if (key == "splash") {
    ShowSplash(value);
  } else if (key == "message_font") {
    // The window's message font: the font spec applied over the current one.
    QWidget probe;
    probe.setFont(f->message_font);
    f->message_font = ApplyFontSpec(&probe, value);
  } else if (key == "hint_color" || key == "hint_font_color") {
    const int c = ParseColor(value);
    QPalette pal = QToolTip::palette();
    pal.setColor(key == "hint_color" ? QPalette::ToolTipBase : QPalette::ToolTipText,
                 QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    QToolTip::setPalette(pal);
  } else if (key == "splash_close_auto") {
    splash_auto_close_ = ParseBool(value, true);
  } else if (key == "help_id") {
    help_topic_ = value;
  } else if (key == "effect") {
    f->effect_name = value;
  } else if (key == "but_max") {
    std::string rest = value;
    f->but_max_maximised += CutToken(rest, "*") + ";";
    f->but_max_normal += rest + ";";
  } else if (key == "hide_caption") {
    f->SetHideCaption(ParseBool(value, true));
  } else if (key == "ico") {
    if (auto path = FindLooseFile(GetProgramPath(value))) QApplication::setWindowIcon(QIcon(QString::fromStdString(*path)));
  } else if (key == "skin") {
    std::string rest = value;
    const std::string file = GetProgramPath(CutToken(rest, "*"));
    if (skin_->AddSkin(file)) {
      if (const auto* e = skin_->FindSkin(file)) f->setStyleSheet(e->style_sheet);
    }
    if (!rest.empty()) f->setProperty("themeObject", ToQ(rest));
  }
}

void TSkStract::ApplyElementKey(QObject* element, const std::string& type, const std::string& key,
                                const std::string& value) {
  auto* w = qobject_cast<QWidget*>(element);
  if (key == "action") {
    SetElementAction(element, value);
    if (auto* h = qobject_cast<TSkHtml*>(element)) h->SetAction(value);
    if (auto* t = qobject_cast<TSkTree*>(element)) t->SetAction(value);
    return;
  }
  if (key == "anchor" && w && type != "split") {
    ApplyAnchorKey(w, value);
    return;
  }
  if (key == "font" && w) {
    ApplyFontSpec(w, value);
    return;
  }
  if (key == "hint" && w) {
    w->setToolTip(ToQ(value));
    return;
  }
  if (key == "caption") {
    if (type == "panel") return;  // a panel's caption is emptied after every key anyway
    if (auto* b = qobject_cast<QAbstractButton*>(element)) b->setText(ToQ(value));
    else if (auto* l = qobject_cast<TSkLabel*>(element)) l->SetCaption(value);
    return;
  }
  if (type == "html") {
    auto* h = static_cast<TSkHtml*>(element);
    if (key == "load") {
      h->LoadPage(value);
    } else if (key == "move_cursor") {
      h->SetMoveCursor(ParseBool(value, false));
    } else if (key == "link_tree") {
      if (auto* t = GetTree(value)) h->SetContentsTree(t);
    } else if (key == "label_title") {
      if (auto* l = qobject_cast<TSkLabel*>(GetLabel(value))) h->SetTitleLabel(l);
    } else if (key == "menu") {
      if (QMenu* m = GetPopMenu(value)) h->SetContextMenu(m);
    } else if (key == "move") {
      // The press moves the window instead of scrolling the page.
      if (ParseBool(value, false)) h->OnMoveWindow = [this](Qt::MouseButton b) { window_->FormMouseDown(b); };
      else h->OnMoveWindow = nullptr;
    } else if (key == "font_name" || key == "font_size") {
      // The viewer's default font: pages loaded from now on use it.
      QFont f = h->Viewer()->document()->defaultFont();
      if (key == "font_name") f.setFamily(ToQ(value));
      else f.setPointSize(StrToInt(value));
      h->Viewer()->document()->setDefaultFont(f);
    } else if (key == "min_width" || key == "min_height") {
      StrToInt(value);
    }
  } else if (type == "tree") {
    auto* t = static_cast<TSkTree*>(element);
    if (key == "load") {
      t->LoadTree(value);
    } else if (key == "open_block") {
      t->SetOpenBlock(ParseBool(value, false));
    } else if (key == "bordur") {
      t->SetBorder(ParseBool(value, true));
    } else if (key == "color_select") {
      t->SetSelectedColor(ParseColor(value));
    } else if (key == "color") {
      const int c = ParseColor(value);
      QPalette pal = t->palette();
      pal.setColor(QPalette::Base, QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
      t->setPalette(pal);
    } else if (key == "link_html") {
      if (auto* h = GetHtml(value)) h->SetContentsTree(t);
    } else if (key == "but_next") {
      if (auto* b = qobject_cast<QAbstractButton*>(GetSpeedButton(value))) t->SetNextButton(b);
    } else if (key == "but_prev") {
      if (auto* b = qobject_cast<QAbstractButton*>(GetSpeedButton(value))) t->SetPrevButton(b);
    } else if (key == "min_width") {
      t->setMinimumWidth(StrToInt(value));
    } else if (key == "min_height") {
      t->setMinimumHeight(StrToInt(value));
    } else if (key == "max_width") {
      t->setMaximumWidth(StrToInt(value));
    } else if (key == "max_height") {
      t->setMaximumHeight(StrToInt(value));
    }
  } else if (type == "check_box") {
    auto* box = static_cast<TSkCheckBox*>(element);
    if (key == "check") box->setChecked(ParseBool(value, false));
    else if (key == "enable_control") box->SetEnableControls(value);
  } else if (type == "r_button") {
    if (key == "check") static_cast<QRadioButton*>(element)->setChecked(ParseBool(value, false));
  } else if (type == "button") {
    auto* b = static_cast<TSkButton*>(element);
    if (key == "transparent") b->SetTransparent(ParseBool(value, true));
    else if (key == "text_align") SetTextAlign(b, value);
    else if (key == "skin") ApplyElementSkin(b, value, true);
  } else if (type == "panel") {
    auto* panel = static_cast<TSkPanel*>(element);
    if (key == "visible_ex") {
      if (ParseBool(value, true)) panel->ShowOrHide();
    } else if (key == "min_width") {
      panel->setMinimumWidth(StrToInt(value));
    } else if (key == "max_width") {
      panel->setMaximumWidth(StrToInt(value));
    } else if (key == "min_height") {
      panel->setMinimumHeight(StrToInt(value));
    } else if (key == "skin") {
      ApplyElementSkin(panel, value, false);
    }
  } else if (type == "parent_panel") {
    auto* panel = static_cast<TParentPanel*>(element);
    if (key == "color") panel->SetColor(ParseColor(value));
    else if (key == "min_width") panel->setMinimumWidth(StrToInt(value));
    else if (key == "min_height") panel->setMinimumHeight(StrToInt(value));
  } else if (type == "edit_box") {
    auto* edit = static_cast<TSkEditBox*>(element);
    if (key == "only_number") {
      edit->SetNumeric(ParseBool(value, false));
    } else if (key == "min_link") {
      auto* other = qobject_cast<TSkEditBox*>(GetEditBox(value));
      if (other) edit->SetMinLink(other);
    }
  } else if (type == "combo_box") {
    auto* combo = static_cast<TSkComboBox*>(element);
    if (key == "count_line") {
      combo->setMaxVisibleItems(StrToInt(value));
    } else if (key == "load") {
      combo->LoadListItems(value);
      if (combo->count() > 0) combo->setCurrentIndex(0);
    } else if (key == "read_only") {
      combo->SetComboReadOnly(ParseBool(value, false));
    } else if (key == "skin") {
      ApplyElementSkin(combo, value, true);
    }
  } else if (type == "list_box") {
    auto* list = static_cast<TSkListBox*>(element);
    if (key == "load") list->LoadListItems(value);
    else if (key == "multiselect") list->SetMultiSelect(ParseBool(value, false));
    else if (key == "skin") ApplyElementSkin(list, value, false);
  } else if (type == "spin_edit") {
    auto* spin = static_cast<TSkSpinEdit*>(element);
    if (key == "max") spin->SetUpperBound(StrToInt(value));
    else if (key == "min") spin->SetLowerBound(StrToInt(value));
  } else if (type == "split" || type == "track_bar" || type == "scroll_box" || type == "pic") {
    if (key == "skin" && w) ApplyElementSkin(w, value, false);
  } else if (type == "label") {
    auto* label = static_cast<TSkLabel*>(element);
    if (key == "html_title") {
      if (auto* h = GetHtml(value)) h->SetTitleLabel(label);
    } else if (key == "word_wrap") {
      label->setWordWrap(ParseBool(value, false));
    } else if (key == "auto_size") {
      label->SetAutoSize(ParseBool(value, false));
    } else if (key == "url") {
      label->SetUrlStyle(ParseBool(value, false));
    } else if (key == "text_align") {
      SetTextAlign(label, value);
    } else if (key == "skin") {
      ApplyElementSkin(label, value, false);
    }
  } else if (type == "sp_button") {
    if (key == "but_next_tree" || key == "but_prev_tree") {
      if (TSkTree* t = GetTree(value)) {
        auto* b = static_cast<QAbstractButton*>(element);
        if (key == "but_next_tree") t->SetNextButton(b);
        else t->SetPrevButton(b);
      }
    } else if (key == "menu") {
      if (QMenu* m = GetPopMenu(value)) static_cast<TSkSpeedButton*>(element)->SetChevronMenu(m);
    } else if (key == "transparent") {
      static_cast<TSkSpeedButton*>(element)->SetTransparent(ParseBool(value, true));
    } else if (key == "group") {
      static_cast<TSkSpeedButton*>(element)->SetGroup(StrToInt(value));
    } else if (key == "down") {
      static_cast<TSkSpeedButton*>(element)->SetDownRemembered(ParseBool(value, false));
    } else if (key == "skin") {
      ApplyElementSkin(static_cast<QWidget*>(element), value, false);
    }
  }
}

// ------------------------------------------------------------------- lookups

std::string TSkStract::ElementAction(const QObject* element) {
  if (!element) return {};
  if (auto* item = qobject_cast<const TSkItem*>(element)) return item->action;
  return element->property(kActionProperty).toByteArray().toStdString();
}

void TSkStract::SetElementAction(QObject* element, const std::string& action) {
  element->setProperty(kActionProperty, QByteArray::fromStdString(action));
  // The element classes keep their own copy of the action text.
  if (auto* e = qobject_cast<TSkButton*>(element)) e->action = action;
  else if (auto* e1 = qobject_cast<TSkSpeedButton*>(element)) e1->action = action;
  else if (auto* e2 = qobject_cast<TSkPanel*>(element)) e2->action = action;
  else if (auto* e3 = qobject_cast<TParentPanel*>(element)) e3->action = action;
  else if (auto* e4 = qobject_cast<TSkSplitter*>(element)) e4->action = action;
  else if (auto* e5 = qobject_cast<TSkListBox*>(element)) e5->action = action;
  else if (auto* e6 = qobject_cast<TSkComboBox*>(element)) e6->action = action;
  else if (auto* e7 = qobject_cast<TSkEditBox*>(element)) e7->action = action;
  else if (auto* e8 = qobject_cast<TSkCheckBox*>(element)) e8->action = action;
  else if (auto* e9 = qobject_cast<TSkRadioButton*>(element)) e9->action = action;
  else if (auto* e10 = qobject_cast<TSkTrackBar*>(element)) e10->action = action;
  else if (auto* e11 = qobject_cast<TSkLabel*>(element)) e11->action = action;
}

std::string TSkStract::ElementType(const QObject* element) {
  return element ? element->property(kTypeProperty).toByteArray().toStdString() : std::string();
}

std::vector<QObject*> TSkStract::Elements(const std::string& type) const {
  std::vector<QObject*> out;
  auto it = lists_.find(type);
  if (it == lists_.end()) return out;
  for (const auto& p : it->second)
    if (p) out.push_back(p.data());
  return out;
}

std::vector<QObject*> TSkStract::AllElements() const {
  std::vector<QObject*> out;
  for (const auto& p : all_)
    if (p) out.push_back(p.data());
  return out;
}

QObject* TSkStract::Find(const std::string& name, const std::string& type) {
  for (QObject* o : Elements(type))
    if (SameText(NameOf(o), name)) return o;
  return nullptr;
}

QObject* TSkStract::FindElement(const std::string& name) const {
  for (QObject* o : AllElements())
    if (SameText(NameOf(o), name)) return o;
  return nullptr;
}

bool TSkStract::AllElementsHave(const std::string& name) const { return FindElement(name) != nullptr; }

QObject* TSkStract::GetControl(const std::string& name) {
  if (QObject* o = FindElement(name)) return o;
  ShowError(msg::GetControlNotFound(name));
  return nullptr;
}

QObject* TSkStract::GetComponent(const std::string& name, const std::string& type) {
  if (QObject* o = Find(name, type)) return o;
  ShowError(msg::GetComponentNotFound(name));
  return nullptr;
}

TSkHtml* TSkStract::GetHtml(const std::string& n) { return qobject_cast<TSkHtml*>(GetComponent(n, "html")); }
TSkTree* TSkStract::GetTree(const std::string& n) { return qobject_cast<TSkTree*>(GetComponent(n, "tree")); }
QMenu* TSkStract::GetPopMenu(const std::string& n) { return qobject_cast<QMenu*>(GetComponent(n, "pop_menu")); }
#define REMONT_TYPED_LOOKUP(fn, type) \
  QWidget* TSkStract::fn(const std::string& n) { return qobject_cast<QWidget*>(GetComponent(n, type)); }
REMONT_TYPED_LOOKUP(GetButton, "button")
REMONT_TYPED_LOOKUP(GetSpeedButton, "sp_button")
REMONT_TYPED_LOOKUP(GetPanel, "panel")
REMONT_TYPED_LOOKUP(GetParentPanel, "parent_panel")
REMONT_TYPED_LOOKUP(GetLabel, "label")
REMONT_TYPED_LOOKUP(GetEditBox, "edit_box")
REMONT_TYPED_LOOKUP(GetListBox, "list_box")
REMONT_TYPED_LOOKUP(GetComboBox, "combo_box")
REMONT_TYPED_LOOKUP(GetRadioButton, "r_button")
REMONT_TYPED_LOOKUP(GetProgressBar, "progress_bar")
REMONT_TYPED_LOOKUP(GetSplitter, "split")
REMONT_TYPED_LOOKUP(GetTrackBar, "track_bar")
REMONT_TYPED_LOOKUP(GetScrollBox, "scroll_box")
REMONT_TYPED_LOOKUP(GetImage, "image")
REMONT_TYPED_LOOKUP(GetTreeEx, "tree_ex")
REMONT_TYPED_LOOKUP(GetFlash, "flash")
REMONT_TYPED_LOOKUP(GetMedia, "media")
REMONT_TYPED_LOOKUP(GetGrid, "grid")
#undef REMONT_TYPED_LOOKUP

QWidget* TSkStract::GetComboBoxByKey(const std::string& name) {
  for (QObject* o : Elements("combo_box")) {
    std::string action = ElementAction(o);
    if (SameText(CutToken(action, "*"), name)) return qobject_cast<QWidget*>(o);
  }
  return nullptr;
}

QWidget* TSkStract::GetSpeedButtonByKey(const std::string& name, const std::string& text) {
  for (QObject* o : Elements("sp_button")) {
    std::string rest = ElementAction(o);
    if (!SameText(CutToken(rest, "*"), name)) continue;
    if (text.empty() || SameText(rest, text)) return qobject_cast<QWidget*>(o);
  }
  return nullptr;
}

void TSkStract::ShowError(const std::string& text) {
  if (!message_switch) return;
  CurrentPlatform().ShowMessage(file_ + "\r\n" + text, MessageKind::Error);
}

// ------------------------------------------------------------ notifications

void TSkStract::FormResized() {
  for (QObject* o : Elements("panel"))
    if (auto* p = qobject_cast<TSkPanel*>(o)) p->Recenter();
  for (QObject* o : Elements("parent_panel"))
    if (auto* p = qobject_cast<TParentPanel*>(o)) {
      p->Recenter();
      p->ApplyPercentSize();
    }
  // A window that is not shown yet gets no resize events: its page and the
  // containers on it are laid out from their sizes now.
  if (QWidget* page = Page()) RelayoutChildren(page);
  window_->SetFramePainting(true);
}

void TSkStract::FormResizing() {
  window_->SetFramePainting(false);
  for (QObject* o : Elements("parent_panel"))
    if (auto* p = qobject_cast<TParentPanel*>(o)) p->RemeasurePercentSize();
}

void TSkStract::MaximizeChanged(bool maximised) {
  if (window_->but_max_maximised.empty() || window_->but_max_normal.empty()) return;
  SwapMaxButtons(maximised);
}

void TSkStract::SwapMaxButtons(bool maximised) {
  auto apply = [this](const std::string& list, bool show) {
    std::string rest = list;
    while (!rest.empty()) {
      const std::string name = CutToken(rest, ";");
      message_switch = false;
      QWidget* b = GetSpeedButton(name);
      message_switch = true;
      if (b) b->setVisible(show);
    }
  };
  apply(window_->but_max_maximised, maximised);
  apply(window_->but_max_normal, !maximised);
}

void TSkStract::CloseSplash() {
  delete splash_window_;  // the bar and the picture go with it
  splash_window_ = nullptr;
  splash_bar_ = nullptr;
}

void TSkStract::ShowSplash(const std::string& spec) {
  splash_step_ = 1;
  std::string rest = spec;
  const std::string file = CutToken(rest, "*");
  // Splash pictures are plain files: a JPEG by its name as written, anything else from the program folder.
  const bool jpeg = LowerCase(ExtractFileExt(file)) == ".jpg";
  const auto path = FindLooseFile(jpeg ? file : GetProgramPath(file));
  QPixmap picture;
  if (!path || !picture.load(QString::fromStdString(*path)))
    throw std::runtime_error(Cp1251ToUtf8(Ru("Не удаётся открыть файл ") + file));
  if (!splash_window_) {
    splash_window_ = new QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    splash_window_->setObjectName("splash");
    auto* label = new QLabel(splash_window_);
    label->setObjectName("splash_picture");
  }
  auto* label = splash_window_->findChild<QLabel*>("splash_picture");
  label->setPixmap(picture);
  label->setGeometry(0, 0, picture.width(), picture.height());
  splash_window_->resize(picture.size());
  if (!rest.empty()) {
    if (!splash_bar_) {
      splash_bar_ = new QProgressBar(splash_window_);
      splash_bar_->setTextVisible(false);
      splash_bar_->setRange(0, 100);
      splash_bar_->setValue(0);
    }
    // Fields that are missing or not numbers end the reading; what was read stays.
    int values[5] = {splash_step_, 0, 0, 0, 0};
    int n = 0;
    while (n < 5 && !rest.empty()) {
      int v = 0;
      if (!TryStrToInt(CutToken(rest, "*"), v)) break;
      values[n++] = v;
    }
    if (n > 0) splash_step_ = values[0];
    if (n >= 5) splash_bar_->setGeometry(values[1], values[2], values[3], values[4]);
    else if (n >= 3) splash_bar_->move(values[1], values[2]);
  }
  if (QScreen* screen = QGuiApplication::primaryScreen())
    splash_window_->move(screen->geometry().center() - splash_window_->rect().center());
  splash_window_->show();
  QCoreApplication::processEvents();
}

void TSkStract::StepSplash() {
  if (!splash_bar_) return;
  splash_bar_->setValue(NextSplashPosition(splash_bar_->value(), splash_step_));
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool TSkStract::eventFilter(QObject* watched, QEvent* event) {
  // Only this engine's own images are watched: a click reaches the engine that made it, once.
  if (event->type() == QEvent::MouseButtonRelease && ElementType(watched) == "image") ElementClick(watched);
  return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- commands

void TSkStract::ExecuteCommand(const std::string& text) {
  RHelpAction request;
  request.Action = text;
  DispatchAction(request);
}

void TSkStract::ElementClick(QObject* sender) {
  RHelpAction request;
  const std::string type = ElementType(sender);
  const std::string action = ElementAction(sender);
  if (auto* combo = qobject_cast<TSkComboBox*>(sender)) {
    if (combo->ItemIndex() < 0) return;
    request.Action = InsertValue(action, combo->GetSelectedValue(), false);
  } else if (auto* tree = qobject_cast<TSkTree*>(sender)) {
    request.Action = tree->ClickAction();
    if (request.Action.empty()) return;
  } else if (auto* list = qobject_cast<TSkListBox*>(sender)) {
    const int index = list->ItemIndex();
    const std::string value = index >= 0 && index < list->count() ? list->GetItemValue(index) : std::string();
    if (value.empty()) return;
    request.Action = InsertValue(action, value, true);
  } else if (type == "button" || type == "sp_button") {
    request.Action = action;
    FillAnchor(static_cast<QWidget*>(sender), request);
  } else if (qobject_cast<TSkItem*>(sender)) {
    request.Action = action;
  } else if (type == "image" || type == "panel") {
    request.Action = action;
  } else if (auto* check = qobject_cast<QCheckBox*>(sender)) {
    request.Action = InsertValue(action, check->isChecked() ? "1" : "0", true);
    // The controlled elements follow the box before its command runs.
    if (auto* box = qobject_cast<TSkCheckBox*>(check)) {
      for (const std::string& name : box->ControlledNames()) {
        if (auto* target = qobject_cast<QWidget*>(GetControl(name))) target->setEnabled(check->isChecked());
        else if (!AllElementsHave(name)) ShowError(msg::EnableControlHint(NameOf(check)));
      }
    }
  }
  if (dispatch_depth_ == 0) DispatchFromEvent(request);
  else DispatchAction(request);
}

void TSkStract::ElementKeyDown(QObject* sender, int key, Qt::KeyboardModifiers) {
  RHelpAction request;
  if (ElementType(sender) == "edit_box" && key == 13) request.Action = ElementAction(sender);
  if (dispatch_depth_ == 0) DispatchFromEvent(request);
  else DispatchAction(request);
}

void TSkStract::DispatchFromEvent(const RHelpAction& request) {
  // An error must not leave a Qt event handler: it ends the dispatch and the
  // application's default error box shows it.
  try {
    DispatchAction(request);
  } catch (const std::exception& e) {
    CurrentPlatform().ShowErrorBox(e.what());
  }
}

const std::vector<TSkStract::CommandEntry>& TSkStract::CommandTable() {
  static const std::vector<CommandEntry> table = {
      {"form_close", &TSkStract::CmdFormClose},
      {"form_mini", &TSkStract::CmdFormMini},
      {"form_maxi", &TSkStract::CmdFormMaxi},
      {"form_show", &TSkStract::CmdFormShow},
      {"run", &TSkStract::CmdRun},
      {"help_id", &TSkStract::CmdHelpId},
      {"help", &TSkStract::CmdHelp},
      {"test", &TSkStract::CmdTest},
      {"click_but", &TSkStract::CmdClickBut},
      {"click_spbut", &TSkStract::CmdClickSpBut},
      {"spbutton_down", &TSkStract::CmdSpeedButtonDown},
      {"sbutton_down", &TSkStract::CmdSpeedButtonDown},
      {"button_show_or_hide", &TSkStract::CmdShowOrHide},
      {"spbutton_show_or_hide", &TSkStract::CmdShowOrHide},
      {"panel_show_or_hide", &TSkStract::CmdShowOrHide},
      {"split_show_or_hide", &TSkStract::CmdShowOrHide},
      {"visible", &TSkStract::CmdVisible},
      {"enabled", &TSkStract::CmdEnabled},
      {"menu_show", &TSkStract::CmdMenuShow},
      {"html_load", &TSkStract::CmdHtml},
      {"html_back", &TSkStract::CmdHtml},
      {"html_forward", &TSkStract::CmdHtml},
      {"html_go_history", &TSkStract::CmdHtml},
      {"html_go_top", &TSkStract::CmdHtml},
      {"html_copy", &TSkStract::CmdHtml},
      {"html_sel_all", &TSkStract::CmdHtml},
      {"tree_go", &TSkStract::CmdTree},
      {"tree_go_history", &TSkStract::CmdTree},
      {"tree_back", &TSkStract::CmdTree},
      {"tree_forward", &TSkStract::CmdTree},
      {"tree_next", &TSkStract::CmdTree},
      {"tree_prev", &TSkStract::CmdTree},
      {"tree_expand", &TSkStract::CmdTree},
      {"tree_collapse", &TSkStract::CmdTree},
      {"tree_show_or_hide", &TSkStract::CmdTree},
  };
  return table;
}

void TSkStract::DispatchAction(const RHelpAction& request) {
  if (request.Action.empty()) return;
  if (dispatch_depth_ >= kMaxDispatchDepth) {
    ShowError(msg::CommandLoop(request.Action));
    return;
  }
  ++dispatch_depth_;
  QPointer<TSkStract> alive(this);
  // A command may end this engine's life (its window closed): then nothing of it is touched again.
  struct DepthGuard {
    QPointer<TSkStract>& engine;
    ~DepthGuard() {
      if (engine) --engine->dispatch_depth_;
    }
  } guard{alive};

  const TSkCommand commands(request.Action);
  for (int i = 0; i < commands.Count(); ++i) {
    const RCommand& c = commands.Commands()[static_cast<size_t>(i)];
    // Both parameters are read first: an open-file parameter asks even for a forwarded command.
    const std::string p1 = GetParam(c.Params, 0);
    const std::string p2 = GetParam(c.Params, 1);
    const CommandEntry* entry = nullptr;
    for (const auto& e : CommandTable())
      if (c.Name == e.name) entry = &e;
    if (entry) {
      (this->*entry->run)(commands, i, p1, p2, request);
      if (!alive) return;
      if (c.Name == "form_close" && p1.empty()) return;  // the program is ending
      continue;
    }
    if (c.Name == "nil") continue;
    if (OnHelpAction) {
      RHelpAction forwarded = request;
      forwarded.Action = ForwardText(commands, i);
      OnHelpAction(forwarded);
      return;
    }
  }
}

void TSkStract::CmdFormClose(const TSkCommand&, int, const std::string& p1, const std::string&,
                             const RHelpAction&) {
  // Images put their fitting aside first (the image element lands later).
  if (!p1.empty()) {
    const int result = StrToInt(p1);
    window_->done(result);
    return;
  }
  window_->close();
  QCoreApplication::exit(0);
}

void TSkStract::CmdFormMini(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&) {
  if (window_->isMinimized()) window_->showNormal();
  else window_->showMinimized();
}

void TSkStract::CmdFormMaxi(const TSkCommand&, int, const std::string&, const std::string&, const RHelpAction&) {
  if (window_->isMaximized()) window_->showNormal();
  else window_->showMaximized();
  window_->update();
}

void TSkStract::CmdFormShow(const TSkCommand&, int, const std::string& p1, const std::string&,
                            const RHelpAction&) {
  if (p1.empty()) return;
  auto* form = new TfrmFORM(window_);
  {
    // The engine goes before its window, so its state is saved and its elements freed first.
    std::unique_ptr<TSkStract> engine(new TSkStract(form, p1));
    try {
      engine->LoadStruct();
      engine->ShowPage();
      form->exec();
    } catch (...) {
      engine.reset();
      delete form;
      throw;
    }
  }
  delete form;
}

void TSkStract::CmdRun(const TSkCommand&, int, const std::string& p1, const std::string& p2,
                       const RHelpAction&) {
  if (p1.empty()) return;
  CurrentPlatform().RunProgram(GetProgramPath(p1), p2);
}

void TSkStract::CmdHelpId(const TSkCommand&, int, const std::string& p1, const std::string&,
                          const RHelpAction&) {
  help_topic_ = p1;
}

void TSkStract::CmdHelp(const TSkCommand&, int, const std::string& p1, const std::string& p2,
                        const RHelpAction&) {
  const std::string file = GetProgramPath(p1);
  if (file.empty()) return;
  const std::string topic = p2.empty() ? help_topic_ : p2;
  CurrentPlatform().ShellOpen(topic.empty() ? file : file + "#" + topic, "", "open");
}

void TSkStract::CmdTest(const TSkCommand&, int, const std::string& p1, const std::string& p2,
                        const RHelpAction&) {
  CurrentPlatform().ShowMessage(p1 + "*" + p2, MessageKind::Plain);
}

void TSkStract::CmdClickBut(const TSkCommand&, int, const std::string& p1, const std::string&,
                            const RHelpAction&) {
  if (QWidget* b = GetButton(p1)) ElementClick(b);
}

void TSkStract::CmdClickSpBut(const TSkCommand&, int, const std::string& p1, const std::string&,
                              const RHelpAction&) {
  if (QWidget* b = GetSpeedButton(p1)) ElementClick(b);
}

void TSkStract::CmdSpeedButtonDown(const TSkCommand& commands, int i, const std::string& p1,
                                   const std::string& p2, const RHelpAction&) {
  QWidget* w = GetSpeedButton(p1);
  if (!w) return;
  const bool toggle = commands.Commands()[static_cast<size_t>(i)].Name == "sbutton_down";
  if (auto* b = qobject_cast<TSkSpeedButton*>(w)) {
    if (toggle) b->ToggleDown();
    else b->SetDownRemembered(ParseBool(p2, true));
  } else if (auto* t = qobject_cast<QToolButton*>(w)) {
    // A plain tool button: its checked state is the down state it remembers.
    t->setCheckable(true);
    t->setChecked(toggle ? !t->isChecked() : ParseBool(p2, true));
  }
}

void TSkStract::CmdShowOrHide(const TSkCommand& commands, int i, const std::string& p1, const std::string&,
                              const RHelpAction&) {
  const std::string& name = commands.Commands()[static_cast<size_t>(i)].Name;
  if (name == "button_show_or_hide") {
    if (auto* b = qobject_cast<TSkButton*>(GetButton(p1))) b->ShowOrHide();
  } else if (name == "spbutton_show_or_hide") {
    if (auto* b = qobject_cast<TSkSpeedButton*>(GetSpeedButton(p1))) b->ShowOrHide();
  } else if (name == "panel_show_or_hide") {
    if (auto* p = qobject_cast<TSkPanel*>(GetPanel(p1))) p->ShowOrHide();
  } else if (name == "split_show_or_hide") {
    if (auto* s = qobject_cast<TSkSplitter*>(GetSplitter(p1))) s->ShowOrHide();
  }
}

void TSkStract::CmdVisible(const TSkCommand&, int, const std::string& p1, const std::string& p2,
                           const RHelpAction&) {
  QObject* o = GetControl(p1);
  auto* w = qobject_cast<QWidget*>(o);
  if (w && !qobject_cast<QMenu*>(w)) w->setVisible(ParseBool(p2, true));  // a menu is not a control
}

void TSkStract::CmdEnabled(const TSkCommand&, int, const std::string& p1, const std::string& p2,
                           const RHelpAction&) {
  QObject* o = GetControl(p1);
  if (auto* w = qobject_cast<QWidget*>(o)) w->setEnabled(ParseBool(p2, true));
}

void TSkStract::CmdMenuShow(const TSkCommand&, int, const std::string& p1, const std::string& p2,
                            const RHelpAction& request) {
  QMenu* menu = GetPopMenu(p1);
  if (!menu) return;
  RHelpAction anchor = request;
  if (anchor.AnchorHeight == 0 && anchor.AnchorX == 0 && anchor.AnchorY == 0 && !p2.empty()) {
    QWidget* b = GetButton(p2);
    if (!b) b = qobject_cast<QWidget*>(Find(p2, "sp_button"));  // the button lookup reported already
    if (b) FillAnchor(b, anchor);
    else CurrentPlatform().ShowMessage(msg::MenuShowNotFound(p2), MessageKind::Plain);
  }
  menu->popup(QPoint(anchor.AnchorX, anchor.AnchorY + anchor.AnchorHeight));
}

void TSkStract::CmdHtml(const TSkCommand& commands, int i, const std::string& p1, const std::string& p2,
                        const RHelpAction&) {
  const std::string& name = commands.Commands()[static_cast<size_t>(i)].Name;
  TSkHtml* h = GetHtml(p1);
  if (!h) return;
  if (name == "html_load") h->HtmlLoad(p2);
  else if (name == "html_back") h->HtmlBack();
  else if (name == "html_forward") h->HtmlForward();
  else if (name == "html_go_history") h->HtmlGoHistory(StrToInt(p2));
  else if (name == "html_go_top") h->HtmlGoTop();
  else if (name == "html_copy") h->HtmlCopy();
  else if (name == "html_sel_all") h->HtmlSelAll();
}

void TSkStract::CmdTree(const TSkCommand& commands, int i, const std::string& p1, const std::string& p2,
                        const RHelpAction&) {
  const std::string& name = commands.Commands()[static_cast<size_t>(i)].Name;
  TSkTree* t = GetTree(p1);
  if (!t) return;
  if (name == "tree_go") t->TreeGo(p2);
  else if (name == "tree_go_history") t->GoHistory(StrToInt(p2));
  else if (name == "tree_back") t->TreeBack();
  else if (name == "tree_forward") t->TreeForward();
  else if (name == "tree_next") t->GoNext();
  else if (name == "tree_prev") t->GoPrev();
  else if (name == "tree_expand") t->TreeExpand();
  else if (name == "tree_collapse") t->TreeCollapse();
  else if (name == "tree_show_or_hide") t->ShowOrHide();
}

}  // namespace remont
