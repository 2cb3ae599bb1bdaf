#include "fileassociations.h"

#include "asciitext.h"

#include <algorithm>
#include <optional>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

RegisterOutcome FileAssociations::RegisterDocumentType()
{
    return m_store.WriteDocumentType() ? RegisterOutcome::Registered : RegisterOutcome::Failed;
}

bool FileAssociations::SetSfvAssociation(bool enable)
{
    return SetAssociation(std::string(kSfvExtension), std::string(kSfvDescription), enable);
}

bool FileAssociations::SetMd5Association(bool enable)
{
    return SetAssociation(std::string(kMd5Extension), std::string(kMd5Description), enable);
}

bool FileAssociations::IsAssociated(const std::string& extension) const
{
    const std::optional<std::string> current = m_store.Handler(extension);
    return current.has_value() && AsciiLowerCopy(*current) == AsciiLowerCopy(m_store.DocumentTypeName());
}

bool FileAssociations::NamesThisProgram(std::string_view handler) const
{
    return AsciiLowerCopy(Trimmed(handler)) == AsciiLowerCopy(m_store.DocumentTypeName());
}

bool FileAssociations::SetAssociation(const std::string& extension, const std::string& description, bool enable)
{
    // The description is written whichever way the box stands; a failure skips it.
    (void)m_store.WriteDescription(extension, description);
    const std::optional<std::string> current = m_store.Handler(extension);
    if (!current.has_value()) {
        return false;
    }
    return enable ? Associate(extension, *current) : GiveBack(extension, *current);
}

bool FileAssociations::Associate(const std::string& extension, const std::string& current)
{
    // Another program's handler (or none) is kept before it is replaced; taking over
    // twice keeps the first one. Without a kept handler there is no taking over, so
    // that giving back can never lose the other program's association.
    if (!NamesThisProgram(current) && !m_store.SetBackup(extension, current)) {
        return false;
    }
    return m_store.SetHandler(extension, m_store.DocumentTypeName());
}

bool FileAssociations::GiveBack(const std::string& extension, const std::string& current)
{
    // Only an extension that names this program is given back: one that belongs to
    // another program stays as it is.
    if (!NamesThisProgram(current)) {
        return true;
    }
    const std::optional<std::string> backup = m_store.Backup(extension);
    if (!backup.has_value() || backup->empty() || NamesThisProgram(*backup)) {
        return m_store.DeleteHandler(extension);
    }
    return m_store.SetHandler(extension, *backup);
}
