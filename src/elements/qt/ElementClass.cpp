#include "elements/qt/ElementClass.h"

#include <QWidget>
#include <cassert>

#include "common/ConvertError.h"
#include "common/Helpers.h"
#include "common/qt/QtText.h"
#include "elements/qt/Element.h"
#include "elements/qt/ElementSupport.h"
#include "elements/qt/SkForm.h"
#include "elements/qt/SkSkin.h"

namespace remont {
namespace {

std::vector<RElementClass>& Registry() {
  static std::vector<RElementClass> classes;
  return classes;
}

}  // namespace

bool RegisterElementClass(RElementClass element_class) {
  assert(FindElementClass(element_class.Type) == nullptr && "an element class registered twice");
  Registry().push_back(std::move(element_class));
  return true;
}

const RElementClass* FindElementClass(std::string_view type) {
  for (const auto& c : Registry())
    if (c.Type == type) return &c;
  return nullptr;
}

const std::vector<RElementClass>& ElementClasses() { return Registry(); }

int TKeyValue::Number() const { return StrToInt(text_); }
int TKeyValue::Colour() const { return ParseColor(text_); }
bool TKeyValue::Bool() const { return ParseBool(text_, key_.Default); }

RKeySetter ActionKey() {
  return {"action", [](QObject& o, const TKeyValue& v) {
            if (TElement* e = TElement::Of(&o)) e->SetAction(v.Text());
          }};
}

RKeySetter AnchorKey() {
  return {"anchor", [](QObject& o, const TKeyValue& v) {
            if (auto* w = qobject_cast<QWidget*>(&o)) ApplyAnchorKey(w, v.Text());
          }};
}

RKeySetter HintKey() {
  return {"hint", [](QObject& o, const TKeyValue& v) {
            if (auto* w = qobject_cast<QWidget*>(&o)) w->setToolTip(ToQ(v.Text()));
          }};
}

RKeySetter FontKey() {
  return {"font", [](QObject& o, const TKeyValue& v) {
            if (auto* w = qobject_cast<QWidget*>(&o)) ApplyFontSpec(w, v.Text());
          }};
}

RKeySetter SkinKey() {
  return {"skin", [](QObject& o, const TKeyValue& v) {
            std::string rest = v.Text();
            const std::string theme = CutToken(rest, "*");
            if (auto* w = qobject_cast<QWidget*>(&o); w && !theme.empty()) SetThemeObject(w, theme);
          }};
}

RKeySetter SkinFileKey() {
  return {"skin", [](QObject& o, const TKeyValue& v) {
            auto* w = qobject_cast<QWidget*>(&o);
            if (!w) return;
            std::string rest = v.Text();
            const std::string theme = CutToken(rest, "*");
            if (!theme.empty()) SetThemeObject(w, theme);
            // The skin file is taken only when the registry holds it newly.
            if (rest.empty()) return;
            const std::string file = GetProgramPath(rest);
            if (v.Host().Skin().AddSkin(file))
              if (const auto* entry = v.Host().Skin().FindSkin(file)) w->setStyleSheet(entry->style_sheet);
          }};
}

void AttachWindowDrag(QObject& element, TElementHost& host) {
  TSkForm* window = host.Window();
  if (!window->moving) return;
  if (TElement* e = TElement::Of(&element)) {
    e->SetPressToMove([window](Qt::MouseButton b) { window->FormMouseDown(b); });
  } else if (auto* w = qobject_cast<QWidget*>(&element)) {
    window->AttachDragHandler(w);
  }
}

}  // namespace remont
