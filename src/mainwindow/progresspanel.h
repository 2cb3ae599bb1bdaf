#pragma once

#include <QWidget>

class QGroupBox;
class QProgressBar;

// The progress panel shown under the checksum list during a run: a group box
// "-= [ Progress ] =-" filling the panel and a smooth bar (0 to 100) at x 15,
// y (height - 15) / 2 + 4, width - 30 wide and 15 high.
class ProgressPanel final : public QWidget {
    Q_OBJECT

public:
    explicit ProgressPanel(QWidget* parent = nullptr);

    // Positions outside 0..100 show as the nearer end.
    void SetPosition(int percent);
    [[nodiscard]] QProgressBar* Bar() const noexcept { return m_bar; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QGroupBox* m_group;
    QProgressBar* m_bar;
};
