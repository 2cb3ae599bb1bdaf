#include "settingsstore.h"

#include "recordbytes.h"

#include <array>
#include <charconv>
#include <optional>
#include <span>

namespace {

constexpr const char* kSetup = "Setup";
constexpr const char* kRecentFiles = "Recent Files";
constexpr const char* kFont = "Font";
constexpr const char* kListViewColor = "ListViewColor";
constexpr const char* kWindowPos = "WindowPos";
constexpr const char* kSizeType = "SizeType";
constexpr const char* kAutoScroll = "AutoScroll";
constexpr const char* kFullRowSelect = "FullRowSelect";
constexpr const char* kPerformance = "Performance";
constexpr const char* kFilesInFlight = "FilesInFlight";
constexpr int kMostFilesInFlight = 8;

std::string MenuKey(std::size_t index)
{
    return "Menu" + std::to_string(index);
}

template <typename Record>
std::optional<Record> ReadRecord(const IniProfile& profile, const char* key)
{
    const auto bytes = profile.ReadStruct(kSetup, key, Record::kSize);
    if (!bytes) {
        return std::nullopt;
    }
    return Record::FromBytes(std::span<const std::uint8_t, Record::kSize>(bytes->data(), Record::kSize));
}

template <typename Record>
void WriteRecord(IniProfile& profile, const char* key, const Record& record)
{
    profile.WriteStruct(kSetup, key, record.ToBytes());
}

std::int32_t ReadInt32(const IniProfile& profile, const char* key, std::int32_t fallback)
{
    const auto bytes = profile.ReadStruct(kSetup, key, 4);
    return bytes ? GetInt32(*bytes, 0) : fallback;
}

void WriteInt32(IniProfile& profile, const char* key, std::int32_t value)
{
    std::array<std::uint8_t, 4> bytes{};
    PutInt32(bytes, 0, value);
    profile.WriteStruct(kSetup, key, bytes);
}

// "FilesInFlight": a count 1 to 8, blanks around it ignored; "auto", a missing key or
// anything else is 0 (auto).
std::int32_t ReadFilesInFlight(const IniProfile& profile)
{
    const std::optional<std::string> text = profile.ReadString(kPerformance, kFilesInFlight);
    if (!text) {
        return 0;
    }
    const std::size_t first = text->find_first_not_of(" \t");
    if (first == std::string::npos) {
        return 0;
    }
    const std::size_t last = text->find_last_not_of(" \t");
    const char* begin = text->data() + first;
    const char* end = text->data() + last + 1;
    int count = 0;
    const auto [stop, error] = std::from_chars(begin, end, count);
    if (error != std::errc() || stop != end || count < 1 || count > kMostFilesInFlight) {
        return 0;
    }
    return count;
}

// Paths as stored, newest first; the first missing or empty key ends the list.
std::vector<std::string> ReadRecentFiles(const IniProfile& profile)
{
    std::vector<std::string> files;
    while (files.size() < Settings::kMaxRecentFiles) {
        std::optional<std::string> path = profile.ReadString(kRecentFiles, MenuKey(files.size()));
        if (!path || path->empty()) {
            break;
        }
        files.push_back(std::move(*path));
    }
    return files;
}

// All ten keys are written, the unused ones empty. A path that a line of the file
// cannot hold (one with a line break) is left out rather than cut, and an empty path
// would end the list for the reader, so neither takes a key.
void WriteRecentFiles(IniProfile& profile, const std::vector<std::string>& files)
{
    for (std::size_t i = 0; i < Settings::kMaxRecentFiles; ++i) {
        profile.WriteString(kRecentFiles, MenuKey(i), "");
    }
    std::size_t next = 0;
    for (const std::string& path : files) {
        if (next == Settings::kMaxRecentFiles) {
            break;
        }
        if (!path.empty() && profile.WriteString(kRecentFiles, MenuKey(next), path)) {
            ++next;
        }
    }
}

} // namespace

Settings LoadSettings(const IniProfile& profile, int dpi)
{
    Settings settings;
    if (const auto colours = ReadRecord<ListViewColorRecord>(profile, kListViewColor)) {
        settings.rowColours = *colours;
    }
    settings.sizeType = ReadInt32(profile, kSizeType, 0);
    settings.autoScroll = ReadInt32(profile, kAutoScroll, 1);
    settings.fullRowSelect = ReadInt32(profile, kFullRowSelect, 1);
    settings.filesInFlight = ReadFilesInFlight(profile);
    if (const auto windowPos = ReadRecord<WindowPosRecord>(profile, kWindowPos)) {
        settings.windowPos = *windowPos;
        settings.windowPosStored = true;
    }
    if (const auto font = ReadRecord<FontRecord>(profile, kFont)) {
        settings.listFont = *font;
        settings.listFontStored = true;
    } else {
        settings.listFont = DefaultFontRecord(dpi);
    }
    settings.recentFiles = ReadRecentFiles(profile);
    return settings;
}

bool SaveSettings(IniProfile& profile, const Settings& settings, bool minimized)
{
    WriteRecord(profile, kFont, settings.listFont);
    WriteRecord(profile, kListViewColor, settings.rowColours);
    if (!minimized) {
        WriteRecord(profile, kWindowPos, settings.windowPos);
    }
    WriteRecentFiles(profile, settings.recentFiles);
    WriteInt32(profile, kFullRowSelect, settings.fullRowSelect);
    WriteInt32(profile, kAutoScroll, settings.autoScroll);
    WriteInt32(profile, kSizeType, settings.sizeType);
    return profile.Save();
}
