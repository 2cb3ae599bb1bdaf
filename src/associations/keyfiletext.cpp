#include "keyfiletext.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsGroupHeader(std::string_view line)
{
    const std::string_view trimmed = Trimmed(line);
    return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']';
}

// The key of a "key=value" line; empty for comments, blank lines and headers.
std::string_view KeyOf(std::string_view line)
{
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.empty() || trimmed.front() == '#' || trimmed.front() == '[') {
        return {};
    }
    const std::size_t equals = line.find('=');
    return equals == std::string_view::npos ? std::string_view{} : Trimmed(line.substr(0, equals));
}

}  // namespace

KeyFileText::KeyFileText(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            m_lines.push_back({std::string(text), std::string()});
            break;
        }
        std::string_view content = text.substr(0, newline);
        std::string end = "\n";
        if (!content.empty() && content.back() == '\r') {
            content.remove_suffix(1);
            end = "\r\n";
        }
        m_lines.push_back({std::string(content), end});
        text.remove_prefix(newline + 1);
    }
}

bool KeyFileText::IsHeaderOf(std::size_t index, std::string_view group) const
{
    const std::string_view line = Trimmed(m_lines[index].content);
    return IsGroupHeader(line) && line.substr(1, line.size() - 2) == group;
}

std::optional<std::size_t> KeyFileText::GroupHeader(std::string_view group) const
{
    std::optional<std::size_t> header;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (IsHeaderOf(i, group)) {
            header = i;
        }
    }
    return header;
}

std::size_t KeyFileText::GroupEnd(std::size_t header) const
{
    std::size_t end = header + 1;
    while (end < m_lines.size() && !IsGroupHeader(m_lines[end].content)) {
        ++end;
    }
    return end;
}

std::vector<std::size_t> KeyFileText::KeyLines(std::string_view group, std::string_view key) const
{
    std::vector<std::size_t> lines;
    bool inGroup = false;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (IsGroupHeader(m_lines[i].content)) {
            inGroup = IsHeaderOf(i, group);
        } else if (inGroup && KeyOf(m_lines[i].content) == key) {
            lines.push_back(i);
        }
    }
    return lines;
}

std::optional<std::string> KeyFileText::Value(std::string_view group, std::string_view key) const
{
    const std::vector<std::size_t> lines = KeyLines(group, key);
    if (lines.empty()) {
        return std::nullopt;
    }
    std::string_view value = m_lines[lines.back()].content;
    value.remove_prefix(value.find('=') + 1);
    while (!value.empty() && IsBlank(value.front())) {
        value.remove_prefix(1);
    }
    return std::string(value);
}

std::string KeyFileText::LineEnd() const
{
    for (const Line& line : m_lines) {
        if (!line.end.empty()) {
            return line.end;
        }
    }
    return "\n";
}

void KeyFileText::SetValue(std::string_view group, std::string_view key, std::string_view value)
{
    std::string content = std::string(key) + "=" + std::string(value);
    if (const std::vector<std::size_t> lines = KeyLines(group, key); !lines.empty()) {
        m_lines[lines.back()].content = std::move(content);
        return;
    }
    const std::string end = LineEnd();
    if (const std::optional<std::size_t> header = GroupHeader(group)) {
        // After the group's last line that is not blank, so a blank line that separates
        // it from the next group stays where it is.
        std::size_t at = GroupEnd(*header);
        while (at > *header + 1 && Trimmed(m_lines[at - 1].content).empty()) {
            --at;
        }
        if (m_lines[at - 1].end.empty()) {
            m_lines[at - 1].end = end;
        }
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), Line{std::move(content), end});
        return;
    }
    if (!m_lines.empty()) {
        if (m_lines.back().end.empty()) {
            m_lines.back().end = end;
        }
        if (!Trimmed(m_lines.back().content).empty()) {
            m_lines.push_back({std::string(), end});
        }
    }
    m_lines.push_back({"[" + std::string(group) + "]", end});
    m_lines.push_back({std::move(content), end});
}

bool KeyFileText::RemoveKey(std::string_view group, std::string_view key)
{
    const std::vector<std::size_t> lines = KeyLines(group, key);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(*line));
    }
    return !lines.empty();
}

std::string KeyFileText::Text() const
{
    std::string text;
    for (const Line& line : m_lines) {
        text += line.content;
        text += line.end;
    }
    return text;
}
