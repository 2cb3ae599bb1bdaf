#include "verdictbar.h"

#include "sizetext.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>

namespace {

// A count with its thousands grouped, as the list's sizes are ("3,000").
QString Count(int n)
{
    return QString::fromStdString(FormatSizeText(static_cast<std::uint64_t>(std::max(n, 0)), kSizeTypeBytes));
}

QString Files(int n)
{
    return n == 1 ? VerdictBar::tr("1 file") : VerdictBar::tr("%1 files").arg(Count(n));
}

// "2 bad, 1 missing"; empty when nothing is bad or missing.
QString Problems(const Counters& counters)
{
    QStringList parts;
    if (counters.bad > 0) {
        parts.append(VerdictBar::tr("%1 bad").arg(Count(counters.bad)));
    }
    if (counters.missing > 0) {
        parts.append(VerdictBar::tr("%1 missing").arg(Count(counters.missing)));
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

VerdictBar::VerdictBar(QWidget* parent)
    : QFrame(parent), m_text(new QLabel(this)), m_problems(new QPushButton(tr("Show only these"), this)),
      m_close(new QToolButton(this))
{
    setObjectName(QStringLiteral("verdictBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    m_text->setObjectName(QStringLiteral("verdictText"));
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problems->setObjectName(QStringLiteral("verdictShowProblems"));
    m_problems->setToolTip(tr("Show only the bad and missing files in the list"));
    m_close->setObjectName(QStringLiteral("verdictClose"));
    m_close->setText(QStringLiteral("\u00D7"));
    m_close->setAutoRaise(true);
    m_close->setToolTip(tr("Close"));
    m_close->setAccessibleName(tr("Close the verdict"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_problems);
    layout->addWidget(m_close);

    connect(m_problems, &QPushButton::clicked, this, &VerdictBar::ShowProblemsRequested);
    connect(m_close, &QToolButton::clicked, this, [this] {
        hide();
        emit Dismissed();
    });
    hide();
}

void VerdictBar::ShowVerdict(const Counters& counters, int total, bool stopped, const QString& guessedKind)
{
    m_text->setText(VerdictText(counters, total, stopped, guessedKind));
    m_problems->setVisible(counters.bad > 0 || counters.missing > 0);
    // A bad or missing file, or a list with nothing to verify, is worth a warning's
    // colour; a clean run is not.
    QPalette colours = palette();
    const bool problems = counters.bad > 0 || counters.missing > 0 || total == 0;
    colours.setColor(QPalette::Window, problems ? QColor(0xFF, 0xE8, 0xD0) : QColor(0xDF, 0xF2, 0xDF));
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    show();
}

void VerdictBar::ShowListed(int rows)
{
    m_text->setText(tr("%1 listed: press F5 to verify").arg(Files(rows)));
    m_problems->hide();
    setPalette(QPalette());
    show();
}

QString VerdictBar::Text() const
{
    return m_text->text();
}

QString VerdictBar::VerdictText(const Counters& counters, int total, bool stopped, const QString& guessedKind)
{
    const int checked = counters.ok + counters.bad + counters.missing;
    const QString problems = Problems(counters);
    if (total == 0 && !stopped) {
        return tr("The list holds no checksum lines: nothing to verify.");
    }
    if (!guessedKind.isEmpty() && !stopped && counters.ok == 0 && counters.bad > 0) {
        return tr("%1: the list is probably not %2 but of another kind whose digests are as long.")
            .arg(problems, guessedKind);
    }
    if (stopped) {
        if (checked == 0) {
            return tr("Stopped before any file was checked.");
        }
        return problems.isEmpty()
                   ? tr("Stopped after %1 of %2: all OK so far.").arg(Count(checked), Files(total))
                   : tr("Stopped after %1 of %2: %3 so far.").arg(Count(checked), Files(total), problems);
    }
    if (checked == 0) {
        return tr("No files were checked.");
    }
    if (problems.isEmpty()) {
        return checked == 1 ? tr("The file is OK.") : tr("All %1 OK.").arg(Files(checked));
    }
    return tr("%1 of %2.").arg(problems, Files(checked));
}
