// tallyfox-check: verifies an .sfv, .md5 or sha*sum list from the command line with
// the same verification run as the window.

#include "abortflag.h"
#include "checkarguments.h"
#include "checkload.h"
#include "checkreporter.h"
#include "jobsoption.h"
#include "checksumlist.h"
#include "listcaveats.h"
#include "outputname.h"
#include "progressline.h"
#include "progressmeter.h"
#include "readerrorlines.h"
#include "resultreport.h"
#include "unlistedfiles.h"
#include "verifycontroller.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr int kExitAllOk = 0;
constexpr int kExitFailures = 1;
constexpr int kExitUnreadable = 2;
constexpr int kExitSignalBase = 128;  // 130 after Ctrl-C (SIGINT), 143 after SIGTERM
constexpr int kProgressIntervalMs = 200;  // the terminal's progress line, five times a second

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
               "       tallyfox-check --recursive FOLDER\n"
               "       tallyfox-check --report FILE LIST\n"
               "       (--extra and --hidden go with either)\n"
               "Verify every file named in an .sfv (CRC-32), .md5, .sha1, .sha256, .sha512,\n"
               ".b2 (BLAKE2b) or .b3 (BLAKE3) list, or in MD5SUMS, SHA1SUMS, SHA256SUMS,\n"
               "SHA512SUMS, B2SUMS or B3SUMS (plain or --tag lines; tagged SHA3-256 and\n"
               "SHA3-512 lines too). A list of another name takes its kind from its tags, or\n"
               "guesses it from its digests' length (SHA-256, SHA-512) and says so.\n"
               "\n"
               "Prints one line per entry in list order (name: OK, name: BAD or name: MISSING)\n"
               "and then the totals. Names are relative to the list's folder. Several files\n"
               "are verified at once (see --jobs); the lines come in list order all the same.\n"
               "\n"
               "With --recursive, every list beneath FOLDER (.sfv, .md5, .sha1, .sha256, .sha512\n"
               "and the like, .b2, .b3, *SUMS) is verified against its own folder by one run;\n"
               "names are then relative to FOLDER and the totals cover every list.\n"
               "\n"
               "Exit status: 0 every entry is OK; 1 an entry is bad or missing, the list\n"
               "is marked incomplete (its making was cut short), or --extra found a file no\n"
               "entry names; 2 the list cannot be read, its type is unknown or it holds no\n"
               "checksum line (with --recursive: a list or folder of the tree cannot be read;\n"
               "the other lists are still verified); 130 interrupted by Ctrl-C\n"
               "(SIGINT); 143 terminated (SIGTERM). Either stops at the current block and\n"
               "prints the totals so far.\n"
               "\n"
               "On a terminal, stderr shows a progress line while the run goes: percentage,\n"
               "files, bytes, speed, time left and the current file.\n"
               "\n"
               "Options:\n",
               out);
    std::fputs(kJobsHelp, out);
    std::fputs("  -h, --help          show this help and exit\n"
               "  -r, --recursive     verify every list beneath the folder given\n"
               "  --extra             also print 'name: NOT LISTED' for each file that no entry\n"
               "                      names: beneath the folder with --recursive, else in the\n"
               "                      list's folder and the folders its names reach (the lists\n"
               "                      themselves aside); the totals then end with 'Not listed: n'\n"
               "  --hidden            with --recursive or --extra, also files and folders whose\n"
               "                      names start with '.' (links to folders are never followed)\n"
               "  --report FILE       also save the results in FILE when the run ends: CSV\n"
               "                      (name,size,state,expected,found) when FILE ends in .csv,\n"
               "                      else the text printed on stdout. The file is replaced\n"
               "                      whole or not at all; a failure exits with status 2.\n",
               out);
}

// The terminal's width in columns, or 80 when it cannot be told.
int TerminalWidth()
{
    winsize size{};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return 80;
}

// Rewrites the progress line in place (carriage return, then clear to the line's end).
void PrintProgress(const CheckReporter& reporter, const ChecksumList& list, ProgressMeter& meter, double seconds)
{
    const Counters counters = list.GetCounters();
    const int done = counters.ok + counters.bad + counters.missing;
    const auto files = static_cast<std::uint64_t>(done);
    const auto rows = static_cast<std::uint64_t>(list.RowCount());
    const ProgressFigures figures =
        meter.Sample(reporter.BytesRead(), list.TotalBytes(), FileCounts{files, rows > files ? rows - files : 0}, seconds);
    // The name escaped as on stdout: a line break in it would break the line in place.
    const std::string name = NameLine(list.RowName(list.CurrentIndex()), {});
    const std::string line = TerminalProgressLine(figures, done, list.RowCount(), name, TerminalWidth());
    std::fprintf(stderr, "\r%s\033[K", line.c_str());
    std::fflush(stderr);
}

}  // namespace

int main(int argc, char** argv)
{
    const CheckArguments arguments = ParseCheckArguments(argc, argv);
    if (arguments.help) {
        PrintHelp(stdout);
        return kExitAllOk;
    }
    if (!arguments.Usable()) {
        std::fprintf(stderr, "tallyfox-check: %s\n", arguments.error.c_str());
        if (arguments.showHelp) {
            PrintHelp(stderr);
        }
        return kExitUnreadable;
    }
    if (arguments.target.empty()) {
        PrintHelp(stderr);
        return kExitUnreadable;
    }

    ChecksumList list;
    const CheckLoad load = arguments.recursive ? LoadListTree(arguments.target, arguments.hidden, list)
                                               : LoadOneList(arguments.target, list);
    if (!load.loaded) {
        return kExitUnreadable;
    }
    const bool incomplete = load.incomplete;
    const std::string& reportPath = arguments.reportPath;

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
        const auto start = std::chrono::steady_clock::now();
        const auto secondsSinceStart = [start] {
            return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        };
        ProgressMeter meter;
        meter.Restart(0, 0.0);
        VerifyController controller(list, reporter);
        controller.SetFilesInFlight(arguments.filesInFlight);
        controller.StartAutoVerification();
        while (!reporter.WaitFinished(kProgressIntervalMs)) {
            if (showProgress) {
                PrintProgress(reporter, list, meter, secondsSinceStart());
            }
        }
        controller.WaitForWorker();
    }
    if (showProgress) {
        std::fputs("\r\033[K", stderr);
    }
    PrintReadErrorLines(list, "tallyfox-check", stderr);

    std::size_t unlisted = 0;
    bool unreachable = false;
    if (arguments.extra && g_interruptedBy == 0) {
        const UnlistedFiles files =
            FindUnlistedFiles(list, UnlistedScope{arguments.recursive, arguments.hidden, load.listPaths});
        for (const std::string& name : files.names) {
            std::printf("%s\n", NameLine(name, ": NOT LISTED").c_str());
        }
        for (const std::string& problem : files.unreachable) {
            std::fprintf(stderr, "tallyfox-check: %s\n", problem.c_str());
        }
        unlisted = files.names.size();
        unreachable = !files.unreachable.empty();
    }
    const Counters counters = list.GetCounters();
    if (arguments.extra) {
        std::printf("%s, Not listed: %zu\n", TotalsLine(counters).c_str(), unlisted);
    } else {
        std::printf("%s\n", TotalsLine(counters).c_str());
    }
    std::fflush(stdout);
    if (!reportPath.empty()) {
        const std::string failure = SaveResultReport(list, ReportFormatForPath(reportPath), reportPath);
        if (!failure.empty()) {
            std::fprintf(stderr, "tallyfox-check: %s\n", failure.c_str());
            return kExitUnreadable;
        }
    }
    if (g_interruptedBy != 0) {
        return kExitSignalBase + g_interruptedBy;
    }
    if (ProbablyAnotherKind(list)) {
        std::fprintf(stderr, "tallyfox-check: %s\n", ProbablyAnotherKindMessage(list.Kind()).c_str());
    }
    if (load.unreadable || unreachable) {
        return kExitUnreadable;  // a list, or what it covers, could not be read whole
    }
    // A list cut short while it was made does not vouch for every file it was made for.
    return counters.bad > 0 || counters.missing > 0 || incomplete || unlisted > 0 ? kExitFailures : kExitAllOk;
}
