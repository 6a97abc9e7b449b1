// Containers: panel, parent panel, splitter.
#pragma once

#include <QFrame>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <string>

#include "elements/qt/ElementSupport.h"

namespace remont {

// type panel: a frameless container that raises its action on double-click,
// never shows a caption, and comes back where it was when shown again.
class TSkPanel : public QFrame, public TCentring {
  Q_OBJECT

 public:
  explicit TSkPanel(QWidget* parent = nullptr);
  void ShowOrHide();
  int SavedLeft() const { return saved_left_; }
  int SavedTop() const { return saved_top_; }

  std::string action;
  MouseDownHandler mouse_down;

 signals:
  void elementClick();

 protected:
  QWidget* CentredWidget() override { return this; }
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int saved_left_ = 0;
  int saved_top_ = 0;
};

// type parent_panel: a plain container painted with its brush colour, whose
// width and height may be percentages of the parent's client size.
class TParentPanel : public QWidget, public TCentring {
  Q_OBJECT

 public:
  explicit TParentPanel(QWidget* parent = nullptr);
  void SetColor(int colour);
  // The width and height keys: pixels, or a number and "%". Throws ConvertError.
  void SetWidthText(const std::string& text);
  void SetHeightText(const std::string& text);
  void ApplyPercentSize();
  // After the window's own resize: the percentages taken afresh from the size.
  void RemeasurePercentSize();
  int WidthPercent() const { return width_percent_; }
  int HeightPercent() const { return height_percent_; }

  std::string action;
  MouseDownHandler mouse_down;

 protected:
  QWidget* CentredWidget() override { return this; }
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int width_percent_ = 0;
  int height_percent_ = 0;
};

// type split: a bar that resizes its neighbour when dragged and comes back
// where it was when shown again. An aligned bar finds its neighbour where the
// platform's splitter does (the element just before it on its side) and keeps
// it at least kMinSize pixels, leaving as much to the rest of the container;
// a bar that is not aligned resizes the neighbour it was given.
class TSkSplitter : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kMinSize = 30;

  explicit TSkSplitter(QWidget* parent = nullptr);
  void ShowOrHide();
  // The element the bar resizes: on its left (or above it) unless after is on.
  void SetNeighbour(QWidget* neighbour, bool after = false);
  bool Vertical() const;

  std::string action;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // The aligned bar's neighbour and its limits, found when the bar is pressed.
  void FindAlignedNeighbour();

  int saved_left_ = 0;
  int saved_top_ = 0;
  QPointer<QWidget> neighbour_;
  bool after_ = false;
  QPoint press_;
  QPointer<QWidget> aligned_neighbour_;
  int size_at_press_ = 0;
  int max_size_ = 0;
};

}  // namespace remont
