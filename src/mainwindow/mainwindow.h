#pragma once

// The main window. How its pieces fit together:
//   mainwindow.cpp      start-up in its fixed order, the command-line timer, close
//   maincommands.cpp    the command dispatcher (4999-5011, 32771-32804) and commands
//   maincreate.cpp      creating a list from the browser's selection (its run on a worker)
//   mainopen.cpp        opening a list (read off the GUI thread), recent files, drops
//   mainreport.cpp      saving the last run's results as a text or CSV report
//   mainview.cpp        layout, the two views, splitter, progress panel, status bar
//   mainrunreports.cpp  applying what the verification run reports, in batches
//   mainsettings.cpp    reading and saving the settings, fonts and row colours
//   mainresults.cpp     sorting and filtering the list, the row menu, the run's verdict
// The verification run itself lives in src/runs; the window is its observer.

#include "checksumlist.h"
#include "checksumlistproxy.h"
#include "commandid.h"
#include "chosenfiles.h"
#include "generatedialog.h"
#include "generationoutcome.h"
#include "recentfiles.h"
#include "settings.h"
#include "toolbarstates.h"
#include "verifycontroller.h"
#include "windowrunobserver.h"

#include <QElapsedTimer>
#include <QFont>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>
#include <utility>
#include <vector>

class ChecksumListModel;
class ChecksumListProxy;
class ChecksumRowMenu;
struct SaveListAnswer;
class DesktopServices;
class ListFilterBar;
class VerdictBar;
struct ChosenFiles;
struct HeadOutcome;
class FolderBrowser;
class ChecksumListView;
class ListLoader;
class QAction;
class LiveProgress;
class MainToolbar;
class ModalDialogs;
class ProgressPanel;
class QMimeData;
class QSplitter;
class StatusBarParts;

struct MainWindowOptions {
    QString iniPath;                  // the settings file; empty: none is read or written
    QString iniReadPath;              // where the settings are read from; empty: iniPath
    QStringList arguments;            // the command line, program name first
    ModalDialogs* dialogs = nullptr;  // not owned; nullptr: the Qt dialogs
    DesktopServices* desktop = nullptr;  // not owned; nullptr: the system's
};

class MainWindow final : public QWidget {
    Q_OBJECT
    // The settings dialog's view of the window: it reads and writes the settings here.
    friend class MainSettingsHost;

public:
    explicit MainWindow(MainWindowOptions options, QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window, maximized when the stored window position asks for it.
    void ShowInitially();

    // The one dispatcher of toolbar and menu commands; other ids do nothing.
    void OnCommand(CommandId id);
    // Makes the path absolute, checks the kind and reads the list (off the GUI thread;
    // the list commands wait meanwhile). A list that was read becomes the title and the
    // newest recent file; after a failed read both keep naming the list on screen.
    void OpenChecksumList(const QString& path);
    // Opens a list and verifies all of it at once, as for a list named on the command
    // line; the run starts also when the list cannot be read (it then covers no rows).
    void OpenAndVerifyChecksumList(const QString& path);
    // Opens every list beneath `folder` as one list, names relative to the folder.
    void OpenFolderOfLists(const QString& folder);
    // "Files not in any list": the files of the folders the open list covers that no
    // row names, shown in a note.
    void ShowUnlistedFiles();
    void OpenRecentFile(int n);
    void AddRecentFile(const QString& path);
    // Creates a list of the files selected in the browser: asks where (and for kind 0
    // which kind: 1 SFV, 2 MD5), writes an SFV head, then starts the generation run
    // behind its window-modal progress dialog. True when the run was started; its end
    // arrives as GenerationEnded.
    bool CreateChecksumFile(int requestedKind);
    // The same for every file beneath `folder` (a folder of the browser's tree), named
    // relative to the list, as tallyfox-create lists a folder.
    bool CreateFolderList(const QString& folder, int requestedKind);
    // The Save dialog for a new list in the current folder. Returns the kind (1 or 2)
    // and sets the path, with its extension, or 0 when the user cancelled.
    // With `folderChoices`, the Save dialog of a list of a whole folder, whose two
    // choices (one list per folder, hidden files) land there.
    int ChooseOutputFile(int& requestedKind, std::string& outputPath, SaveListAnswer* folderChoices = nullptr);
    // Shows the controls of the current view and sets the toolbar states that go with it.
    void ShowView();
    void ShowProgressPanel(bool show);
    void UpdateStatusBar();
    // Moves the browser view's splitter, within its limits.
    void SetSplitterPos(int x);
    // Puts the folder browser's tree (left) and file list (right) into the browser
    // view's splitter, in place of what stood there; the window owns them from then on.
    void InstallBrowserPanes(QWidget* tree, QWidget* files);

    // What tests and the benchmark look at.
    [[nodiscard]] const ChecksumList& List() const noexcept { return m_list; }
    [[nodiscard]] const RecentFiles& Recent() const noexcept { return m_recentFiles; }
    [[nodiscard]] const Settings& CurrentSettings() const noexcept { return m_settings; }
    [[nodiscard]] MainToolbar* Toolbar() const noexcept { return m_toolbar; }
    [[nodiscard]] ChecksumListView* ListView() const noexcept { return m_listView; }
    [[nodiscard]] ChecksumListModel* ListModel() const noexcept { return m_model; }
    // What the list view shows of the model: sorted and filtered rows.
    [[nodiscard]] ChecksumListProxy* ListProxy() const noexcept { return m_proxy; }
    [[nodiscard]] ListFilterBar* FilterBar() const noexcept { return m_filterBar; }
    [[nodiscard]] VerdictBar* Verdict() const noexcept { return m_verdictBar; }
    [[nodiscard]] ChecksumRowMenu* RowMenu() const noexcept { return m_rowMenu; }
    [[nodiscard]] StatusBarParts* StatusBar() const noexcept { return m_statusBar; }
    [[nodiscard]] ProgressPanel* Panel() const noexcept { return m_progressPanel; }
    [[nodiscard]] QAction* SaveReportAction() const noexcept { return m_saveReportAction; }
    // The folder browser: the current folder and the records of the selected files.
    [[nodiscard]] FolderBrowser* Browser() const noexcept { return m_browser; }
    [[nodiscard]] bool IsLoading() const noexcept;
    [[nodiscard]] bool StartupTimerActive() const noexcept { return m_startupTimer.isActive(); }
    [[nodiscard]] bool ChecksumViewShown() const noexcept { return m_checksumView; }
    [[nodiscard]] bool PanelShown() const noexcept { return m_panelShown; }
    [[nodiscard]] bool AlwaysOnTop() const noexcept { return m_alwaysOnTop; }
    [[nodiscard]] int SplitterPos() const noexcept { return m_splitterPos; }
    [[nodiscard]] int FinishedRuns() const noexcept { return m_finishedRuns; }
    // The progress dialog of the generation run under way, or null.
    [[nodiscard]] GenerateDialog* OpenGenerateDialog() const noexcept { return m_generateDialog; }
    [[nodiscard]] int FinishedGenerations() const noexcept { return m_finishedGenerations; }
    [[nodiscard]] const QFont& HeaderFont() const noexcept { return m_headerFont; }

signals:
    // A list read ended (loaded or failed).
    void ListLoadEnded();
    // A verification worker ended.
    void RunEnded();
    // A generation run ended and its messages were shown.
    void GenerationEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Start-up (mainwindow.cpp).
    void SetUpChecksumList();
    void SetUpToolbar();
    void SetUpProgressPanel();
    void SetUpStatusBar();
    void SetUpBrowser();
    // A folder named on the command line: the browser view at that folder.
    void OpenFolderInBrowser(const QString& folder);
    void OnStartupTimer();

    // Layout (mainview.cpp).
    void SetUpLayout();
    void LayoutChildren();
    void ApplySplitterPos();
    void OnSplitterMoved(int x);

    // Commands (maincommands.cpp).
    void OnOpenCommand();
    void OnPropertiesCommand();
    void ToggleAlwaysOnTop();
    void RefreshAllRowSizes();

    // Reports (mainreport.cpp): whether there are results to save, and saving them.
    [[nodiscard]] bool CanSaveReport() const;
    // The Save Report action is enabled while there are results to save.
    void RefreshSaveReportAction();
    void OnSaveReportCommand();
    // What "Properties" applies after the settings dialog closes, whatever its button:
    // full-row selection, and the size cells when the size display is not `sizeTypeBefore`.
    void ApplyListSettings(int sizeTypeBefore);

    // Creating lists (maincreate.cpp).
    [[nodiscard]] HeadOutcome WriteHeadWithRemark(const std::string& listPath, const ChosenFiles& chosen);
    void OnGenerationEnded();
    // Writes the SFV head (for kind 1) and starts the run behind its progress dialog.
    bool StartGeneration(int kind, const std::string& outputPath, ChosenFiles chosen,
                         std::vector<LeftOutFile> leftOut);
    // One list per folder: the next folder's list, after the one before has ended.
    bool StartNextFolderList();
    // Cancels a generation run and waits for its worker (the window is closing).
    void StopGeneration();
    // An error of creating the list at `outputPath`, with the system's reason when it is
    // "Create [%s] failed.".
    void ShowCreateError(const QString& text, const std::string& outputPath);

    // Opening lists (mainopen.cpp).
    void OpenList(const QString& givenPath, bool verifyAfter);
    void OnListLoaded();
    // The wait cursor and the held list commands while a list is being read.
    void BeginLoadWait(const QString& path);
    [[nodiscard]] QString EndLoadWait();
    void ShowLoadWarnings(int improperLines);
    [[nodiscard]] QString DroppedListPath(const QMimeData* mime) const;

    // Run reports (mainrunreports.cpp).
    void WakeForRunReports(bool urgent);
    void ApplyRunReports();
    void ApplyReports(const WindowRunObserver::Reports& reports);
    // Sets the toolbar states (and the progress panel) that go with `trigger`.
    void ApplyToolbarTrigger(ToolbarTrigger trigger);
    // Seconds on the run clock, for the live progress's samples.
    [[nodiscard]] double RunClockSeconds() const;

    // Results (mainresults.cpp).
    void SetUpResultsView();
    [[nodiscard]] bool CanVerifySelected() const;
    void OnFilterChanged(RowFilter filter, const QString& nameText);
    void NoteRunEventForResults(RunEvent event);
    void ShowRunVerdict();
    // The strip under a list just opened: "N files listed: press F5 to verify".
    void ShowListedNote();
    void HideVerdict();

    // Settings (mainsettings.cpp).
    [[nodiscard]] Settings ReadSettings() const;
    // Puts the settings read at start-up into effect (colours, size display, window
    // place, recent files).
    void ApplyLoadedSettings();
    void SaveSettings();
    // Where the settings are read from (the settings file unless they move).
    [[nodiscard]] QString IniReadPath() const;
    // Says once, without blocking, that settings read from an unwritable file now go elsewhere.
    void NoteWhereSettingsGo();
    void ApplyListFont(const FontRecord& record);
    void ApplyHeaderFont(const FontRecord& record);
    void ApplyFullRowSelect();
    void RefreshListLayout();

    MainWindowOptions m_options;
    std::unique_ptr<ModalDialogs> m_ownDialogs;
    ModalDialogs* m_dialogs;

    Settings m_settings;
    RecentFiles m_recentFiles;
    FontRecord m_defaultFont;
    QFont m_headerFont;

    MainToolbar* m_toolbar = nullptr;
    ChecksumListView* m_listView = nullptr;
    ChecksumListModel* m_model = nullptr;
    ChecksumListProxy* m_proxy = nullptr;
    ListFilterBar* m_filterBar = nullptr;
    VerdictBar* m_verdictBar = nullptr;
    ChecksumRowMenu* m_rowMenu = nullptr;
    std::unique_ptr<DesktopServices> m_ownDesktop;
    ProgressPanel* m_progressPanel = nullptr;
    StatusBarParts* m_statusBar = nullptr;
    QAction* m_saveReportAction = nullptr;  // Ctrl+S and the status bar's context menu
    QAction* m_browserOpenAction = nullptr;  // Ctrl+O while the browser view is shown
    QSplitter* m_browserSplitter = nullptr;
    FolderBrowser* m_browser = nullptr;  // owns the current folder and the file records
    QWidget* m_folderTree = nullptr;     // the browser's tree pane
    QWidget* m_fileList = nullptr;
    ListLoader* m_loader = nullptr;

    int m_splitterPos;
    bool m_checksumView = true;
    bool m_panelShown = false;
    bool m_alwaysOnTop = false;
    bool m_closing = false;

    QString m_loadingPath;
    bool m_verifyAfterLoad = false;
    bool m_loadingFolder = false;
    bool m_folderOpen = false;              // the list on screen is a folder of lists
    std::vector<std::string> m_openLists;   // the list files it was read from
    // One list per folder: the lists still to make (path, files), one run after another.
    std::vector<std::pair<std::string, std::vector<std::string>>> m_folderListsToMake;
    int m_folderListKind = 0;

    QTimer m_startupTimer;   // timer 1001: opens the command-line list once visible
    QTimer m_reportTimer;    // applies run reports about 30 times a second
    QElapsedTimer m_runClock;  // the time of each progress sample
    std::unique_ptr<LiveProgress> m_liveProgress;
    int m_finishedRuns = 0;
    int m_runTotal = 0;          // rows the current or last run was to check
    bool m_verdictDue = false;   // a run started and has not ended yet
    bool m_verdictStopped = false;
    bool m_verdictShown = false; // the verdict strip is up (in the checksum view)
    QPointer<GenerateDialog> m_generateDialog;  // a child of the window
    int m_finishedGenerations = 0;

    // The list, the run's observer and the controller, in this order: the controller
    // goes first and joins the worker before the others are destroyed.
    ChecksumList m_list;
    WindowRunObserver m_observer;
    VerifyController m_controller;
};
