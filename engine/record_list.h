#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace delvora {

// An ordered list of text records kept sorted by case-insensitive comparison; duplicates are
// kept. Readers pick records by index, so the order is part of every reproducible result.
class SortedRecordList {
 public:
  // Walks the records in sorted order.
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::string*;
    using reference = const std::string&;

    Iterator() = default;
    Iterator(const SortedRecordList* list, std::size_t index) : m_list(list), m_index(index) {}
    reference operator*() const { return (*m_list)[m_index]; }
    pointer operator->() const { return &(*m_list)[m_index]; }
    Iterator& operator++() {
      ++m_index;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++m_index;
      return before;
    }
    bool operator==(const Iterator& other) const { return m_index == other.m_index; }

   private:
    const SortedRecordList* m_list = nullptr;
    std::size_t m_index = 0;
  };

  // Inserts after any equal records and returns the index it landed at.
  std::size_t insert(std::string record);
  void erase(std::size_t index);
  void clear() {
    m_records.clear();
    m_order.clear();
  }

  std::size_t size() const { return m_order.size(); }
  bool empty() const { return m_order.empty(); }
  const std::string& operator[](std::size_t index) const { return m_records[m_order[index]]; }
  // A copy of the records in sorted order.
  std::vector<std::string> records() const;
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, size()}; }

 private:
  // The records in the order they were inserted, and their positions in sorted order: an
  // insert moves four-byte positions instead of the strings, a run inserts hundreds of records.
  std::vector<std::string> m_records;
  std::vector<std::uint32_t> m_order;
};

// An unsorted list of records in the order they were added.
using RecordList = std::vector<std::string>;

}  // namespace delvora
