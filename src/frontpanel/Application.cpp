// Escaped exceptions: the message is shown, the instrument is stopped, the window closed,
// and the event loop left.
#include "frontpanel/Application.h"

#include <QMessageBox>
#include <exception>

#include "frontpanel/Pcmain.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    HandleException(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    HandleException(QStringLiteral("An unknown error occurred."));
  }
  return false;
}

void TApplication::ShowException(const QString& message) {
  QMessageBox::critical(Form1, QStringLiteral("Corvane Meridel TQ-4"), message);
}

void TApplication::HandleException(const QString& message) {
  ++caught_;
  failed_ = true;
  // An exception while the message box is up (it runs its own event loop) is not shown
  // again: the application is ending already.
  if (handling_) {
    return;
  }
  handling_ = true;
  ShowException(message);
  // Closing the window ends every run loop; exit(1) leaves the event loop once they have
  // returned. The last window closing must not post its own quit, which would exit with 0.
  setQuitOnLastWindowClosed(false);
  if (Form1 != nullptr) {
    Form1->close();
  }
  exit(1);
  handling_ = false;
}
