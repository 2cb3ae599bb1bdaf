#include "folderpaths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

#include <algorithm>

namespace {

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    const auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
    };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&lower](char x, char y) { return lower(x) == lower(y); });
}

bool Exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The name in `folder` that equals `name` without regard to case, or nothing.
std::optional<std::string> NameIgnoringCase(const std::string& folder, const std::string& name)
{
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
    if (!dir) {
        return std::nullopt;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        if (EqualIgnoringCase(entry->d_name, name)) {
            return std::string(entry->d_name);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string CurrentFolderOf(const std::string& path)
{
    if (!path.empty() && path.back() == '/') {
        return path;
    }
    return path + "/";
}

bool PathExists(const std::string& text)
{
    std::string path = text;
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    if (path.empty()) {
        return false;
    }
    if (Exists(path)) {
        return true;
    }
    // Navigation matches folder names without regard to case, so this test does too:
    // each name that is not there as typed may be there in another case.
    const TypedPath typed = SplitTypedPath(path);
    std::string resolved = typed.absolute ? "" : ".";
    for (const std::string& name : typed.components) {
        std::string next = resolved + "/" + name;
        if (!Exists(next)) {
            const std::optional<std::string> other = NameIgnoringCase(resolved.empty() ? "/" : resolved, name);
            if (!other) {
                return false;
            }
            next = resolved + "/" + *other;
        }
        resolved = std::move(next);
    }
    return true;
}

TypedPath SplitTypedPath(const std::string& text)
{
    TypedPath typed;
    typed.absolute = !text.empty() && text.front() == '/';
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t slash = std::min(text.find('/', start), text.size());
        if (slash > start) {
            typed.components.push_back(text.substr(start, slash - start));
        }
        start = slash + 1;
    }
    return typed;
}

std::optional<std::size_t> FindFolderLabel(const std::vector<std::string>& labels, const std::string& name)
{
    const auto exact = std::find(labels.begin(), labels.end(), name);
    if (exact != labels.end()) {
        return static_cast<std::size_t>(exact - labels.begin());
    }
    const auto folded = std::find_if(labels.begin(), labels.end(),
                                     [&name](const std::string& label) { return EqualIgnoringCase(label, name); });
    if (folded != labels.end()) {
        return static_cast<std::size_t>(folded - labels.begin());
    }
    return std::nullopt;
}
