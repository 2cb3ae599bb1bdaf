#include "progresspanel.h"

#include "mainlayout.h"

#include <QGroupBox>
#include <QProgressBar>

#include <algorithm>

ProgressPanel::ProgressPanel(QWidget* parent)
    : QWidget(parent), m_group(new QGroupBox(tr("-= [ Progress ] =-"), this)),
      m_bar(new QProgressBar(this))
{
    setObjectName(QStringLiteral("progressPanel"));
    m_group->setObjectName(QStringLiteral("progressGroup"));
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(tr("Progress"));
}

void ProgressPanel::SetPosition(int percent)
{
    const int value = std::clamp(percent, 0, 100);
    if (m_bar->value() != value) {
        m_bar->setValue(value);
    }
}

void ProgressPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_group->setGeometry(0, 0, width(), height());
    m_bar->setGeometry(ProgressBarRect(width(), height()));
    m_bar->raise();
}
