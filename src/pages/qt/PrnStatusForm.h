// TPrnStatusForm ("Статус"): runs a pagination or a print in its own modal
// loop while it shows the page being worked on, with a button that cancels.
#pragma once

#include <functional>

#include "elements/qt/SkForm.h"

class QPrinter;
class QPushButton;

namespace remont {

class TSkHtml;
class TSkLabel;
class TMetaFilePrinter;

class TPrnStatusForm : public TSkForm {
  Q_OBJECT

 public:
  explicit TPrnStatusForm(QWidget* owner = nullptr);
  // Paginates the view into the metafile printer (page numbers through
  // header when set); true when the user cancelled.
  bool Preview(TSkHtml* viewer, TMetaFilePrinter& pages, const std::function<void(QPainter&, int, double, double)>& header,
                             double header_band = 0);
  // Prints pages first..last of the metafile printer onto the printer; true when cancelled.
  bool Print(TMetaFilePrinter& pages, int first, int last);
  TSkLabel* StatusLabel() const { return label_; }
  QPushButton* CancelButton() const { return cancel_; }
  bool Cancelled() const { return cancelled_; }
  // Closing the window (its close icon, Escape) cancels like "Отмена".
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Runs job inside the window's modal loop, once the window is on screen.
  bool Run(const std::function<void()>& job);
  // The page-progress event: the page number, or "Форматирование" for 0.
  void Progress(int page, bool& stop);

  TSkLabel* label_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool cancelled_ = false;
};

// "Не удалось напечатать…" naming the printer or its output file.
void ReportPrintFailure(QPrinter& printer);

}  // namespace remont
