#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder under the system's temporary directory, removed with its contents
// when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& Path() const noexcept { return m_path; }
    // The folder as text, ending in '/', ready to have a name appended.
    [[nodiscard]] std::string Folder() const { return m_path.string() + "/"; }
    // Writes `bytes` to the file `name` inside the folder and returns its full path.
    std::string WriteFile(const std::string& name, std::string_view bytes) const;
    // A file of `size` bytes of a repeatable pseudo-random pattern.
    std::string WritePatternFile(const std::string& name, std::size_t size, unsigned seed = 1) const;

private:
    std::filesystem::path m_path;
};

// The whole content of a file (empty when it cannot be read).
std::string ReadBytes(const std::filesystem::path& path);
