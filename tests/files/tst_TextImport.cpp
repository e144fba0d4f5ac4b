#include "support/TestRegistry.h"
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

QString Str(const std::string& text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QStringList Messages(const FakeHost& host)
{
    QStringList texts;
    for (const auto& m : host.messages)
        texts << Str(m.text);
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
    QString out = QStringLiteral("%1|%2|%3|%4|%5|%6\n").arg(Str(s.teamName), Str(s.leagueName), Str(s.division))
                      .arg(s.teamSize).arg(s.fixtureCount).arg(s.schemeIndex);
    for (const auto& p : s.players)
        out += QStringLiteral("player %1 %2 group %3\n").arg(p->id).arg(Str(p->name)).arg(p->group);
    for (const auto& f : s.fixtures) {
        out += QStringLiteral("%1 %2 %3:").arg(Str(f->opponent)).arg(f->venue).arg(Day(f->date));
        for (const Game& g : f->games)
            out += QStringLiteral(" [%1 %2 %3 %4 %5]").arg(g.player ? Str(g.player->name) : QStringLiteral("-"))
                       .arg(g.scoreFor).arg(Str(g.opponent)).arg(g.scoreAgainst).arg(g.state);
        out += QLatin1Char('\n');
    }
    return out;
}

QStringList Opponents(const Season& s)
{
    QStringList names;
    for (const auto& f : s.fixtures)
        names << Str(f->opponent);
    return names;
}

} // namespace

class TestTextImport : public QObject {
    Q_OBJECT

private slots:
    void sameSeasonWhateverTheLayout_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray club = "[Club]\n" + kClub + "\n";
        const QByteArray players = "[Players]\n" + kPlayers;
        const QByteArray matches = "[Matches]\n" + kMatches;
        QTest::newRow("Matches, Club, Players") << matches + club + players;
        QTest::newRow("preamble and other sections")
            << "Exported\n\"x\"\n[Notes]\n\"y\"\n" + club + "[Extra]\n\"z\"\n" + players + matches;
        QByteArray crlf = File(kClub);
        crlf.replace("\n", "\r\n");
        QTest::newRow("crlf") << crlf;
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
        row("league name empty", "\"T\" \"\" \"D\" \"2\" \"3\" \"Aggregate\"", {"Invalid league name"});
        row("league name 65", "\"T\" \"" + l64 + "L\" \"D\" \"2\" \"3\" \"Aggregate\"", {"Invalid league name"});
        row("division 17", "\"T\" \"L\" \"" + QByteArray(17, 'D') + "\" \"2\" \"3\" \"Aggregate\"",
            {"Invalid division name"});
        row("division missing", "\"T\" \"L\"", {"Invalid division name"});
        row("team size 0", "\"T\" \"L\" \"D\" \"0\" \"3\" \"Aggregate\"", {"Invalid team size"});
        row("team size 30", "\"T\" \"L\" \"D\" \"30\" \"3\" \"Aggregate\"", {});
        row("team size 31", "\"T\" \"L\" \"D\" \"31\" \"3\" \"Aggregate\"", {"Invalid team size"});
        // Unquoted text is passed over: the next quoted field is the team size.
        row("quoted field after unquoted", "\"T\" \"L\" \"D\" 2 \"3\" \"Aggregate\"",
            {"Invalid no of fixtures"});
        row("fixtures 0", "\"T\" \"L\" \"D\" \"2\" \"0\" \"Aggregate\"", {"Invalid no of fixtures"});
        row("fixtures 100", "\"T\" \"L\" \"D\" \"2\" \"100\" \"Aggregate\"", {});
        row("fixtures 101", "\"T\" \"L\" \"D\" \"2\" \"101\" \"Aggregate\"", {"Invalid no of fixtures"});
        row("scheme any case", "\"T\" \"L\" \"D\" \"2\" \"3\" \"aGGREGATE 15\"", {});
        row("scheme unknown", "\"T\" \"L\" \"D\" \"2\" \"3\" \"Aggregat\"", {"Invalid scoring scheme"});
        row("first failing check only", "\"\" \"\" \"\" \"0\" \"0\" \"x\"", {"Invalid team name"});
        row("checked in order", "\"T\" \"L\" \"D\" \"31\" \"0\" \"x\"", {"Invalid team size"});
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
        for (const auto& m : host.messages)
            QVERIFY(m.text.rfind("Invalid", 0) != 0 || (m.title == "Data error" && m.icon == MessageIcon::Exclamation));
    }

    // Whole files: which section is missing, and the Matches section's own checks.
    void fileChecks_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("opponents"); // empty when the import fails
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("title");
        const QByteArray five = "\"T\" \"L\" \"D\" \"1\" \"5\" \"Aggregate\"";
        const QByteArray three = "\"T\" \"L\" \"D\" \"1\" \"3\" \"Aggregate\"";
        const QByteArray noGame = "\"\" \"0\" \"\" \"0\"\n";
        const QString data = QStringLiteral("Data error");
        const QString matchData = QStringLiteral("Data error (Matches)");
        const QStringList none;
        const QStringList noClub{QStringLiteral("Cannot find Club section")};
        QTest::newRow("empty file") << QByteArray() << none << noClub << data;
        QTest::newRow("no Club section") << QByteArray("[Players]\n\"A\"\n[Matches]\n") << none << noClub << data;
        QTest::newRow("Club without data line")
            << QByteArray("[Club]\n; nothing yet\n[Players]\n\"A\"\n[Matches]\n") << none << noClub << data;
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE[\0C\0l\0u\0b\0]\0\n\0", 16) << none << noClub << data;
        QTest::newRow("no Players section")
            << ("[Club]\n" + kClub + "\n[Matches]\n") << none << QStringList{"Cannot find Players section"} << data;
        QTest::newRow("no Matches section") << ("[Club]\n" + kClub + "\n[Players]\n\"A\"\n") << none
                                            << QStringList{"Cannot find Matches section"} << data;
        QTest::newRow("space after bracket") << ("[Club]\n" + kClub + "\n[ Players]\n\"A\"\n[Matches]\n") << none
                                             << QStringList{"Cannot find Players section"} << data;
        QTest::newRow("lines for two of five")
            << File(five, kPlayers, "\"home\" \"B\" \"8/5/2008\"\n\"A. Brown\" \"21\" \"X\" \"3\"\n"
                                  "\"away\" \"A\" \"1/5/2008\"\n")
            << QStringList{"A", "B", "", "", ""} << QStringList{} << data;
        QTest::newRow("same date keeps file order")
            << File(three, kPlayers, "\"home\" \"First\" \"1/5/2008\"\n" + noGame + "\"away\" \"Second\" \"1/5/2008\"\n" +
                         noGame + "\"home\" \"Earlier\" \"24/4/2008\"\n")
            << QStringList{"Earlier", "First", "Second"} << QStringList{} << data;
        QTest::newRow("lines beyond the last fixture ignored")
            << File(three, kPlayers, "\"home\" \"C\" \"3/5/2008\"\n\"\" \"0\" \"\" \"0\"\n"
                                   "\"home\" \"B\" \"2/5/2008\"\n\"\" \"0\" \"\" \"0\"\n"
                                   "\"home\" \"A\" \"1/5/2008\"\n\"\" \"0\" \"\" \"0\"\n"
                                   "\"nowhere\" \"\" \"\"\n")
            << QStringList{"A", "B", "C"} << QStringList{} << data;
        QTest::newRow("venue h") << File(three, kPlayers, "\"h\" \"A\" \"1/5/2008\"\n") << QStringList{}
                                 << QStringList{"Invalid venue"} << data;
        QTest::newRow("opponent 33")
            << File(three, kPlayers, "\"home\" \"" + QByteArray(33, 'O') + "\" \"1/5/2008\"\n") << QStringList{}
            << QStringList{"Invalid team name"} << data;
        QTest::newRow("opponent 32")
            << File(three, kPlayers, "\"home\" \"" + QByteArray(32, 'O') + "\" \"1/5/2008\"\n")
            << QStringList{QString(32, QLatin1Char('O')), "", ""} << QStringList{} << data;
        QTest::newRow("29 February 2007") << File(three, kPlayers, "\"home\" \"A\" \"29/2/2007\"\n")
                                          << QStringList{} << QStringList{"Invalid date"} << matchData;
        QTest::newRow("29 February 2008") << File(three, kPlayers, "\"home\" \"A\" \"29/2/2008\"\n")
                                          << QStringList{"A", "", ""} << QStringList{} << data;
        QTest::newRow("player differing in case")
            << File(three, kPlayers, "\"home\" \"A\" \"1/5/2008\"\n\"a. brown\" \"21\" \"X\" \"3\"\n")
            << QStringList{} << QStringList{"Invalid player"} << matchData;
        QTest::newRow("player not registered in a later fixture")
            << File(three, kPlayers, "\"home\" \"A\" \"1/5/2008\"\n\"A. Brown\" \"21\" \"X\" \"3\"\n"
                                   "\"home\" \"B\" \"2/5/2008\"\n\"Nobody\" \"21\" \"X\" \"3\"\n")
            << QStringList{} << QStringList{"Invalid player"} << matchData;
    }
    void fileChecks()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, opponents);
        QFETCH(QStringList, messages);
        QFETCH(QString, title);
        FakeHost host;
        SeasonPtr s = Import(text, host);
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

    void playerNames_data()
    {
        QTest::addColumn<QByteArray>("players");
        QTest::addColumn<QStringList>("names");   // in list order; empty when the import fails
        QTest::addColumn<QStringList>("messages");
        const QByteArray n31(31, 'n');
        QTest::newRow("space left by the cut dropped")
            << ("\"" + n31 + " tail\"\n") << QStringList{QString(31, QLatin1Char('n'))} << QStringList{};
        QTest::newRow("cut names clash")
            << ("\"" + n31 + "xA\"\n\"" + n31 + "xB\"\n") << QStringList{}
            << QStringList{QString(31, QLatin1Char('n')) + "x is already registered"};
        QTest::newRow("duplicate") << QByteArray("\"Anne\"\n\"Bob\"\n\"Anne\"\n") << QStringList{}
                                   << QStringList{"Anne is already registered"};
        QTest::newRow("blank name registered") << QByteArray("\"Anne\"\n  \n") << QStringList{"", "Anne"}
                                               << QStringList{};
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
            got << Str(p->name);
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
        QCOMPARE(s->playerCount, 4);
        for (const auto& p : s->players) {
            QVERIFY(p->twin && p->twin->twin == p.get() && p->twin->name == p->name);
            QCOMPARE(p->group + p->twin->group, 3); // one in group 1, one in group 2
        }
        // Each position takes the record of the group that plays there.
        const auto& played = s->fixtures[0]->games;
        for (std::size_t pos = 0; pos < played.size(); ++pos) {
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

TESSEL_TEST(TestTextImport)
#include "tst_TextImport.moc"
