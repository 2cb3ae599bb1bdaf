#pragma once

#include "generationjob.h"
#include "generationobserver.h"
#include "generationoutcome.h"
#include "generationrun.h"
#include "progressmeter.h"
#include "progresssink.h"

#include <QDialog>
#include <QElapsedTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The progress dialog of a generation run: a window with a normal title bar, a group
// box captioned by the kind, the name of the file being read, the whole-run bar, the
// figures of the verify panel (bytes, speed, time left), the "%d/%d" counter and
// Cancel. Its owner disables itself while the run goes on; the dialog is not modal, so
// a close request to the owner still arrives and cancels the run. The run works on a
// worker thread; the dialog samples its latest file, percentage and byte count on a
// timer and applies the start and end of the run through queued calls.
//
// Cancel and Escape raise g_abort, say "User aborted." once and hide the dialog; a
// close request raises g_abort without a word. Either way the run stops at the next
// block and ends normally. At the end the dialog shows the run's message (the list could
// not be created or written, unknown kind) and names the files that were left out,
// then emits generationEnded. Destroying the dialog cancels the run and waits for it.
class GenerateDialog final : public QDialog, private GenerationObserver, private ProgressSink {
    Q_OBJECT

public:
    using ShowError = std::function<void(QWidget* parent, const QString& text)>;

    explicit GenerateDialog(QWidget* owner);
    ~GenerateDialog() override;

    // Replaces the message box (tests record the texts instead).
    void SetShowError(ShowError showError) { m_showError = std::move(showError); }
    // Shows the dialog and starts the run (the SFV head must already be written).
    void Start(GenerationJob job);
    [[nodiscard]] bool Running() const noexcept { return m_running; }
    // Cancels a run still going and waits for its worker (its owner is closing). The
    // end of the run still arrives as usual.
    void Shutdown();

signals:
    void generationEnded(const GenerationOutcome& outcome);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // GenerationObserver, on the worker thread.
    void RunStarted(const std::string& groupCaption) override;
    void FileStarted(const std::string& name, int number, int count, const std::string& counterText) override;
    [[nodiscard]] ProgressSink& Progress() override { return *this; }
    void RunEnded(const GenerationOutcome& outcome) override;
    void SetPosition(int percent) noexcept override { m_percent.store(percent, std::memory_order_relaxed); }
    void SetBytesRead(std::uint64_t bytesRead) noexcept override
    {
        m_bytesRead.store(bytesRead, std::memory_order_relaxed);
    }

    void OnCancel();
    // Raises g_abort and ends the dialog (hidden) with `result`.
    void EndGeneration(int result);
    void Refresh();
    void Finish(const GenerationOutcome& outcome);

    QGroupBox* m_group;
    QLabel* m_fileName;
    QLabel* m_counter;
    QLabel* m_figures;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QTimer* m_refreshTimer;
    QElapsedTimer m_clock;
    ProgressMeter m_meter;
    std::uint64_t m_totalBytes = 0;
    ShowError m_showError;
    std::string m_listPath;
    bool m_running = false;

    std::atomic<int> m_percent{0};
    std::atomic<std::uint64_t> m_bytesRead{0};
    std::mutex m_fileMutex;  // the latest file, written by the worker
    std::string m_latestName;
    std::string m_latestCounter;
    bool m_fileChanged = false;

    GenerationRun m_run;  // last: joined before anything above goes away
};
