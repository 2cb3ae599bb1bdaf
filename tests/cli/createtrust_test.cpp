// Lists tallyfox-create writes are lists that verify: awkward names against the peers,
// a list never written over its own files or data, a list cut short marked as such,
// files the walk cannot reach named, and names worked out from real paths.

#include "listendnotes.h"
#include "rowname.h"
#include "tempdir.h"
#include "toolprocess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <dirent.h>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <thread>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

Outcome RunCreate(const TempDir& dir, std::vector<std::string> args)
{
    return ToolProcess(TALLYFOX_CREATE_PATH, dir, std::move(args)).Wait();
}

Outcome RunCheck(const TempDir& dir, const std::string& list)
{
    return ToolProcess(TALLYFOX_CHECK_PATH, dir, {list}).Wait();
}

// Runs a peer tool in `folder` (peers read names relative to where they run); its
// stdout goes to `outPath` (or nowhere). The exit status, or -1 when it did not run.
int RunPeerIn(const std::string& folder, std::vector<std::string> args, const std::string& outPath = "/dev/null")
{
    const pid_t child = fork();
    if (child == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = ::open("/dev/null", O_WRONLY);
        if (out < 0 || null < 0 || ::chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        ::dup2(out, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

bool PeersInstalled()
{
    return std::system("command -v rhash cksfv md5sum >/dev/null 2>&1") == 0;
}

// The temporary file a list is written to before it is put in place, or empty.
std::string TemporaryListIn(const TempDir& dir, const std::string& listName)
{
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        if (entry.path().filename().string().starts_with("." + listName + ".tmp-")) {
            return entry.path().string();
        }
    }
    return {};
}

struct AwkwardNameRow {
    std::string name;
    std::string fileName;
    bool sfvHoldsIt;
};

class CreateAwkwardName : public testing::TestWithParam<AwkwardNameRow> {};

// Each name beside a plain file: the MD5 list holds it (md5sum's escapes where needed)
// and verifies with md5sum --strict -c and with tallyfox-check; the SFV list holds it
// and verifies with rhash -c, cksfv and tallyfox-check, or leaves it out, named, exit 1.
// The other way round, md5sum's list of it verifies with tallyfox-check.
TEST_P(CreateAwkwardName, EveryEntryWrittenVerifiesWithUsAndThePeers)
{
    if (!PeersInstalled()) {
        GTEST_SKIP() << "rhash, cksfv or md5sum is not installed";
    }
    const AwkwardNameRow& row = GetParam();
    TempDir dir;
    dir.WriteFile("plain.txt", "plain");
    dir.WriteFile(row.fileName, "awkward");
    const std::vector<std::string> files = {dir.Folder() + row.fileName, dir.Folder() + "plain.txt"};

    std::vector<std::string> md5Args = {"--md5", "-o", dir.Folder() + "ours.md5"};
    md5Args.insert(md5Args.end(), files.begin(), files.end());
    const Outcome md5 = RunCreate(dir, md5Args);
    EXPECT_EQ(md5.exitCode, 0) << md5.err;
    EXPECT_EQ(RunPeerIn(dir.Folder(), {"md5sum", "--strict", "-c", "ours.md5"}), 0);
    const Outcome md5Check = RunCheck(dir, dir.Folder() + "ours.md5");
    EXPECT_EQ(md5Check.exitCode, 0) << md5Check.out << md5Check.err;
    EXPECT_NE(md5Check.out.find("OK: 2, Bad: 0, Missing: 0"), std::string::npos) << md5Check.out;

    std::vector<std::string> sfvArgs = {"--sfv", "-o", dir.Folder() + "ours.sfv"};
    sfvArgs.insert(sfvArgs.end(), files.begin(), files.end());
    const Outcome sfv = RunCreate(dir, sfvArgs);
    const Outcome sfvCheck = RunCheck(dir, dir.Folder() + "ours.sfv");
    EXPECT_EQ(RunPeerIn(dir.Folder(), {"rhash", "-c", "ours.sfv"}), 0);
    EXPECT_EQ(RunPeerIn(dir.Folder(), {"cksfv", "-q", "-f", "ours.sfv"}), 0);
    EXPECT_EQ(sfvCheck.exitCode, 0) << sfvCheck.out << sfvCheck.err;
    if (row.sfvHoldsIt) {
        EXPECT_EQ(sfv.exitCode, 0) << sfv.err;
        EXPECT_NE(sfvCheck.out.find("OK: 2, Bad: 0, Missing: 0"), std::string::npos) << sfvCheck.out;
    } else {
        EXPECT_EQ(sfv.exitCode, 1);
        EXPECT_NE(sfv.err.find("(left out)"), std::string::npos) << sfv.err;
        EXPECT_NE(sfvCheck.out.find("OK: 1, Bad: 0, Missing: 0"), std::string::npos) << sfvCheck.out;
    }

    // md5sum's own list of the file, read by us.
    ASSERT_EQ(RunPeerIn(dir.Folder(), {"md5sum", "--", row.fileName, "plain.txt"}, dir.Folder() + "theirs.md5"), 0);
    const Outcome theirs = RunCheck(dir, dir.Folder() + "theirs.md5");
    EXPECT_EQ(theirs.exitCode, 0) << theirs.out << theirs.err;
}

INSTANTIATE_TEST_SUITE_P(Names, CreateAwkwardName,
                         testing::Values(AwkwardNameRow{"InnerBlanksAndDigits", "a  b 00000000", true},
                                         AwkwardNameRow{"TaggedShape", "MD5 (x) = y", true},
                                         AwkwardNameRow{"ParenthesesAndEquals", "(x)=y", true},
                                         AwkwardNameRow{"LeadingBlank", " lead", false},
                                         AwkwardNameRow{"TrailingBlank", "trail ", false},
                                         AwkwardNameRow{"OnlyBlanks", "   ", false},
                                         AwkwardNameRow{"LeadingStar", "*star", false},
                                         AwkwardNameRow{"LeadingSemicolon", ";semi", false},
                                         AwkwardNameRow{"LeadingHash", "#hash", false},
                                         AwkwardNameRow{"Backslash", "system-systemd\\x2dcryptsetup.slice", false},
                                         AwkwardNameRow{"LineFeed", "nl\nname", false},
                                         AwkwardNameRow{"CarriageReturn", "cr\rname", false}),
                         RowName());

struct DigestKindRow {
    std::string name;
    std::string option;  // tallyfox-create's kind option
    std::string peer;    // the tool that writes and checks this kind
    bool tagged;
    std::string extension;  // the kind's usual one: a plain list of 64 or 128 hex digits says no more
};

class CreateDigestList : public testing::TestWithParam<DigestKindRow> {};

bool PeerInstalled(const std::string& peer)
{
    return std::system(("command -v " + peer + " >/dev/null 2>&1").c_str()) == 0;
}

// The peer's strictest check of `list` (b3sum has no --strict: it fails any bad line).
std::vector<std::string> PeerCheck(const std::string& peer, const std::string& list)
{
    if (peer == "b3sum") {
        return {peer, "--check", list};
    }
    return {peer, "--strict", "--check", list};
}

// Awkward names (blanks, '\', line breaks, non-ASCII, marker-like starts): our list is
// byte for byte the peer's own for the same files, passes the peer's strict check and
// ours, the peer's list passes ours, and a file changed afterwards is caught by both.
TEST_P(CreateDigestList, IsThePeersListAndVerifiesBothWays)
{
    const DigestKindRow& row = GetParam();
    if (!PeerInstalled(row.peer)) {
        GTEST_SKIP() << row.peer << " is not installed";
    }
    TempDir dir;
    const std::string ours = "ours" + row.extension;
    const std::string theirs = "theirs" + row.extension;
    const std::vector<std::string> names = {"a  b.txt", "back\\slash", "new\nline", "cr\rret", "\xC3\xBCml\xC3\xA4ut",
                                            "*star", " lead", "MD5 (x) = y"};
    std::vector<std::string> args = {row.option, "-o", dir.Folder() + ours};
    std::vector<std::string> peerArgs = {row.peer};
    if (row.tagged) {
        args.push_back("--tag");
        peerArgs.push_back("--tag");
    }
    peerArgs.push_back("--");
    for (const std::string& name : names) {
        dir.WriteFile(name, "content of " + name);
        args.push_back(dir.Folder() + name);
        peerArgs.push_back(name);
    }
    const Outcome created = RunCreate(dir, args);
    ASSERT_EQ(created.exitCode, 0) << created.err;
    ASSERT_EQ(RunPeerIn(dir.Folder(), peerArgs, dir.Folder() + theirs), 0);
    EXPECT_EQ(ReadAll(dir.Folder() + ours), ReadAll(dir.Folder() + theirs));

    EXPECT_EQ(RunPeerIn(dir.Folder(), PeerCheck(row.peer, ours)), 0);
    for (const std::string& list : {ours, theirs}) {
        const Outcome check = RunCheck(dir, dir.Folder() + list);
        EXPECT_EQ(check.exitCode, 0) << list << ": " << check.out << check.err;
        EXPECT_NE(check.out.find("OK: 8, Bad: 0, Missing: 0"), std::string::npos) << list << ": " << check.out;
    }

    dir.WriteFile("new\nline", "content changed");
    EXPECT_EQ(RunPeerIn(dir.Folder(), PeerCheck(row.peer, ours)), 1);
    const Outcome corrupt = RunCheck(dir, dir.Folder() + ours);
    EXPECT_EQ(corrupt.exitCode, 1);
    EXPECT_NE(corrupt.out.find("\\new\\nline: BAD\n"), std::string::npos) << corrupt.out;
    EXPECT_NE(corrupt.out.find("OK: 7, Bad: 1, Missing: 0"), std::string::npos) << corrupt.out;
}

INSTANTIATE_TEST_SUITE_P(Kinds, CreateDigestList,
                         testing::Values(DigestKindRow{"Sha1", "--sha1", "sha1sum", false, ".sha1"},
                                         DigestKindRow{"Sha256", "--sha256", "sha256sum", false, ".sha256"},
                                         DigestKindRow{"Sha512", "--sha512", "sha512sum", false, ".sha512"},
                                         DigestKindRow{"Blake2b", "--blake2b", "b2sum", false, ".b2"},
                                         DigestKindRow{"Blake3", "--blake3", "b3sum", false, ".b3"},
                                         DigestKindRow{"Md5Tagged", "--md5", "md5sum", true, ".md5"},
                                         DigestKindRow{"Sha1Tagged", "--sha1", "sha1sum", true, ".sha1"},
                                         DigestKindRow{"Sha256Tagged", "--sha256", "sha256sum", true, ".sha256"},
                                         DigestKindRow{"Sha512Tagged", "--sha512", "sha512sum", true, ".sha512"},
                                         DigestKindRow{"Blake2bTagged", "--blake2b", "b2sum", true, ".txt"}),
                         RowName());

struct RefusedRow {
    std::string name;
    std::vector<std::string> files;  // created with data; the first is given to -o
    std::vector<std::string> inputs; // the files to list
};

class CreateRefusesTheList : public testing::TestWithParam<RefusedRow> {};

TEST_P(CreateRefusesTheList, OverAFileToListOrOverDataAndTouchesNothing)
{
    TempDir dir;
    for (const std::string& file : GetParam().files) {
        dir.WritePatternFile(file, 3000, 7);
    }
    const std::string target = dir.Folder() + GetParam().files.front();
    const std::string before = ReadAll(target);
    for (const char* kind : {"--md5", "--sfv"}) {
        std::vector<std::string> args = {kind, "-o", target};
        for (const std::string& input : GetParam().inputs) {
            args.push_back(dir.Folder() + input);
        }
        const Outcome outcome = RunCreate(dir, args);
        EXPECT_EQ(outcome.exitCode, 2) << kind;
        EXPECT_NE(outcome.err.find("[" + target + "]"), std::string::npos) << outcome.err;
        EXPECT_EQ(ReadAll(target), before) << kind;
        EXPECT_EQ(TemporaryListIn(dir, GetParam().files.front()), "") << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, CreateRefusesTheList,
    testing::Values(RefusedRow{"ListNameForgottenAfterO", {"a.tar.xz", "b.tar.xz"}, {"b.tar.xz"}},
                    RefusedRow{"ListIsOneOfTheFilesToList", {"SUMS.md5", "b.bin"}, {"SUMS.md5", "b.bin"}},
                    RefusedRow{"DataInTheWalkedFolder", {"tree/photo.jpg", "tree/b.jpg"}, {"tree"}}),
    RowName());

struct InterruptRow {
    std::string name;
    int signal;
    std::string kind;
};

class CreateInterrupted : public testing::TestWithParam<InterruptRow> {};

// The list keeps the lines written so far, names the file not reached and ends with the
// marker; the peers skip those comments, and tallyfox-check says the list is incomplete
// and exits 1 although every entry is OK.
TEST_P(CreateInterrupted, KeepsTheListMarkedIncomplete)
{
    const InterruptRow& row = GetParam();
    TempDir dir;
    dir.WriteFile("first.txt", "abc");
    const std::string huge = dir.WriteFile("huge.bin", "");
    fs::resize_file(huge, std::uintmax_t{64} << 30);  // sparse: far too large to finish
    const bool sfv = row.kind == "--sfv";
    const std::string listName = sfv ? "new.sfv" : "new.md5";
    const std::string list = dir.Folder() + listName;
    const std::string firstLine = sfv ? "first.txt 352441C2\r\n" : "900150983CD24FB0D6963F7D28E17F72  first.txt\n";

    ToolProcess process(TALLYFOX_CREATE_PATH, dir, {row.kind, "-o", list, dir.Folder() + "first.txt", huge});
    ASSERT_GT(process.Pid(), 0);
    // The lines go to a temporary file beside the list while the run goes on.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    std::string temporary;
    while (std::chrono::steady_clock::now() < deadline) {
        temporary = TemporaryListIn(dir, listName);
        if (!temporary.empty() && ReadAll(temporary).ends_with(firstLine)) {
            break;
        }
        std::this_thread::yield();
    }
    ASSERT_TRUE(ReadAll(temporary).ends_with(firstLine));
    EXPECT_FALSE(fs::exists(list));
    kill(process.Pid(), row.signal);
    const Outcome outcome = process.Wait();

    EXPECT_EQ(outcome.exitCode, 128 + row.signal);
    EXPECT_NE(outcome.err.find("incomplete"), std::string::npos) << outcome.err;
    const ListKind kind = sfv ? ListKind::Sfv : ListKind::Md5;
    EXPECT_TRUE(ReadAll(list).ends_with(firstLine + NotListedCommentLine(kind, "huge.bin", "not reached") +
                                        IncompleteListMarkerLine(kind)));
    EXPECT_EQ(TemporaryListIn(dir, listName), "");

    const Outcome check = RunCheck(dir, list);
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("OK: 1, Bad: 0, Missing: 0"), std::string::npos) << check.out;
    EXPECT_NE(check.err.find("is incomplete"), std::string::npos) << check.err;
    if (PeersInstalled()) {
        fs::remove(huge);  // the peers check what the list holds: first.txt alone
        if (sfv) {
            EXPECT_EQ(RunPeerIn(dir.Folder(), {"rhash", "-c", listName}), 0);
            EXPECT_EQ(RunPeerIn(dir.Folder(), {"cksfv", "-q", "-f", listName}), 0);
        } else {
            EXPECT_EQ(RunPeerIn(dir.Folder(), {"md5sum", "--strict", "-c", listName}), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, CreateInterrupted,
                         testing::Values(InterruptRow{"Md5CtrlC", SIGINT, "--md5"},
                                         InterruptRow{"SfvCtrlC", SIGINT, "--sfv"},
                                         InterruptRow{"Md5Terminated", SIGTERM, "--md5"}),
                         RowName());

// Removes a folder tree deeper than PATH_MAX, which paths cannot reach whole.
void RemoveDeepTree(int parent, const std::string& name)
{
    const int fd = ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
    if (fd >= 0) {
        DIR* dir = ::fdopendir(fd);
        std::vector<std::string> children;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string child = entry->d_name;
            if (child != "." && child != "..") {
                children.push_back(child);
            }
        }
        for (const std::string& child : children) {
            if (::unlinkat(::dirfd(dir), child.c_str(), 0) != 0) {
                RemoveDeepTree(::dirfd(dir), child);
            }
        }
        ::closedir(dir);
    }
    ::unlinkat(parent, name.c_str(), AT_REMOVEDIR);
}

TEST(CreateWalk, AFileBeyondPathMaxIsNamedWithExitOne)
{
    TempDir dir;
    dir.WriteFile("tree/a.txt", "abc");
    // Folders of 200-byte names, deep enough that a path to the bottom passes PATH_MAX.
    const std::string level(200, 'd');
    int fd = ::open((dir.Folder() + "tree").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    for (int depth = 0; depth < 24; ++depth) {
        ASSERT_EQ(::mkdirat(fd, level.c_str(), 0755), 0);
        const int next = ::openat(fd, level.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = next;
        ASSERT_GE(fd, 0);
    }
    const int file = ::openat(fd, "deep.txt", O_WRONLY | O_CREAT, 0644);
    ::close(file);
    ::close(fd);

    const std::string list = dir.Folder() + "new.md5";
    const Outcome outcome = RunCreate(dir, {"--md5", "-o", list, dir.Folder() + "tree"});

    const int root = ::open((dir.Folder() + "tree").c_str(), O_RDONLY | O_DIRECTORY);
    RemoveDeepTree(root, level);
    ::close(root);
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find("File name too long (left out)"), std::string::npos) << outcome.err;
    const std::string text = ReadAll(list);
    EXPECT_NE(text.find("  tree/a.txt\n"), std::string::npos) << text;
    EXPECT_NE(text.find("# Not listed: tree/" + level), std::string::npos);
}

// Skips as root (see the unprivileged run of this test).
TEST(CreateWalk, AFolderThatCannotBeEnteredIsNamedWithExitOne)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root enters every folder";
    }
    TempDir dir;
    dir.WriteFile("tree/a.txt", "abc");
    dir.WriteFile("tree/locked/inside.txt", "abc");
    fs::permissions(dir.Path() / "tree" / "locked", fs::perms::owner_read | fs::perms::group_read);

    const std::string list = dir.Folder() + "new.md5";
    const Outcome outcome = RunCreate(dir, {"--md5", "-o", list, dir.Folder() + "tree"});
    fs::permissions(dir.Path() / "tree" / "locked", fs::perms::owner_all);

    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find("tree/locked/inside.txt: Permission denied (left out)"), std::string::npos)
        << outcome.err;
    EXPECT_NE(ReadAll(list).find("# Not listed: tree/locked/inside.txt (Permission denied)\n"), std::string::npos);
}

struct LinkRow {
    std::string name;
    std::string listPath;   // relative to the test folder
    std::string inputPath;  // relative to the test folder
    std::string entryName;  // what the list must say
};

class CreateThroughLinks : public testing::TestWithParam<LinkRow> {};

// data/a.txt and data/sub/a.txt differ; "lists" is a link to other/place, "data/ly" a
// link to data/sub/inner, so "data/ly/../a.txt" is data/sub/a.txt to the system.
TEST_P(CreateThroughLinks, NamesComeFromRealPathsAndTheListVerifies)
{
    TempDir dir;
    dir.WriteFile("data/a.txt", "top");
    dir.WriteFile("data/sub/a.txt", "sub");
    fs::create_directories(dir.Path() / "data" / "sub" / "inner");
    fs::create_directories(dir.Path() / "other" / "place");
    fs::create_directory_symlink(dir.Path() / "other" / "place", dir.Path() / "lists");
    fs::create_directory_symlink(dir.Path() / "data" / "sub" / "inner", dir.Path() / "data" / "ly");
    const std::string list = dir.Folder() + GetParam().listPath;

    const Outcome outcome = RunCreate(dir, {"--md5", "-o", list, dir.Folder() + GetParam().inputPath});

    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    const std::string text = ReadAll(list);
    EXPECT_EQ(text.substr(text.find("  ") + 2), GetParam().entryName + "\n");
    const Outcome check = RunCheck(dir, list);
    EXPECT_EQ(check.exitCode, 0) << check.out << check.err;
}

INSTANTIATE_TEST_SUITE_P(Links, CreateThroughLinks,
                         testing::Values(LinkRow{"ListFolderIsALink", "lists/l.md5", "data/a.txt", "../../data/a.txt"},
                                         LinkRow{"DotDotAfterALink", "l.md5", "data/ly/../a.txt", "data/sub/a.txt"}),
                         RowName());

}  // namespace
