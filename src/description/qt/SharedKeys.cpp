#include "description/qt/SharedKeys.h"

#include <functional>
#include <string_view>
#include <vector>

#include "common/qt/Cursors.h"
#include "elements/AlignRules.h"
#include "elements/qt/Element.h"
#include "elements/qt/ElementSupport.h"

namespace remont {
namespace {

using SharedSetter = std::function<void(QWidget& w, bool is_window, const TKeyValue& v)>;

struct RSharedKey {
  std::string_view Name;
  SharedSetter Set;
};

void SetWidth(QWidget& w, const TKeyValue& v) {
  // An element reads the text itself (a parent panel also takes a percentage).
  if (TElement* e = TElement::Of(&w)) e->SetWidthText(v.Text());
  else w.resize(v.Number(), w.height());
}

void SetHeight(QWidget& w, const TKeyValue& v) {
  if (TElement* e = TElement::Of(&w)) e->SetHeightText(v.Text());
  else w.resize(w.width(), v.Number());
}

const std::vector<RSharedKey>& Table() {
  static const std::vector<RSharedKey> table = {
      {"top", [](QWidget& w, bool, const TKeyValue& v) { w.move(w.x(), v.Number()); }},
      {"left", [](QWidget& w, bool, const TKeyValue& v) { w.move(v.Number(), w.y()); }},
      {"width", [](QWidget& w, bool, const TKeyValue& v) { SetWidth(w, v); }},
      {"height", [](QWidget& w, bool, const TKeyValue& v) { SetHeight(w, v); }},
      {"enabled", [](QWidget& w, bool, const TKeyValue& v) { w.setEnabled(v.Bool()); }},
      {"cursor",
       [](QWidget& w, bool, const TKeyValue& v) {
         bool ok = false;
         const QCursor c = CursorFor(v.Text(), ok);
         if (ok) w.setCursor(c);
       }},
      {"visible",
       [](QWidget& w, bool is_window, const TKeyValue& v) {
         if (!is_window) w.setVisible(v.Bool());
       }},
      {"align",
       [](QWidget& w, bool is_window, const TKeyValue& v) {
         if (!is_window) SetAlign(&w, ParseAlign(v.Text()));
       }},
  };
  return table;
}

}  // namespace

void ApplySharedKey(QWidget& w, bool is_window, const TKeyValue& value) {
  for (const RSharedKey& k : Table())
    if (k.Name == value.Key().Name) k.Set(w, is_window, value);
}

}  // namespace remont
