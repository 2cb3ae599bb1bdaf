#pragma once

#include "runobserver.h"

#include <QObject>

#include <functional>

class ChecksumList;
class VerdictBar;
class QWidget;

// The strip under the checksum list and what it says: the verdict when a run ends
// (with the likelier kind when a guessed kind made every file bad), "N files listed"
// for a list just opened, nothing while a run goes on. Owns the verdict bar and when
// it is due; "Show problems" on the bar is passed on as ShowProblemsRequested.
class VerdictStrip final : public QObject {
    Q_OBJECT

public:
    // `checksumViewShown` says whether the strip may show (it belongs to the checksum view).
    VerdictStrip(QWidget& window, const ChecksumList& list, std::function<bool()> checksumViewShown);

    // Follows the run's events: a start hides the strip, the run's end shows its verdict.
    void NoteRunEvent(RunEvent event);
    // What the worker's last block found, when the strip is up.
    void RefreshAfterWorker();
    // The verdict of a list with no checksum line: says so rather than show an empty list.
    void ShowEmptyList();
    // The strip under a list just opened: "N files listed: press F5 to verify".
    void ShowListedNote();
    void Hide();

    [[nodiscard]] VerdictBar* Bar() const noexcept { return m_bar; }
    [[nodiscard]] bool Shown() const noexcept { return m_shown; }

signals:
    void ShowProblemsRequested();

private:
    void ShowRunVerdict();

    QWidget& m_window;
    const ChecksumList& m_list;
    std::function<bool()> m_checksumViewShown;
    VerdictBar* m_bar;
    int m_runTotal = 0;       // rows the current or last run was to check
    bool m_due = false;       // a run started and has not ended yet
    bool m_stopped = false;
    bool m_shown = false;     // the strip is up (in the checksum view)
};
