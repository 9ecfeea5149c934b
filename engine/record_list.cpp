#include "engine/record_list.h"

#include <algorithm>

#include "engine/text.h"

namespace delvora {

std::size_t SortedRecordList::insert(std::string record) {
  const auto at = std::upper_bound(m_order.begin(), m_order.end(), record,
                                   [this](const std::string& value, std::uint32_t slot) {
                                     return compareNoCase(value, m_records[slot]) < 0;
                                   });
  const auto index = static_cast<std::size_t>(at - m_order.begin());
  m_order.insert(at, static_cast<std::uint32_t>(m_records.size()));
  m_records.push_back(std::move(record));
  return index;
}

void SortedRecordList::erase(std::size_t index) {
  const std::uint32_t slot = m_order[index];
  m_order.erase(m_order.begin() + static_cast<std::ptrdiff_t>(index));
  m_records.erase(m_records.begin() + slot);
  for (std::uint32_t& other : m_order) {
    if (other > slot) --other;
  }
}

std::vector<std::string> SortedRecordList::records() const {
  return {begin(), end()};
}

}  // namespace delvora
