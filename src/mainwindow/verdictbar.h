#pragma once

#include "listtypes.h"

#include <QFrame>
#include <QString>

class QLabel;
class QPushButton;
class QToolButton;

// What a run found, said plainly in a strip under the checksum list when the run ends
// ("All 3,000 files OK.", "2 bad, 1 missing of 3,000 files.", or how far a stopped
// run got). When anything is bad or missing it offers to show only those rows. It
// never blocks: the strip stays until a new run starts, a list is opened or the user
// closes it.
class VerdictBar final : public QFrame {
    Q_OBJECT

public:
    explicit VerdictBar(QWidget* parent = nullptr);

    // Shows the verdict of a run that covered `total` rows and ended (`stopped`: by Stop).
    // `guessedKind` names the list's kind when it was only guessed from the digests'
    // length and every file read came out bad: the list is then probably of another kind.
    void ShowVerdict(const Counters& counters, int total, bool stopped, const QString& guessedKind = {});
    // A list just opened: how many files it lists and how to verify them, until a run starts.
    void ShowListed(int rows);
    [[nodiscard]] QString Text() const;
    [[nodiscard]] QPushButton* ProblemsButton() const noexcept { return m_problems; }

    // The verdict's words; `total` is how many rows the run was to check (0: the list
    // holds no checksum line).
    [[nodiscard]] static QString VerdictText(const Counters& counters, int total, bool stopped,
                                             const QString& guessedKind = {});

signals:
    // The user asked to see only the bad and missing rows.
    void ShowProblemsRequested();
    // The user closed the strip.
    void Dismissed();

private:
    QLabel* m_text;
    QPushButton* m_problems;
    QToolButton* m_close;
};
