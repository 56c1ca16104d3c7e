#pragma once

namespace tax {

// The twelve amounts of one calculation: seven inputs (the monthly salary and six yearly extras)
// and five outputs. Amounts are whole currency units; nothing here rounds to cents.
struct SalaryFigures {
  double MonthlySalary;
  double Eid;
  double Performance;
  double Leave;
  double OverTime;
  double Other;
  double Gratuity;
  double TotalTaxable;
  double AnnualTax;
  double MonthlyTax;
  double AnnualIncome;
  double NetMonthlySalary;
};

enum class Figure {
  MonthlySalary,
  Eid,
  Performance,
  Leave,
  OverTime,
  Other,
  Gratuity,
  TotalTaxable,
  AnnualTax,
  MonthlyTax,
  AnnualIncome,
  NetMonthlySalary,
};

// Where Calculate reads and writes its amounts: a plain record, or the window's fields.
// An amount written and later read back must read as exactly the double written.
class FigureSet {
 public:
  virtual double Read(Figure figure) = 0;
  virtual void Write(Figure figure, double amount) = 0;

 protected:
  ~FigureSet() = default;
};

// Recomputes the five outputs from the seven inputs, reading and writing one amount at a time
// and reading earlier outputs back from the set:
//   SalaryFigures f{}; f.Gratuity = 1400001; Calculate(f);
//   // f.TotalTaxable == 1400001, f.AnnualTax == 82500.125, f.AnnualIncome == 1317500.875
// Throws ext::FloatingPointOverflow, writing nothing, when the total overflows a double; when
// only the monthly tax's yearly income does (a total of the largest double), TotalTaxable has
// already been written and nothing after it is.
void Calculate(FigureSet& figures);
void Calculate(SalaryFigures& figures);

}  // namespace tax
