#include "filerecord.h"

#include <cstdio>

FileTimeFields MakeFileTimeFields(std::time_t seconds, long nanoseconds)
{
    FileTimeFields fields;
    std::tm calendar{};
    if (localtime_r(&seconds, &calendar) == nullptr) {
        return fields;  // beyond what the calendar can hold: all fields 0
    }
    fields.year = static_cast<std::uint16_t>(calendar.tm_year + 1900);
    fields.month = static_cast<std::uint16_t>(calendar.tm_mon + 1);
    fields.dayOfWeek = static_cast<std::uint16_t>(calendar.tm_wday);
    fields.day = static_cast<std::uint16_t>(calendar.tm_mday);
    fields.hour = static_cast<std::uint16_t>(calendar.tm_hour);
    fields.minute = static_cast<std::uint16_t>(calendar.tm_min);
    fields.second = static_cast<std::uint16_t>(calendar.tm_sec);
    fields.milliseconds = static_cast<std::uint16_t>(nanoseconds / 1'000'000);
    return fields;
}

std::string FormatDateText(const FileTimeFields& time)
{
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", time.year, time.month,
                                     time.day, time.hour, time.minute);
    return std::string(text, static_cast<std::size_t>(length));
}
