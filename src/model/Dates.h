#pragma once

#include <cstdint>
#include <ctime>
#include <string_view>

// A calendar record in the manner of the platform's date-and-time record.
struct SystemTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0; // 1..12
    std::uint16_t dayOfWeek = 0;
    std::uint16_t day = 0;
    std::uint16_t hour = 0;
    std::uint16_t minute = 0;
    std::uint16_t second = 0;
    std::uint16_t milliseconds = 0;
};

// "day/month/year" to the calendar time of that day's local midnight
// (standard time); -1 when it is not a real day from 1970 on.
std::time_t ParseDate(std::string_view text);

// Local midnight, standard time, of year-month-day; out-of-range days and
// months are normalised the way mktime normalises them.
std::time_t MakeLocalDate(int year, int month, int day);

// Calendar time to a calendar record through the local time zone.
SystemTime DateToSystemTime(std::time_t date);

// The inverse, daylight saving assumed off.
std::time_t SystemTimeToDate(const SystemTime& time);
