#include "elements/qt/SkButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/qt/QtText.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

TSkButton::TSkButton(QWidget* parent) : QPushButton(parent) {
  SetShowHint(this, true);
  SetTransparent(true);
  setFocusPolicy(Qt::StrongFocus);
  SetThemeObject(this, "default");
  connect(this, &QPushButton::clicked, this, [this] { RaiseClick(); });
}

void TSkButton::SetCaption(const std::string& caption) { setText(ToQ(caption)); }

void TSkButton::SetTransparent(bool on) {
  setProperty("transparent", on);
  setAutoFillBackground(!on);
}

void TSkButton::SetCaptionAlign(const std::string& value) {
  const std::string a = LowerCase(Trim(value));
  caption_align_ = a == "left" ? Qt::AlignLeft : a == "right" ? Qt::AlignRight : Qt::AlignHCenter;
  setStyleSheet(a == "left" ? "text-align: left;" : a == "right" ? "text-align: right;" : "");
}

void TSkButton::SetWordWrap(bool on) {
  word_wrap_ = on;
  update();
}

void TSkButton::paintEvent(QPaintEvent* event) {
  if (!word_wrap_) {
    QPushButton::paintEvent(event);
    return;
  }
  // Qt's push button draws its caption on one line: the frame is the style's,
  // the caption is drawn here, broken at word boundaries.
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  painter.drawControl(QStyle::CE_PushButton, option);
  const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 0, -2, 0);
  painter.drawItemText(area, int(caption_align_ | Qt::AlignVCenter | Qt::TextWordWrap), palette(), isEnabled(),
                       caption, QPalette::ButtonText);
}

RHelpAction TSkButton::ClickRequest(TElementHost&) { return ActionWithAnchor(this, Action()); }

namespace {

RElementClass MakeButtonClass() {
  RElementClass c;
  c.Type = "button";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkButton(parent); };
  c.Keys = {
      ActionKey(),
      Key<TSkButton>("caption", [](TSkButton& b, const TKeyValue& v) { b.SetCaption(v.Text()); }),
      HintKey(),
      FontKey(),
      Key<TSkButton>("text_align", [](TSkButton& b, const TKeyValue& v) { b.SetCaptionAlign(v.Text()); }),
      Key<TSkButton>("transparent", [](TSkButton& b, const TKeyValue& v) { b.SetTransparent(v.Bool()); }),
      Key<TSkButton>("word_wrap", [](TSkButton& b, const TKeyValue& v) { b.SetWordWrap(v.Bool()); }),
      AnchorKey(),
      SkinFileKey(),
  };
  c.Commands = {
      Command<TSkButton>("click_but", [](TSkButton& b, const RCommandCall& call) { call.Host.ElementClick(&b); }),
      Command<TSkButton>("button_show_or_hide", [](TSkButton& b, const RCommandCall&) { b.ShowOrHide(); }),
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeButtonClass());

}  // namespace remont
