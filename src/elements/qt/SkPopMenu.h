// type pop_menu: a pop-up menu owned by the window, whose items carry their
// action and target. Favourites and history insert their run-time items
// between the leading and trailing fixed items.
#pragma once

#include <QMenu>
#include <string>
#include <vector>

#include "elements/qt/SkItem.h"

namespace remont {

class TSkPopMenu : public QMenu {
  Q_OBJECT

 public:
  explicit TSkPopMenu(QWidget* owner = nullptr);
  ~TSkPopMenu() override;

  TSkItem* AddPopItem(const std::string& caption, const std::string& action, const std::string& shortcut);
  TSkItem* InsertPopItem(int index, const std::string& caption, const std::string& shortcut,
                         const std::string& action);
  TSkItem* GetPopItem(int index) const;
  int PopItemCount() const { return static_cast<int>(items_.size()); }
  // The first item whose action (target) equals text, letter case aside, is
  // deleted and its index returned; -1 when there is none.
  int RemoveByAction(const std::string& text);
  int RemoveByTarget(const std::string& text);
  void DeletePopItem(int index);
  void ClearPopItems();

  int CheckedIndex() const { return checked_index_; }
  // Shows the check mark on item index alone (-1: on none).
  void SetCheckedIndex(int index);

  QWidget* Owner() const { return owner_; }

  std::string global_action;
  std::string history_key;
  bool history_back = false;
  bool history_forward = false;
  bool history_full = false;
  int leading_count = 0;
  int trailing_count = 0;
  int caption_limit = 0;  // 0: captions are not shortened

 private:
  TSkItem* MakeItem(const std::string& caption, const std::string& shortcut, const std::string& action);
  template <typename Field>
  int RemoveBy(const std::string& text, Field field);

  QWidget* owner_;
  std::vector<TSkItem*> items_;
  int checked_index_ = -1;
};

}  // namespace remont
