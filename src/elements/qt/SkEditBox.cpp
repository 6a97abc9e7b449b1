#include "elements/qt/SkEditBox.h"

#include <QKeyEvent>

#include "common/qt/QtText.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkForm.h"

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
  // The engine hears every key, before the box handles it, as a virtual-key code.
  RaiseKeyDown(QtKeyToVirtualKey(event->key()), event->modifiers());
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

std::string TSkEditBox::KeyAction(int virtual_key) const { return virtual_key == 13 ? Action() : std::string(); }

namespace {

RElementClass MakeEditBoxClass() {
  using E = TSkEditBox;
  RElementClass c;
  c.Type = "edit_box";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkEditBox(parent); };
  c.Keys = {
      ActionKey(),
      HintKey(),
      Key<E>("only_number", [](E& e, const TKeyValue& v) { e.SetNumeric(v.Bool()); }),
      Key<E>("min_link", [](E& e, const TKeyValue& v) {
        if (auto* other = v.ElementAs<TSkEditBox>()) e.SetMinLink(other);
      }),
      AnchorKey(),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeEditBoxClass());

}  // namespace remont
