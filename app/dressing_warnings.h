#pragma once

#include <QString>

#include <string>
#include <vector>

namespace delvora {

// The warnings of a dressing load (a file with more entries than a table holds) as the program
// shows them: one message, a warning a line; empty when there are none.
QString dressingWarningText(const std::vector<std::string>& warnings);

}  // namespace delvora
