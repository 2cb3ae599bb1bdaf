#pragma once

#include "checksumlist.h"
#include "listidentify.h"
#include "listreader.h"
#include "recordingobserver.h"
#include "tempdir.h"
#include "verifycontroller.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Bitwise CRC-32, independent of the engine under test.
inline std::uint32_t ReferenceCrc32(std::string_view bytes)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

inline std::string Hex8(std::uint32_t value)
{
    char text[9];
    std::snprintf(text, sizeof text, "%08X", value);
    return text;
}

// A folder with listed files, a list file, a ChecksumList, an observer and a controller.
class RunFixture {
public:
    struct Entry {
        std::string name;
        std::string expected;
    };

    std::string WriteFile(const std::string& name, std::string_view bytes) { return m_dir.WriteFile(name, bytes); }

    // Writes an SFV list of `entries` and loads it into the list.
    void LoadSfv(const std::vector<Entry>& entries) { Load("list.sfv", entries, ListKind::Sfv); }
    void LoadMd5(const std::vector<Entry>& entries) { Load("list.md5", entries, ListKind::Md5); }

    void Load(const std::string& listName, const std::vector<Entry>& entries, ListKind kind)
    {
        std::string text;
        for (const Entry& entry : entries) {
            text += kind == ListKind::Sfv ? entry.name + " " + entry.expected : entry.expected + " " + entry.name;
            text += "\r\n";
        }
        LoadText(listName, text);
    }

    // Writes `text` as the list file `listName` and loads it into the list.
    void LoadText(const std::string& listName, const std::string& text)
    {
        const std::string path = m_dir.WriteFile(listName, text);
        const ListKindDetection detection = IdentifyListKind(path);
        LoadOutcome outcome = LoadChecksumList(path, detection.baseFolder, detection.kind, 0);
        if (outcome.status != LoadStatus::Loaded) {
            throw std::runtime_error("test list did not load");
        }
        m_list.Replace(std::move(outcome.content));
    }

    std::vector<EntryStatus> Statuses() const
    {
        std::vector<EntryStatus> statuses;
        for (int row = 0; row < m_list.RowCount(); ++row) {
            statuses.push_back(m_list.RowStatus(row));
        }
        return statuses;
    }

    // Runs `command` and waits until the `runs`-th run since the fixture was made ends.
    template <typename Command>
    void RunAndWait(Command command, int runs)
    {
        command();
        if (!m_observer.WaitForRunsFinished(runs)) {
            throw std::runtime_error("run did not finish");
        }
        m_controller->WaitForWorker();
    }

    TempDir m_dir;
    ChecksumList m_list;
    RecordingObserver m_observer{m_list};
    std::unique_ptr<VerifyController> m_controller = std::make_unique<VerifyController>(m_list, m_observer);
};
