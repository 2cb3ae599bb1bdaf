// tallyfox-check as scripts use it: output lines, totals, exit status, Ctrl-C.

#include "tempdir.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <utility>
#include <unistd.h>
#include <vector>

namespace {

class CheckProcess : public ToolProcess {
public:
    CheckProcess(const TempDir& dir, std::vector<std::string> args)
        : ToolProcess(TALLYFOX_CHECK_PATH, dir, std::move(args))
    {
    }
};

Outcome RunCheck(const TempDir& dir, std::vector<std::string> args)
{
    return CheckProcess(dir, std::move(args)).Wait();
}

TEST(CheckCommand, PrintsOneLinePerEntryInListOrderAndTheTotals)
{
    TempDir dir;
    dir.WriteFile("digits.txt", "123456789");
    dir.WriteFile("changed.txt", "12345678X");
    const std::string list = dir.WriteFile(
        "set.sfv", "; comment\r\ndigits.txt cbf43926\r\nabsent.txt 00000000\r\nchanged.txt CBF43926\r\n");

    const Outcome outcome = RunCheck(dir, {list});

    EXPECT_EQ(outcome.out, "digits.txt: OK\nabsent.txt: MISSING\nchanged.txt: BAD\n"
                           "OK: 1, Bad: 1, Missing: 1, Unchecked: 0\n");
    EXPECT_EQ(outcome.exitCode, 1);
}

TEST(CheckCommand, FileThatCannotBeReadIsMissingAndItsReasonGoesToStderr)
{
    TempDir dir;
    // Opening a process's memory file succeeds; reading it from offset 0 fails (EIO).
    std::filesystem::create_symlink("/proc/self/mem", dir.Path() / "io-error.bin");
    std::filesystem::create_directory(dir.Path() / "folder");
    dir.WriteFile("abc.txt", "abc");
    const std::string list = dir.WriteFile("set.md5", "900150983cd24fb0d6963f7d28e17f72  io-error.bin\n"
                                                      "900150983cd24fb0d6963f7d28e17f72  folder\n"
                                                      "900150983cd24fb0d6963f7d28e17f72  absent.txt\n"
                                                      "900150983cd24fb0d6963f7d28e17f72  abc.txt\n");

    const Outcome outcome = RunCheck(dir, {list});

    EXPECT_EQ(outcome.out, "io-error.bin: MISSING\nfolder: MISSING\nabsent.txt: MISSING\nabc.txt: OK\n"
                           "OK: 1, Bad: 0, Missing: 3, Unchecked: 0\n");
    EXPECT_EQ(outcome.err, "tallyfox-check: io-error.bin: Input/output error\n"
                           "tallyfox-check: folder: Is a directory\n");
    EXPECT_EQ(outcome.exitCode, 1);
}

TEST(CheckCommand, ExitsZeroWhenEveryEntryIsOk)
{
    TempDir dir;
    dir.WriteFile("abc.txt", "abc");
    const std::string list = dir.WriteFile("set.md5", "900150983cd24fb0d6963f7d28e17f72  abc.txt\n");

    const Outcome outcome = RunCheck(dir, {list});

    EXPECT_EQ(outcome.out, "abc.txt: OK\nOK: 1, Bad: 0, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.err, "");  // no progress line when stderr is not a terminal
}

TEST(CheckCommand, UnreadableOrUnknownListsExitTwoWithTheMessage)
{
    TempDir dir;
    const std::string text = dir.WriteFile("notes.txt", "abc.txt 00000000\n");
    std::filesystem::create_directory(dir.Path() / "folder.sfv");
    struct Case {
        std::string path;
        std::string message;
    };
    const std::vector<Case> cases = {
        {text, "Unknow file type: [" + text + "].\n"},
        {dir.Folder() + "missing.sfv", "Open [" + dir.Folder() + "missing.sfv] failed.\n"},
        {dir.Folder() + "folder.sfv", "Open [" + dir.Folder() + "folder.sfv] failed.\n"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = RunCheck(dir, {c.path});
        EXPECT_EQ(outcome.exitCode, 2) << c.path;
        EXPECT_EQ(outcome.err, c.message);
        EXPECT_EQ(outcome.out, "");
    }
}

TEST(CheckCommand, UsageErrorsAndHelp)
{
    TempDir dir;
    EXPECT_EQ(RunCheck(dir, {}).exitCode, 2);
    EXPECT_EQ(RunCheck(dir, {"--bogus"}).exitCode, 2);
    EXPECT_EQ(RunCheck(dir, {"a.sfv", "b.sfv"}).exitCode, 2);
    const Outcome help = RunCheck(dir, {"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Usage: tallyfox-check LIST"), std::string::npos);
}

// True once the process has read from `path`: a descriptor of it has moved on from the
// start. Being open is not enough, as the list's load and the run's open-ahead open
// files before their turn.
bool ProcessIsReading(pid_t pid, const std::string& path)
{
    const std::string process = "/proc/" + std::to_string(pid);
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator(process + "/fd", error)) {
        if (std::filesystem::read_symlink(fd.path(), error) != path) {
            continue;
        }
        std::ifstream info(process + "/fdinfo/" + fd.path().filename().string());
        std::string field;
        long long position = 0;
        if (info >> field >> position && field == "pos:" && position > 0) {
            return true;
        }
    }
    return false;
}

struct InterruptCase {
    const char* name;
    int signal;
    int exitCode;
};

class CheckInterrupt : public testing::TestWithParam<InterruptCase> {};

// Ctrl-C and a polite termination both stop in the current file and print the totals so far.
TEST_P(CheckInterrupt, StopsInTheCurrentFileAndPrintsTheTotalsSoFar)
{
    TempDir dir;
    dir.WriteFile("first.txt", "123456789");
    // Far too large to finish: a sparse file of 64 GiB.
    const std::string huge = dir.WriteFile("huge.bin", "");
    std::filesystem::resize_file(huge, std::uintmax_t{64} << 30);
    const std::string list = dir.WriteFile("set.sfv", "first.txt CBF43926\nhuge.bin 00000000\nlast.txt 00000000\n");

    // One file at a time: with more, the missing last.txt would be reported meanwhile.
    CheckProcess process(dir, {"--jobs", "1", list});
    ASSERT_GT(process.Pid(), 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (!ProcessIsReading(process.Pid(), huge) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::yield();
    }
    ASSERT_TRUE(ProcessIsReading(process.Pid(), huge));
    kill(process.Pid(), GetParam().signal);
    const Outcome outcome = process.Wait();

    EXPECT_EQ(outcome.exitCode, GetParam().exitCode);
    EXPECT_EQ(outcome.out, "first.txt: OK\nOK: 1, Bad: 0, Missing: 0, Unchecked: 2\n");
}

INSTANTIATE_TEST_SUITE_P(CheckCommand, CheckInterrupt,
                         testing::Values(InterruptCase{"CtrlC", SIGINT, 130}, InterruptCase{"Terminate", SIGTERM, 143}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(CheckCommand, HelpNamesTheExitStatusOfEachInterruption)
{
    TempDir dir;
    const Outcome help = RunCheck(dir, {"--help"});
    EXPECT_NE(help.out.find("130 interrupted"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("143 terminated"), std::string::npos) << help.out;
}

// A list that gives no entry verified nothing: exit 2 and say so, as md5sum -c does,
// instead of an empty run that ends as if every file were OK.
TEST(CheckCommand, AListWithNoChecksumLineExitsTwoWithTheMessage)
{
    TempDir dir;
    const std::vector<std::pair<std::string, std::string>> lists = {
        {"empty.md5", ""},
        {"garbage.md5", "garbage\n\x01\x02\n"},
        {"unknown-tag.md5", "BLAKE2s (a.txt) = 00ff\n"},
        {"header-only.sfv", "; Generated by Tallyfox 1.3\r\n;\r\n"},
    };
    for (const auto& [name, text] : lists) {
        const std::string list = dir.WriteFile(name, text);
        const Outcome outcome = RunCheck(dir, {list});
        EXPECT_EQ(outcome.exitCode, 2) << name;
        EXPECT_NE(outcome.err.find("No checksum lines found in [" + list + "]: nothing to verify.\n"),
                  std::string::npos)
            << name << ": " << outcome.err;
        EXPECT_EQ(outcome.out, "") << name;
    }
}

// A list whose kind only its digests' length suggests says so; when every file is
// bad it is probably a list of another algorithm (here SHA3-256, as long as SHA-256),
// which the run says instead of leaving the user to think the files are corrupt.
TEST(CheckCommand, AGuessedKindIsNamedAndAllBadSuggestsAnotherKind)
{
    TempDir dir;
    dir.WriteFile("abc.txt", "abc");
    // SHA3-256("abc") (FIPS 202 example), named so that only the length tells a kind.
    const std::string sha3 = "3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532";
    const std::string guessedList = dir.WriteFile("CHECKSUMS.txt", sha3 + "  abc.txt\n");
    const std::string guessedNote = "tallyfox-check: the list's kind (SHA256) is guessed from its digests' length\n";
    const std::string otherKind =
        "tallyfox-check: every entry is bad: the list is probably not SHA256 but of another kind whose digests are "
        "as long\n";

    const Outcome guessed = RunCheck(dir, {guessedList});
    EXPECT_EQ(guessed.out, "abc.txt: BAD\nOK: 0, Bad: 1, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(guessed.err, guessedNote + otherKind);
    EXPECT_EQ(guessed.exitCode, 1);

    const Outcome named = RunCheck(dir, {dir.WriteFile("SHA256SUMS", sha3 + "  abc.txt\n")});
    EXPECT_EQ(named.err, "") << "the name says SHA-256: a bad file is just bad";
    EXPECT_EQ(named.exitCode, 1);

    const std::string sha256 = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
    const Outcome right = RunCheck(dir, {dir.WriteFile("right-sums.txt", sha256 + "  abc.txt\n")});
    EXPECT_EQ(right.err, guessedNote) << "a guess that verifies is still a guess";
    EXPECT_EQ(right.exitCode, 0);
}

}  // namespace
