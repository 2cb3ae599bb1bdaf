#include "listcaveats.h"

#include "checksumlist.h"
#include "digestalgorithm.h"
#include "entrytraits.h"

namespace {

std::string KindName(ListKind kind)
{
    return std::string(AlgorithmInfo(KindAlgorithm(kind)).name);
}

}  // namespace

std::string NoChecksumLinesMessage(const std::string& path)
{
    return "No checksum lines found in [" + path + "]: nothing to verify.";
}

std::string GuessedKindWarning(ListKind kind)
{
    return "the list's kind (" + KindName(kind) + ") is guessed from its digests' length";
}

bool ProbablyAnotherKind(const ChecksumList& list)
{
    const Counters counters = list.GetCounters();
    return list.KindGuessed() && counters.bad > 0 && counters.ok == 0 && counters.unchecked == 0;
}

std::string ProbablyAnotherKindMessage(ListKind kind)
{
    return "every entry is bad: the list is probably not " + KindName(kind) +
           " but of another kind whose digests are as long";
}
