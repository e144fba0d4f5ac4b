#include <QtTest>

#include "files/TextImport.h"
#include "model/Dates.h"
#include "support/FakeHost.h"

namespace {

const QByteArray kClub = "\"Riverside BC\" \"District League\" \"Two\" \"2\" \"3\" \"Aggregate\"";
const QByteArray kPlayers = "\"A. Brown\"\n\"C. Davis\"\n";
const QByteArray kMatches = "; venue, opponent, date; then one line per game\n"
                            "\"home\" \"Hillside\" \"3/5/2008\"\n"
                            "\"A. Brown\" \"21\" \"E. Fox\" \"15\"\n"
                            "\"C. Davis\" \"18\" \"G. Hill\" \"21\"\n"
                            "\"away\", \"Parkway\", \"10/5/2008\"\n"
                            "\"A. Brown\", \"21\", \"\", \"0\"\n"
                            "\"\", \"0\", \"J. King\", \"21\"\n";

QByteArray File(const QByteArray& club, const QByteArray& players = kPlayers,
                const QByteArray& matches = kMatches)
{
    return "[Club]\n" + club + "\n[Players]\n" + players + "[Matches]\n" + matches;
}

SeasonPtr Import(const QByteArray& text, FakeHost& host)
{
    SeasonPtr season = ImportTextSeason(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                        std::size_t(text.size()), host);
    if (host.waitDepth != 0 || host.waitCalls == 0)
        qFatal("the wait cursor was not shown and restored");
    return season;
}

QStringList Messages(const FakeHost& host)
{
    QStringList texts;
    for (const auto& m : host.messages)
        texts << QString::fromLatin1(m.text.data(), qsizetype(m.text.size()));
    return texts;
}

QString Day(std::time_t date)
{
    const SystemTime t = DateToSystemTime(date);
    return QStringLiteral("%1/%2/%3").arg(t.day).arg(t.month).arg(t.year);
}

// Everything the import stores, as one text, for comparing two imports.
QString Summary(const Season& s)
{
    QString out = QStringLiteral("%1|%2|%3|%4|%5|%6\n")
                      .arg(QString::fromStdString(s.teamName), QString::fromStdString(s.leagueName),
                           QString::fromStdString(s.division))
                      .arg(s.teamSize)
                      .arg(s.fixtureCount)
                      .arg(s.schemeIndex);
    for (const auto& p : s.players)
        out += QStringLiteral("player %1 %2 group %3\n").arg(p->id).arg(QString::fromStdString(p->name)).arg(p->group);
    for (const auto& f : s.fixtures) {
        out += QStringLiteral("%1 %2 %3:").arg(QString::fromStdString(f->opponent)).arg(f->venue).arg(Day(f->date));
        for (const Game& g : f->games)
            out += QStringLiteral(" [%1 %2 %3 %4 %5]")
                       .arg(g.player ? QString::fromStdString(g.player->name) : QStringLiteral("-"))
                       .arg(g.scoreFor)
                       .arg(QString::fromStdString(g.opponent))
                       .arg(g.scoreAgainst)
                       .arg(g.state);
        out += QLatin1Char('\n');
    }
    return out;
}

QStringList Opponents(const Season& s)
{
    QStringList names;
    for (const auto& f : s.fixtures)
        names << QString::fromStdString(f->opponent);
    return names;
}

} // namespace

class TestTextImport : public QObject {
    Q_OBJECT

private slots:
    void example()
    {
        FakeHost host;
        SeasonPtr s = Import(File(kClub), host);
        QVERIFY(s);
        QVERIFY(host.messages.empty());
        QCOMPARE(s->teamName, std::string("Riverside BC"));
        QCOMPARE(s->leagueName, std::string("District League"));
        QCOMPARE(s->division, std::string("Two"));
        QCOMPARE(int(s->teamSize), 2);
        QCOMPARE(s->fixtureCount, 3);
        QCOMPARE(int(s->fixtures.size()), 3);
        QCOMPARE(s->schemeIndex, 0u);
        QCOMPARE(s->filePath, std::string("Untitled"));
        QVERIFY(s->modified && s->untitled && s->layoutChanged);
        QCOMPARE(s->selectedFixture, -1);
        QCOMPARE(s->selectedPlayer, -1);
        QCOMPARE(s->playerCount, 2);

        const Player* brown = nullptr;
        for (const auto& p : s->players)
            if (p->name == "A. Brown")
                brown = p.get();
        QVERIFY(brown && brown->surnameAt == 3);

        QCOMPARE(Opponents(*s), (QStringList{"Hillside", "Parkway", ""}));
        const Fixture& first = *s->fixtures[0];
        QCOMPARE(first.venue, std::uint32_t(Home));
        QCOMPARE(first.date, MakeLocalDate(2008, 5, 3));
        QCOMPARE(first.games[0].player, brown);
        QCOMPARE(int(first.games[0].playerId), int(brown->id));
        QCOMPARE(int(first.games[0].scoreFor), 21);
        QCOMPARE(first.games[0].opponent, std::string("E. Fox"));
        QCOMPARE(int(first.games[0].scoreAgainst), 15);
        QCOMPARE(first.games[0].state, std::uint32_t(Played));

        const Fixture& second = *s->fixtures[1];
        QCOMPARE(second.venue, std::uint32_t(Away));
        QCOMPARE(second.games[0].state, std::uint32_t(OpponentAbsent));
        QCOMPARE(second.games[1].player, nullptr);
        QCOMPARE(int(second.games[1].playerId), 0);
        QCOMPARE(second.games[1].state, std::uint32_t(PlayerAbsent));
        QCOMPARE(int(second.games[1].scoreAgainst), 21);

        const Fixture& empty = *s->fixtures[2];
        QCOMPARE(empty.venue, std::uint32_t(Neutral));
        QCOMPARE(empty.date, host.now);
        QCOMPARE(empty.games[0].state, std::uint32_t(NotPlayed));
        // Recalculated: the played fixture has its result.
        QVERIFY(first.result != 0);
    }

    void sameSeasonWhateverTheLayout_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray club = "[Club]\n" + kClub + "\n";
        const QByteArray players = "[Players]\n" + kPlayers;
        const QByteArray matches = "[Matches]\n" + kMatches;
        QTest::newRow("Matches, Club, Players") << matches + club + players;
        QTest::newRow("headers in small letters")
            << "[club]\n" + kClub + "\n[players]\n" + kPlayers + "[MATCHES]\n" + kMatches;
        QTest::newRow("preamble and other sections")
            << "Exported\n\"x\"\n[Notes]\n\"y\"\n" + club + "[Extra]\n\"z\"\n" + players + matches;
        QTest::newRow("second Club section ignored")
            << club + players + matches + "[Club]\n\"Other\" \"L\" \"D\" \"3\" \"9\" \"Aggregate\"\n";
        QByteArray crlf = File(kClub);
        crlf.replace("\n", "\r\n");
        QTest::newRow("crlf") << crlf;
        QTest::newRow("commas")
            << File("\"Riverside BC\",\"District League\",\"Two\",\"2\",\"3\",\"Aggregate\"");
        QTest::newRow("white space inside fields squeezed")
            << File("\" Riverside   BC \" \"District\tLeague\" \"Two\" \" 2\" \"3 \" \"aggregate\"");
        QTest::newRow("comment lines and blanks")
            << File("; the club\n\n" + kClub, "\n; \"C. Davis\" is new\n" + kPlayers,
                    kMatches + "; end\n");
    }
    void sameSeasonWhateverTheLayout()
    {
        QFETCH(QByteArray, text);
        FakeHost reference;
        SeasonPtr expected = Import(File(kClub), reference);
        FakeHost host;
        SeasonPtr s = Import(text, host);
        QVERIFY(s);
        QCOMPARE(Messages(host), QStringList{});
        QCOMPARE(Summary(*s), Summary(*expected));
    }

    void clubChecks_data()
    {
        QTest::addColumn<QByteArray>("club");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("imported");
        const QByteArray t32(32, 'T'), l64(64, 'L');
        auto row = [](const char* name, const QByteArray& club, QStringList messages) {
            QTest::newRow(name) << club << messages << messages.filter(QStringLiteral("Invalid")).isEmpty();
        };
        row("team name empty", "\"\" \"L\" \"D\" \"2\" \"3\" \"Aggregate\"", {"Invalid team name"});
        row("team name 32", "\"" + t32 + "\" \"L\" \"D\" \"2\" \"3\" \"Aggregate\"", {});
        row("team name 33", "\"" + t32 + "T\" \"L\" \"D\" \"2\" \"3\" \"Aggregate\"", {"Invalid team name"});
        row("team name 80", "\"" + QByteArray(80, 'T') + "\" \"L\" \"D\" \"2\" \"3\" \"Aggregate\"",
            {"String too long, line 2", "Invalid team name"});
        row("team name one space", "\" \" \"L\" \"D\" \"2\" \"3\" \"Aggregate\"", {});
        row("league name empty", "\"T\" \"\" \"D\" \"2\" \"3\" \"Aggregate\"", {"Invalid league name"});
        row("league name 64", "\"T\" \"" + l64 + "\" \"D\" \"2\" \"3\" \"Aggregate\"", {});
        row("league name 65", "\"T\" \"" + l64 + "L\" \"D\" \"2\" \"3\" \"Aggregate\"", {"Invalid league name"});
        row("division 16", "\"T\" \"L\" \"" + QByteArray(16, 'D') + "\" \"2\" \"3\" \"Aggregate\"", {});
        row("division 17", "\"T\" \"L\" \"" + QByteArray(17, 'D') + "\" \"2\" \"3\" \"Aggregate\"",
            {"Invalid division name"});
        row("division missing", "\"T\" \"L\"", {"Invalid division name"});
        row("team size 0", "\"T\" \"L\" \"D\" \"0\" \"3\" \"Aggregate\"", {"Invalid team size"});
        row("team size 30", "\"T\" \"L\" \"D\" \"30\" \"3\" \"Aggregate\"", {});
        row("team size 31", "\"T\" \"L\" \"D\" \"31\" \"3\" \"Aggregate\"", {"Invalid team size"});
        row("team size unquoted", "\"T\" \"L\" \"D\" 2 3 Aggregate", {"Invalid team size"});
        // Unquoted text is passed over: the next quoted field is the team size.
        row("quoted field after unquoted", "\"T\" \"L\" \"D\" 2 \"3\" \"Aggregate\"",
            {"Invalid no of fixtures"});
        row("fixtures 0", "\"T\" \"L\" \"D\" \"2\" \"0\" \"Aggregate\"", {"Invalid no of fixtures"});
        row("fixtures 1", "\"T\" \"L\" \"D\" \"2\" \"1\" \"Aggregate\"", {});
        row("fixtures 100", "\"T\" \"L\" \"D\" \"2\" \"100\" \"Aggregate\"", {});
        row("fixtures 101", "\"T\" \"L\" \"D\" \"2\" \"101\" \"Aggregate\"", {"Invalid no of fixtures"});
        row("scheme any case", "\"T\" \"L\" \"D\" \"2\" \"3\" \"aGGREGATE 15\"", {});
        row("scheme unknown", "\"T\" \"L\" \"D\" \"2\" \"3\" \"Aggregat\"", {"Invalid scoring scheme"});
        row("first failing check only", "\"\" \"\" \"\" \"0\" \"0\" \"x\"", {"Invalid team name"});
        row("checked in order", "\"T\" \"L\" \"D\" \"31\" \"0\" \"x\"", {"Invalid team size"});
        row("long field read before its check",
            "\"T\" \"" + QByteArray(90, 'L') + "\" \"" + QByteArray(85, 'D') + "\"",
            {"String too long, line 2", "Invalid league name"});
    }
    void clubChecks()
    {
        QFETCH(QByteArray, club);
        QFETCH(QStringList, messages);
        QFETCH(bool, imported);
        FakeHost host;
        SeasonPtr s = Import(File(club, kPlayers, ""), host);
        QCOMPARE(Messages(host), messages);
        QCOMPARE(bool(s), imported);
        for (const auto& m : host.messages) {
            if (m.text.rfind("Invalid", 0) == 0) {
                QCOMPARE(m.title, std::string("Data error"));
                QVERIFY(m.icon == MessageIcon::Exclamation);
            }
        }
    }

    void missingSections_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("no Club section") << QByteArray("[Players]\n\"A\"\n[Matches]\n") << QStringList{};
        QTest::newRow("Club without data line")
            << QByteArray("[Club]\n; nothing yet\n[Players]\n\"A\"\n[Matches]\n") << QStringList{};
        QTest::newRow("Club data line over-long")
            << ("[Club]\n" + kClub + QByteArray(600, ' ') + "\n[Players]\n[Matches]\n") << QStringList{};
        QTest::newRow("no Players section")
            << ("[Club]\n" + kClub + "\n[Matches]\n") << QStringList{"Cannot find Players section"};
        QTest::newRow("no Matches section")
            << ("[Club]\n" + kClub + "\n[Players]\n\"A\"\n") << QStringList{"Cannot find Matches section"};
        QTest::newRow("space after bracket")
            << ("[Club]\n" + kClub + "\n[ Players]\n\"A\"\n[Matches]\n")
            << QStringList{"Cannot find Players section"};
    }
    void missingSections()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, messages);
        FakeHost host;
        QVERIFY(!Import(text, host));
        QCOMPARE(Messages(host), messages);
        for (const auto& m : host.messages)
            QCOMPARE(m.title, std::string("Data error"));
    }

    void matches_data()
    {
        QTest::addColumn<QByteArray>("club");
        QTest::addColumn<QByteArray>("matches");
        QTest::addColumn<QStringList>("opponents");   // empty when the import fails
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("title");
        const QByteArray five = "\"T\" \"L\" \"D\" \"1\" \"5\" \"Aggregate\"";
        const QByteArray three = "\"T\" \"L\" \"D\" \"1\" \"3\" \"Aggregate\"";
        const QByteArray noGame = "\"\" \"0\" \"\" \"0\"\n";
        const QString data = QStringLiteral("Data error");
        const QString matchData = QStringLiteral("Data error (Matches)");
        QTest::newRow("lines for two of five")
            << five << QByteArray("\"home\" \"B\" \"8/5/2008\"\n\"A. Brown\" \"21\" \"X\" \"3\"\n"
                                  "\"away\" \"A\" \"1/5/2008\"\n")
            << QStringList{"A", "B", "", "", ""} << QStringList{} << data;
        QTest::newRow("same date keeps file order")
            << three << ("\"home\" \"First\" \"1/5/2008\"\n" + noGame + "\"away\" \"Second\" \"1/5/2008\"\n" +
                         noGame + "\"home\" \"Earlier\" \"24/4/2008\"\n")
            << QStringList{"Earlier", "First", "Second"} << QStringList{} << data;
        QTest::newRow("lines beyond the last fixture ignored")
            << three << QByteArray("\"home\" \"C\" \"3/5/2008\"\n\"\" \"0\" \"\" \"0\"\n"
                                   "\"home\" \"B\" \"2/5/2008\"\n\"\" \"0\" \"\" \"0\"\n"
                                   "\"home\" \"A\" \"1/5/2008\"\n\"\" \"0\" \"\" \"0\"\n"
                                   "\"nowhere\" \"\" \"\"\n")
            << QStringList{"A", "B", "C"} << QStringList{} << data;
        QTest::newRow("venue in capitals")
            << three << ("\"HOME\" \"A\" \"1/5/2008\"\n" + noGame + "\"Away\" \"B\" \"2/5/2008\"\n")
            << QStringList{"A", "B", ""} << QStringList{} << data;
        QTest::newRow("venue h") << three << QByteArray("\"h\" \"A\" \"1/5/2008\"\n") << QStringList{}
                                 << QStringList{"Invalid venue"} << data;
        QTest::newRow("venue neutral") << three << QByteArray("\"neutral\" \"A\" \"1/5/2008\"\n")
                                       << QStringList{} << QStringList{"Invalid venue"} << data;
        QTest::newRow("opponent empty") << three << QByteArray("\"home\" \"\" \"1/5/2008\"\n")
                                        << QStringList{} << QStringList{"Invalid team name"} << data;
        QTest::newRow("opponent 33")
            << three << ("\"home\" \"" + QByteArray(33, 'O') + "\" \"1/5/2008\"\n") << QStringList{}
            << QStringList{"Invalid team name"} << data;
        QTest::newRow("opponent 32")
            << three << ("\"home\" \"" + QByteArray(32, 'O') + "\" \"1/5/2008\"\n")
            << QStringList{QString(32, QLatin1Char('O')), "", ""} << QStringList{} << data;
        QTest::newRow("29 February 2007") << three << QByteArray("\"home\" \"A\" \"29/2/2007\"\n")
                                          << QStringList{} << QStringList{"Invalid date"} << matchData;
        QTest::newRow("29 February 2008") << three << QByteArray("\"home\" \"A\" \"29/2/2008\"\n")
                                          << QStringList{"A", "", ""} << QStringList{} << data;
        QTest::newRow("player differing in case")
            << three << QByteArray("\"home\" \"A\" \"1/5/2008\"\n\"a. brown\" \"21\" \"X\" \"3\"\n")
            << QStringList{} << QStringList{"Invalid player"} << matchData;
        QTest::newRow("player not registered in a later fixture")
            << three << QByteArray("\"home\" \"A\" \"1/5/2008\"\n\"A. Brown\" \"21\" \"X\" \"3\"\n"
                                   "\"home\" \"B\" \"2/5/2008\"\n\"Nobody\" \"21\" \"X\" \"3\"\n")
            << QStringList{} << QStringList{"Invalid player"} << matchData;
    }
    void matches()
    {
        QFETCH(QByteArray, club);
        QFETCH(QByteArray, matches);
        QFETCH(QStringList, opponents);
        QFETCH(QStringList, messages);
        QFETCH(QString, title);
        FakeHost host;
        SeasonPtr s = Import(File(club, kPlayers, matches), host);
        QCOMPARE(Messages(host), messages);
        for (const auto& m : host.messages)
            QCOMPARE(QString::fromStdString(m.title), title);
        QCOMPARE(bool(s), !opponents.isEmpty());
        if (s)
            QCOMPARE(Opponents(*s), opponents);
    }

    void gameLines_data()
    {
        QTest::addColumn<QByteArray>("games");
        QTest::addColumn<QString>("fixtures");   // Summary's fixture lines
        const QByteArray fixture = "\"home\" \"H\" \"1/5/2008\"\n";
        QTest::newRow("all four states")
            << (fixture + "\"A. Brown\" \"21\" \"E. Fox\" \"15\"\n\"C. Davis\" \"21\" \"\" \"0\"\n"
                          "\"\" \"0\" \"J. King\" \"21\"\n\"\" \"0\" \"\" \"0\"\n")
            << "H 0 1/5/2008: [A. Brown 21 E. Fox 15 0] [C. Davis 21  0 1] [- 0 J. King 21 2] [- 0  0 3]\n";
        QTest::newRow("section ends inside a fixture")
            << (fixture + "\"A. Brown\" \"21\" \"E. Fox\" \"15\"\n[Later]\n\"home\" \"X\" \"2/5/2008\"\n")
            << "H 0 1/5/2008: [A. Brown 21 E. Fox 15 0] [- 0  0 3] [- 0  0 3] [- 0  0 3]\n";
        QTest::newRow("scores keep their low sixteen bits")
            << (fixture + "\"A. Brown\" \"65537\" \"E\" \"40000\"\n\"A. Brown\" \"99999999999\" \"E\" \"-1\"\n"
                          "\"A. Brown\" \"21x\" \"E\" \" 7\"\n\"A. Brown\" \"+5\" \"E\" \"-65535\"\n")
            << "H 0 1/5/2008: [A. Brown 1 E -25536 0] [A. Brown -1 E -1 0] [A. Brown 21 E 7 0] [A. Brown 5 E 1 0]\n";
        QTest::newRow("over-long names cut, the rest of the line read")
            << (fixture + "\"A. Brown\" \"21\" \"" + QByteArray(40, 'E') + "\" \"15\"\n")
            << "H 0 1/5/2008: [A. Brown 21 " + QString(32, QLatin1Char('E')) +
                   " 15 0] [- 0  0 3] [- 0  0 3] [- 0  0 3]\n";
    }
    void gameLines()
    {
        QFETCH(QByteArray, games);
        QFETCH(QString, fixtures);
        FakeHost host;
        SeasonPtr s = Import(File("\"T\" \"L\" \"D\" \"4\" \"1\" \"Aggregate\"", kPlayers, games), host);
        QVERIFY(s);
        const QString summary = Summary(*s);
        QCOMPARE(summary.mid(summary.indexOf(QLatin1String("\nH ")) + 1), fixtures);
    }

    void tooLongReportsItsLine()
    {
        FakeHost host;
        const QByteArray longName(40, 'N');
        QByteArray text = File("\"T\" \"L\" \"D\" \"1\" \"1\" \"Aggregate\"", "\"" + longName + "\"\n",
                               "\"home\" \"H\" \"1/5/2008\"\n\"" + longName + "\" \"21\" \"X\" \"3\"\n");
        text.replace("\n", "\r\n");
        SeasonPtr s = Import(text, host);
        QVERIFY(s);
        // The Players name (room 79) fits; the game line's (room 32) does not.
        QCOMPARE(Messages(host), QStringList{"String too long, line 7"});
        QCOMPARE(host.messages[0].title, std::string("Stop"));
        const Game& game = s->fixtures[0]->games[0];
        QVERIFY(game.player);
        QCOMPARE(game.player->name, std::string(32, 'N'));
        QCOMPARE(int(game.scoreFor), 21);
        QCOMPARE(game.opponent, std::string("X"));
    }

    void playerNames_data()
    {
        QTest::addColumn<QByteArray>("players");
        QTest::addColumn<QStringList>("names");   // in list order; empty when the import fails
        QTest::addColumn<QStringList>("messages");
        const QByteArray n31(31, 'n');
        QTest::newRow("cut to 32") << ("\"" + QByteArray(40, 'n') + "\"\n") << QStringList{QString(32, QLatin1Char('n'))}
                                   << QStringList{};
        QTest::newRow("space left by the cut dropped")
            << ("\"" + n31 + " tail\"\n") << QStringList{QString(31, QLatin1Char('n'))} << QStringList{};
        QTest::newRow("cut names clash")
            << ("\"" + n31 + "xA\"\n\"" + n31 + "xB\"\n") << QStringList{}
            << QStringList{QString(31, QLatin1Char('n')) + "x is already registered"};
        QTest::newRow("duplicate") << QByteArray("\"Anne\"\n\"Bob\"\n\"Anne\"\n") << QStringList{}
                                   << QStringList{"Anne is already registered"};
        QTest::newRow("blank name registered") << QByteArray("\"Anne\"\n  \n") << QStringList{"", "Anne"}
                                               << QStringList{};
        QTest::newRow("two blank names clash") << QByteArray("\"\"\n; x\n\"\" ; y\n") << QStringList{}
                                               << QStringList{" is already registered"};
        QTest::newRow("escapes and squeezing")
            << QByteArray("\"  Anne   Brown \"\n\"Zo%EB\"\n") << QStringList{"Anne Brown", QString::fromLatin1("Zo\xEB")}
            << QStringList{};
        QTest::newRow("over-long line ends the list")
            << ("\"Anne\"\n\"" + QByteArray(600, 'x') + "\"\n\"Bob\"\n") << QStringList{"Anne"} << QStringList{};
    }
    void playerNames()
    {
        QFETCH(QByteArray, players);
        QFETCH(QStringList, names);
        QFETCH(QStringList, messages);
        FakeHost host;
        SeasonPtr s = Import(File(kClub, players, ""), host);
        QCOMPARE(Messages(host), messages);
        for (const auto& m : host.messages)
            QCOMPARE(m.title, std::string("Register player"));
        QCOMPARE(bool(s), !names.isEmpty());
        if (!s)
            return;
        QStringList got;
        for (const auto& p : s->players)
            got << QString::fromLatin1(p->name.data(), qsizetype(p->name.size()));
        QCOMPARE(got, names);
    }

    void twinScheme()
    {
        FakeHost host;
        QByteArray games = "\"home\" \"H\" \"1/5/2008\"\n";
        for (int i = 0; i < 8; ++i)
            games += "\"A. Brown\" \"21\" \"X\" \"3\"\n";
        SeasonPtr s = Import(File("\"T\" \"L\" \"D\" \"8\" \"1\" \"matlock thursday league\"",
                                  "\"A. Brown\"\n\"C. Davis\"\n", games),
                             host);
        QVERIFY(s);
        QCOMPARE(s->schemeIndex, 87u);
        QCOMPARE(int(s->players.size()), 4);
        QCOMPARE(s->playerCount, 4);
        for (const auto& p : s->players) {
            QVERIFY(p->group == 1 || p->group == 2);
            QVERIFY(p->twin);
            QCOMPARE(p->twin->twin, p.get());
            QCOMPARE(p->twin->name, p->name);
            QVERIFY(p->twin->group != p->group);
        }
        // Each position takes the record of the group that plays there.
        const auto& played = s->fixtures[0]->games;
        for (std::size_t pos = 0; pos < played.size(); ++pos) {
            QVERIFY(played[pos].player);
            QCOMPARE(played[pos].player->name, std::string("A. Brown"));
            QCOMPARE(int(played[pos].player->group), s->groupSpan[pos] == 0 ? 1 : 2);
            QCOMPARE(int(played[pos].playerId), int(played[pos].player->id));
        }
    }

    void playerLimit_data()
    {
        QTest::addColumn<QByteArray>("scheme");
        QTest::addColumn<int>("names");
        QTest::addColumn<bool>("imported");
        QTest::newRow("200 players") << QByteArray("Aggregate") << 200 << true;
        QTest::newRow("201 players") << QByteArray("Aggregate") << 201 << false;
        QTest::newRow("100 twins") << QByteArray("Matlock Thursday League") << 100 << true;
        QTest::newRow("101 twins") << QByteArray("Matlock Thursday League") << 101 << false;
    }
    void playerLimit()
    {
        QFETCH(QByteArray, scheme);
        QFETCH(int, names);
        QFETCH(bool, imported);
        QByteArray players;
        for (int i = 0; i < names; ++i)
            players += "\"Player " + QByteArray::number(i) + "\"\n";
        FakeHost host;
        SeasonPtr s = Import(File("\"T\" \"L\" \"D\" \"8\" \"1\" \"" + scheme + "\"", players, ""), host);
        QCOMPARE(bool(s), imported);
        if (imported) {
            QVERIFY(host.messages.empty());
            QCOMPARE(s->playerCount, 200);
            return;
        }
        QCOMPARE(Messages(host), QStringList{"A season cannot hold more than 200 players"});
        QCOMPARE(host.messages[0].title, std::string("Register player"));
    }
};

QTEST_GUILESS_MAIN(TestTextImport)
#include "tst_TextImport.moc"
