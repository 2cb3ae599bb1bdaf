// tallyfox-check over the lists sha1sum, sha256sum, sha512sum and md5sum write.

#include "tempdir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

Outcome RunCheck(const TempDir& dir, const std::string& list)
{
    const std::string out = dir.Folder() + "stdout.txt";
    const std::string err = dir.Folder() + "stderr.txt";
    std::string program = TALLYFOX_CHECK_PATH;
    std::string listArg = list;
    char* argv[] = {program.data(), listArg.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    Outcome outcome;
    pid_t pid = -1;
    int status = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environ) == 0 && waitpid(pid, &status, 0) == pid &&
        WIFEXITED(status)) {
        outcome.exitCode = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);
    outcome.out = ReadAll(out);
    outcome.err = ReadAll(err);
    return outcome;
}

// Runs a coreutils tool in `folder` over every file there, writing `list` beside them.
bool WriteListWith(const std::string& tool, const std::string& folder, const std::string& list)
{
    // The shell expands '*' before it creates the list; C collation fixes the order.
    const std::string command = "cd '" + folder + "' && LC_ALL=C " + tool + " -- * > '" + list + "'";
    return std::system(command.c_str()) == 0;
}

bool HaveCoreutils()
{
    return std::system("sha256sum --version > /dev/null 2>&1") == 0;
}

// Files whose names coreutils writes in its escaped form, or which look like a marker.
void WriteAwkwardFiles(const TempDir& dir)
{
    dir.WriteFile("data/with spaces.txt", "one");
    dir.WriteFile("data/*leading star.txt", "two");
    dir.WriteFile("data/back\\slash.txt", "three");
    dir.WriteFile("data/new\nline.txt", "four");
}

TEST(CheckShaLists, Sha256sumListWithEscapedNamesVerifies)
{
    if (!HaveCoreutils()) {
        GTEST_SKIP() << "sha256sum is not installed";
    }
    const TempDir dir;
    WriteAwkwardFiles(dir);
    ASSERT_TRUE(WriteListWith("sha256sum", dir.Folder() + "data", "SHA256SUMS"));
    const std::string list = ReadAll(dir.Folder() + "data/SHA256SUMS");
    ASSERT_NE(list.find("\n\\"), std::string::npos) << "the list should hold escaped lines:\n" << list;

    const Outcome outcome = RunCheck(dir, dir.Folder() + "data/SHA256SUMS");

    // Printed as sha256sum -c prints them: escaped, so that no name can start a line.
    EXPECT_EQ(outcome.out, "*leading star.txt: OK\n\\back\\\\slash.txt: OK\n\\new\\nline.txt: OK\nwith spaces.txt: OK\n"
                           "OK: 4, Bad: 0, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exitCode, 0);
}

TEST(CheckShaLists, TaggedListsOfEachAlgorithmVerify)
{
    if (!HaveCoreutils()) {
        GTEST_SKIP() << "coreutils is not installed";
    }
    struct Case {
        const char* tool;
        const char* list;
    };
    const Case cases[] = {{"md5sum --tag", "tagged.md5"},
                          {"sha1sum --tag", "tagged.sha1"},
                          {"sha256sum --tag", "tagged.sha256"},
                          {"sha512sum --tag", "tagged.sha512"},
                          {"sha512sum --tag", "tagged-list.txt"},
                          {"b2sum --tag", "tagged-list.txt"},
                          {"b2sum", "B2SUMS"},
                          {"b2sum", "plain.b2"}};
    for (const Case& c : cases) {
        const TempDir dir;
        WriteAwkwardFiles(dir);
        ASSERT_TRUE(WriteListWith(c.tool, dir.Folder() + "data", c.list)) << c.tool;
        const Outcome outcome = RunCheck(dir, dir.Folder() + "data/" + c.list);
        EXPECT_NE(outcome.out.find("OK: 4, Bad: 0, Missing: 0, Unchecked: 0\n"), std::string::npos)
            << c.list << ":\n" << outcome.out;
        EXPECT_EQ(outcome.exitCode, 0) << c.list;
    }
}

// SHA3 lists come tagged (openssl dgst, rhash --bsd): the tag alone names the kind.
TEST(CheckShaLists, TaggedSha3LinesVerifyAndCatchABadFile)
{
    const TempDir dir;
    dir.WriteFile("abc.txt", "abc");
    dir.WriteFile("other.txt", "abd");
    // FIPS 202 examples: SHA3-256 and SHA3-512 of "abc".
    const std::string sha3With256 = "3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532";
    const std::string sha3With512 =
        "b751850b1a57168a5693cd924b6b096e08f621827444f70d884f5d0240d2712e"
        "10e116e9192af3c91a7ec57647e3934057340b4cf408d5a56592f8274eec53f0";
    const std::string list = dir.WriteFile("sums.txt", "SHA3-256 (abc.txt) = " + sha3With256 +
                                                           "\nSHA3-512(abc.txt)= " + sha3With512 +
                                                           "\nSHA3-256 (other.txt) = " + sha3With256 + "\n");
    const Outcome outcome = RunCheck(dir, list);
    EXPECT_EQ(outcome.out, "abc.txt: OK\nabc.txt: OK\nother.txt: BAD\nOK: 2, Bad: 1, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exitCode, 1);
}

TEST(CheckShaLists, Md5ListWithCommentLinesVerifiesWithNoMissingFile)
{
    const TempDir dir;
    dir.WriteFile("abc.txt", "abc");
    const std::string list = dir.WriteFile("set.md5",
                                           "# Generated by a checksum tool\n"
                                           "; a note\n"
                                           "900150983cd24fb0d6963f7d28e17f72  abc.txt\n");
    const Outcome outcome = RunCheck(dir, list);
    EXPECT_EQ(outcome.out, "abc.txt: OK\nOK: 1, Bad: 0, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exitCode, 0);
}

TEST(CheckShaLists, WrongDigestLengthIsABadEntryWithItsReason)
{
    const TempDir dir;
    dir.WriteFile("abc.txt", "abc");
    // FIPS 180-4 SHA-256 of "abc" with its last digit cut off, and a SHA-1 digest.
    const std::string list = dir.WriteFile(
        "set.sha256",
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015a  abc.txt\n"
        "SHA256 (gone.txt) = a9993e364706816aba3e25717850c26c9cd0d89d\n");
    const Outcome outcome = RunCheck(dir, list);
    EXPECT_EQ(outcome.out, "abc.txt: BAD\ngone.txt: BAD\nOK: 0, Bad: 2, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(outcome.err,
              "tallyfox-check: abc.txt: SHA256 checksum has 63 hex digits, 64 expected\n"
              "tallyfox-check: gone.txt: SHA256 checksum has 40 hex digits, 64 expected\n");
    EXPECT_EQ(outcome.exitCode, 1);
}

TEST(CheckShaLists, LinesWithoutANameGiveOneWarningWithTheCount)
{
    const TempDir dir;
    dir.WriteFile("abc.txt", "abc");
    const std::string list = dir.WriteFile("SHA1SUMS",
                                           "a9993e364706816aba3e25717850c26c9cd0d89d\n"
                                           "a9993e364706816aba3e25717850c26c9cd0d89d  abc.txt\n"
                                           "a9993e364706816aba3e25717850c26c9cd0d89d *\n");
    const Outcome outcome = RunCheck(dir, list);
    EXPECT_EQ(outcome.out, "abc.txt: OK\nOK: 1, Bad: 0, Missing: 0, Unchecked: 0\n");
    EXPECT_EQ(outcome.err, "tallyfox-check: WARNING: 2 lines are improperly formatted\n");
    EXPECT_EQ(outcome.exitCode, 0);
}

// Names whose blanks or marker-like bytes a reader could strip or reparse, each beside
// a file of the name it would wrongly make of it: md5sum's list verifies every file as
// itself.
TEST(CheckShaLists, Md5sumListOfBlankEdgedNamesChecksEachFileItself)
{
    if (!HaveCoreutils()) {
        GTEST_SKIP() << "md5sum is not installed";
    }
    const TempDir dir;
    for (const char* name : {" lead", "lead", "trail ", "trail", "   ", "*star", "star", "(x)=y", "x"}) {
        dir.WriteFile(std::string("data/") + name, std::string("content of '") + name + "'");
    }
    ASSERT_TRUE(WriteListWith("md5sum", dir.Folder() + "data", "set.md5"));

    const Outcome outcome = RunCheck(dir, dir.Folder() + "data/set.md5");

    EXPECT_EQ(outcome.out.substr(outcome.out.rfind("OK: ")), "OK: 9, Bad: 0, Missing: 0, Unchecked: 0\n")
        << outcome.out;
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(outcome.exitCode, 0);
}

// A plain line naming a Linux file whose name holds '\' (as systemd's units do)
// verifies that file; a Windows name with '\' still finds its file in a sub-folder.
TEST(CheckShaLists, BackslashNamesFindLinuxAndWindowsFiles)
{
    const TempDir dir;
    dir.WriteFile("system-systemd\\x2dcryptsetup.slice", "abc");
    dir.WriteFile("sub/abc.txt", "abc");
    const std::string list = dir.WriteFile("set.md5",
                                           "900150983cd24fb0d6963f7d28e17f72  system-systemd\\x2dcryptsetup.slice\n"
                                           "900150983cd24fb0d6963f7d28e17f72  sub\\abc.txt\n");
    const Outcome outcome = RunCheck(dir, list);
    EXPECT_EQ(outcome.out.substr(outcome.out.rfind("OK: ")), "OK: 2, Bad: 0, Missing: 0, Unchecked: 0\n")
        << outcome.out;
    EXPECT_EQ(outcome.exitCode, 0);
}

}  // namespace
