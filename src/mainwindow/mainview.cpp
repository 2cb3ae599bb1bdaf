// Layout of the main window, its two views, the browser view's splitter, the progress
// panel and the status bar.

#include "maindialog.h"

#include "checksumlistview.h"
#include "mainlayout.h"
#include "maintoolbar.h"
#include "progresspanel.h"
#include "statusbarparts.h"

#include <QMouseEvent>
#include <QTableView>
#include <QTreeView>

#include <algorithm>

namespace {

// The file list of the folder browser: "Name" takes what "Size" (90) and the date
// (120) leave.
void FitFileListColumns(QTableView& fileList)
{
    if (fileList.model() == nullptr || fileList.model()->columnCount() < 3) {
        return;
    }
    fileList.setColumnWidth(0, std::max(0, fileList.viewport()->width() - 210));
    fileList.setColumnWidth(1, 90);
    fileList.setColumnWidth(2, 120);
}

}  // namespace

int CMainDialog::ToolbarHeight() const
{
    return ToolbarHeightOr30(m_toolbar != nullptr ? m_toolbar->sizeHint().height() : 0);
}

void CMainDialog::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayoutChildren();
}

void CMainDialog::LayoutChildren()
{
    if (m_toolbar == nullptr || m_statusBar == nullptr || m_fileList == nullptr) {
        return;  // still starting up
    }
    const int cx = width();
    const int cy = height();
    const MainLayout layout = ComputeMainLayout({cx, cy, ToolbarHeight(), m_splitterPos, m_panelShown});
    m_toolbar->setGeometry(layout.toolbar);
    LayoutChecksumList(cx, cy);
    m_progressPanel->setGeometry(layout.progressPanel);
    m_statusBar->setGeometry(0, cy - kStatusBand, cx, kStatusBand);
    if (m_folderTreeReady) {
        m_folderTree->setGeometry(layout.folderTree);
    }
    m_fileList->setGeometry(layout.fileList);
    FitFileListColumns(*m_fileList);
}

void CMainDialog::LayoutChecksumList(int cx, int cy)
{
    const MainLayout layout = ComputeMainLayout({cx, cy, ToolbarHeight(), m_splitterPos, m_panelShown});
    m_listView->setGeometry(layout.checksumList);
    m_listView->FitColumns();
}

void CMainDialog::ShowView()
{
    if (m_checksumView) {
        m_fileList->hide();
        m_folderTree->hide();
        m_listView->show();
        m_progressPanel->setVisible(m_panelShown);
        m_listView->setFocus();
        SetButtonState(CommandId::Generate, ButtonState::Disabled);
        for (CommandId id : {CommandId::Open, CommandId::StartPause, CommandId::Stop}) {
            SetButtonState(id, ButtonState::Enabled);
        }
    } else {
        m_listView->hide();
        m_progressPanel->hide();
        m_fileList->show();
        m_folderTree->show();
        m_fileList->setFocus();
        SetButtonState(CommandId::Generate, ButtonState::Enabled);
        for (CommandId id : {CommandId::Open, CommandId::StartPause, CommandId::Stop}) {
            SetButtonState(id, ButtonState::Disabled);
        }
    }
    setMouseTracking(!m_checksumView);
}

void CMainDialog::ShowProgressPanel(bool show)
{
    m_panelShown = show;
    m_progressPanel->setVisible(show && m_checksumView);
    LayoutChildren();
}

void CMainDialog::UpdateStatusBar()
{
    const std::array<std::string, 4> texts = StatusBarTexts(m_list.GetCounters());
    m_statusBar->SetTexts({QString::fromStdString(texts[0]), QString::fromStdString(texts[1]),
                           QString::fromStdString(texts[2]), QString::fromStdString(texts[3])});
}

bool CMainDialog::SplitterUsable() const
{
    return !m_checksumView && m_folderTreeReady && m_fileList != nullptr;
}

QRect CMainDialog::SplitterHitArea() const
{
    return ComputeMainLayout({width(), height(), ToolbarHeight(), m_splitterPos, m_panelShown}).splitterHitArea;
}

void CMainDialog::SetSplitterPos(int x)
{
    if (!m_folderTreeReady || m_fileList == nullptr || !SplitterMoveAllowed(x, m_splitterPos, width())) {
        return;
    }
    m_splitterPos = x;
    LayoutChildren();
}

void CMainDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (SplitterUsable()) {
        const QPoint point = event->position().toPoint();
        if (m_splitterDragging || SplitterHitArea().contains(point)) {
            setCursor(Qt::SplitHCursor);
        } else {
            unsetCursor();
        }
        if (m_splitterDragging) {
            SetSplitterPos(point.x());
        }
    }
    QWidget::mouseMoveEvent(event);
}

void CMainDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && SplitterUsable() &&
        SplitterHitArea().contains(event->position().toPoint())) {
        setCursor(Qt::SplitHCursor);
        m_splitterDragging = true;
    }
    QWidget::mousePressEvent(event);
}

void CMainDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_splitterDragging) {
        m_splitterDragging = false;
        QWidget::mouseReleaseEvent(event);
    }
}
