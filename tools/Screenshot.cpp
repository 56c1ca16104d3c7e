// Renders the calculator window to a PNG: nvcalc_screenshot FILE [SALARY]
// With a salary, it is typed into the monthly salary field first, as a user would.
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>

#include "ui/Calculator.h"
#include "ui/TApplication.h"
#include "ui/TCurrencyEdit.h"

int main(int argc, char* argv[]) {
  TApplication application(argc, argv);
  TApplication::setApplicationName(QStringLiteral("NV-ITCalculator"));
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE [SALARY]\n", argv[0]);
    return 2;
  }
  const QString file = QString::fromLocal8Bit(argv[1]);
  const QString salary = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  TNVCalcForm form;
  form.show();
  QApplication::setActiveWindow(&form);  // a bare X server has no window manager to do it
  QTimer::singleShot(300, &form, [&] {
    for (QChar c : salary) {
      QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(form.eMonthlySalary, &press);
    }
    const bool saved = form.grab().save(file);
    std::printf("%s %s\n", saved ? "Saved" : "Could not save", qPrintable(file));
    QApplication::exit(saved ? 0 : 1);
  });
  return TApplication::exec();
}
