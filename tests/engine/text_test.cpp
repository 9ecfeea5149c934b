#include "engine/text.h"

#include <gtest/gtest.h>

namespace delvora {
namespace {

TEST(Text, TrimsEveryByteAtOrBelowTheBlank) {
  EXPECT_EQ(trimmed(" \t\x01 a b \r\n"), "a b");
  EXPECT_EQ(trimmed("  \t "), "");
  EXPECT_EQ(trimmed("\xE9t\xE9"), "\xE9t\xE9") << "bytes above 127 are text";
}

TEST(Text, ComparesAsciiLettersWithoutCase) {
  EXPECT_EQ(compareNoCase("0001Nabc", "0001nABC"), 0);
  EXPECT_LT(compareNoCase("0001E", "0001n"), 0);
  EXPECT_LT(compareNoCase("0001[", "0001Z"), 0) << "capitals sort as small letters, after '['";
  EXPECT_LT(compareNoCase("0001", "00010"), 0);
  EXPECT_LT(compareNoCase("\xC9", "\xE9"), 0) << "no case folding beyond ASCII";
  EXPECT_TRUE(equalsNoCase("Descriptions.TXT", "descriptions.txt"));
  EXPECT_FALSE(equalsNoCase("Sounds.txt", "Sounds.txt "));
  EXPECT_FALSE(equalsNoCase("Sounds.txt", "Smells.txt"));
}

TEST(Text, EveryLineEndEndsALineAndAFinalOneAddsNone) {
  const struct {
    const char* name;
    std::string_view text;
    std::vector<std::string> lines;
  } cases[] = {
      {"empty", "", {}},
      {"no line end", "a", {"a"}},
      {"CR LF", "a\r\nb\r\n", {"a", "b"}},
      {"LF and CR", "a\nb\rc", {"a", "b", "c"}},
      {"empty lines", "\r\n\n\r", {"", "", ""}},
      {"LF CR is two ends", "a\n\rb", {"a", "", "b"}},
      {"CR CR LF", "a\r\r\nb", {"a", "", "b"}},
      {"NUL is text", std::string_view("a\0b", 3), {std::string("a\0b", 3)}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(splitLines(c.text), c.lines) << c.name;
    // Fed one byte at a time, taking lines as they come, the result is the same.
    LineSplitter splitter;
    std::vector<std::string> lines;
    for (const char byte : c.text) {
      splitter.feed(std::string_view(&byte, 1));
      for (std::string& line : splitter.takeLines()) lines.push_back(std::move(line));
    }
    splitter.finish();
    for (std::string& line : splitter.takeLines()) lines.push_back(std::move(line));
    EXPECT_EQ(lines, c.lines) << c.name << ", byte by byte";
  }
}

}  // namespace
}  // namespace delvora
