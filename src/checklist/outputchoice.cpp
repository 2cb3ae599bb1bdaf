#include "outputchoice.h"

#include "asciitext.h"

#include <cctype>

ListKind RequestedKindOfCommand(int commandId) noexcept
{
    switch (commandId) {
    case 32788: return ListKind::Sfv;
    case 32787: return ListKind::Md5;
    default: return ListKind::None;  // 5003 Generate: the user picks
    }
}

ListKind NormalizeRequestedKind(int requestedKind) noexcept
{
    if (requestedKind == static_cast<int>(ListKind::Sfv) || requestedKind == static_cast<int>(ListKind::Md5)) {
        return static_cast<ListKind>(requestedKind);
    }
    return ListKind::None;
}

std::string OutputFilter(ListKind requestedKind)
{
    switch (requestedKind) {
    case ListKind::Sfv: return "Simple File Verification(*.sfv)|*.sfv||";
    case ListKind::Md5: return "MD5 (*.md5)|*.md5||";
    default: return "Simple File Verification(*.sfv)|*.sfv|MD5 (*.md5)|*.md5||";
    }
}

ListKind ChosenOutputKind(ListKind requestedKind, int selectedFilterIndex) noexcept
{
    if (requestedKind == ListKind::Sfv || requestedKind == ListKind::Md5) {
        return requestedKind;
    }
    return selectedFilterIndex == 2 ? ListKind::Md5 : ListKind::Sfv;
}

std::string WithListExtension(const std::string& path, ListKind kind)
{
    const std::string extension = kind == ListKind::Md5 ? ".md5" : ".sfv";
    std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    for (char& c : tail) {
        c = AsciiLower(c);
    }
    return tail == extension ? path : path + extension;
}
