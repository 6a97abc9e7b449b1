#include "description/qt/SkStract.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QScrollArea>
#include <QStackedWidget>

#include "archive/Pack.h"
#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/Messages.h"
#include "common/Platform.h"
#include "common/qt/QtText.h"
#include "description/BuildPlan.h"
#include "common/qt/Cursors.h"
#include "description/qt/ListItemHints.h"
#include "description/qt/SharedKeys.h"
#include "description/qt/Splash.h"
#include "elements/qt/Element.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/ParentPanel.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkPanel.h"
#include "elements/qt/SkSkin.h"
#include "elements/qt/SkTree.h"
#include "pages/qt/SkHtml.h"

namespace remont {
namespace {

constexpr char kTypeProperty[] = "skType";

std::string NameOf(const QObject* o) { return FromQ(o->objectName()); }

}  // namespace

TSkStract::TSkStract(TSkForm* window, const std::string& description_file)
    : QObject(window), window_(window), file_(description_file) {
  window_->SetFramePainting(false);
  window_->maximise_handler = [this](bool m) { MaximizeChanged(m); };
  skin_ = std::make_unique<TSkSkin>(window_);
  splash_ = std::make_unique<TSplash>();
  window_->command_receiver = [this](const RHelpAction& r) { DispatchFromEvent(r); };
  window_->description_file = description_file;
}

TSkStract::~TSkStract() {
  reader_.reset();
  if (save_position_) SavePos();
  CloseSplash();
  window_->SetFramePainting(false);
  window_->hide();
  // The window's hooks must not call an engine that is gone.
  window_->command_receiver = nullptr;
  window_->size_hook = nullptr;
  window_->resizing_hook = nullptr;
  window_->maximise_handler = nullptr;
  for (auto it = all_.rbegin(); it != all_.rend(); ++it)
    if (*it) delete it->data();
  all_.clear();
  lists_.clear();
  skin_.reset();
  WriteFavorites(true);
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
        QStackedWidget* nb = window_->Notebook();
        if (!nb) {
          nb = window_->CreateNotebook();
          nb->addWidget(new QWidget(nb));
          nb->setCurrentIndex(0);
          window_->SetNotebookMoving(window_->moving);
        } else {
          auto* page = new QWidget(nb);
          page->setObjectName(QString("p%1").arg(nb->count()));
          nb->addWidget(page);
          nb->setCurrentWidget(page);
        }
        page_index_ = nb->currentIndex();
        // The page gets its size now: anchors measure the parent's client area,
        // and a hidden window has not laid out its notebook yet.
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
          parent->setAutoFillBackground(true);
          QPalette pal = parent->palette();
          pal.setColor(QPalette::Window, ToQColor(window_->page_colour));
          parent->setPalette(pal);
        }
        if (element) {
          // A scroll box holds its elements on its inner area.
          if (auto* area = qobject_cast<QScrollArea*>(element)) element = area->widget();
          containers[LowerLatinCase(step.Section)] = element;
        }
        break;
      }
    }
  }

  ExecuteCommand(window_->start_command);
  ReadFavorite();
  splash_->Finish(splash_auto_close_);
  if (save_position_) LoadPos();
  window_->SetFramePainting(true);
  window_->size_hook = [this](int, int) { FormResized(); };
  window_->resizing_hook = [this] { FormResizing(); };
  InstallListItemHints();
}

void TSkStract::ShowPage() {
  if (!HasPage()) return;
  window_->Notebook()->setCurrentIndex(page_index_);
  window_->maximise_handler = [this](bool m) { MaximizeChanged(m); };
  window_->size_hook = [this](int, int) { FormResized(); };
  window_->resizing_hook = [this] { FormResizing(); };
  window_->command_receiver = [this](const RHelpAction& r) { DispatchFromEvent(r); };
  FormResized();
  SwapMaxButtons(window_->IsMaximised());
}

// ------------------------------------------------------------ construction

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
  lists_[type].emplace_back(element);
  all_.emplace_back(element);
}

QWidget* TSkStract::MakeObject(QWidget* parent, const std::string& section, const std::string& type_in) {
  const std::string type = LowerCase(type_in);
  const RElementType* entry = FindElementType(type);
  const RElementClass* element_class = FindElementClass(type);
  if (entry && entry->Kind == EElementKind::Form) {
    SetProperty(window_, section, type);
    return nullptr;
  }
  if (entry && entry->Kind == EElementKind::HotKey) {
    BuildHotKeys(section);
    return nullptr;
  }
  if (entry && entry->Kind == EElementKind::None) return nullptr;
  if (!entry || !element_class) {
    ShowError(msg::UnknownType(section, type));
    return nullptr;
  }
  QObject* element = element_class->Make(parent, section, *this);
  if (auto* w = qobject_cast<QWidget*>(element); w && entry->ThemeDefault) SetThemeObject(w, "default");
  NameElement(element, element->parent(), section);
  element->setProperty(kTypeProperty, QByteArray::fromStdString(type));
  if (TElement* e = TElement::Of(element)) {
    e->OnClick = [this, element] { ElementClick(element); };
    e->OnKeyDown = [this, element](int key, Qt::KeyboardModifiers shift) { ElementKeyDown(element, key, shift); };
  }
  if (entry->Kind == EElementKind::PopMenu) BuildMenu(qobject_cast<QMenu*>(element), section);
  else SetProperty(element, section, type);
  // Listed once its keys are applied.
  Register(element, type);
  return entry->HoldsElements ? qobject_cast<QWidget*>(element) : nullptr;
}

void TSkStract::BuildHotKeys(const std::string& section) {
  for (const std::string& key : reader_->ReadSectionKeys(section))
    if (LowerCase(key) != "type") window_->AddHotKey(reader_->ReadString(section, key));
}

void TSkStract::SetProperty(QObject* element, const std::string& section, const std::string& type_in) {
  StepSplash();
  const std::string type = LowerCase(type_in);
  if (reader_->ReadSectionKeys(section).empty()) return;
  const RElementType* entry = FindElementType(type);
  if (!entry || (entry->Kind != EElementKind::Form && !FindElementClass(type))) {
    CurrentPlatform().ShowMessage(msg::NoKeyTable(section, type), MessageKind::Plain);
    return;
  }
  ApplyKeys(element, *entry, section);
}

void TSkStract::ApplyKeys(QObject* element, const RElementType& type, const std::string& section) {
  const std::vector<std::string> keys = reader_->ReadSectionKeys(section);
  auto* w = qobject_cast<QWidget*>(element);
  const bool form = type.Kind == EElementKind::Form;
  const RElementClass* element_class = form ? nullptr : FindElementClass(type.Name);
  // The moves of the shared keys are not to be followed as anchors.
  const TAnchors anchors_before = w ? GetAnchors(w) : TAnchors{};
  if (w) SetAnchors(w, {});

  // The shared keys, from the last written to the first.
  for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
    const RElementKey* spec = FindKey(SharedKeys(), *it);
    if (spec && w) ApplySharedKey(*w, w == window_, TKeyValue(*spec, reader_->ReadString(section, *it), *this));
  }
  // Then the type's own keys as written; a key the type does not list is ignored.
  for (const std::string& key : keys) {
    if (const RElementKey* spec = FindKey(type.Keys, key)) {
      const std::string value = reader_->ReadString(section, key);
      const TKeyValue v(*spec, value, *this);
      if (form) {
        for (const RFormKey& f : FormKeys())
          if (f.Name == spec->Name) f.Set(*this, v);
      } else {
        for (const RKeySetter& setter : element_class->Keys)
          if (setter.Name == spec->Name) setter.Set(*element, v);
      }
    }
    if (element_class && element_class->AfterEachKey) element_class->AfterEachKey(*element, *this);
  }
  if (element_class && element_class->AfterKeys) element_class->AfterKeys(*element);

  // Anchors set aside come back when no anchor key set any.
  if (w && !anchors_before.Empty() && GetAnchors(w).Empty()) SetAnchors(w, anchors_before);
  // Keys may have moved or resized an aligned element: its container lays it out again.
  if (w && w != window_) RequestAlign(w);
}

// ------------------------------------------------------------------- lookups

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

QObject* TSkStract::Find(const std::string& name, const std::string& type) const {
  for (QObject* o : Elements(type))
    if (SameText(NameOf(o), name)) return o;
  return nullptr;
}

QObject* TSkStract::FindElement(const std::string& name) const {
  for (QObject* o : AllElements())
    if (SameText(NameOf(o), name)) return o;
  return nullptr;
}

QObject* TSkStract::GetControl(const std::string& name) {
  if (QObject* o = FindElement(name)) return o;
  ShowError(msg::GetControlNotFound(name));
  return nullptr;
}

QObject* TSkStract::GetComponent(const std::string& name, std::string_view type) {
  if (type.empty()) return GetControl(name);
  if (QObject* o = Find(name, std::string(type))) return o;
  ShowError(msg::GetComponentNotFound(name));
  return nullptr;
}

QObject* TSkStract::FindComponent(const std::string& name, std::string_view type) const {
  return type.empty() ? FindElement(name) : Find(name, std::string(type));
}

TSkHtml* TSkStract::GetHtml(const std::string& n) { return dynamic_cast<TSkHtml*>(GetComponent(n, "html")); }
TSkTree* TSkStract::GetTree(const std::string& n) { return dynamic_cast<TSkTree*>(GetComponent(n, "tree")); }
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

// The first element of the list whose action's first "*"-field is name and,
// when text is not empty, whose remainder is text (Latin case ignored).
static QWidget* FindByActionKey(const std::vector<QObject*>& list, const std::string& name, const std::string& text) {
  for (QObject* o : list) {
    const TElement* e = TElement::Of(o);
    std::string rest = e ? e->Action() : std::string();
    if (!SameText(CutToken(rest, "*"), name)) continue;
    if (text.empty() || SameText(rest, text)) return qobject_cast<QWidget*>(o);
  }
  return nullptr;
}

QWidget* TSkStract::GetComboBoxByKey(const std::string& name) {
  return FindByActionKey(Elements("combo_box"), name, {});
}

QWidget* TSkStract::GetSpeedButtonByKey(const std::string& name, const std::string& text) {
  return FindByActionKey(Elements("sp_button"), name, text);
}

void TSkStract::ShowError(const std::string& text) {
  if (!message_switch) return;
  CurrentPlatform().ShowMessage(file_ + "\r\n" + text, MessageKind::Error);
}

// ------------------------------------------------------------ notifications

void TSkStract::FormResized() {
  for (QObject* o : Elements("panel"))
    if (auto* p = dynamic_cast<TSkPanel*>(o)) p->Recenter();
  for (QObject* o : Elements("parent_panel"))
    if (auto* p = dynamic_cast<TParentPanel*>(o)) {
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
    if (auto* p = dynamic_cast<TParentPanel*>(o)) p->RemeasurePercentSize();
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

void TSkStract::ShowSplash(const std::string& spec) { splash_->Show(spec); }
void TSkStract::StepSplash() { splash_->Step(); }
void TSkStract::CloseSplash() { splash_->Close(); }
QWidget* TSkStract::SplashWindow() const { return splash_->Window(); }
QProgressBar* TSkStract::SplashBar() const { return splash_->Bar(); }

}  // namespace remont
