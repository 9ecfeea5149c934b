#include "print/battle_map/pdf_document.h"

#include <zlib.h>

#include <cstdio>
#include <stdexcept>

#include "export/vector_surface.h"

namespace delvora {

int PdfDocument::reserve() {
  m_objects.emplace_back();
  return static_cast<int>(m_objects.size());
}

void PdfDocument::setObject(int id, std::string_view text) {
  m_objects[static_cast<std::size_t>(id - 1)] = std::string(text);
}

void PdfDocument::setStream(int id, std::string_view entries, std::string_view data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string packed(size, '\0');
  if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                Z_DEFAULT_COMPRESSION) != Z_OK) {
    throw std::bad_alloc();
  }
  packed.resize(size);
  std::string text = "<<";
  text += entries;
  text += " /Filter /FlateDecode /Length " + std::to_string(packed.size()) + ">>\nstream\n";
  text += packed;
  text += "\nendstream";
  m_objects[static_cast<std::size_t>(id - 1)] = std::move(text);
}

std::string PdfDocument::finish(int root, int info) const {
  // A binary comment on the second line tells transfer programs the file is not text.
  std::string out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < m_objects.size(); ++i) {
    offsets.push_back(out.size());
    out += std::to_string(i + 1) + " 0 obj\n";
    out += m_objects[i];
    out += "\nendobj\n";
  }
  const std::size_t xref = out.size();
  out += "xref\n0 " + std::to_string(m_objects.size() + 1) + "\n0000000000 65535 f \n";
  for (const std::size_t offset : offsets) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    out += entry;
  }
  out += "trailer\n<</Size " + std::to_string(m_objects.size() + 1) + " /Root " +
         std::to_string(root) + " 0 R /Info " + std::to_string(info) + " 0 R>>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return out;
}

std::string pdfTextString(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "<FEFF";
  const auto unit = [&](char32_t value) {
    for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(value >> shift) & 15];
  };
  for (char32_t code : codePoints(utf8)) {
    if (code >= 0x10000) {
      code -= 0x10000;
      unit(0xd800 + (code >> 10));
      unit(0xdc00 + (code & 0x3ff));
    } else {
      unit(code);
    }
  }
  return out + ">";
}

}  // namespace delvora
