#pragma once

// The main window builds its collaborators and wires them; each owns its part:
//   ListOpener      the open list: opening and reading a list or a folder of lists,
//                   recent files, the title
//   RunPresenter    the verification: the list, its run, model and view, the toolbar's
//                   states during a run, the progress panel, status bar and reports,
//                   the row menu (its "Files not in any list" note: UnlistedNote)
//   VerdictStrip    the strip under the list: a run's verdict, a list's note
//   ListCreator     making a new list: the selection or a folder of the tree (one list
//                   or one per folder), the Save step, its run and dialog
//   WindowViews     the checksum and browser views, the layout, the splitter
//   WindowSettings  reading, applying and saving the settings; "Properties"
// The window itself keeps the command dispatcher, start-up, close and drops.

#include "commandid.h"

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class ChecksumList;
class ChecksumListModel;
class ChecksumListProxy;
class ChecksumListView;
class ChecksumRowMenu;
class DesktopServices;
class FolderBrowser;
class GenerateDialog;
class ListCreator;
class ListFilterBar;
class ListOpener;
class MainToolbar;
class ModalDialogs;
class ProgressPanel;
class QAction;
class RecentFiles;
class RunPresenter;
class StatusBarParts;
class VerdictBar;
class WindowSettings;
class WindowViews;
struct Settings;

struct MainWindowOptions {
    QString iniPath;                  // the settings file; empty: none is read or written
    QString iniReadPath;              // where the settings are read from; empty: iniPath
    QStringList arguments;            // the command line, program name first
    ModalDialogs* dialogs = nullptr;  // not owned; nullptr: the Qt dialogs
    DesktopServices* desktop = nullptr;  // not owned; nullptr: the system's
};

class MainWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MainWindow(MainWindowOptions options, QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Shows the window, maximized when the stored window position asks for it.
    void ShowInitially();

    // The one dispatcher of toolbar and menu commands; other ids do nothing. A new
    // command gets its id in commandid.h, its button or item in MainToolbar and its
    // case here.
    void OnCommand(CommandId id);
    // Opening lists: see ListOpener.
    void OpenChecksumList(const QString& path);
    void OpenAndVerifyChecksumList(const QString& path);
    void OpenFolderOfLists(const QString& folder);
    void OpenRecentFile(int n);

    // The collaborators.
    [[nodiscard]] ListOpener& Opener() const noexcept { return *m_opener; }
    [[nodiscard]] RunPresenter& Run() const noexcept { return *m_run; }
    [[nodiscard]] ListCreator& Creator() const noexcept { return *m_creator; }
    [[nodiscard]] WindowViews& Views() const noexcept { return *m_views; }
    [[nodiscard]] WindowSettings& SettingsKeeper() const noexcept { return *m_settings; }

    // What tests and the benchmark look at.
    [[nodiscard]] const ChecksumList& List() const noexcept;
    [[nodiscard]] const RecentFiles& Recent() const noexcept;
    [[nodiscard]] const Settings& CurrentSettings() const noexcept;
    [[nodiscard]] MainToolbar* Toolbar() const noexcept { return m_toolbar; }
    [[nodiscard]] ChecksumListView* ListView() const noexcept;
    [[nodiscard]] ChecksumListModel* ListModel() const noexcept;
    // What the list view shows of the model: sorted and filtered rows.
    [[nodiscard]] ChecksumListProxy* ListProxy() const noexcept;
    [[nodiscard]] ListFilterBar* FilterBar() const noexcept;
    [[nodiscard]] VerdictBar* Verdict() const noexcept;
    [[nodiscard]] ChecksumRowMenu* RowMenu() const noexcept;
    [[nodiscard]] StatusBarParts* StatusBar() const noexcept;
    [[nodiscard]] ProgressPanel* Panel() const noexcept;
    [[nodiscard]] QAction* SaveReportAction() const noexcept;
    // The folder browser: the current folder and the records of the selected files.
    [[nodiscard]] FolderBrowser* Browser() const noexcept;
    [[nodiscard]] bool IsLoading() const noexcept;
    [[nodiscard]] bool StartupTimerActive() const noexcept { return m_startupTimer.isActive(); }
    [[nodiscard]] bool AlwaysOnTop() const noexcept { return m_alwaysOnTop; }
    [[nodiscard]] int FinishedRuns() const noexcept;
    // The progress dialog of the generation run under way, or null.
    [[nodiscard]] GenerateDialog* OpenGenerateDialog() const noexcept;
    [[nodiscard]] int FinishedGenerations() const noexcept;

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
    void SetUpToolbar();
    void OnStartupTimer();
    void OnGenerationEnded();
    void ToggleAlwaysOnTop();
    // Stops what runs and waits for it (the window is closing or going away).
    void StopEverything();

    MainWindowOptions m_options;
    std::unique_ptr<ModalDialogs> m_ownDialogs;
    ModalDialogs* m_dialogs;

    MainToolbar* m_toolbar = nullptr;
    QAction* m_browserOpenAction = nullptr;  // Ctrl+O while the browser view is shown
    bool m_alwaysOnTop = false;
    bool m_closing = false;
    QTimer m_startupTimer;   // timer 1001: opens the command-line list once visible

    // In this order: the run goes last, after everything that uses it.
    std::unique_ptr<RunPresenter> m_run;
    std::unique_ptr<WindowSettings> m_settings;
    std::unique_ptr<ListOpener> m_opener;
    std::unique_ptr<WindowViews> m_views;
    std::unique_ptr<ListCreator> m_creator;
};
