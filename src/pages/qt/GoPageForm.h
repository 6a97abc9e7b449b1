// TGoPageForm ("Перейти на страницу"): asks for a page number between 1 and
// the page count. Enter in the number presses Ok; Esc cancels.
#pragma once

#include "elements/qt/SkForm.h"

class QLabel;
class QPushButton;
class QSpinBox;

namespace remont {

class TGoPageForm : public TSkForm {
  Q_OBJECT

 public:
  explicit TGoPageForm(QWidget* owner = nullptr);
  QLabel* MessageLabel() const { return message_; }
  QSpinBox* PageNum() const { return page_num_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Releasing Escape anywhere in the dialog cancels it (the children pass it up).
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QLabel* message_ = nullptr;
  QSpinBox* page_num_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace remont
