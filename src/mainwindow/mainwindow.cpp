#include "mainwindow.h"

#include "abortflag.h"
#include "commandline.h"
#include "desktopassociations.h"
#include "folderbrowser.h"
#include "listcreator.h"
#include "listopener.h"
#include "mainlayout.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "runpresenter.h"
#include "toolbaricons.h"
#include "windowsettings.h"
#include "windowtitle.h"
#include "windowviews.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeySequence>
#include <QMenu>

namespace {

// The first size of the window before any stored position applies.
constexpr int kInitialWidth = 588;
constexpr int kInitialHeight = 500;
constexpr int kStartupTimerMs = 100;  // timer 1001

}  // namespace

MainWindow::MainWindow(MainWindowOptions options, QWidget* parent) : QWidget(parent), m_options(std::move(options))
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

    // The children are made in this order, which is also the order of the keyboard's
    // focus chain: the list's widgets, the toolbar, the progress panel, the status bar
    // and the browser.
    m_run = std::make_unique<RunPresenter>(*this, *m_dialogs, m_options.desktop,
                                           [this] { return m_views == nullptr || m_views->ChecksumViewShown(); });
    m_run->SetLoadingQuery([this] { return IsLoading(); });
    connect(m_run.get(), &RunPresenter::CommandRequested, this, &MainWindow::OnCommand);
    connect(m_run.get(), &RunPresenter::RunEnded, this, &MainWindow::RunEnded);
    m_settings = std::make_unique<WindowSettings>(*this, *m_run, *m_dialogs, m_options.iniPath, m_options.iniReadPath);
    m_settings->Load();
    SetUpToolbar();
    m_run->SetUpToolbar(*m_toolbar);
    m_opener = std::make_unique<ListOpener>(*this, *m_toolbar, *m_dialogs, *m_run,
                                            [this] { return m_settings->Current().sizeType; });
    connect(m_opener.get(), &ListOpener::LoadEnded, this, &MainWindow::ListLoadEnded);
    m_run->SetUpProgressPanel();
    m_run->SetUpStatusBar();
    m_views = std::make_unique<WindowViews>(*this, *m_toolbar, *m_run, *m_dialogs);
    m_creator = std::make_unique<ListCreator>(
        *this, *m_views->Browser(), *m_dialogs, [this] { return m_settings->Current().filesInFlight; },
        [this] { return m_views->FolderTreeHasFocus(); });
    connect(m_creator.get(), &ListCreator::Ended, this, &MainWindow::OnGenerationEnded);
    connect(m_views->Browser(), &FolderBrowser::folderListRequested, m_creator.get(),
            [this](const QString& folder) { m_creator->CreateFolderList(folder, 0); });
    m_views->SetUpLayout(*m_browserOpenAction);
    m_views->ShowView(true);
    DesktopAssociations().RegisterDocumentType(this, *m_dialogs);
    m_settings->ApplyLoaded(m_opener->Recent());

    m_startupTimer.setInterval(kStartupTimerMs);
    connect(&m_startupTimer, &QTimer::timeout, this, &MainWindow::OnStartupTimer);
    m_startupTimer.start();
}

MainWindow::~MainWindow()
{
    StopEverything();
}

void MainWindow::StopEverything()
{
    m_closing = true;
    m_opener->BeginClosing();
    m_creator->Shutdown();  // the lines written so far stay
    m_run->Shutdown();
    m_opener->WaitForLoad();
}

void MainWindow::ShowInitially()
{
    const Settings& settings = m_settings->Current();
    const WindowPosRecord& pos = settings.windowPos;
    if (settings.windowPosStored && pos.savePosition != 0 && pos.maximized != 0) {
        showMaximized();
    } else {
        show();
    }
    m_settings->NoteWhereSettingsGo();
}

void MainWindow::SetUpToolbar()
{
    m_toolbar = new MainToolbar(this);
    connect(m_toolbar, &MainToolbar::CommandTriggered, this, &MainWindow::OnCommand);
    connect(m_toolbar->RecentFilesMenu(), &QMenu::aboutToShow, this,
            [this] { BuildRecentFilesMenu(*m_toolbar->RecentFilesMenu(), m_opener->Recent()); });
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
        m_views->ShowView(true);
        m_opener->AskAndOpen();
    });
    addAction(m_browserOpenAction);
}

void MainWindow::OnStartupTimer()
{
    if (!isVisible()) {
        return;
    }
    m_startupTimer.stop();
    const QString path = CommandLineListPath(m_options.arguments);
    if (!path.isEmpty() && QFileInfo(path).isDir()) {
        m_views->OpenFolderInBrowser(path);
    } else if (!path.isEmpty()) {
        OpenAndVerifyChecksumList(path);
    }
}

void MainWindow::OnGenerationEnded()
{
    if (!m_views->ChecksumViewShown() && !m_closing) {
        m_views->FocusFileList();  // the keyboard goes on where it left off
    }
    emit GenerationEnded();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Whatever runs stops at its next check; the settings are saved; then the workers
    // and a list still being read are waited for, before anything they use goes away.
    g_abort.store(1, std::memory_order_relaxed);
    m_settings->Save(m_opener->Recent());
    m_startupTimer.stop();
    StopEverything();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_views != nullptr) {
        m_views->FitToWindow();
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!m_opener->DroppedListPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = m_opener->DroppedListPath(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenChecksumList(path);
}
