#include "folderanchor.h"

#include <unistd.h>

#include <utility>

FolderAnchor::FolderAnchor(std::string folder) : m_folder(std::move(folder))
{
    if (!m_folder.empty() && m_folder.back() == '/') {
        m_fd = ::open(m_folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    }
}

FolderAnchor::~FolderAnchor()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

AnchoredPath FolderAnchor::Anchor(const std::string& path) const noexcept
{
    if (m_fd >= 0 && path.size() > m_folder.size() && path.compare(0, m_folder.size(), m_folder) == 0) {
        return {m_fd, path.c_str() + m_folder.size()};
    }
    return {AT_FDCWD, path.c_str()};
}
