#include "treelists.h"
#include "rowreaderrors.h"

#include "asciitext.h"
#include "entrytraits.h"
#include "listcaveats.h"
#include "listendnotes.h"
#include "listidentify.h"
#include "listmessages.h"
#include "listreader.h"
#include "loadwarnings.h"
#include "treewalk.h"

#include <array>
#include <cstring>

namespace {

bool EndsWith(std::string_view text, std::string_view tail) noexcept
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The folder part of a path below the tree's folder: "" or ending in '/'.
std::string_view FolderOf(std::string_view relative) noexcept
{
    const std::size_t slash = relative.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : relative.substr(0, slash + 1);
}

// Appends one list's rows to the tree's content.
void AppendRows(ChecksumListContent& tree, const ChecksumListContent& list, std::string_view listFolder)
{
    const std::size_t rows = list.rows.Size();
    for (std::size_t row = 0; row < rows; ++row) {
        tree.rows.Append(TreeEntryName(listFolder, list.rows.Name(row)), list.rows.Checksum(row));
        tree.rowTraits.push_back(row < list.rowTraits.size()
                                     ? list.rowTraits[row]
                                     : entrytraits::Make(KindAlgorithm(list.kind), false, false));
        tree.sizes.push_back(row < list.sizes.size() ? list.sizes[row] : kSizeNotFound);
    }
    tree.totalBytes += list.totalBytes;
}

}  // namespace

bool IsListFileName(std::string_view name) noexcept
{
    if (EndsWith(name, "SUMS") && name.size() > 4) {
        return true;
    }
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return false;
    }
    const std::string extension = AsciiLowerCopy(name.substr(dot + 1));
    constexpr std::array<std::string_view, 4> kExtensions{"sfv", "md5", "b2", "b3"};
    for (const std::string_view known : kExtensions) {
        if (extension == known) {
            return true;
        }
    }
    return extension.size() > 3 && extension.compare(0, 3, "sha") == 0 && extension[3] >= '0' &&
           extension[3] <= '9';
}

TreeListsFound FindTreeLists(const std::string& folder, bool hidden)
{
    TreeListsFound found;
    TreeWalkOptions options;
    options.hidden = hidden;
    WalkTree(
        folder, options,
        [&found](const TreeFile& file) {
            const std::size_t slash = file.relative.rfind('/');
            const std::string_view name =
                slash == std::string_view::npos ? file.relative : file.relative.substr(slash + 1);
            if (IsListFileName(name)) {
                found.lists.emplace_back(file.relative);
            }
        },
        [&found, &folder](const TreeProblem& problem) {
            const std::string relative =
                problem.path.size() > folder.size() ? problem.path.substr(folder.size()) : std::string(".");
            found.unreachable.push_back(relative + ": " + ErrorText(problem.error));
        });
    return found;
}

std::string TreeEntryName(std::string_view listFolder, std::string_view name)
{
    if (!name.empty() && name.front() == '/') {
        return std::string(name);
    }
    // The list's folder was reached through real folders, so "a/b/../x" is "a/x".
    while (!listFolder.empty() && name.size() > 3 && name.substr(0, 3) == "../") {
        const std::size_t slash = listFolder.rfind('/', listFolder.size() - 2);
        listFolder = slash == std::string_view::npos ? std::string_view() : listFolder.substr(0, slash + 1);
        name.remove_prefix(3);
    }
    std::string joined;
    joined.reserve(listFolder.size() + name.size());
    return joined.append(listFolder).append(name);
}

TreeLoad LoadTreeLists(const std::string& folder, const std::vector<std::string>& lists, int sizeType)
{
    TreeLoad load;
    ChecksumListContent& tree = load.content;
    tree.listPath = folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
    tree.baseFolder = folder;
    tree.sizeType = sizeType;
    bool mixed = false;
    for (const std::string& relative : lists) {
        const std::string path = folder + relative;
        const ListKindDetection detection = IdentifyListKind(path);
        if (!detection.known) {
            load.unreadable.push_back(UnknownFileTypeMessage(relative));
            continue;
        }
        LoadOutcome outcome = LoadChecksumList(path, detection.baseFolder, detection.kind, sizeType);
        if (outcome.status != LoadStatus::Loaded) {
            load.unreadable.push_back(OpenFailedMessage(relative));
            continue;
        }
        if (detection.guessed) {
            load.warnings.push_back(relative + ": " + GuessedKindWarning(detection.kind));
        }
        if (outcome.improperLines > 0) {
            load.warnings.push_back(relative + ": " + ImproperLinesWarning(outcome.improperLines));
        }
        if (outcome.incomplete) {
            load.incomplete.push_back(relative);
        }
        if (outcome.content.rows.Empty()) {
            load.empty.push_back(relative);
            continue;
        }
        if (tree.kind == ListKind::None) {
            tree.kind = detection.kind;
        }
        mixed = mixed || detection.kind != tree.kind;
        AppendRows(tree, outcome.content, FolderOf(relative));
    }
    // One kind of list keeps its rows' form (no traits for CRC-32 lists); rows of
    // several kinds each carry their own algorithm whatever the first list's kind.
    if (!mixed && tree.kind == ListKind::Sfv) {
        tree.rowTraits.clear();
    }
    return load;
}

TreeLoad LoadListFolder(const std::string& folder, bool hidden, int sizeType)
{
    TreeListsFound found = FindTreeLists(folder, hidden);
    TreeLoad load = LoadTreeLists(folder, found.lists, sizeType);
    load.lists = std::move(found.lists);
    load.unreachable = std::move(found.unreachable);
    return load;
}
