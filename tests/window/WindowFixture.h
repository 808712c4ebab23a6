// Window test support: a fixture with a fresh window over a zeroed instrument, a script
// that plays steps inside the running instrument, and the picture the LCD must show.
#pragma once
#include <gtest/gtest.h>

#include <QImage>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "frontpanel/Pcmain.h"

// Plays steps from the event loop: on every turn of it (once per pump while the instrument
// runs) it runs the checks given to Every, then, when the next step's condition holds,
// runs that step's action from a timer of its own, so an action that presses ON (and so
// runs a whole power-on) leaves the script ticking inside it.
class WindowScript {
 public:
  using Condition = std::function<bool()>;
  using Action = std::function<void()>;

  WindowScript();
  void Then(Condition when, Action action);
  void Every(Action check);
  void Start();
  bool Finished() const { return next_ == steps_.size(); }

 private:
  void Tick();

  struct Step {
    Condition When;
    Action Do;
  };
  QTimer ticker_;
  std::vector<Step> steps_;
  std::vector<Action> every_;
  size_t next_ = 0;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Shows the window and waits until it is on the (offscreen) screen.
  void ShowWindow();
  // Runs the application's event loop until the window closes; fails and closes the window
  // when that takes longer than timeoutMs. Returns exec()'s status.
  int RunEventLoop(int timeoutMs = 10000);
  // A left click at a point of the window, delivered as the window system would, to
  // whichever control lies there.
  void ClickAt(QPoint clientPoint);

  std::unique_ptr<TForm1> form;
  WindowScript script;
};

// What Image1 must hold for the frame buffer: each LCD pixel as a 2 x 2 block in the
// top-left 228 x 128 pixels, lit black, unlit in unlit; the rest keeps ground.
QImage ExpectedLcdImage(const uint8_t* frameBuffer, QRgb unlit, QRgb ground);

// The pump number of run-loop pass k after a single power-on.
constexpr uint64_t RunPass(uint64_t k) { return 80 + k; }
