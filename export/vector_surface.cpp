#include "export/vector_surface.h"

#include <string>

namespace delvora {

void VectorPath::moveTo(VecPoint p) {
  m_ops.push_back(Op::Move);
  m_points.push_back(p);
}

void VectorPath::lineTo(VecPoint p) {
  m_ops.push_back(Op::Line);
  m_points.push_back(p);
}

void VectorPath::cubicTo(VecPoint control1, VecPoint control2, VecPoint end) {
  m_ops.push_back(Op::Cubic);
  m_points.push_back(control1);
  m_points.push_back(control2);
  m_points.push_back(end);
}

void VectorPath::close() {
  m_ops.push_back(Op::Close);
}

void VectorPath::rect(double x, double y, double w, double h) {
  moveTo({x, y});
  lineTo({x + w, y});
  lineTo({x + w, y + h});
  lineTo({x, y + h});
  close();
}

void VectorPath::append(const VectorPath& other) {
  m_ops.insert(m_ops.end(), other.m_ops.begin(), other.m_ops.end());
  m_points.insert(m_points.end(), other.m_points.begin(), other.m_points.end());
}

namespace {

// The length of the UTF-8 sequence starting at text[i], 0 when it is not one.
std::size_t utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  if (lead >= 0xc2 && lead <= 0xdf) {
    length = 2;
  } else if (lead >= 0xe0 && lead <= 0xef) {
    length = 3;
  } else if (lead >= 0xf0 && lead <= 0xf4) {
    length = 4;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xc0) != 0x80) return 0;
  }
  return length;
}

bool validUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = utf8Length(text, i);
    if (length == 0) return false;
    i += length;
  }
  return true;
}

}  // namespace

std::string cleanText(std::string_view bytes) {
  const bool utf8 = validUtf8(bytes);
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) continue;
    if (utf8 || byte < 0x80) {
      text.push_back(c);
    } else if (byte >= 0xa0) {
      text.push_back(static_cast<char>(0xc0 | (byte >> 6)));
      text.push_back(static_cast<char>(0x80 | (byte & 0x3f)));
    }
  }
  return text;
}

std::u32string codePoints(std::string_view utf8) {
  std::u32string codes;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    std::size_t length = 1;
    char32_t code = byte;
    if (byte >= 0xf0) {
      length = 4;
      code = byte & 0x07;
    } else if (byte >= 0xe0) {
      length = 3;
      code = byte & 0x0f;
    } else if (byte >= 0xc0) {
      length = 2;
      code = byte & 0x1f;
    }
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3f);
    }
    codes.push_back(code);
    i += length;
  }
  return codes;
}

}  // namespace delvora
