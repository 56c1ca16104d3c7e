#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

// The application object: a QApplication that catches every exception escaping an event handler
// and shows its message in the error box, after which the program goes on.
class TApplication : public QApplication {
  Q_OBJECT

 public:
  TApplication(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows the error box for an exception that escaped a handler: a critical message box with one
  // OK button, captioned with the application title.
  void ShowException(const std::exception& error);

  // Where the error box goes instead of a modal QMessageBox; tests record it this way.
  using ErrorPresenter = std::function<void(const QString& caption, const QString& text)>;
  void SetErrorPresenter(ErrorPresenter presenter) { presenter_ = std::move(presenter); }

  // The system beep for a refused keystroke; tests count them instead.
  static void Beep();
  void SetBeeper(std::function<void()> beeper) { beeper_ = std::move(beeper); }

  // The running application object; null while none exists.
  static TApplication* Instance();

  // Reports an error to the running application object's error box.
  static void Report(const std::exception& error);

 private:
  void ShowError(const QString& message);
  ErrorPresenter presenter_;
  std::function<void()> beeper_;
};

// The error box's text: the message with "." appended unless it is empty or already ends in "."
// or in a character that sorts before it.
//   ErrorBoxText("Floating point overflow") == "Floating point overflow."
//   ErrorBoxText("Done.") == "Done."    ErrorBoxText("Why?") == "Why?."    ErrorBoxText("a ") == "a
//   "
QString ErrorBoxText(const QString& message);
