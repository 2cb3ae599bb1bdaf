// The verification side of the main window: the list's widgets, the run's reports
// applied on the GUI thread in batches, the progress panel, the status bar and reports.

#include "runpresenter.h"

#include "checksumlistmodel.h"
#include "checksumlistproxy.h"
#include "checksumlistview.h"
#include "checksumrowmenu.h"
#include "desktopservices.h"
#include "entrysizes.h"
#include "listfilterbar.h"
#include "liveprogress.h"
#include "loadwarnings.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "pathtext.h"
#include "progresspanel.h"
#include "reportfile.h"
#include "resultreport.h"
#include "statusbarparts.h"
#include "unlistednote.h"
#include "verdictbar.h"
#include "verdictstrip.h"
#include "windowlayout.h"
#include "windowtexts.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QStringList>

#include <utility>

namespace {

constexpr int kReportIntervalMs = 33; // about 30 refreshes a second during a run

}  // namespace

RunPresenter::RunPresenter(QWidget& window, ModalDialogs& dialogs, DesktopServices* desktop,
                           std::function<bool()> checksumViewShown)
    : m_window(window), m_dialogs(dialogs), m_checksumViewShown(std::move(checksumViewShown)),
      m_observer([this](bool urgent) { WakeForRunReports(urgent); }), m_controller(m_list, m_observer)
{
    m_listView = new ChecksumListView(m_list, &window);
    m_model = new ChecksumListModel(m_list, &window);
    m_model->setObjectName(QStringLiteral("checksumListModel"));

    if (desktop == nullptr) {
        m_ownDesktop = std::make_unique<SystemDesktopServices>();
        desktop = m_ownDesktop.get();
    }
    m_proxy = new ChecksumListProxy(m_list, &window);
    m_listView->SetListModels(m_model, m_proxy);

    m_filterBar = new ListFilterBar(&window);
    connect(m_filterBar, &ListFilterBar::FilterChanged, this, &RunPresenter::OnFilterChanged);

    m_verdict = std::make_unique<VerdictStrip>(window, m_list, m_checksumViewShown);
    connect(m_verdict.get(), &VerdictStrip::ShowProblemsRequested, this,
            [this] { m_filterBar->SetFilter(RowFilter::Problems); });

    m_rowMenu = new ChecksumRowMenu(
        m_list, *m_model, *m_listView, *desktop, [this] { return CanVerifySelected(); },
        [this] { emit CommandRequested(CommandId::StartPause); });
    m_rowMenu->SetOpenFailed([this](const QString& folder) {
        m_dialogs.ShowErrorWithDetail(&m_window, OpenFailedText(folder), tr("No program to open folders was found."));
    });
    m_rowMenu->SetShowUnlisted([this] { UnlistedNote::Show(m_window, m_dialogs, m_list, m_sources); });

    m_listView->SetFullRowSelect(true);
    m_listView->setVisible(m_checksumViewShown());
    m_listView->setAccessibleName(tr("Checksum list"));

    m_reportTimer.setInterval(kReportIntervalMs);
    connect(&m_reportTimer, &QTimer::timeout, this, &RunPresenter::ApplyRunReports);
}

RunPresenter::~RunPresenter()
{
    // The view, its row menu, the proxy and the model are the window's children but read
    // the list this presenter owns: they go now, while the list is still there, not
    // later with the window's other children.
    delete m_listView;
    delete m_proxy;
    delete m_model;
}

void RunPresenter::SetUpToolbar(MainToolbar& toolbar)
{
    m_toolbar = &toolbar;
}

void RunPresenter::SetUpProgressPanel()
{
    m_progressPanel = new ProgressPanel(&m_window);
    m_progressPanel->setVisible(m_panelShown && m_checksumViewShown());
    m_liveProgress = std::make_unique<LiveProgress>(m_list, *m_progressPanel);
    m_runClock.start();
}

void RunPresenter::SetUpStatusBar()
{
    m_statusBar = new StatusBarParts(&m_window);
    // Saving the results the totals count: Ctrl+S anywhere in the window, or the
    // totals' own context menu.
    m_saveReportAction = new QAction(tr("Save &Report..."), &m_window);
    m_saveReportAction->setObjectName(QStringLiteral("saveReportAction"));
    m_saveReportAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_saveReportAction->setEnabled(false);
    connect(m_saveReportAction, &QAction::triggered, this, [this] { emit CommandRequested(CommandId::SaveReport); });
    m_window.addAction(m_saveReportAction);
    m_statusBar->addAction(m_saveReportAction);
    m_statusBar->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_statusBar->setToolTip(tr("Right-click or press Ctrl+S to save a report of these results"));
    m_list.SetCounters(0, 0, 0, 0);
    UpdateStatusBar();
}

void RunPresenter::ShowReadList(ChecksumListContent content, int improperLines, bool verifyAfter,
                                OpenedListSources sources)
{
    // No run is active while Open is available; a paused or stopped worker may still be
    // finishing its last block.
    m_controller.WaitForWorker();
    m_verdict->Hide();
    m_model->BeginReplace();
    m_list.Replace(std::move(content));
    m_model->EndReplace();
    m_sources = std::move(sources);
    ShowLoadWarnings(improperLines);
    UpdateStatusBar();
    m_listView->viewport()->update();
    m_listView->FitColumns();
    if (m_list.RowCount() == 0) {
        // No checksum line: say so rather than show an empty list.
        m_verdict->ShowEmptyList();
    } else if (!verifyAfter) {
        m_verdict->ShowListedNote();
    }
}

void RunPresenter::StartAutoVerification()
{
    m_controller.StartAutoVerification();
    ApplyRunReports();
}

void RunPresenter::StartPause()
{
    m_controller.StartPause();
    ApplyRunReports();
}

void RunPresenter::Stop()
{
    m_controller.Stop();
    ApplyRunReports();
}

void RunPresenter::Shutdown()
{
    m_controller.Shutdown();
}

// What a load skipped or found unusable, shown without interrupting: as the status
// bar's tooltip (empty when there is nothing to say).
void RunPresenter::ShowLoadWarnings(int improperLines)
{
    QStringList lines;
    for (const std::string& warning : LoadWarnings(m_list, improperLines)) {
        lines.append(WidePath(warning));
    }
    m_statusBar->setToolTip(lines.join(QLatin1Char('\n')));
}

bool RunPresenter::CanVerifySelected() const
{
    // Start/Pause starts a run over the selection only while no run is under way and
    // the toolbar offers it.
    const QAction* startPause = m_toolbar != nullptr ? m_toolbar->Action(CommandId::StartPause) : nullptr;
    return startPause != nullptr && startPause->isEnabled() && m_list.GetRunState() == RunState::Stopped &&
           m_list.SelectedCount() > 0;
}

void RunPresenter::OnFilterChanged(RowFilter filter, const QString& nameText)
{
    m_proxy->SetFilter(filter, nameText);
    // Rows the filter hides are no longer selected, unless a run may still need them.
    if (m_list.GetRunState() == RunState::Stopped) {
        m_listView->SyncSelectionToList();
    }
}

void RunPresenter::NoteRunEvent(RunEvent event)
{
    if (event == RunEvent::Started || event == RunEvent::SelectedRowsStarted) {
        m_listView->FollowRun();
    }
    m_verdict->NoteRunEvent(event);
}

void RunPresenter::ShowChecksumSide(bool shown)
{
    if (shown) {
        m_filterBar->show();
        m_listView->show();
        m_verdict->Bar()->setVisible(m_verdict->Shown());
        m_progressPanel->setVisible(m_panelShown);
        m_listView->setFocus();
        ApplyToolbarTrigger(ToolbarTrigger::ChecksumView);
    } else {
        m_listView->hide();
        m_filterBar->hide();
        m_verdict->Bar()->hide();
        m_progressPanel->hide();
    }
}

void RunPresenter::ShowProgressPanel(bool show)
{
    m_panelShown = show;
    m_progressPanel->setVisible(show && m_checksumViewShown());
    ActivateLayout(m_window);
}

void RunPresenter::UpdateStatusBar()
{
    m_statusBar->SetTexts(StatusBarPartTexts(m_list.GetCounters()));
    RefreshSaveReportAction();
}

void RunPresenter::RefreshAllRowSizes(int sizeType)
{
    const std::vector<std::uint64_t> sizes = QueryEntrySizes(m_list.BaseFolder(), m_list.Rows(), m_list.AllRowTraits());
    m_list.SetSizeType(sizeType);
    for (std::size_t row = 0; row < sizes.size(); ++row) {
        m_list.SetRowSize(static_cast<int>(row), sizes[row]);
    }
    m_model->AllRowsChanged();
}

bool RunPresenter::CanSaveReport() const
{
    return !(m_isLoading && m_isLoading()) && m_list.RowCount() > 0 && m_list.GetRunState() != RunState::Running;
}

void RunPresenter::RefreshSaveReportAction()
{
    if (m_saveReportAction != nullptr) {
        m_saveReportAction->setEnabled(CanSaveReport());
    }
}

void RunPresenter::OnSaveReportCommand()
{
    if (!CanSaveReport()) {
        return;
    }
    const QFileInfo list(QString::fromStdString(m_list.ListPath()));
    const QString suggested = list.absoluteDir().filePath(list.completeBaseName() + QStringLiteral(".txt"));
    const std::optional<SaveListAnswer> answer = m_dialogs.AskReportToSave(&m_window, suggested, ReportFilters());
    if (!answer || answer->path.isEmpty()) {
        return;
    }
    const ReportFileChoice choice = ChooseReportFile(answer->path, answer->filterIndex);
    const std::string failure = SaveResultReport(m_list, choice.format, choice.path.toStdString());
    if (!failure.empty()) {
        m_dialogs.ShowError(&m_window, QString::fromStdString(failure));
    }
}

void RunPresenter::WakeForRunReports(bool urgent)
{
    // Any thread: the first report after a take schedules the next one. Reports that
    // follow while the refresh timer runs wait for its next tick, except the end of a
    // run, which is applied at once.
    QMetaObject::invokeMethod(
        this,
        [this, urgent] {
            if (urgent || !m_reportTimer.isActive()) {
                ApplyRunReports();
            }
            if (!m_reportTimer.isActive()) {
                m_reportTimer.start();
            }
        },
        Qt::QueuedConnection);
}

void RunPresenter::ApplyToolbarTrigger(ToolbarTrigger trigger)
{
    const ToolbarChange change = ToolbarChangeFor(trigger);
    ApplyToolbarChange(*m_toolbar, change);
    if (change.panelShown) {
        ShowProgressPanel(*change.panelShown);
    }
    RefreshSaveReportAction();
}

void RunPresenter::ApplyRunReports()
{
    ApplyReports(m_observer.Take());
}

void RunPresenter::ApplyReports(const WindowRunObserver::Reports& reports)
{
    int workersEnded = 0;
    for (const RunEvent event : reports.events) {
        NoteRunEvent(event);
        m_liveProgress->OnRunEvent(event, m_observer.BytesRead(), RunClockSeconds());
        if (const std::optional<ToolbarTrigger> trigger = ToolbarTriggerOf(event)) {
            ApplyToolbarTrigger(*trigger);
        } else if (event == RunEvent::WorkerEnded) {
            ++workersEnded;
        }
    }
    if (reports.allRowsChanged) {
        m_model->AllRowsChanged();
    } else if (reports.firstChangedRow >= 0) {
        m_model->RowsChanged(reports.firstChangedRow, reports.lastChangedRow);
    }
    if (reports.scrollRow >= 0) {
        m_listView->ScrollToRunRow(reports.scrollRow);
    }
    if (reports.statusBar) {
        UpdateStatusBar();
    }
    if (m_panelShown) {
        m_progressPanel->SetPosition(m_observer.ProgressPosition());
        if (m_liveProgress->Phase() == RunPhase::Running) {
            m_liveProgress->Refresh(m_observer.BytesRead(), RunClockSeconds());
        }
    }
    if (workersEnded > 0) {
        // Rows a filter took out of view while the run needed them selected are not
        // selected on screen; the list follows the screen again.
        m_listView->SyncSelectionToList();
        m_verdict->RefreshAfterWorker();  // what the worker's last block found
        m_finishedRuns += workersEnded;
        emit RunEnded();
    }
    // The timer keeps the progress bar moving while a run is running; idle, it stops.
    if (reports.Empty() && m_list.GetRunState() != RunState::Running) {
        m_reportTimer.stop();
    }
}

double RunPresenter::RunClockSeconds() const
{
    return static_cast<double>(m_runClock.nsecsElapsed()) / 1e9;
}
