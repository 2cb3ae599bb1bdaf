// What the window offers beside the list's own presentation: sorting and filtering
// through the proxy, the row menu, and the verdict when a run ends.

#include "mainwindow.h"

#include "checksumlistmodel.h"
#include "checksumlistproxy.h"
#include "checksumlistview.h"
#include "checksumrowmenu.h"
#include "desktopservices.h"
#include "entrytraits.h"
#include "listcaveats.h"
#include "listfilterbar.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "verdictbar.h"
#include "windowtexts.h"

#include <QAction>

void MainWindow::SetUpResultsView()
{
    if (m_options.desktop == nullptr) {
        m_ownDesktop = std::make_unique<SystemDesktopServices>();
    }
    DesktopServices& desktop = m_options.desktop != nullptr ? *m_options.desktop : *m_ownDesktop;

    m_proxy = new ChecksumListProxy(m_list, this);
    m_listView->SetListModels(m_model, m_proxy);

    m_filterBar = new ListFilterBar(this);
    connect(m_filterBar, &ListFilterBar::FilterChanged, this, &MainWindow::OnFilterChanged);

    m_verdictBar = new VerdictBar(this);
    connect(m_verdictBar, &VerdictBar::ShowProblemsRequested, this,
            [this] { m_filterBar->SetFilter(RowFilter::Problems); });
    connect(m_verdictBar, &VerdictBar::Dismissed, this, &MainWindow::HideVerdict);

    m_rowMenu = new ChecksumRowMenu(
        m_list, *m_model, *m_listView, desktop, [this] { return CanVerifySelected(); },
        [this] { OnCommand(CommandId::StartPause); });
    m_rowMenu->SetOpenFailed([this](const QString& folder) {
        m_dialogs->ShowErrorWithDetail(this, OpenFailedText(folder), tr("No program to open folders was found."));
    });
    m_rowMenu->SetShowUnlisted([this] { ShowUnlistedFiles(); });
}

bool MainWindow::CanVerifySelected() const
{
    // Start/Pause starts a run over the selection only while no run is under way and
    // the toolbar offers it.
    const QAction* startPause = m_toolbar != nullptr ? m_toolbar->Action(CommandId::StartPause) : nullptr;
    return startPause != nullptr && startPause->isEnabled() && m_list.GetRunState() == RunState::Stopped &&
           m_list.SelectedCount() > 0;
}

void MainWindow::OnFilterChanged(RowFilter filter, const QString& nameText)
{
    m_proxy->SetFilter(filter, nameText);
    // Rows the filter hides are no longer selected, unless a run may still need them.
    if (m_list.GetRunState() == RunState::Stopped) {
        m_listView->SyncSelectionToList();
    }
}

void MainWindow::NoteRunEventForResults(RunEvent event)
{
    switch (event) {
    case RunEvent::Started:
    case RunEvent::SelectedRowsStarted:
        m_runTotal = event == RunEvent::Started ? m_list.RowCount() : m_list.SelectedCount();
        m_listView->FollowRun();
        HideVerdict();
        m_verdictDue = true;
        m_verdictStopped = false;
        break;
    case RunEvent::Finished:
    case RunEvent::Stopped:
        if (m_verdictDue) {
            m_verdictDue = false;
            m_verdictStopped = event == RunEvent::Stopped;
            ShowRunVerdict();
        }
        break;
    case RunEvent::Resumed:
    case RunEvent::Paused:
    case RunEvent::WorkerEnded:
        break;
    }
}

void MainWindow::ShowRunVerdict()
{
    m_verdictShown = true;
    // A guessed kind whose every file came out bad is named as the likelier cause.
    const QString otherKind = !m_verdictStopped && m_runTotal == m_list.RowCount() && ProbablyAnotherKind(m_list)
                                  ? QString::fromLatin1(AlgorithmInfo(KindAlgorithm(m_list.Kind())).name)
                                  : QString();
    m_verdictBar->ShowVerdict(m_list.GetCounters(), m_runTotal, m_verdictStopped, otherKind);
    m_verdictBar->setVisible(m_checksumView);
    LayoutChildren();
}

void MainWindow::ShowListedNote()
{
    m_verdictShown = true;
    m_verdictBar->ShowListed(m_list.RowCount());
    m_verdictBar->setVisible(m_checksumView);
    LayoutChildren();
}

void MainWindow::HideVerdict()
{
    m_verdictDue = false;
    m_verdictShown = false;
    m_verdictBar->hide();
    LayoutChildren();
}
