#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/RecentFiles.h"
#include "platform/GridFonts.h"
#include "support/FullDisk.h"
#include "support/Golden.h"

namespace {

// A results window of its own (no frame) at a given client size, painted.
struct Window {
    Window(Shell& shell, SeasonPtr season, QSize size = {900, 600})
        : window(shell, std::move(season))
    {
        window.resize(size);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.repaint();
    }
    Season& S() { return *window.GetSeason(); }
    ResultsWindow window;
};

// "f3", "p0" or "-" for the selection.
QString Selection(const Season& s)
{
    return s.selectedFixture >= 0  ? u"f%1"_s.arg(s.selectedFixture)
           : s.selectedPlayer >= 0 ? u"p%1"_s.arg(s.selectedPlayer)
                                   : u"-"_s;
}

void Select(ResultsWindow& w, const QString& what) // "f1", "p2" or "-"
{
    const int index = what.mid(1).toInt();
    w.Select(what.startsWith(u'f') ? index : -1, what.startsWith(u'p') ? index : -1);
}

// The selection, the first fixture and player shown, how many are shown, and
// each scroll bar's position, range and page.
std::string State(ResultsWindow& w)
{
    const Season& s = *w.GetSeason();
    const auto bar = [](const QScrollBar* b) {
        return b ? QString::asprintf("%d of 0-%d by %d", b->value(), b->maximum(), b->pageStep())
                 : u"none"_s;
    };
    return QString::asprintf(
               "  %s | first f%d p%d | shown %dx%d | bars %s; %s%s\n", qUtf8Printable(Selection(s)),
               s.firstFixture, s.firstPlayer, s.visibleFixtures, s.visiblePlayers,
               qUtf8Printable(bar(w.FixtureScrollBar())), qUtf8Printable(bar(w.PlayerScrollBar())),
               w.Layout().tooSmall ? " | too small" : "")
        .toStdString();
}

} // namespace

class TestResultsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> settings_;

private slots:
    void init() { settings_ = std::make_unique<TemporarySettings>(); }
    void cleanup() { settings_.reset(); }

    // The script of tests/data/gui/navigation.txt: tabbing walks fixtures then
    // players and scrolls the selection into view; clicks hit half-open
    // rectangles (their left and top edges in, right and bottom out) and a miss
    // clears the selection; keys and the bars scroll within 0 .. count - shown
    // and never move the selection.
    void navigation()
    {
        QFile file(QStringLiteral(TESSEL_TEST_DATA "/gui/navigation.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        Shell shell;
        std::unique_ptr<Window> w;
        std::string out;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            const QStringList a = line.split(u' ');
            const auto n = [&](int i) { return a.value(i).toInt(); };
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            out += line.toStdString() + '\n';
            if (a[0] == u"window") {
                w.reset(); // one window at a time
                w = std::make_unique<Window>(shell, MakeSeason(n(1), n(2)), QSize(n(3), n(4)));
            } else if (a[0] == u"key") {
                const QKeyCombination key = QKeySequence::fromString(a[1])[0];
                QTest::keyClick(&w->window, key.key(), key.keyboardModifiers());
            } else if (a[0] == u"select") {
                Select(w->window, a[1]);
            } else if (a[0] == u"scroll") {
                if (a[1] == u"players")
                    w->window.ScrollPlayers(ResultsWindow::ScrollCode::Thumb, n(2));
                else
                    w->window.ScrollFixtures(ResultsWindow::ScrollCode::Thumb, n(2));
            } else if (a[0] == u"click") {
                const ScreenLayout& layout = w->window.Layout();
                const Rect r = a[1] == u"names" ? layout.nameColumnRect : layout.fixtureHeaderRect;
                const int xs[] = {r.left, (r.left + r.right) / 2, r.right};
                const int ys[] = {r.top, (r.top + r.bottom) / 2, r.bottom};
                QTest::mouseClick(&w->window, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(xs[n(2)] + n(4), ys[n(3)] + n(5)));
            } else if (a[0] == u"bar") {
                w->window.PlayerScrollBar()->triggerAction(
                    a[2] == u"max" ? QAbstractSlider::SliderToMaximum
                                   : QAbstractSlider::SliderPageStepSub);
            } else if (a[0] == u"wheel") {
                QWheelEvent wheel({10, 10}, w->window.mapToGlobal(QPointF(10, 10)), {},
                                  {n(1), n(2)}, Qt::NoButton,
                                  a.value(3) == u"shift" ? Qt::ShiftModifier : Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(&w->window, &wheel);
            } else if (a[0] == u"resize") {
                w->window.resize(n(1), n(2));
            } else {
                QFAIL(qPrintable(line));
            }
            w->window.repaint();
            out += State(w->window);
        }
        TESSEL_COMPARE_GOLDEN("gui/navigation-state.txt", out);
    }

    // Closing a modified season asks; what each answer and save outcome leaves.
    void closeQuery_data()
    {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<int>("answer");     // -1: unmodified, no question expected
        QTest::addColumn<QString>("saveTo"); // "", "good", "bad" or "cancel"
        QTest::addColumn<bool>("closes");
        const int yes = int(Answer::Yes);
        QTest::newRow("unchanged") << true << -1 << "" << true;
        QTest::newRow("cancel keeps it") << true << int(Answer::Cancel) << "" << false;
        QTest::newRow("no closes unsaved") << true << int(Answer::No) << "" << true;
        QTest::newRow("yes saves, closes") << true << yes << "" << true;
        QTest::newRow("yes, save as cancelled") << false << yes << "cancel" << false;
        QTest::newRow("yes, save fails") << false << yes << "bad" << false;
        QTest::newRow("yes, saved as") << false << yes << "good" << true;
    }
    void closeQuery()
    {
        QFETCH(bool, titled);
        QFETCH(int, answer);
        QFETCH(QString, saveTo);
        QFETCH(bool, closes);
        Shell shell;
        ScriptedMessages messages(shell);
        const QString path = settings_->Path(titled ? "season.bwl" : "saved.bwl");
        Window w(shell, MakeSeason(4, 3, titled ? path : QString()));
        w.S().modified = answer >= 0;
        if (answer >= 0)
            messages.answers.push_back(Answer(answer));
        if (!saveTo.isEmpty())
            shell.Dialogs().PresetSave(saveTo == u"good"  ? path
                                       : saveTo == u"bad" ? settings_->Path("no/dir/x.bwl")
                                                          : QString());
        QCOMPARE(w.window.close(), closes);
        QCOMPARE(w.window.GetSeason() == nullptr, closes);
        QCOMPARE(messages.shown.empty(), answer < 0);
        if (answer >= 0) {
            QCOMPARE(messages.shown[0].text, "File " + (titled ? path.toStdString() : "Untitled") +
                                                 " not saved.\nSave it now?");
            QCOMPARE(messages.shown[0].buttons, Buttons::YesNoCancel);
        }
        QCOMPARE(messages.Last().startsWith(u"Cannot write file\n"), saveTo == u"bad");
        QVERIFY(closes || w.S().modified);
        // A titled season joins the recent files as it is asked to close.
        QCOMPARE(shell.Recent().At(0), titled || saveTo == u"good" ? path : QString());
        QCOMPARE(QFile::exists(path), answer == int(Answer::Yes) && closes);
    }

    // Delete fixture deletes the selected one once asked, and the selection goes; with nothing
    // selected it does nothing (the refusals and the question are the rules' own test).
    void deleteFixture()
    {
        for (bool selected : {false, true}) {
            Shell shell;
            ScriptedMessages messages(shell);
            Window w(shell, MakeSeason(3, 3));
            messages.answers.push_back(Answer::Yes);
            const Fixture* second = w.S().fixtures[1].get();
            Select(w.window, selected ? u"f0"_s : u"-"_s);
            w.window.Command(Command::DeleteFixture);
            QCOMPARE(messages.shown.size(), std::size_t(selected));
            QCOMPARE(int(w.S().fixtures.size()), 3 - selected);
            QCOMPARE(w.S().fixtureCount, 3 - selected);
            QCOMPARE(w.S().fixtures[0].get() == second, selected);
            QCOMPARE(w.S().modified, selected);
            QCOMPARE(Selection(w.S()), u"-"_s);
        }
    }

    // The print commands reach the print driver with the right printout.
    void printCommands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("select");
        QTest::addColumn<int>("answer"); // to the blank sheet question; -1: none asked
        QTest::addColumn<bool>("printed");
        const int team = Command::PrintTeamResults, player = Command::PrintPlayerSummary,
                  sheet = Command::PrintMatchSheet;
        QTest::newRow("team results") << team << "-" << -1 << true;
        QTest::newRow("player summary") << player << "p2" << -1 << true;
        QTest::newRow("player summary, none selected") << player << "-" << -1 << false;
        QTest::newRow("match sheet") << sheet << "f1" << -1 << true;
        QTest::newRow("blank match sheet") << sheet << "f2" << int(Answer::Yes) << true;
        QTest::newRow("blank sheet refused") << sheet << "f2" << int(Answer::No) << false;
    }
    void printCommands()
    {
        QFETCH(int, command);
        QFETCH(QString, select);
        QFETCH(int, answer);
        QFETCH(bool, printed);
        Shell shell;
        ScriptedMessages messages(shell);
        const QString pdf = settings_->Path("out.pdf");
        int dialogs = 0;
        bool ranges = false;
        shell.printDialog = ToPdf(pdf, &dialogs, &ranges);
        Window w(shell, MakeSeason(4, 3));
        w.S().fixtures[2]->result = 0; // not yet played
        Select(w.window, select);
        if (answer >= 0)
            messages.answers.push_back(Answer(answer));
        w.window.Command(command);
        QCOMPARE(dialogs, int(printed));
        QCOMPARE(QFile::exists(pdf), printed);
        QCOMPARE(ranges, printed && command == Command::PrintTeamResults);
        QCOMPARE(messages.Last(), answer < 0 ? QString()
                                             : u"This match has not yet been played.\n"
                                               "Do you want to print a blank result sheet?"_s);
    }

    // Export: cancelled, nothing; a missing folder is reported; written, the
    // page is the season's (the page itself has its own golden file).
    void exportWebPage()
    {
        Shell shell;
        ScriptedMessages messages(shell);
        Window w(shell, MakeSeason(4, 3, settings_->Path("season.bwl")));
        for (const char* target : {"", "no/dir/page.html", "page.html"}) {
            shell.Dialogs().PresetWebPage(*target ? settings_->Path(target) : QString());
            w.window.Command(Command::ExportWebPage);
            QCOMPARE(messages.shown.size(), std::size_t(*target ? 1 : 0));
        }
        QVERIFY(messages.Last().startsWith(u"Cannot write file\n"));
        QFile page(settings_->Path("page.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<h1>Hollins Green</h1>"));
        QVERIFY(!w.S().modified);
    }

    // OK at once in the platform's font dialog stores nothing, even when the
    // stored face is one this platform draws with a substitute; nor does
    // Cancel. A choice stores the face, weight, italic and character height
    // and remakes the grid's fonts.
    void fontCommand_data()
    {
        QTest::addColumn<int>("height");
        for (int height : {-40, -39, -35, -71, 50})
            QTest::addRow("%d", height) << height;
    }
    void fontCommand()
    {
        QFETCH(int, height);
        QVERIFY(WriteTextSetting(kSettingsKey, kFontNameSetting, "Times New Roman"));
        QVERIFY(WriteNumberSetting(kSettingsKey, kFontHeightSetting, height));
        Shell shell;
        shell.gridFonts = CreateGridFonts();
        QString shownFamily;
        QFont offered;
        std::optional<QFont> chosen;
        bool cancel = false;
        shell.fontChooser = [&](const QFont& initial, QWidget* owner) {
            QFontDialog dialog(owner);
            dialog.setOption(QFontDialog::DontUseNativeDialog);
            dialog.setCurrentFont(offered = initial);
            shownFamily = dialog.currentFont().family();
            return cancel ? std::nullopt : chosen ? chosen : dialog.currentFont();
        };
        Window w(shell, MakeSeason(3, 3));
        for (int i = 0; i < 3; ++i)
            w.window.Command(Command::Font);
        cancel = true;
        w.window.Command(Command::Font);
        QCOMPARE(shownFamily,
                 QFontInfo(MakeGridFont(shell.gridFonts, FontRole::Main, 1.0, nullptr)).family());
        QCOMPARE(ReadTextSetting(kSettingsKey, kFontNameSetting, "", 32), "Times New Roman");
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontHeightSetting, 0), height);
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontWeightSetting, -1), -1); // nothing written
        QVERIFY(shell.gridFonts.face == "Times New Roman" && shell.gridFonts.height == height);
        // A 4 mm character height is offered as 11.34 points.
        QVERIFY(height != -40 || qRound(offered.pointSizeF() * 100) == 1134);

        cancel = false;
        chosen = QFont(u"Liberation Sans"_s, 18, QFont::Bold, true);
        w.S().layoutChanged = false;
        w.window.Command(Command::Font);
        QCOMPARE(ReadTextSetting(kSettingsKey, kFontNameSetting, "", 32), "Liberation Sans");
        // 18 points = 6.35 mm of character height.
        QCOMPARE(QList<int>({ReadNumberSetting(kSettingsKey, kFontWeightSetting, 0),
                             ReadNumberSetting(kSettingsKey, kFontItalicSetting, 0),
                             ReadNumberSetting(kSettingsKey, kFontHeightSetting, 0),
                             shell.gridFonts.height}),
                 QList<int>({700, 1, -64, -64}));
        QVERIFY(shell.gridFonts.face == "Liberation Sans" && shell.gridFonts.italic);
        QVERIFY(w.S().layoutChanged);
    }

    // Each printout through a dialog that chooses a PDF file, its orientation
    // and pages: what the job returns and how many pages the file holds. Only
    // the team results offer page ranges, and in portrait ask first.
    void printJobs_data()
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
    void printJobs()
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
        const QString pdf =
            settings_->Path(QString::fromLatin1(QTest::currentDataTag()) + u".pdf"_s);
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
    void printDialogProposals()
    {
        FakeHost host;
        SeasonPtr season = MakeSeason(3, 5, settings_->Path("Vale club.bwl"));
        const QString elsewhere = settings_->Path("printouts");
        QVERIFY(QDir().mkpath(elsewhere));
        QString proposed;
        const PrintDialogRunner chooser = [&](QWidget* owner, QPrinter& printer, bool ranges) {
            proposed = printer.outputFileName();
            return ToPdf(elsewhere + u"/chosen.pdf"_s)(owner, printer, ranges);
        };
        QString folder;
        for (const QString& expected :
             {settings_->Path("Vale club.pdf"), elsewhere + u"/Vale club.pdf"_s}) {
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
    void printToUnwritableFileFails_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("fullDisk"); // else the folder is missing
        QTest::newRow("player summary, missing folder")
            << int(PrintJobKind::PlayerSummary) << false;
        QTest::newRow("team results, full disk") << int(PrintJobKind::TeamResults) << true;
    }
    void printToUnwritableFileFails()
    {
        QFETCH(int, kind);
        QFETCH(bool, fullDisk);
        FakeHost host;
        QWidget owner;
        const QString path = fullDisk ? settings_->Path("full.pdf") : u"/nonexistent/dir/out.pdf"_s;
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

TESSEL_TEST(TestResultsWindow)
#include "tst_ResultsWindow.moc"
