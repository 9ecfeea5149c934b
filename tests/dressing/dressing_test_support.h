#pragma once

#include <string>
#include <string_view>

#include "tests/support/engine_fixture.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/scratch_dir.h"

namespace delvora::testing {

// prefix followed by the decimal digits of number ("e" and 3 give "e3").
inline std::string numbered(std::string_view prefix, int number) {
  std::string text(prefix);
  text += std::to_string(number);
  return text;
}

}  // namespace delvora::testing
