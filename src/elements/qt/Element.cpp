#include "elements/qt/Element.h"

#include <QMouseEvent>
#include <QWidget>

#include "common/ConvertError.h"
#include "elements/qt/ElementSupport.h"

namespace remont {
namespace {

// Hands every press on the element to the move handler; the element still
// gets the press.
class TPressFilter : public QObject {
 public:
  TPressFilter(QObject* parent, std::function<void(Qt::MouseButton)> handler)
      : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) handler_(static_cast<QMouseEvent*>(event)->button());
    return false;
  }

 private:
  std::function<void(Qt::MouseButton)> handler_;
};

}  // namespace

TElement* TElement::Of(QObject* object) { return dynamic_cast<TElement*>(object); }
const TElement* TElement::Of(const QObject* object) { return dynamic_cast<const TElement*>(object); }

RHelpAction TElement::ClickRequest(TElementHost&) {
  RHelpAction request;
  request.Action = action_;
  return request;
}

std::string TElement::KeyAction(int) const { return {}; }

QWidget* TElement::Widget() { return dynamic_cast<QWidget*>(this); }

void TElement::ShowOrHide() {
  if (QWidget* w = Widget()) {
    InvertVisible(w);
    RequestAlign(w);
  }
}

void TElement::ShowOrHideInPlace() {
  QWidget* w = Widget();
  if (!w) return;
  if (ElementVisible(w)) {
    saved_place_ = w->pos();
    w->hide();
    return;
  }
  w->show();
  w->move(saved_place_);
  RequestAlign(w);  // an aligned element goes where the alignment puts it
}

void TElement::SetWidthText(const std::string& text) {
  const int width = StrToInt(text);
  if (QWidget* w = Widget()) w->resize(width, w->height());
}

void TElement::SetHeightText(const std::string& text) {
  const int height = StrToInt(text);
  if (QWidget* w = Widget()) w->resize(w->width(), height);
}

void TElement::SetPressToMove(std::function<void(Qt::MouseButton)> handler) {
  QWidget* w = Widget();
  if (!w) return;
  if (press_filter_) {
    w->removeEventFilter(press_filter_);
    delete press_filter_;
    press_filter_ = nullptr;
  }
  if (!handler) return;
  press_filter_ = new TPressFilter(w, std::move(handler));
  w->installEventFilter(press_filter_);
}

}  // namespace remont
