#include "ui/TApplication.h"

#include <QMessageBox>
#include <QWidget>
#include <cstdio>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

TApplication* TApplication::Instance() {
  return qobject_cast<TApplication*>(instance());
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(error);
  }
  return false;
}

void TApplication::ShowException(const std::exception& error) {
  ShowError(QString::fromUtf8(error.what()));
}

void TApplication::Report(const std::exception& error) {
  if (TApplication* app = Instance()) {
    app->ShowException(error);
  } else {
    std::fprintf(stderr, "%s\n", error.what());  // no application object to show it
  }
}

void TApplication::Beep() {
  TApplication* app = Instance();
  if (app && app->beeper_) {
    app->beeper_();
  } else {
    QApplication::beep();
  }
}

void TApplication::ShowError(const QString& message) {
  const QString caption = applicationName();
  const QString text = ErrorBoxText(message);
  if (presenter_) {
    presenter_(caption, text);
    return;
  }
  QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, activeWindow());
  box.exec();
}

QString ErrorBoxText(const QString& message) {
  if (message.isEmpty() || message.back() <= QChar(u'.')) return message;
  return message + u'.';
}
