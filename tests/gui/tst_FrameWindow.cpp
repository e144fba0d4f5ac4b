#include "support/TestRegistry.h"
#include <QtTest>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

#include "GuiTestSupport.h"
#include "gui/CommandIds.h"
#include "gui/CommandLine.h"
#include "gui/FileDialogs.h"
#include "gui/FrameMenus.h"
#include "gui/HelpWindow.h"
#include "gui/RecentFiles.h"

namespace {

bool Enabled(FrameMenus* menus, int command)
{
    return menus->Items(command).first()->isEnabled();
}

// Right-clicks at point and returns the popup menu's items (empty: none shown).
QStringList RightClick(QWidget* window, QPoint point)
{
    QStringList shown;
    QTimer::singleShot(50, window, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shown = MenuItems(popup);
            popup->close();
        }
    });
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, point);
    QTest::qWait(100);
    return shown;
}

QPoint NameOfFirstPlayer(ResultsWindow* w)
{
    const Rect n = w->Layout().nameColumnRect;
    return QPoint(n.left + 2, n.top + 2);
}

} // namespace

class TestFrameWindow : public QObject {
    Q_OBJECT

private slots:
    // The full menu bar shows while a results window is active; its items
    // follow the active window's selection.
    void menusFollowTheActiveWindow()
    {
        Frame f;
        const qsizetype basic = f.frame.menuBar()->actions().size();
        ResultsWindow* window = f.Open();
        QVERIFY(f.frame.ShowsFullMenu());
        QVERIFY(f.frame.menuBar()->actions().size() > basic);
        FrameMenus* m = f.frame.Menus();
        const int fixtureCommands[] = {Command::EditFixture, Command::InsertFixtureBefore,
                                       Command::InsertFixtureAfter, Command::DeleteFixture};
        for (int select : {-1, 1, 0}) { // nothing, a fixture, a player
            window->Select(select == 1 ? 1 : -1, select == 0 ? 0 : -1);
            for (int command : fixtureCommands)
                QCOMPARE(Enabled(m, command), select == 1);
            QCOMPARE(Enabled(m, Command::EditPlayer), select == 0);
            QVERIFY(Enabled(m, Command::Save) && Enabled(m, Command::RegisterPlayer));
        }
        window->Select(2, -1);
        // Another window, nothing selected: its own state shows.
        ResultsWindow* second = f.Open();
        QCOMPARE(f.frame.ActiveResultsWindow(), second);
        QVERIFY(!Enabled(m, Command::DeleteFixture));
        f.frame.Command(Command::WindowListFirst); // back to the first
        QCOMPARE(f.frame.ActiveResultsWindow(), window);
        QVERIFY(Enabled(m, Command::DeleteFixture));
        QVERIFY(second->parentWidget()->close());
        QVERIFY(window->parentWidget()->close());
        QTRY_COMPARE(f.frame.menuBar()->actions().size(), basic);
    }

    // Right-clicking selects what is under the pointer and offers its menu.
    void popupMenus_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("fixture");
        QTest::addColumn<int>("player");
        QTest::newRow("a player's name") << "name"
                                         << "&Players" << -1 << 0;
        QTest::newRow("a fixture's heading") << "heading"
                                             << "Fi&xtures" << 0 << -1;
        QTest::newRow("a game cell") << "cell"
                                     << "&File" << -1 << -1;
    }
    void popupMenus()
    {
        QFETCH(QString, where);
        QFETCH(QString, menu);
        Frame f;
        ResultsWindow* window = f.Open();
        window->Select(2, -1);
        window->setFocus();
        const Rect h = window->Layout().fixtureHeaderRect;
        const Rect n = window->Layout().nameColumnRect;
        const QPoint point = where == u"name"      ? QPoint(n.left + 2, n.top + 2)
                             : where == u"heading" ? QPoint(h.left + 2, h.top + 2)
                                                   : QPoint(h.left + 2, n.top + 2);
        QCOMPARE(RightClick(window, point), MenuItems(f.frame.Menus()->FullMenuTitled(menu)));
        QTEST(window->GetSeason()->selectedFixture, "fixture");
        QTEST(window->GetSeason()->selectedPlayer, "player");
    }

    // A right click on a window without the keyboard focus only gives it the
    // focus: no menu, and its selection stays.
    void rightClickOnAnUnfocusedWindowOnlyFocusesIt()
    {
        Frame f;
        ResultsWindow* first = f.Open();
        ResultsWindow* second = f.Open();
        f.frame.Command(Command::TileVertically);
        first->repaint();
        first->Select(2, -1);
        second->setFocus();
        QVERIFY(RightClick(first, NameOfFirstPlayer(first)).isEmpty());
        QVERIFY(first->hasFocus());
        QCOMPARE(first->GetSeason()->selectedFixture, 2);
        QVERIFY(!RightClick(first, NameOfFirstPlayer(first)).isEmpty());
        QCOMPARE(first->GetSeason()->selectedPlayer, 0);
    }

    // "Open" from the File popup is the frame's command: a second window.
    void popupCommandsReachTheFrame()
    {
        Frame f;
        ResultsWindow* window = f.Open();
        window->setFocus();
        f.shell.Dialogs().PresetOpen(f.Copy("tameside-pairs.bwl", "popup.bwl"));
        QTimer::singleShot(50, this, [&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!popup)
                return;
            for (QAction* a : popup->actions())
                if (a->data().toInt() == Command::Open)
                    popup->setActiveAction(a);
            QTest::keyClick(popup, Qt::Key_Return);
            popup->close(); // whatever happened, never leave the menu waiting
        });
        QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
        QTRY_COMPARE(f.frame.ResultsWindows().size(), 2);
    }

    void acceleratorsReachTheActiveWindow()
    {
        Frame f;
        QTest::keyClick(&f.frame, Qt::Key_S, Qt::ControlModifier); // no window: nothing
        f.frame.Command(Command::DeleteFixture);
        QVERIFY(f.messages.shown.empty());
        f.Open();
        const QString path = f.settings.Path("accel.bwl");
        f.shell.Dialogs().PresetSave(path);
        QTest::keyClick(&f.frame, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(path));
        f.shell.Dialogs().PresetOpen(path);
        QTest::keyClick(&f.frame, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.frame.ResultsWindows().size(), 2);
    }

    // Closing the frame, or the end of the session, asks about every
    // unsaved season and keeps the windows that refuse.
    void closeAllAsksEveryWindow_data()
    {
        QTest::addColumn<bool>("endSession");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("close, cancel keeps it") << false << int(Answer::Cancel) << false;
        QTest::newRow("session, cancel stops it") << true << int(Answer::Cancel) << false;
        QTest::newRow("session, no lets it end") << true << int(Answer::No) << true;
    }
    void closeAllAsksEveryWindow()
    {
        QFETCH(bool, endSession);
        QFETCH(int, answer);
        QFETCH(bool, ends);
        Frame f;
        ResultsWindow* keep = f.Open();
        keep->GetSeason()->modified = true;
        f.Open(2, f.settings.Path("b.bwl"));
        f.messages.answers.push_back(static_cast<Answer>(answer));
        QCOMPARE(endSession ? f.frame.QueryEndSession() : f.frame.close(), ends);
        QCOMPARE(f.frame.ResultsWindows(), ends ? QList<ResultsWindow*>{} : QList{keep});
        QCOMPARE(f.messages.shown.size(), std::size_t{1});
    }

    void startupFileRules_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList{} << QString();
        QTest::newRow("the last of two") << Strings({"a.bwl", "b.bwl"}) << "b.bwl";
        QTest::newRow("switch after") << Strings({"a.bwl", "--x"}) << "a.bwl";
        QTest::newRow("only switches") << Strings({"--x", "--"}) << QString();
        QTest::newRow("a single dash is a name") << Strings({"-old.bwl"}) << "-old.bwl";
        QStringList many;
        for (int i = 1; i <= kMaxArguments + 1; ++i)
            many << QStringLiteral("f%1").arg(i);
        QTest::newRow("beyond the 127th is not looked at") << many << "f127";
    }
    void startupFileRules()
    {
        QFETCH(QStringList, arguments);
        QTEST(StartupFile(arguments), "expected");
    }

    // The start-up file opens once the event loop runs, in a maximised window.
    void startupFileOpensOnceTheLoopRuns()
    {
        Frame f;
        f.frame.OpenAtStartup(Example("stockport-singles.bwl"));
        QVERIFY(f.frame.ResultsWindows().isEmpty());
        QTRY_COMPARE(f.frame.ResultsWindows().size(), 1);
        ResultsWindow* window = f.frame.ResultsWindows().first();
        QCOMPARE(window->windowTitle(), QString::fromStdString(window->GetSeason()->teamName));
        QVERIFY(f.shell.pendingOpenPath.isEmpty());
        QVERIFY(qobject_cast<QMdiSubWindow*>(window->parentWidget())->isMaximized());
    }

    // A text season is imported: untitled, yet remembered. A missing file
    // is reported.
    void openRoutesAndReports()
    {
        Frame f;
        const QString text = f.Copy("stockport-singles.bwt", "SEASON.BWT");
        f.shell.Dialogs().PresetOpen(text);
        f.frame.Command(Command::Open);
        QCOMPARE(f.frame.ResultsWindows().size(), 1);
        QVERIFY(f.frame.ResultsWindows().first()->GetSeason()->untitled);
        QCOMPARE(f.shell.Recent().At(0), text);

        const QString gone = f.settings.Path("gone.bwl");
        f.shell.Dialogs().PresetOpen(gone);
        f.frame.Command(Command::Open);
        QCOMPARE(f.frame.ResultsWindows().size(), 1);
        QCOMPARE(f.messages.Last(),
                 QStringLiteral("Cannot open file\n%1: No such file or directory").arg(gone));

        // A season opened read-only is saved under a new name; the file stays.
        const QString original = f.Copy("stockport-singles.bwl", "ro.bwl");
        QFile file(original);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        f.shell.Dialogs().PresetOpen(original, true);
        f.frame.Command(Command::Open);
        QVERIFY(f.frame.ActiveResultsWindow()->GetSeason()->readOnly);
        const QString copy = f.settings.Path("copy.bwl");
        f.shell.Dialogs().PresetSave(copy);
        f.frame.Command(Command::Save);
        QVERIFY(QFile::exists(copy));
        QVERIFY(file.seek(0));
        QCOMPARE(file.readAll(), before);

        // The recent files reopen from either menu; an unused entry does nothing.
        QCOMPARE(f.frame.Menus()->Items(Command::RecentFileFirst).size(), 2);
        f.frame.Command(Command::RecentFileFirst);
        QCOMPARE(f.frame.ResultsWindows().size(), 3);
        QCOMPARE(f.frame.ActiveResultsWindow()->GetSeason()->filePath, copy.toStdString());
        f.frame.Command(Command::RecentFileLast);
        QCOMPARE(f.frame.ResultsWindows().size(), 3);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
    }

    void closingTheFrameClosesHelpAndSavesTheRecentFiles()
    {
        Frame f;
        const QString path = f.settings.Path("c.bwl");
        f.Open(3, path);
        f.frame.Command(Command::Help);
        QPointer<HelpWindow> help = f.shell.Help();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->CurrentPage(), HelpWindow::ContentsPage());
        f.shell.ShowHelp(30);
        QCOMPARE(help->CurrentPage(), QUrl(QStringLiteral("qrc:/help/topic30.html")));
        f.shell.ShowHelp(99); // unknown topic: the contents
        QCOMPARE(help->CurrentPage(), HelpWindow::ContentsPage());
        QVERIFY(f.frame.close());
        QVERIFY(!help);
        QCOMPARE(ReadTextSetting(kSettingsKey, "File1", "", 1024), path.toStdString());
    }

    void windowArrangements()
    {
        Frame f;
        QWidget* subA = f.Open()->parentWidget();
        QWidget* subB = f.Open()->parentWidget();
        f.frame.Command(Command::TileHorizontally);
        QCOMPARE(subA->width(), subB->width());
        QVERIFY(subA->geometry().bottom() < subB->geometry().top());
        f.frame.Command(Command::TileVertically);
        QCOMPARE(subA->height(), subB->height());
        QVERIFY(subA->geometry().right() < subB->geometry().left());
        // A minimised window's icon goes to the bottom left; the window list restores it.
        subB->showMinimized();
        f.frame.Command(Command::ArrangeIcons);
        QCOMPARE(subB->geometry().bottomLeft(),
                 QPoint(0, f.frame.Area()->viewport()->rect().bottom()));
        f.frame.Command(Command::WindowListFirst + 1);
        QVERIFY(!subB->isMinimized());
        QCOMPARE(f.frame.Area()->activeSubWindow(), subB);
    }

    // A results window at its size shows at least 5 fixture columns and 10
    // player rows: after a cascade, when it opens beside tiled windows and
    // when the first, maximised, window is restored.
    void windowsOpenAndCascadeUsable()
    {
        Frame f;
        auto usable = [](ResultsWindow* w) {
            w->repaint();
            const Season& s = *w->GetSeason();
            return !w->Layout().tooSmall && s.visibleFixtures >= 5 && s.visiblePlayers >= 10;
        };
        ResultsWindow* first = f.frame.OpenResultsWindow(MakeSeason(12, 15));
        QVERIFY(first->parentWidget()->isMaximized());
        first->parentWidget()->showNormal();
        QVERIFY(usable(first));
        ResultsWindow* second = f.frame.OpenResultsWindow(MakeSeason(12, 15));
        f.frame.Command(Command::TileVertically);
        ResultsWindow* third = f.frame.OpenResultsWindow(MakeSeason(12, 15));
        QVERIFY(usable(third));
        QCOMPARE(f.frame.Area()->subWindowList(QMdiArea::StackingOrder).last(),
                 third->parentWidget());

        f.frame.Command(Command::CascadeWindows);
        QList<int> tops;
        for (ResultsWindow* w : {first, second, third}) {
            QVERIFY(usable(w));
            QVERIFY(f.frame.Area()->viewport()->rect().contains(w->parentWidget()->geometry()));
            tops << w->parentWidget()->y();
        }
        // Every title stays in sight: the windows step down.
        QVERIFY(tops[0] < tops[1] && tops[1] < tops[2]);
    }

    void windowKeys()
    {
        Frame f;
        ResultsWindow* a = f.Open();
        ResultsWindow* b = f.Open();
        QCOMPARE(f.frame.ActiveResultsWindow(), b);
        // Ctrl+Tab and Ctrl+F6 go to the next window and leave the selection alone.
        QTest::keyClick(b, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.frame.ActiveResultsWindow(), a);
        QTest::keyClick(a, Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(f.frame.ActiveResultsWindow(), b);
        QCOMPARE(a->GetSeason()->selectedFixture, -1);
        QCOMPARE(b->GetSeason()->selectedFixture, -1);
        // Ctrl+F4 closes the active window, asking first when it must.
        b->GetSeason()->modified = true;
        f.messages.answers = {Answer::Cancel, Answer::No};
        QTest::keyClick(b, Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QCOMPARE(f.frame.ResultsWindows().size(), 2);
        QTest::keyClick(b, Qt::Key_F4, Qt::ControlModifier);
        QTRY_COMPARE(f.frame.ResultsWindows().size(), 1);
    }
};

TESSEL_TEST(TestFrameWindow)
#include "tst_FrameWindow.moc"
