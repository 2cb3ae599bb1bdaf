#pragma once

#include <QWidget>

#include <array>

class QLabel;

// The status bar: four parts laid out by StatusPartsLayout (right edges at W/4, W/2,
// W - W/4 and the end of the bar), showing "OK: %d", "Bad: %d", "Missing: %d" and "Unchecked: %d".
class StatusBarParts final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinHeight = 18;

    explicit StatusBarParts(QWidget* parent = nullptr);

    void SetTexts(const std::array<QString, 4>& texts);
    [[nodiscard]] QString Text(int part) const;
    // Right edge of each part for the current width (the last is -1: to the end).
    [[nodiscard]] std::array<int, 4> PartEdges() const;
    // The part's rectangle inside the bar.
    [[nodiscard]] QRect PartRect(int part) const;

    [[nodiscard]] QSize sizeHint() const override;

private:
    std::array<QLabel*, 4> m_parts{};
};
