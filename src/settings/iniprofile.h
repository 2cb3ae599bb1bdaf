#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One INI file with the semantics of the platform's profile functions: sections and
// keys compared without regard to case (ASCII), string values, and binary records
// stored as hexadecimal text with a checksum byte.
//
// The file is read once, when the profile is made. A missing file is an empty
// profile; a damaged one gives whatever parses (lines that are not a section header
// or a key=value pair are skipped, a zero byte counts as a space). Writes change the
// profile in memory and are remembered; Save() applies them to the file as it is on
// disk at that moment, so sections, keys and comments written by anyone else survive,
// and replaces the file atomically.
class IniProfile {
public:
    explicit IniProfile(std::string path);
    // Reads `readFrom` and saves to `path`: while no file is at `path`, the first save
    // starts from the file at `readFrom`, so nothing in it is lost.
    IniProfile(std::string path, std::string readFrom);
    ~IniProfile();
    IniProfile(IniProfile&&) noexcept;
    IniProfile& operator=(IniProfile&&) noexcept;
    IniProfile(const IniProfile&) = delete;
    IniProfile& operator=(const IniProfile&) = delete;

    [[nodiscard]] const std::string& Path() const noexcept { return m_path; }

    // The value of a key, or nothing when the section or key is missing.
    [[nodiscard]] std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
    // Sets a key, creating the section when needed. False, and nothing changes, for a
    // value that a line of the file cannot hold (a line break or a zero byte) or a
    // name that is not a valid section or key name.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // A binary record of exactly `size` bytes, or nothing when the key is missing or
    // its value is not such a record (wrong length, not hexadecimal, wrong checksum).
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> ReadStruct(std::string_view section, std::string_view key,
                                                                    std::size_t size) const;
    bool WriteStruct(std::string_view section, std::string_view key, std::span<const std::uint8_t> bytes);

    // Writes the file, creating its folder when it is missing. False when the file
    // could not be written (nothing that was there is lost) or when the existing file
    // could not be read and so must not be replaced.
    [[nodiscard]] bool Save();

private:
    struct State;

    std::string m_path;
    std::string m_readFrom;
    std::unique_ptr<State> m_state;
};
