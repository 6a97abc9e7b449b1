// TSkItem: a pop-up menu item carrying the command it raises (action) and the
// favourite's value it shows (target).
#pragma once

#include <QAction>
#include <string>

namespace remont {

class TSkItem : public QAction {
  Q_OBJECT

 public:
  explicit TSkItem(QObject* owner = nullptr) : QAction(owner) {}

  std::string target;
  std::string action;
};

}  // namespace remont
