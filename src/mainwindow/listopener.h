#pragma once

#include "recentfiles.h"

#include <QObject>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class ListLoader;
class MainToolbar;
class ModalDialogs;
class QMimeData;
class QWidget;
struct ChecksumListContent;

// Where the list on screen was read from.
struct OpenedListSources {
    bool folder = false;             // a folder of lists, read as one
    std::vector<std::string> lists;  // the list files it was read from
};

// Where a list that was read goes: the side of the window that shows and verifies it.
class OpenedListSink {
public:
    virtual ~OpenedListSink() = default;
    // Shows the list just read in place of the one on screen (no run is active while a
    // list can be opened). `verifyAfter`: a run over all of it follows at once.
    virtual void ShowReadList(ChecksumListContent content, int improperLines, bool verifyAfter,
                              OpenedListSources sources) = 0;
    // Starts the run over every row, as at start-up (also after a failed read).
    virtual void StartAutoVerification() = 0;
};

// The open list: opening a list or a folder of lists (the Open commands, recent files,
// the command line and files or folders dropped on the window all end here), reading it off the GUI thread with the
// wait cursor and the list commands held meanwhile, the recent files and the window's
// title. What was read goes to the OpenedListSink.
class ListOpener final : public QObject {
    Q_OBJECT

public:
    // `window` gets the title and is the parent of the messages; `sizeType` gives the
    // size display a read uses.
    ListOpener(QWidget& window, MainToolbar& toolbar, ModalDialogs& dialogs, OpenedListSink& sink,
               std::function<int()> sizeType);

    // Makes the path absolute, checks the kind and reads the list (off the GUI thread;
    // the list commands wait meanwhile). A list that was read becomes the title and the
    // newest recent file; after a failed read both keep naming the list on screen.
    void OpenChecksumList(const QString& path);
    // Opens a list and verifies all of it at once, as for a list named on the command
    // line; the run starts also when the list cannot be read (it then covers no rows).
    void OpenAndVerifyChecksumList(const QString& path);
    // Opens every list beneath `folder` as one list, names relative to the folder.
    void OpenFolderOfLists(const QString& folder);
    void OpenRecentFile(int n);
    // The Open dialog, then the list chosen there.
    void AskAndOpen();
    // The folder dialog, then the folder of lists chosen there.
    void AskAndOpenFolder();
    // The first list among dropped files, or empty when none can be opened now.
    [[nodiscard]] QString DroppedListPath(const QMimeData* mime) const;

    [[nodiscard]] bool IsLoading() const noexcept;
    [[nodiscard]] RecentFiles& Recent() noexcept { return m_recentFiles; }
    [[nodiscard]] const RecentFiles& Recent() const noexcept { return m_recentFiles; }

    // The window is closing: nothing opens from now on.
    void BeginClosing() noexcept { m_closing = true; }
    // Waits for a list still being read and gives back the cursor and the commands.
    void WaitForLoad();

signals:
    // A list read ended (loaded or failed).
    void LoadEnded();

private:
    void OpenList(const QString& givenPath, bool verifyAfter);
    void OnListLoaded();
    // The wait cursor and the held list commands while a list is being read.
    void BeginLoadWait(const QString& path);
    [[nodiscard]] QString EndLoadWait();

    QWidget& m_window;
    MainToolbar& m_toolbar;
    ModalDialogs& m_dialogs;
    OpenedListSink& m_sink;
    std::function<int()> m_sizeType;
    RecentFiles m_recentFiles;
    ListLoader* m_loader = nullptr;  // a child of the window, made at the first read
    QString m_loadingPath;
    bool m_verifyAfterLoad = false;
    bool m_loadingFolder = false;
    bool m_closing = false;
};
