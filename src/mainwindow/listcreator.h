#pragma once

#include "generatedialog.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <string>

class FolderBrowser;
class ModalDialogs;
class QWidget;
struct ChosenFiles;
struct HeadOutcome;

// Makes a new list of the files selected in the folder browser: asks where (and which
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
    ListCreator(QWidget& window, FolderBrowser& browser, ModalDialogs& dialogs, std::function<int()> filesInFlight);

    // Creates a list of the files selected in the browser: asks where (and for kind 0
    // which kind: 1 SFV, 2 MD5), writes an SFV head, then starts the generation run.
    // True when the run was started; its end arrives as Ended.
    bool CreateChecksumFile(int requestedKind);
    // The Save dialog for a new list in the current folder. Returns the kind (1 or 2)
    // and sets the path, with its extension, or 0 when the user cancelled.
    int ChooseOutputFile(int& requestedKind, std::string& outputPath);
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
    // An error of creating the list at `outputPath`, with the system's reason when it is
    // "Create [%s] failed.".
    void ShowCreateError(const QString& text, const std::string& outputPath);

    QWidget& m_window;
    FolderBrowser& m_browser;
    ModalDialogs& m_dialogs;
    std::function<int()> m_filesInFlight;
    QPointer<GenerateDialog> m_dialog;  // a child of the window
    int m_finishedGenerations = 0;
    bool m_closing = false;
};
