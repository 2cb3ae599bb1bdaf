#pragma once

// The files a new list is made of, in the order their lines are written, and how
// each is named in the list.

#include "listformats.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One file as the folder browser lists it: its name in the folder, size and last write.
struct FileRecordInfo {
    std::string name;
    std::uint64_t size = 0;
    DateTimeFields time;
};

// One file of a new list: where to read it and the name its lines give it.
struct ChosenFile {
    std::string path;       // read from here
    std::string entryName;  // written in the list
    std::uint64_t size = 0; // as listed when chosen (the comment line, the run's 100 %)
    DateTimeFields time;
};

struct ChosenFiles {
    std::vector<ChosenFile> files;
    std::uint64_t totalSize = 0;  // sum of the listed sizes
};

// How the list at `listPath` names the file at `filePath`: relative to the list's
// folder with '/' between folders (bare beside the list, "sub/a.bin", "../data/a.bin"),
// worked out from the real paths of both folders, so links to folders and ".." after
// them lead where the system leads.
[[nodiscard]] std::string EntryNameForList(const std::string& listPath, const std::string& filePath);

// EntryNameForList for many files of one list: the relative form of each folder is
// worked out once, so naming thousands of files in a few folders stays cheap.
class EntryNamer {
public:
    explicit EntryNamer(std::string listPath) : m_listPath(std::move(listPath)) {}
    [[nodiscard]] std::string Name(const std::string& filePath);
    // The name of the file at `relative` below the folder `root` (ending in '/') that a
    // walk found without following links to folders: only the root's real path is
    // asked of the system, once; the folders below it are real ones.
    [[nodiscard]] std::string NameBelow(const std::string& root, std::string_view relative);

private:
    std::string m_listPath;
    std::string m_folder;    // the folder part (up to its last '/') of the last file named
    std::string m_relative;  // how the list names that folder, with a trailing '/' or empty
    bool m_known = false;
    std::string m_root;      // the walked folder NameBelow last named a file in, and its real path
    std::optional<std::filesystem::path> m_realRoot;
    std::optional<std::filesystem::path> m_realListFolder;
    bool m_listFolderKnown = false;
};

// The selected rows of the folder `sourceFolder` (ending in '/'), in row order whatever
// order they were selected in; rows out of range and repeats are ignored. Empty when
// nothing is selected.
[[nodiscard]] ChosenFiles ChooseFiles(const std::vector<FileRecordInfo>& records, std::vector<int> selectedRows,
                                      const std::string& sourceFolder, const std::string& listPath);
