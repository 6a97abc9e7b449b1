// TSkItem: a pop-up menu item carrying the command it raises (action) and the
// favourite's value it shows (target).
#pragma once

#include <QAction>
#include <string>

#include "elements/qt/Element.h"

namespace remont {

class TSkItem : public QAction, public TElement {
  Q_OBJECT

 public:
  explicit TSkItem(QObject* owner = nullptr) : QAction(owner) {
    connect(this, &QAction::triggered, this, [this] { RaiseClick(); });
  }

  std::string target;
};

}  // namespace remont
