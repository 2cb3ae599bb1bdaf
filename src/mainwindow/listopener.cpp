// Opening checksum lists: the Open command's path, recent files, the command line
// and files dropped on the window all end here.

#include "listopener.h"

#include "failurereason.h"
#include "listendnotes.h"
#include "listidentify.h"
#include "listloader.h"
#include "listmessages.h"
#include "maintoolbar.h"
#include "modaldialogs.h"
#include "pathtext.h"
#include "windowtexts.h"
#include "windowtitle.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <utility>

ListOpener::ListOpener(QWidget& window, MainToolbar& toolbar, ModalDialogs& dialogs, OpenedListSink& sink,
                       std::function<int()> sizeType)
    : m_window(window), m_toolbar(toolbar), m_dialogs(dialogs), m_sink(sink), m_sizeType(std::move(sizeType))
{
}

void ListOpener::OpenChecksumList(const QString& path)
{
    OpenList(path, false);
}

void ListOpener::OpenAndVerifyChecksumList(const QString& path)
{
    OpenList(path, true);
}

void ListOpener::OpenFolderOfLists(const QString& folder)
{
    OpenList(folder, false);
}

void ListOpener::OpenRecentFile(int n)
{
    if (const std::optional<QString> path = m_recentFiles.At(n)) {
        OpenChecksumList(*path);
    }
}

void ListOpener::AskAndOpen()
{
    const QString path = m_dialogs.AskListToOpen(&m_window);
    if (!path.isEmpty()) {
        OpenChecksumList(path);
    }
}

void ListOpener::AskAndOpenFolder()
{
    if (const QString folder = m_dialogs.AskFolderToOpen(&m_window); !folder.isEmpty()) {
        OpenFolderOfLists(folder);
    }
}

bool ListOpener::IsLoading() const noexcept
{
    return m_loader != nullptr && m_loader->IsRunning();
}

void ListOpener::WaitForLoad()
{
    if (m_loader != nullptr) {
        m_loader->Wait();
    }
    (void)EndLoadWait();
}

void ListOpener::OpenList(const QString& givenPath, bool verifyAfter)
{
    if (m_closing || IsLoading()) {
        return;
    }
    // Made absolute first: the title and the recent files must name the same file from
    // any working folder.
    const QString path = givenPath.isEmpty() ? givenPath : QFileInfo(givenPath).absoluteFilePath();
    const std::string narrow = NarrowPath(path);
    if (m_loader == nullptr) {
        m_loader = new ListLoader(&m_window);
        connect(m_loader, &ListLoader::Finished, this, &ListOpener::OnListLoaded);
    }
    if (!path.isEmpty() && QFileInfo(path).isDir()) {
        // A folder of lists: every list beneath it, read as one.
        m_verifyAfterLoad = verifyAfter;
        m_loadingFolder = true;
        BeginLoadWait(path);
        m_loader->StartFolder(narrow.back() == '/' ? narrow : narrow + '/', m_sizeType());
        return;
    }
    const ListKindDetection detection = IdentifyListKind(narrow);
    if (!detection.known) {
        m_dialogs.ShowError(&m_window, UnknownFileTypeText(path));
        if (verifyAfter) {
            m_sink.StartAutoVerification();
        }
        return;
    }
    m_verifyAfterLoad = verifyAfter;
    m_loadingFolder = false;
    BeginLoadWait(path);
    m_loader->Start(narrow, detection.baseFolder, detection.kind, m_sizeType(), detection.guessed);
}

void ListOpener::OnListLoaded()
{
    if (m_closing) {
        return;
    }
    LoadOutcome outcome = m_loader->TakeOutcome();
    const QString path = EndLoadWait();
    const bool incomplete = outcome.status == LoadStatus::Loaded && outcome.incomplete;
    const bool verifyAfter = std::exchange(m_verifyAfterLoad, false);

    if (outcome.status == LoadStatus::OpenFailed) {
        // The list on screen stays as it was, and so do the title and the recent files
        // that name it.
        m_dialogs.ShowErrorWithDetail(&m_window, OpenFailedText(path),
                                      QString::fromLocal8Bit(OpenFailureReason(QFile::encodeName(path).toStdString())));
    } else {
        m_window.setWindowTitle(MainWindowTitle(path));
        m_recentFiles.Add(path);
        OpenedListSources sources;
        sources.folder = m_loadingFolder;
        sources.lists = m_loadingFolder ? m_loader->FolderLists() : std::vector<std::string>{NarrowPath(path)};
        m_sink.ShowReadList(std::move(outcome.content), outcome.improperLines, verifyAfter, std::move(sources));
    }
    if (verifyAfter) {
        // The command-line start verifies at once, also when the read failed: the run
        // then covers the rows there are.
        m_sink.StartAutoVerification();
    }
    if (incomplete) {
        // Said once the run is under way, so the message never holds it up.
        m_dialogs.ShowError(&m_window, WidePath(IncompleteListMessage(NarrowPath(path))));
    }
    if (m_loadingFolder && !m_loader->FolderProblems().empty()) {
        // The lists and folders that could not be read, so none is skipped unseen.
        QStringList lines;
        for (const std::string& problem : m_loader->FolderProblems()) {
            lines.append(WidePath(problem));
        }
        m_dialogs.ShowError(&m_window, lines.join(QLatin1Char('\n')));
    }
    emit LoadEnded();
}

void ListOpener::BeginLoadWait(const QString& path)
{
    m_loadingPath = path;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_toolbar.SetListCommandsHeld(true);
}

QString ListOpener::EndLoadWait()
{
    if (m_loadingPath.isEmpty()) {
        return {};
    }
    QGuiApplication::restoreOverrideCursor();
    m_toolbar.SetListCommandsHeld(false);
    return std::exchange(m_loadingPath, QString());
}

QString ListOpener::DroppedListPath(const QMimeData* mime) const
{
    if (mime == nullptr || !mime->hasUrls() || IsLoading() || m_toolbar.State(CommandId::Open) == ButtonState::Disabled) {
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
