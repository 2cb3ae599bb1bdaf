#include "entrysplit.h"

#include "asciitext.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

}  // namespace

std::string_view TrimListLine(std::string_view line) noexcept
{
    const std::size_t first = line.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = line.find_last_not_of(kWhiteSpace);
    return line.substr(first, last - first + 1);
}

std::string_view TrimListLineStart(std::string_view line) noexcept
{
    const std::size_t first = line.find_first_not_of(kWhiteSpace);
    return first == std::string_view::npos ? std::string_view{} : line.substr(first);
}

bool IsIgnoredListLine(std::string_view trimmedLine) noexcept
{
    return trimmedLine.empty() || trimmedLine.front() == ';';
}

SplitEntry SplitEntryLine(std::string_view trimmedLine, ListKind kind)
{
    if (kind == ListKind::Md5) {
        const std::size_t space = trimmedLine.find(' ');
        if (space == std::string_view::npos) {
            return SplitEntry{{}, AsciiUpperCopy(trimmedLine)};
        }
        std::string_view name = trimmedLine.substr(space + 1);
        if (!name.empty() && (name.front() == ' ' || name.front() == '*')) {
            name.remove_prefix(1);
        }
        return SplitEntry{std::string(name), AsciiUpperCopy(trimmedLine.substr(0, space))};
    }
    const std::size_t space = trimmedLine.rfind(' ');
    if (space == std::string_view::npos) {
        return SplitEntry{std::string(trimmedLine), {}};
    }
    return SplitEntry{std::string(trimmedLine.substr(0, space)), AsciiUpperCopy(trimmedLine.substr(space + 1))};
}
