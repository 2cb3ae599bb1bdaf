#include "generationmessages.h"

#include "digestalgorithm.h"
#include "entrytraits.h"
#include "listformats.h"

std::string GroupCaption(ListKind kind)
{
    if (kind == ListKind::Sfv) {
        return kSfvGroupCaption;
    }
    if (!IsCreatableListKind(kind)) {
        return kUnknownGroupCaption;
    }
    return "-= [" + std::string(AlgorithmInfo(KindAlgorithm(kind)).name) + "] =-";
}

std::string GenerationCounterText(int number, int count)
{
    return std::to_string(number) + "/" + std::to_string(count);
}

std::string UnknownOutputTypeMessage(std::int32_t kind)
{
    return "Unknown Output Type: [" + std::to_string(kind) + "]";
}

std::string LeftOutMessage(const std::string& listPath, const std::vector<LeftOutFile>& leftOut)
{
    if (leftOut.empty()) {
        return {};
    }
    std::string text = "These files could not be read and are not in [" + listPath + "]:";
    for (const LeftOutFile& file : leftOut) {
        text += "\n" + file.name + ": " + file.reason;
    }
    return text;
}
