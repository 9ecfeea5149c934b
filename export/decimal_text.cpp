#include "export/decimal_text.h"

#include <charconv>
#include <cmath>

namespace delvora {

void appendDecimal(std::string& out, double value, int decimals) {
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  long long n = std::llround(value * static_cast<double>(scale));
  if (n < 0) {
    out.push_back('-');
    n = -n;
  }
  char digits[24];
  const auto whole = std::to_chars(digits, digits + sizeof digits, n / scale);
  out.append(digits, whole.ptr);
  long long fraction = n % scale;
  if (fraction == 0) return;
  int places = decimals;
  while (fraction % 10 == 0) {
    fraction /= 10;
    --places;
  }
  const auto end = std::to_chars(digits, digits + sizeof digits, fraction);
  out.push_back('.');
  out.append(static_cast<std::size_t>(places - (end.ptr - digits)), '0');
  out.append(digits, end.ptr);
}

}  // namespace delvora
