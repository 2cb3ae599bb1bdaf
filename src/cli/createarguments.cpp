#include "createarguments.h"

#include <string_view>

CreateArguments ParseCreateArguments(int argc, const char* const* argv)
{
    CreateArguments arguments;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            arguments.inputs.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            arguments.help = true;
        } else if (arg == "--sfv" || arg == "--md5") {
            const ListKind kind = arg == "--sfv" ? ListKind::Sfv : ListKind::Md5;
            if (arguments.kind != ListKind::None && arguments.kind != kind) {
                arguments.error = "give either --sfv or --md5";
            }
            arguments.kind = kind;
        } else if (arg == "-o" || arg == "--output") {
            if (i + 1 >= argc) {
                arguments.error = "-o needs the path of the list to write";
                break;
            }
            arguments.listPath = argv[++i];
        } else if (arg.rfind("--output=", 0) == 0) {
            arguments.listPath = std::string(arg.substr(9));
        } else {
            arguments.error = "unknown option '" + std::string(arg) + "'";
            break;
        }
    }
    if (arguments.help || !arguments.error.empty()) {
        return arguments;
    }
    if (arguments.kind == ListKind::None) {
        arguments.error = "give --sfv or --md5";
    } else if (arguments.listPath.empty()) {
        arguments.error = "give the list to write with -o LIST";
    } else if (arguments.inputs.empty()) {
        arguments.error = "give the files or folders to list";
    }
    return arguments;
}
