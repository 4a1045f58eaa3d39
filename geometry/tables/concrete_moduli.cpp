#include "geometry/tables/concrete_moduli.h"

#include <array>
#include <cctype>

namespace kelmf {
namespace {

struct ConcreteClass {
  int number;
  double first;
  double second;
};

constexpr std::array<ConcreteClass, 13> kClasses = {{
    {20, 2.49e7, 3.00e7}, {25, 2.67e7, 3.10e7}, {30, 2.83e7, 3.30e7}, {35, 2.99e7, 3.40e7},
    {40, 3.14e7, 3.50e7}, {45, 3.28e7, 3.60e7}, {50, 3.43e7, 3.70e7}, {55, 3.57e7, 3.80e7},
    {60, 3.70e7, 3.90e7}, {70, 3.97e7, 4.10e7}, {80, 4.23e7, 4.20e7}, {90, 4.38e7, 4.40e7},
    {100, 4.52e7, 2.60e7},
}};

double ModulusOfBClass(int n) {
  switch (n) {
    case 10: return 2.2e7;
    case 15: return 2.6e7;
    case 25: return 3.0e7;
    case 35: return 3.4e7;
    case 45: return 3.7e7;
    case 55: return 3.9e7;
    default: return 3.0e7;
  }
}

// The digits before the first '/', read as one number (at most 99 digits
// looked at; the value stops growing past what a class can be).
int ClassNumber(std::string_view text) {
  int n = 0;
  int looked = 0;
  for (char ch : text) {
    if (ch == '/' || ++looked > 99) break;
    if (std::isdigit(static_cast<unsigned char>(ch)) && n < 100000) n = n * 10 + (ch - '0');
  }
  return n;
}

}  // namespace

std::optional<double> ModulusOfClassText(std::string_view text, bool second_table, common::FrameParams& params) {
  if (text.empty()) return std::nullopt;
  const int n = ClassNumber(text);
  if (n == 0) return std::nullopt;
  if (text[0] != 'C' && text[0] != 'c') return ModulusOfBClass(n);
  for (std::size_t i = 0; i < kClasses.size(); ++i) {
    if (kClasses[i].number == n) params.set_concrete_class(static_cast<std::int16_t>(i));
  }
  int index = params.concrete_class();
  if (index < 0 || index >= static_cast<int>(kClasses.size())) index = 0;
  const ConcreteClass& c = kClasses[static_cast<std::size_t>(index)];
  return second_table ? c.second : c.first;
}

}  // namespace kelmf
