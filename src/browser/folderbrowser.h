#pragma once

#include "desktopservices.h"
#include "filelistview.h"
#include "filerecord.h"
#include "foldernamespace.h"
#include "foldertreepane.h"

#include <QAbstractFileIconProvider>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class FileListModel;
class FolderTreeModel;
class QMenu;
class QModelIndex;
class QPoint;
class QWidget;

// A message box with the error icon: caption and text.
using BrowserErrorSink = std::function<void(const QString& caption, const QString& text)>;

// The folder browser: the tree pane (path box, "&GO ", folder tree) for the left half
// and the file list for the right half, the current folder and the record array of
// its files. Selecting a file-system folder makes it the current folder and lists its
// files, sorted by name. The window places the two widgets; generation reads the
// current folder and the selected records.
class FolderBrowser final : public QObject {
    Q_OBJECT

public:
    // The widgets are made children of `parentWidget`. `desktop` and `iconProvider`
    // may be null for the system's own.
    FolderBrowser(std::unique_ptr<FolderNamespace> space, BrowserErrorSink showError, QWidget* parentWidget,
                  std::unique_ptr<DesktopServices> desktop = nullptr,
                  std::unique_ptr<QAbstractFileIconProvider> iconProvider = nullptr);
    ~FolderBrowser() override;
    FolderBrowser(const FolderBrowser&) = delete;
    FolderBrowser& operator=(const FolderBrowser&) = delete;

    [[nodiscard]] FolderTreePane* TreePane() const noexcept { return m_pane; }
    [[nodiscard]] FileListView* FileList() const noexcept { return m_fileList; }
    [[nodiscard]] FolderTreeModel* TreeModel() const noexcept { return m_treeModel; }
    [[nodiscard]] FileListModel* FileModel() const noexcept { return m_fileModel; }

    // The folder whose files are listed, ending in '/'; empty until one is selected.
    [[nodiscard]] const std::string& CurrentFolder() const noexcept { return m_currentFolder; }
    // The record array: row i of the file list shows record i.
    [[nodiscard]] const std::vector<FileRecord>& Records() const;
    // The records of the selected rows, in row order (the list's current sort order).
    [[nodiscard]] std::vector<FileRecord> SelectedRecords() const;

    // Selects in the tree the folder a typed path names: "Folder not found" for a path
    // that does not exist; a relative path selects nothing; a path naming a file
    // selects its folder; folder names match without regard to case, an exact match
    // first. Stops quietly at the first name not found.
    void NavigateToPath(const QString& text);
    // Re-reads the current folder's files, sorted by name.
    void FillFileList();
    // The menu of the last folder right-clicked (for tests), or null.
    [[nodiscard]] QMenu* LastFolderMenu() const noexcept { return m_lastMenu; }

signals:
    // The folder menu's "Generate List of Folder...": a list of every file beneath
    // `folder` (its path, ending in '/').
    void folderListRequested(const QString& folder);

private:
    void OnFolderSelected(const QModelIndex& index);
    void ShowFolderMenu(const QModelIndex& index, const QPoint& globalPos);
    void OpenFile(int row);
    [[nodiscard]] bool SelectChildNamed(const std::string& name);

    std::unique_ptr<FolderNamespace> m_space;
    std::unique_ptr<DesktopServices> m_desktop;
    std::unique_ptr<QAbstractFileIconProvider> m_iconProvider;
    BrowserErrorSink m_showError;
    FolderTreeModel* m_treeModel;
    FileListModel* m_fileModel;
    QPointer<FolderTreePane> m_pane;
    QPointer<FileListView> m_fileList;
    QMenu* m_lastMenu = nullptr;
    std::string m_currentFolder;
};
