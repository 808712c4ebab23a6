// Closing the window at any moment ends the application cleanly, and an exception escaping
// an event handler is shown in the standard critical message box before the application ends.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <string>

#include "WindowFixture.h"
#include "frontpanel/Application.h"
#include "instrument/InstrumentState.h"
#include "support/CountingHooks.h"

namespace {

class ClosingTest : public WindowTest {
 protected:
  void Press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

struct CloseRow {
  const char* Moment;
  uint64_t OnAt;  // pumps at which ON is pressed again (0: no nested ON)
  uint64_t SecondOnAt;
  uint64_t CloseAt;  // pump at which the window is closed
};

// Pumps count across nested power-ons: a nested ON at pump p splashes in pumps p+1 to p+80.
const CloseRow CLOSE_MOMENTS[] = {
    {"during the splash", 0, 0, 40},
    {"in the last splash pass", 0, 0, 80},
    {"while running", 0, 0, RunPass(5)},
    {"during a nested splash", RunPass(3), 0, RunPass(3) + 30},
    {"while a nested power-on runs", RunPass(3), 0, RunPass(3) + RunPass(4)},
    {"three power-ons deep", RunPass(2), RunPass(2) + 20, RunPass(2) + 20 + 50},
};

TEST_F(ClosingTest, ClosingAtAnyMomentEndsEveryRunLoopWithStatusZero) {
  for (const CloseRow& row : CLOSE_MOMENTS) {
    SCOPED_TRACE(row.Moment);
    State = InstrumentState{};
    form = std::make_unique<TForm1>();
    form->SetPacing(false);
    WindowScript play;
    ShowWindow();

    int depthAtClose = 0;
    uint64_t presentsAtClose = 0;
    play.Then([] { return true; }, [&] { Press(form->Button1); });
    if (row.OnAt != 0) {
      play.Then([&] { return form->Pumps() >= row.OnAt; }, [&] { Press(form->Button1); });
    }
    if (row.SecondOnAt != 0) {
      play.Then([&] { return form->Pumps() >= row.SecondOnAt; }, [&] { Press(form->Button1); });
    }
    play.Then([&] { return form->Pumps() >= row.CloseAt; },
              [&] {
                depthAtClose = form->OnDepth();
                // Paced as in the simulator: closing must stop the pacing of what is left of a
                // splash.
                form->SetPacing(true);
                form->close();
                presentsAtClose = form->Presents();
                // An ON still waiting after the close must not start the instrument again.
                Press(form->Button1);
              });
    play.Start();

    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_TRUE(play.Finished());
    EXPECT_EQ(depthAtClose, 1 + (row.OnAt != 0) + (row.SecondOnAt != 0));
    EXPECT_EQ(form->OnDepth(), 0) << "every power-on returned";
    EXPECT_TRUE(form->Closing());
    EXPECT_FALSE(form->Pacing());
    EXPECT_EQ(form->Presents(), presentsAtClose) << "nothing is presented after closing";
    EXPECT_EQ(State.PowerOffRequested, 1);
  }
}

TEST_F(ClosingTest, ClosingWhileOffEndsTheEventLoop) {
  ShowWindow();
  script.Then([] { return true; }, [&] { form->close(); });
  script.Start();
  EXPECT_EQ(RunEventLoop(), 0);
  EXPECT_EQ(form->Pumps(), 0u);
  EXPECT_EQ(HookCalls[HookId::PowerOnFirst], 0);
}

// An object whose handling of a user event fails.
class FailingObject : public QObject {
 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) {
      throw std::runtime_error("sensor bus fault");
    }
    return QObject::event(event);
  }
};

TEST_F(ClosingTest, EscapedExceptionIsShownAndEndsTheApplication) {
  auto* app = static_cast<TApplication*>(qApp);
  struct Row {
    const char* Moment;
    uint64_t FailAt;  // pump at which the failing event is posted; 0: while off
  };
  for (const Row& row :
       {Row{"while off", 0}, Row{"while running", RunPass(4)}, Row{"during the splash", 20}}) {
    SCOPED_TRACE(row.Moment);
    State = InstrumentState{};
    form = std::make_unique<TForm1>();
    form->SetPacing(false);
    WindowScript play;
    ShowWindow();
    const int caughtBefore = app->ExceptionsCaught();

    FailingObject failing;
    QString shownText;
    QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
    QTimer boxWatch;
    QObject::connect(&boxWatch, &QTimer::timeout, [&] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr && box->isVisible()) {
          shownText = box->text();
          shownIcon = box->icon();
          box->accept();
        }
      }
    });
    boxWatch.start(10);

    if (row.FailAt == 0) {
      play.Then([] { return true; },
                [&] { QCoreApplication::postEvent(&failing, new QEvent(QEvent::User)); });
    } else {
      play.Then([] { return true; }, [&] { Press(form->Button1); });
      play.Then([&] { return form->Pumps() >= row.FailAt; },
                [&] { QCoreApplication::postEvent(&failing, new QEvent(QEvent::User)); });
    }
    play.Start();

    EXPECT_EQ(RunEventLoop(), 1);
    EXPECT_EQ(app->ExceptionsCaught(), caughtBefore + 1);
    EXPECT_TRUE(app->Failed());
    EXPECT_EQ(shownIcon, QMessageBox::Critical);
    EXPECT_EQ(shownText.toStdString(), "sensor bus fault");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->OnDepth(), 0);
    qApp->setQuitOnLastWindowClosed(true);
  }
}

}  // namespace
