#include <QClipboard>
#include <QSignalSpy>
#include <limits>

#include "CalculatorFixture.h"
#include "amount/Amount.h"

namespace {

using Texts = std::vector<QString>;

// Counts a field's change events and records its text as each one fires.
struct ChangeLog {
  explicit ChangeLog(TCurrencyEdit* field) {
    QObject::connect(field, &TCurrencyEdit::PropertiesChange, field,
                     [this, field] { texts.push_back(field->text()); });
  }
  Texts texts;
};

TEST_F(CalculatorTest, ShowingTheWindowWritesZerosAndFiresNothing) {
  TNVCalcForm fresh(nullptr, [] { return kEnglish; });
  int changes = 0;
  for (TCurrencyEdit* field : fresh.Fields())
    QObject::connect(field, &TCurrencyEdit::PropertiesChange, [&] { ++changes; });
  fresh.show();
  EXPECT_EQ(changes, 0);
  for (TCurrencyEdit* field : fresh.Fields()) EXPECT_TRUE(field->HasValue());
}

TEST_F(CalculatorTest, EachKeystrokeRegroupsThenFiresOnceAndRecalculates) {
  ChangeLog log(form->eMonthlySalary);
  Type("12000");
  EXPECT_EQ(log.texts, (Texts{"1", "12", "120", "1,200", "12,000"}));
  EXPECT_EQ(Outputs(), (Texts{"144,000", "0.00", "0.00", "144,000.00", "12,000.00"}));
  EXPECT_EQ(form->eMonthlySalary->cursorPosition(), 6);
}

TEST_F(CalculatorTest, OutputsFollowTheTextAsTypedSoFar) {
  std::vector<QString> totals;
  QObject::connect(form->eMonthlySalary, &TCurrencyEdit::PropertiesChange, form.get(),
                   [&] { totals.push_back(form->eTotalTaxable->text()); });
  Type("1234");
  EXPECT_EQ(totals, (Texts{"12", "144", "1,476", "14,808"}));
}

struct TypedRow {
  const char* name;
  std::vector<const char*> inputs;  // typed into the seven inputs in order, Tab between
  Texts outputs;
};

TEST_F(CalculatorTest, FiguresTypedAsAUserWouldShowEveryOutput) {
  const TypedRow rows[] = {
      {"Salary30000", {"30000"}, {"360,000", "0.00", "0.00", "360,000.00", "30,000.00"}},
      {"Salary50000Eid50000",
       {"50000", "50000"},
       {"650,000", "1,041.67", "12,500.00", "637,500.00", "53,125.00"}},
      {"AllButGratuity",
       {"150000", "100000", "200000", "30000", "20000", "10000"},
       {"2,160,000", "16,916.67", "203,000.00", "1,957,000.00", "163,083.33"}},
      {"NegativeSalary", {"-1000"}, {"-12,000", "0.00", "0.00", "(12,000.00)", "(1,000.00)"}},
      {"Gratuity1400001",
       {"", "", "", "", "", "", "1400001"},
       {"1,400,001", "6,875.01", "82,500.13", "1,317,500.88", "109,791.74"}},
      {"Gratuity1800001",
       {"", "", "", "", "", "", "1800001"},
       {"1,800,001", "11,666.68", "140,000.17", "1,660,000.82", "138,333.40"}},
      {"Gratuity2400003",
       {"", "", "", "", "", "", "2400003"},
       {"2,400,003", "20,416.71", "245,000.52", "2,155,002.48", "179,583.54"}},
  };
  for (const TypedRow& row : rows) {
    SCOPED_TRACE(row.name);
    FocusField(form->eMonthlySalary);
    for (const char* typed : row.inputs) {
      if (*typed) Type(typed);
      Key(Qt::Key_Tab);
    }
    EXPECT_EQ(Outputs(), row.outputs);
    EXPECT_TRUE(errors.empty());
    form->ClearFields();
    form->Calculate();
  }
}

TEST_F(CalculatorTest, TypedAndPastedTextGiveTheSameFiguresAsThePureReader) {
  FocusField(form->eGratuity);
  Type("1234567.89");
  EXPECT_EQ(form->eGratuity->text(), "1,234,567.89");
  EXPECT_EQ(form->eGratuity->Value(), amount::ReadAmount("1,234,567.89", kEnglish));
  const Texts typed = Outputs();

  Key(Qt::Key_A, Qt::ControlModifier);
  QApplication::clipboard()->setText("1234567.89");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->eGratuity->text(), "1,234,567.89");
  EXPECT_EQ(Outputs(), typed);
}

TEST_F(CalculatorTest, RefusedKeysBeepAndChangeNothing) {
  ChangeLog log(form->eMonthlySalary);
  Type("12.34");
  Type("5");  // a third decimal
  Type("x");  // no number character
  Type(" ");  // not a blank either
  Type(".");  // a second decimal character
  EXPECT_EQ(beeps, 4);
  EXPECT_EQ(form->eMonthlySalary->text(), "12.34");
  EXPECT_EQ(log.texts.size(), 5u);
}

TEST_F(CalculatorTest, CommaTypedInAGermanLocaleIsTheDecimalAndPointGroups) {
  symbols = kGerman;
  QEvent localeChange(QEvent::LocaleChange);
  QApplication::sendEvent(form.get(), &localeChange);
  FocusField(form->eMonthlySalary);
  Type("1234,5");
  EXPECT_EQ(form->eMonthlySalary->text(), "1.234,5");
  EXPECT_EQ(form->eTotalTaxable->text(), "14.814");
  Key(Qt::Key_Tab);
  EXPECT_EQ(form->eMonthlySalary->text(), "1.235");
  EXPECT_EQ(form->eMonthlyTax->text(), "0,00");
  EXPECT_TRUE(errors.empty());
}

TEST_F(CalculatorTest, PasteIsTakenWhateverItHoldsAndUndoRestoresStepByStep) {
  ChangeLog log(form->eMonthlySalary);
  Type("1234");
  QApplication::clipboard()->setText("abc");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->eMonthlySalary->text(), "1,234abc");
  EXPECT_EQ(form->eTotalTaxable->text(), "0") << "text that is no number reads 0";
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form->eMonthlySalary->text(), "1,234");
  EXPECT_EQ(form->eTotalTaxable->text(), "14,808");
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form->eMonthlySalary->text(), "123");
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(form->eMonthlySalary->text(), "1,234");
  EXPECT_EQ(log.texts, (Texts{"1", "12", "123", "1,234", "1,234abc", "1,234", "123", "1,234"}));
}

TEST_F(CalculatorTest, DeletingAndCuttingRegroupAndFireOnce) {
  ChangeLog log(form->eMonthlySalary);
  Type("1234567");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(form->eMonthlySalary->text(), "123,456");
  form->eMonthlySalary->setCursorPosition(1);
  Key(Qt::Key_Delete);
  EXPECT_EQ(form->eMonthlySalary->text(), "13,456");
  EXPECT_EQ(form->eMonthlySalary->cursorPosition(), 1);
  form->eMonthlySalary->setSelection(0, 2);
  Key(Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(form->eMonthlySalary->text(), "456");
  EXPECT_EQ(log.texts.size(), 10u);
}

TEST_F(CalculatorTest, EnterConfirmsAndRecomputesFromTheStoredAmount) {
  Type("1234.5");
  Key(Qt::Key_Return);
  EXPECT_EQ(form->eMonthlySalary->text(), "1,235");
  EXPECT_EQ(form->eMonthlySalary->Value(), 1234.5);
  EXPECT_EQ(form->eTotalTaxable->text(), "14,814");
  EXPECT_EQ(QApplication::focusWidget(), form->eMonthlySalary);

  // entering and leaving without typing keeps 1234.5; typing a 7 at the end reads 12357
  FocusField(form->eGratuity);
  FocusField(form->eMonthlySalary);
  EXPECT_EQ(form->eMonthlySalary->Value(), 1234.5);
  form->eMonthlySalary->end(false);
  Type("7");
  EXPECT_EQ(form->eMonthlySalary->text(), "12,357");
  EXPECT_EQ(form->eTotalTaxable->text(), "148,284");
}

TEST_F(CalculatorTest, TabConfirmsAndFiresOnceMoreWhenTheTextChanges) {
  ChangeLog log(form->eMonthlySalary);
  Type("99.99");
  Key(Qt::Key_Tab);
  EXPECT_EQ(form->eMonthlySalary->text(), "100");
  EXPECT_EQ(log.texts.back(), "100");
  EXPECT_EQ(log.texts.size(), 6u);
  EXPECT_EQ(form->eTotalTaxable->text(), "1,200");
  EXPECT_EQ(QApplication::focusWidget(), form->eEid);
}

TEST_F(CalculatorTest, EscapeReturnsToTheAmountTheFieldHadWhenFocused) {
  Type("5000");
  Key(Qt::Key_Tab);
  FocusField(form->eMonthlySalary);
  form->eMonthlySalary->end(false);
  ChangeLog log(form->eMonthlySalary);
  Type("7");
  EXPECT_EQ(form->eTotalTaxable->text(), "600,084");
  Key(Qt::Key_Escape);
  EXPECT_EQ(form->eMonthlySalary->text(), "5,000");
  EXPECT_EQ(form->eTotalTaxable->text(), "60,000");
  EXPECT_EQ(log.texts, (Texts{"50,007", "5,000"}));
  EXPECT_FALSE(form->eMonthlySalary->IsEditing());
}

struct InvalidCase {
  const char* name;
  const char* typed;  // after the field's text is selected
  Qt::Key confirmKey;
};

TEST_F(CalculatorTest, InvalidTextIsRefusedOnConfirmingOnceWithTheFocusBackAndTextSelected) {
  const InvalidCase cases[] = {{"LoneMinusByTab", "-", Qt::Key_Tab},
                               {"LoneMinusByEnter", "-", Qt::Key_Return},
                               {"ExponentWithoutMantissaByTab", "-e", Qt::Key_Tab}};
  for (const InvalidCase& c : cases) {
    SCOPED_TRACE(c.name);
    errors.clear();
    form->eEid->SetValue(250);
    form->Calculate();
    FocusField(form->eEid);
    Type(c.typed);
    EXPECT_EQ(form->eTotalTaxable->text(), "0") << "an unconfirmed invalid text reads 0";
    Key(c.confirmKey);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text, "Invalid input value. Use escape key to abandon changes.");
    EXPECT_EQ(errors[0].caption, "NV-ITCalculator");
    EXPECT_EQ(QApplication::focusWidget(), form->eEid);
    EXPECT_EQ(form->eEid->selectedText(), c.typed);
    EXPECT_EQ(form->eEid->Value(), 0);
    Key(Qt::Key_Escape);
    EXPECT_EQ(form->eEid->text(), "250");
    EXPECT_EQ(form->eTotalTaxable->text(), "250");
    EXPECT_EQ(errors.size(), 1u);
  }
}

TEST_F(CalculatorTest, PastedLettersAreRefusedWhenTheFieldIsLeft) {
  QApplication::clipboard()->setText("abc");
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->eMonthlySalary->text(), "abc") << "the selected 0 is replaced";
  Key(Qt::Key_Tab);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(QApplication::focusWidget(), form->eMonthlySalary);
}

TEST_F(CalculatorTest, AnEmptiedFieldStaysEmptyAndReadsZero) {
  Type("2500");
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_Delete);
  EXPECT_EQ(form->eTotalTaxable->text(), "0");
  Key(Qt::Key_Tab);
  EXPECT_EQ(form->eMonthlySalary->text(), "");
  EXPECT_FALSE(form->eMonthlySalary->HasValue());
  EXPECT_EQ(form->eMonthlySalary->Value(), 0);
  FocusField(form->eEid);
  Type("7");
  EXPECT_EQ(form->eTotalTaxable->text(), "7");
  EXPECT_EQ(form->eMonthlySalary->text(), "");
  EXPECT_TRUE(errors.empty());
}

TEST_F(CalculatorTest, OverflowShowsTheErrorBoxAndKeepsTheOutputs) {
  Type("1.7e30");
  const Texts before = Outputs();
  Type("8");
  EXPECT_EQ(form->eMonthlySalary->text(), "1.7e308");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "Floating point overflow.");
  EXPECT_EQ(Outputs(), before);
}

TEST_F(CalculatorTest, WritingAnOutputStartsNoCalculation) {
  form->eMonthlySalary->SetValue(100'000);
  form->Calculate();
  const Texts before = Outputs();
  form->eTotalTaxable->SetValue(5);
  EXPECT_EQ(form->eTotalTaxable->text(), "5");
  EXPECT_EQ(form->eMonthlyTax->text(), before[1]);
}

TEST_F(CalculatorTest, AProgramWriteFiresOnlyWhenTheShownTextChanges) {
  ChangeLog log(form->eOther);
  form->eOther->SetValue(0);
  form->eOther->SetValue(1000.3);
  form->eOther->SetValue(1000.4);
  form->eOther->SetValue(1000.6);
  EXPECT_EQ(log.texts, (Texts{"1,000", "1,001"}));
}

}  // namespace
