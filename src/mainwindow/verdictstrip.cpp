// The verdict strip under the checksum list: when a run's verdict or a list's note shows.

#include "verdictstrip.h"

#include "checksumlist.h"
#include "entrytraits.h"
#include "listcaveats.h"
#include "verdictbar.h"
#include "windowlayout.h"

VerdictStrip::VerdictStrip(QWidget& window, const ChecksumList& list, std::function<bool()> checksumViewShown)
    : m_window(window), m_list(list), m_checksumViewShown(std::move(checksumViewShown)),
      m_bar(new VerdictBar(&window))
{
    connect(m_bar, &VerdictBar::ShowProblemsRequested, this, &VerdictStrip::ShowProblemsRequested);
    connect(m_bar, &VerdictBar::Dismissed, this, &VerdictStrip::Hide);
}

void VerdictStrip::NoteRunEvent(RunEvent event)
{
    switch (event) {
    case RunEvent::Started:
    case RunEvent::SelectedRowsStarted:
        m_runTotal = event == RunEvent::Started ? m_list.RowCount() : m_list.SelectedCount();
        Hide();
        m_due = true;
        m_stopped = false;
        break;
    case RunEvent::Finished:
    case RunEvent::Stopped:
        if (m_due) {
            m_due = false;
            m_stopped = event == RunEvent::Stopped;
            ShowRunVerdict();
        }
        break;
    case RunEvent::Resumed:
    case RunEvent::Paused:
    case RunEvent::WorkerEnded:
        break;
    }
}

void VerdictStrip::RefreshAfterWorker()
{
    if (m_shown) {
        ShowRunVerdict();
    }
}

void VerdictStrip::ShowEmptyList()
{
    m_runTotal = 0;
    m_stopped = false;
    ShowRunVerdict();
}

void VerdictStrip::ShowRunVerdict()
{
    m_shown = true;
    // A guessed kind whose every file came out bad is named as the likelier cause.
    const QString otherKind = !m_stopped && m_runTotal == m_list.RowCount() && ProbablyAnotherKind(m_list)
                                  ? QString::fromLatin1(AlgorithmInfo(KindAlgorithm(m_list.Kind())).name)
                                  : QString();
    m_bar->ShowVerdict(m_list.GetCounters(), m_runTotal, m_stopped, otherKind);
    m_bar->setVisible(m_checksumViewShown());
    ActivateLayout(m_window);
}

void VerdictStrip::ShowListedNote()
{
    m_shown = true;
    m_bar->ShowListed(m_list.RowCount());
    m_bar->setVisible(m_checksumViewShown());
    ActivateLayout(m_window);
}

void VerdictStrip::Hide()
{
    m_due = false;
    m_shown = false;
    m_bar->hide();
    ActivateLayout(m_window);
}
