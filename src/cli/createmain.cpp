// tallyfox-create: writes an .sfv (CRC-32), .md5, SHA, BLAKE2b or BLAKE3 list of files
// from the command line with the same writer and generation run as the window.

#include "abortflag.h"
#include "rowreaderrors.h"
#include "createarguments.h"
#include "outputchoice.h"
#include "createreporter.h"
#include "filesbyfolder.h"
#include "generationmessages.h"
#include "generationrun.h"
#include "inputfiles.h"
#include "jobsoption.h"
#include "listtarget.h"
#include "sfvhead.h"
#include "writermessages.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kExitOk = 0;
constexpr int kExitLeftOut = 1;
constexpr int kExitFailed = 2;
constexpr int kExitSignalBase = 128;  // 130 after Ctrl-C (SIGINT), 143 after SIGTERM

// The signal that stopped the run, 0 while none did.
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int signal)
{
    g_interrupted = signal;
    g_abort.store(1, std::memory_order_relaxed);
}

void PrintHelp(std::FILE* out)
{
    std::fputs("Usage: tallyfox-create KIND [--tag] -o LIST FILE|FOLDER...\n"
               "       tallyfox-create KIND [--tag] --per-folder [-o NAME] FOLDER...\n"
               "Write a new checksum list of the given files: .sfv (CRC-32), .md5, .sha1,\n"
               ".sha256, .sha512, .b2 (BLAKE2b) or .b3 (BLAKE3).\n"
               "\n"
               "Each file is named relative to the list's folder (bare when it lies beside the\n"
               "list, sub/a.bin or ../data/a.bin otherwise), so the list verifies where it is\n"
               "saved. A folder stands for every file beneath it, walked recursively (no -r\n"
               "needed) in sorted order, without following links to folders; the list being\n"
               "written is never listed; hidden files and folders (names starting with '.')\n"
               "beneath a folder only with --hidden. Files are listed in the order given. An\n"
               "existing list at LIST is replaced when the new one is complete; LIST is never\n"
               "written over a file to list or over a file that is no checksum list. An SFV\n"
               "list starts with header lines and one comment line per file (size, last write\n"
               "time, name); the other lists hold entry lines only, byte for byte as md5sum,\n"
               "sha256sum, b2sum and b3sum write them (their escaped form for names with '\\'\n"
               "or line breaks), so that their --check accepts them. Files an SFV list cannot\n"
               "name (a leading ';', '#', '*' or blank, a trailing blank, a '\\' or a line\n"
               "break) are left out.\n"
               "Several files are read at once (see --jobs); the lines are written in the\n"
               "order of the files all the same.\n"
               "\n"
               "Exit status: 0 every file is listed; 1 a file could not be reached or read,\n"
               "or its name cannot be listed, and was left out (each is named on stderr and\n"
               "in a comment at the list's end); 2 bad usage, or the list cannot be written\n"
               "(an older list there stays as it was); 130 interrupted, 143 terminated (Ctrl-C\n"
               "or SIGTERM stops at the current block and keeps the lines written so far, in a\n"
               "list that ends with a comment saying it is incomplete).\n"
               "\n"
               "KIND, one of:\n"
               "  --sfv          write a CRC-32 list (.sfv)\n"
               "  --md5          write an MD5 list (.md5)\n"
               "  --sha1, --sha256, --sha512\n"
               "                 write a SHA-1, SHA-256 or SHA-512 list (as sha*sum write)\n"
               "  --blake2b      write a BLAKE2b-512 list (as b2sum writes, .b2)\n"
               "  --blake3       write a BLAKE3 list (as b3sum writes, .b3)\n"
               "Options:\n"
               "  --tag          tagged lines, \"SHA256 (name) = hex\", as --tag writes them\n"
               "  -o, --output LIST   the list to write\n"
               "  --per-folder   a list in every folder beneath the folders given that holds\n"
               "                 files, naming the files of its folder; -o NAME names each\n"
               "                 list (default: the folder's name and the kind's extension)\n"
               "  --hidden       also hidden files and folders beneath a folder\n",
               out);
    std::fputs(kJobsHelp, out);
    std::fputs("  -h, --help     show this help and exit\n", out);
}

void ReportLeftOut(const std::vector<LeftOutFile>& leftOut)
{
    for (const LeftOutFile& file : leftOut) {
        std::fprintf(stderr, "tallyfox-create: %s: %s (left out)\n", file.name.c_str(), file.reason.c_str());
    }
}

// Writes one list of `inputs` at `listPath`; the tool's exit status for it.
int CreateList(const CreateArguments& arguments, const std::string& listPath, const std::vector<std::string>& inputs)
{
    InputFiles input = CollectInputFiles(inputs, listPath, arguments.hidden);
    // Refused before anything is written: a list over a file it lists, or over data
    // (a list name forgotten after -o, so that -o took the first file).
    if (input.listNamedAsInput || HoldsOtherThanAList(listPath)) {
        const std::string message = input.listNamedAsInput ? ListIsAnInputMessage(listPath)
                                                           : ListWouldReplaceDataMessage(listPath);
        std::fprintf(stderr, "tallyfox-create: %s\n", message.c_str());
        return kExitFailed;
    }
    std::string headPath;
    if (arguments.kind == ListKind::Sfv) {
        const HeadOutcome head = WriteSfvHead(listPath, input.chosen, LocalDateTime(std::time(nullptr)));
        if (!head.written) {
            std::fprintf(stderr, "%s\n", head.message.c_str());
            return kExitFailed;
        }
        headPath = head.temporaryPath;
    }

    const bool showProgress = ::isatty(STDERR_FILENO) != 0;
    const std::size_t fileCount = input.chosen.files.size();
    CreateReporter reporter;
    {
        GenerationRun run;
        run.Start({listPath, headPath, static_cast<std::int32_t>(arguments.kind), std::move(input.chosen),
                   input.missing, false, arguments.filesInFlight, arguments.tagged},
                  reporter);
        if (g_interrupted != 0) {
            GenerationRun::Cancel();  // interrupted before the run cleared the flag
        }
        while (!reporter.WaitEnded(200)) {
            if (showProgress) {
                const int percent = reporter.ProgressPosition();
                std::fprintf(stderr, "\r%3d%%  %d/%d", percent > 100 ? 100 : percent, reporter.FileNumber(),
                             reporter.FileCount());
                std::fflush(stderr);
            }
        }
        run.Wait();
    }
    if (showProgress) {
        std::fputs("\r\033[K", stderr);
    }

    const GenerationOutcome& outcome = reporter.Outcome();
    ReportLeftOut(input.missing);
    ReportLeftOut(outcome.leftOut);
    if (!outcome.message.empty()) {
        std::fprintf(stderr, "%s\n", outcome.message.c_str());
    }
    switch (outcome.status) {
    case GenerationStatus::Aborted:
        std::fprintf(stderr, "tallyfox-create: %s is incomplete: %d of %zu files done\n", listPath.c_str(),
                     outcome.filesDone, fileCount);
        return kExitSignalBase + (g_interrupted != 0 ? g_interrupted : SIGINT);
    case GenerationStatus::Completed: break;
    default: return kExitFailed;
    }
    if (g_interrupted != 0) {
        return kExitSignalBase + g_interrupted;
    }
    return input.missing.empty() && outcome.leftOut.empty() ? kExitOk : kExitLeftOut;
}

// A list in each folder beneath the folders given that holds files directly, naming
// those files; the worst exit status of them, and an interruption ends them all.
int CreateListPerFolder(const CreateArguments& arguments)
{
    TreeWalkOptions options;
    options.hidden = arguments.hidden;
    int worst = kExitOk;
    for (const std::string& input : arguments.inputs) {
        struct stat info {};
        if (::stat(input.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            std::fprintf(stderr, "tallyfox-create: %s: not a folder (--per-folder takes folders)\n", input.c_str());
            worst = kExitFailed;
            continue;
        }
        const FilesByFolder grouped = GroupFilesByFolder(input.back() == '/' ? input : input + "/", options);
        for (const TreeProblem& problem : grouped.problems) {
            std::fprintf(stderr, "tallyfox-create: %s: %s (left out)\n", problem.path.c_str(),
                         ErrorText(problem.error).c_str());
            worst = std::max(worst, kExitLeftOut);
        }
        for (const FolderOfFiles& folder : grouped.folders) {
            if (g_interrupted != 0) {
                return kExitSignalBase + g_interrupted;  // no list begun after the interruption
            }
            const std::string name = arguments.listPath.empty()
                                         ? WithListExtension(FolderListName(folder.folder, std::string()), arguments.kind)
                                         : arguments.listPath;
            const int status = CreateList(arguments, folder.folder + name, folder.files);
            if (status >= kExitSignalBase) {
                return status;
            }
            worst = std::max(worst, status);
        }
    }
    return worst;
}

}  // namespace

int main(int argc, char** argv)
{
    const CreateArguments arguments = ParseCreateArguments(argc, argv);
    if (arguments.help) {
        PrintHelp(stdout);
        return kExitOk;
    }
    if (!arguments.Usable()) {
        std::fprintf(stderr, "tallyfox-create: %s\n", arguments.error.c_str());
        PrintHelp(stderr);
        return kExitFailed;
    }

    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // Past a file-size limit a write fails with EFBIG and is reported, instead of the
    // signal ending the program with a half-written list and no word.
    std::signal(SIGXFSZ, SIG_IGN);

    if (!arguments.perFolder) {
        return CreateList(arguments, arguments.listPath, arguments.inputs);
    }
    return CreateListPerFolder(arguments);
}
