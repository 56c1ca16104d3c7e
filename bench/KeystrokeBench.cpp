// Times keystrokes into the monthly salary field of the real window, and the same keystrokes
// into a floor: a plain window of twelve QLineEdits where each keystroke in the first sets the
// last five to fixed texts. Each keystroke is a key press and release followed by the event
// processing that repaints, as a person's keystroke is.
//   keystroke_bench [ROUNDS]     (QT_QPA_PLATFORM=offscreen works without a display)
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "ui/Calculator.h"
#include "ui/TApplication.h"
#include "ui/TCurrencyEdit.h"

namespace {

// A nine-digit salary typed, then deleted with backspace: 18 keystrokes.
double MedianKeystrokeMicroseconds(QWidget* window, QWidget* field, int rounds) {
  window->show();
  QApplication::setActiveWindow(window);
  field->setFocus();
  QCoreApplication::processEvents();
  std::vector<double> times;
  times.reserve(static_cast<std::size_t>(rounds) * 18);
  auto press = [&](Qt::Key key) {
    const auto start = std::chrono::steady_clock::now();
    QTest::keyClick(field, key, Qt::NoModifier);
    QCoreApplication::processEvents();
    times.push_back(
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
            .count());
  };
  const char digits[] = "123456789";
  for (int round = 0; round < rounds; ++round) {
    for (const char* d = digits; *d; ++d) press(static_cast<Qt::Key>(Qt::Key_0 + (*d - '0')));
    for (int i = 0; i < 9; ++i) press(Qt::Key_Backspace);
  }
  window->hide();
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

class FloorWindow : public QWidget {
 public:
  FloorWindow() {
    auto* layout = new QVBoxLayout(this);
    for (auto*& edit : edits_) layout->addWidget(edit = new QLineEdit(this));
    connect(edits_[0], &QLineEdit::textEdited, this, [this] {
      const char* texts[] = {"1,234,567", "12,345.67", "148,148.00", "1,086,419.33", "90,534.94"};
      for (int i = 0; i < 5; ++i) edits_[7 + i]->setText(texts[i]);
    });
    setFixedSize(444, 470);
  }
  QLineEdit* First() const { return edits_[0]; }

 private:
  QLineEdit* edits_[12];
};

}  // namespace

int main(int argc, char* argv[]) {
  TApplication application(argc, argv);
  TApplication::setApplicationName(QStringLiteral("NV-ITCalculator"));
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 556;  // 10,008 keystrokes

  TNVCalcForm calculator;
  FloorWindow floor;
  // warm both up once, so that neither pays for first-use caches in its figures
  MedianKeystrokeMicroseconds(&calculator, calculator.eMonthlySalary, 5);
  MedianKeystrokeMicroseconds(&floor, floor.First(), 5);

  const double ours = MedianKeystrokeMicroseconds(&calculator, calculator.eMonthlySalary, rounds);
  const double plain = MedianKeystrokeMicroseconds(&floor, floor.First(), rounds);
  std::printf("keystrokes per window: %d\n", rounds * 18);
  std::printf("calculator: median %.1f us per keystroke\n", ours);
  std::printf("floor:      median %.1f us per keystroke\n", plain);
  std::printf("ratio:      %.2f (goal: at most 1.5)\n", ours / plain);
  return 0;
}
