#include "checkload.h"

#include "checksumlist.h"
#include "listcaveats.h"
#include "listendnotes.h"
#include "listidentify.h"
#include "listmessages.h"
#include "listreader.h"
#include "loadwarnings.h"
#include "treelists.h"

#include <cstdio>
#include <sys/stat.h>

namespace {

void Say(const std::string& message)
{
    std::fprintf(stderr, "tallyfox-check: %s\n", message.c_str());
}

}  // namespace

CheckLoad LoadOneList(const std::string& path, ChecksumList& list)
{
    CheckLoad load;
    const ListKindDetection detection = IdentifyListKind(path);
    if (!detection.known) {
        std::fprintf(stderr, "%s\n", UnknownFileTypeMessage(path).c_str());
        return load;
    }
    LoadOutcome outcome = LoadChecksumList(path, detection.baseFolder, detection.kind, 0);
    if (outcome.status != LoadStatus::Loaded) {
        std::fprintf(stderr, "%s\n", OpenFailedMessage(path).c_str());
        return load;
    }
    outcome.content.kindGuessed = detection.guessed;
    list.Replace(std::move(outcome.content));
    for (const std::string& warning : LoadWarnings(list, outcome.improperLines)) {
        Say(warning);
    }
    load.incomplete = outcome.incomplete;
    if (load.incomplete) {
        Say(IncompleteListMessage(path));
    }
    if (list.RowCount() == 0) {
        // Nothing verified is not "every file OK": md5sum -c fails such a list too.
        Say(NoChecksumLinesMessage(path));
        return load;
    }
    load.loaded = true;
    load.listPaths.push_back(path);
    return load;
}

CheckLoad LoadListTree(const std::string& folder, bool hidden, ChecksumList& list)
{
    CheckLoad load;
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        Say(folder + ": not a folder");
        return load;
    }
    const std::string base = folder.back() == '/' ? folder : folder + "/";
    TreeLoad tree = LoadListFolder(base, hidden, 0);
    for (const std::string& problem : tree.unreachable) {
        Say(problem);
    }
    load.unreadable = !tree.unreachable.empty();
    if (tree.lists.empty()) {
        Say("no checksum lists beneath " + folder);
        return load;
    }
    for (const std::string& message : tree.unreadable) {
        Say(message);
    }
    load.unreadable = load.unreadable || !tree.unreadable.empty();
    for (const std::string& warning : tree.warnings) {
        Say(warning);
    }
    for (const std::string& relative : tree.incomplete) {
        Say(IncompleteListMessage(relative));
    }
    load.incomplete = !tree.incomplete.empty();
    for (const std::string& relative : tree.empty) {
        Say(NoChecksumLinesMessage(relative));
    }
    list.Replace(std::move(tree.content));
    // Entries whose checksum cannot be a digest of their algorithm, under their names here.
    for (const std::string& warning : LoadWarnings(list, 0)) {
        Say(warning);
    }
    for (const std::string& relative : tree.lists) {
        load.listPaths.push_back(base + relative);
    }
    load.loaded = list.RowCount() > 0;
    if (!load.loaded) {
        Say(NoChecksumLinesMessage(folder));
    }
    return load;
}
