#pragma once

#include <string>

// The command line of tallyfox-check: [--recursive] [--extra] [--hidden]
// [--report FILE] [--jobs N|auto] LIST|FOLDER
struct CheckArguments {
    bool help = false;
    std::string target;      // the list, or the folder with --recursive
    std::string reportPath;
    int filesInFlight = 0;   // --jobs: 0 auto, else 1 to 8
    bool recursive = false;  // every list beneath a folder
    bool extra = false;      // also the files no entry names
    bool hidden = false;     // hidden files and folders belong to a tree
    std::string error;       // why the command line is not usable; empty when it is
    bool showHelp = false;   // the error is best followed by the usage

    [[nodiscard]] bool Usable() const noexcept { return error.empty(); }
};

[[nodiscard]] CheckArguments ParseCheckArguments(int argc, const char* const* argv);
