#include "pages/qt/GoPageForm.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

#include "common/Messages.h"
#include "common/qt/QtText.h"

namespace remont {

TGoPageForm::TGoPageForm(QWidget* owner) : TSkForm(owner) {
  setObjectName("GoPageForm");
  setWindowTitle(ToQ(msg::GoToPageCaption()));
  setFixedSize(231, 138);
  SetDialog(true);
  auto* group = new QGroupBox(this);
  group->setGeometry(8, 8, 215, 84);
  message_ = new QLabel(ToQ(msg::GoToPageCaption()), group);
  message_->setObjectName("lbIMessage");
  message_->setGeometry(12, 14, 190, 18);
  page_num_ = new QSpinBox(group);
  page_num_->setObjectName("PageNum");
  page_num_->setGeometry(12, 40, 100, 26);
  page_num_->setMinimum(1);
  page_num_->setValue(1);
  page_num_->installEventFilter(this);
  page_num_->findChild<QLineEdit*>()->installEventFilter(this);
  ok_ = new QPushButton("Ok", this);
  ok_->setObjectName("OKBtn");
  ok_->setGeometry(40, 102, 75, 26);
  cancel_ = new QPushButton(ToQ(msg::CancelCaption()), this);
  cancel_->setObjectName("CancelBtn");
  cancel_->setGeometry(124, 102, 75, 26);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
  // Entering the number selects its text.
  QTimer::singleShot(0, page_num_, [this] {
    page_num_->setFocus();
    page_num_->selectAll();
  });
}

bool TGoPageForm::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ok_->click();  // Enter is swallowed and presses Ok
      return true;
    }
  }
  return false;
}

void TGoPageForm::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  TSkForm::keyReleaseEvent(event);
}

}  // namespace remont
