#include "xdgassociationstore.h"

#include "fileassociations.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A user's data and config folders and a system data folder, all temporary.
class XdgStoreTest : public testing::Test {
protected:
    [[nodiscard]] XdgFolders Folders() const
    {
        return {m_dir.Folder() + "data", m_dir.Folder() + "config", {m_dir.Folder() + "system"}};
    }
    [[nodiscard]] XdgAssociationStore Store(const std::string& program = "/opt/tallyfox/tallyfox") const
    {
        return XdgAssociationStore(Folders(), XdgProgram{program, {{16, "png16"}, {48, "png48"}}});
    }
    [[nodiscard]] std::string Data(const std::string& name) const { return m_dir.Folder() + "data/" + name; }
    [[nodiscard]] std::string Config(const std::string& name) const { return m_dir.Folder() + "config/" + name; }

    TempDir m_dir;
};

TEST_F(XdgStoreTest, DocumentTypeIsTheDesktopEntryAndIconRewrittenForAMovedProgram)
{
    XdgAssociationStore store = Store();
    ASSERT_EQ(FileAssociations(store).RegisterDocumentType(), RegisterOutcome::Registered);
    const std::string entry = ReadAll(Data("applications/tallyfox.desktop"));
    EXPECT_NE(entry.find("\nExec=/opt/tallyfox/tallyfox %f\n"), std::string::npos);
    EXPECT_NE(entry.find("\nMimeType=text/x-sfv;text/x-md5;\n"), std::string::npos);
    EXPECT_NE(entry.find("\nIcon=tallyfox\n"), std::string::npos);
    EXPECT_EQ(ReadAll(Data("icons/hicolor/16x16/apps/tallyfox.png")), "png16");
    EXPECT_EQ(ReadAll(Data("icons/hicolor/48x48/apps/tallyfox.png")), "png48");

    XdgAssociationStore moved = Store("/home/u/new place/tallyfox");
    ASSERT_EQ(FileAssociations(moved).RegisterDocumentType(), RegisterOutcome::Registered);
    EXPECT_NE(ReadAll(Data("applications/tallyfox.desktop")).find("\nExec=\"/home/u/new place/tallyfox\" %f\n"),
              std::string::npos);
}

TEST_F(XdgStoreTest, PackagedProgramLeavesEntryAndIconsToItsPackageAndEditsOnlyMimeapps)
{
    // The package's MIME types are the system's.
    m_dir.WriteFile("system/mime/globs2", "50:text/x-sfv:*.sfv\n50:text/x-md5:*.md5\n");
    XdgAssociationStore store(Folders(), XdgProgram{"/usr/bin/tallyfox", {{16, "png16"}}, true});
    FileAssociations associations(store);
    ASSERT_EQ(associations.RegisterDocumentType(), RegisterOutcome::Registered);
    ASSERT_TRUE(associations.SetSfvAssociation(true));
    ASSERT_TRUE(associations.SetMd5Association(true));

    EXPECT_FALSE(std::filesystem::exists(Data("")));
    EXPECT_EQ(ReadAll(Config("mimeapps.list")),
              "[Default Applications]\ntext/x-sfv=tallyfox.desktop\ntext/x-md5=tallyfox.desktop\n");
    EXPECT_TRUE(associations.IsAssociated(".sfv"));
}

TEST_F(XdgStoreTest, UsesTheSystemsTypeAndDefinesOnlyTheMissingOne)
{
    m_dir.WriteFile("system/mime/globs2", "50:application/x-checksum-md5:*.md5\n");
    XdgAssociationStore store = Store();
    EXPECT_EQ(store.MimeTypeOf(".md5"), "application/x-checksum-md5");
    EXPECT_FALSE(store.DefinesOwnType(".md5"));
    EXPECT_EQ(store.MimeTypeOf(".sfv"), "text/x-sfv");
    EXPECT_TRUE(store.DefinesOwnType(".sfv"));

    FileAssociations associations(store);
    associations.SetSfvAssociation(true);
    associations.SetMd5Association(true);
    const std::string package = ReadAll(store.MimePackagePath());
    EXPECT_NE(package.find("<mime-type type=\"text/x-sfv\">"), std::string::npos);
    EXPECT_NE(package.find("<comment>CRC32 Checksum File</comment>"), std::string::npos);
    EXPECT_NE(package.find("<glob pattern=\"*.sfv\"/>"), std::string::npos);
    EXPECT_EQ(package.find("md5"), std::string::npos);
    EXPECT_NE(ReadAll(Config("mimeapps.list")).find("application/x-checksum-md5=tallyfox.desktop\n"),
              std::string::npos);

    // Our own package, once in the user's database, does not make the type the system's.
    m_dir.WriteFile("data/mime/globs2", "50:text/x-sfv:*.sfv\n");
    EXPECT_TRUE(Store().DefinesOwnType(".sfv"));
}

TEST_F(XdgStoreTest, DescriptionsAreTheCommentsOfOurTypesInBothDirections)
{
    XdgAssociationStore store = Store();
    FileAssociations associations(store);
    associations.SetSfvAssociation(false);
    associations.SetMd5Association(false);
    const std::string package = ReadAll(store.MimePackagePath());
    EXPECT_NE(package.find("<comment>CRC32 Checksum File</comment>"), std::string::npos);
    EXPECT_NE(package.find("<comment>MD5 Checksum File</comment>"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(Config("mimeapps.list")));  // nothing to give back
}

TEST_F(XdgStoreTest, OtherLinesAndGroupsOfMimeappsListKeptByteForByte)
{
    const std::string original = "# my own notes\r\n"
                                 "[Added Associations]\r\n"
                                 "text/x-sfv=editor.desktop;viewer.desktop;\r\n"
                                 "\r\n"
                                 "[Default Applications]\r\n"
                                 "text/x-sfv=editor.desktop\r\n"
                                 "text/plain=editor.desktop\r\n"
                                 "\r\n"
                                 "[Removed Associations]\r\n"
                                 "text/x-md5=bad.desktop;";
    m_dir.WriteFile("config/mimeapps.list", original);
    XdgAssociationStore store = Store();
    FileAssociations associations(store);

    associations.SetSfvAssociation(true);
    associations.SetMd5Association(true);
    std::string expected = original;
    expected.replace(expected.find("text/x-sfv=editor.desktop\r\n"), 27, "text/x-sfv=tallyfox.desktop\r\n");
    expected.replace(expected.find("text/plain=editor.desktop\r\n"), 27,
                     "text/plain=editor.desktop\r\ntext/x-md5=tallyfox.desktop\r\n");
    EXPECT_EQ(ReadAll(Config("mimeapps.list")), expected);
    EXPECT_EQ(ReadAll(store.BackupPath()),
              "[Default Applications]\ntext/x-sfv=editor.desktop\ntext/x-md5=\n");
    EXPECT_TRUE(associations.IsAssociated(".sfv"));

    associations.SetSfvAssociation(false);
    associations.SetMd5Association(false);
    EXPECT_EQ(ReadAll(Config("mimeapps.list")), original);
    EXPECT_FALSE(associations.IsAssociated(".sfv"));
}

TEST_F(XdgStoreTest, MissingMimeappsListAndFoldersAreCreated)
{
    XdgAssociationStore store = Store();
    FileAssociations(store).SetSfvAssociation(true);
    EXPECT_EQ(ReadAll(Config("mimeapps.list")), "[Default Applications]\ntext/x-sfv=tallyfox.desktop\n");
}

TEST_F(XdgStoreTest, UnwritableDataFolderFailsRegistrationAndLosesNothing)
{
    // A file where the applications folder belongs: no one, root included, can write
    // the entry.
    m_dir.WriteFile("data/applications", "someone's file");
    m_dir.WriteFile("data/icons/hicolor/16x16/apps/tallyfox.png", "old icon");
    XdgAssociationStore store = Store();
    EXPECT_EQ(FileAssociations(store).RegisterDocumentType(), RegisterOutcome::Failed);
    EXPECT_EQ(ReadAll(Data("applications")), "someone's file");

    if (::geteuid() != 0) {
        // A read-only applications folder, for a user whom permissions bind.
        TempDir other;
        std::filesystem::create_directories(other.Path() / "data/applications");
        other.WriteFile("data/applications/tallyfox.desktop", "old entry");
        std::filesystem::permissions(other.Path() / "data/applications", std::filesystem::perms::owner_read |
                                                                               std::filesystem::perms::owner_exec);
        XdgAssociationStore readOnly({other.Folder() + "data", other.Folder() + "config", {}}, {"/p/tallyfox", {}});
        EXPECT_EQ(FileAssociations(readOnly).RegisterDocumentType(), RegisterOutcome::Failed);
        EXPECT_EQ(ReadAll(other.Folder() + "data/applications/tallyfox.desktop"), "old entry");
    }
}

TEST_F(XdgStoreTest, BackupThatCannotBeKeptLeavesTheOtherProgramsDefault)
{
    const std::string original = "[Default Applications]\ntext/x-sfv=editor.desktop\n";
    m_dir.WriteFile("config/mimeapps.list", original);
    m_dir.WriteFile("config/tallyfox", "a file in the way of the backup's folder");
    XdgAssociationStore store = Store();
    FileAssociations(store).SetSfvAssociation(true);
    EXPECT_EQ(ReadAll(Config("mimeapps.list")), original);
}

TEST_F(XdgStoreTest, AListOfOneHandlerEndingInASemicolonIsThatHandler)
{
    m_dir.WriteFile("config/mimeapps.list", "[Default Applications]\ntext/x-sfv=tallyfox.desktop;\n"
                                            "text/x-md5=editor.desktop;viewer.desktop;\n");
    XdgAssociationStore store = Store();
    FileAssociations associations(store);
    EXPECT_TRUE(associations.IsAssociated(".sfv"));
    EXPECT_EQ(store.Handler(".md5"), "editor.desktop;viewer.desktop;");

    associations.SetMd5Association(true);
    associations.SetMd5Association(false);
    EXPECT_EQ(store.Handler(".md5"), "editor.desktop;viewer.desktop;");
}

TEST_F(XdgStoreTest, UnreadableMimeappsListChangesNothing)
{
    std::filesystem::create_directories(Config("mimeapps.list"));
    XdgAssociationStore store = Store();
    FileAssociations associations(store);
    associations.SetSfvAssociation(true);
    EXPECT_FALSE(associations.IsAssociated(".sfv"));
    EXPECT_TRUE(std::filesystem::is_directory(Config("mimeapps.list")));
    EXPECT_FALSE(std::filesystem::exists(store.BackupPath()));
}

TEST_F(XdgStoreTest, WhereTheDefaultGroupAppearsTwiceItsLastValueIsTheOneReadAndWritten)
{
    // The desktop merges repeated groups, a later key overriding an earlier one.
    const std::string original = "[Default Applications]\n"
                                 "text/x-sfv=editor.desktop\n"
                                 "text/x-md5=editor.desktop\n"
                                 "\n"
                                 "[Default Applications]\n"
                                 "text/x-sfv=viewer.desktop\n";
    m_dir.WriteFile("config/mimeapps.list", original);
    XdgAssociationStore store = Store();
    FileAssociations associations(store);
    EXPECT_EQ(store.Handler(".sfv"), "viewer.desktop");
    EXPECT_EQ(store.Handler(".md5"), "editor.desktop");

    EXPECT_TRUE(associations.SetSfvAssociation(true));
    EXPECT_TRUE(associations.SetMd5Association(true));
    EXPECT_TRUE(associations.IsAssociated(".sfv"));
    EXPECT_TRUE(associations.IsAssociated(".md5"));
    EXPECT_EQ(ReadAll(Config("mimeapps.list")), "[Default Applications]\n"
                                                "text/x-sfv=editor.desktop\n"
                                                "text/x-md5=tallyfox.desktop\n"
                                                "\n"
                                                "[Default Applications]\n"
                                                "text/x-sfv=tallyfox.desktop\n");
    EXPECT_EQ(store.Backup(".sfv"), "viewer.desktop");

    EXPECT_TRUE(associations.SetSfvAssociation(false));
    EXPECT_TRUE(associations.SetMd5Association(false));
    EXPECT_EQ(ReadAll(Config("mimeapps.list")), original);

    // Removing a handler removes it from every group, so no older value comes back.
    std::filesystem::remove(store.BackupPath());
    m_dir.WriteFile("config/mimeapps.list", "[Default Applications]\ntext/x-sfv=tallyfox.desktop\n"
                                            "[Default Applications]\ntext/x-sfv=tallyfox.desktop\n");
    EXPECT_TRUE(associations.SetSfvAssociation(false));
    EXPECT_EQ(store.Handler(".sfv"), "");
}

TEST_F(XdgStoreTest, ReadOnlyMimeappsListIsLeftAloneAndTheFailureReported)
{
    const std::string original = "[Default Applications]\ntext/x-sfv=editor.desktop\n";
    const std::string path = m_dir.WriteFile("config/mimeapps.list", original);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    XdgAssociationStore store = Store();
    FileAssociations associations(store);
    EXPECT_FALSE(associations.SetSfvAssociation(true));
    EXPECT_EQ(ReadAll(path), original);
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    // Nothing to change is no failure.
    EXPECT_TRUE(associations.SetMd5Association(false));
}

}  // namespace
