#pragma once

namespace tax {

// Monthly income tax of a salaried individual in Pakistan, tax year 2013-14.
// The schedule is yearly, so the monthly income is taken times 12, taxed by its band and the
// yearly tax divided by 12 again. A yearly income of 400,000 or less pays nothing.
//   CalcMonthlyTax(750000.0 / 12) == 17500.0 / 12      (top of band 1)
//   CalcMonthlyTax(10000000.0 / 12) == 193750.0        (band 10: 1,425,000 + 30 % of 3,000,000)
// Throws ext::FloatingPointOverflow only where the yearly income itself overflows a double.
double CalcMonthlyTax(double monthlyIncome);

}  // namespace tax
