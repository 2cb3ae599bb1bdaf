#include "statusbarparts.h"

#include "mainlayout.h"
#include "statuspartslayout.h"

#include <QLabel>

#include <algorithm>

StatusBarParts::StatusBarParts(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    setMinimumHeight(kMinHeight);
    auto* layout = new StatusPartsLayout(this);
    layout->setSizeConstraint(QLayout::SetNoConstraint);  // the window sets the bar's size
    for (std::size_t part = 0; part < m_parts.size(); ++part) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("statusPart%1").arg(part));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setIndent(3);
        label->setTextFormat(Qt::PlainText);
        m_parts[part] = label;
        layout->addWidget(label);
    }
    SetTexts({tr("OK: "), tr("Bad: "), tr("Missing: "), tr("Unchecked: ")});
    setAccessibleName(tr("Counters"));
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
    return StatusPartsLayout::PartRect(rect(), part);
}

QSize StatusBarParts::sizeHint() const
{
    return QSize(kMinWindowWidth, std::max(kMinHeight, std::min(kStatusBand, fontMetrics().height() + 4)));
}
