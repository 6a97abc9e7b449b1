#include "common/qt/Cursors.h"

#include <QPainter>
#include <QPixmap>
#include <map>

#include "common/ConvertError.h"
#include "common/Cp1251.h"
#include "common/Helpers.h"

namespace remont {
namespace {

// The program's own cursors 140..144: magnifiers and hands.
QCursor MakeZoomCursor(int sign) {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(12, 12), 9, 9);
  p.drawLine(QPointF(19, 19), QPointF(29, 29));
  if (sign != 0) p.drawLine(QPointF(8, 12), QPointF(16, 12));
  if (sign > 0) p.drawLine(QPointF(12, 8), QPointF(12, 16));
  return QCursor(pm, 12, 12);
}

std::map<int, QCursor>& ProgramCursors() {
  static std::map<int, QCursor> cursors;
  return cursors;
}

}  // namespace

void RegisterCursors() {
  auto& c = ProgramCursors();
  c[141] = MakeZoomCursor(1);
  c[142] = MakeZoomCursor(-1);
  c[140] = MakeZoomCursor(0);
  c[143] = QCursor(Qt::OpenHandCursor);
  c[144] = QCursor(Qt::ClosedHandCursor);
}

QCursor ProgramCursor(int number) {
  if (ProgramCursors().empty()) RegisterCursors();
  const auto it = ProgramCursors().find(number);
  return it != ProgramCursors().end() ? it->second : QCursor(Qt::ArrowCursor);
}

QCursor CursorFor(const std::string& text, bool& ok) {
  struct Named {
    const char* name;
    Qt::CursorShape shape;
  } static const kNames[] = {
      {"crdefault", Qt::ArrowCursor},    {"crarrow", Qt::ArrowCursor},       {"crcross", Qt::CrossCursor},
      {"cribeam", Qt::IBeamCursor},      {"crsize", Qt::SizeAllCursor},      {"crsizenesw", Qt::SizeBDiagCursor},
      {"crsizens", Qt::SizeVerCursor},   {"crsizenwse", Qt::SizeFDiagCursor}, {"crsizewe", Qt::SizeHorCursor},
      {"cruparrow", Qt::UpArrowCursor},  {"crhourglass", Qt::WaitCursor},    {"crdrag", Qt::DragMoveCursor},
      {"crnodrop", Qt::ForbiddenCursor}, {"crhsplit", Qt::SplitHCursor},     {"crvsplit", Qt::SplitVCursor},
      {"crno", Qt::ForbiddenCursor},     {"crappstart", Qt::BusyCursor},     {"crhelp", Qt::WhatsThisCursor},
      {"crhandpoint", Qt::PointingHandCursor}, {"crsizeall", Qt::SizeAllCursor},
  };
  ok = true;
  const std::string lower = LowerCase(Trim(text));
  for (const auto& n : kNames)
    if (lower == n.name) return QCursor(n.shape);
  int number = 0;
  if (TryStrToInt(lower, number)) {
    auto it = ProgramCursors().find(number);
    if (it != ProgramCursors().end()) return it->second;
    if (number == -11) return QCursor(Qt::WaitCursor);
    if (number == -21) return QCursor(Qt::PointingHandCursor);
    return QCursor(Qt::ArrowCursor);
  }
  ok = false;
  return QCursor(Qt::ArrowCursor);
}

}  // namespace remont
