// The simulator window: its controls, their handlers, and the Panel the instrument uses.
#include "frontpanel/Pcmain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <algorithm>

#include "frontpanel/ClickArea.h"
#include "frontpanel/DesktopColours.h"
#include "frontpanel/FacePicture.h"
#include "frontpanel/LcdImage.h"
#include "frontpanel/LedShape.h"
#include "instrument/Hardware.h"
#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "instrument/Presets.h"
#include "measurement/Calibration.h"
#include "screens/Keys.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int CLIENT_WIDTH = 621;
constexpr int CLIENT_HEIGHT = 404;
constexpr int SLIDER_MAX = 4096;
constexpr int SLIDER_START = 2048;
constexpr int NUMBER_LABEL_HEIGHT = 13;

// Button5 to Button9 are the orientation presets, in the order of their table.
static_assert(ORIENTATION_PRESET_COUNT == 5, "one button per orientation preset");

// "MS Sans Serif" at 11 pixels where the desktop has it; otherwise the closest sans-serif
// that is installed, narrowed to 95 %: Liberation Sans (Arial's metrics) then runs as wide
// as MS Sans Serif, so every caption fits the control laid out for it ("GForce Y" in 45
// pixels, a "0" 6 pixels wide).
QFont WindowFont() {
  static const char* const FAMILIES[] = {
      "MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arimo",
      "Arial",         "Nimbus Sans",          "DejaVu Sans"};
  QFont font;
  bool original = false;
  // Families offered by more than one foundry are listed as "Name [foundry]".
  QStringList installed;
  for (const QString& listed : QFontDatabase::families()) {
    installed << listed.section(QStringLiteral(" ["), 0, 0);
  }
  for (const char* family : FAMILIES) {
    if (installed.contains(QLatin1String(family), Qt::CaseInsensitive)) {
      font = QFont(QString::fromLatin1(family));
      original = family == FAMILIES[0];
      break;
    }
  }
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  if (!original) {
    font.setStretch(95);
  }
  return font;
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name, int left, int top, int width, int height) {
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(left, top, width, height);
  return widget;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                  int height) {
  auto* label =
      Place(new QLabel(QString::fromLatin1(text), parent), name, left, top, width, height);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, int left, int top,
                        int width, int height) {
  auto* button =
      Place(new QPushButton(QString::fromLatin1(caption), parent), name, left, top, width, height);
  button->setAutoDefault(false);
  return button;
}

QSlider* MakeSlider(QWidget* parent, const char* name, int left, int top) {
  auto* slider = Place(new QSlider(Qt::Horizontal, parent), name, left, top, 161, 45);
  slider->setRange(0, SLIDER_MAX);
  slider->setValue(SLIDER_START);
  slider->setSingleStep(1);
  slider->setPageStep(2);
  slider->setTickPosition(QSlider::NoTicks);
  return slider;
}

QCheckBox* MakeCheckBox(QWidget* parent, const char* name, const char* caption, int left, int top) {
  return Place(new QCheckBox(QString::fromLatin1(caption), parent), name, left, top, 97, 17);
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Corvane Meridel TQ-4"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(CLIENT_WIDTH, CLIENT_HEIGHT);
  setFont(WindowFont());
  QPalette windowPalette = palette();
  windowPalette.setColor(QPalette::Window, ButtonFaceColour(windowPalette));
  setPalette(windowPalette);
  setAutoFillBackground(true);

  FacePicture face = LoadFacePicture();
  faceError_ = face.Error;
  Image2 = Place(new QLabel(this), "Image2", 0, 0, FACE_PICTURE_SIZE, FACE_PICTURE_SIZE);
  Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image2->setPixmap(QPixmap::fromImage(face.Image));

  Label13 = MakeLabel(this, "Label13", "0", 408, 16, 6, NUMBER_LABEL_HEIGHT);
  Shape1 = Place(new LedShape(this, QColor::fromRgb(COLOUR_LED_RED)), "Shape1", 142, 16, 28, 27);
  Image3 = Place(new ClickArea(this), "Image3", 65, 234, 49, 49);
  Image5 = Place(new ClickArea(this), "Image5", 132, 246, 49, 49);
  Image6 = Place(new ClickArea(this), "Image6", 196, 234, 49, 49);
  Label1 = MakeLabel(this, "Label1", "GForce Y", 344, 16, 45, 13);
  Label2 = MakeLabel(this, "Label2", "GForce Z", 344, 48, 45, 13);
  Label3 = MakeLabel(this, "Label3", "0", 408, 48, 6, NUMBER_LABEL_HEIGHT);
  Button1 = MakeButton(this, "Button1", "ON", 24, 328, 129, 49);
  Button2 = MakeButton(this, "Button2", "OFF", 176, 328, 137, 49);
  TrackBar1 = MakeSlider(this, "TrackBar1", 448, 8);
  StatusBar1 = Place(new QStatusBar(this), "StatusBar1", 0, 385, CLIENT_WIDTH, 19);
  StatusBar1->setSizeGripEnabled(false);

  Panel1 = Place(new QFrame(this), "Panel1", 39, 92, 231, 135);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(1);
  QPalette panelPalette = Panel1->palette();
  const QColor panelColour = ScrollBarColour(panelPalette);
  panelPalette.setColor(QPalette::Window, panelColour);
  Panel1->setPalette(panelPalette);
  Panel1->setAutoFillBackground(true);
  Image1 = Place(new LcdImage(Panel1, panelColour, COLOUR_LCD_UNLIT), "Image1", 1, 1,
                 LCD_IMAGE_WIDTH, LCD_IMAGE_HEIGHT);

  CheckBox2 = MakeCheckBox(this, "CheckBox2", "Calibrate", 360, 88);
  CheckBox3 = MakeCheckBox(this, "CheckBox3", "KeyFast", 472, 88);
  TrackBar2 = MakeSlider(this, "TrackBar2", 447, 40);
  Button3 = MakeButton(this, "Button3", "AntiClockwise", 236, 285, 75, 25);
  Button4 = MakeButton(this, "Button4", "Clockwise", 1, 285, 65, 25);
  GroupBox1 = Place(new QGroupBox(QStringLiteral(" Unit Orientation "), this), "GroupBox1", 384,
                    120, 185, 153);
  Button5 = MakeButton(GroupBox1, "Button5", ORIENTATION_PRESETS[0].Caption, 14, 24, 75, 25);
  Button6 = MakeButton(GroupBox1, "Button6", ORIENTATION_PRESETS[1].Caption, 102, 24, 75, 25);
  Button7 = MakeButton(GroupBox1, "Button7", ORIENTATION_PRESETS[2].Caption, 14, 72, 75, 25);
  Button8 = MakeButton(GroupBox1, "Button8", ORIENTATION_PRESETS[3].Caption, 102, 72, 75, 25);
  Button9 = MakeButton(GroupBox1, "Button9", ORIENTATION_PRESETS[4].Caption, 54, 112, 75, 25);
  Button10 = MakeButton(this, "Button10", "Calibrate 1G", 392, 304, 75, 25);
  Button11 = MakeButton(this, "Button11", "Calibrate 0G", 488, 304, 75, 25);
  Button10->hide();
  Button11->hide();

  // Keyboard order: the windowed controls as numbered; the panel, the group box and the
  // status bar take no focus themselves, and the hidden buttons are skipped.
  QWidget::setTabOrder(Button1, Button2);
  QWidget::setTabOrder(Button2, TrackBar1);
  QWidget::setTabOrder(TrackBar1, CheckBox2);
  QWidget::setTabOrder(CheckBox2, CheckBox3);
  QWidget::setTabOrder(CheckBox3, TrackBar2);
  QWidget::setTabOrder(TrackBar2, Button3);
  QWidget::setTabOrder(Button3, Button4);
  QWidget::setTabOrder(Button4, Button5);
  QWidget::setTabOrder(Button5, Button6);
  QWidget::setTabOrder(Button6, Button7);
  QWidget::setTabOrder(Button7, Button8);
  QWidget::setTabOrder(Button8, Button9);
  QWidget::setTabOrder(Button9, Button10);
  QWidget::setTabOrder(Button10, Button11);

  connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
  connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
  connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
  connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
  connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
  connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
  connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
  connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
  // valueChanged fires only when the position really changes, by the user or from code.
  connect(TrackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
  connect(TrackBar2, &QSlider::valueChanged, this, &TForm1::TrackBar2Change);
  connect(Image3, &ClickArea::clicked, this, &TForm1::Image3Click);
  connect(Image5, &ClickArea::clicked, this, &TForm1::Image5Click);
  connect(Image6, &ClickArea::clicked, this, &TForm1::Image6Click);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }

  Form1 = this;
  AttachPanel(this);
}

TForm1::~TForm1() {
  if (&AttachedPanel() == this) {
    AttachPanel(nullptr);
  }
  if (Form1 == this) {
    Form1 = nullptr;
  }
}

// --- handlers ---

void TForm1::Button1Click() {
  // Once the window is closing an ON still queued must not start the instrument again:
  // it would clear the OFF request and run on with no window.
  if (closing_) {
    return;
  }
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } running(onDepth_);
  PowerOn();
}

void TForm1::Button2Click() { RequestPowerOff(); }
void TForm1::Button3Click() { InjectKey(KEY_CCW); }
void TForm1::Button4Click() { InjectKey(KEY_CW); }
void TForm1::Button5Click() { ApplyPreset(0); }
void TForm1::Button6Click() { ApplyPreset(1); }
void TForm1::Button7Click() { ApplyPreset(2); }
void TForm1::Button8Click() { ApplyPreset(3); }
void TForm1::Button9Click() { ApplyPreset(4); }
void TForm1::Button10Click() { CalibrateOneG(); }
void TForm1::Button11Click() { CalibrateZeroG(); }

void TForm1::TrackBar1Change() {
  State.AdcInputY = TrackBar1->value();
  ShowSliderPosition(Label13, TrackBar1->value());
}

void TForm1::TrackBar2Change() {
  State.AdcInputZ = TrackBar2->value();
  ShowSliderPosition(Label3, TrackBar2->value());
}

void TForm1::Image3Click() { InjectKey(KEY_F1); }
void TForm1::Image5Click() { InjectKey(KEY_SELECT); }
void TForm1::Image6Click() { InjectKey(KEY_F2); }

void TForm1::ApplyPreset(int index) {
  // setValue changes nothing, and signals nothing, when the slider stands there already.
  TrackBar1->setValue(ORIENTATION_PRESETS[index].SliderY);
  TrackBar2->setValue(ORIENTATION_PRESETS[index].SliderZ);
}

void TForm1::ShowSliderPosition(QLabel* label, int position) {
  // The number labels are as wide as their text.
  const QString text = QString::number(position);
  label->setText(text);
  label->resize(std::max(1, label->fontMetrics().horizontalAdvance(text)), NUMBER_LABEL_HEIGHT);
}

// --- Panel ---

int32_t TForm1::SliderPositionY() const { return TrackBar1->value(); }
int32_t TForm1::SliderPositionZ() const { return TrackBar2->value(); }
bool TForm1::CalibrateTicked() const { return CheckBox2->isChecked(); }
bool TForm1::KeyFastTicked() const { return CheckBox3->isChecked(); }
void TForm1::TickCalibrate() { CheckBox2->setChecked(true); }

void TForm1::SetLcdVisible(bool visible) {
  // Hiding and showing only mark the area for repainting; painting happens when events
  // are processed, which the run loop does after the image is shown again with the whole
  // new frame in it. So the hidden state is never on the screen.
  if (Image1->isHidden() == visible) {
    Image1->setVisible(visible);
  }
}

uint32_t TForm1::UnlitColour() const { return Image1->Surface().Unlit(); }

void TForm1::PlotImagePixel(int x, int y, uint32_t colour) {
  if (closing_) {
    return;
  }
  Image1->Surface().Plot(x, y, colour);
  Image1->MarkPainted();
}

void TForm1::PresentFrame(const uint8_t* frameBuffer) {
  if (closing_) {
    return;
  }
  ++presents_;
  Image1->Surface().Present(frameBuffer);
  Image1->MarkPainted();
  if (pacing_) {
    const QScreen* shownOn = screen();
    pacer_.Wait(FramePacer::PeriodForRate(shownOn != nullptr ? shownOn->refreshRate() : 0.0));
  }
}

void TForm1::SetLedColour(uint32_t colour) { Shape1->SetFill(QColor::fromRgb(colour)); }

void TForm1::PumpEvents() {
  ++pumps_;
  QCoreApplication::processEvents();
}

void TForm1::closeEvent(QCloseEvent* event) {
  // Every run loop ends at its next loop test; whatever is left of a splash runs through
  // unpaced and unseen, so closing is quick at any moment.
  closing_ = true;
  pacing_ = false;
  RequestPowerOff();
  event->accept();
}
