#include "listidentify.h"

#include "asciitext.h"
#include "digestline.h"
#include "entrysplit.h"
#include "entrytraits.h"
#include "listlinereader.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>

namespace {

// Lines read at most to find the first entry line.
constexpr int kLinesToLookAt = 64;

struct NamedKind {
    std::string_view lowerName;
    ListKind kind;
};

constexpr std::array<NamedKind, 6> kExtensions{{{".sha1", ListKind::Sha1},
                                                 {".sha256", ListKind::Sha256},
                                                 {".sha512", ListKind::Sha512},
                                                 {".md5", ListKind::Md5},
                                                 {".b2", ListKind::Blake2b},
                                                 {".b3", ListKind::Blake3}}};
constexpr std::array<NamedKind, 6> kFileNames{{{"md5sums", ListKind::Md5},
                                                {"sha1sums", ListKind::Sha1},
                                                {"sha256sums", ListKind::Sha256},
                                                {"sha512sums", ListKind::Sha512},
                                                {"b2sums", ListKind::Blake2b},
                                                {"b3sums", ListKind::Blake3}}};

struct FileCloser {
    void operator()(std::FILE* file) const noexcept { std::fclose(file); }
};

// The kind the first entry line gives; `guessed` tells a plain line's kind, which only
// its digest's length suggests, from a tagged line's, which the tag names.
ListKind ListKindFromContent(const std::string& path, bool& guessed)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return ListKind::None;
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return ListKind::None;
    }
    ListLineReader reader(file.get());
    std::string line;
    for (int read = 0; read < kLinesToLookAt && reader.ReadListLine(line); ++read) {
        const std::string_view trimmed = TrimListLine(line);
        if (!IsIgnoredListLine(trimmed) && !IsHashComment(trimmed)) {
            const std::string_view entry = TrimListLineStart(line);
            const std::optional<DigestLine> parsed = ParseDigestLine(entry, ListKind::Md5);
            guessed = parsed && !parsed->tagged;
            return ListKindFromLine(entry);
        }
    }
    return ListKind::None;
}

}  // namespace

ListKind ListKindFromName(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::string name = AsciiLowerCopy(slash == std::string::npos ? path : path.substr(slash + 1));
    for (const NamedKind& entry : kFileNames) {
        if (name == entry.lowerName) {
            return entry.kind;
        }
    }
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) {
        for (const NamedKind& entry : kExtensions) {
            if (name.compare(dot, std::string::npos, entry.lowerName) == 0) {
                return entry.kind;
            }
        }
    }
    return ListKind::None;
}

ListKind ListKindFromLine(std::string_view line)
{
    const std::optional<DigestLine> parsed = ParseDigestLine(line, ListKind::Md5);
    if (!parsed) {
        return ListKind::None;
    }
    if (parsed->tagged) {
        return KindOfAlgorithm(entrytraits::Algorithm(parsed->traits));
    }
    const std::optional<DigestAlgorithm> algorithm = DigestAlgorithmByLength(parsed->checksum.size());
    if (!algorithm || DigestProblem(parsed->checksum, entrytraits::Make(*algorithm, false, false))) {
        return ListKind::None;
    }
    return KindOfAlgorithm(*algorithm);
}

ListKindDetection IdentifyListKind(const std::string& path)
{
    ListKindDetection detection = DetectListKind(path);
    if (detection.known) {
        return detection;
    }
    detection.kind = ListKindFromName(path);
    if (detection.kind == ListKind::None) {
        detection.kind = ListKindFromContent(path, detection.guessed);
    }
    detection.known = detection.kind != ListKind::None;
    detection.guessed = detection.guessed && detection.known;
    return detection;
}
