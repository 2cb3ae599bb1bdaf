#include "escapedname.h"

std::optional<std::string> DecodeEscapedName(std::string_view escaped)
{
    std::string name;
    name.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            name.push_back(escaped[i]);
            continue;
        }
        if (++i == escaped.size()) {
            return std::nullopt;
        }
        switch (escaped[i]) {
        case '\\': name.push_back('\\'); break;
        case 'n': name.push_back('\n'); break;
        case 'r': name.push_back('\r'); break;
        default: return std::nullopt;
        }
    }
    return name;
}
