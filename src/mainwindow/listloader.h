#pragma once

#include "listreader.h"

#include <QObject>

#include <string>
#include <thread>

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
    [[nodiscard]] bool IsRunning() const noexcept { return m_running; }
    // The outcome of the read that has finished.
    [[nodiscard]] LoadOutcome TakeOutcome();
    // Waits for a running read to end; its Finished still follows.
    void Wait();

signals:
    void Finished();

private:
    void OnThreadDone();

    std::thread m_thread;
    LoadOutcome m_outcome;
    bool m_running = false;
};
