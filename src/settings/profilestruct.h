#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The value text of a binary record in the INI file: every byte as two upper-case
// hexadecimal digits, then a checksum byte (the sum of all bytes modulo 256) as two
// more. A record of n bytes is 2n + 2 characters long.
[[nodiscard]] std::string EncodeProfileStruct(std::span<const std::uint8_t> bytes);

// The record of `size` bytes held by `text`, or nothing when the text has the wrong
// length, a character that is not a hexadecimal digit (either case is accepted) or a
// checksum that does not match.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> DecodeProfileStruct(std::string_view text, std::size_t size);
