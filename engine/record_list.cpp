#include "engine/record_list.h"

#include <algorithm>

#include "engine/text.h"

namespace delvora {

std::size_t SortedRecordList::insert(std::string record) {
  const auto at = std::upper_bound(m_records.begin(), m_records.end(), record,
                                   [](const std::string& value, const std::string& item) {
                                     return compareNoCase(value, item) < 0;
                                   });
  const auto index = static_cast<std::size_t>(at - m_records.begin());
  m_records.insert(at, std::move(record));
  return index;
}

void SortedRecordList::erase(std::size_t index) {
  m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace delvora
