#include "desktopentry.h"
#include "keyfiletext.h"
#include "mimeglobs.h"
#include "rowname.h"
#include "tempdir.h"
#include "xdgfolders.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct ExecRow {
    std::string name;
    std::string path;
    std::string expected;  // as written after "Exec="
};

class ExecQuoting : public testing::TestWithParam<ExecRow> {};

TEST_P(ExecQuoting, QuotesTheProgramPath)
{
    EXPECT_EQ(ExecArgument(GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExecQuoting,
    testing::Values(ExecRow{"PlainUnquoted", "/opt/tallyfox-1.3/tally_fox", "/opt/tallyfox-1.3/tally_fox"},
                    ExecRow{"Blanks", "/home/a b/tallyfox", R"("/home/a b/tallyfox")"},
                    ExecRow{"DollarBacktickQuote", "/x/$HOME`id`\"q\"", R"("/x/\\$HOME\\`id\\`\\"q\\"")"},
                    ExecRow{"Backslash", "/x\\y", R"("/x\\\\y")"},
                    ExecRow{"PercentDoubled", "/x/100%f", "/x/100%%f"},
                    ExecRow{"PercentInQuotes", "/x y/%f", R"("/x y/%%f")"},
                    ExecRow{"Newline", "/x/a\nb", R"("/x/a\nb")"}),
    RowName());

TEST(DesktopEntry, StartsTheProgramWithOneFileAndNamesTheTypes)
{
    DesktopEntry entry;
    entry.programPath = "/opt/my apps/tallyfox";
    entry.iconName = "tallyfox";
    entry.mimeTypes = {"text/x-sfv", "text/x-md5"};
    const std::string text = DesktopEntryText(entry);
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0U);
    EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nName=Tallyfox\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=\"/opt/my apps/tallyfox\" %f\n"), std::string::npos);
    EXPECT_NE(text.find("\nIcon=tallyfox\n"), std::string::npos);
    EXPECT_NE(text.find("\nMimeType=text/x-sfv;text/x-md5;\n"), std::string::npos);
    EXPECT_NE(text.find("\nCategories=Utility;\n"), std::string::npos);

    entry.iconName.clear();
    EXPECT_EQ(DesktopEntryText(entry).find("Icon="), std::string::npos);
}

struct KeyFileRow {
    std::string name;
    std::string before;
    bool set;  // true: set "text/x-sfv" to "tallyfox.desktop"; false: remove it
    std::string after;
};

class KeyFileEdit : public testing::TestWithParam<KeyFileRow> {};

TEST_P(KeyFileEdit, ChangesOnlyTheOneLine)
{
    KeyFileText text(GetParam().before);
    if (GetParam().set) {
        text.SetValue("Default Applications", "text/x-sfv", "tallyfox.desktop");
    } else {
        text.RemoveKey("Default Applications", "text/x-sfv");
    }
    EXPECT_EQ(text.Text(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, KeyFileEdit,
    testing::Values(
        KeyFileRow{"EmptyGetsTheGroup", "", true, "[Default Applications]\ntext/x-sfv=tallyfox.desktop\n"},
        KeyFileRow{"OtherGroupKeptGroupAppended", "[Added Associations]\ntext/x-sfv=a.desktop;\n", true,
                   "[Added Associations]\ntext/x-sfv=a.desktop;\n\n[Default Applications]\n"
                   "text/x-sfv=tallyfox.desktop\n"},
        KeyFileRow{"NoFinalNewline", "# mine", true,
                   "# mine\n\n[Default Applications]\ntext/x-sfv=tallyfox.desktop\n"},
        KeyFileRow{"ReplacesInPlace", "[Default Applications]\na=b\ntext/x-sfv = old.desktop\nc=d\n", true,
                   "[Default Applications]\na=b\ntext/x-sfv=tallyfox.desktop\nc=d\n"},
        KeyFileRow{"AddsAtTheEndOfTheGroupBeforeTheBlankLine",
                   "[Default Applications]\r\na=b\r\n\r\n[Removed Associations]\r\ntext/x-sfv=x.desktop\r\n", true,
                   "[Default Applications]\r\na=b\r\ntext/x-sfv=tallyfox.desktop\r\n\r\n[Removed Associations]\r\n"
                   "text/x-sfv=x.desktop\r\n"},
        KeyFileRow{"SameKeyInAnotherGroupUntouched", "[Added Associations]\ntext/x-sfv=x.desktop\n", false,
                   "[Added Associations]\ntext/x-sfv=x.desktop\n"},
        KeyFileRow{"RemovesOnlyItsLine", "#c\n[Default Applications]\ntext/x-sfv=tallyfox.desktop\nb=c\n", false,
                   "#c\n[Default Applications]\nb=c\n"}),
    RowName());

TEST(KeyFileText, ReadsTheValueOfTheKeyInItsGroup)
{
    const KeyFileText text("[Added Associations]\ntext/x-sfv=a.desktop\n[Default Applications]\n"
                           "# text/x-sfv=comment.desktop\ntext/x-sfv =  b.desktop;\n");
    EXPECT_EQ(text.Value("Default Applications", "text/x-sfv"), "b.desktop;");
    EXPECT_EQ(text.Value("Default Applications", "text/x-md5"), std::nullopt);
    EXPECT_EQ(text.Value("Missing", "text/x-sfv"), std::nullopt);
}

TEST(MimeGlobs, HighestWeightWinsAndOwnTypesDoNotCount)
{
    TempDir user;
    TempDir system;
    user.WriteFile("globs2", "# comment\n50:text/x-sfv:*.sfv\n");
    system.WriteFile("globs2", "40:application/x-other:*.md5\n60:application/x-better:*.MD5\n"
                               "50:text/plain:*.txt\n");
    const std::vector<std::string> folders{user.Path().string(), system.Path().string()};
    EXPECT_EQ(FindGlobType(folders, "*.md5", {}), "application/x-better");
    EXPECT_EQ(FindGlobType(folders, "*.sfv", {}), "text/x-sfv");
    EXPECT_EQ(FindGlobType(folders, "*.sfv", {"text/x-sfv"}), std::nullopt);
    EXPECT_EQ(FindGlobType({system.Folder() + "missing"}, "*.md5", {}), std::nullopt);
}

TEST(XdgFolders, DefaultsUnderHomeAndRelativePathsIgnored)
{
    std::map<std::string, std::string> environment{{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", "relative/cfg"}};
    const auto lookup = [&environment](const char* name) -> const char* {
        const auto found = environment.find(name);
        return found == environment.end() ? nullptr : found->second.c_str();
    };
    XdgFolders folders = XdgFoldersFrom(lookup);
    EXPECT_EQ(folders.dataHome, "/home/u/.local/share");
    EXPECT_EQ(folders.configHome, "/home/u/.config");
    EXPECT_EQ(folders.dataDirs, (std::vector<std::string>{"/usr/local/share", "/usr/share"}));

    environment = {{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/d/"}, {"XDG_CONFIG_HOME", "/c"},
                   {"XDG_DATA_DIRS", "/s1::rel:/s2/"}};
    folders = XdgFoldersFrom(lookup);
    EXPECT_EQ(folders.dataHome, "/d");
    EXPECT_EQ(folders.configHome, "/c");
    EXPECT_EQ(folders.dataDirs, (std::vector<std::string>{"/s1", "/s2"}));
}

}  // namespace
