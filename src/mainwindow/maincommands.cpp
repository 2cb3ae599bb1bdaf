// The command dispatcher of the main window and the commands that live here.

#include "mainwindow.h"

#include "checksumlistmodel.h"
#include "entrysizes.h"
#include "mainsettingshost.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "outputchoice.h"
#include "sizetext.h"

#include <QAction>

void MainWindow::OnCommand(CommandId id)
{
    // What the run reported before the command arrived counts as having happened
    // before it: a run that has just ended gives its buttons back first.
    ApplyRunReports();
    if (const QAction* action = m_toolbar->Action(id); action != nullptr && !action->isEnabled()) {
        return;  // a greyed button does nothing, also when its command comes another way
    }
    const int value = static_cast<int>(id);
    if (value >= static_cast<int>(CommandId::RecentFile0) && value <= static_cast<int>(CommandId::RecentFile9)) {
        OpenRecentFile(value - static_cast<int>(CommandId::RecentFile0));
        return;
    }
    switch (id) {
    case CommandId::Open:
        OnOpenCommand();
        break;
    case CommandId::ViewToggle:
        m_checksumView = !m_checksumView;
        ShowView();
        break;
    case CommandId::StartPause:
        // The run's events set the button's look, whatever the click's own toggle did.
        m_controller.StartPause();
        ApplyRunReports();
        break;
    case CommandId::Stop:
        m_controller.Stop();
        ApplyRunReports();
        break;
    case CommandId::Properties:
        OnPropertiesCommand();
        break;
    case CommandId::AlwaysOnTop:
        ToggleAlwaysOnTop();
        break;
    case CommandId::About:
        m_dialogs->ShowAbout(this);
        break;
    case CommandId::EmptyRecentList:
        m_recentFiles.Clear();
        break;
    case CommandId::OpenFolderOfLists:
        if (const QString folder = m_dialogs->AskFolderToOpen(this); !folder.isEmpty()) {
            OpenFolderOfLists(folder);
        }
        break;
    case CommandId::Generate:
    case CommandId::GenerateSfv:
    case CommandId::GenerateMd5:
    case CommandId::GenerateSha1:
    case CommandId::GenerateSha256:
    case CommandId::GenerateSha512:
    case CommandId::GenerateBlake2b:
    case CommandId::GenerateBlake3:
        CreateChecksumFile(static_cast<int>(RequestedKindOfCommand(value)));
        break;
    case CommandId::SaveReport:
        OnSaveReportCommand();
        break;
    default:
        break;
    }
}

void MainWindow::OnOpenCommand()
{
    const QString path = m_dialogs->AskListToOpen(this);
    if (!path.isEmpty()) {
        OpenChecksumList(path);
    }
}

void MainWindow::OnPropertiesCommand()
{
    const int sizeTypeBefore = m_settings.sizeType;
    MainSettingsHost host(*this, *m_dialogs);
    const bool confirmed = m_dialogs->RunSettingsDialog(this, host);
    ApplyListSettings(sizeTypeBefore);
    if (confirmed) {
        SaveSettings();  // a crash after OK keeps what OK confirmed
    }
}

void MainWindow::ApplyListSettings(int sizeTypeBefore)
{
    ApplyFullRowSelect();
    if (m_settings.sizeType != sizeTypeBefore) {
        RefreshAllRowSizes();
    }
}

void MainWindow::RefreshAllRowSizes()
{
    const std::vector<std::uint64_t> sizes = QueryEntrySizes(m_list.BaseFolder(), m_list.Rows(), m_list.AllRowTraits());
    m_list.SetSizeType(m_settings.sizeType);
    for (std::size_t row = 0; row < sizes.size(); ++row) {
        m_list.SetRowSize(static_cast<int>(row), sizes[row]);
    }
    m_model->AllRowsChanged();
}

void MainWindow::ToggleAlwaysOnTop()
{
    m_alwaysOnTop = !m_alwaysOnTop;
    // Changing the flag re-creates the native window; it comes back where it was.
    const QRect place = geometry();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, m_alwaysOnTop);
    setGeometry(place);
    if (wasVisible) {
        show();
    }
    m_toolbar->SetButtonState(CommandId::AlwaysOnTop, m_alwaysOnTop ? ButtonState::EnabledChecked : ButtonState::Enabled);
}
