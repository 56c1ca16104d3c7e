// Prints the figures of many generated cases, one line each, with every double in hex, so that
// two builds (native long double and GNU MPFR) can be compared bit for bit:
//   figures_dump > native.txt; (other build) figures_dump > mpfr.txt; cmp native.txt mpfr.txt
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "amount/Amount.h"
#include "tax/SalaryFigures.h"

namespace {

std::string Hex(double value) {
  char buffer[48];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::hex);
  return std::string(buffer, end.ptr);
}

tax::SalaryFigures Inputs(double monthly, double eid = 0, double performance = 0, double leave = 0,
                          double overTime = 0, double other = 0, double gratuity = 0) {
  return {monthly, eid, performance, leave, overTime, other, gratuity, 0, 0, 0, 0, 0};
}

void Figures(const tax::SalaryFigures& inputs) {
  tax::SalaryFigures f = inputs;
  std::string line = "figures";
  for (const double* in = &f.MonthlySalary; in <= &f.Gratuity; ++in) line += ' ' + Hex(*in);
  try {
    tax::Calculate(f);
    line += " ->";
    for (const double* out = &f.TotalTaxable; out <= &f.NetMonthlySalary; ++out)
      line += ' ' + Hex(*out);
  } catch (const std::exception& error) {
    line += std::string(" -> ") + error.what() + ' ' + Hex(f.TotalTaxable);
  }
  std::puts(line.c_str());
}

void Read(const std::string& text, const amount::NumberSymbols& symbols) {
  std::printf("read \"%s\" -> %d %s\n", text.c_str(), amount::IsNumber(text, symbols) ? 1 : 0,
              Hex(amount::ReadAmount(text, symbols)).c_str());
}

}  // namespace

int main() {
  std::mt19937_64 random(20132014);
  const double edges[] = {400'000,   750'000,   1'400'000, 1'500'000, 1'800'000,
                          2'500'000, 3'000'000, 3'500'000, 4'000'000, 7'000'000};

  // whole totals and cents on both sides of every band edge, as a gratuity and as a salary
  for (double edge : edges) {
    for (int k = -1000; k <= 1000; ++k) Figures(Inputs(0, 0, 0, 0, 0, 0, edge + k));
    for (int k = -5000; k <= 5000; ++k) Figures(Inputs(0, 0, 0, 0, 0, 0, edge + k / 100.0));
    for (int k = -500; k <= 500; ++k) Figures(Inputs(edge / 12 + k / 100.0));
  }

  // random amounts of every size, both signs, in all seven inputs
  std::uniform_real_distribution<double> exponent(-3, 12);
  auto amount = [&] {
    const double magnitude = std::pow(10.0, exponent(random));
    return random() % 4 == 0 ? -magnitude : magnitude;
  };
  for (int i = 0; i < 100'000; ++i) {
    double a[7];
    for (double& x : a) x = amount();  // drawn in order: argument order is unspecified
    Figures(Inputs(a[0], a[1], a[2], a[3], a[4], a[5], a[6]));
  }

  // any finite bit pattern, and sums near the top of the double range
  for (int i = 0; i < 50'000; ++i) {
    double bits[7];
    for (double& b : bits) {
      do {
        const std::uint64_t pattern = random();
        std::memcpy(&b, &pattern, sizeof b);
      } while (!std::isfinite(b));
    }
    Figures(Inputs(bits[0], bits[1], bits[2], bits[3], bits[4], bits[5], bits[6]));
  }
  const double max = std::numeric_limits<double>::max();
  for (double scale : {1.0, 0.5, 1.0 / 12, 1.0 / 6, 1.0 / 13, 0.999999})
    for (double sign : {1.0, -1.0}) {
      Figures(Inputs(sign * max * scale));
      Figures(Inputs(0, sign * max * scale, 0, 0, 0, 0, sign * max * scale / 3));
    }

  // texts to read: the grammar's characters in random order, and long digit strings
  const amount::NumberSymbols english{",", ".", 2};
  const std::string alphabet = "0123456789012345678901234567890.,-+eE ";
  for (int i = 0; i < 100'000; ++i) {
    std::string text;
    const int length = 1 + static_cast<int>(random() % 24);
    for (int j = 0; j < length; ++j) text += alphabet[random() % alphabet.size()];
    Read(text, english);
  }
  for (int digits = 1; digits <= 400; ++digits)
    for (const char* exponentText : {"", "e-300", "e-330", "e280", "e308", "e-4950", "e4930"}) {
      std::string text = "1";
      for (int j = 1; j < digits; ++j) text += static_cast<char>('0' + random() % 10);
      Read(text + exponentText, english);
      Read("0." + text + exponentText, english);
    }
  for (const char* edge : {"1.7e308", "1.7000000000000000001e308", "1.69999999999999999999e308",
                           "5e-324", "4.9999999999999999999e-324", "5.0000000000000000001e-324"})
    Read(edge, english);
  return 0;
}
