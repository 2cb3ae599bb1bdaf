#include "checkreporter.h"

#include "checksumlist.h"
#include "resultreport.h"

#include <chrono>

CheckReporter::CheckReporter(const ChecksumList& list, std::FILE* out) : m_list(list), m_out(out) {}

void CheckReporter::RowChanged(int row)
{
    if (row < 0) {
        return;
    }
    const char* verdict = VerdictWord(m_list.RowStatus(row));
    if (verdict == nullptr) {
        return;
    }
    const std::string_view name = m_list.RowName(row);
    std::fwrite(name.data(), 1, name.size(), m_out);
    std::fputs(": ", m_out);
    std::fputs(verdict, m_out);
    std::fputc('\n', m_out);
}

void CheckReporter::OnRunEvent(RunEvent event)
{
    if (event != RunEvent::WorkerEnded) {
        return;
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
