#pragma once

#include <span>

#include "dressing/builtin_dressing.h"

namespace delvora {

// The built-in entries of the encounter table; index 0 is its empty entry ("Nothing here").
// None has a quantity, so loading them draws nothing.
std::span<const BuiltinEntry> builtinEncounters();

}  // namespace delvora
