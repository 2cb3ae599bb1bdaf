#include "checkarguments.h"

#include "jobsoption.h"

#include <cstring>

CheckArguments ParseCheckArguments(int argc, const char* const* argv)
{
    CheckArguments arguments;
    bool several = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            arguments.help = true;
            return arguments;
        }
        if (std::strcmp(arg, "--report") == 0 || std::strncmp(arg, "--report=", 9) == 0) {
            const char* value = arg[8] == '=' ? arg + 9 : (i + 1 < argc ? argv[++i] : "");
            if (value[0] == '\0') {
                arguments.error = "--report needs a file name";
                return arguments;
            }
            arguments.reportPath = value;
            continue;
        }
        const bool jobsJoined = std::strncmp(arg, "--jobs=", 7) == 0;
        if (jobsJoined || std::strcmp(arg, "-j") == 0 || std::strcmp(arg, "--jobs") == 0) {
            const char* value = jobsJoined ? arg + 7 : (i + 1 < argc ? argv[++i] : nullptr);
            if (value == nullptr || !ParseJobsValue(value, arguments.filesInFlight)) {
                arguments.error = "--jobs takes a count of files, 1 to 8, or auto";
                return arguments;
            }
            continue;
        }
        if (std::strcmp(arg, "-r") == 0 || std::strcmp(arg, "--recursive") == 0) {
            arguments.recursive = true;
            continue;
        }
        if (std::strcmp(arg, "--extra") == 0) {
            arguments.extra = true;
            continue;
        }
        if (std::strcmp(arg, "--hidden") == 0) {
            arguments.hidden = true;
            continue;
        }
        if (arg[0] == '-' && arg[1] != '\0' && std::strcmp(arg, "--") != 0) {
            arguments.error = std::string("unknown option '") + arg + "'";
            arguments.showHelp = true;
            return arguments;
        }
        if (std::strcmp(arg, "--") == 0 && i + 1 < argc) {
            arg = argv[++i];
        }
        if (!arguments.target.empty()) {
            several = true;
        }
        arguments.target = arg;
    }
    if (several) {
        arguments.error = arguments.recursive ? "give one folder" : "give one list";
    }
    return arguments;
}
