#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "support/FullDisk.h"

class TestPrintJob : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
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
        QTest::addColumn<int>("portrait"); // the answer to its question; -1: default; -2: landscape
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
        FakeHost host;
        if (portrait >= 0)
            host.answers.push_back(Answer(portrait));
        const bool team = kind == int(PrintJobKind::TeamResults);
        bool offered = !team;
        QWidget owner;
        const QString pdf = dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
        QCOMPARE(PrintJob(&owner, host, *MakeSeason(fixtures, players), Preferences{},
                          PrintJobKind(kind), argument,
                          ToPdf(pdf, nullptr, &offered,
                                portrait == -2 ? QPageLayout::Landscape : QPageLayout::Portrait,
                                ranges)),
                 result);
        QCOMPARE(offered, team);
        QVERIFY(owner.isEnabled());
        QFile file(pdf);
        const int printed = file.open(QIODevice::ReadOnly)
                                ? QString::fromLatin1(file.readAll())
                                      .count(QRegularExpression(u"/Type\\s*/Page(?!s)"_s))
                                : -1;
        QVERIFY2(pages < 0 ? printed > 4 : printed == (pages ? pages : -1),
                 qPrintable(QString::number(printed)));
        if (result == 0)
            return;
        const bool asks = team && portrait != -2;
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
        FakeHost host;
        SeasonPtr season = MakeSeason(3, 5, dir.filePath(u"Vale club.bwl"_s));
        const QString elsewhere = dir.filePath(u"printouts"_s);
        QVERIFY(QDir().mkpath(elsewhere));
        QString proposed;
        const PrintDialogRunner chooser = [&](QWidget* owner, QPrinter& printer, bool ranges) {
            proposed = printer.outputFileName();
            return ToPdf(elsewhere + u"/chosen.pdf"_s)(owner, printer, ranges);
        };
        QString folder;
        for (const QString& expected :
             {dir.filePath(u"Vale club.pdf"_s), elsewhere + u"/Vale club.pdf"_s}) {
            QCOMPARE(PrintJob(nullptr, host, *season, Preferences{}, PrintJobKind::PlayerSummary, 0,
                              chooser, &folder),
                     1);
            QCOMPARE(proposed, expected);
            QCOMPARE(folder, elsewhere);
        }
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
        FakeHost host;
        QWidget owner;
        const QString path = fullDisk ? dir.filePath(u"full.pdf"_s) : u"/nonexistent/dir/out.pdf"_s;
        const QByteArray old("%PDF-1.4 the old printout");
        QFile file(path);
        QCOMPARE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size(), fullDisk);
        file.close();
        {
            const FullDisk full(fullDisk ? 0 : 1LL << 40);
            QCOMPARE(PrintJob(&owner, host, *MakeSeason(3, 3), Preferences{}, PrintJobKind(kind), 0,
                              ToPdf(path)),
                     0);
        }
        QCOMPARE(host.Texts(),
                 std::vector<std::string>{FileFailureText(
                     "Cannot write file", path, qt_error_string(fullDisk ? ENOSPC : ENOENT))});
        QCOMPARE(host.messages[0].icon, MessageIcon::Exclamation);
        QVERIFY(file.open(QIODevice::ReadOnly) ? file.readAll() == old : !fullDisk);
        QVERIFY(owner.isEnabled());
    }
};

TESSEL_TEST(TestPrintJob)
#include "tst_PrintJob.moc"
