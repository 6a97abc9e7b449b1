#include "common/qt/SystemPrinter.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace remont {
namespace {

QPrinter* g_installed = nullptr;

}  // namespace

QPrinter& SystemPrinter() {
  if (g_installed) return *g_installed;
  static std::unique_ptr<QPrinter> printer;
  if (!printer) printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  return *printer;
}

void SetSystemPrinter(QPrinter* printer) { g_installed = printer; }

}  // namespace remont
