#pragma once

#include <string>

struct Season;
class Host;

// The three report formats of tessel-cli, as UTF-8 text.
std::string ReportJson(const Season& season, int minGames);
std::string ReportCsv(const Season& season, int minGames);
std::string ReportText(const Season& season, Host& host, int minGames);
