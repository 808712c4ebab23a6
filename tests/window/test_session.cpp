// A whole session through the window, as a user would have it: ON, the splash, the main
// display, a key, a preset, a capture, OFF, ON again, and closing the window while running.
// On every turn of the event loop the LCD must show exactly the frame buffer and the LED
// must be red until the first run-loop pass and dark red ever after.
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "WindowFixture.h"
#include "frontpanel/ClickArea.h"
#include "frontpanel/LcdImage.h"
#include "frontpanel/LedShape.h"
#include "instrument/InstrumentState.h"
#include "screens/Screens.h"
#include "support/CountingHooks.h"

namespace {

class SessionTest : public WindowTest {};

TEST_F(SessionTest, OnSplashMainDisplayKeyOffOnAndCloseWhileRunning) {
  ShowWindow();
  const QRgb unlit = 0xFF000000u | form->UnlitColour();
  const QRgb ground = form->Image1->Image().pixel(LCD_IMAGE_WIDTH - 1, 0);

  uint64_t presentsChecked = 0;
  uint64_t lastPresents = 0;
  int wrongPictures = 0;
  int wrongLeds = 0;
  script.Every([&] {
    if (form->Presents() != lastPresents) {
      lastPresents = form->Presents();
      ++presentsChecked;
      if (form->Image1->Image() != ExpectedLcdImage(State.FrameBuffer, unlit, ground)) {
        ++wrongPictures;
      }
    }
    const QColor expectedLed =
        HookCalls[HookId::RunLoopEnter] > 0 ? QColor(128, 0, 0) : QColor(255, 0, 0);
    if (form->Shape1->Fill() != expectedLed) {
      ++wrongLeds;
    }
  });

  bool splashSeen = false;
  uint64_t menuPump = 0;
  int32_t tempMax = 0;
  uint32_t cyclesPos = 0;
  uint64_t presentsAtOff = 0;
  uint64_t secondOnPump = 0;
  bool secondRunChecked = false;

  script.Then([] { return true; }, [&] { QTest::mouseClick(form->Button1, Qt::LeftButton); });
  script.Then([&] { return form->Pumps() >= 40; },
              [&] {
                splashSeen = form->Image1->Painted() && form->Image1->isVisible() &&
                             State.CurrentScreen == &ScreenMain;
              });
  script.Then([&] { return form->Pumps() >= RunPass(2); },
              [&] {
                EXPECT_EQ(State.CurrentScreen, &ScreenMain);
                ClickAt(form->Image5->geometry().center());  // the knob opens the main menu
              });
  script.Then([&] { return State.CurrentScreen == &ScreenMainMenu; },
              [&] {
                menuPump = form->Pumps();
                QTest::mouseClick(form->Button5, Qt::LeftButton);  // 1G
              });
  script.Then([&] { return form->Pumps() >= menuPump + 2; },
              [&] {
                form->Button10->click();  // the hidden 1 g capture
                EXPECT_EQ(State.ZeroY, 2029);
                QTest::keyClick(form->TrackBar2,
                                Qt::Key_Home);  // Z at its end: a strong positive G
              });
  script.Then([&] { return form->Pumps() >= menuPump + 14; },
              [&] {
                tempMax = State.TempMax;
                cyclesPos = State.CyclesPos;
                QTest::mouseClick(form->Button2, Qt::LeftButton);  // OFF
              });
  script.Then([&] { return form->OnDepth() == 0; },
              [&] {
                presentsAtOff = form->Presents();
                secondOnPump = form->Pumps();
                QTest::mouseClick(form->Button1, Qt::LeftButton);  // ON again
              });
  script.Then([&] { return form->Pumps() >= secondOnPump + RunPass(2); },
              [&] {
                EXPECT_EQ(State.ZeroY, 2048) << "calibration returns to its defaults";
                EXPECT_EQ(State.TempMax, tempMax) << "statistics survive the power cycle";
                EXPECT_EQ(State.CyclesPos, cyclesPos);
                EXPECT_EQ(State.CurrentScreen, &ScreenMain);
                secondRunChecked = true;
                form->close();
              });
  script.Start();

  EXPECT_EQ(RunEventLoop(), 0);
  EXPECT_TRUE(script.Finished());
  EXPECT_TRUE(splashSeen);
  EXPECT_NE(menuPump, 0u);
  EXPECT_GT(tempMax, 50) << "beyond the +5.0 g cycle limit";
  EXPECT_EQ(cyclesPos, 1u);
  EXPECT_GT(presentsAtOff, static_cast<uint64_t>(RunPass(14)));
  EXPECT_TRUE(secondRunChecked);
  EXPECT_EQ(form->OnDepth(), 0);
  EXPECT_GT(presentsChecked, 150u);
  EXPECT_EQ(wrongPictures, 0);
  EXPECT_EQ(wrongLeds, 0);
  EXPECT_EQ(form->Shape1->Fill(), QColor(128, 0, 0));
}

TEST_F(SessionTest, OffLeavesTheLastFrameAndTheDarkLed) {
  ShowWindow();
  QImage atOff;
  uint64_t offPump = 0;
  script.Then([] { return true; }, [&] { QTest::mouseClick(form->Button1, Qt::LeftButton); });
  script.Then([&] { return form->Pumps() >= RunPass(3); },
              [&] {
                QTest::mouseClick(form->Button2, Qt::LeftButton);
                offPump = form->Pumps();
                atOff = form->Image1->Image();
              });
  // Closed from the idle event loop, a turn after the instrument went off.
  script.Then([&] { return form->OnDepth() == 0; }, [] {});
  script.Then([] { return true; }, [&] { form->close(); });
  script.Start();
  EXPECT_EQ(RunEventLoop(), 0);
  EXPECT_EQ(form->Pumps(), offPump) << "OFF ends the loop before its next pass";
  EXPECT_EQ(form->Image1->Image(), atOff);
  EXPECT_FALSE(form->Image1->isHidden());
  EXPECT_EQ(form->Shape1->Fill(), QColor(128, 0, 0));
}

}  // namespace
