#pragma once

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <vector>

class ChecksumList;
class ChecksumListModel;
class ChecksumListView;
class DesktopServices;
class QAction;
class QPoint;

// The context menu of the checksum list's rows: copy the names, the expected
// checksums or the full paths of the selected rows (one per line, in the order shown),
// open the folder that holds a row's file, and verify the selected rows again. It acts
// on list rows, mapped from the view, so sorting and filtering never change what it
// copies or verifies.
class ChecksumRowMenu final : public QObject {
    Q_OBJECT

public:
    // `canVerify` says whether Start/Pause would now start a run; `verify` gives it.
    ChecksumRowMenu(const ChecksumList& list, const ChecksumListModel& model, ChecksumListView& view,
                    DesktopServices& desktop, std::function<bool()> canVerify, std::function<void()> verify);

    // What the window shows when a folder cannot be opened (no file manager).
    void SetOpenFailed(std::function<void(const QString& folder)> openFailed) { m_openFailed = std::move(openFailed); }
    // What "Files not in any list" does; the item is offered once this is set.
    void SetShowUnlisted(std::function<void()> showUnlisted) { m_showUnlisted = std::move(showUnlisted); }
    // Pops the menu up at `globalPos` (without waiting for it) over the selected rows.
    void Popup(const QPoint& globalPos);
    // Enables the actions for the current selection.
    void UpdateActions();

    [[nodiscard]] QAction* CopyNameAction() const noexcept { return m_copyName; }
    [[nodiscard]] QAction* CopyExpectedAction() const noexcept { return m_copyExpected; }
    [[nodiscard]] QAction* CopyPathAction() const noexcept { return m_copyPath; }
    [[nodiscard]] QAction* OpenFolderAction() const noexcept { return m_openFolder; }
    [[nodiscard]] QAction* VerifyAction() const noexcept { return m_verify; }
    [[nodiscard]] QAction* UnlistedAction() const noexcept { return m_unlisted; }
    // The menu shown last, or null (for tests).
    [[nodiscard]] QMenu* LastMenu() const noexcept { return m_lastMenu; }

    // The texts the copy actions put on the clipboard, one line per selected row.
    [[nodiscard]] QStringList Names() const;
    [[nodiscard]] QStringList ExpectedChecksums() const;
    [[nodiscard]] QStringList Paths() const;

private:
    static void Copy(const QStringList& lines);
    void OpenFolders();

    const ChecksumList& m_list;
    const ChecksumListModel& m_model;
    ChecksumListView& m_view;
    DesktopServices& m_desktop;
    std::function<bool()> m_canVerify;
    std::function<void()> m_startVerify;
    std::function<void(const QString&)> m_openFailed;
    std::function<void()> m_showUnlisted;
    QAction* m_copyName;
    QAction* m_copyExpected;
    QAction* m_copyPath;
    QAction* m_openFolder;
    QAction* m_verify;
    QAction* m_unlisted;
    QPointer<QMenu> m_lastMenu;
};
