#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace delvora {

// The objects of a PDF file and the file they make: numbered objects written as given, streams
// compressed, the cross-reference table and trailer at the end.
class PdfDocument {
 public:
  // A number for an object to be added later (objects may refer to each other before).
  int reserve();
  // Object id as the dictionary, array or value text given.
  void setObject(int id, std::string_view text);
  // Object id as a stream: dictionary entries (without << >> and /Length) and the data,
  // compressed with Flate.
  void setStream(int id, std::string_view entries, std::string_view data);
  // The file, with root and info as the trailer's /Root and /Info. Every reserved object must
  // be set.
  std::string finish(int root, int info) const;

 private:
  std::vector<std::string> m_objects;
};

// A text string as UTF-16 with a byte-order mark, in hexadecimal: "<FEFF0041>".
std::string pdfTextString(std::string_view utf8);

}  // namespace delvora
