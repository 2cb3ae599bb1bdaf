// Opening checksum lists: the Open command's path, recent files, the command line
// and files dropped on the window all end here.

#include "mainwindow.h"

#include "failurereason.h"
#include "checksumlistmodel.h"
#include "listendnotes.h"
#include "listidentify.h"
#include "listloader.h"
#include "listmessages.h"
#include "listpaths.h"
#include "loadwarnings.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "pathtext.h"
#include "statusbarparts.h"
#include "windowtexts.h"
#include "windowtitle.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>
#include <QUrl>

#include <utility>

void MainWindow::OpenChecksumList(const QString& path)
{
    OpenList(path, false);
}

void MainWindow::OpenAndVerifyChecksumList(const QString& path)
{
    OpenList(path, true);
}

void MainWindow::OpenFolderOfLists(const QString& folder)
{
    OpenList(folder, false);
}

void MainWindow::OpenRecentFile(int n)
{
    if (const std::optional<QString> path = m_recentFiles.At(n)) {
        OpenChecksumList(*path);
    }
}

void MainWindow::AddRecentFile(const QString& path)
{
    m_recentFiles.Add(path);
}

void MainWindow::OpenList(const QString& givenPath, bool verifyAfter)
{
    if (m_closing || IsLoading()) {
        return;
    }
    // Made absolute first: the title and the recent files must name the same file from
    // any working folder.
    const QString path = givenPath.isEmpty() ? givenPath : QFileInfo(givenPath).absoluteFilePath();
    const std::string narrow = NarrowPath(path);
    if (m_loader == nullptr) {
        m_loader = new ListLoader(this);
        connect(m_loader, &ListLoader::Finished, this, &MainWindow::OnListLoaded);
    }
    if (!path.isEmpty() && QFileInfo(path).isDir()) {
        // A folder of lists: every list beneath it, read as one.
        m_verifyAfterLoad = verifyAfter;
        m_loadingFolder = true;
        BeginLoadWait(path);
        m_loader->StartFolder(narrow.back() == '/' ? narrow : narrow + '/', m_settings.sizeType);
        return;
    }
    const ListKindDetection detection = IdentifyListKind(narrow);
    if (!detection.known) {
        m_dialogs->ShowError(this, UnknownFileTypeText(path));
        if (verifyAfter) {
            m_controller.StartAutoVerification();
            ApplyRunReports();
        }
        return;
    }
    m_verifyAfterLoad = verifyAfter;
    m_loadingFolder = false;
    BeginLoadWait(path);
    m_loader->Start(narrow, detection.baseFolder, detection.kind, m_settings.sizeType, detection.guessed);
}

void MainWindow::OnListLoaded()
{
    if (m_closing) {
        return;
    }
    LoadOutcome outcome = m_loader->TakeOutcome();
    const QString path = EndLoadWait();
    const bool incomplete = outcome.status == LoadStatus::Loaded && outcome.incomplete;

    if (outcome.status == LoadStatus::OpenFailed) {
        // The list on screen stays as it was, and so do the title and the recent files
        // that name it.
        m_dialogs->ShowErrorWithDetail(this, OpenFailedText(path),
                                       QString::fromLocal8Bit(OpenFailureReason(QFile::encodeName(path).toStdString())));
    } else {
        setWindowTitle(MainWindowTitle(path));
        AddRecentFile(path);
        // No run is active while Open is available; a paused or stopped worker may
        // still be finishing its last block.
        m_controller.WaitForWorker();
        HideVerdict();
        m_model->BeginReplace();
        m_list.Replace(std::move(outcome.content));
        m_model->EndReplace();
        m_folderOpen = m_loadingFolder;
        m_openLists = m_folderOpen ? m_loader->FolderLists() : std::vector<std::string>{NarrowPath(path)};
        ShowLoadWarnings(outcome.improperLines);
        UpdateStatusBar();
        RefreshListLayout();
        if (m_list.RowCount() == 0) {
            // No checksum line: say so rather than show an empty list.
            m_runTotal = 0;
            m_verdictStopped = false;
            ShowRunVerdict();
        } else if (!m_verifyAfterLoad) {
            ShowListedNote();
        }
    }
    if (std::exchange(m_verifyAfterLoad, false)) {
        // The command-line start verifies at once, also when the read failed: the run
        // then covers the rows there are.
        m_controller.StartAutoVerification();
        ApplyRunReports();
    }
    if (incomplete) {
        // Said once the run is under way, so the message never holds it up.
        m_dialogs->ShowError(this, WidePath(IncompleteListMessage(NarrowPath(path))));
    }
    if (m_loadingFolder && !m_loader->FolderProblems().empty()) {
        // The lists and folders that could not be read, so none is skipped unseen.
        QStringList lines;
        for (const std::string& problem : m_loader->FolderProblems()) {
            lines.append(WidePath(problem));
        }
        m_dialogs->ShowError(this, lines.join(QLatin1Char('\n')));
    }
    emit ListLoadEnded();
}

// What a load skipped or found unusable, shown without interrupting: as the status
// bar's tooltip (empty when there is nothing to say).
void MainWindow::ShowLoadWarnings(int improperLines)
{
    QStringList lines;
    for (const std::string& warning : LoadWarnings(m_list, improperLines)) {
        lines.append(WidePath(warning));
    }
    m_statusBar->setToolTip(lines.join(QLatin1Char('\n')));
}

void MainWindow::BeginLoadWait(const QString& path)
{
    m_loadingPath = path;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_toolbar->SetListCommandsHeld(true);
}

QString MainWindow::EndLoadWait()
{
    if (m_loadingPath.isEmpty()) {
        return {};
    }
    QGuiApplication::restoreOverrideCursor();
    m_toolbar->SetListCommandsHeld(false);
    return std::exchange(m_loadingPath, QString());
}

QString MainWindow::DroppedListPath(const QMimeData* mime) const
{
    if (mime == nullptr || !mime->hasUrls() || IsLoading() || m_toolbar->State(CommandId::Open) == ButtonState::Disabled) {
        return {};
    }
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile()) {
            continue;
        }
        const QString path = url.toLocalFile();
        if (QFileInfo(path).isDir() || IdentifyListKind(NarrowPath(path)).known) {
            return path;
        }
    }
    return {};
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedListPath(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = DroppedListPath(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    OpenChecksumList(path);
}
