#include <QAccessible>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <stdexcept>
#include <string>

#include "CalculatorFixture.h"
#include "ui/TLayoutGroup.h"

namespace {

// The German texts are the English ones with the two characters swapped.
QString Swapped(const char* english) {
  QString text = QString::fromLatin1(english);
  for (QChar& c : text) c = c == u',' ? u'.' : c == u'.' ? u',' : c;
  return text;
}

TEST_F(CalculatorTest, CaptionTitleAndFixedToolWindowBorder) {
  EXPECT_EQ(form->windowTitle(), "NV - Income Tax Calculator by Nelvar");
  EXPECT_EQ(form->objectName(), "NVCalcForm");
  EXPECT_EQ(QApplication::applicationName(), "NV-ITCalculator");
  EXPECT_TRUE(QApplication::applicationDisplayName() == QApplication::applicationName())
      << "a display name of its own would be appended to the caption";
  EXPECT_EQ(form->size(), QSize(444, 470));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  const Qt::WindowFlags flags = form->windowFlags();
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_NE(form->windowType(), Qt::Tool) << "the task bar entry must stay";
}

TEST_F(CalculatorTest, EveryNamedControlCanBeFound) {
  for (const char* name : {"lcCalculator",       "lcCalculatorGroup_Root",
                           "lcCalculatorGroup1", "lcCalculatorGroup2",
                           "lcCalculatorGroup3", "lcCalculatorGroup4",
                           "lcCalculatorGroup5", "lcCalculatorItem21",
                           "lcCalculatorItem6",  "lcCalculatorItem13",
                           "lcCalculatorItem5",  "lcCalculatorItem18",
                           "lcCalculatorItem14", "lcCalculatorItem16",
                           "lcCalculatorItem1",  "cxLabel1",
                           "cxLabel2",           "dxStatusBar1",
                           "eMonthlySalary",     "eEid",
                           "ePerformance",       "eLeave",
                           "eOverTime",          "eOther",
                           "eGratuity",          "eTotalTaxable",
                           "eAnnualTax",         "eMonthlyTax",
                           "eAnnualIncome",      "eNetMonthlySalary"})
    EXPECT_NE(form->findChild<QWidget*>(name), nullptr) << name;
  EXPECT_EQ(form->cxLabel1->text(), "Pakistan Salary/Income Tax Calculator 2013-14");
  EXPECT_EQ(form->cxLabel2->text(), "* Calculations are not legally bound");
}

struct FieldSpec {
  const char* name;
  bool readOnly;
  bool bold;
  int width;
  const char* initially;
  const char* showsMinus1234_5;
};

TEST_F(CalculatorTest, FieldsHaveTheirFormatsFontsWidthsAndReadOnlyFlags) {
  const FieldSpec specs[] = {
      {"eMonthlySalary", false, true, 150, "0", "-1,235"},
      {"eEid", false, false, 150, "0", "-1,235"},
      {"ePerformance", false, false, 121, "0", "-1,235"},
      {"eLeave", false, false, 121, "0", "-1,235"},
      {"eOverTime", false, false, 121, "0", "-1,235"},
      {"eOther", false, false, 121, "0", "-1,235"},
      {"eGratuity", false, false, 121, "0", "-1,235"},
      {"eTotalTaxable", true, true, 121, "0", "-1,235"},
      {"eAnnualTax", true, true, 121, "0.00", "(1,234.50)"},
      {"eMonthlyTax", true, true, 121, "0.00", "(1,234.50)"},
      {"eAnnualIncome", true, true, 121, "0.00", "(1,234.50)"},
      {"eNetMonthlySalary", true, true, 121, "0.00", "(1,234.50)"},
  };
  for (const FieldSpec& spec : specs)
    EXPECT_EQ(form->findChild<TCurrencyEdit*>(spec.name)->text(), spec.initially) << spec.name;
  for (std::size_t i = 0; i < std::size(specs); ++i) {
    const FieldSpec& spec = specs[i];
    auto* field = form->findChild<TCurrencyEdit*>(spec.name);
    ASSERT_NE(field, nullptr) << spec.name;
    EXPECT_EQ(field, form->Fields()[i]) << spec.name << " is not in table order";
    EXPECT_EQ(field->isReadOnly(), spec.readOnly) << spec.name;
    EXPECT_EQ(field->font().bold(), spec.bold) << spec.name;
    EXPECT_EQ(field->width(), spec.width) << spec.name;
    EXPECT_TRUE(field->alignment() & Qt::AlignRight) << spec.name;
    field->SetValue(-1234.5);
    EXPECT_EQ(field->text(), spec.showsMinus1234_5) << spec.name;
  }
}

struct Shown {
  double amount;
  const char* integer;
  const char* money;
};

const Shown kDisplayTable[] = {
    {0, "0", "0.00"},
    {0.4, "0", "0.40"},
    {-0.4, "0", "(0.40)"},
    {-0.004, "0", "0.00"},
    {-0.005, "0", "(0.01)"},
    {-0.5, "-1", "(0.50)"},
    {1234.5, "1,235", "1,234.50"},
    {-1234.5, "-1,235", "(1,234.50)"},
    {1234567.891, "1,234,568", "1,234,567.89"},
    {1e18, "1E18", "1E18"},
    {-1e20, "-1E20", "-1E20"},
};

TEST_F(CalculatorTest, FieldsShowTheDisplayTableInBothLocales) {
  for (const Shown& row : kDisplayTable) {
    form->eGratuity->SetValue(row.amount);
    form->eAnnualTax->SetValue(row.amount);
    EXPECT_EQ(form->eGratuity->text(), row.integer) << row.amount;
    EXPECT_EQ(form->eAnnualTax->text(), row.money) << row.amount;
  }
  symbols = kGerman;
  QEvent localeChange(QEvent::LocaleChange);
  QApplication::sendEvent(form.get(), &localeChange);
  for (const Shown& row : kDisplayTable) {
    form->eGratuity->SetValue(row.amount);
    form->eAnnualTax->SetValue(row.amount);
    EXPECT_EQ(form->eGratuity->text(), Swapped(row.integer)) << row.amount;
    EXPECT_EQ(form->eAnnualTax->text(), Swapped(row.money)) << row.amount;
  }
}

TEST_F(CalculatorTest, ALocaleChangeRedisplaysEveryField) {
  form->eMonthlySalary->SetValue(1234567);
  form->Calculate();
  std::vector<QString> english;
  for (TCurrencyEdit* field : form->Fields()) english.push_back(field->text());
  EXPECT_EQ(english[7], "14,814,804");
  symbols = kGerman;
  QEvent localeChange(QEvent::LocaleChange);
  QApplication::sendEvent(form.get(), &localeChange);
  for (std::size_t i = 0; i < english.size(); ++i)
    EXPECT_EQ(form->Fields()[i]->text(), Swapped(english[i].toLatin1().constData())) << i;
  EXPECT_EQ(form->Symbols().decimal, ",");
}

TEST_F(CalculatorTest, FocusStartsInTheMonthlySalaryAndTabWalksTheTableAndWraps) {
  EXPECT_EQ(QApplication::focusWidget(), form->eMonthlySalary);
  for (int step = 1; step <= 12; ++step) {
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Fields()[step % 12]) << "after Tab " << step;
  }
  Key(Qt::Key_Backtab);
  EXPECT_EQ(QApplication::focusWidget(), form->eNetMonthlySalary);
  for (QWidget* w :
       std::initializer_list<QWidget*>{form->cxLabel1, form->cxLabel2, form->dxStatusBar1})
    EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
}

TEST_F(CalculatorTest, ReadOnlyFieldsTakeFocusAndSelectionButIgnoreEditingKeys) {
  form->eAnnualTax->SetValue(1500);
  FocusField(form->eAnnualTax);
  Type("99");
  Key(Qt::Key_Backspace);
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->eAnnualTax->text(), "1,500.00");
  Key(Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(form->eAnnualTax->selectedText(), "1,500.00");
  EXPECT_EQ(beeps, 0);
}

TEST_F(CalculatorTest, EveryCaptionAndTheStatusTextFitWithoutClipping) {
  for (QLabel* label : form->findChildren<QLabel*>()) {
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
    EXPECT_LE(needed, label->contentsRect().width()) << label->text().toStdString();
    const QRect inWindow(label->mapTo(form.get(), QPoint(0, 0)), label->size());
    EXPECT_TRUE(form->rect().contains(inWindow)) << label->text().toStdString();
  }
  for (TCurrencyEdit* field : form->Fields()) {
    const QRect inWindow(field->mapTo(form.get(), QPoint(0, 0)), field->size());
    EXPECT_TRUE(form->rect().contains(inWindow)) << field->objectName().toStdString();
  }
  EXPECT_EQ(form->dxStatusBar1->height(), 20);
}

TEST(ErrorBoxText, AppendsAFullStopUnlessTheMessageEndsInOneOrBelowIt) {
  EXPECT_EQ(ErrorBoxText("Floating point overflow"), "Floating point overflow.");
  EXPECT_EQ(ErrorBoxText("Done."), "Done.");
  EXPECT_EQ(ErrorBoxText("Why?"), "Why?.");
  EXPECT_EQ(ErrorBoxText("Ends in a space "), "Ends in a space ");
  EXPECT_EQ(ErrorBoxText("Ends in a dash-"), "Ends in a dash-");
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST_F(CalculatorTest, AnExceptionFromAHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
  QObject::connect(form->eEid, &TCurrencyEdit::PropertiesChange, form.get(),
                   [] { throw std::runtime_error("Handler failed"); });
  FocusField(form->eEid);
  Type("5");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].caption, "NV-ITCalculator");
  EXPECT_EQ(errors[0].text, "Handler failed.");
  Type("0");
  EXPECT_EQ(form->eEid->text(), "50");
  EXPECT_EQ(errors.size(), 2u);
  EXPECT_EQ(form->eTotalTaxable->text(), "50") << "the window's own handler still ran";
}

// An exception escaping any event handler reaches the application object.
TEST_F(CalculatorTest, AnExceptionEscapingAnEventIsCaughtByTheApplication) {
  class Throwing : public QObject {
    bool event(QEvent*) override { throw std::runtime_error("Escaped"); }
  } thrower;
  QEvent event(QEvent::User);
  QApplication::sendEvent(&thrower, &event);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].text, "Escaped.");
}

}  // namespace

namespace {

TEST_F(CalculatorTest, ScreenReadersHearEachCaptionValueAndReadOnlyState) {
  const char* const names[] = {"Monthly Salary",        "Eid/Christmas Bonus",   "Performance Bonus",
                               "Leave Encashment",      "Overtime",              "Other",
                               "Gratuity",              "Total Taxable Income",  "Annual Tax Liability",
                               "Monthly Tax Liability", "Net Annual Income",     "Net Monthly Salary"};
  form->eMonthlySalary->SetValue(150'000);
  form->Calculate();
  for (int step = 0; step < 12; ++step) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, form->Fields()[step]);
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(focused);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(QAccessible::Name), names[step]);
    EXPECT_EQ(field->role(), QAccessible::EditableText);
    EXPECT_TRUE(field->state().focused);
    EXPECT_EQ(field->state().readOnly, step >= 7) << names[step];
    ASSERT_NE(field->textInterface(), nullptr);
    const QString value = field->textInterface()->text(0, field->textInterface()->characterCount());
    EXPECT_EQ(value, form->Fields()[step]->text()) << names[step];
    Key(Qt::Key_Tab);
  }
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->cxLabel1)->text(QAccessible::Name),
            "Pakistan Salary/Income Tax Calculator 2013-14");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form->cxLabel2)->text(QAccessible::Name),
            "* Calculations are not legally bound");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(form.get())->text(QAccessible::Name),
            "NV - Income Tax Calculator by Nelvar");
}

// At any scale factor (QT_SCALE_FACTOR), the window keeps its layout in logical pixels and
// renders every pixel at the screen's density.
TEST_F(CalculatorTest, ScalesWithThePixelDensity) {
  const qreal ratio = form->devicePixelRatioF();
  const QImage image = form->grab().toImage();
  EXPECT_EQ(image.size(), QSize(444, 470) * ratio);
  EXPECT_EQ(image.devicePixelRatio(), ratio);
  EXPECT_EQ(form->size(), QSize(444, 470));
}

// The real error box: a critical icon, only an OK button, and Enter closes it.
TEST_F(CalculatorTest, TheErrorBoxClosesWithTheKeyboard) {
  TApplication::Instance()->SetErrorPresenter({});
  QString caption, text;
  bool critical = false, onlyOk = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle();
    text = box->text();
    critical = box->icon() == QMessageBox::Critical;
    onlyOk = box->standardButtons() == QMessageBox::Ok;
    QTest::keyClick(box, Qt::Key_Return);
  });
  Type("-");
  Key(Qt::Key_Return);
  EXPECT_EQ(caption, "NV-ITCalculator");
  EXPECT_EQ(text, "Invalid input value. Use escape key to abandon changes.");
  EXPECT_TRUE(critical);
  EXPECT_TRUE(onlyOk);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  EXPECT_EQ(QApplication::focusWidget(), form->eMonthlySalary);
  EXPECT_EQ(form->eMonthlySalary->selectedText(), "-");
}

}  // namespace
