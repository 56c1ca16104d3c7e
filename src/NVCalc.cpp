#include <QIcon>

#include "ui/Calculator.h"
#include "ui/TApplication.h"

int main(int argc, char* argv[]) {
  TApplication application(argc, argv);
  TApplication::setApplicationName(QStringLiteral("NV-ITCalculator"));
  TApplication::setDesktopFileName(QStringLiteral("example.nv.ITCalculator"));
  TApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("example.nv.ITCalculator"),
                                               QIcon(QStringLiteral(":/icons/example.nv.ITCalculator-64.png"))));
  TNVCalcForm NVCalcForm;
  NVCalcForm.show();
  return TApplication::exec();
}
