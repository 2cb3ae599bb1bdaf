#pragma once

#include <string>
#include <vector>

// One file type the program defines itself when the system knows none for its pattern.
struct MimePackageType {
    std::string type;     // e.g. "text/x-sfv"
    std::string pattern;  // e.g. "*.sfv"
    std::string comment;  // the description text
};

// The text of a shared-mime-info package (mime/packages/tallyfox.xml) defining the
// types as plain text files.
[[nodiscard]] std::string MimePackageText(const std::vector<MimePackageType>& types);
