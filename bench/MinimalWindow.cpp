// The floor for start-up figures: a Qt Widgets window with one line edit, nothing else.
#include <QApplication>
#include <QLineEdit>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QLineEdit edit;
  edit.setWindowTitle(QStringLiteral("Minimal"));
  edit.show();
  return QApplication::exec();
}
