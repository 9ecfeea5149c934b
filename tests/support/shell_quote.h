#pragma once

#include <string>

namespace delvora::testing {

// The text in single quotes for the shell, with each ' written as '\''.
inline std::string shellQuoted(const std::string& text) {
  std::string quoted(1, '\'');
  for (const char c : text) {
    if (c == '\'') {
      quoted.append("'\\''");
    } else {
      quoted.push_back(c);
    }
  }
  quoted.push_back('\'');
  return quoted;
}

}  // namespace delvora::testing
