// The command dispatcher of the main window, the commands that live here, and what
// the window passes on to its collaborators.

#include "mainwindow.h"

#include "listcreator.h"
#include "listopener.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "outputchoice.h"
#include "runpresenter.h"
#include "verdictstrip.h"
#include "windowsettings.h"
#include "windowviews.h"

#include <QAction>

void MainWindow::OnCommand(CommandId id)
{
    // What the run reported before the command arrived counts as having happened
    // before it: a run that has just ended gives its buttons back first.
    m_run->ApplyRunReports();
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
        m_opener->AskAndOpen();
        break;
    case CommandId::ViewToggle:
        m_views->ToggleView();
        break;
    case CommandId::StartPause:
        // The run's events set the button's look, whatever the click's own toggle did.
        m_run->StartPause();
        break;
    case CommandId::Stop:
        m_run->Stop();
        break;
    case CommandId::Properties:
        m_settings->RunPropertiesDialog(m_opener->Recent());
        break;
    case CommandId::AlwaysOnTop:
        ToggleAlwaysOnTop();
        break;
    case CommandId::About:
        m_dialogs->ShowAbout(this);
        break;
    case CommandId::EmptyRecentList:
        m_opener->Recent().Clear();
        break;
    case CommandId::OpenFolderOfLists:
        m_opener->AskAndOpenFolder();
        break;
    case CommandId::Generate:
    case CommandId::GenerateSfv:
    case CommandId::GenerateMd5:
    case CommandId::GenerateSha1:
    case CommandId::GenerateSha256:
    case CommandId::GenerateSha512:
    case CommandId::GenerateBlake2b:
    case CommandId::GenerateBlake3:
        m_creator->CreateChecksumFile(static_cast<int>(RequestedKindOfCommand(value)));
        break;
    case CommandId::SaveReport:
        m_run->OnSaveReportCommand();
        break;
    default:
        break;
    }
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

void MainWindow::OpenChecksumList(const QString& path)
{
    m_opener->OpenChecksumList(path);
}

void MainWindow::OpenAndVerifyChecksumList(const QString& path)
{
    m_opener->OpenAndVerifyChecksumList(path);
}

void MainWindow::OpenFolderOfLists(const QString& folder)
{
    m_opener->OpenFolderOfLists(folder);
}

void MainWindow::OpenRecentFile(int n)
{
    m_opener->OpenRecentFile(n);
}

const ChecksumList& MainWindow::List() const noexcept { return m_run->List(); }
const RecentFiles& MainWindow::Recent() const noexcept { return m_opener->Recent(); }
const Settings& MainWindow::CurrentSettings() const noexcept { return m_settings->Current(); }
ChecksumListView* MainWindow::ListView() const noexcept { return m_run->ListView(); }
ChecksumListModel* MainWindow::ListModel() const noexcept { return m_run->ListModel(); }
ChecksumListProxy* MainWindow::ListProxy() const noexcept { return m_run->ListProxy(); }
ListFilterBar* MainWindow::FilterBar() const noexcept { return m_run->FilterBar(); }
VerdictBar* MainWindow::Verdict() const noexcept { return m_run->Verdict().Bar(); }
ChecksumRowMenu* MainWindow::RowMenu() const noexcept { return m_run->RowMenu(); }
StatusBarParts* MainWindow::StatusBar() const noexcept { return m_run->StatusBar(); }
ProgressPanel* MainWindow::Panel() const noexcept { return m_run->Panel(); }
QAction* MainWindow::SaveReportAction() const noexcept { return m_run->SaveReportAction(); }
FolderBrowser* MainWindow::Browser() const noexcept { return m_views->Browser(); }
bool MainWindow::IsLoading() const noexcept { return m_opener != nullptr && m_opener->IsLoading(); }
int MainWindow::FinishedRuns() const noexcept { return m_run->FinishedRuns(); }
GenerateDialog* MainWindow::OpenGenerateDialog() const noexcept { return m_creator->OpenDialog(); }
int MainWindow::FinishedGenerations() const noexcept { return m_creator->FinishedGenerations(); }
