// Draws the demo manual's illustrations and tree icons into a staging copy of
// the manual, so the repository holds no binary pictures:
//   draw_pictures DIR  writes DIR/pages/img/*.jpg|png and DIR/icons/*.bmp.
// The drawings are schematic: outlines, leader lines and Russian labels.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QtMath>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kInk(30, 40, 60);
const QColor kSteel(170, 178, 190);
const QColor kDark(90, 96, 108);
const QColor kBlue(40, 90, 170);
const QColor kRed(190, 40, 30);
const QColor kPaper(252, 252, 248);

QString g_dir;
int g_failures = 0;

QFont LabelFont(int size = 11, bool bold = false) {
  QFont f("DejaVu Sans");
  f.setPixelSize(size + 3);
  f.setBold(bold);
  return f;
}

// A white sheet with a thin frame and a caption strip at the bottom.
struct Sheet {
  QImage image;
  QPainter p;
  QString name;
  Sheet(const QString& file, int w, int h, const QString& caption)
      : image(w, h, QImage::Format_RGB32), name(file) {
    image.fill(kPaper);
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    p.drawRect(2, 2, w - 5, h - 5);
    p.setFont(LabelFont(12, true));
    p.drawText(QRect(0, h - 30, w, 26), Qt::AlignCenter, caption);
    p.setFont(LabelFont());
  }
  // A leader line from the part to its label.
  void Label(QPointF at, QPointF text, const QString& s) {
    p.save();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kInk);
    p.drawEllipse(at, 2.5, 2.5);
    p.drawLine(at, text);
    const QFontMetrics fm(p.font());
    const bool left = text.x() < at.x();
    const qreal w = fm.horizontalAdvance(s);
    qreal x = left ? text.x() - w - 4 : text.x() + 4;
    x = qBound<qreal>(8, x, image.width() - w - 8);  // keep the label on the sheet
    const QPointF base(x, text.y() + fm.ascent() / 2.0 - 1);
    p.drawText(base, s);
    p.restore();
  }
  void Text(QPointF at, const QString& s, int size = 11, bool bold = false) {
    p.save();
    p.setFont(LabelFont(size, bold));
    p.setPen(kInk);
    p.drawText(at, s);
    p.restore();
  }
  // Written when the drawing function is done with it.
  ~Sheet() {
    p.end();
    const QString path = g_dir + "/pages/img/" + name;
    const bool jpg = name.endsWith(".jpg");
    if (!image.save(path, jpg ? "JPG" : "PNG", jpg ? 88 : -1)) {
      std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
      ++g_failures;
    }
  }
};

void Arrow(QPainter& p, QPointF a, QPointF b, const QColor& c, qreal width = 2) {
  p.save();
  p.setPen(QPen(c, width));
  p.drawLine(a, b);
  const qreal angle = std::atan2(b.y() - a.y(), b.x() - a.x());
  QPolygonF head;
  head << b << b - QPointF(std::cos(angle - 0.4) * 10, std::sin(angle - 0.4) * 10)
       << b - QPointF(std::cos(angle + 0.4) * 10, std::sin(angle + 0.4) * 10);
  p.setBrush(c);
  p.drawPolygon(head);
  p.restore();
}

void Pulley(QPainter& p, QPointF c, qreal r, const QColor& fill) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(fill);
  p.drawEllipse(c, r, r);
  p.setBrush(kPaper);
  p.drawEllipse(c, r * 0.25, r * 0.25);
}

void Wheel(QPainter& p, QPointF c, qreal r) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(50, 50, 55));
  p.drawEllipse(c, r, r);
  p.setBrush(kSteel);
  p.drawEllipse(c, r * 0.6, r * 0.6);
  p.setBrush(kDark);
  p.drawEllipse(c, r * 0.15, r * 0.15);
}

void Spring(QPainter& p, QPointF top, QPointF bottom, qreal half_width, int turns) {
  QPainterPath path(top);
  const qreal step = (bottom.y() - top.y()) / (turns * 2);
  for (int i = 1; i <= turns * 2; ++i)
    path.lineTo(top.x() + (i % 2 ? half_width : -half_width), top.y() + step * i);
  p.setPen(QPen(QColor(40, 120, 60), 4));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
}

// --------------------------------------------------------------- pictures

void Car() {
  Sheet s("car.jpg", 640, 320, "Автомобиль «Заря-2110», вид сбоку");
  QPainterPath body;
  body.moveTo(40, 210);
  body.lineTo(45, 170);
  body.lineTo(150, 150);
  body.lineTo(230, 95);
  body.lineTo(420, 92);
  body.lineTo(520, 145);
  body.lineTo(595, 160);
  body.lineTo(600, 210);
  body.closeSubpath();
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(180, 40, 40));
  s.p.drawPath(body);
  QPolygonF glass;
  glass << QPointF(170, 150) << QPointF(238, 106) << QPointF(318, 104) << QPointF(318, 150);
  QPolygonF glass2;
  glass2 << QPointF(330, 150) << QPointF(330, 104) << QPointF(410, 104) << QPointF(490, 148);
  s.p.setBrush(QColor(190, 215, 235));
  s.p.drawPolygon(glass);
  s.p.drawPolygon(glass2);
  s.p.drawLine(QPointF(324, 150), QPointF(324, 210));
  Wheel(s.p, QPointF(145, 212), 38);
  Wheel(s.p, QPointF(500, 212), 38);
  s.p.setPen(QPen(kInk, 1, Qt::DashLine));
  s.p.drawLine(QPointF(145, 262), QPointF(500, 262));
  s.Text(QPointF(270, 280), "База 2492 мм");
  s.Label(QPointF(575, 170), QPointF(610, 120), "Фара");
  s.Label(QPointF(250, 120), QPointF(200, 60), "Ветровое стекло");
}

void EngineBay() {
  Sheet s("engine_bay.jpg", 640, 480, "Моторный отсек (вид сверху)");
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(235, 235, 230));
  s.p.drawRoundedRect(QRectF(60, 40, 520, 380), 30, 30);
  s.p.setBrush(QColor(120, 130, 150));
  s.p.drawRect(QRectF(80, 60, 480, 40));  // radiator at the front
  s.p.setBrush(kSteel);
  s.p.drawRoundedRect(QRectF(200, 150, 240, 150), 10, 10);  // engine
  s.p.setBrush(QColor(70, 70, 75));
  s.p.drawRect(QRectF(460, 300, 90, 80));  // battery
  s.p.setBrush(QColor(250, 250, 220));
  s.p.drawEllipse(QRectF(90, 300, 70, 70));  // expansion tank
  s.p.setBrush(QColor(60, 60, 60));
  s.p.drawRect(QRectF(250, 320, 120, 60));  // air filter
  s.p.setBrush(QColor(240, 220, 120));
  s.p.drawEllipse(QRectF(470, 150, 50, 50));  // brake fluid reservoir
  s.Label(QPointF(320, 80), QPointF(320, 20), "Радиатор");
  s.Label(QPointF(300, 225), QPointF(120, 200), "Двигатель");
  s.Label(QPointF(505, 340), QPointF(610, 440), "Аккумуляторная батарея");
  s.Label(QPointF(125, 335), QPointF(40, 445), "Расширительный бачок");
  s.Label(QPointF(310, 350), QPointF(340, 445), "Воздушный фильтр");
  s.Label(QPointF(495, 175), QPointF(610, 130), "Бачок тормозной жидкости");
}

void BeltDrive() {
  Sheet s("belt_drive.jpg", 720, 480, "Привод газораспределительного механизма");
  const QPointF cam(320, 110), tens(410, 230), pump(230, 260), crank(320, 370);
  QPainterPath belt;
  belt.moveTo(cam + QPointF(-60, 0));
  belt.cubicTo(QPointF(240, 30), QPointF(400, 30), cam + QPointF(60, 0));
  belt.lineTo(tens + QPointF(22, 0));
  belt.lineTo(crank + QPointF(40, 0));
  belt.cubicTo(QPointF(380, 440), QPointF(260, 440), crank + QPointF(-40, 0));
  belt.lineTo(pump + QPointF(-40, 0));
  belt.closeSubpath();
  s.p.setPen(QPen(QColor(40, 40, 40), 8));
  s.p.setBrush(Qt::NoBrush);
  s.p.drawPath(belt);
  Pulley(s.p, cam, 60, QColor(200, 200, 210));
  Pulley(s.p, tens, 22, QColor(230, 200, 120));
  Pulley(s.p, pump, 40, QColor(200, 210, 200));
  Pulley(s.p, crank, 40, QColor(200, 200, 210));
  s.p.setPen(QPen(kRed, 3));
  s.p.drawLine(cam + QPointF(0, -60), cam + QPointF(0, -40));
  s.Label(cam + QPointF(40, -30), QPointF(410, 30), "1 — шкив распределительного вала");
  s.Label(tens, QPointF(480, 230), "2 — натяжной ролик");
  s.Label(pump, QPointF(140, 180), "3 — шкив насоса");
  s.Label(crank + QPointF(30, 20), QPointF(480, 400), "4 — шкив коленчатого вала");
  s.Label(cam + QPointF(0, -58), QPointF(160, 40), "Метка");
  Arrow(s.p, QPointF(560, 300), QPointF(560, 340), kBlue);
  s.Text(QPointF(480, 330), "вращение");
}

void TimingMarks() {
  Sheet s("timing_marks.png", 640, 400, "Совмещение меток ГРМ");
  Pulley(s.p, QPointF(180, 180), 100, QColor(210, 210, 220));
  s.p.setPen(QPen(kRed, 4));
  s.p.drawLine(QPointF(180, 80), QPointF(180, 100));
  s.p.setBrush(kDark);
  s.p.setPen(QPen(kInk, 2));
  s.p.drawRect(QRectF(172, 55, 16, 22));
  s.Label(QPointF(180, 66), QPointF(300, 50), "Выступ задней крышки");
  s.Label(QPointF(180, 95), QPointF(60, 40), "Метка на шкиве");
  s.p.setBrush(QColor(220, 220, 220));
  s.p.drawRect(QRectF(380, 110, 200, 140));
  s.p.save();
  s.p.setClipRect(QRectF(381, 111, 198, 138));  // the flywheel seen through the window
  s.p.setBrush(kSteel);
  s.p.drawEllipse(QRectF(340, 150, 280, 280));
  s.p.restore();
  s.p.setPen(QPen(kInk, 2));
  for (int i = -2; i <= 2; ++i) s.p.drawLine(QPointF(480 + i * 25, 130), QPointF(480 + i * 25, 150));
  s.p.setPen(QPen(kRed, 4));
  s.p.drawLine(QPointF(480, 150), QPointF(480, 175));
  s.Label(QPointF(480, 165), QPointF(420, 300), "Метка на маховике");
  s.Text(QPointF(390, 275), "Окно картера сцепления", 10);
  s.Label(QPointF(430, 140), QPointF(560, 80), "Шкала картера сцепления");
}

void SparkPlug() {
  Sheet s("spark_plug.png", 640, 400, "Свеча зажигания");
  const qreal x = 250;
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(kSteel);
  s.p.drawRect(QRectF(x - 8, 30, 16, 30));  // terminal
  s.p.setBrush(QColor(245, 245, 240));
  s.p.drawRoundedRect(QRectF(x - 22, 60, 44, 120), 10, 10);  // insulator
  s.p.setBrush(kDark);
  s.p.drawRect(QRectF(x - 35, 180, 70, 45));  // hex
  s.p.setBrush(kSteel);
  s.p.drawRect(QRectF(x - 25, 225, 50, 80));  // thread
  for (int y = 230; y < 300; y += 8) s.p.drawLine(QPointF(x - 25, y), QPointF(x + 25, y + 4));
  s.p.setBrush(QColor(120, 80, 40));
  s.p.drawRect(QRectF(x - 3, 305, 6, 20));  // centre electrode
  QPainterPath side;
  side.moveTo(x + 20, 305);
  side.lineTo(x + 20, 340);
  side.lineTo(x - 6, 340);
  s.p.setPen(QPen(QColor(120, 80, 40), 6));
  s.p.setBrush(Qt::NoBrush);
  s.p.drawPath(side);
  s.Label(QPointF(x, 45), QPointF(380, 40), "Контактная гайка");
  s.Label(QPointF(x + 15, 120), QPointF(380, 110), "Изолятор");
  s.Label(QPointF(x + 30, 200), QPointF(380, 190), "Шестигранник 21 мм");
  s.Label(QPointF(x + 20, 260), QPointF(380, 260), "Резьба M14");
  s.Label(QPointF(x, 322), QPointF(120, 300), "Центральный электрод");
  s.Label(QPointF(x + 18, 338), QPointF(380, 340), "Зазор 1,0–1,13 мм");
}

void CoolingCircuit() {
  Sheet s("cooling_circuit.png", 640, 480, "Схема системы охлаждения");
  auto box = [&](QRectF r, const QString& t, QColor c) {
    s.p.setPen(QPen(kInk, 2));
    s.p.setBrush(c);
    s.p.drawRoundedRect(r, 8, 8);
    s.p.setPen(kInk);
    s.p.drawText(r, Qt::AlignCenter | Qt::TextWordWrap, t);
  };
  const QRectF engine(240, 180, 160, 110), radiator(40, 160, 110, 170), thermo(260, 60, 120, 50),
      pump(270, 350, 100, 50), tank(470, 50, 130, 60), heater(470, 200, 130, 60);
  box(engine, "Рубашка блока и головки", QColor(230, 200, 190));
  box(radiator, "Радиатор", QColor(190, 210, 240));
  box(thermo, "Термостат", QColor(240, 230, 180));
  box(pump, "Насос", QColor(200, 230, 200));
  box(tank, "Расширительный бачок", QColor(250, 250, 230));
  box(heater, "Радиатор отопителя", QColor(240, 200, 200));
  Arrow(s.p, QPointF(320, 180), QPointF(320, 112), kRed, 3);
  Arrow(s.p, QPointF(260, 85), QPointF(95, 158), kRed, 3);
  s.Text(QPointF(120, 100), "большой круг", 10);
  Arrow(s.p, QPointF(95, 332), QPointF(268, 375), kBlue, 3);
  Arrow(s.p, QPointF(320, 350), QPointF(320, 292), kBlue, 3);
  Arrow(s.p, QPointF(400, 210), QPointF(468, 225), kRed, 2);
  Arrow(s.p, QPointF(535, 262), QPointF(372, 370), kBlue, 2);
  Arrow(s.p, QPointF(380, 80), QPointF(468, 80), kDark, 1.5);
  s.p.setPen(QPen(kRed, 2, Qt::DashLine));
  s.p.drawLine(QPointF(330, 112), QPointF(330, 150));
  s.Text(QPointF(335, 140), "малый круг", 10);
  s.Text(QPointF(40, 440), "Красным — горячая жидкость, синим — охлаждённая", 10);
}

void BrakeDisc() {
  Sheet s("brake_disc.jpg", 640, 480, "Передний тормозной механизм");
  const QPointF c(280, 250);
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(190, 190, 195));
  s.p.drawEllipse(c, 170, 170);
  s.p.setBrush(QColor(160, 160, 165));
  s.p.drawEllipse(c, 75, 75);
  s.p.setBrush(kPaper);
  s.p.drawEllipse(c, 28, 28);
  for (int i = 0; i < 4; ++i) {
    const qreal a = M_PI / 4 + i * M_PI / 2;
    s.p.drawEllipse(c + QPointF(std::cos(a) * 50, std::sin(a) * 50), 8, 8);
  }
  QPainterPath caliper;
  caliper.moveTo(c + QPointF(-110, -150));
  caliper.arcTo(QRectF(c.x() - 195, c.y() - 195, 390, 390), 125, -70);
  caliper.arcTo(QRectF(c.x() - 120, c.y() - 120, 240, 240), 55, 70);
  caliper.closeSubpath();
  s.p.setBrush(QColor(200, 60, 50));
  s.p.drawPath(caliper);
  s.p.setPen(QPen(kInk, 1, Qt::DashLine));
  s.p.setBrush(Qt::NoBrush);
  s.p.drawEllipse(c, 140, 140);
  s.Label(c + QPointF(0, -170), QPointF(470, 40), "Скоба с цилиндром (суппорт)");
  s.Label(c + QPointF(-80, -118), QPointF(80, 40), "Колодка");
  s.Label(c + QPointF(120, 90), QPointF(500, 400), "Рабочая поверхность диска");
  s.Label(c + QPointF(35, 35), QPointF(500, 320), "Шпилька крепления колеса");
  s.Label(c + QPointF(-20, 20), QPointF(60, 420), "Ступица");
  s.Text(QPointF(470, 180), "Толщина: 12,0 мм", 10);
  s.Text(QPointF(470, 200), "Минимум: 10,8 мм", 10);
}

void BrakeBleeding() {
  Sheet s("brake_bleeding.png", 640, 480, "Порядок прокачки тормозов");
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(230, 230, 235));
  s.p.drawRoundedRect(QRectF(220, 40, 200, 380), 60, 60);
  s.Text(QPointF(285, 70), "Перед", 12, true);
  struct W { QPointF at; int n; const char* name; };
  const W wheels[] = {{{430, 340}, 1, "правое заднее"}, {{210, 120}, 2, "левое переднее"},
                      {{210, 340}, 3, "левое заднее"}, {{430, 120}, 4, "правое переднее"}};
  for (const W& w : wheels) {
    s.p.setPen(QPen(kInk, 2));
    s.p.setBrush(QColor(50, 50, 55));
    s.p.drawRoundedRect(QRectF(w.at.x() - 18, w.at.y() - 40, 36, 80), 8, 8);
    s.p.setBrush(kRed);
    s.p.drawEllipse(w.at + QPointF(w.at.x() < 320 ? -60 : 60, 0), 18, 18);
    s.p.setPen(Qt::white);
    s.p.setFont(LabelFont(14, true));
    s.p.drawText(QRectF(w.at.x() + (w.at.x() < 320 ? -78 : 42), w.at.y() - 18, 36, 36), Qt::AlignCenter,
                 QString::number(w.n));
    s.p.setFont(LabelFont());
    s.Text(QPointF(w.at.x() < 320 ? 20 : 500, w.at.y() + 45), QString::fromUtf8(w.name), 10);
  }
  s.p.setPen(QPen(kBlue, 2, Qt::DashLine));
  s.p.drawLine(QPointF(400, 320), QPointF(240, 140));
  s.p.setPen(QPen(QColor(40, 140, 60), 2, Qt::DashLine));
  s.p.drawLine(QPointF(240, 320), QPointF(400, 140));
  s.Text(QPointF(230, 445), "Контуры разделены по диагонали", 10);
}

void DrumBrake() {
  Sheet s("drum_brake.jpg", 640, 480, "Задний тормозной механизм");
  const QPointF c(320, 240);
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(215, 215, 220));
  s.p.drawEllipse(c, 180, 180);
  s.p.setBrush(kPaper);
  s.p.drawEllipse(c, 160, 160);
  s.p.setPen(QPen(QColor(110, 80, 50), 16, Qt::SolidLine, Qt::FlatCap));
  s.p.setBrush(Qt::NoBrush);
  s.p.drawArc(QRectF(c.x() - 145, c.y() - 145, 290, 290), 100 * 16, 160 * 16);
  s.p.drawArc(QRectF(c.x() - 145, c.y() - 145, 290, 290), -80 * 16, 160 * 16);
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(kSteel);
  s.p.drawRect(QRectF(c.x() - 40, c.y() - 150, 80, 24));  // wheel cylinder
  Spring(s.p, c + QPointF(-60, -110), c + QPointF(60, -110), 0, 1);
  s.p.setPen(QPen(QColor(40, 120, 60), 3));
  s.p.drawLine(c + QPointF(-70, 120), c + QPointF(70, 120));
  s.Label(c + QPointF(0, -140), QPointF(470, 40), "Колёсный цилиндр");
  s.Label(c + QPointF(-140, 0), QPointF(60, 240), "Колодка");
  s.Label(c + QPointF(0, 120), QPointF(470, 430), "Нижняя стяжная пружина");
  s.Label(c + QPointF(170, 40), QPointF(560, 300), "Барабан");
}

void Strut() {
  Sheet s("strut.jpg", 480, 560, "Стойка передней подвески");
  const qreal x = 220;
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(kDark);
  s.p.drawRoundedRect(QRectF(x - 70, 40, 140, 30), 8, 8);  // top mount
  s.p.setBrush(kSteel);
  s.p.drawRect(QRectF(x - 6, 70, 12, 120));  // rod
  s.p.drawRect(QRectF(x - 60, 110, 120, 10));  // upper seat
  Spring(s.p, QPointF(x, 120), QPointF(x, 300), 55, 5);
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(60, 60, 70));
  s.p.drawRect(QRectF(x - 22, 190, 44, 230));  // damper body
  s.p.setBrush(kSteel);
  s.p.drawRect(QRectF(x - 60, 300, 120, 10));  // lower seat
  s.p.setBrush(QColor(140, 140, 150));
  QPolygonF knuckle;
  knuckle << QPointF(x - 30, 420) << QPointF(x + 30, 420) << QPointF(x + 50, 480) << QPointF(x - 10, 510)
          << QPointF(x - 40, 470);
  s.p.drawPolygon(knuckle);
  s.p.setBrush(kPaper);
  s.p.drawEllipse(QPointF(x, 440), 7, 7);
  s.p.drawEllipse(QPointF(x + 10, 475), 7, 7);
  s.Label(QPointF(x + 60, 55), QPointF(330, 40), "1 — верхняя опора");
  s.Label(QPointF(x + 50, 200), QPointF(330, 180), "2 — пружина");
  s.Label(QPointF(x + 20, 380), QPointF(330, 370), "3 — амортизатор");
  s.Label(QPointF(x + 30, 490), QPointF(330, 500), "4 — поворотный кулак");
  s.Label(QPointF(x, 440), QPointF(60, 420), "Эксцентриковый болт");
}

void LowerArm() {
  Sheet s("lower_arm.png", 640, 400, "Нижний рычаг передней подвески");
  QPainterPath arm;
  arm.moveTo(100, 150);
  arm.lineTo(480, 170);
  arm.lineTo(520, 230);
  arm.lineTo(110, 210);
  arm.closeSubpath();
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(120, 125, 135));
  s.p.drawPath(arm);
  s.p.setBrush(QColor(40, 40, 40));
  s.p.drawEllipse(QPointF(110, 180), 30, 30);
  s.p.setBrush(kSteel);
  s.p.drawEllipse(QPointF(110, 180), 12, 12);
  s.p.setBrush(QColor(200, 200, 205));
  s.p.drawEllipse(QPointF(505, 200), 26, 26);
  s.p.setBrush(kDark);
  s.p.drawRect(QRectF(495, 130, 20, 50));
  s.p.setBrush(kPaper);
  s.p.drawEllipse(QPointF(300, 185), 8, 8);
  s.Label(QPointF(110, 200), QPointF(80, 320), "Сайлентблок");
  s.Label(QPointF(505, 140), QPointF(560, 80), "Шаровая опора");
  s.Label(QPointF(300, 185), QPointF(300, 320), "Крепление стойки стабилизатора");
}

void Alignment() {
  Sheet s("alignment.png", 640, 400, "Развал и схождение колёс");
  s.Text(QPointF(90, 40), "Развал (вид спереди)", 12, true);
  s.p.save();
  s.p.translate(160, 200);
  s.p.rotate(6);
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(50, 50, 55));
  s.p.drawRoundedRect(QRectF(-25, -100, 50, 200), 10, 10);
  s.p.restore();
  s.p.setPen(QPen(kRed, 1, Qt::DashLine));
  s.p.drawLine(QPointF(160, 80), QPointF(160, 320));
  s.Text(QPointF(180, 90), "угол развала", 10);
  s.Text(QPointF(390, 40), "Схождение (вид сверху)", 12, true);
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(50, 50, 55));
  for (int side = -1; side <= 1; side += 2) {
    s.p.save();
    s.p.translate(480 + side * 80, 200);
    s.p.rotate(side * -4);
    s.p.drawRoundedRect(QRectF(-15, -60, 30, 120), 8, 8);
    s.p.restore();
  }
  Arrow(s.p, QPointF(480, 330), QPointF(480, 290), kBlue);
  s.Text(QPointF(440, 350), "направление движения", 10);
  s.Text(QPointF(370, 120), "A", 12, true);
  s.Text(QPointF(370, 290), "B", 12, true);
  s.Text(QPointF(380, 375), "Схождение = B − A", 10);
}

void Battery() {
  Sheet s("battery.png", 640, 400, "Аккумуляторная батарея 6СТ-55");
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(60, 60, 70));
  s.p.drawRect(QRectF(140, 120, 360, 200));
  s.p.setBrush(QColor(80, 80, 90));
  s.p.drawRect(QRectF(130, 100, 380, 30));
  s.p.setBrush(kRed);
  s.p.drawRect(QRectF(170, 75, 40, 25));
  s.p.setBrush(kBlue);
  s.p.drawRect(QRectF(430, 75, 40, 25));
  s.p.setPen(Qt::white);
  s.p.setFont(LabelFont(26, true));
  s.p.drawText(QRectF(160, 150, 60, 50), Qt::AlignCenter, "+");
  s.p.drawText(QRectF(420, 150, 60, 50), Qt::AlignCenter, "−");
  s.p.setFont(LabelFont(16, true));
  s.p.drawText(QRectF(140, 220, 360, 40), Qt::AlignCenter, "12 В  55 А·ч");
  s.p.setFont(LabelFont());
  s.Label(QPointF(190, 80), QPointF(100, 40), "Плюсовая клемма");
  s.Label(QPointF(450, 80), QPointF(560, 40), "Минусовая клемма");
  s.Label(QPointF(320, 320), QPointF(320, 350), "Прижимная планка");
}

void FuseBox() {
  Sheet s("fuse_box.png", 640, 420, "Монтажный блок");
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(235, 235, 235));
  s.p.drawRoundedRect(QRectF(40, 40, 560, 320), 12, 12);
  const int amps[] = {10, 10, 15, 20, 10, 10, 10, 7, 15, 20};
  for (int i = 0; i < 10; ++i) {
    const QRectF r(70 + i * 52, 70, 40, 90);
    QColor c = amps[i] == 10 ? QColor(220, 40, 40) : amps[i] == 15 ? QColor(60, 120, 220)
             : amps[i] == 20 ? QColor(240, 210, 40) : QColor(150, 90, 50);
    s.p.setPen(QPen(kInk, 1.5));
    s.p.setBrush(c);
    s.p.drawRoundedRect(r, 5, 5);
    s.p.setPen(kInk);
    s.p.drawText(QRectF(r.x() - 6, 165, 52, 20), Qt::AlignCenter, QString("F%1").arg(i + 1));
    s.p.drawText(QRectF(r.x() - 6, 185, 52, 20), Qt::AlignCenter,
                 amps[i] == 7 ? QString("7,5 А") : QString("%1 А").arg(amps[i]));
  }
  for (int i = 0; i < 4; ++i) {
    const QRectF r(90 + i * 130, 230, 90, 90);
    s.p.setPen(QPen(kInk, 1.5));
    s.p.setBrush(QColor(70, 70, 80));
    s.p.drawRect(r);
    s.p.setPen(Qt::white);
    s.p.drawText(r, Qt::AlignCenter, QString("K%1").arg(i + 1));
  }
  s.Text(QPointF(60, 385), "Предохранители F1–F10, реле K1–K4. Цвет корпуса обозначает ток.", 10);
}

void Generator() {
  Sheet s("generator.jpg", 640, 440, "Генератор и ремень его привода");
  const QPointF gen(420, 140), crank(250, 320);
  s.p.setPen(QPen(QColor(40, 40, 40), 7));
  s.p.drawLine(gen + QPointF(-30, -25), crank + QPointF(-45, -15));
  s.p.drawLine(gen + QPointF(25, 30), crank + QPointF(40, 25));
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(200, 200, 205));
  s.p.drawEllipse(gen, 100, 100);
  Pulley(s.p, gen, 36, kDark);
  Pulley(s.p, crank, 50, kSteel);
  s.p.setBrush(kSteel);
  s.p.drawRect(QRectF(520, 220, 80, 14));
  s.Label(gen + QPointF(80, -60), QPointF(580, 50), "Генератор");
  s.Label(QPointF(560, 227), QPointF(580, 300), "Натяжной болт");
  s.Label(crank, QPointF(80, 380), "Шкив коленчатого вала");
  s.Label(QPointF(330, 230), QPointF(120, 180), "Прогиб 10–15 мм");
}

void HeadlightAdjust() {
  Sheet s("headlight_adjust.png", 640, 420, "Разметка экрана для регулировки фар");
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(245, 245, 240));
  s.p.drawRect(QRectF(40, 40, 560, 300));
  s.p.setPen(QPen(kInk, 1, Qt::DashLine));
  s.p.drawLine(QPointF(40, 140), QPointF(600, 140));
  s.p.drawLine(QPointF(200, 40), QPointF(200, 340));
  s.p.drawLine(QPointF(440, 40), QPointF(440, 340));
  s.p.drawLine(QPointF(320, 40), QPointF(320, 340));
  s.p.setPen(QPen(kRed, 2));
  s.p.drawLine(QPointF(40, 190), QPointF(600, 190));
  for (qreal x : {200.0, 440.0}) {
    QPolygonF spot;
    spot << QPointF(x - 90, 190) << QPointF(x, 190) << QPointF(x + 40, 160) << QPointF(x + 90, 160)
         << QPointF(x + 90, 260) << QPointF(x - 90, 260);
    s.p.setPen(Qt::NoPen);
    s.p.setBrush(QColor(255, 230, 100, 160));
    s.p.drawPolygon(spot);
  }
  s.Text(QPointF(50, 135), "линия центров фар", 10);
  s.Text(QPointF(50, 210), "65 мм ниже", 10);
  s.Text(QPointF(330, 60), "ось автомобиля", 10);
  s.Text(QPointF(60, 370), "Расстояние от фар до экрана — 5 м", 10);
}

void Clutch() {
  Sheet s("clutch.jpg", 640, 400, "Сцепление (детали в разнесённом виде)");
  struct Part { qreal x, w, h; QColor c; const char* name; };
  const Part parts[] = {{80, 40, 260, kDark, "1 — маховик"},
                        {220, 14, 200, QColor(150, 110, 70), "2 — ведомый диск"},
                        {330, 50, 230, kSteel, "3 — нажимной диск"},
                        {480, 40, 70, QColor(200, 200, 120), "4 — подшипник выключения"}};
  for (const Part& part : parts) {
    s.p.setPen(QPen(kInk, 2));
    s.p.setBrush(part.c);
    s.p.drawRoundedRect(QRectF(part.x, 180 - part.h / 2, part.w, part.h), 6, 6);
    s.Text(QPointF(part.x - 20, 180 + part.h / 2 + 24), QString::fromUtf8(part.name), 10);
  }
  s.p.setPen(QPen(kInk, 1, Qt::DashDotLine));
  s.p.drawLine(QPointF(50, 180), QPointF(600, 180));
  s.Text(QPointF(470, 60), "Ø ведомого диска 200 мм", 10);
}

void GearShift() {
  Sheet s("gear_shift.png", 480, 400, "Схема переключения передач");
  s.p.setPen(QPen(kInk, 6, Qt::SolidLine, Qt::RoundCap));
  const qreal xs[] = {120, 220, 320, 400};
  s.p.drawLine(QPointF(120, 180), QPointF(400, 180));
  for (qreal x : xs) s.p.drawLine(QPointF(x, 80), QPointF(x, 280));
  auto gear = [&](QPointF at, const QString& t) {
    s.p.setPen(QPen(kInk, 2));
    s.p.setBrush(kBlue);
    s.p.drawEllipse(at, 20, 20);
    s.p.setPen(Qt::white);
    s.p.setFont(LabelFont(14, true));
    s.p.drawText(QRectF(at.x() - 20, at.y() - 20, 40, 40), Qt::AlignCenter, t);
    s.p.setFont(LabelFont());
  };
  gear(QPointF(120, 80), "1");
  gear(QPointF(120, 280), "2");
  gear(QPointF(220, 80), "3");
  gear(QPointF(220, 280), "4");
  gear(QPointF(320, 80), "5");
  gear(QPointF(400, 280), "R");
  s.Text(QPointF(170, 330), "R — задний ход", 10);
}

void Door() {
  Sheet s("door.png", 640, 440, "Передняя дверь");
  QPainterPath door;
  door.moveTo(100, 380);
  door.lineTo(100, 190);
  door.lineTo(180, 60);
  door.lineTo(500, 60);
  door.lineTo(540, 190);
  door.lineTo(540, 380);
  door.closeSubpath();
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(180, 40, 40));
  s.p.drawPath(door);
  QPolygonF glass;
  glass << QPointF(130, 185) << QPointF(195, 80) << QPointF(480, 80) << QPointF(510, 185);
  s.p.setBrush(QColor(190, 215, 235));
  s.p.drawPolygon(glass);
  s.p.setBrush(kSteel);
  s.p.drawRect(QRectF(88, 220, 16, 30));
  s.p.drawRect(QRectF(88, 320, 16, 30));
  s.p.drawRect(QRectF(100, 270, 60, 10));
  s.p.drawRect(QRectF(500, 250, 30, 22));
  s.Label(QPointF(96, 235), QPointF(40, 200), "Петля");
  s.Label(QPointF(96, 335), QPointF(40, 400), "Петля");
  s.Label(QPointF(140, 275), QPointF(250, 320), "Ограничитель");
  s.Label(QPointF(515, 260), QPointF(600, 330), "Замок");
}

void Bumper() {
  Sheet s("bumper.jpg", 640, 360, "Передний бампер (вид спереди)");
  QPainterPath b;
  b.moveTo(60, 140);
  b.cubicTo(QPointF(200, 110), QPointF(440, 110), QPointF(580, 140));
  b.lineTo(570, 240);
  b.cubicTo(QPointF(440, 260), QPointF(200, 260), QPointF(70, 240));
  b.closeSubpath();
  s.p.setPen(QPen(kInk, 2));
  s.p.setBrush(QColor(180, 40, 40));
  s.p.drawPath(b);
  s.p.setBrush(QColor(40, 40, 40));
  s.p.drawRoundedRect(QRectF(220, 165, 200, 40), 10, 10);
  s.p.setBrush(QColor(250, 250, 200));
  s.p.drawEllipse(QPointF(120, 200), 18, 18);
  s.p.drawEllipse(QPointF(520, 200), 18, 18);
  s.p.setBrush(kBlue);
  for (QPointF at : {QPointF(75, 150), QPointF(565, 150), QPointF(250, 230), QPointF(390, 230)})
    s.p.drawEllipse(at, 6, 6);
  s.Label(QPointF(75, 150), QPointF(60, 60), "Саморез к подкрылку");
  s.Label(QPointF(250, 230), QPointF(200, 310), "Болт кронштейна");
  s.Label(QPointF(520, 200), QPointF(600, 290), "Противотуманная фара");
  s.Label(QPointF(320, 185), QPointF(420, 60), "Решётка");
}

// --------------------------------------------------------------- icons

void Icon(const QString& name, const std::function<void(QPainter&)>& draw) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
  }
  const QString path = g_dir + "/icons/" + name;
  if (!image.convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", qPrintable(path));
    ++g_failures;
  }
}

void Icons() {
  Icon("book.bmp", [](QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kBlue);
    p.drawRect(2, 1, 11, 14);
    p.setPen(Qt::white);
    p.drawLine(5, 5, 11, 5);
    p.drawLine(5, 8, 11, 8);
  });
  Icon("info.bmp", [](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(1, 1, 14, 14);
    p.setBrush(Qt::white);
    p.drawRect(7, 7, 2, 6);
    p.drawEllipse(7, 3, 2, 2);
  });
  Icon("engine.bmp", [](QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kSteel);
    p.drawRect(2, 5, 12, 8);
    p.drawRect(5, 2, 6, 3);
    p.drawLine(0, 9, 2, 9);
  });
  Icon("cooling.bmp", [](QPainter& p) {
    QPainterPath drop(QPointF(8, 1));
    drop.cubicTo(QPointF(14, 9), QPointF(12, 15), QPointF(8, 15));
    drop.cubicTo(QPointF(4, 15), QPointF(2, 9), QPointF(8, 1));
    p.setPen(kInk);
    p.setBrush(QColor(60, 140, 230));
    p.drawPath(drop);
  });
  Icon("brakes.bmp", [](QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kSteel);
    p.drawEllipse(1, 1, 14, 14);
    p.setBrush(kRed);
    p.drawRect(5, 0, 6, 4);
    p.setBrush(Qt::white);
    p.drawEllipse(6, 6, 4, 4);
  });
  Icon("suspension.bmp", [](QPainter& p) {
    p.setPen(QPen(QColor(40, 120, 60), 2));
    for (int i = 0; i < 5; ++i) p.drawLine(4, 2 + i * 3, 12, 3 + i * 3);
  });
  Icon("electrical.bmp", [](QPainter& p) {
    QPolygonF bolt;
    bolt << QPointF(9, 0) << QPointF(3, 9) << QPointF(7, 9) << QPointF(5, 16) << QPointF(13, 6)
         << QPointF(9, 6) << QPointF(11, 0);
    p.setPen(kInk);
    p.setBrush(QColor(250, 200, 30));
    p.drawPolygon(bolt);
  });
  Icon("transmission.bmp", [](QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kDark);
    for (int i = 0; i < 8; ++i) {
      p.save();
      p.translate(8, 8);
      p.rotate(i * 45);
      p.drawRect(-1, -8, 2, 3);
      p.restore();
    }
    p.drawEllipse(2, 2, 12, 12);
    p.setBrush(Qt::white);
    p.drawEllipse(6, 6, 4, 4);
  });
  Icon("body.bmp", [](QPainter& p) {
    p.setPen(kInk);
    p.setBrush(kRed);
    QPolygonF car;
    car << QPointF(1, 11) << QPointF(1, 8) << QPointF(4, 7) << QPointF(6, 4) << QPointF(11, 4)
        << QPointF(13, 7) << QPointF(15, 8) << QPointF(15, 11);
    p.drawPolygon(car);
    p.setBrush(Qt::black);
    p.drawEllipse(2, 10, 4, 4);
    p.drawEllipse(10, 10, 4, 4);
  });
  Icon("page.bmp", [](QPainter& p) {
    p.setPen(kInk);
    p.setBrush(Qt::white);
    p.drawRect(3, 1, 10, 14);
    p.setPen(kBlue);
    for (int y = 4; y <= 12; y += 2) p.drawLine(5, y, 11, y);
  });
  Icon("glossary.bmp", [](QPainter& p) {
    p.setPen(kInk);
    p.setBrush(QColor(40, 140, 60));
    p.drawRect(2, 1, 11, 14);
    p.setPen(Qt::white);
    p.setFont(LabelFont(6, true));
    p.drawText(QRect(2, 1, 11, 14), Qt::AlignCenter, "А");
  });
}

}  // namespace

// The start-up picture, a plain file beside the viewer (not an archive entry).
bool Splash(const QString& path) {
  QImage img(480, 260, QImage::Format_RGB32);
  img.fill(QColor(43, 58, 85));
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(255, 255, 255));
  QFont big("DejaVu Sans", 30, QFont::Bold);
  p.setFont(big);
  p.drawText(QRect(0, 40, 480, 60), Qt::AlignHCenter, QString::fromUtf8("Заря-2110"));
  QFont small("DejaVu Sans", 12);
  p.setFont(small);
  p.setPen(QColor(216, 224, 240));
  p.drawText(QRect(0, 110, 480, 30), Qt::AlignHCenter, QString::fromUtf8("Руководство по ремонту"));
  p.drawText(QRect(0, 190, 480, 24), Qt::AlignHCenter, QString::fromUtf8("Загрузка…"));
  p.end();
  return img.save(path, "BMP");
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: draw_pictures DIR [SPLASH.bmp]\n");
    return 2;
  }
  if (argc == 3 && !Splash(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "draw_pictures: cannot write %s\n", argv[2]);
    return 1;
  }
  g_dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(g_dir + "/pages/img") || !QDir().mkpath(g_dir + "/icons")) {
    std::fprintf(stderr, "draw_pictures: cannot make folders in %s\n", argv[1]);
    return 1;
  }
  Car();
  EngineBay();
  BeltDrive();
  TimingMarks();
  SparkPlug();
  CoolingCircuit();
  BrakeDisc();
  BrakeBleeding();
  DrumBrake();
  Strut();
  LowerArm();
  Alignment();
  Battery();
  FuseBox();
  Generator();
  HeadlightAdjust();
  Clutch();
  GearShift();
  Door();
  Bumper();
  Icons();
  std::fprintf(stdout, "draw_pictures: %s\n", g_failures ? "some pictures failed" : "done");
  return g_failures ? 1 : 0;
}
