#include "digestline.h"
#include "asciitext.h"

#include "digestalgorithm.h"
#include "entrytraits.h"
#include "entrysplit.h"
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
    raw.checksum = at == std::string_view::npos ? std::string_view{} : TrimListLine(line.substr(at));
    const std::optional<DigestAlgorithm> algorithm = AlgorithmFromTag(tag);
    if (!algorithm) {
        unknownTag = true;
        return std::nullopt;
    }
    raw.algorithm = *algorithm;
    return raw;
}

// "hex name" with as many hex digits as a digest of the md5sum family has: a plain
// line, whatever its name looks like (a name may be "MD5 (x) = y" or "(x)=y").
bool StartsWithPlainDigest(std::string_view line) noexcept
{
    std::size_t digits = 0;
    while (digits < line.size() && IsHexDigit(line[digits])) {
        ++digits;
    }
    return digits < line.size() && line[digits] == ' ' && DigestAlgorithmByLength(digits).has_value();
}

}  // namespace

bool IsHashComment(std::string_view trimmedLine) noexcept
{
    return !trimmedLine.empty() && trimmedLine.front() == '#';
}

std::optional<DigestLine> ParseDigestLine(std::string_view line, ListKind kind)
{
    const bool escaped = !line.empty() && line.front() == '\\';
    if (escaped) {
        line.remove_prefix(1);
    }
    std::optional<RawLine> raw;
    if (!StartsWithPlainDigest(line)) {
        bool unknownTag = false;
        raw = SplitTaggedLine(line, unknownTag);
        if (unknownTag) {
            return std::nullopt;
        }
    }
    if (!raw) {
        // The md5sum split: digest up to the first space, one mode marker skipped.
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos) {
            return std::nullopt;
        }
        raw.emplace();
        raw->checksum = line.substr(0, space);
        raw->name = line.substr(space + 1);
        if (!raw->name.empty() && (raw->name.front() == ' ' || raw->name.front() == '*')) {
            raw->name.remove_prefix(1);
        }
        raw->algorithm = KindAlgorithm(kind);
    }
    if (raw->name.empty()) {
        return std::nullopt;
    }

    DigestLine parsed;
    if (escaped) {
        std::optional<std::string> decoded = DecodeEscapedName(raw->name);
        if (!decoded) {
            return std::nullopt;
        }
        parsed.name = std::move(*decoded);
    } else {
        parsed.name = std::string(raw->name);
    }
    parsed.checksum = AsciiUpperCopy(raw->checksum);
    parsed.tagged = raw->tagged;
    parsed.traits = entrytraits::Make(raw->algorithm, escaped, false);
    parsed.traits = entrytraits::Make(raw->algorithm, escaped, DigestProblem(parsed.checksum, parsed.traits).has_value());
    return parsed;
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
