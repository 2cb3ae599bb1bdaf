#include "digestline.h"
#include "asciitext.h"

#include "digestalgorithm.h"
#include "entrytraits.h"
#include "escapedname.h"

namespace {

struct RawLine {
    std::string_view name;
    std::string_view checksum;
    DigestAlgorithm algorithm = DigestAlgorithm::Md5;
    bool tagged = false;
};

bool IsTagCharacter(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

bool IsHexDigit(char c) noexcept
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// "ALGO (name) = hex" or "ALGO(name)= hex": a tag of letters, digits and '-', the
// name up to the last ')', then '=' between optional spaces. Nothing when the line
// does not have that shape (it is then read as a plain line). `unknownTag` is set
// when it has the shape but names an algorithm this program does not know.
std::optional<RawLine> SplitTaggedLine(std::string_view line, bool& unknownTag)
{
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos || open == 0) {
        return std::nullopt;
    }
    std::string_view tag = line.substr(0, open);
    if (tag.back() == ' ') {
        tag.remove_suffix(1);
    }
    for (const char c : tag) {
        if (!IsTagCharacter(c)) {
            return std::nullopt;
        }
    }
    const std::size_t close = line.rfind(')');
    if (tag.empty() || close == std::string_view::npos || close < open) {
        return std::nullopt;
    }
    std::size_t at = line.find_first_not_of(' ', close + 1);
    if (at == std::string_view::npos || line[at] != '=') {
        return std::nullopt;
    }
    at = line.find_first_not_of(' ', at + 1);
    RawLine raw;
    raw.tagged = true;
    raw.name = line.substr(open + 1, close - open - 1);
    raw.checksum = at == std::string_view::npos ? std::string_view{} : line.substr(at);
    const std::optional<DigestAlgorithm> algorithm = AlgorithmFromTag(tag);
    if (!algorithm) {
        unknownTag = true;
        return std::nullopt;
    }
    raw.algorithm = *algorithm;
    return raw;
}

}  // namespace

bool IsHashComment(std::string_view trimmedLine) noexcept
{
    return !trimmedLine.empty() && trimmedLine.front() == '#';
}

std::optional<DigestLine> ParseDigestLine(std::string_view trimmedLine, ListKind kind)
{
    const bool escaped = !trimmedLine.empty() && trimmedLine.front() == '\\';
    if (escaped) {
        trimmedLine.remove_prefix(1);
    }
    bool unknownTag = false;
    std::optional<RawLine> raw = SplitTaggedLine(trimmedLine, unknownTag);
    if (unknownTag) {
        return std::nullopt;
    }
    if (!raw) {
        // The md5sum split: digest up to the first space, one mode marker skipped.
        const std::size_t space = trimmedLine.find(' ');
        if (space == std::string_view::npos) {
            return std::nullopt;
        }
        raw.emplace();
        raw->checksum = trimmedLine.substr(0, space);
        raw->name = trimmedLine.substr(space + 1);
        if (!raw->name.empty() && (raw->name.front() == ' ' || raw->name.front() == '*')) {
            raw->name.remove_prefix(1);
        }
        raw->algorithm = KindAlgorithm(kind);
    }
    if (raw->name.empty()) {
        return std::nullopt;
    }

    DigestLine line;
    if (escaped) {
        std::optional<std::string> decoded = DecodeEscapedName(raw->name);
        if (!decoded) {
            return std::nullopt;
        }
        line.name = std::move(*decoded);
    } else {
        line.name = std::string(raw->name);
    }
    line.checksum = AsciiUpperCopy(raw->checksum);
    line.tagged = raw->tagged;
    line.traits = entrytraits::Make(raw->algorithm, escaped, false);
    line.traits = entrytraits::Make(raw->algorithm, escaped, DigestProblem(line.checksum, line.traits).has_value());
    return line;
}

std::optional<std::string> DigestProblem(std::string_view checksum, std::uint8_t traits)
{
    const DigestAlgorithmInfo& info = AlgorithmInfo(entrytraits::Algorithm(traits));
    const std::string algorithm(info.name);
    if (checksum.size() != info.hexLength) {
        return algorithm + " checksum has " + std::to_string(checksum.size()) + " hex digits, " +
               std::to_string(info.hexLength) + " expected";
    }
    for (const char c : checksum) {
        if (!IsHexDigit(c)) {
            return algorithm + " checksum is not hexadecimal";
        }
    }
    return std::nullopt;
}
