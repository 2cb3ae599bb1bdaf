#include "iniprofile.h"

#include "atomicfile.h"
#include "profilestruct.h"
#include "regularfile.h"

#include <algorithm>
#include <cerrno>
#include <utility>

#include <unistd.h>

// Debian's libsimpleini is built with ICU conversion and holds the compiled parser;
// the header must be read with the same setting. Only the narrow parser is used.
#define SI_CONVERT_ICU
#include <SimpleIni.h>

namespace {

// Far above any settings file; a bigger file is not ours and is left alone.
constexpr off_t kMaxFileSize = 16 * 1024 * 1024;

enum class LoadResult { Missing, Loaded, Unreadable };

struct PendingWrite {
    std::string section;
    std::string key;
    std::string value;
};

std::unique_ptr<CSimpleIniA> MakeParser()
{
    // Case-insensitive names, one value per key (a repeated key keeps the value of
    // its last line), no multi-line values, "key=value" without spaces as the
    // platform writes it, and surrounding quotes removed from a value as the platform
    // reads it (which also lets a value keep leading or trailing spaces).
    auto ini = std::make_unique<CSimpleIniA>(false, false, false);
    ini->SetSpaces(false);
    ini->SetQuotes(true);
    ini->SetAllowKeyOnly(false);
    return ini;
}

// The whole content of a regular file, or why there is none.
LoadResult ReadWholeFile(const std::string& path, std::string& content)
{
    const RegularFileDescriptor opened = OpenRegularFile(path);
    if (opened.fd < 0) {
        return opened.error == ENOENT ? LoadResult::Missing : LoadResult::Unreadable;
    }
    const int fd = opened.fd;
    LoadResult result = LoadResult::Loaded;
    if (opened.status.st_size > kMaxFileSize) {
        result = LoadResult::Unreadable;
    } else {
        content.clear();
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got == 0) {
                break;
            }
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0 || content.size() + static_cast<std::size_t>(got) > static_cast<std::size_t>(kMaxFileSize)) {
                result = LoadResult::Unreadable;
                break;
            }
            content.append(buffer, static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    return result;
}

// A line that opens a section header without closing it on the same line is damage:
// the parser would read on to the next ']' on a later line and take the lines between
// as the section's name, which a save writes back longer each time. Such a line is
// made a comment, so it is skipped like any other line that does not parse and a
// save keeps it as it is.
void CommentOutBrokenHeaders(std::string& content)
{
    std::string mended;
    bool changed = false;
    std::size_t lineStart = 0;
    while (lineStart < content.size()) {
        std::size_t lineEnd = content.find_first_of("\r\n", lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = content.size();
        }
        const std::string_view line = std::string_view(content).substr(lineStart, lineEnd - lineStart);
        const std::size_t first = line.find_first_not_of(" \t");
        if (first != std::string_view::npos && line[first] == '[' && line.find(']', first) == std::string_view::npos) {
            if (!changed) {
                mended.reserve(content.size() + 64);
                mended.append(content, 0, lineStart);
                changed = true;
            }
            mended.push_back(';');
        }
        const std::size_t next = std::min(lineEnd + 1, content.size());
        if (changed) {
            mended.append(content, lineStart, next - lineStart);
        }
        lineStart = next;
    }
    if (changed) {
        content = std::move(mended);
    }
}

void LoadText(std::string content, CSimpleIniA& ini)
{
    // The parser stops at a zero byte; read on past it instead.
    std::replace(content.begin(), content.end(), '\0', ' ');
    CommentOutBrokenHeaders(content);
    // In narrow mode the parser reports no syntax errors: bad lines are skipped.
    ini.LoadData(content.data(), content.size());
    // "[]" names the section of the keys before any header. Without keys, a save would
    // write it as blank lines that the next load drops, so two saves would differ.
    if (ini.GetSectionSize("") == 0) {
        ini.Delete("", nullptr);
    }
}

LoadResult LoadFile(const std::string& path, CSimpleIniA& ini)
{
    std::string content;
    const LoadResult result = ReadWholeFile(path, content);
    if (result == LoadResult::Loaded) {
        LoadText(std::move(content), ini);
    }
    return result;
}

// The text of `ini` in the form it keeps through a load and a save. The parser may
// read damaged text (a comment before an odd header, say) in a way that it writes back
// otherwise the first time only; writing until the text stays the same makes any two
// saves in a row give the same bytes.
bool SaveText(std::unique_ptr<CSimpleIniA>& ini, std::string& text)
{
    constexpr int kMaxRounds = 4;
    if (ini->Save(text, ini->IsUnicode()) < 0) {
        return false;
    }
    for (int round = 0; round < kMaxRounds; ++round) {
        std::unique_ptr<CSimpleIniA> reread = MakeParser();
        LoadText(text, *reread);
        std::string again;
        if (reread->Save(again, reread->IsUnicode()) < 0) {
            return false;
        }
        if (again == text) {
            break;
        }
        text = std::move(again);
        ini = std::move(reread);
    }
    return true;
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t';
}

// A name that reads back as itself: not empty, on one line, without surrounding
// spaces, not taken for a comment, and free of the characters that end it.
bool IsValidName(std::string_view name, std::string_view forbidden)
{
    return !name.empty() && !HasLineBreak(name) && !IsSpace(name.front()) && !IsSpace(name.back()) &&
           name.front() != ';' && name.front() != '#' && name.find_first_of(forbidden) == std::string_view::npos;
}

bool IsValidSection(std::string_view section)
{
    return IsValidName(section, "]");
}

bool IsValidKey(std::string_view key)
{
    return IsValidName(key, "=") && key.front() != '[';
}

} // namespace

struct IniProfile::State {
    std::unique_ptr<CSimpleIniA> ini = MakeParser();
    std::vector<PendingWrite> pending;
};

IniProfile::IniProfile(std::string path) : IniProfile(path, path)
{
}

IniProfile::IniProfile(std::string path, std::string readFrom)
    : m_path(std::move(path)), m_readFrom(std::move(readFrom)), m_state(std::make_unique<State>())
{
    // Whatever the outcome, reading goes on with what could be parsed; Save() reads
    // the file again and refuses to replace one that it cannot read.
    LoadFile(m_readFrom, *m_state->ini);
}

IniProfile::~IniProfile() = default;
IniProfile::IniProfile(IniProfile&&) noexcept = default;
IniProfile& IniProfile::operator=(IniProfile&&) noexcept = default;

std::optional<std::string> IniProfile::ReadString(std::string_view section, std::string_view key) const
{
    const char* value = m_state->ini->GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

bool IniProfile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (!IsValidSection(section) || !IsValidKey(key) || HasLineBreak(value)) {
        return false;
    }
    PendingWrite write{std::string(section), std::string(key), std::string(value)};
    if (m_state->ini->SetValue(write.section.c_str(), write.key.c_str(), write.value.c_str()) < 0) {
        return false;
    }
    m_state->pending.push_back(std::move(write));
    return true;
}

std::optional<std::vector<std::uint8_t>> IniProfile::ReadStruct(std::string_view section, std::string_view key,
                                                                std::size_t size) const
{
    const std::optional<std::string> text = ReadString(section, key);
    if (!text) {
        return std::nullopt;
    }
    return DecodeProfileStruct(*text, size);
}

bool IniProfile::WriteStruct(std::string_view section, std::string_view key, std::span<const std::uint8_t> bytes)
{
    return WriteString(section, key, EncodeProfileStruct(bytes));
}

bool IniProfile::Save()
{
    // Start from the file as it is now, so that what others wrote since it was read
    // survives, and apply this profile's writes in their order.
    std::unique_ptr<CSimpleIniA> merged = MakeParser();
    const LoadResult base = LoadFile(m_path, *merged);
    if (base == LoadResult::Unreadable) {
        return false;
    }
    if (base == LoadResult::Missing && m_readFrom != m_path) {
        // The first save to a new place starts from the file the settings came from.
        LoadFile(m_readFrom, *merged);
    }
    for (const PendingWrite& write : m_state->pending) {
        if (merged->SetValue(write.section.c_str(), write.key.c_str(), write.value.c_str()) < 0) {
            return false;
        }
    }
    std::string text;
    // A file that began with a UTF-8 byte-order mark keeps it.
    if (!SaveText(merged, text)) {
        return false;
    }
    const std::size_t slash = m_path.rfind('/');
    if (slash != std::string::npos && slash > 0 && !CreateFolders(m_path.substr(0, slash))) {
        return false;
    }
    if (!WriteFileAtomically(m_path, text)) {
        return false;
    }
    m_state->ini = std::move(merged);
    m_state->pending.clear();
    return true;
}
