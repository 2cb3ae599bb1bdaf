#include "mainwindow.h"

#include "abortflag.h"
#include "checksumlistmodel.h"
#include "checksumlistview.h"
#include "commandline.h"
#include "desktopservices.h"
#include "desktopassociations.h"
#include "filesystemnamespace.h"
#include "folderbrowser.h"
#include "listloader.h"
#include "liveprogress.h"
#include "mainlayout.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "progresspanel.h"
#include "statusbarparts.h"
#include "toolbaricons.h"
#include "windowtitle.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QSplitter>
#include <QKeySequence>
#include <QTableView>

namespace {

// The first size of the window before any stored position applies.
constexpr int kInitialWidth = 588;
constexpr int kInitialHeight = 500;
constexpr int kStartupTimerMs = 100;  // timer 1001
constexpr int kReportIntervalMs = 33; // about 30 refreshes a second during a run

}  // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent)
    : QWidget(parent), m_options(std::move(options)), m_splitterPos(kInitialSplitterPos),
      m_observer([this](bool urgent) { WakeForRunReports(urgent); }), m_controller(m_list, m_observer)
{
    if (m_options.dialogs == nullptr) {
        m_ownDialogs = std::make_unique<QtModalDialogs>();
        m_dialogs = m_ownDialogs.get();
    } else {
        m_dialogs = m_options.dialogs;
    }
    setObjectName(QStringLiteral("mainWindow"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAcceptDrops(true);

    // Title and icon. Linux desktops have no window menu to add "About" to; the About
    // command of the toolbar is the way there.
    setWindowIcon(ApplicationIcon());
    setWindowTitle(MainWindowTitle());
    resize(kInitialWidth, kInitialHeight);
    setMinimumSize(kMinWindowWidth, kMinWindowHeight);

    SetUpChecksumList();
    // Fonts: the stored list font or the default, and the default for the header.
    m_defaultFont = DefaultFontRecord(logicalDpiY());
    m_settings = ReadSettings();
    ApplyListFont(m_settings.listFontStored ? m_settings.listFont : m_defaultFont);
    ApplyHeaderFont(m_defaultFont);
    SetUpToolbar();
    SetUpProgressPanel();
    SetUpStatusBar();
    SetUpBrowser();
    m_checksumView = true;
    SetUpLayout();
    ShowView();
    DesktopAssociations().RegisterDocumentType(this, *m_dialogs);
    ApplyLoadedSettings();

    m_reportTimer.setInterval(kReportIntervalMs);
    connect(&m_reportTimer, &QTimer::timeout, this, &MainWindow::ApplyRunReports);

    m_startupTimer.setInterval(kStartupTimerMs);
    connect(&m_startupTimer, &QTimer::timeout, this, &MainWindow::OnStartupTimer);
    m_startupTimer.start();
}

MainWindow::~MainWindow()
{
    m_closing = true;
    StopGeneration();
    m_controller.Shutdown();
    if (m_loader != nullptr) {
        m_loader->Wait();
    }
    (void)EndLoadWait();
}

void MainWindow::ShowInitially()
{
    const WindowPosRecord& pos = m_settings.windowPos;
    if (m_settings.windowPosStored && pos.savePosition != 0 && pos.maximized != 0) {
        showMaximized();
    } else {
        show();
    }
    NoteWhereSettingsGo();
}

bool MainWindow::IsLoading() const noexcept
{
    return m_loader != nullptr && m_loader->IsRunning();
}

void MainWindow::SetUpChecksumList()
{
    m_listView = new ChecksumListView(m_list, this);
    m_model = new ChecksumListModel(m_list, this);
    m_model->setObjectName(QStringLiteral("checksumListModel"));
    SetUpResultsView();
    m_listView->SetFullRowSelect(true);
    m_listView->setVisible(m_checksumView);
    m_listView->setAccessibleName(tr("Checksum list"));
}

void MainWindow::SetUpToolbar()
{
    m_toolbar = new MainToolbar(this);
    connect(m_toolbar, &MainToolbar::CommandTriggered, this, &MainWindow::OnCommand);
    connect(m_toolbar->RecentFilesMenu(), &QMenu::aboutToShow, this,
            [this] { BuildRecentFilesMenu(*m_toolbar->RecentFilesMenu(), m_recentFiles); });
    // Quit from the keyboard; Escape, as in any main window, closes nothing.
    auto* quit = new QAction(tr("Quit"), this);
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);
    // Open belongs to the list view; Ctrl+O in the browser view goes there and opens.
    m_browserOpenAction = new QAction(tr("Open"), this);
    m_browserOpenAction->setObjectName(QStringLiteral("browserOpenAction"));
    m_browserOpenAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    m_browserOpenAction->setEnabled(false);
    connect(m_browserOpenAction, &QAction::triggered, this, [this] {
        m_checksumView = true;
        ShowView();
        OnOpenCommand();
    });
    addAction(m_browserOpenAction);
}

void MainWindow::SetUpProgressPanel()
{
    m_progressPanel = new ProgressPanel(this);
    m_progressPanel->setVisible(m_panelShown && m_checksumView);
    m_liveProgress = std::make_unique<LiveProgress>(m_list, *m_progressPanel);
    m_runClock.start();
}

void MainWindow::SetUpStatusBar()
{
    m_statusBar = new StatusBarParts(this);
    // Saving the results the totals count: Ctrl+S anywhere in the window, or the
    // totals' own context menu.
    m_saveReportAction = new QAction(tr("Save &Report..."), this);
    m_saveReportAction->setObjectName(QStringLiteral("saveReportAction"));
    m_saveReportAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    m_saveReportAction->setEnabled(false);
    connect(m_saveReportAction, &QAction::triggered, this, [this] { OnCommand(CommandId::SaveReport); });
    addAction(m_saveReportAction);
    m_statusBar->addAction(m_saveReportAction);
    m_statusBar->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_statusBar->setToolTip(tr("Right-click or press Ctrl+S to save a report of these results"));
    m_list.SetCounters(0, 0, 0, 0);
    UpdateStatusBar();
}

void MainWindow::SetUpBrowser()
{
    // The folder browser's two halves side by side in a splitter: the tree pane on the
    // left, the file list on the right.
    m_browserSplitter = new QSplitter(Qt::Horizontal, this);
    m_browserSplitter->setObjectName(QStringLiteral("browserSplitter"));
    m_browserSplitter->setHandleWidth(kSplitterWidth);
    m_browserSplitter->setChildrenCollapsible(false);
    m_browserSplitter->hide();
    connect(m_browserSplitter, &QSplitter::splitterMoved, this, [this](int x, int) { OnSplitterMoved(x); });

    m_browser = new FolderBrowser(
        std::make_unique<FileSystemNamespace>(),
        [this](const QString& caption, const QString& text) { m_dialogs->ShowCaptionedError(this, caption, text); },
        this);
    m_browser->FileList()->setAccessibleName(tr("Files"));
    connect(m_browser, &FolderBrowser::folderListRequested, this,
            [this](const QString& folder) { CreateFolderList(folder, 0); });
    InstallBrowserPanes(m_browser->TreePane(), m_browser->FileList());
}

void MainWindow::OpenFolderInBrowser(const QString& folder)
{
    if (m_checksumView) {
        m_toolbar->Action(CommandId::ViewToggle)->trigger();
    }
    m_browser->NavigateToPath(QFileInfo(folder).absoluteFilePath());
    m_fileList->setFocus();
}

void MainWindow::OnStartupTimer()
{
    if (!isVisible()) {
        return;
    }
    m_startupTimer.stop();
    const QString path = CommandLineListPath(m_options.arguments);
    if (!path.isEmpty() && QFileInfo(path).isDir()) {
        OpenFolderInBrowser(path);
    } else if (!path.isEmpty()) {
        OpenAndVerifyChecksumList(path);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Whatever runs stops at its next check; the settings are saved; then the worker
    // and a list still being read are waited for, before anything they use goes away.
    g_abort.store(1, std::memory_order_relaxed);
    SaveSettings();
    m_closing = true;
    m_startupTimer.stop();
    StopGeneration();  // the lines written so far stay
    m_controller.Shutdown();
    if (m_loader != nullptr) {
        m_loader->Wait();
    }
    (void)EndLoadWait();
    event->accept();
}
