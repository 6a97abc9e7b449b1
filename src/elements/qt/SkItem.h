// TSkItem: a menu item that carries the command it raises (its action) and
// the page or entry it stands for (its target).
#pragma once

#include <QAction>
#include <string>

namespace remont {

class TSkItem : public QAction {
  Q_OBJECT

 public:
  explicit TSkItem(QObject* parent = nullptr) : QAction(parent) {}

  std::string action;
  std::string target;
};

}  // namespace remont
