#pragma once

#include <optional>
#include <string>

// Where the program's file associations are kept. The rules of taking an extension
// over and giving it back live in FileAssociations and are written once against this
// interface; a store only reads and writes. Extensions are passed as ".sfv" or ".md5".
class AssociationStore {
public:
    virtual ~AssociationStore() = default;

    // The handler text that names this program (the document type's name).
    [[nodiscard]] virtual std::string DocumentTypeName() const = 0;

    // Writes the document type: how the desktop starts the program for a list file,
    // and its icon. False when the document type cannot be written.
    [[nodiscard]] virtual bool WriteDocumentType() = 0;

    // Records the description text of the extension's file type. False on failure.
    virtual bool WriteDescription(const std::string& extension, const std::string& text) = 0;

    // The extension's current handler: empty when it has none; nothing when the place
    // that holds it cannot be read.
    [[nodiscard]] virtual std::optional<std::string> Handler(const std::string& extension) const = 0;
    virtual bool SetHandler(const std::string& extension, const std::string& handler) = 0;
    virtual bool DeleteHandler(const std::string& extension) = 0;

    // The handler kept from before this program took the extension over: nothing when
    // none was kept (or it cannot be read).
    [[nodiscard]] virtual std::optional<std::string> Backup(const std::string& extension) const = 0;
    virtual bool SetBackup(const std::string& extension, const std::string& handler) = 0;

protected:
    AssociationStore() = default;
    AssociationStore(const AssociationStore&) = default;
    AssociationStore& operator=(const AssociationStore&) = default;
};
