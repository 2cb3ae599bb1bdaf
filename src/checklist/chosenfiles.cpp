#include "chosenfiles.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

std::string EntryNameForList(const std::string& listPath, const std::string& filePath)
{
    std::error_code error;
    const fs::path list = fs::absolute(fs::path(listPath), error).lexically_normal();
    const fs::path file = fs::absolute(fs::path(filePath), error).lexically_normal();
    if (error) {
        return filePath;
    }
    const fs::path relative = file.lexically_relative(list.parent_path());
    if (relative.empty()) {
        return file.generic_string();
    }
    return relative.generic_string();
}

ChosenFiles ChooseFiles(const std::vector<FileRecordInfo>& records, std::vector<int> selectedRows,
                        const std::string& sourceFolder, const std::string& listPath)
{
    std::sort(selectedRows.begin(), selectedRows.end());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    ChosenFiles chosen;
    for (const int row : selectedRows) {
        if (row < 0 || static_cast<std::size_t>(row) >= records.size()) {
            continue;
        }
        const FileRecordInfo& record = records[static_cast<std::size_t>(row)];
        ChosenFile file;
        file.path = sourceFolder + record.name;
        file.entryName = EntryNameForList(listPath, file.path);
        file.size = record.size;
        file.time = record.time;
        chosen.totalSize += record.size;
        chosen.files.push_back(std::move(file));
    }
    return chosen;
}
