#include "description/qt/ListItemHints.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QListWidget>
#include <QToolTip>

#include "description/qt/SkStract.h"

namespace remont {
namespace {

class TListItemHints : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    auto* viewport = qobject_cast<QWidget*>(watched);
    auto* list = viewport ? qobject_cast<QListWidget*>(viewport->parentWidget()) : nullptr;
    if (!list || TSkStract::ElementType(list) != "list_box") return false;
    auto* he = static_cast<QHelpEvent*>(event);
    QListWidgetItem* item = list->itemAt(he->pos());
    if (!item) return false;
    // Measured with the default font, not the list box's.
    const int text_width = QFontMetrics(QApplication::font()).horizontalAdvance(item->text());
    if (list->width() - 25 >= text_width) return false;
    const QRect r = list->visualItemRect(item);
    QToolTip::showText(viewport->mapToGlobal(r.topLeft()) - QPoint(2, 1), item->text(), viewport, r);
    return true;
  }
};

}  // namespace

void InstallListItemHints() {
  static TListItemHints* hints = nullptr;
  if (hints) return;
  hints = new TListItemHints;
  hints->setParent(qApp);
  qApp->installEventFilter(hints);
}

}  // namespace remont
