#include "checkreporter.h"

#include "checksumlist.h"
#include "outputname.h"
#include "resultreport.h"

#include <chrono>

CheckReporter::CheckReporter(const ChecksumList& list, std::FILE* out) : m_list(list), m_out(out) {}

void CheckReporter::RowChanged(int row)
{
    const std::lock_guard lock(m_printMutex);
    if (row < 0) {
        m_nextToPrint = 0;  // every row was reset
        return;
    }
    if (row == m_nextToPrint) {
        PrintReadyRows(false);
    }
}

void CheckReporter::PrintReadyRows(bool passUnfinished)
{
    for (; m_nextToPrint < m_list.RowCount(); ++m_nextToPrint) {
        const char* verdict = VerdictWord(m_list.RowStatus(m_nextToPrint));
        if (verdict == nullptr) {
            if (passUnfinished) {
                continue;
            }
            return;
        }
        const std::string line = NameLine(m_list.RowName(m_nextToPrint), std::string(": ") + verdict);
        std::fwrite(line.data(), 1, line.size(), m_out);
        std::fputc('\n', m_out);
    }
}

void CheckReporter::OnRunEvent(RunEvent event)
{
    if (event != RunEvent::WorkerEnded) {
        return;
    }
    {
        // An interrupted run leaves rows in flight without a verdict; the rows after
        // them that have one are counted in the totals, so they are printed too.
        const std::lock_guard lock(m_printMutex);
        PrintReadyRows(true);
    }
    std::fflush(m_out);
    const std::lock_guard lock(m_mutex);
    m_finished = true;
    m_finishedChanged.notify_all();
}

bool CheckReporter::WaitFinished(int milliseconds)
{
    std::unique_lock lock(m_mutex);
    return m_finishedChanged.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_finished; });
}
