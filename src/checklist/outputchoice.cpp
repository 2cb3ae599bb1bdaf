#include "outputchoice.h"

#include "asciitext.h"
#include "listidentify.h"

#include <array>
#include <string_view>

namespace {

// The kinds a new list can be, in the order of the Save dialog's filter and of the
// Generate drop-down: SFV and MD5 first, as they always were.
struct OutputKind {
    ListKind kind;
    int commandId;
    std::string_view filter;  // "description|pattern"
    std::string_view extension;
};

constexpr std::array<OutputKind, 7> kOutputKinds{{
    {ListKind::Sfv, 32788, "Simple File Verification(*.sfv)|*.sfv", ".sfv"},
    {ListKind::Md5, 32787, "MD5 (*.md5)|*.md5", ".md5"},
    {ListKind::Sha1, 32800, "SHA-1 (*.sha1)|*.sha1", ".sha1"},
    {ListKind::Sha256, 32801, "SHA-256 (*.sha256)|*.sha256", ".sha256"},
    {ListKind::Sha512, 32802, "SHA-512 (*.sha512)|*.sha512", ".sha512"},
    {ListKind::Blake2b, 32803, "BLAKE2b (*.b2)|*.b2", ".b2"},
    {ListKind::Blake3, 32804, "BLAKE3 (*.b3)|*.b3", ".b3"},
}};

const OutputKind* FindOutputKind(ListKind kind) noexcept
{
    for (const OutputKind& each : kOutputKinds) {
        if (each.kind == kind) {
            return &each;
        }
    }
    return nullptr;
}

}  // namespace

ListKind RequestedKindOfCommand(int commandId) noexcept
{
    for (const OutputKind& each : kOutputKinds) {
        if (each.commandId == commandId) {
            return each.kind;
        }
    }
    return ListKind::None;  // 5003 Generate: the user picks
}

int GenerateCommandOf(ListKind kind) noexcept
{
    const OutputKind* found = FindOutputKind(kind);
    return found != nullptr ? found->commandId : 0;
}

ListKind NormalizeRequestedKind(int requestedKind) noexcept
{
    const auto kind = static_cast<ListKind>(requestedKind);
    return FindOutputKind(kind) != nullptr ? kind : ListKind::None;
}

std::string OutputFilter(ListKind requestedKind)
{
    std::string filter;
    if (const OutputKind* fixed = FindOutputKind(requestedKind)) {
        filter = fixed->filter;
    } else {
        for (const OutputKind& each : kOutputKinds) {
            if (!filter.empty()) {
                filter += '|';
            }
            filter += each.filter;
        }
    }
    return filter + "||";
}

ListKind ChosenOutputKind(ListKind requestedKind, int selectedFilterIndex) noexcept
{
    if (FindOutputKind(requestedKind) != nullptr) {
        return requestedKind;
    }
    if (selectedFilterIndex >= 1 && static_cast<std::size_t>(selectedFilterIndex) <= kOutputKinds.size()) {
        return kOutputKinds[static_cast<std::size_t>(selectedFilterIndex) - 1].kind;
    }
    return ListKind::Sfv;
}

std::string WithListExtension(const std::string& path, ListKind kind)
{
    const OutputKind* output = FindOutputKind(kind);
    const std::string_view extension = output != nullptr ? output->extension : std::string_view(".sfv");
    if (path.size() >= extension.size() &&
        AsciiLowerCopy(std::string_view(path).substr(path.size() - extension.size())) == extension) {
        return path;
    }
    // SHA256SUMS, B3SUMS and the like name their kind as an extension does.
    if (kind != ListKind::Sfv && kind != ListKind::Md5 && ListKindFromName(path) == kind) {
        return path;
    }
    return path + std::string(extension);
}
