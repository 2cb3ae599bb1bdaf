// The main window's layout, its two views, the browser view's splitter.

#include "windowviews.h"

#include "filelistview.h"
#include "filesystemnamespace.h"
#include "folderbrowser.h"
#include "listfilterbar.h"
#include "checksumlistview.h"
#include "mainlayout.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "progresspanel.h"
#include "runpresenter.h"
#include "statusbarparts.h"
#include "verdictbar.h"
#include "verdictstrip.h"
#include "windowlayout.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The file list of the folder browser: "Name" takes what "Size" and "Date" leave.
void FitFileListColumns(QWidget* files)
{
    auto* fileList = qobject_cast<FileListView*>(files);
    if (fileList != nullptr && fileList->model() != nullptr && fileList->model()->columnCount() >= 3) {
        fileList->FitColumns();
    }
}

}  // namespace

WindowViews::WindowViews(QWidget& window, MainToolbar& toolbar, RunPresenter& run, ModalDialogs& dialogs)
    : m_window(window), m_toolbar(toolbar), m_run(run), m_splitterPos(kInitialSplitterPos)
{
    // The folder browser's two halves side by side in a splitter: the tree pane on the
    // left, the file list on the right.
    m_splitter = new QSplitter(Qt::Horizontal, &window);
    m_splitter->setObjectName(QStringLiteral("browserSplitter"));
    m_splitter->setHandleWidth(kSplitterWidth);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->hide();
    connect(m_splitter, &QSplitter::splitterMoved, this, [this](int x, int) { OnSplitterMoved(x); });

    m_browser = new FolderBrowser(
        std::make_unique<FileSystemNamespace>(),
        [&window, &dialogs](const QString& caption, const QString& text) {
            dialogs.ShowCaptionedError(&window, caption, text);
        },
        &window);
    m_browser->FileList()->setAccessibleName(tr("Files"));
    InstallBrowserPanes(m_browser->TreePane(), m_browser->FileList());
}

void WindowViews::SetUpLayout(QAction& browserOpen)
{
    m_browserOpen = &browserOpen;
    // Top to bottom: the toolbar, the view (the checksum list or the browser), the
    // progress panel while a run is shown, and the status bar. Hidden rows take no room.
    auto* layout = new QVBoxLayout(&m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolbar.setFixedHeight(ToolbarHeightOr30(m_toolbar.sizeHint().height()));
    m_run.Panel()->setFixedHeight(kProgressPanelHeight);
    m_run.StatusBar()->setFixedHeight(kStatusBand);
    layout->addWidget(&m_toolbar);
    layout->addWidget(m_run.FilterBar());
    layout->addWidget(m_run.ListView(), 1);
    layout->addWidget(m_run.Verdict().Bar());
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_run.Panel());
    layout->addWidget(m_run.StatusBar());
}

void WindowViews::FitToWindow()
{
    FitFileListColumns(m_fileList);
}

bool WindowViews::FolderTreeHasFocus() const
{
    return m_folderTree != nullptr && m_folderTree->isAncestorOf(QApplication::focusWidget());
}

void WindowViews::FocusFileList()
{
    m_fileList->setFocus();
}

void WindowViews::ShowView(bool checksumView)
{
    m_checksumView = checksumView;
    if (m_checksumView) {
        m_splitter->hide();
        m_run.ShowChecksumSide(true);
    } else {
        m_run.ShowChecksumSide(false);
        m_splitter->show();
        m_fileList->setFocus();
        m_run.ApplyToolbarTrigger(ToolbarTrigger::BrowserView);
    }
    // Enabled only where the toolbar's Open is not, so the two never share the key.
    m_browserOpen->setEnabled(!m_checksumView);
    ActivateLayout(m_window);
    if (!m_checksumView) {
        ApplySplitterPos();
        // The list may have been filled or resized while hidden.
        FitFileListColumns(m_fileList);
    }
}

void WindowViews::OpenFolderInBrowser(const QString& folder)
{
    if (m_checksumView) {
        m_toolbar.Action(CommandId::ViewToggle)->trigger();
    }
    m_browser->NavigateToPath(QFileInfo(folder).absoluteFilePath());
    m_fileList->setFocus();
}
void WindowViews::InstallBrowserPanes(QWidget* tree, QWidget* files)
{
    // The folder tree keeps its width when the window changes size; the file list
    // takes the rest. The tree never gets narrower than 81 pixels and the splitter
    // stops short of the last 150 pixels.
    tree->setMinimumWidth(kSplitterMinX + 1);
    files->setMinimumWidth(kFileListMinWidth - kSplitterWidth + 1);
    if (m_folderTree != nullptr) {
        m_splitter->replaceWidget(0, tree);
        m_splitter->replaceWidget(1, files);
        m_folderTree->deleteLater();
        m_fileList->deleteLater();
    } else {
        m_splitter->addWidget(tree);
        m_splitter->addWidget(files);
    }
    m_folderTree = tree;
    m_fileList = files;
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    if (m_splitter->isVisible()) {
        ApplySplitterPos();
    }
}

void WindowViews::ApplySplitterPos()
{
    m_splitter->setSizes({m_splitterPos, std::max(0, m_splitter->width() - m_splitterPos - kSplitterWidth)});
}

void WindowViews::SetSplitterPos(int x)
{
    if (!SplitterMoveAllowed(x, m_splitterPos, m_window.width())) {
        return;
    }
    m_splitterPos = x;
    ApplySplitterPos();
    FitFileListColumns(m_fileList);
}

void WindowViews::OnSplitterMoved(int x)
{
    m_splitterPos = x;
    FitFileListColumns(m_fileList);
}
