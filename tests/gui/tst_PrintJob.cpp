#include "support/TestRegistry.h"
#include <QDir>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "gui/PrintJob.h"
#include "model/Recalculate.h"
#include "platform/Settings.h"
#include "support/FakeHost.h"
#include "support/FullDisk.h"
#include "support/SeasonBuilder.h"

namespace {

int PdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")));
}

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakeHost host;
    bool offeredRanges = false;

    QString Pdf() { return dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".pdf")); }

    // Prints a season of that many fixtures and players through a dialog
    // that chooses a PDF file with the given orientation and pages.
    int Print(PrintJobKind kind, int argument, int fixtures, int players, const QString& path,
              QPageLayout::Orientation orientation, const QString& ranges = {}, QWidget* owner = nullptr)
    {
        SeasonShape shape;
        shape.teamSize = 6;
        shape.fixtureCount = fixtures;
        shape.playerCount = players;
        SeasonPtr season = BuildSeason(shape, host);
        Recalculate(*season, host, false);
        return PrintJob(owner, host, *season, Preferences{}, kind, argument,
                        [=, this](QWidget*, QPrinter& printer, bool teamResults) {
                            offeredRanges = teamResults;
                            printer.setOutputFormat(QPrinter::PdfFormat);
                            printer.setOutputFileName(path);
                            printer.setPageOrientation(orientation);
                            if (!ranges.isEmpty()) {
                                printer.setPrintRange(QPrinter::PageRange);
                                printer.setPageRanges(QPageRanges::fromString(ranges));
                            }
                            return true;
                        });
    }

private slots:
    void init()
    {
        host.messages.clear();
        host.answers.clear();
    }

    void teamResultsPages_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<int>("pages"); // -1: more than the old fixed 1 to 100 allowed for
        QTest::newRow("fits one page") << 10 << 8 << QString() << 1;
        QTest::newRow("a page range beyond the job") << 10 << 8 << "3-5" << 1;
        QTest::newRow("split, all pages") << 100 << 60 << QString() << -1;
        QTest::newRow("split, pages 2 to 3") << 100 << 60 << "2-3" << 2;
    }
    void teamResultsPages()
    {
        QFETCH(int, fixtures);
        QFETCH(int, players);
        QFETCH(QString, ranges);
        QFETCH(int, pages);
        QWidget owner;
        QCOMPARE(Print(PrintJobKind::TeamResults, 0, fixtures, players, Pdf(), QPageLayout::Landscape,
                       ranges, &owner),
                 1);
        QVERIFY(offeredRanges);
        QVERIFY(owner.isEnabled());
        const int printed = PdfPages(Pdf());
        if (pages > 0)
            QCOMPARE(printed, pages);
        else
            QVERIFY2(printed > 4, qPrintable(QString::number(printed)));
        QVERIFY(host.messages.empty());
    }

    void singlePagePrintouts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("argument");
        QTest::addColumn<int>("result");
        QTest::newRow("match sheet") << int(PrintJobKind::MatchSheet) << 1 << 1;
        QTest::newRow("player summary") << int(PrintJobKind::PlayerSummary) << 0 << 1;
        QTest::newRow("no such fixture") << int(PrintJobKind::MatchSheet) << 7 << 0;
    }
    void singlePagePrintouts()
    {
        QFETCH(int, kind);
        QFETCH(int, argument);
        QFETCH(int, result);
        offeredRanges = true;
        QCOMPARE(Print(PrintJobKind(kind), argument, 4, 5, Pdf(), QPageLayout::Portrait, QStringLiteral("1-9")), result);
        QVERIFY(!offeredRanges);
        if (result == 1)
            QCOMPARE(PdfPages(Pdf()), 1);
    }

    void portraitAsksFirst_data()
    {
        QTest::addColumn<int>("answer"); // -1: the default button
        QTest::addColumn<bool>("printed");
        QTest::newRow("No") << int(Answer::No) << false;
        QTest::newRow("Yes") << int(Answer::Yes) << true;
        QTest::newRow("default is No") << -1 << false;
    }
    void portraitAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, printed);
        if (answer >= 0)
            host.answers.push_back(Answer(answer));
        QCOMPARE(Print(PrintJobKind::TeamResults, 0, 10, 8, Pdf(), QPageLayout::Portrait), 1);
        QCOMPARE(host.Texts(), std::vector<std::string>{"Landscape mode is better for this printout. If you "
                                                        "continue, the output will have to be squeezed to "
                                                        "fit. Continue anyway?"});
        QVERIFY(host.messages[0].question);
        QCOMPARE(QFile::exists(Pdf()), printed);
    }

    // Printing to a file proposes the season's own name with ".pdf", beside
    // the season file and then where the last printout went.
    void pdfProposedBesideTheSeasonThenInTheLastFolder()
    {
        SeasonPtr season = BuildSeason(SeasonShape{}, host);
        Recalculate(*season, host, false);
        season->filePath = dir.filePath(QStringLiteral("Vale club.bwl")).toStdString();
        season->untitled = false;
        const QString elsewhere = dir.filePath(QStringLiteral("printouts"));
        QVERIFY(QDir().mkpath(elsewhere));
        QString proposed;
        const PrintDialogRunner chooser = [&](QWidget*, QPrinter& printer, bool) {
            proposed = printer.outputFileName();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(elsewhere + QStringLiteral("/chosen.pdf"));
            return true;
        };
        QString folder;
        QCOMPARE(PrintJob(nullptr, host, *season, Preferences{}, PrintJobKind::PlayerSummary, 0,
                          chooser, &folder),
                 1);
        QCOMPARE(proposed, dir.filePath(QStringLiteral("Vale club.pdf")));
        QCOMPARE(folder, elsewhere);
        PrintJob(nullptr, host, *season, Preferences{}, PrintJobKind::PlayerSummary, 0, chooser,
                 &folder);
        QCOMPARE(proposed, elsewhere + QStringLiteral("/Vale club.pdf"));
    }

    void cancelledDialogOfferedLandscapeA4()
    {
        SeasonPtr season = BuildSeason(SeasonShape{}, host);
        Recalculate(*season, host, false);
        QPageLayout seen;
        QCOMPARE(PrintJob(nullptr, host, *season, Preferences{}, PrintJobKind::TeamResults, 0,
                          [&](QWidget*, QPrinter& printer, bool) {
                              seen = printer.pageLayout();
                              return false;
                          }),
                 1);
        QCOMPARE(seen.orientation(), QPageLayout::Landscape);
        QCOMPARE(seen.pageSize().id(), QPageSize::A4);
        QVERIFY(host.messages.empty());
    }

    // A PDF file that cannot be written fails the job with the file's own
    // message; an old file of that name is left exactly as it was.
    void unwritableOutputFails_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("fullDisk"); // else the folder is missing
        QTest::newRow("player summary, missing folder") << int(PrintJobKind::PlayerSummary) << false;
        QTest::newRow("team results, full disk") << int(PrintJobKind::TeamResults) << true;
    }
    void unwritableOutputFails()
    {
        QFETCH(int, kind);
        QFETCH(bool, fullDisk);
        QWidget owner;
        const QString path = fullDisk ? Pdf() : QStringLiteral("/nonexistent/dir/out.pdf");
        const QByteArray old("%PDF-1.4 the old printout");
        if (fullDisk) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
        }
        {
            const FullDisk full(fullDisk ? 0 : 1LL << 40);
            QCOMPARE(Print(PrintJobKind(kind), 0, 3, 3, path, QPageLayout::Landscape, {}, &owner), 0);
        }
        const int reason = fullDisk ? ENOSPC : ENOENT;
        QCOMPARE(host.Texts(), std::vector<std::string>{
                                   FileFailureText("Cannot write file", path, qt_error_string(reason))});
        QCOMPARE(host.messages[0].icon, MessageIcon::Exclamation);
        if (fullDisk) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), old);
        }
        QVERIFY(owner.isEnabled());
    }
};

TESSEL_TEST(TestPrintJob)
#include "tst_PrintJob.moc"
