#pragma once

#include "listtypes.h"

#include <string>
#include <vector>

// The command line of tallyfox-create: --sfv|--md5 -o LIST [--jobs N|auto] [--hidden]
// FILE|FOLDER..., or --sfv|--md5 --per-folder [-o NAME] FOLDER...
struct CreateArguments {
    bool help = false;
    ListKind kind = ListKind::None;
    std::string listPath;
    std::vector<std::string> inputs;
    int filesInFlight = 0;  // --jobs: 0 auto, else 1 to 8
    bool hidden = false;    // --hidden: also hidden files and folders beneath a folder
    bool perFolder = false; // --per-folder: a list in each folder that holds files
    std::string error;  // why the command line is not usable; empty when it is

    [[nodiscard]] bool Usable() const noexcept { return error.empty(); }
};

[[nodiscard]] CreateArguments ParseCreateArguments(int argc, const char* const* argv);
