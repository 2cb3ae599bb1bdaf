// Layout of the main window, its two views, the browser view's splitter, the progress
// panel and the status bar.

#include "mainwindow.h"

#include "checksumlistview.h"
#include "filelistview.h"
#include "listfilterbar.h"
#include "verdictbar.h"
#include "mainlayout.h"
#include "maintoolbar.h"
#include "progresspanel.h"
#include "statusbarparts.h"
#include "windowtexts.h"

#include <QSplitter>
#include <QTableView>
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

void MainWindow::SetUpLayout()
{
    // Top to bottom: the toolbar, the view (the checksum list or the browser), the
    // progress panel while a run is shown, and the status bar. Hidden rows take no room.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolbar->setFixedHeight(ToolbarHeightOr30(m_toolbar->sizeHint().height()));
    m_progressPanel->setFixedHeight(kProgressPanelHeight);
    m_statusBar->setFixedHeight(kStatusBand);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_filterBar);
    layout->addWidget(m_listView, 1);
    layout->addWidget(m_verdictBar);
    layout->addWidget(m_browserSplitter, 1);
    layout->addWidget(m_progressPanel);
    layout->addWidget(m_statusBar);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitFileListColumns(m_fileList);
}

void MainWindow::LayoutChildren()
{
    // Applies a change of what is shown at once rather than at the next event.
    if (QLayout* own = layout()) {
        own->activate();
    }
}

void MainWindow::ShowView()
{
    if (m_checksumView) {
        m_browserSplitter->hide();
        m_filterBar->show();
        m_listView->show();
        m_verdictBar->setVisible(m_verdictShown);
        m_progressPanel->setVisible(m_panelShown);
        m_listView->setFocus();
        ApplyToolbarTrigger(ToolbarTrigger::ChecksumView);
    } else {
        m_listView->hide();
        m_filterBar->hide();
        m_verdictBar->hide();
        m_progressPanel->hide();
        m_browserSplitter->show();
        m_fileList->setFocus();
        ApplyToolbarTrigger(ToolbarTrigger::BrowserView);
    }
    // Enabled only where the toolbar's Open is not, so the two never share the key.
    m_browserOpenAction->setEnabled(!m_checksumView);
    LayoutChildren();
    if (!m_checksumView) {
        ApplySplitterPos();
        // The list may have been filled or resized while hidden.
        FitFileListColumns(m_fileList);
    }
}

void MainWindow::ShowProgressPanel(bool show)
{
    m_panelShown = show;
    m_progressPanel->setVisible(show && m_checksumView);
    LayoutChildren();
}

void MainWindow::UpdateStatusBar()
{
    m_statusBar->SetTexts(StatusBarPartTexts(m_list.GetCounters()));
    RefreshSaveReportAction();
}

void MainWindow::InstallBrowserPanes(QWidget* tree, QWidget* files)
{
    // The folder tree keeps its width when the window changes size; the file list
    // takes the rest. The tree never gets narrower than 81 pixels and the splitter
    // stops short of the last 150 pixels.
    tree->setMinimumWidth(kSplitterMinX + 1);
    files->setMinimumWidth(kFileListMinWidth - kSplitterWidth + 1);
    if (m_folderTree != nullptr) {
        m_browserSplitter->replaceWidget(0, tree);
        m_browserSplitter->replaceWidget(1, files);
        m_folderTree->deleteLater();
        m_fileList->deleteLater();
    } else {
        m_browserSplitter->addWidget(tree);
        m_browserSplitter->addWidget(files);
    }
    m_folderTree = tree;
    m_fileList = files;
    m_browserSplitter->setStretchFactor(0, 0);
    m_browserSplitter->setStretchFactor(1, 1);
    if (m_browserSplitter->isVisible()) {
        ApplySplitterPos();
    }
}

void MainWindow::ApplySplitterPos()
{
    m_browserSplitter->setSizes({m_splitterPos, std::max(0, m_browserSplitter->width() - m_splitterPos - kSplitterWidth)});
}

void MainWindow::SetSplitterPos(int x)
{
    if (!SplitterMoveAllowed(x, m_splitterPos, width())) {
        return;
    }
    m_splitterPos = x;
    ApplySplitterPos();
    FitFileListColumns(m_fileList);
}

void MainWindow::OnSplitterMoved(int x)
{
    m_splitterPos = x;
    FitFileListColumns(m_fileList);
}
