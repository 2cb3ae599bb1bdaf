// The desktop's own tools read what the store wrote: xdg-mime names the default
// handler and gio gives a list file its type. Skipped where the tools are missing.

#include "xdgassociationstore.h"

#include "fileassociations.h"
#include "tempdir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

namespace {

bool ToolInstalled(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

class XdgToolsTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* tool : {"xdg-mime", "gio", "update-mime-database"}) {
            if (!ToolInstalled(tool)) {
                GTEST_SKIP() << tool << " is not installed";
            }
        }
    }

    [[nodiscard]] XdgFolders Folders() const
    {
        return {m_dir.Folder() + "data", m_dir.Folder() + "config", {"/usr/local/share", "/usr/share"}};
    }

    // Runs a command line with the temporary folders as the user's and no desktop
    // session, and returns its first line of output.
    [[nodiscard]] std::string Run(const std::string& command) const
    {
        const std::string line = "env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION"
                                 " -u GNOME_DESKTOP_SESSION_ID GIO_USE_VFS=local"
                                 " XDG_DATA_HOME='" + m_dir.Folder() + "data' XDG_CONFIG_HOME='" +
                                 m_dir.Folder() + "config' XDG_DATA_DIRS=/usr/local/share:/usr/share " + command +
                                 " 2>/dev/null";
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(line.c_str(), "r"), ::pclose);
        std::string output;
        std::array<char, 512> buffer{};
        while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
            output += buffer.data();
        }
        return output.substr(0, output.find('\n'));
    }

    TempDir m_dir;
};

TEST_F(XdgToolsTest, DefaultHandlerAndTypeAgreeAfterAssociatingAndGivingBack)
{
    // Another program is the default for the type before.
    XdgAssociationStore store(Folders(), XdgProgram{"/usr/bin/true", {}});
    const std::string type = store.MimeTypeOf(".sfv");
    m_dir.WriteFile("data/applications/other-viewer.desktop",
                    "[Desktop Entry]\nType=Application\nName=Other\nExec=true %f\nMimeType=" + type + ";\n");
    m_dir.WriteFile("config/mimeapps.list", "[Default Applications]\n" + type + "=other-viewer.desktop\n");
    const std::string list = m_dir.WriteFile("checks.sfv", "good.txt CBF43926\n");

    FileAssociations associations(store);
    ASSERT_EQ(associations.RegisterDocumentType(), RegisterOutcome::Registered);
    associations.SetSfvAssociation(true);
    EXPECT_EQ(Run("xdg-mime query default " + type), "tallyfox.desktop");
    EXPECT_EQ(Run("gio info -a standard::content-type '" + list + "' | grep content-type"),
              "  standard::content-type: " + type);

    associations.SetSfvAssociation(false);
    EXPECT_EQ(Run("xdg-mime query default " + type), "other-viewer.desktop");
}

TEST_F(XdgToolsTest, DesktopEntryPassesTheValidator)
{
    if (!ToolInstalled("desktop-file-validate")) {
        GTEST_SKIP() << "desktop-file-validate is not installed";
    }
    XdgAssociationStore store(Folders(), XdgProgram{"/opt/tally fox/tallyfox", {{16, "png"}}});
    ASSERT_EQ(FileAssociations(store).RegisterDocumentType(), RegisterOutcome::Registered);
    const std::string entry = store.DesktopEntryPath();
    EXPECT_EQ(Run("desktop-file-validate '" + entry + "' 2>&1 | grep -c error:"), "0");
}

}  // namespace
