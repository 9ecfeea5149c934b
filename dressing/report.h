#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dressing/dressing_tables.h"
#include "engine/map_model.h"

namespace delvora {

// The dressing report as items (FluffReport): the title block, then one block per room of
// lstFluff with its size, six dressing texts and door descriptions. Each item holds CR LF line
// breaks and is meant to be written followed by one more CR LF.
std::vector<std::string> buildDressingReport(const MapModel& model, const DressingTables& tables,
                                             std::string_view title);

// The bytes of a text file of items: every item followed by CR LF.
std::string textFileBytes(const std::vector<std::string>& items);

}  // namespace delvora
