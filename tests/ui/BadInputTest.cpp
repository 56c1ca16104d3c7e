#include <QClipboard>
#include <QMimeData>

#include "CalculatorFixture.h"
#include "amount/Amount.h"

namespace {

void Paste(TCurrencyEdit* field, const QString& text) {
  QApplication::clipboard()->setText(text);
  field->selectAll();
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(CalculatorTest, AMegabytePasteReadsAsNoNumberAndIsRefusedOnLeavingOnce) {
  int changes = 0;
  QObject::connect(form->eMonthlySalary, &TCurrencyEdit::PropertiesChange, [&] { ++changes; });
  Paste(form->eMonthlySalary, QString(1 << 20, u'7'));
  EXPECT_EQ(form->eMonthlySalary->text().size(), 1 << 20) << "no length limit";
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(form->eTotalTaxable->text(), "0") << "far beyond 1.7e308: no number";
  EXPECT_TRUE(errors.empty());
  Key(Qt::Key_Tab);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(form->eMonthlySalary->selectedText().size(), 1 << 20);
}

TEST_F(CalculatorTest, ATenThousandDigitNumberInRangeIsReadAndRegrouped) {
  Paste(form->eMonthlySalary, "1" + QString(10'000, u'0') + "e-9996");
  EXPECT_EQ(form->eMonthlySalary->Value(), 1e4);
  EXPECT_EQ(form->eTotalTaxable->text(), "120,000");
  const QString shown = form->eMonthlySalary->text();
  EXPECT_EQ(shown.count(u','), 10'000 / 3);
  EXPECT_TRUE(shown.startsWith("10,000,000,"));
  Key(Qt::Key_Tab);
  EXPECT_EQ(form->eMonthlySalary->text(), "10,000");
  EXPECT_TRUE(errors.empty());
}

struct Pasted {
  const char* name;
  QString text;
};

// Text no keyboard gives: each reads 0 while typed and is refused, once, on leaving.
TEST_F(CalculatorTest, ControlCharactersMarksAndMalformedTextReadZeroAndAreRefused) {
  const Pasted cases[] = {
      {"Tab", QStringLiteral("12\t34")},
      {"NewlineAtTheEnd", QStringLiteral("1234\n")},
      {"NulCharacter", QString::fromUtf16(u"12\u000034", 5)},
      {"RightToLeftMarkBefore", QStringLiteral("\u200f1234")},
      {"RightToLeftMarkAfter", QStringLiteral("1234\u200f")},
      {"ArabicIndicDigits", QStringLiteral("\u0661\u0662\u0663")},
      {"FullwidthDigits", QStringLiteral("\uff11\uff12")},
      {"LoneSurrogate", QString(QChar(0xd800)) + "12"},
  };
  for (const Pasted& c : cases) {
    SCOPED_TRACE(c.name);
    errors.clear();
    form->eEid->SetValue(5);
    form->Calculate();
    FocusField(form->eEid);
    Paste(form->eEid, c.text);
    EXPECT_EQ(form->eEid->Value(), 0);
    EXPECT_EQ(form->eTotalTaxable->text(), "0");
    Key(Qt::Key_Tab);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(QApplication::focusWidget(), form->eEid);
    Key(Qt::Key_Escape);
    EXPECT_EQ(form->eEid->text(), "5");
  }
}

TEST_F(CalculatorTest, InvalidUtf8FromTheClipboardArrivesReplacedAndReadsZero) {
  auto* mime = new QMimeData;
  mime->setData("text/plain;charset=utf-8", QByteArray("12\xff\xfe"
                                                       "34"));
  QApplication::clipboard()->setMimeData(mime);
  form->eMonthlySalary->selectAll();
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_TRUE(form->eMonthlySalary->text().contains(QChar::ReplacementCharacter));
  EXPECT_EQ(form->eTotalTaxable->text(), "0");
  Key(Qt::Key_Return);
  EXPECT_EQ(errors.size(), 1u);
}

struct SeparatorPair {
  const char* name;
  const char* grouping;
  const char* decimal;
};

// Every distinct pair of thousands separator and decimal point in glibc's locale sources.
const SeparatorPair kGlibcPairs[] = {
    {"CommaPoint", ",", "."},
    {"PointComma", ".", ","},
    {"NarrowNoBreakSpaceComma", "\u202f", ","},
    {"NarrowNoBreakSpacePoint", "\u202f", "."},
    {"NoneComma", "", ","},
    {"NonePoint", "", "."},
    {"RightQuotePoint", "\u2019", "."},
    {"ArabicSeparators", "\u066c", "\u066b"},
};

TEST_F(CalculatorTest, TypingAndShowingWorkWithEveryGlibcSeparatorPair) {
  for (const SeparatorPair& pair : kGlibcPairs) {
    SCOPED_TRACE(pair.name);
    symbols = amount::MakeNumberSymbols(pair.grouping, pair.decimal, 2);
    QEvent localeChange(QEvent::LocaleChange);
    QApplication::sendEvent(form.get(), &localeChange);
    const QString g = QString::fromUtf8(pair.grouping), d = QString::fromUtf8(pair.decimal);

    FocusField(form->eGratuity);
    // the user presses "," or "." for the decimal character, whichever is not the grouping one
    Type(QString("1234567") + (g == "," ? "." : ",") + "89");
    EXPECT_EQ(form->eGratuity->text(), "1" + g + "234" + g + "567" + d + "89");
    EXPECT_EQ(form->eGratuity->Value(), 1234567.89);
    Key(Qt::Key_Tab);
    EXPECT_EQ(form->eGratuity->text(), "1" + g + "234" + g + "568");
    EXPECT_EQ(form->eTotalTaxable->text(), "1" + g + "234" + g + "568");
    EXPECT_EQ(form->eMonthlyTax->text(), "5" + g + "496" + d + "40");
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(errors.empty());
  }
}

}  // namespace
