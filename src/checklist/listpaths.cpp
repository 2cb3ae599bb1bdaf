#include "listpaths.h"

#include "asciitext.h"

#include <algorithm>

#include <unistd.h>

ListKindDetection DetectListKind(const std::string& path)
{
    ListKindDetection detection;
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos) {
        detection.baseFolder = path.substr(0, slash + 1);
    }

    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) {
        return detection;
    }
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(), AsciiLower);
    if (extension == ".sfv") {
        detection.kind = ListKind::Sfv;
    } else if (extension == ".md5") {
        detection.kind = ListKind::Md5;
    }
    detection.known = detection.kind != ListKind::None;
    return detection;
}

std::string ResolveEntryPath(const std::string& baseFolder, const std::string& name)
{
    // An absolute name (as md5sum writes it for an absolute argument) is the file's path.
    const bool absolute = !name.empty() && name.front() == '/';
    std::string path = absolute ? name : baseFolder + name;
    if (name.find('\\') == std::string::npos || ::access(path.c_str(), F_OK) == 0) {
        return path;
    }
    const std::size_t nameStart = absolute ? 0 : baseFolder.size();
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(nameStart), path.end(), '\\', '/');
    return path;
}
