#pragma once

#include "listtypes.h"

#include <string>
#include <vector>

// The command line of tallyfox-create: --sfv|--md5 -o LIST FILE|FOLDER...
struct CreateArguments {
    bool help = false;
    ListKind kind = ListKind::None;
    std::string listPath;
    std::vector<std::string> inputs;
    std::string error;  // why the command line is not usable; empty when it is

    [[nodiscard]] bool Usable() const noexcept { return error.empty(); }
};

[[nodiscard]] CreateArguments ParseCreateArguments(int argc, const char* const* argv);
