#include "xdgassociationstore.h"

#include "desktopentry.h"
#include "externaltool.h"
#include "fileassociations.h"
#include "installlocation.h"
#include "keyfiletext.h"
#include "mimeglobs.h"
#include "mimepackage.h"
#include "textfile.h"

#include <algorithm>

namespace {

constexpr const char* kDesktopId = "tallyfox.desktop";
constexpr const char* kIconName = "tallyfox";
constexpr const char* kDefaultGroup = "Default Applications";

// The types this program defines when the system has none for a pattern.
constexpr const char* kOwnSfvType = "text/x-sfv";
constexpr const char* kOwnMd5Type = "text/x-md5";

}  // namespace

XdgAssociationStore::XdgAssociationStore(XdgFolders folders, XdgProgram program)
    : m_folders(std::move(folders)), m_program(std::move(program))
{
    std::vector<std::string> systemMime;
    for (const std::string& folder : m_folders.dataDirs) {
        systemMime.push_back(folder + "/mime");
    }
    const std::vector<std::string> ownTypes{kOwnSfvType, kOwnMd5Type};
    const auto add = [&](std::string_view extension, const char* ownType, std::string_view description) {
        ListType type;
        type.extension = std::string(extension);
        type.pattern = "*" + type.extension;
        // The user's database first, where the program's own package does not count;
        // then the system's.
        std::optional<std::string> known = FindGlobType({m_folders.dataHome + "/mime"}, type.pattern, ownTypes);
        if (!known.has_value()) {
            known = FindGlobType(systemMime, type.pattern, {});
        }
        type.ours = !known.has_value();
        type.mimeType = known.value_or(ownType);
        type.description = std::string(description);
        m_types.push_back(std::move(type));
    };
    add(kSfvExtension, kOwnSfvType, kSfvDescription);
    add(kMd5Extension, kOwnMd5Type, kMd5Description);
}

std::string XdgAssociationStore::DocumentTypeName() const
{
    return kDesktopId;
}

const XdgAssociationStore::ListType* XdgAssociationStore::TypeOf(const std::string& extension) const
{
    for (const ListType& type : m_types) {
        if (type.extension == extension) {
            return &type;
        }
    }
    return nullptr;
}

std::string XdgAssociationStore::MimeTypeOf(const std::string& extension) const
{
    const ListType* type = TypeOf(extension);
    return type != nullptr ? type->mimeType : std::string();
}

bool XdgAssociationStore::DefinesOwnType(const std::string& extension) const
{
    const ListType* type = TypeOf(extension);
    return type != nullptr && type->ours;
}

std::string XdgAssociationStore::DesktopEntryPath() const
{
    return m_folders.dataHome + "/applications/" + kDesktopId;
}

std::string XdgAssociationStore::MimePackagePath() const
{
    return m_folders.dataHome + "/mime/packages/tallyfox.xml";
}

std::string XdgAssociationStore::MimeAppsListPath() const
{
    return m_folders.configHome + "/mimeapps.list";
}

std::string XdgAssociationStore::BackupPath() const
{
    return m_folders.configHome + "/tallyfox/mimeapps-backup.list";
}

void XdgAssociationStore::WriteIcons() const
{
    // A missing icon costs the entry its picture only: failures are skipped.
    for (const IconImage& icon : m_program.icons) {
        const std::string size = std::to_string(icon.size);
        const std::string path =
            m_folders.dataHome + "/icons/hicolor/" + size + "x" + size + "/apps/" + kIconName + ".png";
        (void)WriteFileIfChanged(path, icon.png);
    }
}

bool XdgAssociationStore::WriteDocumentType()
{
    if (m_program.packaged) {
        return true;  // the system's desktop entry and icons are the package's
    }
    if (m_program.path.empty()) {
        return false;
    }
    WriteIcons();
    DesktopEntry entry;
    entry.programPath = m_program.path;
    entry.iconName = m_program.icons.empty() ? std::string() : std::string(kIconName);
    for (const ListType& type : m_types) {
        entry.mimeTypes.push_back(type.mimeType);
    }
    // Rewritten whenever it differs, so a moved program is started from its new place.
    const WriteResult result = WriteFileIfChanged(DesktopEntryPath(), DesktopEntryText(entry));
    if (result == WriteResult::Written) {
        (void)RunExternalTool("update-desktop-database", {m_folders.dataHome + "/applications"});
    }
    return result != WriteResult::Failed;
}

bool XdgAssociationStore::WriteDescription(const std::string& extension, const std::string& text)
{
    auto type = std::find_if(m_types.begin(), m_types.end(),
                             [&extension](const ListType& t) { return t.extension == extension; });
    if (type == m_types.end()) {
        return false;
    }
    if (!type->ours) {
        return true;  // the system's own type carries its own description
    }
    type->description = text;
    std::vector<MimePackageType> ownTypes;
    for (const ListType& t : m_types) {
        if (t.ours) {
            ownTypes.push_back({t.mimeType, t.pattern, t.description});
        }
    }
    const WriteResult result = WriteFileIfChanged(MimePackagePath(), MimePackageText(ownTypes));
    if (result == WriteResult::Written) {
        (void)RunExternalTool("update-mime-database", {m_folders.dataHome + "/mime"});
    }
    return result != WriteResult::Failed;
}

std::optional<std::string> XdgAssociationStore::ReadValue(const std::string& path, const std::string& extension) const
{
    const ListType* type = TypeOf(extension);
    const TextFile file = ReadTextFile(path);
    if (type == nullptr || file.state == TextFile::State::Unreadable) {
        return std::nullopt;
    }
    return KeyFileText(file.text).Value(kDefaultGroup, type->mimeType);
}

bool XdgAssociationStore::WriteValue(const std::string& path, const std::string& extension,
                                     const std::string* value) const
{
    const ListType* type = TypeOf(extension);
    const TextFile file = ReadTextFile(path);
    if (type == nullptr || file.state == TextFile::State::Unreadable) {
        return false;
    }
    KeyFileText text(file.text);
    if (value != nullptr) {
        text.SetValue(kDefaultGroup, type->mimeType, *value);
    } else if (!text.RemoveKey(kDefaultGroup, type->mimeType)) {
        return true;  // nothing to remove
    }
    return WriteFileIfChanged(path, text.Text()) != WriteResult::Failed;
}

std::optional<std::string> XdgAssociationStore::Handler(const std::string& extension) const
{
    if (TypeOf(extension) == nullptr || ReadTextFile(MimeAppsListPath()).state == TextFile::State::Unreadable) {
        return std::nullopt;
    }
    std::string handler = ReadValue(MimeAppsListPath(), extension).value_or(std::string());
    // The value is a list of desktop ids; a list of one id may end in ';' (as some
    // desktops write it), which does not make it another handler.
    if (!handler.empty() && handler.back() == ';' && handler.find(';') == handler.size() - 1) {
        handler.pop_back();
    }
    return handler;
}

bool XdgAssociationStore::SetHandler(const std::string& extension, const std::string& handler)
{
    return WriteValue(MimeAppsListPath(), extension, &handler);
}

bool XdgAssociationStore::DeleteHandler(const std::string& extension)
{
    return WriteValue(MimeAppsListPath(), extension, nullptr);
}

std::optional<std::string> XdgAssociationStore::Backup(const std::string& extension) const
{
    return ReadValue(BackupPath(), extension);
}

bool XdgAssociationStore::SetBackup(const std::string& extension, const std::string& handler)
{
    return WriteValue(BackupPath(), extension, &handler);
}

XdgAssociationStore UserAssociationStore(std::vector<IconImage> icons)
{
    std::string program = RunningProgramPath();
    const bool packaged = IsInstalledProgram(program, ConfiguredInstallLayout());
    return XdgAssociationStore(XdgFoldersFromEnvironment(), XdgProgram{std::move(program), std::move(icons), packaged});
}
