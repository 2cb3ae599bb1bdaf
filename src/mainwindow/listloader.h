#pragma once

#include "listreader.h"

#include <QObject>

#include <string>
#include <thread>
#include <vector>

// Reads a checksum-list file off the GUI thread, so a very long list never freezes the
// window. Finished is emitted on the loader's own thread once the outcome is ready.
// The read touches no window state: it only builds the new content.
class ListLoader final : public QObject {
    Q_OBJECT

public:
    explicit ListLoader(QObject* parent = nullptr);
    ~ListLoader() override;
    ListLoader(const ListLoader&) = delete;
    ListLoader& operator=(const ListLoader&) = delete;

    // False (and nothing starts) while a read is still running. `kindGuessed` is
    // passed on to the content: the kind came from the digests' length alone.
    bool Start(std::string path, std::string baseFolder, ListKind kind, int sizeType, bool kindGuessed = false);
    // Reads every list beneath `folder` (ending in '/') into one list whose rows are
    // named relative to the folder (LoadListFolder); false while a read is running.
    bool StartFolder(std::string folder, int sizeType);
    [[nodiscard]] bool IsRunning() const noexcept { return m_running; }
    // The outcome of the read that has finished.
    [[nodiscard]] LoadOutcome TakeOutcome();
    // Waits for a running read to end; its Finished still follows.
    void Wait();
    // Of the last folder read: what could not be read (one text per list or folder,
    // and the lists holding no checksum line), and the lists it found, as paths.
    [[nodiscard]] const std::vector<std::string>& FolderProblems() const noexcept { return m_folderProblems; }
    [[nodiscard]] const std::vector<std::string>& FolderLists() const noexcept { return m_folderLists; }

signals:
    void Finished();

private:
    void OnThreadDone();

    std::thread m_thread;
    LoadOutcome m_outcome;
    std::vector<std::string> m_folderProblems;
    std::vector<std::string> m_folderLists;
    bool m_running = false;
};
