#include "mainsettingshost.h"

#include "colorref.h"
#include "fontconversion.h"
#include "modaldialogs.h"
#include "windowsettings.h"

#include <utility>

MainSettingsHost::MainSettingsHost(WindowSettings& settings, QWidget& window, ModalDialogs& dialogs)
    : m_settings(settings), m_window(window), m_dialogs(dialogs)
{
}

const Settings& MainSettingsHost::CurrentSettings() const
{
    return m_settings.Current();
}

bool MainSettingsHost::IsAssociated(const QString& extension) const
{
    return m_associations.IsAssociated(extension);
}

void MainSettingsHost::RegisterDocumentType(QWidget* parent)
{
    // The first step of the dialog's OK: the associations after it report over the same
    // parent, once for the whole OK.
    m_parent = parent;
    m_failureShown = false;
    m_associations.RegisterDocumentType(parent, m_dialogs);
}

void MainSettingsHost::SetSfvAssociation(bool enable)
{
    if (!m_associations.SetSfvAssociation(enable)) {
        ReportAssociationFailure();
    }
}

void MainSettingsHost::SetMd5Association(bool enable)
{
    if (!m_associations.SetMd5Association(enable)) {
        ReportAssociationFailure();
    }
}

void MainSettingsHost::ReportAssociationFailure()
{
    if (!std::exchange(m_failureShown, true)) {
        QWidget* over = m_parent != nullptr ? m_parent.data() : &m_window;
        m_dialogs.ShowError(over, DesktopAssociations::tr("Register update failed."));
    }
}

std::optional<FontRecord> MainSettingsHost::ChooseListFont(QWidget* parent, const FontRecord& initial)
{
    const std::optional<FontChoice> chosen =
        m_dialogs.AskListFont(parent, {FontFromRecord(initial), ColourFromColorRef(initial.colour)});
    if (!chosen) {
        return std::nullopt;
    }
    return RecordFromFont(chosen->font, ColorRefFromColour(chosen->colour));
}

void MainSettingsHost::ApplyListFont(const FontRecord& record)
{
    m_settings.ApplyListFont(record);
}

void MainSettingsHost::ApplyHeaderFont()
{
    m_settings.ReapplyHeaderFont();
}

void MainSettingsHost::RefreshListLayout()
{
    m_settings.RefreshListLayout();
}

void MainSettingsHost::SetRowColours(const ListViewColorRecord& colours)
{
    m_settings.SetRowColours(colours);
}

void MainSettingsHost::SetFlags(std::int32_t savePosition, std::int32_t fullRowSelect, std::int32_t autoScroll)
{
    m_settings.SetFlags(savePosition, fullRowSelect, autoScroll);
}

void MainSettingsHost::SetSizeType(std::int32_t sizeType)
{
    m_settings.SetSizeType(sizeType);
}
