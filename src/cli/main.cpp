// tallyfox-check: verifies an .sfv, .md5 or sha*sum list from the command line with
// the same verification run as the window.

#include "abortflag.h"
#include "checkreporter.h"
#include "checksumlist.h"
#include "jobsoption.h"
#include "listidentify.h"
#include "listmessages.h"
#include "loadwarnings.h"
#include "listreader.h"
#include "verifycontroller.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

constexpr int kExitAllOk = 0;
constexpr int kExitFailures = 1;
constexpr int kExitUnreadable = 2;
constexpr int kExitSignalBase = 128;  // 130 after Ctrl-C (SIGINT), 143 after SIGTERM

// The signal that stopped the run, 0 while none did.
volatile std::sig_atomic_t g_interruptedBy = 0;

extern "C" void OnInterrupt(int signal)
{
    g_interruptedBy = signal;
    g_abort.store(1, std::memory_order_relaxed);
}

void PrintHelp(std::FILE* out)
{
    std::fputs("Usage: tallyfox-check LIST\n"
               "Verify every file named in an .sfv (CRC-32), .md5, .sha1, .sha256 or .sha512\n"
               "list, or in MD5SUMS, SHA1SUMS, SHA256SUMS or SHA512SUMS (plain or --tag lines).\n"
               "\n"
               "Prints one line per entry in list order (name: OK, name: BAD or name: MISSING)\n"
               "and then the totals. Names are relative to the list's folder. Several files\n"
               "are verified at once (see --jobs); the lines come in list order all the same.\n"
               "\n"
               "Exit status: 0 every entry is OK; 1 an entry is bad or missing; 2 the list\n"
               "cannot be read or its type is unknown; 130 interrupted by Ctrl-C (SIGINT);\n"
               "143 terminated (SIGTERM). Either stops at the current block and prints the\n"
               "totals so far.\n"
               "\n"
               "Options:\n",
               out);
    std::fputs(kJobsHelp, out);
    std::fputs("  -h, --help          show this help and exit\n", out);
}

void PrintProgress(const CheckReporter& reporter, const ChecksumList& list)
{
    const Counters counters = list.GetCounters();
    const int done = counters.ok + counters.bad + counters.missing;
    std::fprintf(stderr, "\r%3d%%  %d/%d", reporter.ProgressPosition() > 100 ? 100 : reporter.ProgressPosition(),
                 done, list.RowCount());
    std::fflush(stderr);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string listPath;
    int filesInFlight = 0;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-h") == 0 || std::strcmp(arg, "--help") == 0) {
            PrintHelp(stdout);
            return kExitAllOk;
        }
        const bool jobsJoined = std::strncmp(arg, "--jobs=", 7) == 0;
        if (jobsJoined || std::strcmp(arg, "-j") == 0 || std::strcmp(arg, "--jobs") == 0) {
            const char* value = jobsJoined ? arg + 7 : (i + 1 < argc ? argv[++i] : nullptr);
            if (value == nullptr || !ParseJobsValue(value, filesInFlight)) {
                std::fprintf(stderr, "tallyfox-check: --jobs takes a count of files, 1 to 8, or auto\n");
                return kExitUnreadable;
            }
            continue;
        }
        if (arg[0] == '-' && arg[1] != '\0' && std::strcmp(arg, "--") != 0) {
            std::fprintf(stderr, "tallyfox-check: unknown option '%s'\n", arg);
            PrintHelp(stderr);
            return kExitUnreadable;
        }
        if (std::strcmp(arg, "--") == 0 && i + 1 < argc) {
            arg = argv[++i];
        }
        if (!listPath.empty()) {
            std::fputs("tallyfox-check: give one list\n", stderr);
            return kExitUnreadable;
        }
        listPath = arg;
    }
    if (listPath.empty()) {
        PrintHelp(stderr);
        return kExitUnreadable;
    }

    const ListKindDetection detection = IdentifyListKind(listPath);
    if (!detection.known) {
        std::fprintf(stderr, "%s\n", UnknownFileTypeMessage(listPath).c_str());
        return kExitUnreadable;
    }
    LoadOutcome outcome = LoadChecksumList(listPath, detection.baseFolder, detection.kind, 0);
    if (outcome.status != LoadStatus::Loaded) {
        std::fprintf(stderr, "%s\n", OpenFailedMessage(listPath).c_str());
        return kExitUnreadable;
    }
    ChecksumList list;
    list.Replace(std::move(outcome.content));
    for (const std::string& warning : LoadWarnings(list, outcome.improperLines)) {
        std::fprintf(stderr, "tallyfox-check: %s\n", warning.c_str());
    }

    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    const bool showProgress = ::isatty(STDERR_FILENO) != 0;
    CheckReporter reporter(list, stdout);
    {
        VerifyController controller(list, reporter);
        controller.SetFilesInFlight(filesInFlight);
        controller.StartAutoVerification();
        while (!reporter.WaitFinished(200)) {
            if (showProgress) {
                PrintProgress(reporter, list);
            }
        }
        controller.WaitForWorker();
    }
    if (showProgress) {
        std::fputs("\r\033[K", stderr);
    }

    const Counters counters = list.GetCounters();
    const auto texts = StatusBarTexts(counters);
    std::printf("%s, %s, %s, %s\n", texts[0].c_str(), texts[1].c_str(), texts[2].c_str(), texts[3].c_str());
    std::fflush(stdout);
    if (g_interruptedBy != 0) {
        return kExitSignalBase + g_interruptedBy;
    }
    return counters.bad > 0 || counters.missing > 0 ? kExitFailures : kExitAllOk;
}
