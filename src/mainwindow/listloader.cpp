#include "listloader.h"

#include <utility>

ListLoader::ListLoader(QObject* parent) : QObject(parent) {}

ListLoader::~ListLoader()
{
    Wait();
}

bool ListLoader::Start(std::string path, std::string baseFolder, ListKind kind, int sizeType, bool kindGuessed)
{
    if (m_running) {
        return false;
    }
    m_running = true;
    m_outcome = LoadOutcome{};
    m_thread = std::thread([this, path = std::move(path), baseFolder = std::move(baseFolder), kind, sizeType,
                            kindGuessed] {
        m_outcome = LoadChecksumList(path, baseFolder, kind, sizeType);
        m_outcome.content.kindGuessed = kindGuessed;
        QMetaObject::invokeMethod(this, &ListLoader::OnThreadDone, Qt::QueuedConnection);
    });
    return true;
}

LoadOutcome ListLoader::TakeOutcome()
{
    return std::exchange(m_outcome, LoadOutcome{});
}

void ListLoader::Wait()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ListLoader::OnThreadDone()
{
    Wait();
    m_running = false;
    emit Finished();
}
