#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "model/Recalculate.h"
#include "platform/Settings.h"
#include "print/PrintJob.h"
#include "support/FakeHost.h"
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

    // A dialog that prints to a PDF file with the given orientation and pages.
    PrintDialogRunner ToPdf(const QString& path, QPageLayout::Orientation orientation,
                            const QString& ranges = QString(), bool* offeredRanges = nullptr)
    {
        return [=](QWidget*, QPrinter& printer, bool teamResults) {
            if (offeredRanges)
                *offeredRanges = teamResults;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            printer.setPageOrientation(orientation);
            if (!ranges.isEmpty()) {
                printer.setPrintRange(QPrinter::PageRange);
                printer.setPageRanges(QPageRanges::fromString(ranges));
            }
            return true;
        };
    }

    SeasonPtr Season(FakeHost& host, int fixtures, int players)
    {
        SeasonShape shape;
        shape.teamSize = 6;
        shape.fixtureCount = fixtures;
        shape.playerCount = players;
        SeasonPtr season = BuildSeason(shape, host);
        Recalculate(*season, host, false);
        return season;
    }

private slots:
    void teamResultsPages_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<int>("pages");
        // A small season fits one landscape page; a maximal one is cut into
        // many more pages than the old fixed 1 to 100 would ever print.
        QTest::newRow("fits one page") << 10 << 8 << QString() << 1;
        QTest::newRow("a page range beyond the job") << 10 << 8 << QStringLiteral("3-5") << 1;
        QTest::newRow("split, all pages") << 100 << 60 << QString() << -1;
        QTest::newRow("split, pages 2 to 3") << 100 << 60 << QStringLiteral("2-3") << 2;
    }
    void teamResultsPages()
    {
        QFETCH(int, fixtures);
        QFETCH(int, players);
        QFETCH(QString, ranges);
        QFETCH(int, pages);
        FakeHost host;
        SeasonPtr season = Season(host, fixtures, players);
        const QString path = dir.filePath(QStringLiteral("team-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        QWidget owner;
        bool offered = false;
        QCOMPARE(PrintJob(&owner, host, *season, Preferences{}, PrintJobKind::TeamResults, 0,
                          ToPdf(path, QPageLayout::Landscape, ranges, &offered)),
                 1);
        QVERIFY(offered);
        QVERIFY(owner.isEnabled());
        const int printed = PdfPages(path);
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
        FakeHost host;
        SeasonPtr season = Season(host, 4, 5);
        const QString path = dir.filePath(QStringLiteral("one-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        bool offered = true;
        QCOMPARE(PrintJob(nullptr, host, *season, Preferences{}, PrintJobKind(kind), argument,
                          ToPdf(path, QPageLayout::Portrait, QStringLiteral("1-9"), &offered)),
                 result);
        QVERIFY(!offered);
        if (result == 1)
            QCOMPARE(PdfPages(path), 1);
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
        FakeHost host;
        if (answer >= 0)
            host.answers.push_back(Answer(answer));
        SeasonPtr season = Season(host, 10, 8);
        const QString path = dir.filePath(QStringLiteral("portrait-%1.pdf").arg(QString::fromLatin1(QTest::currentDataTag())));
        QCOMPARE(PrintJob(nullptr, host, *season, Preferences{}, PrintJobKind::TeamResults, 0,
                          ToPdf(path, QPageLayout::Portrait)),
                 1);
        QCOMPARE(host.Texts(),
                 std::vector<std::string>{"Landscape mode is better for this printout. If you "
                                          "continue, the output will have to be squeezed to fit. "
                                          "Continue anyway?"});
        QCOMPARE(host.messages[0].title, std::string("Print"));
        QVERIFY(host.messages[0].question);
        QCOMPARE(QFile::exists(path), printed);
    }

    void cancelledPrintsNothing()
    {
        FakeHost host;
        SeasonPtr season = Season(host, 3, 3);
        QCOMPARE(PrintJob(nullptr, host, *season, Preferences{}, PrintJobKind::TeamResults, 0,
                          [](QWidget*, QPrinter&, bool) { return false; }),
                 1);
        QVERIFY(host.messages.empty());
    }

    void teamResultsOpenOnLandscapeA4()
    {
        FakeHost host;
        SeasonPtr season = Season(host, 3, 3);
        QPageLayout seen;
        PrintJob(nullptr, host, *season, Preferences{}, PrintJobKind::TeamResults, 0,
                 [&](QWidget*, QPrinter& printer, bool) {
                     seen = printer.pageLayout();
                     return false;
                 });
        QCOMPARE(seen.orientation(), QPageLayout::Landscape);
        QCOMPARE(seen.pageSize().id(), QPageSize::A4);
    }

    // A document the printer will not start fails the job; the refusal is
    // reported, then again as the job's last reply at the end.
    void unwritableOutputFails_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("player summary") << int(PrintJobKind::PlayerSummary);
        QTest::newRow("team results") << int(PrintJobKind::TeamResults);
    }
    void unwritableOutputFails()
    {
        QFETCH(int, kind);
        FakeHost host;
        SeasonPtr season = Season(host, 3, 3);
        QWidget owner;
        const int result = PrintJob(&owner, host, *season, Preferences{}, PrintJobKind(kind), 0,
                                    ToPdf(QStringLiteral("/nonexistent/dir/out.pdf"), QPageLayout::Landscape));
        QCOMPARE(result, 0);
        QCOMPARE(host.Texts(), (std::vector<std::string>{"Error 0 from printer (StartDoc)",
                                                         "Error from printer (EndDoc) Reply = 0, Error = 0"}));
        for (const FakeHost::Message& m : host.messages) {
            QCOMPARE(m.title, std::string(kDefaultErrorTitle));
            QCOMPARE(m.icon, MessageIcon::Exclamation);
        }
        QVERIFY(owner.isEnabled());
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_PrintJob.moc"
