#include "ui/FieldSet.h"

#include "ui/TCurrencyEdit.h"

double FieldSet::Read(tax::Figure figure) {
  return fields_[static_cast<int>(figure)]->Value();
}

void FieldSet::Write(tax::Figure figure, double amount) {
  fields_[static_cast<int>(figure)]->SetValue(amount);
}
