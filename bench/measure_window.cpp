// Measures the simulator window as it runs on a real display: how long the splash lasts,
// how much of a core the window uses on the main display over ten seconds, and how long a
// knob click takes to show its effect on the LCD. Run it under a display, for example
//   xvfb-run -a build/release/bench/tq4measure-window
// It clicks through the real window with Qt Test's input events and closes it at the end.
#include <sys/resource.h>

#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "frontpanel/Application.h"
#include "frontpanel/ClickArea.h"
#include "frontpanel/Pcmain.h"
#include "instrument/InstrumentState.h"
#include "instrument/PowerOn.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

constexpr double CPU_WINDOW_SECONDS = 10.0;
constexpr int CLICKS = 10;

// One measurement after another, checked on every turn of the event loop (once per pass
// while the instrument runs).
class Measurement {
 public:
  explicit Measurement(TForm1& window) : window_(window) {
    ticker_.setInterval(0);
    QObject::connect(&ticker_, &QTimer::timeout, [this] { Tick(); });
  }

  void Start() {
    ticker_.start();
    QTimer::singleShot(300, [this] {
      onAt_ = Clock::now();
      QTest::mouseClick(window_.Button1, Qt::LeftButton);  // returns after OFF
    });
  }

  int Report() const {
    const QScreen* screen = window_.screen();
    const double hertz = screen != nullptr ? screen->refreshRate() : 0.0;
    std::printf("screen refresh rate reported: %.2f Hz\n", hertz);
    std::printf("splash: %d passes in %.3f s (%.1f ms a pass)\n", SPLASH_PASSES, splashSeconds_,
                1000.0 * splashSeconds_ / SPLASH_PASSES);
    std::printf("main display: %.1f passes a second, %.2f %% of one core over %.0f s\n",
                runPasses_ / runSeconds_, 100.0 * runCpu_ / runSeconds_, runSeconds_);
    if (!latencies_.empty()) {
      std::vector<double> sorted = latencies_;
      std::sort(sorted.begin(), sorted.end());
      double sum = 0;
      for (double l : sorted) sum += l;
      std::printf(
          "knob click to its effect on the LCD: mean %.1f ms, max %.1f ms over %zu clicks "
          "(%.1f passes on average)\n",
          1000.0 * sum / sorted.size(), 1000.0 * sorted.back(), sorted.size(),
          static_cast<double>(latencyPasses_) / sorted.size());
    }
    return 0;
  }

 private:
  void Tick() {
    const Clock::time_point now = Clock::now();
    switch (phase_) {
      case Phase::Splash:
        if (window_.Pumps() > static_cast<uint64_t>(SPLASH_PASSES)) {
          splashSeconds_ = Seconds(now - onAt_);
          phase_ = Phase::Settle;
          phaseAt_ = now;
        }
        break;
      case Phase::Settle:
        if (Seconds(now - phaseAt_) > 1.0) {
          phase_ = Phase::Cpu;
          phaseAt_ = now;
          cpuAt_ = CpuSeconds();
          pumpsAt_ = window_.Pumps();
        }
        break;
      case Phase::Cpu:
        if (Seconds(now - phaseAt_) >= CPU_WINDOW_SECONDS) {
          runSeconds_ = Seconds(now - phaseAt_);
          runCpu_ = CpuSeconds() - cpuAt_;
          runPasses_ = static_cast<double>(window_.Pumps() - pumpsAt_);
          phase_ = Phase::Click;
        }
        break;
      case Phase::Click:
        if (static_cast<int>(latencies_.size()) == CLICKS) {
          phase_ = Phase::Done;
          QTimer::singleShot(0, [this] { window_.close(); });
          break;
        }
        // The knob opens the main menu from the main display, and its first row (EXIT)
        // closes it again.
        screenBefore_ = State.CurrentScreen;
        clickPumps_ = window_.Pumps();
        clickAt_ = now;
        QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          window_.Image5->geometry().center());
        phase_ = Phase::AwaitScreen;
        break;
      case Phase::AwaitScreen:
        // The screen changes in the pass after the click; the pass after that presents the
        // new screen, and this tick runs in the pump right after that present.
        if (State.CurrentScreen != screenBefore_) {
          changedPumps_ = window_.Pumps();
          phase_ = Phase::AwaitPresent;
        }
        break;
      case Phase::AwaitPresent:
        if (window_.Pumps() > changedPumps_) {
          latencies_.push_back(Seconds(now - clickAt_));
          latencyPasses_ += window_.Pumps() - clickPumps_;
          phase_ = Phase::Click;
        }
        break;
      case Phase::Done:
        break;
    }
  }

  enum class Phase { Splash, Settle, Cpu, Click, AwaitScreen, AwaitPresent, Done };

  TForm1& window_;
  QTimer ticker_;
  Phase phase_ = Phase::Splash;
  Clock::time_point onAt_{};
  Clock::time_point phaseAt_{};
  Clock::time_point clickAt_{};
  double splashSeconds_ = 0;
  double cpuAt_ = 0;
  uint64_t pumpsAt_ = 0;
  double runSeconds_ = 1;
  double runCpu_ = 0;
  double runPasses_ = 0;
  ScreenHandler screenBefore_ = nullptr;
  uint64_t clickPumps_ = 0;
  uint64_t changedPumps_ = 0;
  uint64_t latencyPasses_ = 0;
  std::vector<double> latencies_;
};

}  // namespace

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  TForm1 window;
  window.show();
  Measurement measurement(window);
  measurement.Start();
  const int status = app.exec();
  return status != 0 ? status : measurement.Report();
}
