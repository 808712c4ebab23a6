// The simulator: the application object, the window, the event loop. The instrument is
// off until ON is clicked. Exit status 0 when the window is closed, 1 after an error.
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <memory>

#include "frontpanel/Application.h"
#include "frontpanel/Pcmain.h"

int main(int argc, char** argv) {
  std::unique_ptr<TApplication> app;
  try {
    app = std::make_unique<TApplication>(argc, argv);
  } catch (const std::exception& error) {
    // Without an application object there is no message box to show it in.
    std::fprintf(stderr, "tq4sim: %s\n", error.what());
    return 1;
  }

  try {
    TForm1 window;
    window.show();
    if (!window.FaceError().isEmpty()) {
      QMessageBox::warning(&window, window.windowTitle(),
                           QStringLiteral("The face picture could not be decoded (%1). "
                                          "A plain face is shown instead.")
                               .arg(window.FaceError()));
    }
    return app->exec();
  } catch (const std::exception& error) {
    TApplication::ShowException(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    TApplication::ShowException(QStringLiteral("An unknown error occurred."));
  }
  return 1;
}
