#include "support/TestRegistry.h"
// tessel-cli end to end: usage, whole reports of the examples, the stored preference, and
// every output file written whole or not at all.
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <sstream>

#include "cli/Cli.h"
#include "cli/Printouts.h"
#include "platform/Settings.h"
#include "support/FakeHost.h"
#include "support/Golden.h"
#include "support/SeasonBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace {

struct Run {
    int status;
    QString out, err;
};

// Arguments split at spaces.
Run Cli(const QString& args)
{
    std::ostringstream out, err;
    const int status =
        RunCli(QStringList{u"tessel-cli"_s} + args.split(u' ', Qt::SkipEmptyParts), out, err);
    return {status, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

// Two players, two matches: a played game and a walkover, then a match not yet played; names
// that need quoting in CSV, bytes outside ASCII.
const QString kSeason = u"" TESSEL_TEST_DATA "/cli/hale.bwt"_s;

} // namespace

class TestCli : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    void UseSettingsIn(const QString& name)
    {
        SetSettingsStore(std::make_unique<SettingsStore>(dir.filePath(name + u"/user"_s),
                                                         dir.filePath(name + u"/machine"_s)));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        qputenv("SOURCE_DATE_EPOCH", "1717000000");
        UseSettingsIn(u"settings"_s); // an empty store of our own: MinGames is the default, 3
    }
    void cleanupTestCase() { SetSettingsStore(nullptr); }

    void usage()
    {
        const QString wrong =
            u"|frobnicate|report|report --format xml x.bwl|report --min-games -1 x.bwl|"
            "convert x.bwl|report --colour x.bwl"_s;
        for (const QString& args : wrong.split(u'|')) {
            const Run run = Cli(args);
            QCOMPARE(run.status, 2);
            QVERIFY2(run.err.contains(u"Usage:"_s), qPrintable(args));
        }
        QCOMPARE(Cli(u"--help"_s).status, 0);
        QCOMPARE(Cli(u"--version"_s).status, 0);
        QVERIFY(Cli(u"--version"_s).out.contains(u"9.19."_s));
        // A file that cannot be read or written is named with the reason.
        for (auto [args, err] :
             {std::pair{u"report /nonexistent/x.bwl"_s, u"Cannot open file\n/nonexistent/x.bwl"_s},
              {u"convert "_s + kSeason + u" /nonexistent/d/out.bwl"_s,
               u"Cannot write file\n/nonexistent/d/out.bwl"_s}}) {
            const Run run = Cli(args);
            QCOMPARE(run.status, 1);
            QCOMPARE(run.err, u"Error: "_s + err + u": No such file or directory\n"_s);
        }
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
        const QString command =
            u"report --format "_s + format + u" --min-games 2 " TESSEL_EXAMPLES "/"_s + name;
        const Run binary = Cli(command + u".bwl"_s);
        QCOMPARE(binary.status, 0);
        QCOMPARE(binary.err, QString());
        TESSEL_COMPARE_GOLDEN("cli/" + name.toStdString() + "." + format.toStdString(),
                              binary.out.toStdString());
        const Run text = Cli(command + u".bwt"_s);
        QCOMPARE(text.status, 0);
        QCOMPARE(text.out, binary.out);
    }

    // Names that need quoting by the usual CSV rules get it; others do not.
    void csvQuoting()
    {
        const Run run = Cli(u"report --format csv --min-games 1 "_s + kSeason);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("Rank,Name,P,W,L,Ave\r\n1,\"Smith, José\",1,1,0,6.0\r\n"
                                         "2,\"Ann \"\"Ace\"\" Brown\",0,0,0,\r\n"));
    }

    // The stored preference is an unsigned number, as the desktop program reads it: one
    // beyond the largest int ranks nobody. The option wins over it.
    void minGamesFromStore()
    {
        int n = 0; // stored: nullptr for nothing stored
        for (auto [stored, option, minGames, measureText] :
             {std::tuple<const char*, const char*, int, const char*>{nullptr, "", 3, ""},
              {"1", "", 1, "6.0"},
              {"0", "", 0, "6.0"},
              {"-1", "", 2147483647, ""},
              {"5", "--min-games 1", 1, "6.0"}}) {
            UseSettingsIn(u"minGames-"_s + QString::number(++n));
            if (stored)
                QVERIFY(
                    WriteNumberSetting(kSettingsKey, kMinGamesSetting, QByteArray(stored).toInt()));
            const Run run =
                Cli(u"report --format json "_s + QString::fromLatin1(option) + u" "_s + kSeason);
            UseSettingsIn(u"settings"_s);
            QCOMPARE(run.status, 0);
            const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
            QCOMPARE(root[u"minGames"].toInt(), minGames);
            const QJsonObject first = root[u"players"].toArray()[0].toObject();
            QCOMPARE(first[u"name"].toString(), QStringLiteral("Smith, José"));
            QCOMPARE(first[u"measureText"].toString(), QString::fromLatin1(measureText));
        }
    }

    // What convert writes is what the desktop program saves: a binary file comes back as it
    // was.
    void convert()
    {
        const QString target = dir.filePath(u"copy.bwl"_s);
        QCOMPARE(Cli(u"convert " TESSEL_EXAMPLES "/stockport-singles.bwl "_s + target).status, 0);
        QFile copy(target), original(u"" TESSEL_EXAMPLES "/stockport-singles.bwl"_s);
        QVERIFY(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), original.readAll());
    }

    // One page of A4 in the printout's orientation, titled with the team name (its byte
    // outside ASCII read as the season's code page); questions answered by their defaults.
    void printouts()
    {
        const QString landscape =
            u"Print: Landscape mode is better for this printout. If you continue, the output "
            "will have to be squeezed to fit. Continue anyway?\n"_s;
        const QString blank =
            u"Bowls results: This match has not yet been played.\nDo you want to print a blank "
            "result sheet?\n"_s;
        const QString out = dir.filePath(u"out.pdf"_s);
        for (
            const QString& args :
            u"sheet --fixture 2|sheet --fixture -1|player --player 2|grid|team --portrait --landscape"_s
                .split(u'|')) {
            QFile::remove(out);
            QCOMPARE(Cli(u"print "_s + args + u" -o "_s + out + u" "_s + kSeason).status, 2);
            QVERIFY(!QFile::exists(out));
        }
        struct Case {
            const char* args;
            QSize page; // in points
            QString messages;
        };
        const Case cases[] = {{"team", {842, 595}, {}},
                              {"team --portrait", {595, 842}, landscape},
                              {"sheet --fixture 1", {595, 842}, blank},
                              {"sheet --landscape", {842, 595}, {}},
                              {"player --player 1", {595, 842}, {}}};
        for (const Case& c : cases) {
            QFile::remove(out);
            const Run run =
                Cli(u"print "_s + QString::fromLatin1(c.args) + u" -o "_s + out + u" "_s + kSeason);
            QCOMPARE(run.status, 0);
            QCOMPARE(run.err, c.messages);
            QFile file(out);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray pdf = file.readAll();
            const QString text = QString::fromLatin1(pdf);
            QVERIFY(pdf.startsWith("%PDF-"));
            QCOMPARE(text.count(QRegularExpression(u"/Type\\s*/Page(?!s)"_s)), 1);
            QVERIFY(text.contains(
                QRegularExpression(QString(u"/MediaBox \\[0 0 %1(\\.0+)? %2(\\.0+)?\\]"_s)
                                       .arg(c.page.width())
                                       .arg(c.page.height()))));
            QVERIFY(pdf.contains(QByteArray("\0C\0a\0f\0\xE9", 8)));
        }
    }

    void render()
    {
        const QString out = dir.filePath(u"grid.png"_s);
        QCOMPARE(Cli(u"render --size 900x500 -o "_s + out + u" "_s + kSeason).status, 0);
        const QImage image(out);
        QCOMPARE(image.size(), QSize(900, 500));
        QImage blank = image; // something was drawn on the background
        blank.fill(image.pixel(0, 0));
        QVERIFY(image != blank);
        QCOMPARE(Cli(u"render --size 900 -o "_s + out + u" "_s + kSeason).status, 2);
    }

    // A PDF the device did not take is a failure told to the user, never an empty or
    // cut-short file passed off as done.
    void pdfDevice()
    {
        for (auto [path, openFirst, written] :
             {std::tuple{dir.filePath(u"ok.pdf"_s), false, true},
              {u"/nonexistent/d/out.pdf"_s, false, false},
              {u"/dev/full"_s, true, false}}) { // unbuffered: full at once
            FakeHost host;
            SeasonPtr season = BuildSeason(SeasonShape{}, host);
            QFile file(path);
            if (openFirst)
                QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            QCOMPARE(
                WritePdf(file, *season, host, Preferences{}, PrintoutKind::TeamResults, 0, true),
                written);
            QCOMPARE(host.Texts(), written ? std::vector<std::string>{}
                                           : std::vector<std::string>{"Cannot write file"});
        }
    }
};

TESSEL_TEST(TestCli)
#include "tst_Cli.moc"
