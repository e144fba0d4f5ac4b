#include "model/Dates.h"

#include <climits>
#include <cstdint>

namespace {

// One "%u" conversion as the C library does it: leading white space, an
// optional sign, then at least one digit. Overflow saturates; a minus sign
// negates modulo 2^32.
bool ScanUnsigned(std::string_view text, std::size_t& pos, std::uint32_t& value)
{
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r')))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9')
        return false;
    std::uint64_t v = 0;
    bool overflow = false;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (!overflow) {
            v = v * 10 + static_cast<std::uint64_t>(text[pos] - '0');
            if (v > UINT32_MAX)
                overflow = true;
        }
        ++pos;
    }
    if (overflow)
        value = UINT32_MAX;
    else
        value = negative ? static_cast<std::uint32_t>(0u - static_cast<std::uint32_t>(v))
                         : static_cast<std::uint32_t>(v);
    return true;
}

bool IsLeapYear(std::uint32_t year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

} // namespace

std::time_t MakeLocalDate(int year, int month, int day)
{
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_isdst = 0;
    return std::mktime(&tm);
}

std::time_t ParseDate(std::string_view text)
{
    std::uint32_t day = 0, month = 0, year = 0;
    std::size_t pos = 0;
    if (!ScanUnsigned(text, pos, day))
        return -1;
    if (pos >= text.size() || text[pos] != '/')
        return -1;
    ++pos;
    if (!ScanUnsigned(text, pos, month))
        return -1;
    if (pos >= text.size() || text[pos] != '/')
        return -1;
    ++pos;
    if (!ScanUnsigned(text, pos, year))
        return -1;

    static const std::uint32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1970 || month < 1 || month > 12 || day < 1)
        return -1;
    std::uint32_t length = lengths[month - 1];
    if (month == 2 && IsLeapYear(year))
        length = 29;
    if (day > length)
        return -1;
    // tm_year is an int; years beyond it cannot be represented.
    if (year > static_cast<std::uint32_t>(INT_MAX))
        return -1;
    return MakeLocalDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
}

SystemTime DateToSystemTime(std::time_t date)
{
    std::tm tm{};
    SystemTime st;
    if (!localtime_r(&date, &tm))
        return st;
    st.year = static_cast<std::uint16_t>(tm.tm_year + 1900);
    st.month = static_cast<std::uint16_t>(tm.tm_mon + 1);
    st.dayOfWeek = 0;
    st.day = static_cast<std::uint16_t>(tm.tm_mday);
    st.hour = static_cast<std::uint16_t>(tm.tm_hour);
    st.minute = static_cast<std::uint16_t>(tm.tm_min);
    st.second = static_cast<std::uint16_t>(tm.tm_sec);
    return st;
}

std::time_t SystemTimeToDate(const SystemTime& time)
{
    std::tm tm{};
    tm.tm_year = time.year - 1900;
    tm.tm_mon = time.month - 1;
    tm.tm_mday = time.day;
    tm.tm_hour = time.hour;
    tm.tm_min = time.minute;
    tm.tm_sec = time.second;
    tm.tm_isdst = 0;
    return std::mktime(&tm);
}
