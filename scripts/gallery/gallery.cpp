// tq4gallery: renders the pictures of docs/images from the real code: the simulator window
// with the instrument running, and every screen of the instrument in English and French,
// drawn by the screens themselves and shown four times their size.
// Usage: tq4gallery <folder>   (run on Qt's offscreen platform)
#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QSlider>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>

#include "frontpanel/DesktopColours.h"
#include "frontpanel/Pcmain.h"
#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"
#include "instrument/Presets.h"
#include "lcd/FrameBuffer.h"
#include "lcd/LcdGeometry.h"
#include "measurement/Calibration.h"
#include "measurement/Measure.h"
#include "screens/Keys.h"
#include "screens/Screens.h"

namespace {

constexpr int SCALE = 4;
constexpr int MARGIN = 8;

// The instrument as after a power-on with the inputs given and some history behind it.
void Instrument(int32_t y, int32_t z) {
  State = InstrumentState{};
  LoadSettingsDefaults();
  LoadCalibrationDefaults();
  State.KeyStep = 1;
  State.AdcInputY = y;
  State.AdcInputZ = z;
  State.CyclesPos = 3;
  State.CyclesNeg = 1;
  State.TempMax = 25;
  State.TempMin = -12;
  State.MaxPos = 42;
  State.MaxNeg = -35;
  for (int i = 0; i < WARM_UP_PASSES; ++i) MeasureG();
  State.ReturnScreen = ScreenMain;
}

void On(ScreenHandler screen, uint8_t cursor, uint8_t editMode = 0) {
  State.CurrentScreen = screen;
  State.Cursor = cursor;
  State.EditMode = editMode;
}

void Digits(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
  State.CodeDigits[0] = a;
  State.CodeDigits[1] = b;
  State.CodeDigits[2] = c;
  State.CodeDigits[3] = d;
}

struct Picture {
  const char* name;               // docs/images/screen-<name>-<en|fr>.png
  std::function<void()> arrange;  // the state to draw; nullptr screen means the splash
  bool worded = true;             // false: the same in both languages, screen-<name>.png
};

// Every screen, in the state a user meets it in.
const Picture PICTURES[] = {
    {"splash", [] { Instrument(2048, 2048); State.CurrentScreen = nullptr; }, false},
    {"splash-calibrate",
     [] {
       Instrument(2048, 2048);
       State.CalibrateMode = 1;
       State.CurrentScreen = nullptr;
     },
     false},
    {"main", [] { Instrument(2048, 1648); On(ScreenMain, 0); }, false},
    {"main-negative",
     [] {
       Instrument(2048, 2648);
       State.TempMin = -21;
       On(ScreenMain, 0);
     },
     false},
    {"menu-exit", [] { Instrument(2048, 2048); On(ScreenMainMenu, 0); }},
    {"menu-display", [] { Instrument(2048, 2048); On(ScreenMainMenu, 1); }},
    {"menu-gforce", [] { Instrument(2048, 2048); On(ScreenMainMenu, 2); }},
    {"menu-adc",
     [] {
       Instrument(2048, 2048);
       State.CalibrateMode = 1;
       On(ScreenMainMenu, 3);
     }},
    {"menu-calibrate",
     [] {
       Instrument(2048, 2048);
       State.CalibrateMode = 1;
       On(ScreenMainMenu, 4);
     }},
    {"display-setup", [] { Instrument(2048, 2048); On(ScreenDisplaySetup, 1); }},
    {"display-setup-backlight", [] { Instrument(2048, 2048); On(ScreenDisplaySetup, 2, 1); }},
    {"contrast", [] { Instrument(2048, 2048); On(ScreenContrast, 0); }},
    {"gforce-setup", [] { Instrument(2048, 2048); On(ScreenGForceSetup, 2, 1); }},
    {"gforce-setup-code-row", [] { Instrument(2048, 2048); On(ScreenGForceSetup, 5); }},
    {"enter-current-code",
     [] {
       Instrument(2048, 2048);
       On(ScreenEnterCurrentCode, 2);
       Digits(9, 7, 0, 0);
     }},
    {"enter-new-code",
     [] {
       Instrument(2048, 2048);
       On(ScreenEnterNewCode, 0);
       Digits(0, 0, 0, 0);
     }},
    {"confirm-new-code",
     [] {
       Instrument(2048, 2048);
       On(ScreenConfirmNewCode, 3);
       Digits(1, 2, 3, 4);
     }},
    {"enter-reset-code",
     [] {
       Instrument(2048, 2048);
       On(ScreenEnterResetCode, 1);
       Digits(1, 2, 0, 0);
     }},
    {"code-incorrect",
     [] {
       Instrument(2048, 2048);
       On(ScreenCodeIncorrect, 5);
       State.ReturnScreen = ScreenGForceSetup;
     }},
    {"code-changed",
     [] {
       Instrument(2048, 2048);
       On(ScreenCodeChanged, 5);
       State.ReturnScreen = ScreenGForceSetup;
     }},
    {"max-values", [] { Instrument(2048, 2048); On(ScreenMaxValues, 0); }},
    {"reset-temp-max", [] { Instrument(2048, 2048); On(ScreenResetTempMax, 0); }},
    {"reset-cycles", [] { Instrument(2048, 2048); On(ScreenResetCycles, 0); }},
    {"done", [] { Instrument(2048, 2048); On(ScreenDone, 0); }},
    {"calibrate",
     [] {
       Instrument(2029, 2012);
       State.CalibrateMode = 1;
       On(ScreenCalibrate, 1);
     }},
    {"z-axis-cal",
     [] {
       Instrument(2048, 1648);
       On(ScreenZAxisCal, 4);
       State.ReturnScreen = ScreenGForceSetup;
     }},
    {"adc-values",
     [] {
       Instrument(ORIENTATION_PRESETS[0].SliderY, ORIENTATION_PRESETS[0].SliderZ);
       State.CalibrateMode = 1;
       On(ScreenAdcValues, 0);
     }},
};

// One pass as the run loop makes it, or the whole splash.
void Draw() {
  if (State.CurrentScreen == nullptr) {
    int8_t maker = 114;
    int8_t model = -20;
    for (int pass = 0; pass < SPLASH_PASSES; ++pass) SplashPass(maker, model);
    return;
  }
  MeasureG();
  LcdClear();
  const ScreenHandler drawn = State.CurrentScreen;
  drawn();
  if (State.CurrentScreen != drawn) std::fprintf(stderr, "tq4gallery: a screen moved on without a key\n");
}

// The frame buffer at SCALE times its size, with a margin of unlit glass around it.
QImage LcdPicture() {
  const QRgb unlit = 0xFF000000u | COLOUR_LCD_UNLIT;
  QImage image(LCD_WIDTH * SCALE + 2 * MARGIN, LCD_HEIGHT * SCALE + 2 * MARGIN, QImage::Format_RGB32);
  image.fill(unlit);
  for (int y = 0; y < LCD_HEIGHT * SCALE; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y + MARGIN)) + MARGIN;
    for (int x = 0; x < LCD_WIDTH * SCALE; ++x) {
      if (LcdGetPixel(static_cast<uint8_t>(x / SCALE), static_cast<uint8_t>(y / SCALE))) row[x] = qRgb(0, 0, 0);
    }
  }
  return image;
}

bool Save(const QImage& image, const QString& path) {
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "tq4gallery: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

bool SaveScreens(const QString& folder) {
  bool saved = true;
  for (const Picture& picture : PICTURES) {
    for (uint8_t language = 0; language <= (picture.worded ? 1 : 0); ++language) {
      picture.arrange();
      State.Language = language;
      State.PendingKey = KEY_NONE;
      Draw();
      const QString suffix = picture.worded ? (language ? "-fr" : "-en") : "";
      const QString path = QStringLiteral("%1/screen-%2%3.png").arg(folder, picture.name, suffix);
      saved = Save(LcdPicture(), path) && saved;
    }
  }
  return saved;
}

// The window itself: ON pressed, +1.0 g on the Z slider, a picture taken while it runs.
bool SaveWindow(const QString& folder) {
  State = InstrumentState{};
  TForm1 form;
  form.SetPacing(false);
  form.show();
  form.TrackBar2->setValue(1648);

  bool saved = false;
  QTimer ticker;
  ticker.setInterval(0);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    // Some passes into the run loop, so that the average has settled.
    if (form.Pumps() >= static_cast<uint64_t>(SPLASH_PASSES) + 20) {
      ticker.stop();
      saved = Save(form.grab().toImage(), folder + "/window.png");
      form.Button2Click();
    }
  });
  QTimer::singleShot(0, &form, [&] {
    ticker.start();
    form.Button1Click();
    QApplication::quit();
  });
  QApplication::exec();
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tq4gallery <folder>\n");
    return 2;
  }
  QApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const bool screens = SaveScreens(folder);
  const bool window = SaveWindow(folder);
  return screens && window ? 0 : 1;
}
