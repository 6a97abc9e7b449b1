// Draws the print preview's tool-bar icons (24 x 24 PNG files) into the given
// folder, so the repository keeps no binary pictures. Plain strokes in the
// demo's ink colour on a transparent ground.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>
#include <tuple>

namespace {

const QColor kInk(0x2B, 0x3A, 0x55);
const QColor kAccent(0xC0, 0x39, 0x2B);

void Sheet(QPainter& p, QRectF r) {
  p.setBrush(Qt::white);
  p.setPen(QPen(kInk, 1.4));
  p.drawRect(r);
  p.setPen(QPen(kInk.lighter(170), 1));
  for (double y = r.top() + 4; y < r.bottom() - 2; y += 3) p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void Triangle(QPainter& p, double x, double dir) {
  QPainterPath path;
  path.moveTo(x, 12);
  path.lineTo(x - 7 * dir, 5);
  path.lineTo(x - 7 * dir, 19);
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawPath(path);
}

void Bar(QPainter& p, double x) {
  p.setPen(Qt::NoPen);
  p.setBrush(kInk);
  p.drawRect(QRectF(x, 5, 2.5, 14));
}

void Magnifier(QPainter& p, const QString& sign) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(15, 15), QPointF(21, 21));
  if (!sign.isEmpty()) {
    p.setPen(kAccent);
    QFont f("DejaVu Sans", 7, QFont::Bold);
    p.setFont(f);
    p.drawText(QRectF(3, 3, 14, 14), Qt::AlignCenter, sign);
  }
}

struct Icon {
  const char* name;
  std::function<void(QPainter&)> draw;
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_icons <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "draw_icons: cannot make %s\n", argv[1]);
    return 1;
  }
  const Icon icons[] = {
      {"first", [](QPainter& p) { Bar(p, 4); Triangle(p, 8, -1); Triangle(p, 15, -1); }},
      {"prev", [](QPainter& p) { Triangle(p, 8, -1); }},
      {"next", [](QPainter& p) { Triangle(p, 16, 1); }},
      {"last", [](QPainter& p) { Triangle(p, 9, 1); Triangle(p, 16, 1); Bar(p, 17.5); }},
      {"goto",
       [](QPainter& p) {
         Sheet(p, QRectF(3, 2, 13, 18));
         p.setPen(QPen(kAccent, 2.2, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(11, 16), QPointF(21, 16));
         p.drawLine(QPointF(17, 12), QPointF(21, 16));
         p.drawLine(QPointF(17, 20), QPointF(21, 16));
       }},
      {"one", [](QPainter& p) { Sheet(p, QRectF(6, 2, 12, 19)); }},
      {"two", [](QPainter& p) { Sheet(p, QRectF(1.5, 3, 9.5, 17)); Sheet(p, QRectF(13, 3, 9.5, 17)); }},
      {"fit",
       [](QPainter& p) {
         Sheet(p, QRectF(6, 4, 12, 16));
         p.setPen(QPen(kAccent, 1.6));
         p.drawLine(QPointF(12, 0.5), QPointF(12, 3));
         p.drawLine(QPointF(12, 21), QPointF(12, 23.5));
       }},
      {"fit_width",
       [](QPainter& p) {
         Sheet(p, QRectF(4, 4, 16, 16));
         p.setPen(QPen(kAccent, 1.6));
         p.drawLine(QPointF(0.5, 12), QPointF(3, 12));
         p.drawLine(QPointF(21, 12), QPointF(23.5, 12));
       }},
      {"zoom", [](QPainter& p) { Magnifier(p, "±"); }},
      {"move",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
         p.drawLine(QPointF(12, 2), QPointF(12, 22));
         p.drawLine(QPointF(2, 12), QPointF(22, 12));
         for (const auto& [a, b, c] : {std::tuple{QPointF(9, 5), QPointF(12, 2), QPointF(15, 5)},
                                       std::tuple{QPointF(9, 19), QPointF(12, 22), QPointF(15, 19)},
                                       std::tuple{QPointF(5, 9), QPointF(2, 12), QPointF(5, 15)},
                                       std::tuple{QPointF(19, 9), QPointF(22, 12), QPointF(19, 15)}}) {
           p.drawLine(a, b);
           p.drawLine(b, c);
         }
       }},
      {"scale",
       [](QPainter& p) {
         Sheet(p, QRectF(2, 2, 12, 16));
         p.setPen(kAccent);
         p.setFont(QFont("DejaVu Sans", 7, QFont::Bold));
         p.drawText(QRectF(8, 13, 16, 11), Qt::AlignCenter, "%");
       }},
      {"numbers",
       [](QPainter& p) {
         Sheet(p, QRectF(4, 2, 16, 20));
         p.setPen(Qt::NoPen);
         p.setBrush(Qt::white);
         p.drawRect(QRectF(11, 3, 8, 8));
         p.setPen(kAccent);
         p.setFont(QFont("DejaVu Sans", 7, QFont::Bold));
         p.drawText(QRectF(10, 2, 10, 10), Qt::AlignCenter, "1");
       }},
      {"landscape", [](QPainter& p) { Sheet(p, QRectF(1.5, 5, 21, 14)); }},
      {"print",
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1.4));
         p.setBrush(Qt::white);
         p.drawRect(QRectF(6, 2, 12, 8));
         p.setBrush(kInk.lighter(160));
         p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
         p.setBrush(Qt::white);
         p.drawRect(QRectF(6, 14, 12, 8));
         p.setPen(QPen(kAccent, 1.6));
         p.drawPoint(QPointF(19, 12));
       }},
  };
  for (const Icon& icon : icons) {
    QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      icon.draw(painter);
    }
    const QString path = folder + "/" + icon.name + ".png";
    if (!image.save(path)) {
      std::fprintf(stderr, "draw_icons: cannot write %s\n", path.toLocal8Bit().constData());
      return 1;
    }
  }
  return 0;
}
