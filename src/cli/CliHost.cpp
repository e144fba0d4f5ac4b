#include "cli/CliHost.h"

#include <QLocale>
#include <QString>
#include <charconv>
#include <cstdlib>
#include <cstring>

void CliHost::ShowMessage(std::string_view text, std::string_view title, MessageIcon)
{
    // A message of several lines (a file's path and the reason under the
    // message) goes on over the following lines as it is written.
    std::string line(title);
    line += ": ";
    line += text;
    err_ << line << '\n';
    err_.flush();
}

Answer CliHost::Ask(std::string_view text, std::string_view title, Buttons, Answer defaultAnswer)
{
    ShowMessage(text, title, MessageIcon::Question);
    return defaultAnswer;
}

std::string CliHost::MonthName(int month, bool abbreviated)
{
    if (month < 1 || month > 12)
        return {};
    return QLocale::system()
        .monthName(month, abbreviated ? QLocale::ShortFormat : QLocale::LongFormat)
        .toStdString();
}

std::time_t CliNow()
{
    const char* epoch = std::getenv("SOURCE_DATE_EPOCH");
    if (epoch && *epoch) {
        long long value = 0;
        const char* end = epoch + std::strlen(epoch);
        auto [ptr, ec] = std::from_chars(epoch, end, value);
        if (ec == std::errc() && ptr == end && value >= 0)
            return static_cast<std::time_t>(value);
    }
    return std::time(nullptr);
}
