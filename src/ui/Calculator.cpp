#include "ui/Calculator.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>

#include "tax/SalaryFigures.h"
#include "ui/FieldSet.h"
#include "ui/TCachedPanelStyle.h"
#include "ui/TCurrencyEdit.h"
#include "ui/TLayoutGroup.h"

namespace {

constexpr int kClientWidth = 444;
constexpr int kClientHeight = 470;
constexpr int kFieldHeight = 21;
constexpr int kRowSpacing = 6;  // rows stand 27 pixels apart
constexpr int kCaptionGap = 6;

const char* const kIntegerFormat = "#,##0;-#,##0;0";
const char* const kMoneyFormat = ",0.00;(,0.00)";

QFont Tahoma(int pixelSize, bool bold = false) {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(pixelSize);  // 8 point is 11 pixels at 96 dpi, 10 point 13
  font.setBold(bold);
  return font;
}

// The blue ground that the layout control paints behind its panels.
class TLayoutControl : public QWidget {
 public:
  explicit TLayoutControl(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("lcCalculator"));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0, QColor(look::kGroundTop));
    ground.setColorAt(1, QColor(look::kGroundBottom));
    painter.fillRect(rect(), ground);
  }
};

struct Row {
  const char* item;
  const char* caption;
  const char* field;
  const char* format;
  int width;
  bool bold;
  bool readOnly;
};

// The twelve fields in table order, each with the layout item that places it.
constexpr Row kRows[12] = {
    {"lcCalculatorItem6", "Monthly Salary:", "eMonthlySalary", kIntegerFormat, 150, true, false},
    {"lcCalculatorItem7", "Eid/Christmas Bonus:", "eEid", kIntegerFormat, 150, false, false},
    {"lcCalculatorItem8", "Performance Bonus:", "ePerformance", kIntegerFormat, 121, false, false},
    {"lcCalculatorItem9", "Leave Encashment:", "eLeave", kIntegerFormat, 121, false, false},
    {"lcCalculatorItem10", "Overtime:", "eOverTime", kIntegerFormat, 121, false, false},
    {"lcCalculatorItem11", "Other:", "eOther", kIntegerFormat, 121, false, false},
    {"lcCalculatorItem12", "Gratuity:", "eGratuity", kIntegerFormat, 121, false, false},
    {"lcCalculatorItem13", "Total Taxable Income:*", "eTotalTaxable", kIntegerFormat, 121, true,
     true},
    {"lcCalculatorItem18", "Annual Tax Liability:", "eAnnualTax", kMoneyFormat, 121, true, true},
    {"lcCalculatorItem14", "Monthly Tax Liability:", "eMonthlyTax", kMoneyFormat, 121, true, true},
    {"lcCalculatorItem15", "Net Annual Income:", "eAnnualIncome", kMoneyFormat, 121, true, true},
    {"lcCalculatorItem16", "Net Monthly Salary:", "eNetMonthlySalary", kMoneyFormat, 121, true,
     true},
};
constexpr int kInputBlockRows = 8;  // the seven inputs and the total

QLabel* TransparentLabel(const QString& text, const QFont& font, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setFont(font);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->setFocusPolicy(Qt::NoFocus);
  return label;
}

// A block of caption/field rows whose captions share the width of the widest one.
void AddRows(TLayoutGroup* block, QVBoxLayout* layout, const Row* rows, int count,
             TCurrencyEdit* const* fields) {
  const QFont captionFont = Tahoma(11);
  int captionWidth = 0;
  for (int i = 0; i < count; ++i)
    captionWidth =
        std::max(captionWidth, QFontMetrics(captionFont).horizontalAdvance(rows[i].caption));
  for (int i = 0; i < count; ++i) {
    auto* item = new QWidget(block);
    item->setObjectName(rows[i].item);
    auto* line = new QHBoxLayout(item);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(kCaptionGap);
    QLabel* caption = TransparentLabel(rows[i].caption, captionFont, item);
    caption->setFixedWidth(captionWidth + 1);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setBuddy(fields[i]);
    // a screen reader names the field by its caption's words, without ":" or "*"
    fields[i]->setAccessibleName(QString::fromLatin1(rows[i].caption).remove(u':').remove(u'*'));
    fields[i]->setParent(item);
    line->addWidget(caption);
    line->addWidget(fields[i]);
    line->addStretch(1);  // every field of the block starts at one left edge
    layout->addWidget(item);
  }
}

QHBoxLayout* Centred(QWidget* block) {
  auto* row = new QHBoxLayout;
  row->setContentsMargins(0, 0, 0, 0);
  row->addStretch(1);
  row->addWidget(block);
  row->addStretch(1);
  return row;
}

}  // namespace

TNVCalcForm::TNVCalcForm(QWidget* parent, SymbolsSource symbols)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      symbolsSource_(symbols ? std::move(symbols)
                             : SymbolsSource([] { return amount::LocaleNumberSymbols(); })),
      symbols_(symbolsSource_()),
      fieldStyle_(new TCachedPanelStyle) {
  fieldStyle_->setParent(this);
  setObjectName(QStringLiteral("NVCalcForm"));
  setWindowTitle(QStringLiteral("NV - Income Tax Calculator by Nelvar"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(Tahoma(11));

  for (std::size_t i = 0; i < fields_.size(); ++i) {
    auto* field = new TCurrencyEdit(QString::fromLatin1(kRows[i].format), symbols_, this);
    field->setObjectName(kRows[i].field);
    field->setStyle(fieldStyle_);
    field->setFont(Tahoma(11, kRows[i].bold));
    field->setReadOnly(kRows[i].readOnly);
    field->setFixedSize(kRows[i].width, kFieldHeight);
    fields_[i] = field;
  }
  eMonthlySalary = fields_[0];
  eEid = fields_[1];
  ePerformance = fields_[2];
  eLeave = fields_[3];
  eOverTime = fields_[4];
  eOther = fields_[5];
  eGratuity = fields_[6];
  eTotalTaxable = fields_[7];
  eAnnualTax = fields_[8];
  eMonthlyTax = fields_[9];
  eAnnualIncome = fields_[10];
  eNetMonthlySalary = fields_[11];

  BuildLayout();
  for (std::size_t i = 1; i < fields_.size(); ++i) setTabOrder(fields_[i - 1], fields_[i]);
  eMonthlySalary->setFocus();
  ConnectHandlers();
}

void TNVCalcForm::BuildLayout() {
  lcCalculator = new TLayoutControl(this);
  auto* client = new QVBoxLayout(this);
  client->setContentsMargins(0, 0, 0, 0);
  client->addWidget(lcCalculator);

  lcCalculatorGroup_Root =
      new TLayoutGroup(QStringLiteral("lcCalculatorGroup_Root"), false, lcCalculator);
  auto* ground = new QVBoxLayout(lcCalculator);
  ground->setContentsMargins(0, 0, 0, 0);
  ground->addWidget(lcCalculatorGroup_Root);
  auto* root = new QVBoxLayout(lcCalculatorGroup_Root);
  root->setContentsMargins(10, 10, 10, 10);
  root->setSpacing(7);

  // Title panel
  lcCalculatorGroup1 = new TLayoutGroup(QStringLiteral("lcCalculatorGroup1"), true);
  lcCalculatorGroup1->setFixedHeight(28);
  cxLabel1 = TransparentLabel(QStringLiteral("Pakistan Salary/Income Tax Calculator 2013-14"),
                              Tahoma(13, true), lcCalculatorGroup1);
  cxLabel1->setObjectName(QStringLiteral("cxLabel1"));
  cxLabel1->setAlignment(Qt::AlignCenter);
  auto* titleItem = new QWidget(lcCalculatorGroup1);
  titleItem->setObjectName(QStringLiteral("lcCalculatorItem21"));
  cxLabel1->setParent(titleItem);
  auto* titleLine = new QHBoxLayout(titleItem);
  titleLine->setContentsMargins(0, 0, 0, 0);
  titleLine->addWidget(cxLabel1);
  auto* title = new QVBoxLayout(lcCalculatorGroup1);
  title->setContentsMargins(4, 2, 4, 2);
  title->addWidget(titleItem);
  root->addWidget(lcCalculatorGroup1);

  // Main panel: the input block stretching down to its footnote, the result block at the bottom
  lcCalculatorGroup3 = new TLayoutGroup(QStringLiteral("lcCalculatorGroup3"), true);
  auto* main = new QVBoxLayout(lcCalculatorGroup3);
  main->setContentsMargins(4, 9, 4, 5);
  main->setSpacing(10);

  lcCalculatorGroup2 = new TLayoutGroup(QStringLiteral("lcCalculatorGroup2"), false);
  auto* inputs = new QVBoxLayout(lcCalculatorGroup2);
  inputs->setContentsMargins(0, 0, 0, 0);
  inputs->setSpacing(kRowSpacing);
  AddRows(lcCalculatorGroup2, inputs, kRows, kInputBlockRows, fields_.data());
  inputs->addStretch(1);
  auto* footnoteItem = new QWidget(lcCalculatorGroup2);
  footnoteItem->setObjectName(QStringLiteral("lcCalculatorItem5"));
  auto* footnoteLine = new QHBoxLayout(footnoteItem);
  footnoteLine->setContentsMargins(0, 0, 0, 0);
  cxLabel2 = TransparentLabel(QStringLiteral("* Calculations are not legally bound"), Tahoma(11),
                              footnoteItem);
  cxLabel2->setObjectName(QStringLiteral("cxLabel2"));
  QPalette moneyGreen = cxLabel2->palette();
  moneyGreen.setColor(QPalette::WindowText, QColor(192, 220, 192));
  cxLabel2->setPalette(moneyGreen);
  footnoteLine->addWidget(cxLabel2);
  inputs->addWidget(footnoteItem);
  main->addLayout(Centred(lcCalculatorGroup2), 1);

  lcCalculatorGroup4 = new TLayoutGroup(QStringLiteral("lcCalculatorGroup4"), false);
  auto* results = new QVBoxLayout(lcCalculatorGroup4);
  results->setContentsMargins(0, 0, 0, 0);
  results->setSpacing(kRowSpacing);
  AddRows(lcCalculatorGroup4, results, kRows + kInputBlockRows, 12 - kInputBlockRows,
          fields_.data() + kInputBlockRows);
  main->addLayout(Centred(lcCalculatorGroup4));
  root->addWidget(lcCalculatorGroup3, 1);

  // Status panel: a plain status bar with one text panel
  lcCalculatorGroup5 = new TLayoutGroup(QStringLiteral("lcCalculatorGroup5"), false);
  auto* statusItem = new QWidget(lcCalculatorGroup5);
  statusItem->setObjectName(QStringLiteral("lcCalculatorItem1"));
  auto* status = new QVBoxLayout(lcCalculatorGroup5);
  status->setContentsMargins(0, 0, 0, 0);
  status->addWidget(statusItem);
  auto* statusLine = new QVBoxLayout(statusItem);
  statusLine->setContentsMargins(0, 0, 0, 0);
  dxStatusBar1 = new QStatusBar(statusItem);
  dxStatusBar1->setObjectName(QStringLiteral("dxStatusBar1"));
  dxStatusBar1->setSizeGripEnabled(false);
  dxStatusBar1->setFixedHeight(20);
  dxStatusBar1->setAutoFillBackground(true);
  dxStatusBar1->setPalette(QApplication::palette());
  QFont statusFont(QStringLiteral("MS Sans Serif"));
  statusFont.setPixelSize(11);
  dxStatusBar1->setFont(statusFont);
  auto* contact = new QLabel(QStringLiteral("nv.example (help@nv.example) 555-0100"), dxStatusBar1);
  contact->setObjectName(QStringLiteral("dxStatusBar1Panel1"));
  contact->setFixedWidth(250);
  dxStatusBar1->addWidget(contact);
  statusLine->addWidget(dxStatusBar1);
  lcCalculatorGroup5->setFixedHeight(20);
  root->addWidget(lcCalculatorGroup5);
}

void TNVCalcForm::ConnectHandlers() {
  connect(eMonthlySalary, &TCurrencyEdit::PropertiesChange, this,
          &TNVCalcForm::eEmployeeGrossSalaryPropertiesChange);
  connect(eEid, &TCurrencyEdit::PropertiesChange, this, &TNVCalcForm::eEidPropertiesChange);
  connect(ePerformance, &TCurrencyEdit::PropertiesChange, this,
          &TNVCalcForm::ePerformancePropertiesChange);
  connect(eLeave, &TCurrencyEdit::PropertiesChange, this, &TNVCalcForm::eLeavePropertiesChange);
  connect(eOverTime, &TCurrencyEdit::PropertiesChange, this,
          &TNVCalcForm::eOverTimePropertiesChange);
  connect(eOther, &TCurrencyEdit::PropertiesChange, this, &TNVCalcForm::eOtherPropertiesChange);
  connect(eGratuity, &TCurrencyEdit::PropertiesChange, this,
          &TNVCalcForm::eGratuityPropertiesChange);
}

void TNVCalcForm::FormShow() {
  ClearFields();
}

void TNVCalcForm::eEmployeeGrossSalaryPropertiesChange(QObject*) {
  Calculate();
}
void TNVCalcForm::eEidPropertiesChange(QObject*) {
  Calculate();
}
void TNVCalcForm::ePerformancePropertiesChange(QObject*) {
  Calculate();
}
void TNVCalcForm::eLeavePropertiesChange(QObject*) {
  Calculate();
}
void TNVCalcForm::eOverTimePropertiesChange(QObject*) {
  Calculate();
}
void TNVCalcForm::eOtherPropertiesChange(QObject*) {
  Calculate();
}
void TNVCalcForm::eGratuityPropertiesChange(QObject*) {
  Calculate();
}

void TNVCalcForm::ClearFields() {
  for (TCurrencyEdit* field : fields_) field->SetValue(0);
}

void TNVCalcForm::Calculate() {
  FieldSet set(fields_);
  tax::Calculate(set);
}

void TNVCalcForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  FormShow();
  if (QScreen* desktop = screen())
    move(desktop->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TNVCalcForm::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::LocaleChange) return;
  symbols_ = symbolsSource_();
  for (TCurrencyEdit* field : fields_) field->Redisplay();
}
