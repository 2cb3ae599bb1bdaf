#pragma once

#include "listtypes.h"

#include <string>
#include <vector>

// The command line of tallyfox-create:
//   KIND [--tag] -o LIST [--jobs N|auto] [--hidden] FILE|FOLDER..., or
//   KIND [--tag] --per-folder [-o NAME] FOLDER...
//   (KIND: --sfv|--md5|--sha1|--sha256|--sha512|--blake2b|--blake3)
struct CreateArguments {
    bool help = false;
    ListKind kind = ListKind::None;
    bool tagged = false;  // --tag: "SHA256 (name) = hex" lines; not for SFV
    std::string listPath;
    std::vector<std::string> inputs;
    int filesInFlight = 0;  // --jobs: 0 auto, else 1 to 8
    bool hidden = false;    // --hidden: also hidden files and folders beneath a folder
    bool perFolder = false; // --per-folder: a list in each folder that holds files
    std::string error;  // why the command line is not usable; empty when it is

    [[nodiscard]] bool Usable() const noexcept { return error.empty(); }
};

[[nodiscard]] CreateArguments ParseCreateArguments(int argc, const char* const* argv);
