#pragma once

#include "generatedialog.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class FolderBrowser;
class ModalDialogs;
class QWidget;
struct ChosenFiles;
struct HeadOutcome;
struct LeftOutFile;
struct SaveListAnswer;

// Makes a new list of the files selected in the folder browser, or of every file beneath
// a folder of its tree (one list, or one list per folder): asks where (and which
// kind), writes an SFV head on a helper thread (the remark pop-up appears only when that
// takes a while), then starts the generation run behind its window-modal progress dialog,
// with the window disabled until the dialog ends. A new kind of list starts in
// ChooseOutputFile (the Save dialog's filters and the kind they give) and in the job
// CreateChecksumFile hands to the run.
class ListCreator final : public QObject {
    Q_OBJECT

public:
    // `window` owns the dialogs and is disabled while a run goes on; `filesInFlight`
    // gives the setting at the moment a run starts.
    // `treeHasFocus` says whether the keyboard is in the browser's folder tree (Generate
    // then lists the folder selected there).
    ListCreator(QWidget& window, FolderBrowser& browser, ModalDialogs& dialogs, std::function<int()> filesInFlight,
                std::function<bool()> treeHasFocus);

    // Creates a list of the files selected in the browser: asks where (and for kind 0
    // which kind: 1 SFV, 2 MD5), writes an SFV head, then starts the generation run.
    // True when the run was started; its end arrives as Ended.
    bool CreateChecksumFile(int requestedKind);
    // The same for every file beneath `folder` (a folder of the browser's tree), named
    // relative to the list, as tallyfox-create lists a folder.
    bool CreateFolderList(const QString& folder, int requestedKind);
    // The Save dialog for a new list in the current folder. Returns the kind (1 or 2)
    // and sets the path, with its extension, or 0 when the user cancelled.
    // With `folderChoices`, the Save dialog of a list of a whole folder, whose two
    // choices (one list per folder, hidden files) land there.
    int ChooseOutputFile(int& requestedKind, std::string& outputPath, SaveListAnswer* folderChoices = nullptr);
    // Cancels a run under way and waits for its worker (the window is closing); the lines
    // written so far stay.
    void Shutdown();

    // The progress dialog of the generation run under way, or null.
    [[nodiscard]] GenerateDialog* OpenDialog() const noexcept { return m_dialog; }
    [[nodiscard]] int FinishedGenerations() const noexcept { return m_finishedGenerations; }

signals:
    // A generation run ended, its messages were shown and the window is enabled again.
    void Ended();

private:
    [[nodiscard]] HeadOutcome WriteHeadWithRemark(const std::string& listPath, const ChosenFiles& chosen);
    void OnGenerationEnded();
    // Writes the SFV head (for kind 1) and starts the run behind its progress dialog.
    bool StartGeneration(int kind, const std::string& outputPath, ChosenFiles chosen,
                         std::vector<LeftOutFile> leftOut);
    // One list per folder: the next folder's list, after the one before has ended.
    bool StartNextFolderList();
    // An error of creating the list at `outputPath`, with the system's reason when it is
    // "Create [%s] failed.".
    void ShowCreateError(const QString& text, const std::string& outputPath);

    QWidget& m_window;
    FolderBrowser& m_browser;
    ModalDialogs& m_dialogs;
    std::function<int()> m_filesInFlight;
    std::function<bool()> m_treeHasFocus;
    QPointer<GenerateDialog> m_dialog;  // a child of the window
    int m_finishedGenerations = 0;
    bool m_closing = false;
    // One list per folder: the lists still to make (path, files), one run after another.
    std::vector<std::pair<std::string, std::vector<std::string>>> m_folderListsToMake;
    int m_folderListKind = 0;
};
