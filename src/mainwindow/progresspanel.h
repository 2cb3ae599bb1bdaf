#pragma once

#include "progressmeter.h"
#include "runphase.h"

#include <QString>
#include <QWidget>

class QGroupBox;
class QLabel;
class QProgressBar;

// The progress panel shown under the checksum list during a run: a group box
// "-= [ Progress ] =-" filling the panel and a smooth bar (0 to 100) at x 15,
// y (height - 15) / 2 + 4, width - 30 wide and 15 high.
//
// Beside them, three texts: on the group's title line the current file (elided in
// the middle, its full name in the tooltip) and, at the right, the run's state in
// words; under the bar the figures ("42% · 12.3 MB of 30.0 MB · 45.6 MB/s · 0:12
// left" while running; percentage and bytes only otherwise).
class ProgressPanel final : public QWidget {
    Q_OBJECT

public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    // Positions outside 0..100 show as the nearer end.
    void SetPosition(int percent);
    [[nodiscard]] QProgressBar* Bar() const noexcept { return m_bar; }

    void SetPhase(RunPhase phase);
    [[nodiscard]] RunPhase Phase() const noexcept { return m_phase; }
    // The figures of the latest sample and the file being verified (empty: none).
    void ShowFigures(const ProgressFigures& figures, const QString& currentFile);

    // What the three texts say.
    [[nodiscard]] QString StateText() const;
    [[nodiscard]] QString FiguresText() const;
    [[nodiscard]] QString FileText() const { return m_file; }

    [[nodiscard]] static QString PhaseText(RunPhase phase);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateTexts();
    void PlaceTexts();

    QGroupBox* m_group;
    QProgressBar* m_bar;
    QLabel* m_stateLabel;
    QLabel* m_fileLabel;
    QLabel* m_figuresLabel;
    RunPhase m_phase = RunPhase::Running;
    ProgressFigures m_figures;
    QString m_file;
};
