#include "atomicfile.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes a descriptor on every path out of a scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) noexcept : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    [[nodiscard]] int Get() const noexcept { return m_fd; }
    // Closes now and reports whether the close succeeded (a late write error shows here).
    [[nodiscard]] bool Close() noexcept
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a path names, through a symbolic link if it is one; empty when a link
// cannot be resolved.
std::string ResolveTarget(const std::string& path)
{
    struct stat status{};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
        return path;
    }
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(path, error);
    return error ? std::string() : target.string();
}

// Opens a new, exclusive temporary file beside `target`; returns its descriptor and
// name, or -1.
int CreateTemporaryFile(const std::string& target, std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    std::random_device entropy;
    const std::string stem = FolderOf(target) + "/." + NameOf(target) + ".tmp-";
    for (int attempt = 0; attempt < 16; ++attempt) {
        temporaryPath = stem + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
                        std::to_string(entropy() % 1000000u);
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a failure here no longer endangers any data.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

int OpenTemporaryFileBeside(const std::string& path, std::string& temporaryPath)
{
    const std::string target = ResolveTarget(path);
    if (target.empty()) {
        errno = ENOENT;
        return -1;
    }
    const int fd = CreateTemporaryFile(target, temporaryPath);
    if (fd < 0) {
        return -1;
    }
    // A replaced file keeps its permissions; a new one gets 0666 less the umask.
    struct stat old{};
    if (::stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode) || ::fchmod(fd, old.st_mode & 07777) != 0) {
            const int error = S_ISREG(old.st_mode) ? errno : EISDIR;
            ::close(fd);
            ::unlink(temporaryPath.c_str());
            errno = error;
            return -1;
        }
    }
    return fd;
}

bool ReplaceWithTemporaryFile(const std::string& temporaryPath, const std::string& path)
{
    const std::string target = ResolveTarget(path);
    FileDescriptor file(::open(temporaryPath.c_str(), O_RDONLY | O_CLOEXEC));
    bool ok = !target.empty() && file.Get() >= 0 && ::fsync(file.Get()) == 0;
    int error = ok ? 0 : (target.empty() ? ENOENT : errno);
    ok = ok && file.Close();
    ok = ok && ::rename(temporaryPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        error = error != 0 ? error : errno;
        ::unlink(temporaryPath.c_str());
        errno = error;
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    std::string temporaryPath;
    FileDescriptor file(OpenTemporaryFileBeside(path, temporaryPath));
    if (file.Get() < 0) {
        return false;
    }
    bool ok = WriteAll(file.Get(), bytes);
    ok = file.Close() && ok;
    if (!ok) {
        ::unlink(temporaryPath.c_str());
        return false;
    }
    return ReplaceWithTemporaryFile(temporaryPath, path);
}

bool CreateFolders(const std::string& folder)
{
    if (folder.empty()) {
        return false;
    }
    std::size_t end = 0;
    while (end != std::string::npos) {
        end = folder.find('/', end + 1);
        const std::string prefix = folder.substr(0, end);
        struct stat status{};
        if (prefix.empty() || ::stat(prefix.c_str(), &status) == 0) {
            continue;
        }
        if (::mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat status{};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}
