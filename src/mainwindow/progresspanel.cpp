#include "progresspanel.h"

#include "mainlayout.h"
#include "progressfigurestext.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

namespace {

constexpr int kTextMargin = 15;  // the texts line up with the bar
constexpr int kTextGap = 8;

void SetTextIfChanged(QLabel& label, const QString& text)
{
    if (label.text() != text) {
        label.setText(text);
    }
}

}  // namespace

ProgressPanel::ProgressPanel(QWidget* parent)
    : QWidget(parent), m_group(new QGroupBox(tr("-= [ Progress ] =-"), this)),
      m_bar(new QProgressBar(this)), m_stateLabel(new QLabel(this)), m_fileLabel(new QLabel(this)),
      m_figuresLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("progressPanel"));
    m_group->setObjectName(QStringLiteral("progressGroup"));
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_bar->setAccessibleName(tr("Progress"));

    m_stateLabel->setObjectName(QStringLiteral("progressState"));
    m_fileLabel->setObjectName(QStringLiteral("progressFile"));
    m_figuresLabel->setObjectName(QStringLiteral("progressFigures"));
    m_stateLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_fileLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_figuresLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = m_stateLabel->font();
    bold.setBold(true);
    m_stateLabel->setFont(bold);
    // The title-line texts cover the group's frame line as its caption does.
    for (QLabel* label : {m_stateLabel, m_fileLabel}) {
        label->setAutoFillBackground(true);
        label->setTextFormat(Qt::PlainText);
    }
    m_figuresLabel->setTextFormat(Qt::PlainText);
    m_stateLabel->setAccessibleName(tr("Run state"));
    m_fileLabel->setAccessibleName(tr("Current file"));
    m_figuresLabel->setAccessibleName(tr("Progress figures"));
    UpdateTexts();
}

void ProgressPanel::SetPosition(int percent)
{
    const int value = std::clamp(percent, 0, 100);
    if (m_bar->value() != value) {
        m_bar->setValue(value);
    }
}

void ProgressPanel::SetPhase(RunPhase phase)
{
    m_phase = phase;
    if (phase == RunPhase::Stopped || phase == RunPhase::Finished) {
        m_file.clear();
    }
    UpdateTexts();
}

void ProgressPanel::ShowFigures(const ProgressFigures& figures, const QString& currentFile)
{
    m_figures = figures;
    m_file = currentFile;
    UpdateTexts();
}

QString ProgressPanel::PhaseText(RunPhase phase)
{
    switch (phase) {
    case RunPhase::Running: return tr("Running");
    case RunPhase::Paused: return tr("Paused");
    case RunPhase::Stopped: return tr("Stopped");
    case RunPhase::Finished: return tr("Finished");
    }
    return {};
}

QString ProgressPanel::StateText() const
{
    return m_stateLabel->text();
}

QString ProgressPanel::FiguresText() const
{
    return m_figuresLabel->text();
}

void ProgressPanel::UpdateTexts()
{
    SetTextIfChanged(*m_figuresLabel, ProgressFiguresText(m_figures, m_phase == RunPhase::Running));
    SetTextIfChanged(*m_stateLabel, PhaseText(m_phase));
    m_fileLabel->setToolTip(m_file);
    PlaceTexts();
}

void ProgressPanel::PlaceTexts()
{
    const QFontMetrics stateMetrics(m_stateLabel->font());
    const QFontMetrics metrics(m_fileLabel->font());
    const int lineHeight = metrics.height();
    const int stateWidth = stateMetrics.horizontalAdvance(m_stateLabel->text()) + 4;
    const int stateLeft = std::max(0, width() - kTextMargin - stateWidth);
    m_stateLabel->setGeometry(stateLeft, 0, stateWidth, lineHeight);

    // The file name starts after the group's caption and ends before the state.
    const int captionRight = kTextMargin + metrics.horizontalAdvance(m_group->title()) + kTextGap;
    const int fileWidth = std::max(0, stateLeft - kTextGap - captionRight);
    const QString elided = metrics.elidedText(m_file, Qt::ElideMiddle, fileWidth);
    SetTextIfChanged(*m_fileLabel, elided);
    m_fileLabel->setGeometry(captionRight, 0, std::min(fileWidth, metrics.horizontalAdvance(elided) + 4), lineHeight);
    m_fileLabel->setVisible(!elided.isEmpty());

    const QRect bar = ProgressBarRect(width(), height());
    const int figuresTop = bar.bottom() + 1;
    m_figuresLabel->setGeometry(kTextMargin, figuresTop, std::max(0, width() - 2 * kTextMargin),
                                std::max(0, height() - figuresTop - 2));
}

void ProgressPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_group->setGeometry(0, 0, width(), height());
    m_bar->setGeometry(ProgressBarRect(width(), height()));
    m_bar->raise();
    PlaceTexts();
    for (QLabel* label : {m_stateLabel, m_fileLabel, m_figuresLabel}) {
        label->raise();
    }
}
