#include "engine/record_list.h"

#include <algorithm>

namespace delvora {

namespace {

unsigned char lower(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

}  // namespace

int compareNoCase(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char ca = lower(a[i]);
    const unsigned char cb = lower(b[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

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
