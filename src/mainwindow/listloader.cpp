#include "listloader.h"

#include "listcaveats.h"
#include "treelists.h"

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

bool ListLoader::StartFolder(std::string folder, int sizeType)
{
    if (m_running) {
        return false;
    }
    m_running = true;
    m_outcome = LoadOutcome{};
    m_folderProblems.clear();
    m_folderLists.clear();
    m_thread = std::thread([this, folder = std::move(folder), sizeType] {
        TreeLoad tree = LoadListFolder(folder, false, sizeType);
        m_outcome.status = LoadStatus::Loaded;
        m_outcome.incomplete = !tree.incomplete.empty();
        m_outcome.content = std::move(tree.content);
        m_folderProblems = std::move(tree.unreachable);
        m_folderProblems.insert(m_folderProblems.end(), tree.unreadable.begin(), tree.unreadable.end());
        for (const std::string& relative : tree.empty) {
            m_folderProblems.push_back(NoChecksumLinesMessage(relative));
        }
        for (const std::string& relative : tree.lists) {
            m_folderLists.push_back(folder + relative);
        }
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
