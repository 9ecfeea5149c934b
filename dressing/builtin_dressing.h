#pragma once

#include <array>
#include <span>
#include <string_view>

namespace delvora {

// One built-in dressing entry. A fixed entry is just its text; a counted entry is text, a
// quantity drawn at load time as Random(quantityRange) + 1 in plain decimal, then after.
struct BuiltinEntry {
  constexpr BuiltinEntry(std::string_view fixedText) : text(fixedText) {}
  constexpr BuiltinEntry(std::string_view before, int range, std::string_view afterQuantity)
      : text(before), quantityRange(range), after(afterQuantity) {}

  std::string_view text;
  int quantityRange = 0;
  std::string_view after;
};

// The built-in entries of the six tables in table order: descriptions, sounds, smells, items,
// traps, treasure. Index 0 of each is its empty-category entry.
std::array<std::span<const BuiltinEntry>, 6> builtinDressing();

}  // namespace delvora
