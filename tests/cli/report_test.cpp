// tallyfox-check --report FILE, and the progress line it keeps on a terminal.

#include "tempdir.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

Outcome RunCheck(const TempDir& dir, std::vector<std::string> args)
{
    return ToolProcess(TALLYFOX_CHECK_PATH, dir, std::move(args)).Wait();
}

// One good, one missing and one changed file.
std::string WriteMixedList(const TempDir& dir)
{
    dir.WriteFile("digits.txt", "123456789");
    dir.WriteFile("changed, \"x\".txt", "12345678X");
    return dir.WriteFile("set.sfv", "digits.txt cbf43926\nabsent.txt 00000000\nchanged, \"x\".txt CBF43926\n");
}

TEST(CheckReport, TheTextReportIsWhatTheToolPrints)
{
    TempDir dir;
    const std::string list = WriteMixedList(dir);
    const std::string report = dir.Folder() + "report.txt";

    const Outcome outcome = RunCheck(dir, {"--report", report, list});

    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.out, "digits.txt: OK\nabsent.txt: MISSING\nchanged, \"x\".txt: BAD\n"
                           "OK: 1, Bad: 1, Missing: 1, Unchecked: 0\n");
    EXPECT_EQ(ReadAll(report), outcome.out);
}

TEST(CheckReport, ACsvNameGivesCsvWithTheFoundChecksums)
{
    TempDir dir;
    const std::string list = WriteMixedList(dir);
    const std::string report = dir.Folder() + "report.csv";

    const Outcome outcome = RunCheck(dir, {"--report=" + report, list});

    EXPECT_EQ(outcome.exitCode, 1);
    // CRC-32 of "12345678X" is F14168E8 (zlib.crc32).
    EXPECT_EQ(ReadAll(report), "name,size,state,expected,found\r\n"
                               "digits.txt,9,OK,CBF43926,CBF43926\r\n"
                               "absent.txt,,MISSING,00000000,\r\n"
                               "\"changed, \"\"x\"\".txt\",9,BAD,CBF43926,F14168E8\r\n");
}

TEST(CheckReport, AReportThatCannotBeWrittenSaysSoAndExitsTwo)
{
    TempDir dir;
    const std::string list = WriteMixedList(dir);
    std::filesystem::create_directory(dir.Path() / "taken.txt");
    const struct {
        const char* name;
        std::string report;
        std::string reason;
    } cases[] = {
        {"NoSuchFolder", dir.Folder() + "absent/report.txt", "No such file or directory"},
        {"AFolderInTheWay", dir.Folder() + "taken.txt", "Is a directory"},
        {"TheListItself", list, "that is the checksum list itself"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = RunCheck(dir, {"--report", c.report, list});
        EXPECT_EQ(outcome.exitCode, 2) << c.name;
        EXPECT_EQ(outcome.err, "tallyfox-check: Write report [" + c.report + "] failed: " + c.reason + ".\n")
            << c.name;
        // The results were still printed; nothing was left beside the report's place.
        EXPECT_NE(outcome.out.find("OK: 1, Bad: 1, Missing: 1"), std::string::npos) << c.name;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "taken.txt"));
    EXPECT_EQ(ReadAll(list), "digits.txt cbf43926\nabsent.txt 00000000\nchanged, \"x\".txt CBF43926\n");
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    // digits.txt, changed, set.sfv, taken.txt, stdout.txt, stderr.txt: no temporary file.
    EXPECT_EQ(entries, 6u);
}

TEST(CheckReport, ReportWithoutAFileNameIsAUsageError)
{
    TempDir dir;
    const Outcome outcome = RunCheck(dir, {"--report"});
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.err, "tallyfox-check: --report needs a file name\n");
    EXPECT_NE(RunCheck(dir, {"--help"}).out.find("--report FILE"), std::string::npos);
}

// Reads what the terminal got until `done` says enough or the deadline passes.
template <typename Done>
bool ReadTerminal(int master, std::string& text, Done done, std::chrono::seconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!done(text) && std::chrono::steady_clock::now() < deadline) {
        pollfd poll{master, POLLIN, 0};
        if (::poll(&poll, 1, 100) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t got = ::read(master, buffer, sizeof buffer);
        if (got <= 0) {
            return done(text);  // the terminal's other side closed
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return done(text);
}

TEST(CheckReport, ATerminalGetsALiveProgressLineThatIsClearedAtTheEnd)
{
    TempDir dir;
    // Far too large to finish: a sparse file of 64 GiB, read as zeros.
    const std::string huge = dir.WriteFile("huge.bin", "");
    std::filesystem::resize_file(huge, std::uintmax_t{64} << 30);
    const std::string list = dir.WriteFile("set.sfv", "huge.bin 00000000\n");

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string terminal = ::ptsname(master);
    const std::string out = dir.Folder() + "stdout.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, terminal.c_str(), O_RDWR | O_NOCTTY, 0);
    std::string program = TALLYFOX_CHECK_PATH;
    std::string listArg = list;
    char* argv[] = {program.data(), listArg.data(), nullptr};
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    std::string shown;
    const bool lineShown = ReadTerminal(
        master, shown, [](const std::string& text) { return text.find("huge.bin") != std::string::npos; },
        std::chrono::seconds(60));
    ::kill(pid, SIGINT);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ReadTerminal(master, shown, [](const std::string&) { return false; }, std::chrono::seconds(1));
    ::close(master);

    ASSERT_TRUE(lineShown) << shown;
    EXPECT_EQ(shown.rfind("\r", 0), 0u) << shown;  // every update starts at the line's start
    EXPECT_NE(shown.find("0/1  "), std::string::npos) << shown;
    EXPECT_NE(shown.find(" of 64.00 GB  "), std::string::npos) << shown;
    EXPECT_NE(shown.find(" left  huge.bin"), std::string::npos) << shown;
    EXPECT_TRUE(shown.ends_with("\r\033[K")) << shown;  // cleared at the end
    EXPECT_EQ(ReadAll(out), "OK: 0, Bad: 0, Missing: 0, Unchecked: 1\n");
}

}  // namespace
