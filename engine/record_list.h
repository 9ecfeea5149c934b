#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace delvora {

// An ordered list of text records kept sorted by case-insensitive comparison; duplicates are
// kept. Readers pick records by index, so the order is part of every reproducible result.
class SortedRecordList {
 public:
  // Inserts after any equal records and returns the index it landed at.
  std::size_t insert(std::string record);
  void erase(std::size_t index);
  void clear() { m_records.clear(); }

  std::size_t size() const { return m_records.size(); }
  bool empty() const { return m_records.empty(); }
  const std::string& operator[](std::size_t index) const { return m_records[index]; }
  const std::vector<std::string>& records() const { return m_records; }
  auto begin() const { return m_records.begin(); }
  auto end() const { return m_records.end(); }

 private:
  std::vector<std::string> m_records;
};

// An unsorted list of records in the order they were added.
using RecordList = std::vector<std::string>;

}  // namespace delvora
