#include "cli/Commands.h"

const char* const kCliUsage =
    "Usage:\n"
    "  tessel-cli report  [--format text|csv|json] [--min-games N] FILE\n"
    "  tessel-cli convert [--min-games N] IN OUT.bwl\n"
    "  tessel-cli print   team|sheet|player [--fixture N] [--player N]\n"
    "                     [--portrait|--landscape] [--min-games N] -o OUT.pdf FILE\n"
    "  tessel-cli render  [--size WxH] [--min-games N] -o OUT.png FILE\n"
    "  tessel-cli export  html [--min-games N] -o OUT.html FILE\n"
    "  tessel-cli --help | --version\n"
    "\n"
    "FILE and IN may be a binary season file (.bwl) or a text season file (.bwt).\n"
    "  report   prints the season's results: the grid as text (default), the players\n"
    "           table as CSV, or everything as JSON\n"
    "  convert  writes the season as a binary season file, as the desktop program saves it\n"
    "  print    writes a printout as an A4 PDF: the team results (all pages), the match\n"
    "           result sheet of fixture N, or the summary of the player ranked N\n"
    "  render   draws the results grid as the window shows it into a PNG (default 1280x800)\n"
    "  export html  writes one self-contained web page of the season: the results grid,\n"
    "           the players table and the fixture list\n"
    "Options:\n"
    "  --format F      text, csv or json (report)\n"
    "  --fixture N     the fixture of a match sheet, counting from 0\n"
    "  --player N      the player of a summary, by ranked position from 0\n"
    "  --portrait, --landscape   paper orientation (team results default to landscape)\n"
    "  -o OUT          the file to write\n"
    "  --size WxH      the picture's size in pixels (render)\n"
    "  --min-games N   the least appearances for a player to be ranked (default: the\n"
    "                  stored preference, 3 when none is stored)\n"
    "  -h, --help      show this help\n"
    "  --version       show the version\n";

int UsageError(std::ostream& err, const std::string& reason)
{
    if (!reason.empty())
        err << "tessel-cli: " << reason << "\n";
    err << kCliUsage;
    return 2;
}
