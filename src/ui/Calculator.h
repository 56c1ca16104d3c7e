#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "amount/Amount.h"

class QLabel;
class QStatusBar;
class TCurrencyEdit;
class TLayoutGroup;
class TCachedPanelStyle;

// The calculator window: seven input fields, the total taxable income, a footnote, four result
// fields and a status bar. Every change of an input's text recomputes every result.
class TNVCalcForm : public QWidget {
  Q_OBJECT

 public:
  // Where the window reads the grouping and decimal characters, at start and after every
  // locale change; by default the user's locale.
  using SymbolsSource = std::function<amount::NumberSymbols()>;

  explicit TNVCalcForm(QWidget* parent = nullptr, SymbolsSource symbols = {});

  const amount::NumberSymbols& Symbols() const { return symbols_; }

  // Layout: the control filling the window, its groups and the rows that place each control.
  QWidget* lcCalculator;
  TLayoutGroup* lcCalculatorGroup_Root;
  TLayoutGroup* lcCalculatorGroup1;  // title panel
  TLayoutGroup* lcCalculatorGroup2;  // input block
  TLayoutGroup* lcCalculatorGroup3;  // main panel
  TLayoutGroup* lcCalculatorGroup4;  // result block
  TLayoutGroup* lcCalculatorGroup5;  // status panel

  TCurrencyEdit* eMonthlySalary;
  TCurrencyEdit* eEid;
  TCurrencyEdit* ePerformance;
  TCurrencyEdit* eLeave;
  TCurrencyEdit* eOverTime;
  TCurrencyEdit* eOther;
  TCurrencyEdit* eGratuity;
  TCurrencyEdit* eTotalTaxable;
  TCurrencyEdit* eAnnualTax;
  TCurrencyEdit* eMonthlyTax;
  TCurrencyEdit* eAnnualIncome;
  TCurrencyEdit* eNetMonthlySalary;

  QLabel* cxLabel1;  // title
  QLabel* cxLabel2;  // footnote
  QStatusBar* dxStatusBar1;

 public slots:
  void FormShow();
  void eEmployeeGrossSalaryPropertiesChange(QObject* sender);
  void eEidPropertiesChange(QObject* sender);
  void ePerformancePropertiesChange(QObject* sender);
  void eLeavePropertiesChange(QObject* sender);
  void eOverTimePropertiesChange(QObject* sender);
  void eOtherPropertiesChange(QObject* sender);
  void eGratuityPropertiesChange(QObject* sender);

 public:
  // Writes 0 to the twelve fields in table order.
  void ClearFields();
  // Recomputes the five results from the seven inputs as they stand.
  void Calculate();

  // The twelve fields in table order: the seven inputs, then the five results.
  const std::array<TCurrencyEdit*, 12>& Fields() const { return fields_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildLayout();
  void ConnectHandlers();

  SymbolsSource symbolsSource_;
  amount::NumberSymbols symbols_;
  std::array<TCurrencyEdit*, 12> fields_{};
  TCachedPanelStyle* fieldStyle_;
  bool shownOnce_ = false;
};
