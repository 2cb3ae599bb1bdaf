#include "statuspartslayout.h"

#include "mainlayout.h"

#include <algorithm>

StatusPartsLayout::~StatusPartsLayout()
{
    while (QLayoutItem* item = takeAt(0)) {
        delete item;
    }
}

void StatusPartsLayout::addItem(QLayoutItem* item)
{
    m_items.append(item);
}

QLayoutItem* StatusPartsLayout::itemAt(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : nullptr;
}

QLayoutItem* StatusPartsLayout::takeAt(int index)
{
    return index >= 0 && index < m_items.size() ? m_items.takeAt(index) : nullptr;
}

QSize StatusPartsLayout::sizeHint() const
{
    int height = 0;
    for (const QLayoutItem* item : m_items) {
        height = std::max(height, item->sizeHint().height());
    }
    return {kMinWindowWidth, height};
}

QSize StatusPartsLayout::minimumSize() const
{
    return {0, 0};
}

QRect StatusPartsLayout::PartRect(const QRect& rect, int part)
{
    const std::array<int, 4> edges = StatusPartEdges(rect.width());
    const int left = part == 0 ? 0 : edges[static_cast<std::size_t>(part - 1)];
    const int edge = edges[static_cast<std::size_t>(part)];
    const int right = edge < 0 ? rect.width() : edge;
    return {rect.x() + left, rect.y(), std::max(0, right - left), rect.height()};
}

void StatusPartsLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    for (int part = 0; part < std::min<int>(4, static_cast<int>(m_items.size())); ++part) {
        QRect placed = PartRect(rect, part);
        if (part < 3) {
            placed.setRight(placed.right() - 1);
        }
        m_items.at(part)->setGeometry(placed);
    }
}
