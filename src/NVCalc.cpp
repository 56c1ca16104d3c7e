#include "ui/Calculator.h"
#include "ui/TApplication.h"

int main(int argc, char* argv[]) {
  TApplication application(argc, argv);
  TApplication::setApplicationName(QStringLiteral("NV-ITCalculator"));
  TNVCalcForm NVCalcForm;
  NVCalcForm.show();
  return TApplication::exec();
}
