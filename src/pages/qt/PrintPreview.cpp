#include "pages/qt/PrintPreview.h"

#include <functional>

#include "common/Messages.h"
#include "common/Platform.h"
#include "common/qt/SystemPrinter.h"
#include "pages/qt/MetaFilePrinter.h"
#include "pages/qt/PrnStatusForm.h"
#include "pages/qt/SkHtml.h"

#include <QApplication>
#include <algorithm>

namespace remont {

namespace {

std::function<void(QWidget*, TSkHtml*)>& Opener() {
  static std::function<void(QWidget*, TSkHtml*)> opener;
  return opener;
}

}  // namespace

void SetPrintPreviewOpener(std::function<void(QWidget* owner, TSkHtml* viewer)> opener) {
  Opener() = std::move(opener);
}

std::string DefaultPrinter() { return CurrentPlatform().DefaultPrinter(); }

bool PrinterMissing(const std::string& message) {
  if (!DefaultPrinter().empty()) return false;
  if (!message.empty()) CurrentPlatform().ShowMessage(message, MessageKind::Themed);
  return true;
}

void PrintWithDialog(TSkHtml& viewer) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    TMetaFilePrinter pages;
    pages.SetPrinter(SystemPrinter());
    pages.Paginate(*viewer.Viewer()->document(), viewer.PrintScale(), {}, {});
    QCoreApplication::processEvents();
    QApplication::restoreOverrideCursor();
    RPrintRange range;
    range.max_page = std::max(1, pages.PageCount());
    range.to = range.max_page;
    if (!CurrentPlatform().PrintDialog(range)) return;
    if (pages.Print(SystemPrinter(), range.all ? 1 : range.from, range.all ? 9999 : range.to, {}) ==
        TMetaFilePrinter::EPrintEnd::Failed)
      ReportPrintFailure(SystemPrinter());
  } catch (...) {
    if (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
  }
}

void ShowPrintPreview(QWidget* owner, TSkHtml* viewer) {
  if (PrinterMissing(msg::PrinterNotFound())) return;
  if (Opener()) Opener()(owner, viewer);
}

}  // namespace remont
