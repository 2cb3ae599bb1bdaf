#pragma once

#include "checksumlist.h"
#include "checksumlistproxy.h"
#include "commandid.h"
#include "listopener.h"
#include "toolbarstates.h"
#include "verifycontroller.h"
#include "windowrunobserver.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class ChecksumListModel;
class ChecksumListView;
class ChecksumRowMenu;
class DesktopServices;
class ListFilterBar;
class LiveProgress;
class MainToolbar;
class ModalDialogs;
class ProgressPanel;
class QAction;
class QWidget;
class StatusBarParts;
class VerdictStrip;

// The verification side of the window: the opened list, the run (controller and its
// observer), the list's model, proxy and view with the filter bar and row menu, the
// verdict strip, the progress panel, the status bar and Save Report. The run's reports
// reach the screen in ApplyReports, in batches about 30 times a second; the toolbar's
// states follow the run's events through the table in toolbarstates.h.
//
// Made in steps, so the window's children keep their order: the list's widgets first,
// then (after the toolbar) the progress panel and the status bar.
class RunPresenter final : public QObject, public OpenedListSink {
    Q_OBJECT

public:
    // `desktop` may be null: the system's is used. `checksumViewShown` says whether the
    // checksum view is the one shown.
    RunPresenter(QWidget& window, ModalDialogs& dialogs, DesktopServices* desktop,
                 std::function<bool()> checksumViewShown);
    ~RunPresenter() override;
    RunPresenter(const RunPresenter&) = delete;
    RunPresenter& operator=(const RunPresenter&) = delete;

    void SetUpToolbar(MainToolbar& toolbar);
    void SetUpProgressPanel();
    void SetUpStatusBar();
    // Says whether a list is being read (no report can be saved meanwhile).
    void SetLoadingQuery(std::function<bool()> isLoading) { m_isLoading = std::move(isLoading); }

    // OpenedListSink.
    void ShowReadList(ChecksumListContent content, int improperLines, bool verifyAfter,
                      OpenedListSources sources) override;
    void StartAutoVerification() override;

    // The run's commands; the run's events set the buttons' look.
    void StartPause();
    void Stop();
    void OnSaveReportCommand();
    // Applies what the run reported so far.
    void ApplyRunReports();
    // Sets the toolbar states (and the progress panel) that go with `trigger`.
    void ApplyToolbarTrigger(ToolbarTrigger trigger);
    void ShowProgressPanel(bool show);
    // Shows the checksum view's widgets (and gives the list the focus), or hides them.
    void ShowChecksumSide(bool shown);
    void UpdateStatusBar();
    // The size display changed: every row's size text anew.
    void RefreshAllRowSizes(int sizeType);
    // Stops the run and joins its worker (the window is closing).
    void Shutdown();

    [[nodiscard]] ChecksumList& List() noexcept { return m_list; }
    [[nodiscard]] const ChecksumList& List() const noexcept { return m_list; }
    [[nodiscard]] VerifyController& Controller() noexcept { return m_controller; }
    [[nodiscard]] ChecksumListView* ListView() const noexcept { return m_listView; }
    [[nodiscard]] ChecksumListModel* ListModel() const noexcept { return m_model; }
    [[nodiscard]] ChecksumListProxy* ListProxy() const noexcept { return m_proxy; }
    [[nodiscard]] ListFilterBar* FilterBar() const noexcept { return m_filterBar; }
    [[nodiscard]] VerdictStrip& Verdict() const noexcept { return *m_verdict; }
    [[nodiscard]] ChecksumRowMenu* RowMenu() const noexcept { return m_rowMenu; }
    [[nodiscard]] ProgressPanel* Panel() const noexcept { return m_progressPanel; }
    [[nodiscard]] StatusBarParts* StatusBar() const noexcept { return m_statusBar; }
    [[nodiscard]] QAction* SaveReportAction() const noexcept { return m_saveReportAction; }
    [[nodiscard]] bool PanelShown() const noexcept { return m_panelShown; }
    [[nodiscard]] int FinishedRuns() const noexcept { return m_finishedRuns; }

signals:
    // Start/Pause from the row menu, Save Report from its action: through the window's
    // dispatcher like any command.
    void CommandRequested(CommandId id);
    // A verification worker ended.
    void RunEnded();

private:
    void WakeForRunReports(bool urgent);
    void ApplyReports(const WindowRunObserver::Reports& reports);
    [[nodiscard]] bool CanVerifySelected() const;
    [[nodiscard]] bool CanSaveReport() const;
    // The Save Report action is enabled while there are results to save.
    void RefreshSaveReportAction();
    void OnFilterChanged(RowFilter filter, const QString& nameText);
    void NoteRunEvent(RunEvent event);
    // What a load skipped or found unusable, as the status bar's tooltip.
    void ShowLoadWarnings(int improperLines);
    // Seconds on the run clock, for the live progress's samples.
    [[nodiscard]] double RunClockSeconds() const;

    QWidget& m_window;
    ModalDialogs& m_dialogs;
    std::function<bool()> m_checksumViewShown;
    std::function<bool()> m_isLoading;
    std::unique_ptr<DesktopServices> m_ownDesktop;

    MainToolbar* m_toolbar = nullptr;
    ChecksumListView* m_listView = nullptr;
    ChecksumListModel* m_model = nullptr;
    ChecksumListProxy* m_proxy = nullptr;
    ListFilterBar* m_filterBar = nullptr;
    std::unique_ptr<VerdictStrip> m_verdict;
    ChecksumRowMenu* m_rowMenu = nullptr;
    ProgressPanel* m_progressPanel = nullptr;
    StatusBarParts* m_statusBar = nullptr;
    QAction* m_saveReportAction = nullptr;  // Ctrl+S and the status bar's context menu
    bool m_panelShown = false;
    OpenedListSources m_sources;  // where the list on screen was read from

    QTimer m_reportTimer;      // applies run reports about 30 times a second
    QElapsedTimer m_runClock;  // the time of each progress sample
    std::unique_ptr<LiveProgress> m_liveProgress;
    int m_finishedRuns = 0;

    // The list, the run's observer and the controller, in this order: the controller
    // goes first and joins the worker before the others are destroyed.
    ChecksumList m_list;
    WindowRunObserver m_observer;
    VerifyController m_controller;
};
