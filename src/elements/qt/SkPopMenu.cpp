#include "elements/qt/SkPopMenu.h"

#include <QKeySequence>
#include <algorithm>

#include "common/Cp1251.h"
#include "common/qt/QtText.h"
#include "elements/ControlRules.h"
#include "elements/qt/ElementClass.h"
#include "elements/qt/SkForm.h"

namespace remont {

TSkPopMenu::TSkPopMenu(QWidget* owner) : QMenu(owner), owner_(owner) {}

TSkPopMenu::~TSkPopMenu() { ClearPopItems(); }

TSkItem* TSkPopMenu::MakeItem(const std::string& caption, const std::string& shortcut,
                              const std::string& action) {
  auto* item = new TSkItem(this);
  item->SetAction(action);
  if (caption == "-") {
    item->setSeparator(true);
  } else {
    item->setText(ToQ(ShortenCaption(caption, caption_limit)));
  }
  item->setShortcut(QKeySequence::fromString(ToQ(shortcut)));
  return item;
}

TSkItem* TSkPopMenu::AddPopItem(const std::string& caption, const std::string& action,
                                const std::string& shortcut) {
  TSkItem* item = MakeItem(caption, shortcut, action);
  items_.push_back(item);
  addAction(item);
  return item;
}

TSkItem* TSkPopMenu::InsertPopItem(int index, const std::string& caption, const std::string& shortcut,
                                   const std::string& action) {
  if (actions().isEmpty()) return AddPopItem(caption, action, shortcut);
  // An index beyond the end appends; a negative one inserts first.
  const int at = std::clamp(index, 0, PopItemCount());
  TSkItem* item = MakeItem(caption, shortcut, action);
  const QList<QAction*> platform = actions();
  insertAction(at < platform.size() ? platform[at] : nullptr, item);
  items_.insert(items_.begin() + at, item);
  return item;
}

TSkItem* TSkPopMenu::GetPopItem(int index) const {
  if (index < 0 || index >= actions().size() || index >= PopItemCount()) return nullptr;
  return items_[static_cast<size_t>(index)];
}

template <typename Field>
int TSkPopMenu::RemoveBy(const std::string& text, Field field) {
  if (items_.empty()) return -1;
  const std::string wanted = LowerCase(text);
  for (int i = 0; i < PopItemCount(); ++i) {
    if (LowerCase(field(*items_[static_cast<size_t>(i)])) == wanted) {
      DeletePopItem(i);
      return i;
    }
  }
  return -1;
}

int TSkPopMenu::RemoveByAction(const std::string& text) {
  return RemoveBy(text, [](const TSkItem& item) { return item.Action(); });
}
int TSkPopMenu::RemoveByTarget(const std::string& text) {
  return RemoveBy(text, [](const TSkItem& item) { return item.target; });
}

void TSkPopMenu::DeletePopItem(int index) {
  if (index < 0 || index >= PopItemCount()) return;
  TSkItem* item = items_[static_cast<size_t>(index)];
  items_.erase(items_.begin() + index);
  removeAction(item);
  delete item;
}

void TSkPopMenu::ClearPopItems() {
  for (TSkItem* item : items_) delete item;
  items_.clear();
  clear();
}

void TSkPopMenu::SetCheckedIndex(int index) {
  checked_index_ = index;
  for (int i = 0; i < PopItemCount(); ++i) {
    TSkItem* item = items_[static_cast<size_t>(i)];
    item->setCheckable(i == index);
    item->setChecked(i == index);
  }
}

namespace {

RElementClass MakePopMenuClass() {
  RElementClass c;
  c.Type = "pop_menu";
  // Owned by the window; its section is read by the engine's menu builder.
  c.Make = [](QWidget*, const std::string&, TElementHost& host) {
    return new TSkPopMenu(host.Window());
  };
  return c;
}

}  // namespace

REMONT_ELEMENT_CLASS(MakePopMenuClass());

}  // namespace remont
