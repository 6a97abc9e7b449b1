#include "elements/qt/SkLabel.h"

#include <QApplication>

#include "common/Cp1251.h"
#include "common/Helpers.h"
#include "common/qt/QtText.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/HtmlLinks.h"

namespace remont {

TSkLabel::TSkLabel(QWidget* parent) : QLabel(parent) {
  SetShowHint(this, true);
  setTextFormat(Qt::PlainText);
}

void TSkLabel::SetCaption(const std::string& caption) {
  setText(ToQ(caption));
  AdjustBounds();
}

void TSkLabel::SetAutoSize(bool on) {
  auto_size_ = on;
  AdjustBounds();
}

void TSkLabel::AdjustBounds() {
  if (!auto_size_) return;
  QSize size = sizeHint();
  if (wordWrap()) size = QSize(width(), heightForWidth(width()));
  const int right = x() + width();
  const bool keep_right = !wordWrap() && (alignment() & Qt::AlignRight);
  setGeometry(keep_right ? right - size.width() : x(), y(), size.width(), size.height());
  RequestAlign(this);
}

void TSkLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) AdjustBounds();
}

void TSkLabel::SetUrlStyle(bool on) {
  url_ = on;
  QFont f = font();
  f.setBold(false);
  f.setItalic(false);
  f.setStrikeOut(false);
  f.setUnderline(on);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, on ? QColor(0, 0, 255) : QApplication::palette(this).color(QPalette::WindowText));
  setPalette(p);
  if (on)
    setCursor(Qt::PointingHandCursor);
  else
    unsetCursor();
}

void TSkLabel::SetCaptionAlign(const std::string& value) {
  const std::string a = LowerCase(Trim(value));
  const Qt::Alignment h = a == "left" ? Qt::AlignLeft : a == "right" ? Qt::AlignRight : Qt::AlignHCenter;
  setAlignment(h | Qt::AlignVCenter);
}

namespace {

RElementClass MakeLabelClass() {
  using L = TSkLabel;
  RElementClass c;
  c.Type = "label";
  c.Make = [](QWidget* parent, const std::string&, TElementHost&) { return new TSkLabel(parent); };
  c.Keys = {
      ActionKey(),
      Key<L>("caption", [](L& l, const TKeyValue& v) { l.SetCaption(v.Text()); }),
      HintKey(),
      FontKey(),
      Key<L>("text_align", [](L& l, const TKeyValue& v) { l.SetCaptionAlign(v.Text()); }),
      Key<L>("word_wrap", [](L& l, const TKeyValue& v) { l.setWordWrap(v.Bool()); }),
      Key<L>("auto_size", [](L& l, const TKeyValue& v) { l.SetAutoSize(v.Bool()); }),
      Key<L>("url", [](L& l, const TKeyValue& v) { l.SetUrlStyle(v.Bool()); }),
      Key<L>("html_title", [](L& l, const TKeyValue& v) {
        if (auto* html = v.ElementAs<THtmlLinks>()) html->SetTitleLabel(&l);
      }),
      AnchorKey(),
      SkinKey(),
  };
  c.AfterEachKey = [](QObject& o, TElementHost& host) { AttachWindowDrag(o, host); };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakeLabelClass());

}  // namespace remont
