#include "pages/qt/PrnStatusForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "common/Messages.h"
#include "common/Platform.h"
#include "common/qt/QtText.h"
#include "common/qt/SystemPrinter.h"
#include "elements/qt/SkLabel.h"
#include "pages/qt/MetaFilePrinter.h"
#include "pages/qt/SkHtml.h"

namespace remont {

void ReportPrintFailure(QPrinter& printer) {
  const QString name = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
  CurrentPlatform().ShowMessage(msg::PrintFailed(FromQ(name)), MessageKind::Error);
}

TPrnStatusForm::TPrnStatusForm(QWidget* owner) : TSkForm(owner) {
  setObjectName("PrnStatusForm");
  setWindowTitle(ToQ(msg::StatusCaption()));
  setFixedSize(245, 94);
  label_ = new TSkLabel(this);
  label_->setGeometry(8, 24, 233, 13);
  label_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  label_->SetCaption("XXXXXXXX");
  cancel_ = new QPushButton(ToQ(msg::CancelCaption()), this);
  cancel_->setGeometry(85, 56, 75, 25);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancelled_ = true; });
  if (QScreen* screen = QGuiApplication::primaryScreen()) move(screen->availableGeometry().center() - rect().center());
}

void TPrnStatusForm::reject() {
  cancelled_ = true;
  TSkForm::reject();
}

void TPrnStatusForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    reject();
    return;
  }
  TSkForm::keyPressEvent(event);
}

void TPrnStatusForm::Progress(int page, bool& stop) {
  if (cancelled_) {
    stop = true;
    return;
  }
  label_->SetCaption(page == 0 ? msg::Formatting() : msg::PageNumber(page));
  label_->repaint();
  // The cancel button is pressed between two pages.
  QCoreApplication::processEvents();
  if (cancelled_) stop = true;
}

bool TPrnStatusForm::Run(const std::function<void()>& job) {
  cancelled_ = false;
  QTimer::singleShot(0, this, [this, job] {
    job();
    done(cancelled_ ? QDialog::Rejected : QDialog::Accepted);
  });
  return exec() == QDialog::Rejected;
}

bool TPrnStatusForm::Preview(TSkHtml* viewer, TMetaFilePrinter& pages,
                             const std::function<void(QPainter&, int, double, double)>& header,
                             double header_band) {
  return Run([&] {
    pages.SetPrinter(SystemPrinter());
    pages.Paginate(*viewer->Viewer()->document(), viewer->PrintScale(), header,
                   [this](int page, bool& stop) { Progress(page, stop); }, header_band);
  });
}

bool TPrnStatusForm::Print(TMetaFilePrinter& pages, int first, int last) {
  TMetaFilePrinter::EPrintEnd end = TMetaFilePrinter::EPrintEnd::Done;
  const bool cancelled = Run([&] {
    end = pages.Print(SystemPrinter(), first, last, [this](int page, bool& stop) { Progress(page, stop); });
  });
  if (end == TMetaFilePrinter::EPrintEnd::Failed) ReportPrintFailure(SystemPrinter());
  return cancelled;
}

}  // namespace remont
