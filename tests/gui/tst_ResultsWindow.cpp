#include <QtTest>

#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>
#include <QVBoxLayout>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/FileDialogs.h"
#include "app/RecentFiles.h"
#include "view/ResultsWindow.h"

namespace {

// A results window of its own (no frame) at a given client size, painted.
struct Window {
    Window(Shell& shell, SeasonPtr season, QSize size) : window(shell, std::move(season))
    {
        window.resize(size);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qFatal("the results window was never shown");
        window.repaint();
    }
    Season& S() { return *window.GetSeason(); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&window, static_cast<Qt::Key>(key), modifiers);
        window.repaint();
    }
    ResultsWindow window;
};

// "f3", "p0" or "-" for the selection.
QString Selection(const Season& s)
{
    if (s.selectedFixture >= 0)
        return QStringLiteral("f%1").arg(s.selectedFixture);
    if (s.selectedPlayer >= 0)
        return QStringLiteral("p%1").arg(s.selectedPlayer);
    return QStringLiteral("-");
}

} // namespace

class TestResultsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> settings_;

private slots:
    void init() { settings_ = std::make_unique<TemporarySettings>(); }
    void cleanup() { settings_.reset(); }

    void tabWalksFixturesThenPlayers()
    {
        Shell shell;
        Window w(shell, MakeSeason(10, 5), QSize(1600, 900));
        QStringList walk;
        for (int i = 0; i < 17; ++i) {
            w.Key(Qt::Key_Tab);
            walk << Selection(w.S());
        }
        QCOMPARE(walk, Strings({"f0", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9", "p0",
                                "p1", "p2", "p3", "p4", "-", "f0"}));
    }

    void shiftTabWalksBackwards()
    {
        Shell shell;
        Window w(shell, MakeSeason(3, 2), QSize(900, 600));
        QStringList walk;
        for (int i = 0; i < 7; ++i) {
            w.Key(Qt::Key_Backtab, Qt::ShiftModifier);
            walk << Selection(w.S());
        }
        QCOMPARE(walk, Strings({"p1", "p0", "f2", "f1", "f0", "-", "p1"}));
    }

    void shiftTabWithoutPlayersReachesTheLastFixture()
    {
        Shell shell;
        Window w(shell, MakeSeason(3, 0), QSize(900, 600));
        w.Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Selection(w.S()), QStringLiteral("f2"));
    }

    void tabIsNotTakenByFocusChaining()
    {
        // Beside another control that would take the focus next.
        Shell shell;
        QWidget top;
        auto* layout = new QVBoxLayout(&top);
        auto* window = new ResultsWindow(shell, MakeSeason(3, 2));
        auto* other = new QLineEdit;
        layout->addWidget(window);
        layout->addWidget(other);
        top.resize(900, 700);
        top.show();
        QVERIFY(QTest::qWaitForWindowActive(&top));
        window->setFocus();
        QCOMPARE(QApplication::focusWidget(), window);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window);
        QCOMPARE(Selection(*window->GetSeason()), QStringLiteral("f1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), window);
        QCOMPARE(Selection(*window->GetSeason()), QStringLiteral("f0"));
    }

    void selectionScrollsIntoView()
    {
        Shell shell;
        Window w(shell, MakeSeason(20, 30), QSize(700, 500));
        Season& s = w.S();
        const int visibleFixtures = s.visibleFixtures;
        const int visiblePlayers = s.visiblePlayers;
        QVERIFY(visibleFixtures > 1 && visibleFixtures < 20);
        QVERIFY(visiblePlayers > 1 && visiblePlayers < 30);
        QVERIFY(w.window.FixtureScrollBar());
        QVERIFY(w.window.PlayerScrollBar());

        // Right of the shown columns: it becomes the last column shown.
        w.window.Select(12, -1);
        QCOMPARE(s.firstFixture, 12 - visibleFixtures + 1);
        QCOMPARE(w.window.FixtureScrollBar()->value(), s.firstFixture);
        // Left of them: the first.
        w.window.Select(2, -1);
        QCOMPARE(s.firstFixture, 2);
        // Already shown: no scrolling.
        w.window.Select(3, -1);
        QCOMPARE(s.firstFixture, 2);

        w.window.Select(-1, 29);
        QCOMPARE(s.firstPlayer, 29 - visiblePlayers + 1);
        QCOMPARE(w.window.PlayerScrollBar()->value(), s.firstPlayer);
        w.window.Select(-1, 0);
        QCOMPARE(s.firstPlayer, 0);
        QCOMPARE(Selection(s), QStringLiteral("p0"));
    }

    void tabFromLastFixtureScrollsToFirstPlayer()
    {
        Shell shell;
        Window w(shell, MakeSeason(20, 30), QSize(700, 500));
        w.window.Select(-1, 29);
        QVERIFY(w.S().firstPlayer > 0);
        w.window.Select(19, -1);
        w.Key(Qt::Key_Tab);
        QCOMPARE(Selection(w.S()), QStringLiteral("p0"));
        QCOMPARE(w.S().firstPlayer, 0);
    }

    // Clicks at and just beyond the edges of the click areas, which include
    // their left and top edges and exclude their right and bottom ones.
    void mouseHitsHalfOpenRectangles_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("expected");
        QTest::newRow("header left edge") << QStringLiteral("header-left") << QStringLiteral("f#0");
        QTest::newRow("header right inside")
            << QStringLiteral("header-right-1") << QStringLiteral("f#last");
        QTest::newRow("header right edge") << QStringLiteral("header-right") << QStringLiteral("-");
        QTest::newRow("header top edge") << QStringLiteral("header-top") << QStringLiteral("f#0");
        QTest::newRow("above the header") << QStringLiteral("header-top-1") << QStringLiteral("-");
        QTest::newRow("names top edge") << QStringLiteral("names-top") << QStringLiteral("p#0");
        QTest::newRow("names bottom inside")
            << QStringLiteral("names-bottom-1") << QStringLiteral("p#last");
        QTest::newRow("names bottom edge") << QStringLiteral("names-bottom") << QStringLiteral("-");
        QTest::newRow("names right edge") << QStringLiteral("names-right") << QStringLiteral("-");
        QTest::newRow("a game cell") << QStringLiteral("cell") << QStringLiteral("-");
    }
    void mouseHitsHalfOpenRectangles()
    {
        QFETCH(QString, where);
        QFETCH(QString, expected);
        Shell shell;
        Window w(shell, MakeSeason(20, 30), QSize(700, 500));
        // Scrolled, so that the first shown is not the first of all.
        w.window.ScrollFixtures(ResultsWindow::ScrollCode::Thumb, 3);
        w.window.ScrollPlayers(ResultsWindow::ScrollCode::Thumb, 4);
        w.window.repaint();
        w.window.Select(1, -1); // something selected, so a miss visibly clears it
        w.window.ScrollFixtures(ResultsWindow::ScrollCode::Thumb, 3);
        w.window.repaint();
        const Season& s = w.S();
        const Rect h = w.window.Layout().fixtureHeaderRect;
        const Rect n = w.window.Layout().nameColumnRect;
        QPoint point;
        if (where == u"header-left")
            point = {h.left, (h.top + h.bottom) / 2};
        else if (where == u"header-right-1")
            point = {h.right - 1, (h.top + h.bottom) / 2};
        else if (where == u"header-right")
            point = {h.right, (h.top + h.bottom) / 2};
        else if (where == u"header-top")
            point = {h.left + 1, h.top};
        else if (where == u"header-top-1")
            point = {h.left + 1, h.top - 1};
        else if (where == u"names-top")
            point = {(n.left + n.right) / 2, n.top};
        else if (where == u"names-bottom-1")
            point = {(n.left + n.right) / 2, n.bottom - 1};
        else if (where == u"names-bottom")
            point = {(n.left + n.right) / 2, n.bottom};
        else if (where == u"names-right")
            point = {n.right, (n.top + n.bottom) / 2};
        else
            point = {h.left + 5, (n.top + n.bottom) / 2};
        QTest::mouseClick(&w.window, Qt::LeftButton, Qt::NoModifier, point);

        QString want = expected;
        want.replace(QStringLiteral("f#0"), QStringLiteral("f%1").arg(s.firstFixture));
        want.replace(QStringLiteral("f#last"),
                     QStringLiteral("f%1").arg(s.firstFixture + s.visibleFixtures - 1));
        want.replace(QStringLiteral("p#0"), QStringLiteral("p%1").arg(s.firstPlayer));
        want.replace(QStringLiteral("p#last"),
                     QStringLiteral("p%1").arg(s.firstPlayer + s.visiblePlayers - 1));
        QCOMPARE(s.firstFixture, 3);
        QCOMPARE(s.firstPlayer, 4);
        QCOMPARE(Selection(s), want);
    }

    // Keys scroll within 0 .. count - visible and never move the selection.
    void keyboardScrollingStaysInBounds_data()
    {
        QTest::addColumn<QList<int>>("keys");  // key codes; negative: with Shift
        QTest::addColumn<QString>("expected"); // "fixtures,players" by name
        QTest::newRow("down twice")
            << QList<int>{Qt::Key_Down, Qt::Key_Down} << QStringLiteral("0,2");
        QTest::newRow("up at the top") << QList<int>{Qt::Key_Up} << QStringLiteral("0,0");
        QTest::newRow("end") << QList<int>{Qt::Key_End} << QStringLiteral("0,max");
        QTest::newRow("down at the end")
            << QList<int>{Qt::Key_End, Qt::Key_Down} << QStringLiteral("0,max");
        QTest::newRow("end then home")
            << QList<int>{Qt::Key_End, Qt::Key_Home} << QStringLiteral("0,0");
        QTest::newRow("page down") << QList<int>{Qt::Key_PageDown} << QStringLiteral("0,page");
        QTest::newRow("page down then up")
            << QList<int>{Qt::Key_PageDown, Qt::Key_PageUp} << QStringLiteral("0,0");
        QTest::newRow("page down past the end")
            << QList<int>(30, Qt::Key_PageDown) << QStringLiteral("0,max");
        QTest::newRow("right and left")
            << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left} << QStringLiteral("1,0");
        QTest::newRow("left at the start") << QList<int>{Qt::Key_Left} << QStringLiteral("0,0");
        QTest::newRow("shift end") << QList<int>{-Qt::Key_End} << QStringLiteral("max,0");
        QTest::newRow("right at the end")
            << QList<int>{-Qt::Key_End, Qt::Key_Right} << QStringLiteral("max,0");
        QTest::newRow("shift page down")
            << QList<int>{-Qt::Key_PageDown} << QStringLiteral("page,0");
        QTest::newRow("shift end, shift home")
            << QList<int>{-Qt::Key_End, -Qt::Key_Home} << QStringLiteral("0,0");
    }
    void keyboardScrollingStaysInBounds()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, expected);
        Shell shell;
        Window w(shell, MakeSeason(40, 60), QSize(700, 500));
        w.window.Select(0, -1);
        Season& s = w.S();
        for (int key : keys)
            w.Key(std::abs(key), key < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        auto value = [](const QString& text, int max, int page) {
            if (text == u"max")
                return max;
            if (text == u"page")
                return page;
            return text.toInt();
        };
        const QStringList parts = expected.split(QLatin1Char(','));
        QCOMPARE(s.firstFixture,
                 value(parts[0], s.fixtureCount - s.visibleFixtures, s.visibleFixtures - 1));
        QCOMPARE(s.firstPlayer,
                 value(parts[1], s.playerCount - s.visiblePlayers, s.visiblePlayers - 1));
        QCOMPARE(Selection(s), QStringLiteral("f0"));
    }

    void keysDoNothingWithoutTheirScrollBar()
    {
        Shell shell;
        Window w(shell, MakeSeason(3, 2), QSize(1200, 800));
        QVERIFY(!w.window.FixtureScrollBar());
        QVERIFY(!w.window.PlayerScrollBar());
        w.Key(Qt::Key_End);
        w.Key(Qt::Key_End, Qt::ShiftModifier);
        w.Key(Qt::Key_Down);
        QCOMPARE(w.S().firstPlayer, 0);
        QCOMPARE(w.S().firstFixture, 0);
    }

    void scrollBarsSitBesideTheRowsAndUnderTheColumns()
    {
        Shell shell;
        Window w(shell, MakeSeason(20, 60), QSize(700, 500));
        const ScreenLayout& layout = w.window.Layout();
        QScrollBar* across = w.window.FixtureScrollBar();
        QScrollBar* down = w.window.PlayerScrollBar();
        QVERIFY(across && down);
        QCOMPARE(across->geometry().left(), layout.horizontalBar.left);
        QCOMPARE(across->geometry().top(), layout.horizontalBar.top);
        QCOMPARE(across->maximum(), 20 - w.S().visibleFixtures);
        QCOMPARE(across->pageStep(), w.S().visibleFixtures);
        QCOMPARE(down->geometry().left(), layout.verticalBar.left);
        QCOMPARE(down->geometry().top(), layout.verticalBar.top);
        QCOMPARE(down->maximum(), 60 - w.S().visiblePlayers);

        // The bar's own buttons scroll the same way.
        down->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(w.S().firstPlayer, 60 - w.S().visiblePlayers);
        down->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(w.S().firstPlayer, 60 - w.S().visiblePlayers);
        down->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(w.S().firstPlayer, 60 - 2 * w.S().visiblePlayers + 1);
    }

    void tooSmallWindowLosesItsScrollBars()
    {
        Shell shell;
        Window w(shell, MakeSeason(20, 30), QSize(700, 500));
        QVERIFY(w.window.FixtureScrollBar());
        w.window.resize(150, 120);
        w.window.repaint();
        QVERIFY(w.window.Layout().tooSmall);
        QVERIFY(!w.window.FixtureScrollBar());
        QVERIFY(!w.window.PlayerScrollBar());
        w.window.resize(700, 500);
        w.window.repaint();
        QVERIFY(w.window.FixtureScrollBar());
    }

    void closeQuery_data()
    {
        QTest::addColumn<bool>("titled");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<int>("answer");     // -1: no question expected
        QTest::addColumn<QString>("saveTo"); // "", "good" or "bad"
        QTest::addColumn<bool>("closes");
        QTest::newRow("unchanged") << true << false << -1 << QString() << true;
        QTest::newRow("cancel keeps it")
            << true << true << int(Answer::Cancel) << QString() << false;
        QTest::newRow("no closes without saving")
            << true << true << int(Answer::No) << QString() << true;
        QTest::newRow("yes saves and closes")
            << true << true << int(Answer::Yes) << QString() << true;
        QTest::newRow("yes, untitled, save cancelled keeps it")
            << false << true << int(Answer::Yes) << QStringLiteral("cancel") << false;
        QTest::newRow("yes, save fails, keeps it")
            << false << true << int(Answer::Yes) << QStringLiteral("bad") << false;
        QTest::newRow("yes, untitled, saved as")
            << false << true << int(Answer::Yes) << QStringLiteral("good") << true;
    }
    void closeQuery()
    {
        QFETCH(bool, titled);
        QFETCH(bool, modified);
        QFETCH(int, answer);
        QFETCH(QString, saveTo);
        QFETCH(bool, closes);

        Shell shell;
        ScriptedMessages messages(shell);
        const QString path = settings_->Path(QStringLiteral("season.bwl"));
        Window w(shell, MakeSeason(4, 3, titled ? path : QString()), QSize(700, 500));
        w.S().modified = modified;
        if (answer >= 0)
            messages.answers.push_back(static_cast<Answer>(answer));
        const QString goodPath = settings_->Path(QStringLiteral("saved.bwl"));
        if (saveTo == u"good")
            shell.Dialogs().PresetSave(goodPath);
        else if (saveTo == u"bad")
            shell.Dialogs().PresetSave(settings_->Path(QStringLiteral("no/such/dir/x.bwl")));
        else if (saveTo == u"cancel")
            shell.Dialogs().PresetSave(QString());

        QCOMPARE(w.window.close(), closes);
        QCOMPARE(w.window.GetSeason() == nullptr, closes);
        if (answer >= 0) {
            QVERIFY(!messages.shown.empty());
            const ShellMessage& q = messages.shown.front();
            const std::string shownPath = titled ? path.toStdString() : std::string("Untitled");
            QCOMPARE(q.text, "File " + shownPath + " not saved.\nSave it now?");
            QCOMPARE(q.title, std::string("Results"));
            QCOMPARE(q.buttons, Buttons::YesNoCancel);
            QCOMPARE(q.icon, MessageIcon::Question);
        } else {
            QVERIFY(messages.shown.empty());
        }
        if (saveTo == u"bad")
            QCOMPARE(messages.Texts().back(), std::string("Cannot write file"));
        if (!closes)
            QVERIFY(w.S().modified);
        // A titled season joins the recent files as it is asked to close.
        if (titled)
            QCOMPARE(shell.Recent().At(0), path);
        if (saveTo == u"good") {
            QVERIFY(QFile::exists(goodPath));
            QCOMPARE(shell.Recent().At(0), goodPath);
        }
        if (answer == int(Answer::Yes) && titled)
            QVERIFY(QFile::exists(path));
    }

    void deleteFixture_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<int>("expectedCount");
        QTest::addColumn<QString>("expectedMessage");
        QTest::newRow("last fixture refused")
            << 1 << -1 << 1 << QStringLiteral("Cannot delete last fixture");
        QTest::newRow("no keeps it") << 3 << int(Answer::No) << 3
                                     << QStringLiteral("Do you want to delete this fixture? This "
                                                       "action cannot be reversed");
        QTest::newRow("yes deletes") << 3 << int(Answer::Yes) << 2
                                     << QStringLiteral("Do you want to delete this fixture? This "
                                                       "action cannot be reversed");
    }
    void deleteFixture()
    {
        QFETCH(int, fixtures);
        QFETCH(int, answer);
        QFETCH(int, expectedCount);
        QFETCH(QString, expectedMessage);
        Shell shell;
        ScriptedMessages messages(shell);
        Window w(shell, MakeSeason(fixtures, 3), QSize(900, 600));
        if (answer >= 0)
            messages.answers.push_back(static_cast<Answer>(answer));
        const std::string secondOpponent =
            fixtures > 1 ? w.S().fixtures[1]->opponent : std::string();
        w.window.Select(0, -1);
        w.window.Command(Command::DeleteFixture);

        QCOMPARE(w.S().fixtureCount, expectedCount);
        QCOMPARE(static_cast<int>(w.S().fixtures.size()), expectedCount);
        QCOMPARE(messages.Texts(), std::vector<std::string>{expectedMessage.toStdString()});
        const bool deleted = expectedCount < fixtures;
        QCOMPARE(w.S().modified, deleted);
        if (deleted) {
            QCOMPARE(Selection(w.S()), QStringLiteral("-"));
            QCOMPARE(w.S().fixtures[0]->opponent, secondOpponent);
        } else {
            QCOMPARE(Selection(w.S()), QStringLiteral("f0"));
        }
        if (fixtures == 1) {
            QCOMPARE(messages.shown[0].title, std::string("Delete"));
            QCOMPARE(messages.shown[0].icon, MessageIcon::Exclamation);
        }
    }

    void deleteWithoutSelectionDoesNothing()
    {
        Shell shell;
        ScriptedMessages messages(shell);
        Window w(shell, MakeSeason(3, 3), QSize(900, 600));
        w.window.Command(Command::DeleteFixture);
        QCOMPARE(w.S().fixtureCount, 3);
        QVERIFY(messages.shown.empty());
    }

    // The print commands reach the print driver with the right printout.
    void printCommands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("select"); // "f1", "p2" or "-"
        QTest::addColumn<bool>("played");    // whether the selected fixture has a result
        QTest::addColumn<int>("answer");     // to the blank sheet question; -1: none asked
        QTest::addColumn<bool>("printed");
        QTest::addColumn<bool>("teamResults");
        QTest::newRow("team results")
            << int(Command::PrintTeamResults) << QStringLiteral("-") << true << -1 << true << true;
        QTest::newRow("player summary") << int(Command::PrintPlayerSummary) << QStringLiteral("p2")
                                        << true << -1 << true << false;
        QTest::newRow("player summary, none selected")
            << int(Command::PrintPlayerSummary) << QStringLiteral("-") << true << -1 << false
            << false;
        QTest::newRow("match sheet")
            << int(Command::PrintMatchSheet) << QStringLiteral("f1") << true << -1 << true << false;
        QTest::newRow("blank match sheet") << int(Command::PrintMatchSheet) << QStringLiteral("f1")
                                           << false << int(Answer::Yes) << true << false;
        QTest::newRow("blank match sheet refused")
            << int(Command::PrintMatchSheet) << QStringLiteral("f1") << false << int(Answer::No)
            << false << false;
    }
    void printCommands()
    {
        QFETCH(int, command);
        QFETCH(QString, select);
        QFETCH(bool, played);
        QFETCH(int, answer);
        QFETCH(bool, printed);
        QFETCH(bool, teamResults);
        Shell shell;
        ScriptedMessages messages(shell);
        const QString pdf = settings_->Path(QStringLiteral("out.pdf"));
        int dialogs = 0;
        bool askedForRanges = false;
        shell.printDialog = [&](QWidget*, QPrinter& printer, bool ranges) {
            ++dialogs;
            askedForRanges = ranges;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        };
        Window w(shell, MakeSeason(4, 3), QSize(900, 600));
        if (!played)
            w.S().fixtures[1]->result = 0;
        if (select.startsWith(u'f'))
            w.window.Select(select.mid(1).toInt(), -1);
        else if (select.startsWith(u'p'))
            w.window.Select(-1, select.mid(1).toInt());
        if (answer >= 0)
            messages.answers.push_back(static_cast<Answer>(answer));
        w.window.Command(command);

        QCOMPARE(dialogs, printed ? 1 : 0);
        QCOMPARE(QFile::exists(pdf), printed);
        if (printed)
            QCOMPARE(askedForRanges, teamResults);
        if (answer >= 0) {
            QCOMPARE(messages.Texts().front(),
                     std::string("This match has not yet been played.\nDo you want to print a "
                                 "blank result sheet?"));
            QCOMPARE(messages.shown.front().title, std::string("Bowls results"));
        } else {
            QVERIFY(messages.shown.empty());
        }
    }

    void fontCommandStoresFourValuesAndRemakesTheFonts()
    {
        Shell shell;
        shell.gridFonts = CreateGridFontsForTest();
        QFont chosen(QStringLiteral("Liberation Sans"));
        chosen.setPointSizeF(18);
        chosen.setWeight(QFont::Bold);
        chosen.setItalic(true);
        QFont offered;
        shell.fontChooser = [&](const QFont& initial, QWidget*) {
            offered = initial;
            return std::optional<QFont>(chosen);
        };
        Window w(shell, MakeSeason(3, 3), QSize(900, 600));
        w.window.Command(Command::Font);

        // The stored 4 mm character height is offered as 11.34 points.
        QCOMPARE(qRound(offered.pointSizeF() * 100), 1134);
        QCOMPARE(ReadTextSetting(kSettingsKey, kFontNameSetting, "", 32),
                 std::string("Liberation Sans"));
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontWeightSetting, 0), 700);
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontItalicSetting, 0), 1);
        // 18 points = 6.35 mm of character height.
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontHeightSetting, 0), -64);
        QCOMPARE(shell.gridFonts.face, std::string("Liberation Sans"));
        QCOMPARE(shell.gridFonts.height, -64);
        QVERIFY(shell.gridFonts.italic);
        QVERIFY(w.S().layoutChanged);
    }

    void fontCancelledChangesNothing()
    {
        Shell shell;
        shell.fontChooser = [](const QFont&, QWidget*) { return std::optional<QFont>(); };
        Window w(shell, MakeSeason(3, 3), QSize(900, 600));
        w.window.Command(Command::Font);
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontHeightSetting, 12345), 12345);
        QCOMPARE(shell.gridFonts.height, -40);
    }

private:
    static GridFontDescription CreateGridFontsForTest() { return GridFontDescription{}; }
};

QTEST_MAIN(TestResultsWindow)
#include "tst_ResultsWindow.moc"
