#include "jobsoption.h"

#include "filesinflight.h"

#include <charconv>

bool ParseJobsValue(std::string_view text, int& filesInFlight) noexcept
{
    if (text == "auto") {
        filesInFlight = kFilesInFlightAuto;
        return true;
    }
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count < 1 || count > kMaxFilesInFlight) {
        return false;
    }
    filesInFlight = count;
    return true;
}
