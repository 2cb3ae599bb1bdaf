#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of a key file in the desktop-entry style ("[Group]" headers and "key=value"
// lines), such as mimeapps.list, edited one key at a time: every other line keeps its
// bytes, comments and line ends included. Where a group appears twice its keys are
// merged, and where a key appears twice the last one counts, as the desktop reads it.
class KeyFileText {
public:
    explicit KeyFileText(std::string_view text);

    // The value of the key in the group (blanks after '=' skipped); nothing when the
    // group or the key is absent.
    [[nodiscard]] std::optional<std::string> Value(std::string_view group, std::string_view key) const;
    // Replaces the key's line, or adds it at the end of the group, or adds the group
    // at the end of the text.
    void SetValue(std::string_view group, std::string_view key, std::string_view value);
    // Removes every line of the key; true when there was one.
    bool RemoveKey(std::string_view group, std::string_view key);

    [[nodiscard]] std::string Text() const;

private:
    // Lines without their line end; the line end is kept beside each.
    struct Line {
        std::string content;
        std::string end;
    };
    [[nodiscard]] bool IsHeaderOf(std::size_t index, std::string_view group) const;
    // The header of the group's last appearance.
    [[nodiscard]] std::optional<std::size_t> GroupHeader(std::string_view group) const;
    [[nodiscard]] std::size_t GroupEnd(std::size_t header) const;
    // The lines of the key in every appearance of the group, in file order.
    [[nodiscard]] std::vector<std::size_t> KeyLines(std::string_view group, std::string_view key) const;
    [[nodiscard]] std::string LineEnd() const;

    std::vector<Line> m_lines;
};
