#pragma once

#include <QObject>

class FolderBrowser;
class MainToolbar;
class ModalDialogs;
class QAction;
class QSplitter;
class QString;
class QWidget;
class RunPresenter;

// The window's two views and its layout: the checksum view (whose widgets belong to
// the RunPresenter) and the folder browser view (the FolderBrowser's tree and file
// list in a splitter), which of them is shown, and the splitter's place. Top to bottom
// the window holds the toolbar, the filter bar, the list, the verdict strip, the
// browser's splitter, the progress panel and the status bar.
class WindowViews final : public QObject {
    Q_OBJECT

public:
    // Makes the browser view (hidden) on `window`.
    WindowViews(QWidget& window, MainToolbar& toolbar, RunPresenter& run, ModalDialogs& dialogs);

    // Lays the window out; `browserOpen` is the Ctrl+O of the browser view, enabled only
    // while that view is shown.
    void SetUpLayout(QAction& browserOpen);
    // Shows the checksum view (true) or the browser view, with the toolbar states that go
    // with it.
    void ShowView(bool checksumView);
    void ToggleView() { ShowView(!m_checksumView); }
    // A folder named on the command line: the browser view at that folder.
    void OpenFolderInBrowser(const QString& folder);
    // Moves the browser view's splitter, within its limits.
    void SetSplitterPos(int x);
    // Puts the folder browser's tree (left) and file list (right) into the browser
    // view's splitter, in place of what stood there; the window owns them from then on.
    void InstallBrowserPanes(QWidget* tree, QWidget* files);
    // The window changed size: the file list's columns follow.
    void FitToWindow();
    // The keyboard goes back to the browser's file list (after a generation run).
    void FocusFileList();
    // The keyboard is in the browser's folder tree.
    [[nodiscard]] bool FolderTreeHasFocus() const;

    [[nodiscard]] bool ChecksumViewShown() const noexcept { return m_checksumView; }
    [[nodiscard]] int SplitterPos() const noexcept { return m_splitterPos; }
    // The folder browser: the current folder and the records of the selected files.
    [[nodiscard]] FolderBrowser* Browser() const noexcept { return m_browser; }

private:
    void ApplySplitterPos();
    void OnSplitterMoved(int x);

    QWidget& m_window;
    MainToolbar& m_toolbar;
    RunPresenter& m_run;
    QAction* m_browserOpen = nullptr;
    QSplitter* m_splitter = nullptr;
    FolderBrowser* m_browser = nullptr;  // owns the current folder and the file records
    QWidget* m_folderTree = nullptr;     // the browser's tree pane
    QWidget* m_fileList = nullptr;
    int m_splitterPos;
    bool m_checksumView = true;
};
