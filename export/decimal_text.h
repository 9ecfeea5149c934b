#pragma once

#include <string>

namespace delvora {

// Appends value rounded to decimals (0..6) places in the shortest plain form: no exponent, no
// trailing zeros or point, no "-0" ("12", "0.5", "-3.25").
void appendDecimal(std::string& out, double value, int decimals);

}  // namespace delvora
