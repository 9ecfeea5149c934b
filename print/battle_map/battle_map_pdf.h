#pragma once

#include <string>

#include "dungeon/dungeon.h"
#include "dungeon/vector_options.h"

namespace delvora {

// The dungeon's battle map for audience as a PDF: the overview, then the kept pages of
// battleMapLayout, drawn as vectors from the model. Returns the file's bytes.
std::string battleMapPdf(const Dungeon& dungeon, Audience audience,
                         const BattleMapOptions& options);

}  // namespace delvora
