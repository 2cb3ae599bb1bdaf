#include "createarguments.h"

#include "jobsoption.h"

#include <array>
#include <string_view>

namespace {

struct KindOption {
    std::string_view option;
    ListKind kind;
};

constexpr std::array<KindOption, 7> kKindOptions{{{"--sfv", ListKind::Sfv},
                                                   {"--md5", ListKind::Md5},
                                                   {"--sha1", ListKind::Sha1},
                                                   {"--sha256", ListKind::Sha256},
                                                   {"--sha512", ListKind::Sha512},
                                                   {"--blake2b", ListKind::Blake2b},
                                                   {"--blake3", ListKind::Blake3}}};

constexpr char kOneKind[] = "give one of --sfv, --md5, --sha1, --sha256, --sha512, --blake2b, --blake3";

ListKind KindOfOption(std::string_view arg) noexcept
{
    for (const KindOption& each : kKindOptions) {
        if (arg == each.option) {
            return each.kind;
        }
    }
    return ListKind::None;
}

}  // namespace

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
        } else if (const ListKind kind = KindOfOption(arg); kind != ListKind::None) {
            if (arguments.kind != ListKind::None && arguments.kind != kind) {
                arguments.error = kOneKind;
            }
            arguments.kind = kind;
        } else if (arg == "--tag") {
            arguments.tagged = true;
        } else if (arg == "--hidden") {
            arguments.hidden = true;
        } else if (arg == "--per-folder") {
            arguments.perFolder = true;
        } else if (arg == "-o" || arg == "--output") {
            if (i + 1 >= argc) {
                arguments.error = "-o needs the path of the list to write";
                break;
            }
            arguments.listPath = argv[++i];
        } else if (arg.rfind("--output=", 0) == 0) {
            arguments.listPath = std::string(arg.substr(9));
        } else if (arg == "-j" || arg == "--jobs" || arg.rfind("--jobs=", 0) == 0) {
            std::string_view value;
            if (arg.rfind("--jobs=", 0) == 0) {
                value = arg.substr(7);
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                arguments.error = "--jobs needs a count of files, 1 to 8, or auto";
                break;
            }
            if (!ParseJobsValue(value, arguments.filesInFlight)) {
                arguments.error = "--jobs takes a count of files, 1 to 8, or auto, not '" + std::string(value) + "'";
                break;
            }
        } else {
            arguments.error = "unknown option '" + std::string(arg) + "'";
            break;
        }
    }
    if (arguments.help || !arguments.error.empty()) {
        return arguments;
    }
    if (arguments.kind == ListKind::None) {
        arguments.error = kOneKind;
    } else if (arguments.tagged && arguments.kind == ListKind::Sfv) {
        arguments.error = "--tag is for the digest lists: an SFV list has no tagged lines";
    } else if (arguments.perFolder && arguments.listPath.find('/') != std::string::npos) {
        arguments.error = "with --per-folder, -o takes the name of each folder's list, without a folder";
    } else if (arguments.listPath.empty() && !arguments.perFolder) {
        arguments.error = "give the list to write with -o LIST";
    } else if (arguments.inputs.empty()) {
        arguments.error = "give the files or folders to list";
    }
    return arguments;
}
