#include "listendnotes.h"

namespace {

char CommentSign(ListKind kind) noexcept
{
    return kind == ListKind::Sfv ? ';' : '#';
}

const char* LineEnd(ListKind kind) noexcept
{
    return kind == ListKind::Sfv ? "\r\n" : "\n";
}

}  // namespace

std::string IncompleteListMarkerLine(ListKind kind)
{
    return std::string(1, CommentSign(kind)) + " " + kIncompleteListText + LineEnd(kind);
}

std::string NotListedCommentLine(ListKind kind, const std::string& name, const std::string& reason)
{
    std::string shown = name;
    for (char& c : shown) {
        if (c == '\r' || c == '\n') {
            c = '?';
        }
    }
    return std::string(1, CommentSign(kind)) + " Not listed: " + shown + " (" + reason + ")" + LineEnd(kind);
}

bool IsIncompleteListMarker(std::string_view trimmedLine, ListKind kind) noexcept
{
    if (trimmedLine.empty() || trimmedLine.front() != CommentSign(kind)) {
        return false;
    }
    trimmedLine.remove_prefix(1);
    const std::size_t words = trimmedLine.find_first_not_of(" \t");
    return words != std::string_view::npos && trimmedLine.substr(words) == kIncompleteListText;
}

std::string IncompleteListMessage(const std::string& listPath)
{
    return "[" + listPath + "] is incomplete: its making was cut short, so files it was made for may have no entry.";
}
