#include "outputname.h"

std::string NameLine(std::string_view name, std::string_view rest)
{
    std::string line;
    line.reserve(name.size() + rest.size() + 1);
    if (name.find_first_of("\\\n\r") == std::string_view::npos) {
        return line.append(name).append(rest);
    }
    line.push_back('\\');
    for (const char c : name) {
        switch (c) {
        case '\\': line.append("\\\\"); break;
        case '\n': line.append("\\n"); break;
        case '\r': line.append("\\r"); break;
        default: line.push_back(c); break;
        }
    }
    return line.append(rest);
}
