// The window's inputs: orientation presets, slider moves and their labels, face keys and
// knob buttons, the click areas' edges, and the hidden calibration buttons.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <string>
#include <vector>

#include "WindowFixture.h"
#include "frontpanel/ClickArea.h"
#include "frontpanel/LcdImage.h"
#include "frontpanel/LedShape.h"
#include "instrument/InstrumentState.h"
#include "screens/Keys.h"
#include "support/CountingHooks.h"

namespace {

class InputsTest : public WindowTest {
 protected:
  // Clicks ON and lets the power-on run until OFF, pressed at pump offAt.
  void PowerOnUntil(uint64_t offAt) {
    script.Then([this, offAt] { return form->Pumps() >= offAt; },
                [this] { QTest::mouseClick(form->Button2, Qt::LeftButton); });
    script.Start();
    QTest::mouseClick(form->Button1, Qt::LeftButton);
  }
};

struct PresetRow {
  const char* Button;
  int SliderY;
  int SliderZ;
};

const PresetRow PRESETS[] = {
    {"Button5", 2029, 2012}, {"Button6", 2112, 2087}, {"Button7", 2030, 2090},
    {"Button8", 2029, 2089}, {"Button9", 2031, 2167},
};

TEST_F(InputsTest, PresetsSetTheYSliderThenTheZSlider) {
  std::vector<std::string> changes;
  QObject::connect(form->TrackBar1, &QSlider::valueChanged,
                   [&](int v) { changes.push_back("Y" + std::to_string(v)); });
  QObject::connect(form->TrackBar2, &QSlider::valueChanged,
                   [&](int v) { changes.push_back("Z" + std::to_string(v)); });
  for (const PresetRow& row : PRESETS) {
    SCOPED_TRACE(row.Button);
    // From a position no preset uses, so both sliders change.
    form->TrackBar1->setValue(100);
    form->TrackBar2->setValue(100);
    changes.clear();
    QTest::mouseClick(form->findChild<QPushButton*>(row.Button), Qt::LeftButton);
    EXPECT_EQ(changes, (std::vector<std::string>{"Y" + std::to_string(row.SliderY),
                                                 "Z" + std::to_string(row.SliderZ)}));
    EXPECT_EQ(State.AdcInputY, row.SliderY);
    EXPECT_EQ(State.AdcInputZ, row.SliderZ);
    EXPECT_EQ(form->Label13->text().toInt(), row.SliderY);
    EXPECT_EQ(form->Label3->text().toInt(), row.SliderZ);
  }
}

TEST_F(InputsTest, PresetPressedBeforeOnIsWhatTheFirstPowerOnReads) {
  QTest::mouseClick(form->Button6, Qt::LeftButton);  // 0G
  EXPECT_EQ(form->Label13->text(), "2112");
  EXPECT_EQ(form->Label3->text(), "2087");
  // Power-on must take the slider positions themselves, not what a handler left behind.
  State.AdcInputY = 0;
  State.AdcInputZ = 0;
  int32_t readY = -1;
  int32_t readZ = -1;
  script.Then([this] { return form->Pumps() >= 1; },
              [&] {
                readY = State.AdcInputY;
                readZ = State.AdcInputZ;
              });
  PowerOnUntil(2);
  EXPECT_EQ(readY, 2112);
  EXPECT_EQ(readZ, 2087);
  EXPECT_EQ(State.AdcY, 2112) << "the warm-up measured the preset";
  EXPECT_EQ(State.AdcZ, 2087);
}

TEST_F(InputsTest, PressingAPresetTwiceChangesNothingTheSecondTime) {
  QTest::mouseClick(form->Button5, Qt::LeftButton);  // 1G
  QSignalSpy movedY(form->TrackBar1, &QSlider::valueChanged);
  QSignalSpy movedZ(form->TrackBar2, &QSlider::valueChanged);
  // Marks that only a change handler would overwrite.
  State.AdcInputY = -7;
  State.AdcInputZ = -7;
  form->Label13->setText("mark");
  QTest::mouseClick(form->Button5, Qt::LeftButton);
  EXPECT_EQ(movedY.count(), 0);
  EXPECT_EQ(movedZ.count(), 0);
  EXPECT_EQ(State.AdcInputY, -7);
  EXPECT_EQ(State.AdcInputZ, -7);
  EXPECT_EQ(form->Label13->text(), "mark");
  EXPECT_EQ(form->TrackBar1->value(), 2029);
}

TEST_F(InputsTest, SliderEndsShowZeroAndFullScale) {
  struct Row {
    QSlider* Slider;
    QLabel* Label;
    int32_t* Input;
  };
  ShowWindow();
  for (const Row& row : {Row{form->TrackBar1, form->Label13, &State.AdcInputY},
                         Row{form->TrackBar2, form->Label3, &State.AdcInputZ}}) {
    SCOPED_TRACE(row.Slider->objectName().toStdString());
    QTest::keyClick(row.Slider, Qt::Key_End);
    EXPECT_EQ(row.Slider->value(), 4096);
    EXPECT_EQ(row.Label->text(), "4096");
    EXPECT_EQ(*row.Input, 4096);
    EXPECT_GT(row.Label->width(), 6) << "the number label grows with its text";
    EXPECT_GE(row.Label->width(), row.Label->fontMetrics().horizontalAdvance("4096"));
    QTest::keyClick(row.Slider, Qt::Key_Home);
    EXPECT_EQ(row.Slider->value(), 0);
    EXPECT_EQ(row.Label->text(), "0");
    EXPECT_EQ(*row.Input, 0);
  }
}

struct KeyRow {
  const char* Control;
  uint8_t Key;
};

const KeyRow KEYS[] = {
    {"Image3", KEY_F1},  {"Image5", KEY_SELECT}, {"Image6", KEY_F2},
    {"Button4", KEY_CW}, {"Button3", KEY_CCW},
};

TEST_F(InputsTest, KeysClickedWhileOffWaitUnseenAndPowerOnDiscardsThem) {
  ShowWindow();
  for (const KeyRow& row : KEYS) {
    SCOPED_TRACE(row.Control);
    State.PendingKey = KEY_NONE;
    auto* control = form->findChild<QWidget*>(row.Control);
    ClickAt(control->geometry().center());
    EXPECT_EQ(State.PendingKey, row.Key);
    // A second key while one is pending is lost.
    ClickAt(row.Key == KEY_F1 ? form->Image6->geometry().center()
                              : form->Image3->geometry().center());
    EXPECT_EQ(State.PendingKey, row.Key);
  }
  // Nothing was shown: the LCD is unpainted and the LED still red.
  EXPECT_FALSE(form->Image1->Painted());
  EXPECT_EQ(form->Shape1->Fill(), QColor(255, 0, 0));

  // A knob press left pending would tick "Calibrate" in the first splash pass; power-on
  // clears it before the splash, so the box stays unticked.
  State.PendingKey = KEY_NONE;
  ClickAt(form->Image5->geometry().center());
  ASSERT_EQ(State.PendingKey, KEY_SELECT);
  uint8_t atFirstPump = 0xFF;
  script.Then([this] { return form->Pumps() >= 1; }, [&] { atFirstPump = State.PendingKey; });
  PowerOnUntil(RunPass(2));
  EXPECT_EQ(atFirstPump, KEY_NONE);
  EXPECT_FALSE(form->CheckBox2->isChecked());
  EXPECT_EQ(State.CalibrateMode, 0);
}

TEST_F(InputsTest, ClickAreasCatchClicksOnlyInsideTheirSquares) {
  ShowWindow();
  for (const KeyRow& row : KEYS) {
    auto* area = qobject_cast<ClickArea*>(form->findChild<QWidget*>(row.Control));
    if (area == nullptr) {
      continue;  // the knob buttons
    }
    const QRect r = area->geometry();
    ASSERT_EQ(r.size(), QSize(49, 49));
    struct Probe {
      QPoint Point;
      bool Inside;
    };
    const Probe probes[] = {
        {r.topLeft(), true},
        {r.bottomRight(), true},
        {r.topLeft() + QPoint(-1, 24), false},
        {r.topRight() + QPoint(1, 24), false},
        {r.topLeft() + QPoint(24, -1), false},
        {r.bottomLeft() + QPoint(24, 1), false},
        {r.topLeft() - QPoint(1, 1), false},
        {r.bottomRight() + QPoint(1, 1), false},
    };
    for (const Probe& probe : probes) {
      SCOPED_TRACE(std::string(row.Control) + " at " + std::to_string(probe.Point.x()) + "," +
                   std::to_string(probe.Point.y()));
      State.PendingKey = KEY_NONE;
      ClickAt(probe.Point);
      EXPECT_EQ(State.PendingKey, probe.Inside ? row.Key : KEY_NONE);
    }
    // Pressed inside but let go outside: no click.
    State.PendingKey = KEY_NONE;
    QTest::mousePress(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseRelease(form->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                        r.bottomRight() + QPoint(20, 20));
    EXPECT_EQ(State.PendingKey, KEY_NONE) << row.Control;
  }
}

TEST_F(InputsTest, HiddenButtonsCaptureOnTheSamplesOfTheLastPass) {
  // The calibration example: 1G capture, 0G capture, 1G capture again.
  QTest::mouseClick(form->Button5, Qt::LeftButton);  // 1G
  int settingsChanged = -1;
  int32_t zeroY = 0, spanZ = 0, zeroZ = 0, spanY = 0, spanZAgain = 0;
  script.Then([this] { return form->Pumps() >= RunPass(2); },
              [&] {
                settingsChanged = HookCalls[HookId::SettingsChanged];
                form->Button10->click();
                zeroY = State.ZeroY;
                spanZ = State.SpanZ;
                QTest::mouseClick(form->Button6, Qt::LeftButton);  // 0G
              });
  // One pass later the samples are the 0G preset's.
  script.Then([this] { return form->Pumps() >= RunPass(4); },
              [&] {
                form->Button11->click();
                zeroZ = State.ZeroZ;
                spanY = State.SpanY;
                QTest::mouseClick(form->Button5, Qt::LeftButton);
              });
  script.Then([this] { return form->Pumps() >= RunPass(6); },
              [&] {
                form->Button10->click();
                spanZAgain = State.SpanZ;
                EXPECT_EQ(HookCalls[HookId::SettingsChanged], settingsChanged)
                    << "the buttons report no change";
              });
  PowerOnUntil(RunPass(7));
  EXPECT_FALSE(form->Button10->isVisible());
  EXPECT_EQ(zeroY, 2029);
  EXPECT_EQ(spanZ, 90);
  EXPECT_EQ(zeroZ, 2087);
  EXPECT_EQ(spanY, 207);
  EXPECT_EQ(spanZAgain, 187);
}

TEST_F(InputsTest, CheckBoxesReachTheInstrumentOnTheNextPass) {
  uint8_t stepBefore = 0, stepAfter = 0, modeAfter = 0;
  script.Then([this] { return form->Pumps() >= RunPass(2); },
              [&] {
                stepBefore = State.KeyStep;
                // On the tick boxes themselves.
                QTest::mouseClick(form->CheckBox3, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
                QTest::mouseClick(form->CheckBox2, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
              });
  script.Then([this] { return form->Pumps() >= RunPass(3); },
              [&] {
                stepAfter = State.KeyStep;
                modeAfter = State.CalibrateMode;
              });
  PowerOnUntil(RunPass(4));
  EXPECT_EQ(stepBefore, 1);
  EXPECT_EQ(stepAfter, 10);
  EXPECT_EQ(modeAfter, 1);
}

}  // namespace
