#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>

#include "ui/Calculator.h"
#include "ui/TApplication.h"
#include "ui/TCurrencyEdit.h"

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

inline const amount::NumberSymbols kEnglish{",", ".", 2};
inline const amount::NumberSymbols kGerman{".", ",", 2};

struct ErrorBox {
  QString caption;
  QString text;
  QWidget* focusWhenShown;
};

// The real window, shown and active, with fixed number symbols; error boxes and beeps are
// recorded instead of blocking or sounding.
class CalculatorTest : public testing::Test {
 protected:
  void SetUp() override {
    TApplication* app = TApplication::Instance();
    app->SetErrorPresenter([this](const QString& caption, const QString& text) {
      errors.push_back({caption, text, QApplication::focusWidget()});
    });
    app->SetBeeper([this] { ++beeps; });
    form = std::make_unique<TNVCalcForm>(nullptr, [this] { return symbols; });
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  void TearDown() override {
    form.reset();
    TApplication::Instance()->SetErrorPresenter({});
    TApplication::Instance()->SetBeeper({});
  }

  // Types as a user would: one key press per character into the focused field.
  void Type(const QString& keys) {
    for (QChar c : keys) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    QCoreApplication::processEvents();  // lets a queued error box come up
  }
  // Moves the focus as Tab does, which selects the whole text.
  void FocusField(TCurrencyEdit* field) {
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();  // as Tab does, also when the field has the focus already
    QCoreApplication::processEvents();
  }
  std::vector<QString> Outputs() const {
    return {form->eTotalTaxable->text(), form->eMonthlyTax->text(), form->eAnnualTax->text(),
            form->eAnnualIncome->text(), form->eNetMonthlySalary->text()};
  }

  amount::NumberSymbols symbols = kEnglish;
  std::unique_ptr<TNVCalcForm> form;
  std::vector<ErrorBox> errors;
  int beeps = 0;
};
