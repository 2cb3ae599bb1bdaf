#pragma once

#include <optional>
#include <string>
#include <string_view>

// Decodes a name from md5sum's escaped form (a line starting with '\'): "\\" is a
// backslash, "\n" a line feed and "\r" a carriage return. Nothing for any other
// escape or a lone backslash at the end: such a line is improperly formatted.
[[nodiscard]] std::optional<std::string> DecodeEscapedName(std::string_view escaped);
