// Typed input: the single-line edit box (optionally numeric, with a lower
// limit and a linked box) and the spin edit with its bounds.
#pragma once

#include <QLineEdit>
#include <QSpinBox>
#include <string>

#include "elements/ControlRules.h"

namespace remont {

// type edit_box: raises its action on Enter; the engine reads its text by name.
class TSkEditBox : public QLineEdit, public TNumberRule {
  Q_OBJECT

 public:
  explicit TSkEditBox(QWidget* parent = nullptr);
  // The key min_link: only a numeric box is linked.
  void SetMinLink(TSkEditBox* box) { TNumberRule::SetMinLink(box); }
  std::string Text() const;
  void SetText(const std::string& text);
  // Return and Enter: the key that raises the action (key code 13).
  static bool IsEnterKey(int qt_key) { return qt_key == Qt::Key_Return || qt_key == Qt::Key_Enter; }

  std::string action;

 signals:
  // Every key press, before the box handles it; the engine raises the action on Enter.
  void elementKeyDown(int key, Qt::KeyboardModifiers shift);

 protected:
  std::string NumberText() const override;
  void SetNumberText(const std::string& text) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
};

// type spin_edit: an integer spin box held between a lower and an upper bound
// (-1 and 1000000 until the keys min and max set them).
class TSkSpinEdit : public QSpinBox {
  Q_OBJECT

 public:
  explicit TSkSpinEdit(QWidget* parent = nullptr);
  void SetUpperBound(int n);
  void SetLowerBound(int n);
  const TSpinBounds& Bounds() const { return bounds_; }

 private:
  void Changed(int value);
  void Put(long double value);

  TSpinBounds bounds_;
  bool clamping_ = false;
};

}  // namespace remont
