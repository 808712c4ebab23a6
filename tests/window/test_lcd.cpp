// The on-screen LCD: blank until the first present, exactly the frame buffer at twice its
// size afterwards by either path, and never painted while the run loop has it hidden.
#include <QEvent>
#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstring>

#include "WindowFixture.h"
#include "frontpanel/DesktopColours.h"
#include "frontpanel/LcdImage.h"
#include "instrument/Hardware.h"
#include "instrument/InstrumentState.h"

namespace {

using Frame = std::array<uint8_t, FRAME_BUFFER_SIZE>;

Frame Filled(uint8_t byte) {
  Frame frame;
  frame.fill(byte);
  return frame;
}

// Single pixels that tell columns from rows and the bit order within a page.
Frame Probes() {
  Frame frame{};
  frame[1] = 0x01;                    // (1, 0)
  frame[LCD_WIDTH + 0] = 0x02;        // (0, 9)
  frame[7 * LCD_WIDTH + 113] = 0x80;  // (113, 63), the last pixel
  frame[3 * LCD_WIDTH + 57] = 0x5A;   // a column of four pixels in rows 25 to 30
  return frame;
}

// Every pixel a different function of its place.
Frame Mixed() {
  Frame frame;
  for (size_t i = 0; i < frame.size(); ++i) {
    frame[i] = static_cast<uint8_t>(i * 37 + (i >> 3));
  }
  return frame;
}

class LcdTest : public WindowTest {
 protected:
  QRgb Unlit() const { return 0xFF000000u | form->UnlitColour(); }
  QRgb Ground() const { return ScrollBarColour(form->palette()).rgb(); }
};

TEST_F(LcdTest, BothPresentPathsShowExactlyTheFrameBufferAtTwiceItsSize) {
  struct Row {
    const char* Name;
    Frame Pixels;
  };
  const Row rows[] = {{"all lit", Filled(0xFF)},
                      {"all unlit", Filled(0x00)},
                      {"probes", Probes()},
                      {"mixed", Mixed()}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Name);
    const QImage expected = ExpectedLcdImage(row.Pixels.data(), Unlit(), Ground());
    std::memcpy(State.FrameBuffer, row.Pixels.data(), FRAME_BUFFER_SIZE);
    PresentLcd();
    EXPECT_EQ(form->Image1->Image(), expected) << "fast path";
    // Paint the other picture first so the literal path has to rewrite every pixel.
    const Frame inverse = [&] {
      Frame f;
      for (size_t i = 0; i < f.size(); ++i) f[i] = static_cast<uint8_t>(~row.Pixels[i]);
      return f;
    }();
    std::memcpy(State.FrameBuffer, inverse.data(), FRAME_BUFFER_SIZE);
    PresentLcd();
    std::memcpy(State.FrameBuffer, row.Pixels.data(), FRAME_BUFFER_SIZE);
    PresentLcdPixelByPixel();
    EXPECT_EQ(form->Image1->Image(), expected) << "pixel-by-pixel path";
  }
  // The right-most column and the bottom five rows are never painted.
  EXPECT_EQ(form->Image1->Image().pixel(228, 0), Ground());
  EXPECT_EQ(form->Image1->Image().pixel(0, 128), Ground());
  EXPECT_EQ(form->Image1->Image().pixel(228, 132), Ground());
}

TEST_F(LcdTest, LcdAreaShowsThePanelUntilTheFirstPresentThenThePicture) {
  ShowWindow();
  const QPoint centre = form->Image1->mapTo(form.get(), QPoint(100, 60));
  EXPECT_EQ(form->grab().toImage().pixel(centre), Ground());
  EXPECT_FALSE(form->Image1->Painted());

  std::memcpy(State.FrameBuffer, Filled(0x00).data(), FRAME_BUFFER_SIZE);
  PresentLcd();
  EXPECT_TRUE(form->Image1->Painted());
  EXPECT_EQ(form->grab().toImage().pixel(centre), Unlit());
  std::memcpy(State.FrameBuffer, Filled(0xFF).data(), FRAME_BUFFER_SIZE);
  PresentLcd();
  EXPECT_EQ(form->grab().toImage().pixel(centre), qRgb(0, 0, 0));
}

TEST_F(LcdTest, PlottingOutsideTheImageIsIgnored) {
  form->PlotImagePixel(-1, 0, 0);
  form->PlotImagePixel(0, -1, 0);
  form->PlotImagePixel(LCD_IMAGE_WIDTH, 0, 0);
  form->PlotImagePixel(0, LCD_IMAGE_HEIGHT, 0);
  form->PlotImagePixel(228, 132, 0x123456);
  EXPECT_EQ(form->Image1->Image().pixel(228, 132), 0xFF123456u);
  EXPECT_EQ(form->Image1->Image().pixel(0, 0), Ground());
}

// Counts paint events of the LCD and the panel around it, and those that came while the
// LCD was hidden (which would flash the bare panel on the screen).
class PaintWatch : public QObject {
 public:
  PaintWatch(QWidget* lcd, QWidget* panel) : lcd_(lcd) {
    lcd->installEventFilter(this);
    panel->installEventFilter(this);
  }
  int LcdPaints = 0;
  int PaintsWhileHidden = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      if (watched == lcd_) {
        ++LcdPaints;
      }
      if (lcd_->isHidden()) {
        ++PaintsWhileHidden;
      }
    }
    return false;
  }

 private:
  QWidget* lcd_;
};

TEST_F(LcdTest, HiddenLcdIsNeverPaintedBetweenHideAndShow) {
  ShowWindow();
  PaintWatch watch(form->Image1, form->Panel1);
  int hiddenAtPump = 0;
  script.Every([&] {
    if (form->OnDepth() > 0 && form->Image1->isHidden()) {
      ++hiddenAtPump;
    }
  });
  script.Then([] { return true; }, [&] { QTest::mouseClick(form->Button1, Qt::LeftButton); });
  script.Then([&] { return form->Pumps() >= RunPass(30); }, [&] { form->close(); });
  script.Start();
  EXPECT_EQ(RunEventLoop(), 0);
  EXPECT_GT(watch.LcdPaints, 30);
  EXPECT_EQ(watch.PaintsWhileHidden, 0);
  EXPECT_EQ(hiddenAtPump, 0) << "events are handled only with the LCD shown";
}

}  // namespace
