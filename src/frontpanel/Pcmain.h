// TForm1, the simulator window: the face picture with the LCD, the LED and the face keys
// laid over it, the two channel sliders with their presets, and the service controls.
// It is the instrument's Panel: the instrument reads the sliders and check boxes, ticks
// "Calibrate", writes the LCD image and the LED, and pumps the window's events through it.
#pragma once
#include <QWidget>
#include <cstdint>

#include "frontpanel/FramePacer.h"
#include "instrument/Panel.h"

class ClickArea;
class LcdImage;
class LedShape;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QStatusBar;

class TForm1 final : public QWidget, public Panel {
 public:
  // Builds the window and attaches it as the instrument's panel. The instrument is off.
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // The controls, in creation order; each one's object name is its member name.
  QLabel* Image2;     // the face picture
  QLabel* Label13;    // Y slider position
  LedShape* Shape1;   // the LED
  ClickArea* Image3;  // F1 key
  ClickArea* Image5;  // knob
  ClickArea* Image6;  // F2 key
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;        // Z slider position
  QPushButton* Button1;  // ON
  QPushButton* Button2;  // OFF
  QSlider* TrackBar1;    // channel Y
  QStatusBar* StatusBar1;
  QFrame* Panel1;         // frames the LCD
  LcdImage* Image1;       // the LCD, inside Panel1
  QCheckBox* CheckBox2;   // "Calibrate"
  QCheckBox* CheckBox3;   // "KeyFast"
  QSlider* TrackBar2;     // channel Z
  QPushButton* Button3;   // anticlockwise
  QPushButton* Button4;   // clockwise
  QGroupBox* GroupBox1;   // orientation presets
  QPushButton* Button5;   // "1G"
  QPushButton* Button6;   // "0G"
  QPushButton* Button7;   // "Left"
  QPushButton* Button8;   // "Right"
  QPushButton* Button9;   // "Down"
  QPushButton* Button10;  // hidden "Calibrate 1G"
  QPushButton* Button11;  // hidden "Calibrate 0G"

  // Handlers. Apart from ON, each writes a field or two of the instrument state and returns.
  void Button1Click();  // ON: runs the instrument until OFF
  void Button2Click();  // OFF
  void Button3Click();  // knob anticlockwise
  void Button4Click();  // knob clockwise
  void Button5Click();  // orientation presets: Y slider first, then Z
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();  // 1 g capture
  void Button11Click();  // 0 g capture
  void TrackBar1Change();
  void TrackBar2Change();
  void Image3Click();
  void Image5Click();
  void Image6Click();

  // Panel.
  int32_t SliderPositionY() const override;
  int32_t SliderPositionZ() const override;
  bool CalibrateTicked() const override;
  bool KeyFastTicked() const override;
  void TickCalibrate() override;
  void SetLcdVisible(bool visible) override;
  uint32_t UnlitColour() const override;
  void PlotImagePixel(int x, int y, uint32_t colour) override;
  void PresentFrame(const uint8_t* frameBuffer) override;
  void SetLedColour(uint32_t colour) override;
  void PumpEvents() override;

  // Why the face picture could not be decoded (a plain face is shown); empty when it was.
  const QString& FaceError() const { return faceError_; }

  // Test-only switch: presenting waits for the screen's refresh unless pacing is off.
  void SetPacing(bool on) { pacing_ = on; }
  bool Pacing() const { return pacing_; }

  // The window is closing: the instrument has been told to stop, nothing more is
  // presented or paced, and ON no longer starts it.
  bool Closing() const { return closing_; }
  // Power-ons running now (more than one when ON was pressed while on).
  int OnDepth() const { return onDepth_; }
  uint64_t Presents() const { return presents_; }
  uint64_t Pumps() const { return pumps_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ApplyPreset(int index);
  void ShowSliderPosition(QLabel* label, int position);

  QString faceError_;
  FramePacer pacer_;
  bool pacing_ = true;
  bool closing_ = false;
  int onDepth_ = 0;
  uint64_t presents_ = 0;
  uint64_t pumps_ = 0;
};

// The one window of the simulator (null while there is none).
extern TForm1* Form1;
