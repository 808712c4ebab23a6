// Window test support.
#include "WindowFixture.h"

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "frontpanel/DesktopColours.h"
#include "instrument/InstrumentState.h"
#include "instrument/Panel.h"
#include "lcd/LcdGeometry.h"
#include "support/CountingHooks.h"

WindowScript::WindowScript() {
  ticker_.setInterval(0);
  QObject::connect(&ticker_, &QTimer::timeout, [this] { Tick(); });
}

void WindowScript::Then(Condition when, Action action) {
  steps_.push_back({std::move(when), std::move(action)});
}

void WindowScript::Every(Action check) { every_.push_back(std::move(check)); }

void WindowScript::Start() { ticker_.start(); }

void WindowScript::Tick() {
  for (const Action& check : every_) {
    check();
  }
  if (next_ < steps_.size() && steps_[next_].When()) {
    Action action = steps_[next_].Do;
    ++next_;
    QTimer::singleShot(0, &ticker_, action);
  }
}

void WindowTest::SetUp() {
  State = InstrumentState{};
  ResetHookCounters();
  qApp->setQuitOnLastWindowClosed(true);
  form = std::make_unique<TForm1>();
  form->SetPacing(false);
}

void WindowTest::TearDown() {
  form.reset();
  ResetHookCounters();
  qApp->setQuitOnLastWindowClosed(true);
}

void WindowTest::ShowWindow() {
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

int WindowTest::RunEventLoop(int timeoutMs) {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [this] {
    ADD_FAILURE() << "the window was still open after the time allowed";
    form->close();
  });
  watchdog.start(timeoutMs);
  return qApp->exec();
}

void WindowTest::ClickAt(QPoint clientPoint) {
  QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, clientPoint);
}

QImage ExpectedLcdImage(const uint8_t* frameBuffer, QRgb unlit, QRgb ground) {
  QImage image(LCD_IMAGE_WIDTH, LCD_IMAGE_HEIGHT, QImage::Format_RGB32);
  image.fill(ground);
  for (int iy = 0; iy < 2 * LCD_HEIGHT; ++iy) {
    for (int ix = 0; ix < 2 * LCD_WIDTH; ++ix) {
      const int x = ix / 2;
      const int y = iy / 2;
      const bool lit = (frameBuffer[(y / 8) * LCD_WIDTH + x] >> (y % 8)) & 1;
      image.setPixel(ix, iy, lit ? qRgb(0, 0, 0) : unlit);
    }
  }
  return image;
}
