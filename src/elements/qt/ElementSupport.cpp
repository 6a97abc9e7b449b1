#include "elements/qt/ElementSupport.h"

#include <QEvent>
#include <QPalette>

namespace remont {

QColor ToQColor(int colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

void SetThemeObject(QWidget* element, const std::string& name) {
  element->setProperty("themeObject", QString::fromStdString(name));
}

void SetShowHint(QWidget* element, bool on) { element->setProperty("showHint", on); }

RHelpAction ActionWithAnchor(const QWidget* element, const std::string& action) {
  RHelpAction a;
  a.Action = action;
  a.AnchorHeight = element->height();
  const QPoint origin = element->mapToGlobal(QPoint(0, 0));
  a.AnchorX = origin.x();
  a.AnchorY = origin.y();
  return a;
}

bool ElementVisible(const QWidget* element) {
  return !(element->isHidden() && element->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

void InvertVisible(QWidget* element) { element->setVisible(!ElementVisible(element)); }

QSize ClientSize(const QWidget* parent) { return parent ? parent->contentsRect().size() : QSize(); }

QSize OuterSize(const QWidget* parent) {
  if (!parent) return {};
  return parent->isWindow() ? parent->frameGeometry().size() : parent->size();
}

QFont ApplyFontSpec(QWidget* element, const std::string& spec) {
  const TFontChange change = ParseFont(spec);
  QFont font = element->font();
  if (change.name) font.setFamily(QString::fromStdString(*change.name));
  if (change.size && *change.size > 0) font.setPointSize(*change.size);
  if (change.style) {
    font.setBold(change.style->bold);
    font.setItalic(change.style->italic);
    font.setUnderline(change.style->underline);
  }
  element->setFont(font);
  if (change.colour) {
    QPalette p = element->palette();
    const QColor c = ToQColor(*change.colour);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    element->setPalette(p);
  }
  return font;
}

void SetAnchors(QWidget* element, const TAnchors& anchors) {
  if (QWidget* parent = element->parentWidget()) TChildLayout::For(parent)->SetAnchors(element, anchors);
}

TAnchors GetAnchors(const QWidget* element) {
  const TChildLayout* layout = TChildLayout::Find(element->parentWidget());
  return layout ? layout->Anchors(element) : TAnchors{};
}

void SetAlign(QWidget* element, EAlign align) {
  QWidget* parent = element->parentWidget();
  if (!parent || element->isWindow()) return;
  TChildLayout::For(parent)->SetAlign(element, align);
}

EAlign GetAlign(const QWidget* element) {
  const TChildLayout* layout = TChildLayout::Find(element->parentWidget());
  return layout ? layout->Align(element) : EAlign::None;
}

void RequestAlign(QWidget* element) {
  if (!IsLaidOut(GetAlign(element))) return;
  if (TChildLayout* layout = TChildLayout::Find(element->parentWidget())) layout->Relayout();
}

void RelayoutChildren(QWidget* container) {
  if (TChildLayout* layout = TChildLayout::Find(container)) layout->Relayout();
}

void TCentring::SetCenterHorz(bool on) {
  center_horz_ = on;
  if (on) Recenter();
}

void TCentring::SetCenterVert(bool on) {
  center_vert_ = on;
  if (on) Recenter();
}

void TCentring::Recenter() {
  QWidget* self = CentredWidget();
  const QWidget* parent = self->parentWidget();
  if (!parent || IsLaidOut(GetAlign(self))) return;  // the alignment places it
  const QSize outer = OuterSize(parent);
  QPoint pos = self->pos();
  if (center_horz_) pos.setX(CenteredPos(outer.width(), self->width()));
  if (center_vert_) pos.setY(CenteredPos(outer.height(), self->height()));
  self->move(pos);
}

void ApplyAnchorKey(QWidget* element, const std::string& spec) {
  QWidget* parent = element->parentWidget();
  TAnchorInput in;
  in.spec = spec;
  const QSize client = ClientSize(parent);
  const QSize outer = OuterSize(parent);
  in.client_width = client.width();
  in.client_height = client.height();
  in.outer_width = outer.width();
  in.outer_height = outer.height();
  in.rect = {element->x(), element->y(), element->width(), element->height()};
  auto* centring = dynamic_cast<TCentring*>(element);
  in.panel = centring != nullptr;
  const TAnchorResult r = ApplyAnchor(in);
  SetAnchors(element, {});  // the move below is not to be followed
  if (centring) {
    if (r.center_horz) centring->SetCenterHorz(true);
    if (r.center_vert) centring->SetCenterVert(true);
  }
  element->setGeometry(r.rect.left, r.rect.top, r.rect.width, r.rect.height);
  SetAnchors(element, r.anchors);
}

TChildLayout::TChildLayout(QWidget* container) : QObject(container), container_(container) {
  setObjectName("childLayout");
  container->installEventFilter(this);
}

TChildLayout* TChildLayout::For(QWidget* container) {
  if (TChildLayout* layout = Find(container)) return layout;
  return new TChildLayout(container);
}

TChildLayout* TChildLayout::Find(const QWidget* container) {
  if (!container) return nullptr;
  return container->findChild<TChildLayout*>(QString(), Qt::FindDirectChildrenOnly);
}

void TChildLayout::Watch(QWidget* child) {
  if (anchored_.count(child) || aligned_.count(child)) return;
  child->installEventFilter(this);
  connect(child, &QObject::destroyed, this, [this, child] {
    anchored_.erase(child);
    aligned_.erase(child);
  });
}

void TChildLayout::Capture(QWidget* child, Anchored& e) {
  e.rect = {child->x(), child->y(), child->width(), child->height()};
  e.parent_size = ClientSize(container_);
}

void TChildLayout::SetAnchors(QWidget* child, const TAnchors& anchors) {
  if (anchors.Empty()) {
    anchored_.erase(child);
    return;
  }
  Watch(child);
  Anchored& e = anchored_[child];
  e.anchors = anchors;
  Capture(child, e);
}

TAnchors TChildLayout::Anchors(const QWidget* child) const {
  auto it = anchored_.find(const_cast<QWidget*>(child));
  return it == anchored_.end() ? TAnchors{} : it->second.anchors;
}

void TChildLayout::SetAlign(QWidget* child, EAlign align) {
  if (align == EAlign::None) {
    aligned_.erase(child);
    return;
  }
  Watch(child);
  aligned_[child] = align;
  Relayout();
}

EAlign TChildLayout::Align(const QWidget* child) const {
  auto it = aligned_.find(const_cast<QWidget*>(child));
  return it == aligned_.end() ? EAlign::None : it->second;
}

std::vector<QWidget*> TChildLayout::AlignedChildren() const {
  std::vector<QWidget*> out;
  for (QObject* o : container_->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && aligned_.count(w)) out.push_back(w);
  }
  return out;
}

std::vector<RAlignChild> TChildLayout::Describe(const std::vector<QWidget*>& children) const {
  std::vector<RAlignChild> out;
  for (QWidget* w : children) {
    RAlignChild c;
    c.align = Align(w);
    c.visible = ElementVisible(w);
    c.rect = {w->x(), w->y(), w->width(), w->height()};
    c.min_width = w->minimumWidth();
    c.min_height = w->minimumHeight();
    c.max_width = w->maximumWidth();
    c.max_height = w->maximumHeight();
    out.push_back(c);
  }
  return out;
}

void TChildLayout::Place(QWidget* child, const TRect& r) {
  if (child->geometry() == QRect(r.left, r.top, r.width, r.height)) return;
  child->setGeometry(r.left, r.top, r.width, r.height);
  // A container that is not shown gets its resize event only when it is: its
  // own children are laid out now.
  if (!child->isVisible()) RelayoutChildren(child);
}

void TChildLayout::Realign() {
  const std::vector<QWidget*> children = AlignedChildren();
  if (children.empty()) return;
  const QRect client = container_->contentsRect();
  const std::vector<TRect> rects =
      AlignChildren({client.x(), client.y(), client.width(), client.height()}, Describe(children));
  for (size_t i = 0; i < children.size(); ++i)
    if (IsLaidOut(Align(children[i])) && ElementVisible(children[i])) Place(children[i], rects[i]);
}

void TChildLayout::Follow() {
  const QSize now = ClientSize(container_);
  for (auto& [child, e] : anchored_) {
    if (IsLaidOut(Align(child))) continue;  // the alignment has the last word
    const TRect r = FollowAnchors(e.anchors, e.rect, e.parent_size.width(), e.parent_size.height(),
                                  now.width(), now.height());
    Place(child, r);
  }
}

void TChildLayout::Relayout() {
  if (laying_out_) return;
  laying_out_ = true;
  Realign();
  Follow();
  laying_out_ = false;
}

bool TChildLayout::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == container_) {
    if (type == QEvent::Resize) Relayout();
    return false;
  }
  auto* child = static_cast<QWidget*>(watched);
  if (laying_out_ || child->parentWidget() != container_) return false;
  const bool geometry = type == QEvent::Move || type == QEvent::Resize;
  if (aligned_.count(child) && IsLaidOut(aligned_[child]) &&
      (geometry || type == QEvent::ShowToParent || type == QEvent::HideToParent)) {
    Relayout();
  } else if (geometry) {
    // Moved by someone else (a key, a splitter, ShowOrHide): the new place is
    // the one to keep.
    auto it = anchored_.find(child);
    if (it != anchored_.end()) Capture(child, it->second);
  }
  return false;
}

}  // namespace remont
