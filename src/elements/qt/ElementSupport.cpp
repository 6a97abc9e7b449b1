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
  if (QWidget* parent = element->parentWidget()) TAnchorKeeper::For(parent)->Set(element, anchors);
}

TAnchors GetAnchors(const QWidget* element) {
  QWidget* parent = element->parentWidget();
  if (!parent) return {};
  auto* keeper = parent->findChild<TAnchorKeeper*>(QString(), Qt::FindDirectChildrenOnly);
  return keeper ? keeper->Get(element) : TAnchors{};
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
  if (!parent) return;
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

TAnchorKeeper::TAnchorKeeper(QWidget* parent) : QObject(parent), parent_(parent) {
  parent->installEventFilter(this);
}

TAnchorKeeper* TAnchorKeeper::For(QWidget* parent) {
  if (auto* k = parent->findChild<TAnchorKeeper*>(QString(), Qt::FindDirectChildrenOnly)) return k;
  return new TAnchorKeeper(parent);
}

void TAnchorKeeper::Capture(QWidget* child, Entry& e) {
  e.rect = {child->x(), child->y(), child->width(), child->height()};
  e.parent_size = ClientSize(parent_);
}

void TAnchorKeeper::Set(QWidget* child, const TAnchors& anchors) {
  if (anchors.Empty()) {
    if (entries_.erase(child)) child->removeEventFilter(this);
    return;
  }
  const bool known = entries_.count(child) != 0;
  Entry& e = entries_[child];
  e.anchors = anchors;
  Capture(child, e);
  if (!known) {
    child->installEventFilter(this);
    connect(child, &QObject::destroyed, this, [this, child] { entries_.erase(child); });
  }
}

TAnchors TAnchorKeeper::Get(const QWidget* child) const {
  auto it = entries_.find(const_cast<QWidget*>(child));
  return it == entries_.end() ? TAnchors{} : it->second.anchors;
}

void TAnchorKeeper::Follow() {
  const QSize now = ClientSize(parent_);
  moving_ = true;
  for (auto& [child, e] : entries_) {
    const TRect r = FollowAnchors(e.anchors, e.rect, e.parent_size.width(), e.parent_size.height(),
                                  now.width(), now.height());
    child->setGeometry(r.left, r.top, r.width, r.height);
  }
  moving_ = false;
}

bool TAnchorKeeper::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent_) {
    if (event->type() == QEvent::Resize) Follow();
    return false;
  }
  if (!moving_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
    // Moved by someone else (a key, a splitter, ShowOrHide): the new place is
    // the one to keep.
    auto it = entries_.find(static_cast<QWidget*>(watched));
    if (it != entries_.end() && it->first->parentWidget() == parent_) Capture(it->first, it->second);
  }
  return false;
}

}  // namespace remont
