#pragma once

// How the pieces fit together: FileAssociations holds the rules (take an extension
// over keeping the previous handler, give it back, is it ours) over an
// AssociationStore. XdgAssociationStore is the real store, the freedesktop way: a
// desktop entry, shared-mime-info types and mimeapps.list under the user's own folders.

#include "associationstore.h"

#include <string>
#include <string_view>

inline constexpr std::string_view kSfvExtension = ".sfv";
inline constexpr std::string_view kMd5Extension = ".md5";
inline constexpr std::string_view kSfvDescription = "CRC32 Checksum File";
inline constexpr std::string_view kMd5Description = "MD5 Checksum File";
inline constexpr std::string_view kRegisterFailedMessage = "Register update failed.";

enum class RegisterOutcome {
    Registered,
    Failed,  // the document type could not be written: show kRegisterFailedMessage
};

class FileAssociations {
public:
    explicit FileAssociations(AssociationStore& store) noexcept : m_store(store) {}

    // Writes the program's document type; run at every start-up and on the settings
    // dialog's OK. The only failure the user is told about.
    [[nodiscard]] RegisterOutcome RegisterDocumentType();

    // Points the extension at this program (enable) or gives it back to the handler it
    // had before. On a failure the step is skipped or the operation stops, and the
    // result is false when the handler could not be read or changed as it had to be
    // (the window then shows kRegisterFailedMessage).
    bool SetSfvAssociation(bool enable);
    bool SetMd5Association(bool enable);

    // Whether the extension's handler is this program's document type, without regard
    // to case; blanks around the name make it another program's here.
    [[nodiscard]] bool IsAssociated(const std::string& extension) const;

    // The comparison rule of the handler texts: lower-cased and trimmed, the text
    // names this program's document type.
    [[nodiscard]] bool NamesThisProgram(std::string_view handler) const;

private:
    bool SetAssociation(const std::string& extension, const std::string& description, bool enable);
    bool Associate(const std::string& extension, const std::string& current);
    bool GiveBack(const std::string& extension, const std::string& current);

    AssociationStore& m_store;
};
