// The printer the viewer prints on: the user's default printer, made on first
// use and kept for the program's life (a preview sets its orientation and a
// closing preview sets it back). Tests install a PDF printer instead.
#pragma once

class QPrinter;

namespace remont {

QPrinter& SystemPrinter();
// A printer to use instead (not owned); nullptr goes back to the default one.
void SetSystemPrinter(QPrinter* printer);

}  // namespace remont
