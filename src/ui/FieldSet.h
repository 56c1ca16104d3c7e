#pragma once

#include <array>

#include "tax/SalaryFigures.h"

class TCurrencyEdit;

// The window's twelve fields as the set of amounts that tax::Calculate reads and writes.
class FieldSet final : public tax::FigureSet {
 public:
  explicit FieldSet(const std::array<TCurrencyEdit*, 12>& fields) : fields_(fields) {}
  double Read(tax::Figure figure) override;
  void Write(tax::Figure figure, double amount) override;

 private:
  const std::array<TCurrencyEdit*, 12>& fields_;
};
