#include "mimepackage.h"

namespace {

std::string XmlEscaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

}  // namespace

std::string MimePackageText(const std::vector<MimePackageType>& types)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
    for (const MimePackageType& type : types) {
        text += "  <mime-type type=\"" + XmlEscaped(type.type) + "\">\n";
        text += "    <comment>" + XmlEscaped(type.comment) + "</comment>\n";
        text += "    <sub-class-of type=\"text/plain\"/>\n";
        text += "    <glob pattern=\"" + XmlEscaped(type.pattern) + "\"/>\n";
        text += "  </mime-type>\n";
    }
    text += "</mime-info>\n";
    return text;
}
