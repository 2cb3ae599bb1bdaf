#pragma once

#include "associationstore.h"
#include "xdgfolders.h"

#include <string>
#include <vector>

// One size of the program's icon as a PNG file.
struct IconImage {
    int size = 0;
    std::string png;
};

struct XdgProgram {
    std::string path;              // the executable the desktop entry starts
    std::vector<IconImage> icons;  // the program's icon; none: the entry has no icon
    bool packaged = false;         // installed: its package provides the entry and icons
};

// The associations the freedesktop way, all under the user's own folders:
// - the document type is the desktop entry $XDG_DATA_HOME/applications/tallyfox.desktop
//   (and the icon under $XDG_DATA_HOME/icons/hicolor);
// - each extension stands for a MIME type: the one shared-mime-info already gives its
//   pattern, or else one of ours, defined (with the description as its comment) in
//   $XDG_DATA_HOME/mime/packages/tallyfox.xml;
// - the handler is the type's entry in [Default Applications] of
//   $XDG_CONFIG_HOME/mimeapps.list, edited without touching any other line;
// - the backup is kept in $XDG_CONFIG_HOME/tallyfox/mimeapps-backup.list, a file only
//   this program writes, in the same form.
// The desktop's caches are refreshed with update-desktop-database and
// update-mime-database where they are installed.
class XdgAssociationStore final : public AssociationStore {
public:
    XdgAssociationStore(XdgFolders folders, XdgProgram program);

    [[nodiscard]] std::string DocumentTypeName() const override;
    [[nodiscard]] bool WriteDocumentType() override;
    bool WriteDescription(const std::string& extension, const std::string& text) override;
    [[nodiscard]] std::optional<std::string> Handler(const std::string& extension) const override;
    bool SetHandler(const std::string& extension, const std::string& handler) override;
    bool DeleteHandler(const std::string& extension) override;
    [[nodiscard]] std::optional<std::string> Backup(const std::string& extension) const override;
    bool SetBackup(const std::string& extension, const std::string& handler) override;

    // The MIME type that stands for the extension; empty for an unknown extension.
    [[nodiscard]] std::string MimeTypeOf(const std::string& extension) const;
    // Whether that type is defined by this program's own MIME package.
    [[nodiscard]] bool DefinesOwnType(const std::string& extension) const;

    [[nodiscard]] std::string DesktopEntryPath() const;
    [[nodiscard]] std::string MimePackagePath() const;
    [[nodiscard]] std::string MimeAppsListPath() const;
    [[nodiscard]] std::string BackupPath() const;

private:
    struct ListType {
        std::string extension;
        std::string pattern;
        std::string mimeType;
        bool ours = false;
        std::string description;
    };
    [[nodiscard]] const ListType* TypeOf(const std::string& extension) const;
    void WriteIcons() const;
    [[nodiscard]] std::optional<std::string> ReadValue(const std::string& path, const std::string& extension) const;
    bool WriteValue(const std::string& path, const std::string& extension, const std::string* value) const;

    XdgFolders m_folders;
    XdgProgram m_program;
    std::vector<ListType> m_types;
};

// The store of this process's user: folders from the environment, the running program
// (packaged when it is the installed one, see installlocation.h).
[[nodiscard]] XdgAssociationStore UserAssociationStore(std::vector<IconImage> icons);
