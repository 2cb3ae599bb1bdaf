#pragma once

#include <QLayout>
#include <QList>

// Lays out up to four parts side by side with the status bar's quarter rule: the right
// edges of the first three are at w/4, w/2 and w - w/4 (truncating), the last part runs
// to the end, and a pixel is left free between parts.
class StatusPartsLayout final : public QLayout {
public:
    explicit StatusPartsLayout(QWidget* parent) : QLayout(parent) { setContentsMargins(0, 0, 0, 0); }
    ~StatusPartsLayout() override;
    StatusPartsLayout(const StatusPartsLayout&) = delete;
    StatusPartsLayout& operator=(const StatusPartsLayout&) = delete;

    void addItem(QLayoutItem* item) override;
    [[nodiscard]] int count() const override { return static_cast<int>(m_items.size()); }
    [[nodiscard]] QLayoutItem* itemAt(int index) const override;
    [[nodiscard]] QLayoutItem* takeAt(int index) override;
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

    // Part `part`'s rectangle within `rect`, before the gap is taken off.
    [[nodiscard]] static QRect PartRect(const QRect& rect, int part);

private:
    QList<QLayoutItem*> m_items;
};
