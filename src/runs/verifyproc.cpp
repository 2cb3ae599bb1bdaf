#include "verifyproc.h"

#include "abortflag.h"
#include "checksumlist.h"
#include "crc32engine.h"
#include "digestfile.h"
#include "entrytraits.h"
#include "fileopenahead.h"
#include "filesize.h"
#include "hextext.h"
#include "listreader.h"
#include "md5file.h"
#include "progresssink.h"
#include "runobserver.h"
#include "sizetext.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <cstdint>

namespace {

bool SameText(std::string_view expected, const char* computed, std::size_t length) noexcept
{
    return expected == std::string_view(computed, length);
}

enum class RowScope { All, Selected };

constexpr std::size_t kPreReadLimit = 64 * 1024;

// One run of a worker: the common beginning, the row loop and the common end.
class VerifyRun {
public:
    VerifyRun(const VerifyJob& job, RowScope scope)
        : m_job(job), m_list(*job.owner), m_observer(*job.observer), m_scope(scope)
    {
    }

    void Execute()
    {
        const int rowCount = m_list.RowCount();
        if (m_job.resetRows) {
            for (int row = 0; row < rowCount; ++row) {
                m_list.SetRowStatus(row, static_cast<int>(EntryStatus::Unchecked));
            }
            m_observer.RowChanged(kAllRowsChanged);
        }
        m_totalBytes = static_cast<std::int64_t>(m_scope == RowScope::Selected ? SelectedBytes(rowCount)
                                                                                : m_list.TotalBytes());
        m_observer.Progress().SetPosition(0);
        if (m_scope == RowScope::All) {
            m_list.SetCurrentIndex(0);
        }
        m_bytesDone = m_list.BytesDone();
        m_list.SetSizeType(m_job.sizeType);

        const ListKind kind = m_list.Kind();
        if (kind == ListKind::Sfv) {
            m_engine.BuildTable();
        }
        bool completed = true;
        if (kind != ListKind::None) {
            const int first = m_scope == RowScope::All ? m_job.startIndex : 0;
            // A selected-rows run reads each row's selection only when it gets there,
            // so it cannot open ahead.
            std::optional<FileOpenAhead> openAhead;
            if (m_scope == RowScope::All) {
                // Reading small files ahead pays where hashing is the slower part (MD5, SHA).
                const std::size_t preReadLimit = kind != ListKind::Sfv ? kPreReadLimit : 0;
                m_openAhead = &openAhead.emplace(m_list, m_job.baseFolder, first, rowCount, preReadLimit);
            }
            for (int row = first; row < rowCount; ++row) {
                if (m_scope == RowScope::Selected && !m_list.IsRowSelected(row)) {
                    continue;
                }
                if (!VerifyRow(row, kind)) {
                    completed = false;
                    break;
                }
            }
            m_openAhead = nullptr;
        }
        m_engine.FreeTable();
        // An interrupted run that was paused keeps its resume point and its panel. A run
        // that verified every row ends normally even when a Pause arrived after its last
        // row, so that a resume never counts a row twice.
        if (completed || m_list.GetRunState() != RunState::Paused) {
            m_list.SetBytesDone(0);
            m_list.SetRunState(RunState::Stopped);
            m_list.SetCurrentIndex(0);
            m_observer.OnRunEvent(RunEvent::Finished);
        }
        m_observer.OnRunEvent(RunEvent::WorkerEnded);
    }

private:
    std::uint64_t SelectedBytes(int rowCount) const
    {
        std::uint64_t total = 0;
        for (int row = 0; row < rowCount; ++row) {
            std::uint64_t size = 0;
            if (m_list.IsRowSelected(row) && QueryFileSize(EntryPath(row), size)) {
                total += size;
            }
        }
        return total;
    }

    std::string EntryPath(int row) const
    {
        return ResolveRowPath(m_job.baseFolder, m_list.RowName(row), m_list.RowTraits(row));
    }

    // Returns false when the run was interrupted while on this row.
    bool VerifyRow(int row, ListKind kind)
    {
        // One open serves the Size column and the checksum.
        ReadOnlyFile file = m_openAhead != nullptr ? m_openAhead->Take(row) : ReadOnlyFile(EntryPath(row));
        const bool present = RefreshRowSize(row, file);
        if (m_job.autoScroll) {
            m_observer.AutoScrollToRow(row);
        }
        if (m_scope == RowScope::All) {
            m_list.SetCurrentIndex(row);
        }
        SetStatus(row, EntryStatus::Checking);

        const EntryStatus verdict =
            kind == ListKind::Sfv ? CheckCrc32(row, file) : CheckDigest(row, file, present);

        if (Interrupted()) {
            SetStatus(row, EntryStatus::Checking);
            return false;
        }
        if (m_scope == RowScope::All) {
            m_list.SetBytesDone(m_bytesDone);
        }
        SetStatus(row, verdict);
        Count(verdict);
        return true;
    }

    // The file's size as the size query gives it: known when it could be opened.
    bool RefreshRowSize(int row, const ReadOnlyFile& file)
    {
        const bool found = file.IsOpen();
        m_list.SetRowSize(row, found ? file.Size() : kSizeNotFound);
        return found;
    }

    EntryStatus CheckCrc32(int row, ReadOnlyFile& file)
    {
        std::uint32_t crc = 0;
        const int result = m_engine.ChecksumFile(file, crc, m_observer.Progress(), m_totalBytes, m_bytesDone);
        if (result == kChecksumFileNotFound) {
            return EntryStatus::Missing;
        }
        if (result != kChecksumOk) {
            return EntryStatus::Bad;
        }
        const std::array<char, 8> text = Crc32Text(crc);
        m_list.SetFoundChecksum(row, std::string_view(text.data(), text.size()));
        return SameText(m_list.ExpectedChecksum(row), text.data(), text.size()) ? EntryStatus::OK
                                                                                 : EntryStatus::Bad;
    }

    // MD5 or SHA by the row's algorithm. A checksum that cannot be a digest of that
    // algorithm makes the entry bad without reading the file; otherwise a file that
    // could not be opened for reading is missing.
    EntryStatus CheckDigest(int row, ReadOnlyFile& file, bool present)
    {
        const std::uint8_t traits = m_list.RowTraits(row);
        if (entrytraits::HasUnusableDigest(traits)) {
            return EntryStatus::Bad;
        }
        if (!present) {
            return EntryStatus::Missing;
        }
        try {
            const std::string digest = DigestFile(file, EntryPath(row), entrytraits::Algorithm(traits),
                                                  m_observer.Progress(), m_totalBytes, m_bytesDone);
            m_list.SetFoundChecksum(row, digest);
            return SameText(m_list.ExpectedChecksum(row), digest.data(), digest.size()) ? EntryStatus::OK
                                                                                         : EntryStatus::Bad;
        } catch (const FileError&) {
            // Opened, but a read failed part-way: unreadable is bad.
            return EntryStatus::Bad;
        } catch (const std::runtime_error&) {
            // libcrypto could not provide the digest: the entry cannot be confirmed.
            return EntryStatus::Bad;
        }
    }

    bool Interrupted() const noexcept
    {
        const RunState state = m_list.GetRunState();
        return state == RunState::Paused || state == RunState::Stopped || AbortRequested();
    }

    void SetStatus(int row, EntryStatus status)
    {
        m_list.SetRowStatus(row, static_cast<int>(status));
        m_observer.RowChanged(row);
    }

    void Count(EntryStatus verdict)
    {
        Counters counters = m_list.GetCounters();
        switch (verdict) {
        case EntryStatus::OK: ++counters.ok; break;
        case EntryStatus::Bad: ++counters.bad; break;
        case EntryStatus::Missing: ++counters.missing; break;
        default: return;
        }
        --counters.unchecked;
        m_list.SetCounters(counters.ok, counters.bad, counters.missing, counters.unchecked);
        m_observer.UpdateStatusBar();
    }

    const VerifyJob& m_job;
    ChecksumList& m_list;
    RunObserver& m_observer;
    RowScope m_scope;
    CCrc32Engine m_engine;
    FileOpenAhead* m_openAhead = nullptr;  // set during an all-rows loop
    std::int64_t m_totalBytes = 0;
    std::uint64_t m_bytesDone = 0;
};

}  // namespace

void VerifyAllProc(const VerifyJob& job)
{
    VerifyRun(job, RowScope::All).Execute();
}

void VerifySelectedProc(const VerifyJob& job)
{
    VerifyRun(job, RowScope::Selected).Execute();
}
