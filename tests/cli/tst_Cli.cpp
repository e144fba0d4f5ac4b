#include "support/TestRegistry.h"
#include <QImage>
#include <QRegularExpression>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

#include "cli/Cli.h"
#include "cli/Printouts.h"
#include "files/BinaryFormat.h"
#include "model/Dates.h"
#include "model/Recalculate.h"
#include "model/Season.h"
#include "platform/Settings.h"
#include "support/FakeHost.h"
#include "support/Golden.h"

namespace {

struct Run {
    int status;
    std::string out;
    std::string err;
};

Run Cli(const QStringList& args)
{
    std::ostringstream out, err;
    QStringList all{QStringLiteral("tessel-cli")};
    all += args;
    const int status = RunCli(all, out, err);
    return {status, out.str(), err.str()};
}

// A small singles season under "Aggregate": two players, two fixtures, the
// second unplayed; one walkover and a name with a byte outside ASCII.
SeasonPtr SmallSeason(FakeHost& host)
{
    auto season = std::make_unique<Season>();
    season->teamName = "Hale Barns Caf\xE9";
    season->leagueName = "Altrincham";
    season->division = "One";
    season->schemeIndex = 0;
    season->teamSize = 2;
    season->fixtureCount = 2;
    season->playerCount = 2;
    ApplyScheme(*season, host);
    if (!AllocateSeasonRecords(host, season))
        return nullptr;
    season->players[0]->id = 0;
    season->players[0]->name = "Jos\xE9 Smith";
    season->players[0]->surnameAt = SplitName(season->players[0]->name);
    season->players[1]->id = 1;
    season->players[1]->name = "Ann Brown";
    season->players[1]->surnameAt = SplitName(season->players[1]->name);
    Fixture& f0 = *season->fixtures[0];
    f0.opponent = "Timperley";
    f0.venue = Home;
    f0.date = MakeLocalDate(2024, 5, 30);
    f0.games[0] = Game{0, season->players[0].get(), nullptr, "J Jones", Played, 21, 15, 0, 0};
    f0.games[1] = Game{1, season->players[1].get(), nullptr, "", OpponentAbsent, 21, 0, 0, 0};
    Fixture& f1 = *season->fixtures[1];
    f1.opponent = "Sale";
    f1.venue = Away;
    f1.date = MakeLocalDate(2024, 6, 6);
    Recalculate(*season, host, false);
    return season;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString seasonPath;
    std::vector<std::uint8_t> seasonBytes;

    void UseSettingsIn(const QString& name)
    {
        SetSettingsStore(std::make_unique<SettingsStore>(dir.filePath(name + QStringLiteral("/user")),
                                                         dir.filePath(name + QStringLiteral("/machine"))));
    }

private slots:
    void cleanupTestCase() { SetSettingsStore(nullptr); }

    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qputenv("SOURCE_DATE_EPOCH", "1717000000");
        // An empty store of our own: the stored MinGames is the default, 3.
        UseSettingsIn(QStringLiteral("settings"));
        FakeHost host;
        SeasonPtr season = SmallSeason(host);
        QVERIFY(season);
        seasonBytes = SeasonToBytes(*season);
        seasonPath = dir.filePath(QStringLiteral("hale.bwl"));
        QFile file(seasonPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(seasonBytes.data()), qint64(seasonBytes.size()));
    }

    void usage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::newRow("no command") << QStringList{} << 2;
        QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2;
        QTest::newRow("report without file") << QStringList{QStringLiteral("report")} << 2;
        QTest::newRow("bad format") << QStringList{QStringLiteral("report"), QStringLiteral("--format"), QStringLiteral("xml"), QStringLiteral("x.bwl")} << 2;
        QTest::newRow("bad min-games") << QStringList{QStringLiteral("report"), QStringLiteral("--min-games"), QStringLiteral("-1"), QStringLiteral("x.bwl")} << 2;
        QTest::newRow("convert one path") << QStringList{QStringLiteral("convert"), QStringLiteral("x.bwl")} << 2;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("report"), QStringLiteral("--colour"), QStringLiteral("x.bwl")} << 2;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0;
        QTest::newRow("missing file") << QStringList{QStringLiteral("report"), QStringLiteral("/nonexistent/x.bwl")} << 1;
    }
    void usage()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        const Run run = Cli(args);
        QCOMPARE(run.status, status);
        if (status == 2)
            QVERIFY(run.err.find("Usage:") != std::string::npos);
        if (status == 1)
            QCOMPARE(QString::fromStdString(run.err),
                     QStringLiteral("Error: Cannot open file\n/nonexistent/x.bwl: No such file or directory\n"));
    }

    void versionText()
    {
        const Run run = Cli({QStringLiteral("--version")});
        QVERIFY(run.out.find("9.19.") != std::string::npos);
    }

    // The reports of the example seasons, whole, in each format; the text season gives the
    // same reports as the binary one.
    void reports_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("format");
        for (const char* name : {"stockport-singles", "tameside-pairs"})
            for (const char* format : {"text", "csv", "json"})
                QTest::addRow("%s %s", name, format) << name << format;
    }
    void reports()
    {
        QFETCH(QString, name);
        QFETCH(QString, format);
        const QString base = QStringLiteral(TESSEL_EXAMPLES "/") + name;
        const QStringList args{QStringLiteral("report"), QStringLiteral("--format"), format,
                               QStringLiteral("--min-games"), QStringLiteral("2")};
        const Run binary = Cli(args + QStringList{base + QStringLiteral(".bwl")});
        QCOMPARE(binary.status, 0);
        QCOMPARE(binary.err, std::string());
        TESSEL_COMPARE_GOLDEN("cli/" + name.toStdString() + "." + format.toStdString(), binary.out);
        const Run text = Cli(args + QStringList{base + QStringLiteral(".bwt")});
        QCOMPARE(text.status, 0);
        QCOMPARE(QString::fromStdString(text.out), QString::fromStdString(binary.out));
    }

    // Names that need quoting by the usual CSV rules get it; others do not.
    void csvQuoting()
    {
        FakeHost host;
        SeasonPtr season = SmallSeason(host);
        QVERIFY(season);
        season->players[0]->name = "Smith, Jo";
        season->players[1]->name = "Ann \"Ace\" Brown";
        const std::vector<std::uint8_t> bytes = SeasonToBytes(*season);
        const QString path = dir.filePath(QStringLiteral("quoted.bwl"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        file.close();
        const Run run = Cli({QStringLiteral("report"), QStringLiteral("--format"), QStringLiteral("csv"),
                             QStringLiteral("--min-games"), QStringLiteral("1"), path});
        QCOMPARE(run.status, 0);
        QCOMPARE(QString::fromStdString(run.out),
                 QStringLiteral("Rank,Name,P,W,L,Ave\r\n1,\"Smith, Jo\",1,1,0,6.0\r\n"
                                "2,\"Ann \"\"Ace\"\" Brown\",0,0,0,\r\n"));
    }

    // The stored preference is an unsigned number, as the desktop program
    // reads it: one beyond the largest int ranks nobody.
    void minGamesFromStore_data()
    {
        QTest::addColumn<QString>("stored"); // empty: nothing stored
        QTest::addColumn<QString>("option"); // empty: no --min-games
        QTest::addColumn<int>("minGames");
        QTest::addColumn<QString>("measureText");
        QTest::newRow("nothing stored") << QString() << QString() << 3 << QString();
        QTest::newRow("stored 1") << QStringLiteral("1") << QString() << 1 << QStringLiteral("6.0");
        QTest::newRow("stored 0") << QStringLiteral("0") << QString() << 0 << QStringLiteral("6.0");
        QTest::newRow("stored beyond int") << QStringLiteral("-1") << QString() << 2147483647 << QString();
        QTest::newRow("option over stored") << QStringLiteral("5") << QStringLiteral("1") << 1 << QStringLiteral("6.0");
    }
    void minGamesFromStore()
    {
        QFETCH(QString, stored);
        QFETCH(QString, option);
        QFETCH(int, minGames);
        QFETCH(QString, measureText);
        UseSettingsIn(QStringLiteral("minGames-") + QString::fromLatin1(QTest::currentDataTag()));
        if (!stored.isEmpty())
            QVERIFY(WriteNumberSetting(kSettingsKey, kMinGamesSetting, stored.toInt()));
        QStringList args{QStringLiteral("report"), QStringLiteral("--format"), QStringLiteral("json")};
        if (!option.isEmpty())
            args += QStringList{QStringLiteral("--min-games"), option};
        args += seasonPath;
        const Run run = Cli(args);
        UseSettingsIn(QStringLiteral("settings"));
        QCOMPARE(run.status, 0);
        const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
        QCOMPARE(root[QStringLiteral("minGames")].toInt(), minGames);
        const QJsonObject first = root[QStringLiteral("players")].toArray()[0].toObject();
        QCOMPARE(first[QStringLiteral("name")].toString(), QStringLiteral("Jos\u00E9 Smith"));
        QCOMPARE(first[QStringLiteral("measureText")].toString(), measureText);
    }

    void convertGivesSameBytes()
    {
        const QString target = dir.filePath(QStringLiteral("copy.bwl"));
        const Run run = Cli({QStringLiteral("convert"), seasonPath, target});
        QCOMPARE(run.status, 0);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes, QByteArray(reinterpret_cast<const char*>(seasonBytes.data()), qsizetype(seasonBytes.size())));
    }

    void printouts_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QSize>("pageSize");   // in points; empty for no output
        QTest::addColumn<QString>("messages"); // on standard error, when it succeeds
        const QString sheet = QStringLiteral("sheet"), player = QStringLiteral("player"), team = QStringLiteral("team");
        const QString landscapeQuestion = QStringLiteral(
            "Print: Landscape mode is better for this printout. If you continue, the output will have to be "
            "squeezed to fit. Continue anyway?\n");
        const QString blankQuestion = QStringLiteral(
            "Bowls results: This match has not yet been played.\nDo you want to print a blank result sheet?\n");
        QTest::newRow("team, landscape A4") << QStringList{team} << 0 << QSize(842, 595) << QString();
        QTest::newRow("team, portrait") << QStringList{team, QStringLiteral("--portrait")} << 0 << QSize(595, 842)
                                        << landscapeQuestion;
        QTest::newRow("sheet, portrait A4") << QStringList{sheet, QStringLiteral("--fixture"), QStringLiteral("1")} << 0
                                            << QSize(595, 842) << blankQuestion;
        QTest::newRow("sheet landscape") << QStringList{sheet, QStringLiteral("--landscape")} << 0 << QSize(842, 595)
                                         << QString();
        QTest::newRow("player") << QStringList{player, QStringLiteral("--player"), QStringLiteral("1")} << 0
                                << QSize(595, 842) << QString();
        QTest::newRow("fixture out of range") << QStringList{sheet, QStringLiteral("--fixture"), QStringLiteral("2")} << 2 << QSize() << QString();
        QTest::newRow("negative fixture") << QStringList{sheet, QStringLiteral("--fixture"), QStringLiteral("-1")} << 2 << QSize() << QString();
        QTest::newRow("player out of range") << QStringList{player, QStringLiteral("--player"), QStringLiteral("2")} << 2 << QSize() << QString();
        QTest::newRow("unknown kind") << QStringList{QStringLiteral("grid")} << 2 << QSize() << QString();
        QTest::newRow("both orientations") << QStringList{team, QStringLiteral("--portrait"), QStringLiteral("--landscape")} << 2 << QSize() << QString();
    }
    void printouts()
    {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QSize, pageSize);
        QFETCH(QString, messages);
        const QString out = dir.filePath(QStringLiteral("out.pdf"));
        QFile::remove(out);
        QStringList all{QStringLiteral("print")};
        all += args;
        all += QStringList{QStringLiteral("-o"), out, seasonPath};
        const Run run = Cli(all);
        QCOMPARE(run.status, status);
        QCOMPARE(QFile::exists(out), status == 0);
        if (status != 0)
            return;
        QCOMPARE(QString::fromStdString(run.err), messages);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QVERIFY(pdf.startsWith("%PDF-"));
        // One page, of the expected size and orientation.
        const QString text = QString::fromLatin1(pdf);
        QCOMPARE(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
        const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 %1(\\.0+)? %2(\\.0+)?\\]")
                                         .arg(pageSize.width())
                                         .arg(pageSize.height()));
        QVERIFY(text.contains(box));
        // The document's title is the team name, its byte outside ASCII read
        // as the season's own code page (UTF-16 big-endian in the PDF).
        QVERIFY(pdf.contains(QByteArray("\0C\0a\0f\0\xE9", 8)));
    }

    void render()
    {
        const QString out = dir.filePath(QStringLiteral("grid.png"));
        Run run = Cli({QStringLiteral("render"), QStringLiteral("--size"), QStringLiteral("900x500"), QStringLiteral("-o"), out, seasonPath});
        QCOMPARE(run.status, 0);
        QImage image(out);
        QCOMPARE(image.size(), QSize(900, 500));
        // Something was drawn: not every pixel is the background.
        bool ink = false;
        for (int y = 0; y < image.height() && !ink; ++y)
            for (int x = 0; x < image.width() && !ink; ++x)
                ink = image.pixel(x, y) != image.pixel(0, 0);
        QVERIFY(ink);
        run = Cli({QStringLiteral("render"), QStringLiteral("--size"), QStringLiteral("900"), QStringLiteral("-o"), out, seasonPath});
        QCOMPARE(run.status, 2);
    }

    // A PDF the device did not take is a failure told to the user, never an
    // empty or cut-short file passed off as done.
    void pdfDevice_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("openFirst"); // unbuffered, so that a full disk shows at once
        QTest::addColumn<bool>("written");
        QTest::newRow("writable") << QStringLiteral("ok.pdf") << false << true;
        QTest::newRow("cannot open") << QStringLiteral("/nonexistent/dir/out.pdf") << false << false;
        QTest::newRow("disk full") << QStringLiteral("/dev/full") << true << false;
    }
    void pdfDevice()
    {
        QFETCH(QString, path);
        QFETCH(bool, openFirst);
        QFETCH(bool, written);
        FakeHost builder, host;
        SeasonPtr season = SmallSeason(builder);
        QFile file(QDir::isAbsolutePath(path) ? path : dir.filePath(path));
        if (openFirst)
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QCOMPARE(WritePdf(file, *season, host, Preferences{}, PrintoutKind::TeamResults, 0, true), written);
        QCOMPARE(host.Texts(), written ? std::vector<std::string>{}
                                       : std::vector<std::string>{"Cannot write file"});
    }

    void convertToUnwritablePathFails()
    {
        const Run run = Cli({QStringLiteral("convert"), seasonPath, QStringLiteral("/nonexistent/dir/out.bwl")});
        QCOMPARE(run.status, 1);
        QCOMPARE(QString::fromStdString(run.err),
                 QStringLiteral("Error: Cannot write file\n/nonexistent/dir/out.bwl: No such file or directory\n"));
    }
};

TESSEL_TEST(TestCli)
#include "tst_Cli.moc"
