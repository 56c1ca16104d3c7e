#include <gtest/gtest.h>

#include "ui/TApplication.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  TApplication application(argc, argv);
  TApplication::setApplicationName(QStringLiteral("NV-ITCalculator"));
  return RUN_ALL_TESTS();
}
