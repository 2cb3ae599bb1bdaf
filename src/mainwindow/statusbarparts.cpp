#include "statusbarparts.h"

#include "mainlayout.h"

#include <QLabel>

#include <algorithm>

StatusBarParts::StatusBarParts(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    setMinimumHeight(kMinHeight);
    for (std::size_t part = 0; part < m_parts.size(); ++part) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("statusPart%1").arg(part));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(3);
        label->setTextFormat(Qt::PlainText);
        m_parts[part] = label;
    }
    SetTexts({QStringLiteral("OK: "), QStringLiteral("Bad: "), QStringLiteral("Missing: "),
              QStringLiteral("Unchecked: ")});
}

void StatusBarParts::SetTexts(const std::array<QString, 4>& texts)
{
    for (std::size_t part = 0; part < m_parts.size(); ++part) {
        m_parts[part]->setText(texts[part]);
    }
}

QString StatusBarParts::Text(int part) const
{
    return part >= 0 && part < 4 ? m_parts[static_cast<std::size_t>(part)]->text() : QString();
}

std::array<int, 4> StatusBarParts::PartEdges() const
{
    return StatusPartEdges(width());
}

QRect StatusBarParts::PartRect(int part) const
{
    const std::array<int, 4> edges = PartEdges();
    const int left = part == 0 ? 0 : edges[static_cast<std::size_t>(part - 1)];
    const int right = edges[static_cast<std::size_t>(part)] < 0 ? width() : edges[static_cast<std::size_t>(part)];
    return QRect(left, 0, std::max(0, right - left), height());
}

QSize StatusBarParts::sizeHint() const
{
    return QSize(kMinWindowWidth, std::max(kMinHeight, std::min(kStatusBand, fontMetrics().height() + 4)));
}

void StatusBarParts::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PlaceParts();
}

void StatusBarParts::PlaceParts()
{
    for (int part = 0; part < 4; ++part) {
        // A one-pixel gap between parts, as between the panes of a status bar.
        QRect rect = PartRect(part);
        if (part < 3) {
            rect.setRight(rect.right() - 1);
        }
        m_parts[static_cast<std::size_t>(part)]->setGeometry(rect);
    }
}
