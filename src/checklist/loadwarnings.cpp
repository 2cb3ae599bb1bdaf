#include "loadwarnings.h"

#include "checksumlist.h"
#include "digestline.h"
#include "entrytraits.h"
#include "listcaveats.h"
#include "outputname.h"

std::string ImproperLinesWarning(int improperLines)
{
    if (improperLines <= 0) {
        return {};
    }
    return "WARNING: " + std::to_string(improperLines) +
           (improperLines == 1 ? " line is improperly formatted" : " lines are improperly formatted");
}

std::vector<std::string> LoadWarnings(const ChecksumList& list, int improperLines)
{
    std::vector<std::string> warnings;
    if (list.KindGuessed()) {
        warnings.push_back(GuessedKindWarning(list.Kind()));
    }
    if (improperLines > 0) {
        warnings.push_back(ImproperLinesWarning(improperLines));
    }
    for (int row = 0; row < list.RowCount(); ++row) {
        const std::uint8_t traits = list.RowTraits(row);
        if (!entrytraits::HasUnusableDigest(traits)) {
            continue;
        }
        if (const std::optional<std::string> problem = DigestProblem(list.ExpectedChecksum(row), traits)) {
            warnings.push_back(NameLine(list.RowName(row), ": " + *problem));
        }
    }
    return warnings;
}
