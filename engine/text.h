#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace delvora {

// The text without its leading and trailing bytes at or below the blank (blanks, tabs, line
// ends and other control characters).
std::string_view trimmed(std::string_view text);

// Three-way comparison that ignores the letter case of ASCII letters: negative, 0 or positive.
// Other bytes compare by their unsigned value; a prefix sorts first.
int compareNoCase(std::string_view a, std::string_view b);

// True when a and b differ at most in the letter case of ASCII letters.
bool equalsNoCase(std::string_view a, std::string_view b);

// Cuts text into lines, fed in chunks of any size: CR LF, CR and LF each end a line, and a final
// line end starts no further line.
class LineSplitter {
 public:
  void feed(std::string_view bytes);
  // Ends the last line if it holds any characters.
  void finish();

  // Hands over the lines completed since the last call, in order, without their line ends.
  std::vector<std::string> takeLines();

 private:
  std::vector<std::string> m_lines;
  std::string m_line;
  bool m_lastWasCr = false;
};

// The lines of a whole text, as LineSplitter cuts them.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace delvora
