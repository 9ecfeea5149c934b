#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace delvora {

// Standard base64 (RFC 4648 alphabet, "=" padding, no line breaks).
std::string base64Encode(std::span<const std::uint8_t> bytes);

}  // namespace delvora
