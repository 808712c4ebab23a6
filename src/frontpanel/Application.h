// The application object: a QApplication that shows an exception escaping any event
// handler in a standard message box and then ends the application.
#pragma once
#include <QApplication>
#include <QString>

class TApplication final : public QApplication {
 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows message in the standard critical message box over the window, if there is one.
  static void ShowException(const QString& message);

  // An exception has escaped the event loop; the application is ending and exits with 1.
  bool Failed() const { return failed_; }
  // Exceptions caught in the event loop so far.
  int ExceptionsCaught() const { return caught_; }

 private:
  void HandleException(const QString& message);

  bool failed_ = false;
  bool handling_ = false;
  int caught_ = 0;
};
