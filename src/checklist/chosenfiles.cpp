#include "chosenfiles.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

// The real path of `folder` as the system resolves it (links to folders and "..", which
// the system takes after a link, resolved); the part that does not exist yet is only
// tidied. Nothing when the path cannot be worked out.
std::optional<fs::path> RealFolder(const fs::path& folder)
{
    std::error_code error;
    fs::path real = fs::weakly_canonical(folder, error);
    if (error) {
        return std::nullopt;
    }
    return real;
}

// `path` made absolute with its folder part real; the last name stays as given (a link
// to a file is listed under its own name), unless it is "." or "..".
std::optional<fs::path> RealPlace(const std::string& path)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    if (error) {
        return std::nullopt;
    }
    const fs::path name = absolute.filename();
    if (name.empty() || name == "." || name == "..") {
        return RealFolder(absolute);
    }
    std::optional<fs::path> folder = RealFolder(absolute.parent_path());
    if (!folder) {
        return std::nullopt;
    }
    return *folder / name;
}

}  // namespace

std::string EntryNameForList(const std::string& listPath, const std::string& filePath)
{
    // Real paths, not lexical ones: "lists/../data/a.bin" with lists a link goes where
    // the link points, and so does a checker reading the list there.
    std::optional<fs::path> list = RealPlace(listPath);
    std::optional<fs::path> file = RealPlace(filePath);
    if (!list || !file) {
        std::error_code error;
        list = fs::absolute(fs::path(listPath), error).lexically_normal();
        file = fs::absolute(fs::path(filePath), error).lexically_normal();
        if (error) {
            return filePath;
        }
    }
    const fs::path relative = file->lexically_relative(list->parent_path());
    if (relative.empty()) {
        return file->generic_string();
    }
    return relative.generic_string();
}

std::string EntryNamer::Name(const std::string& filePath)
{
    const std::size_t slash = filePath.rfind('/');
    const std::string_view folder(filePath.data(), slash == std::string::npos ? 0 : slash + 1);
    const std::string_view name(filePath.data() + folder.size(), filePath.size() - folder.size());
    if (name.empty() || name == "." || name == "..") {
        return EntryNameForList(m_listPath, filePath);
    }
    if (!m_known || folder != m_folder) {
        m_folder = folder;
        // The folder's relative form, from a stand-in name inside it.
        const std::string probe = EntryNameForList(m_listPath, m_folder + "x");
        m_relative = probe.substr(0, probe.size() - 1);
        m_known = true;
    }
    return m_relative + std::string(name);
}

std::string EntryNamer::NameBelow(const std::string& root, std::string_view relative)
{
    if (!m_listFolderKnown) {
        if (std::optional<fs::path> list = RealPlace(m_listPath)) {
            m_realListFolder = list->parent_path();
        }
        m_listFolderKnown = true;
    }
    if (root != m_root || !m_known) {
        m_root = root;
        m_realRoot.reset();
        if (std::optional<fs::path> probe = RealPlace(root + "x")) {
            m_realRoot = probe->parent_path();
        }
        m_known = false;
    }
    if (!m_realRoot || !m_realListFolder) {
        return Name(root + std::string(relative));  // the system's answer, folder by folder
    }
    const std::size_t slash = relative.rfind('/');
    const std::string_view folder = relative.substr(0, slash == std::string_view::npos ? 0 : slash + 1);
    const std::string_view name = relative.substr(folder.size());
    const bool sameFolder = m_known && m_folder.size() == root.size() + folder.size() &&
                            m_folder.compare(0, root.size(), root) == 0 &&
                            m_folder.compare(root.size(), folder.size(), folder) == 0;
    if (!sameFolder) {
        m_folder = root + std::string(folder);
        const fs::path probe = *m_realRoot / fs::path(folder) / "x";
        const fs::path named = probe.lexically_relative(*m_realListFolder);
        const std::string text = named.empty() ? probe.generic_string() : named.generic_string();
        m_relative = text.substr(0, text.size() - 1);
        m_known = true;
    }
    return m_relative + std::string(name);
}

ChosenFiles ChooseFiles(const std::vector<FileRecordInfo>& records, std::vector<int> selectedRows,
                        const std::string& sourceFolder, const std::string& listPath)
{
    std::sort(selectedRows.begin(), selectedRows.end());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    ChosenFiles chosen;
    EntryNamer namer(listPath);
    for (const int row : selectedRows) {
        if (row < 0 || static_cast<std::size_t>(row) >= records.size()) {
            continue;
        }
        const FileRecordInfo& record = records[static_cast<std::size_t>(row)];
        ChosenFile file;
        file.path = sourceFolder + record.name;
        file.entryName = namer.Name(file.path);
        file.size = record.size;
        file.time = record.time;
        chosen.totalSize += record.size;
        chosen.files.push_back(std::move(file));
    }
    return chosen;
}
