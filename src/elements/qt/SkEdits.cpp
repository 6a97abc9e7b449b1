#include "elements/qt/SkEdits.h"

#include <QKeyEvent>
#include <climits>
#include <cmath>

#include "common/qt/QtText.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkEditBox::TSkEditBox(QWidget* parent) : QLineEdit(parent) {
  setTextMargins(1, 1, 1, 1);  // the border width of 1
  SetShowHint(this, true);
  setFocusPolicy(Qt::StrongFocus);
  setText(QString());
}

std::string TSkEditBox::Text() const { return FromQ(text()); }
void TSkEditBox::SetText(const std::string& text) { setText(ToQ(text)); }
std::string TSkEditBox::NumberText() const { return Text(); }
void TSkEditBox::SetNumberText(const std::string& text) { SetText(text); }

void TSkEditBox::keyPressEvent(QKeyEvent* event) {
  emit elementKeyDown(event->key(), event->modifiers());
  if (Numeric()) {
    // Only digits are typed into a numeric box: every other character, and
    // Backspace, is dropped. Keys that type nothing (arrows, Delete) still work.
    if (event->key() == Qt::Key_Backspace) {
      event->accept();
      return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && event->key() != Qt::Key_Delete) {
      for (const QChar c : typed) {
        if (!KeyAccepted(c.unicode())) {
          event->accept();
          return;
        }
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TSkEditBox::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  KeyReleased();
}

TSkSpinEdit::TSkSpinEdit(QWidget* parent) : QSpinBox(parent) {
  SetShowHint(this, true);
  setFocusPolicy(Qt::StrongFocus);
  // The control itself sets no limit; the bounds below do.
  setRange(INT_MIN, INT_MAX);
  setValue(0);
  connect(this, &QSpinBox::valueChanged, this, &TSkSpinEdit::Changed);
}

void TSkSpinEdit::Put(long double v) {
  const long double r = std::round(v);
  const int n = r < INT_MIN ? INT_MIN : r > INT_MAX ? INT_MAX : static_cast<int>(r);
  if (n != value()) setValue(n);
}

void TSkSpinEdit::Changed(int v) {
  // The clamped value comes back through this handler; with a lower bound
  // above the upper one the two would push the value to and fro for ever.
  if (clamping_) return;
  clamping_ = true;
  Put(bounds_.Clamp(v));
  clamping_ = false;
}
void TSkSpinEdit::SetUpperBound(int n) { Put(bounds_.SetUpperBound(n, value())); }
void TSkSpinEdit::SetLowerBound(int n) { Put(bounds_.SetLowerBound(n, value())); }

}  // namespace remont
