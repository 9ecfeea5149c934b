#include "export/base64.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace delvora {
namespace {

TEST(Base64, EncodesKnownVectors) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {{"", ""},
               {"f", "Zg=="},
               {"fo", "Zm8="},
               {"foo", "Zm9v"},
               {"foob", "Zm9vYg=="},
               {"fooba", "Zm9vYmE="},
               {"foobar", "Zm9vYmFy"},
               {"\xff\xfe", "//4="}};
  for (const auto& c : cases) {
    const std::vector<std::uint8_t> bytes(c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(base64Encode(bytes), c.text) << c.text;
  }
}

}  // namespace
}  // namespace delvora
