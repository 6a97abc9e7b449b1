// Printing a page view: the test that a printer is installed, and the print
// preview. The printer itself is SystemPrinter (common/qt/SystemPrinter.h).
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace remont {

class TSkHtml;

// The default printer's name; empty when none is installed.
std::string DefaultPrinter();
// True when no printer is installed; the message (when not empty) is shown first.
bool PrinterMissing(const std::string& message);
// html_print: the print dialog with its page range (the pages counted under
// the wait cursor); all pages print as 1 to 9999. Errors are swallowed.
void PrintWithDialog(TSkHtml& viewer);
// "Принтер не найден." without a printer; otherwise the modal print preview of the view.
void ShowPrintPreview(QWidget* owner, TSkHtml* viewer);
// The preview window is built from a description, by the engine, which lies
// above the page view: the shell installs the function that opens it.
void SetPrintPreviewOpener(std::function<void(QWidget* owner, TSkHtml* viewer)> opener);

}  // namespace remont
