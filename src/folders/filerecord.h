#pragma once

#include <cstdint>
#include <ctime>
#include <string>

// A last-write time as calendar fields, in local time, as every other tool on the
// machine shows it.
struct FileTimeFields {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t dayOfWeek = 0;  // 0 Sunday
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

// One file of the browser's current folder. The size is a full 64-bit count.
struct FileRecord {
    std::string name;  // as found in the folder, no path
    std::uint64_t size = 0;
    FileTimeFields time;
    std::time_t modified = 0;  // the last write in seconds since the epoch
    std::string dateText;  // "%04d/%02d/%02d %02d:%02d" of the time fields
};

// The calendar fields of a time in seconds and nanoseconds since the epoch, in the
// local time zone.
[[nodiscard]] FileTimeFields MakeFileTimeFields(std::time_t seconds, long nanoseconds);

// "2002/03/07 14:05": year, month, day, hour and minute.
[[nodiscard]] std::string FormatDateText(const FileTimeFields& time);
