// Draws the instrument's face picture (face.jpg, a 310 x 310 baseline JPEG) and the
// application icon (tq4sim.png, 256 x 256) into the folder given as the only argument.
// The window lays its LED, LCD panel and click areas over the features drawn here, so
// their places below follow the window's control positions.
//
// Remake both files with (the script face comes from Debian's fonts-urw-base35):
//   cmake --build <build folder> --target tq4faceart
//   QT_QPA_PLATFORM=offscreen <build folder>/src/frontpanel/tq4faceart assets

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>
#include <jpeglib.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int FACE_SIZE = 310;
constexpr int ICON_SIZE = 256;

// Features under the window's controls (client pixels; the picture sits at 0, 0).
const QRectF LED_AREA(142, 16, 28, 27);    // Shape1
const QRectF LCD_AREA(39, 92, 231, 135);   // Panel1
const QRectF F1_AREA(65, 234, 49, 49);     // Image3
const QRectF KNOB_AREA(132, 246, 49, 49);  // Image5
const QRectF F2_AREA(196, 234, 49, 49);    // Image6

// The first of the families that is installed, or an empty string.
QString FirstInstalled(const QStringList& families) {
  // Families offered by more than one foundry are listed as "Name [foundry]".
  QStringList installed;
  for (const QString& listed : QFontDatabase::families()) {
    installed << listed.section(QStringLiteral(" ["), 0, 0);
  }
  for (const QString& family : families) {
    if (installed.contains(family, Qt::CaseInsensitive)) {
      return family;
    }
  }
  return QString();
}

QFont MakerFont() {
  QFont font(FirstInstalled({"Liberation Sans", "DejaVu Sans"}));
  font.setPixelSize(16);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0);
  return font;
}

QFont FamilyFont() {
  QString family = FirstInstalled({"Z003", "TeX Gyre Chorus", "URW Chancery L"});
  if (family.isEmpty()) {
    std::fprintf(stderr,
                 "draw_face: no script face installed (fonts-urw-base35); using a serif italic\n");
    family = FirstInstalled({"DejaVu Serif"});
  }
  QFont font(family);
  font.setPixelSize(26);
  font.setItalic(true);
  return font;
}

QFont KeyFont() {
  QFont font(FirstInstalled({"Liberation Sans", "DejaVu Sans"}));
  font.setPixelSize(12);
  font.setBold(true);
  return font;
}

// A square face key, dark with a light rim, with its label and a triangle pointing up or down.
void DrawKey(QPainter& p, const QRectF& area, const char* label, bool up) {
  const QRectF key = area.adjusted(5, 5, -5, -5);
  QLinearGradient body(key.topLeft(), key.bottomLeft());
  body.setColorAt(0, QColor(92, 92, 96));
  body.setColorAt(1, QColor(38, 38, 42));
  p.setPen(QPen(QColor(150, 150, 156), 1.5));
  p.setBrush(body);
  p.drawRoundedRect(key, 5, 5);

  p.setPen(Qt::white);
  p.setFont(KeyFont());
  p.drawText(QRectF(key.left(), key.top() + 3, key.width(), 14), Qt::AlignCenter, label);

  const double cx = key.center().x();
  const double top = key.top() + 21;
  const double bottom = key.bottom() - 5;
  QPainterPath triangle;
  if (up) {
    triangle.moveTo(cx, top);
    triangle.lineTo(cx + 7, bottom);
    triangle.lineTo(cx - 7, bottom);
  } else {
    triangle.moveTo(cx - 7, top);
    triangle.lineTo(cx + 7, top);
    triangle.lineTo(cx, bottom);
  }
  triangle.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(triangle);
}

// The push-and-turn knob: a grey disc with a knurled rim.
void DrawKnob(QPainter& p, const QRectF& area) {
  const QPointF centre = area.center();
  const double radius = area.width() / 2 - 3;
  QRadialGradient body(centre - QPointF(6, 6), radius * 1.4);
  body.setColorAt(0, QColor(214, 214, 218));
  body.setColorAt(1, QColor(112, 112, 118));
  p.setPen(QPen(QColor(60, 60, 64), 1));
  p.setBrush(body);
  p.drawEllipse(centre, radius, radius);
  p.setPen(QPen(QColor(80, 80, 86), 1));
  for (int i = 0; i < 36; ++i) {
    const double a = i * M_PI / 18;
    p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * (radius - 4),
               centre + QPointF(std::cos(a), std::sin(a)) * radius);
  }
  QRadialGradient cap(centre - QPointF(3, 3), radius);
  cap.setColorAt(0, QColor(236, 236, 240));
  cap.setColorAt(1, QColor(150, 150, 156));
  p.setPen(Qt::NoPen);
  p.setBrush(cap);
  p.drawEllipse(centre, radius - 6, radius - 6);
}

// The whole face, drawn on a transparent ground into a square of FACE_SIZE units.
void DrawFace(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QPointF centre(FACE_SIZE / 2.0, FACE_SIZE / 2.0);

  // Bezel ring, then the black face.
  QRadialGradient bezel(centre, 155);
  bezel.setColorAt(0.90, QColor(70, 70, 74));
  bezel.setColorAt(0.96, QColor(150, 150, 156));
  bezel.setColorAt(1.00, QColor(50, 50, 54));
  p.setPen(Qt::NoPen);
  p.setBrush(bezel);
  p.drawEllipse(centre, 154.5, 154.5);
  p.setBrush(QColor(8, 8, 10));
  p.drawEllipse(centre, 146, 146);

  // The red LED dot (under Shape1).
  const QPointF led = LED_AREA.center();
  QRadialGradient ledGlow(led - QPointF(3, 3), 12);
  ledGlow.setColorAt(0, QColor(255, 120, 110));
  ledGlow.setColorAt(1, QColor(190, 0, 0));
  p.setBrush(ledGlow);
  p.setPen(QPen(QColor(90, 0, 0), 1));
  p.drawEllipse(led, 11, 11);

  // Maker's name in white lettering, the family name in a script face.
  p.setPen(Qt::white);
  p.setFont(MakerFont());
  p.drawText(QRectF(0, 45, FACE_SIZE, 18), Qt::AlignHCenter | Qt::AlignVCenter, "Kelvane Aero");
  p.setPen(QColor(236, 236, 236));
  p.setFont(FamilyFont());
  p.drawText(QRectF(0, 60, FACE_SIZE, 30), Qt::AlignHCenter | Qt::AlignVCenter, "Corvane Meridel");

  // The LCD window (under Panel1) in a dark bezel.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(58, 58, 62));
  p.drawRoundedRect(LCD_AREA.adjusted(-5, -5, 5, 5), 4, 4);
  p.setBrush(QColor(196, 198, 194));
  p.drawRect(LCD_AREA);

  DrawKey(p, F1_AREA, "F1", true);
  DrawKnob(p, KNOB_AREA);
  DrawKey(p, F2_AREA, "F2", false);
}

bool WriteJpeg(const QImage& picture, const QString& path, int quality) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
  if (file == nullptr) {
    return false;
  }
  jpeg_compress_struct cinfo;
  jpeg_error_mgr jerr;
  cinfo.err = jpeg_std_error(&jerr);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = static_cast<JDIMENSION>(rgb.width());
  cinfo.image_height = static_cast<JDIMENSION>(rgb.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);  // baseline, sequential
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);

  QImage face(FACE_SIZE, FACE_SIZE, QImage::Format_RGB32);
  face.fill(Qt::white);
  {
    QPainter p(&face);
    DrawFace(p);
  }
  if (!WriteJpeg(face, folder + "/face.jpg", 92)) {
    std::fprintf(stderr, "draw_face: cannot write %s/face.jpg\n", argv[1]);
    return 1;
  }

  QImage icon(ICON_SIZE, ICON_SIZE, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  {
    QPainter p(&icon);
    p.scale(static_cast<double>(ICON_SIZE) / FACE_SIZE, static_cast<double>(ICON_SIZE) / FACE_SIZE);
    DrawFace(p);
  }
  if (!icon.save(folder + "/tq4sim.png")) {
    std::fprintf(stderr, "draw_face: cannot write %s/tq4sim.png\n", argv[1]);
    return 1;
  }
  return 0;
}
