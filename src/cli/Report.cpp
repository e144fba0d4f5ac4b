#include "cli/Report.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <cmath>
#include <ctime>

#include "model/Host.h"
#include "model/ScoringScheme.h"
#include "model/Season.h"
#include "model/Text.h"
#include "model/TextFormat.h"

namespace {

QString Q(const std::string& cp1252)
{
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

QJsonValue Number(double value)
{
    if (!std::isfinite(value))
        return QJsonValue(QJsonValue::Null);
    return QJsonValue(value);
}

const char* StateName(std::uint32_t state)
{
    switch (state) {
    case Played:
        return "Played";
    case OpponentAbsent:
        return "OpponentAbsent";
    case PlayerAbsent:
        return "PlayerAbsent";
    case NotPlayed:
        return "NotPlayed";
    case Pending:
        return "Pending";
    }
    return "NotPlayed";
}

std::string IsoDate(std::time_t date)
{
    std::tm tm{};
    if (!localtime_r(&date, &tm))
        return "0000-00-00";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday);
    return buffer;
}

// A game shows a player of ours only when one takes part in it.
const Player* GamePlayer(const Game& game)
{
    if (game.state == NotPlayed || game.state == PlayerAbsent)
        return nullptr;
    return game.player;
}

std::string CsvField(const std::string& utf8)
{
    if (utf8.find_first_of(",\"\r\n") == std::string::npos)
        return utf8;
    std::string out = "\"";
    for (char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
    return out;
}

// Width of a UTF-8 text in characters, for lining up the text report.
int Columns(const std::string& utf8)
{
    return static_cast<int>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Pad(const std::string& utf8, int width, bool right)
{
    const int fill = std::max(0, width - Columns(utf8));
    return right ? std::string(static_cast<std::size_t>(fill), ' ') + utf8
                 : utf8 + std::string(static_cast<std::size_t>(fill), ' ');
}

} // namespace

std::string ReportJson(const Season& s, int minGames)
{
    QJsonObject root;
    root[QStringLiteral("teamName")] = Q(s.teamName);
    root[QStringLiteral("leagueName")] = Q(s.leagueName);
    root[QStringLiteral("division")] = Q(s.division);
    root[QStringLiteral("schemeIndex")] = static_cast<qint64>(s.schemeIndex);
    root[QStringLiteral("schemeName")] = QString::fromStdString(
        Cp1252ToUtf8(std::string(SchemeName(static_cast<int>(s.schemeIndex)))));
    root[QStringLiteral("teamSize")] = s.teamSize;
    root[QStringLiteral("fixtureCount")] = s.fixtureCount;
    root[QStringLiteral("playerCount")] = s.playerCount;
    root[QStringLiteral("homeHandicap")] = s.homeHandicap;
    root[QStringLiteral("awayHandicap")] = s.awayHandicap;
    root[QStringLiteral("minGames")] = minGames;

    QJsonObject team;
    team[QStringLiteral("matchesPlayed")] = s.matchesPlayed;
    team[QStringLiteral("matchesWon")] = s.matchesWon;
    team[QStringLiteral("matchesLost")] = s.matchesLost;
    team[QStringLiteral("matchesDrawn")] = s.matchesPlayed - s.matchesWon - s.matchesLost;
    team[QStringLiteral("pointsFor")] = Number(s.pointsFor);
    team[QStringLiteral("pointsAgainst")] = Number(s.pointsAgainst);
    team[QStringLiteral("teamAverage")] = Number(s.teamAverage);
    team[QStringLiteral("teamAverageText")] = Q(FormatTeamFigure(s));
    team[QStringLiteral("shotsFor")] = s.shotsFor;
    team[QStringLiteral("shotsAgainst")] = s.shotsAgainst;
    root[QStringLiteral("team")] = team;

    QJsonArray fixtures;
    int index = 0;
    for (const auto& f : s.fixtures) {
        QJsonObject fixture;
        fixture[QStringLiteral("index")] = index++;
        fixture[QStringLiteral("date")] = QString::fromStdString(IsoDate(f->date));
        fixture[QStringLiteral("venue")] = QString::fromStdString(VenueLetter(f->venue));
        fixture[QStringLiteral("opponent")] = Q(f->opponent);
        fixture[QStringLiteral("result")] = static_cast<qint64>(f->result);
        fixture[QStringLiteral("resultText")] = Q(f->resultText);
        fixture[QStringLiteral("shotsFor")] = f->shotsFor;
        fixture[QStringLiteral("shotsAgainst")] = f->shotsAgainst;
        fixture[QStringLiteral("pointsFor")] = Number(f->pointsFor);
        fixture[QStringLiteral("pointsAgainst")] = Number(f->pointsAgainst);
        fixture[QStringLiteral("oppHandicap")] = f->oppHandicap;
        QJsonArray games;
        int position = 0;
        for (const Game& g : f->games) {
            QJsonObject game;
            game[QStringLiteral("position")] = position++;
            const Player* p = GamePlayer(g);
            game[QStringLiteral("player")] =
                p ? QJsonValue(Q(p->name)) : QJsonValue(QJsonValue::Null);
            game[QStringLiteral("playerId")] = p ? QJsonValue(p->id) : QJsonValue(QJsonValue::Null);
            game[QStringLiteral("opponent")] = Q(g.opponent);
            game[QStringLiteral("state")] = QString::fromLatin1(StateName(g.state));
            game[QStringLiteral("scoreFor")] = g.scoreFor;
            game[QStringLiteral("scoreAgainst")] = g.scoreAgainst;
            games.append(game);
        }
        fixture[QStringLiteral("games")] = games;
        fixtures.append(fixture);
    }
    root[QStringLiteral("fixtures")] = fixtures;

    QJsonArray players;
    int rank = 1;
    for (const auto& p : s.players) {
        QJsonObject player;
        player[QStringLiteral("rank")] = rank++;
        player[QStringLiteral("id")] = p->id;
        player[QStringLiteral("name")] = Q(p->name);
        player[QStringLiteral("group")] = p->group;
        player[QStringLiteral("appearances")] = p->appearances;
        player[QStringLiteral("played")] = p->played;
        player[QStringLiteral("won")] = p->won;
        player[QStringLiteral("drawn")] = p->drawn;
        player[QStringLiteral("lost")] = p->played - p->won - p->drawn;
        player[QStringLiteral("homeAppearances")] = p->homeAppearances;
        player[QStringLiteral("homePlayed")] = p->homePlayed;
        player[QStringLiteral("awayAppearances")] = p->awayAppearances;
        player[QStringLiteral("awayPlayed")] = p->awayPlayed;
        player[QStringLiteral("shotsFor")] = Number(p->homeFor + p->awayFor);
        player[QStringLiteral("shotsAgainst")] = Number(p->homeAgainst + p->awayAgainst);
        player[QStringLiteral("broughtFor")] = p->broughtFor;
        player[QStringLiteral("broughtAgainst")] = p->broughtAgainst;
        player[QStringLiteral("measure")] = Number(p->measure);
        player[QStringLiteral("measureText")] = Q(FormatMeasure(s, *p, minGames));
        players.append(player);
    }
    root[QStringLiteral("players")] = players;

    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

std::string ReportCsv(const Season& s, int minGames)
{
    std::string out =
        "Rank,Name,P,W,L," + CsvField(Cp1252ToUtf8(TrimBlanks(s.scheme.MeasureLabel()))) + "\r\n";
    int rank = 1;
    for (const auto& p : s.players) {
        out += std::to_string(rank++) + ',' + CsvField(Cp1252ToUtf8(p->name)) + ',' +
               std::to_string(p->played) + ',' + std::to_string(p->won) + ',' +
               std::to_string(p->played - p->won - p->drawn) + ',' +
               CsvField(Cp1252ToUtf8(FormatMeasure(s, *p, minGames))) + "\r\n";
    }
    return out;
}

std::string ReportText(const Season& s, Host& host, int minGames)
{
    std::string out;
    out += Cp1252ToUtf8(s.teamName) + "\n";
    out += Cp1252ToUtf8(LeagueAndDivision(s)) + "\n";
    out += "Scoring: " + Cp1252ToUtf8(std::string(SchemeName(static_cast<int>(s.schemeIndex)))) +
           "\n\n";

    // Fixtures are listed first and the grid refers to them by number, so the
    // grid stays narrow enough for a terminal.
    int number = 1;
    for (const auto& f : s.fixtures) {
        out += Pad(std::to_string(number++), 4, true) + "  " +
               Pad(FormatShortDate(host, f->date), 7, false) + "  " + VenueLetter(f->venue) + "  " +
               Pad(Cp1252ToUtf8(f->opponent), 34, false) + "  " + Cp1252ToUtf8(f->resultText) +
               "\n";
    }
    out += "\n";

    int nameWidth = 10; // "Totals for"
    for (const auto& p : s.players)
        nameWidth = std::max(nameWidth, Columns(Cp1252ToUtf8(p->name)));
    const int cell = 7;
    const std::string measureLabel = Cp1252ToUtf8(TrimBlanks(s.scheme.MeasureLabel()));

    std::string header = Pad("Name", nameWidth, false);
    for (int i = 1; i <= s.fixtureCount; ++i)
        header += Pad(std::to_string(i), cell, true);
    header +=
        Pad("P", 4, true) + Pad("W", 4, true) + Pad("L", 4, true) + Pad(measureLabel, 9, true);
    out += header + "\n";

    for (const auto& p : s.players) {
        std::string row = Pad(Cp1252ToUtf8(p->name), nameWidth, false);
        for (const auto& f : s.fixtures) {
            std::string text;
            for (const Game& g : f->games)
                if (g.player == p.get() && (g.state == Played || g.state == OpponentAbsent))
                    text = FormatGameCell(g);
            row += Pad(Cp1252ToUtf8(text), cell, true);
        }
        row += Pad(std::to_string(p->played), 4, true) + Pad(std::to_string(p->won), 4, true) +
               Pad(std::to_string(p->played - p->won - p->drawn), 4, true) +
               Pad(Cp1252ToUtf8(FormatMeasure(s, *p, minGames)), 9, true);
        out += row + "\n";
    }

    // The team's figures sit under their own labels, as on the grid.
    std::string labels(static_cast<std::size_t>(nameWidth + cell * s.fixtureCount), ' ');
    labels += Pad("P", 4, true) + Pad("W", 4, true) + Pad("L", 4, true) +
              Pad(Cp1252ToUtf8(TrimBlanks(s.scheme.TotalLabel())), 9, true);
    out += labels + "\n";
    std::string totals = Pad("Totals for", nameWidth, false);
    std::string against = Pad("Against", nameWidth, false);
    for (const auto& f : s.fixtures) {
        std::string ours, theirs;
        const auto dash = f->resultText.find('-');
        if (f->result != ResultNone && dash != std::string::npos) {
            ours = TrimBlanks(f->resultText.substr(0, dash));
            theirs = TrimBlanks(f->resultText.substr(dash + 1));
        }
        totals += Pad(Cp1252ToUtf8(ours), cell, true);
        against += Pad(Cp1252ToUtf8(theirs), cell, true);
    }
    totals += Pad(std::to_string(s.matchesPlayed), 4, true) +
              Pad(std::to_string(s.matchesWon), 4, true) +
              Pad(std::to_string(s.matchesLost), 4, true) +
              Pad(Cp1252ToUtf8(FormatTeamFigure(s)), 9, true);
    out += totals + "\n" + against + "\n";
    return out;
}
