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
    return QString::fromLatin1(file.readAll())
        .count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)")));
}

} // namespace

class TestPrintJob : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    FakeHost host;
    bool offeredRanges = false;

    QString Pdf()
    {
        return dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".pdf"));
    }

    // Prints a season of that many fixtures and players through a dialog
    // that chooses a PDF file with the given orientation and pages.
    int Print(PrintJobKind kind, int argument, int fixtures, int players, const QString& path,
              QPageLayout::Orientation orientation, const QString& ranges = {},
              QWidget* owner = nullptr)
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

    // Each printout through a dialog that chooses a PDF file, its orientation
    // and pages: what the job returns and how many pages the file holds. Only
    // the team results offer page ranges, and in portrait ask first.
    void printouts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("argument");
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("ranges");
        QTest::addColumn<int>(
            "portrait"); // the answer to the question; -1: its default; -2: landscape
        QTest::addColumn<int>("result");
        QTest::addColumn<int>(
            "pages"); // 0: no file; -1: more than the old fixed 1 to 100 allowed for
        const int team = int(PrintJobKind::TeamResults), sheet = int(PrintJobKind::MatchSheet),
                  summary = int(PrintJobKind::PlayerSummary), yes = int(Answer::Yes),
                  no = int(Answer::No);
        QTest::newRow("fits one page") << team << 0 << 10 << 8 << "" << -2 << 1 << 1;
        QTest::newRow("a page range beyond the job")
            << team << 0 << 10 << 8 << "3-5" << -2 << 1 << 1;
        QTest::newRow("split, all pages") << team << 0 << 100 << 60 << "" << -2 << 1 << -1;
        QTest::newRow("split, pages 2 to 3") << team << 0 << 100 << 60 << "2-3" << -2 << 1 << 2;
        QTest::newRow("portrait, No") << team << 0 << 10 << 8 << "" << no << 1 << 0;
        QTest::newRow("portrait, Yes") << team << 0 << 10 << 8 << "" << yes << 1 << 1;
        QTest::newRow("portrait, default is No") << team << 0 << 10 << 8 << "" << -1 << 1 << 0;
        QTest::newRow("match sheet") << sheet << 1 << 4 << 5 << "1-9" << -1 << 1 << 1;
        QTest::newRow("player summary") << summary << 0 << 4 << 5 << "1-9" << -1 << 1 << 1;
        QTest::newRow("no such fixture") << sheet << 7 << 4 << 5 << "1-9" << -1 << 0 << 0;
    }
    void printouts()
    {
        QFETCH(int, kind);
        QFETCH(int, argument);
        QFETCH(int, fixtures);
        QFETCH(int, players);
        QFETCH(QString, ranges);
        QFETCH(int, portrait);
        QFETCH(int, result);
        QFETCH(int, pages);
        if (portrait >= 0)
            host.answers.push_back(Answer(portrait));
        offeredRanges = kind != int(PrintJobKind::TeamResults);
        QWidget owner;
        QCOMPARE(Print(PrintJobKind(kind), argument, fixtures, players, Pdf(),
                       portrait == -2 ? QPageLayout::Landscape : QPageLayout::Portrait, ranges,
                       &owner),
                 result);
        QCOMPARE(offeredRanges, kind == int(PrintJobKind::TeamResults));
        QVERIFY(owner.isEnabled());
        const int printed = PdfPages(Pdf());
        QVERIFY2(pages < 0 ? printed > 4 : printed == (pages ? pages : -1),
                 qPrintable(QString::number(printed)));
        if (result == 0)
            return;
        const bool asks = kind == int(PrintJobKind::TeamResults) && portrait != -2;
        QCOMPARE(host.Texts(),
                 asks ? std::vector<std::string>{"Landscape mode is better for this printout. If "
                                                 "you continue, the output will have to be "
                                                 "squeezed to fit. Continue anyway?"}
                      : std::vector<std::string>{});
        QVERIFY(!asks || host.messages[0].question);
    }

    // Printing to a file proposes the season's own name with ".pdf", beside
    // the season file and then where the last printout went.
    void dialogProposals()
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
        // The team results are offered landscape on A4; a cancelled dialog is no failure.
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
        QTest::newRow("player summary, missing folder")
            << int(PrintJobKind::PlayerSummary) << false;
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
            QCOMPARE(Print(PrintJobKind(kind), 0, 3, 3, path, QPageLayout::Landscape, {}, &owner),
                     0);
        }
        const int reason = fullDisk ? ENOSPC : ENOENT;
        QCOMPARE(host.Texts(), std::vector<std::string>{FileFailureText("Cannot write file", path,
                                                                        qt_error_string(reason))});
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
