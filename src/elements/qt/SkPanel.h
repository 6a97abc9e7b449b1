// type panel: an opaque container that raises its action on double-click,
// never shows a caption, and comes back where it was when shown again.
#pragma once

#include <QFrame>

#include "elements/qt/Element.h"
#include "elements/qt/ElementSupport.h"

namespace remont {

class TSkPanel : public QFrame, public TElement, public TCentring {
  Q_OBJECT

 public:
  explicit TSkPanel(QWidget* parent = nullptr);
  void ShowOrHide() override { ShowOrHideInPlace(); }
  int SavedLeft() const { return SavedPlace().x(); }
  int SavedTop() const { return SavedPlace().y(); }

 protected:
  QWidget* CentredWidget() override { return this; }
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace remont
