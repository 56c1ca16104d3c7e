#include "tax/SalaryFigures.h"

#include "extended/Extended.h"
#include "tax/Schedule.h"

namespace tax {
namespace {

class RecordSet final : public FigureSet {
 public:
  explicit RecordSet(SalaryFigures& record) : record_(record) {}
  double Read(Figure figure) override { return record_.*Member(figure); }
  void Write(Figure figure, double amount) override { record_.*Member(figure) = amount; }

 private:
  static double SalaryFigures::*Member(Figure figure) {
    static constexpr double SalaryFigures::*kMembers[] = {
        &SalaryFigures::MonthlySalary, &SalaryFigures::Eid,
        &SalaryFigures::Performance,   &SalaryFigures::Leave,
        &SalaryFigures::OverTime,      &SalaryFigures::Other,
        &SalaryFigures::Gratuity,      &SalaryFigures::TotalTaxable,
        &SalaryFigures::AnnualTax,     &SalaryFigures::MonthlyTax,
        &SalaryFigures::AnnualIncome,  &SalaryFigures::NetMonthlySalary,
    };
    return kMembers[static_cast<int>(figure)];
  }
  SalaryFigures& record_;
};

}  // namespace

void Calculate(FigureSet& set) {
  using ext::Extended;
  using enum Figure;

  Extended total = Extended(set.Read(MonthlySalary)) * 12.0;
  for (Figure extra : {Eid, Performance, Leave, OverTime, Other, Gratuity})
    total = total + set.Read(extra);
  set.Write(TotalTaxable, total.ToDouble());

  set.Write(MonthlyTax, CalcMonthlyTax((Extended(set.Read(TotalTaxable)) / 12.0).ToDouble()));
  set.Write(AnnualTax, (Extended(set.Read(MonthlyTax)) * 12.0).ToDouble());
  {
    const double taxable = set.Read(TotalTaxable);
    set.Write(AnnualIncome, (Extended(taxable) - set.Read(AnnualTax)).ToDouble());
  }
  {
    const Extended monthlyTaxable = Extended(set.Read(TotalTaxable)) / 12.0;
    set.Write(NetMonthlySalary, (monthlyTaxable - set.Read(MonthlyTax)).ToDouble());
  }
}

void Calculate(SalaryFigures& figures) {
  RecordSet set(figures);
  Calculate(set);
}

}  // namespace tax
