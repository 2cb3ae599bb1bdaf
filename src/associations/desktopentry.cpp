#include "desktopentry.h"

namespace {

// The escapes of a desktop-entry string value.
std::string EscapedValue(std::string_view text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\n': escaped += "\\n"; break;
        case '\t': escaped += "\\t"; break;
        case '\r': escaped += "\\r"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

}  // namespace

std::string ExecArgument(std::string_view argument)
{
    // Quoted only where a reserved character asks for it: some readers of Exec (the
    // xdg-utils scripts among them) do not understand quotes.
    constexpr std::string_view kReserved = " \t\n\r\"'\\><~|&;$*?#()`";
    if (!argument.empty() && argument.find_first_of(kReserved) == std::string_view::npos) {
        std::string plain;
        for (char c : argument) {
            plain += c;
            if (c == '%') {
                plain += '%';
            }
        }
        return plain;
    }
    std::string quoted = "\"";
    for (char c : argument) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
        if (c == '%') {
            quoted += '%';
        }
    }
    quoted += '"';
    return EscapedValue(quoted);
}

std::string DesktopEntryText(const DesktopEntry& entry)
{
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Version=1.4\n"
                       "Name=Tallyfox\n"
                       "GenericName=Checksum Verifier\n"
                       "Comment=Verify files against SFV and MD5 checksum lists\n";
    text += "Exec=" + ExecArgument(entry.programPath) + " %f\n";
    if (!entry.iconName.empty()) {
        text += "Icon=" + EscapedValue(entry.iconName) + "\n";
    }
    text += "Terminal=false\n";
    text += "MimeType=";
    for (const std::string& type : entry.mimeTypes) {
        text += type + ";";
    }
    text += "\n";
    text += "Categories=Utility;\n";
    text += "Keywords=checksum;verify;CRC32;SFV;MD5;SHA256;\n";
    return text;
}
