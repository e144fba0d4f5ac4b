#include "support/TestRegistry.h"
#include <QtTest>

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTimer>

#include "GuiTestSupport.h"
#include "gui/AboutDialog.h"
#include "gui/CommandIds.h"
#include "gui/CommandLine.h"
#include "gui/FileDialogs.h"
#include "gui/FrameMenus.h"
#include "gui/FrameWindow.h"
#include "gui/HelpWindow.h"
#include "gui/ProgramIcon.h"
#include "gui/RecentFiles.h"
#include "gui/ResultsWindow.h"

namespace {

QStringList BarTitles(QMainWindow& frame)
{
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

bool Enabled(FrameMenus* menus, int command)
{
    const QList<QAction*> items = menus->Items(command);
    Q_ASSERT(!items.isEmpty());
    return items.first()->isEnabled();
}

QString Example(const char* name)
{
    return QStringLiteral(TESSEL_EXAMPLES "/") + QString::fromLatin1(name);
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

} // namespace

class TestFrameWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> settings_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::unique_ptr<FrameWindow> frame_;

    FrameWindow& Frame() { return *frame_; }
    ResultsWindow* Open(int fixtures = 3, const QString& path = {})
    {
        ResultsWindow* w = frame_->OpenResultsWindow(MakeSeason(fixtures, 2, path));
        if (QTest::qWaitForWindowExposed(w))
            w->repaint();
        return w;
    }
    QString Copy(const char* example, const char* name)
    {
        const QString path = settings_->Path(QString::fromLatin1(name));
        return QFile::copy(Example(example), path) ? path : QString();
    }

private slots:
    void init()
    {
        settings_ = std::make_unique<TemporarySettings>();
        shell_ = std::make_unique<Shell>();
        messages_ = std::make_unique<ScriptedMessages>(*shell_);
        frame_ = std::make_unique<FrameWindow>(*shell_);
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }
    void cleanup()
    {
        // Nothing left to ask about: the windows may go without questions.
        for (ResultsWindow* w : frame_->ResultsWindows())
            if (w->GetSeason())
                w->GetSeason()->modified = false;
        frame_.reset();
        messages_.reset();
        shell_.reset();
        settings_.reset();
    }

    void menusFollowTheActiveWindow()
    {
        const QStringList basic = Strings({"&File", "&Options", "&Help"});
        QCOMPARE(BarTitles(Frame()), basic);
        ResultsWindow* window = Open();
        QCOMPARE(BarTitles(Frame()),
                 Strings({"&File", "&Team", "Fi&xtures", "&Players", "&Options", "&Window", "&Help"}));
        QVERIFY(window->parentWidget()->close());
        QTRY_COMPARE(BarTitles(Frame()), basic);
    }

    void itemsEnabledByDialogsAndSelection()
    {
        ResultsWindow* window = Open();
        FrameMenus* m = Frame().Menus();
        for (int command : {Command::New, Command::Open, Command::Save, Command::SaveAs,
                            Command::EditTeam, Command::Font, Command::Help,
                            Command::PrintTeamResults, Command::TeamSummary,
                            Command::RegisterPlayer})
            QVERIFY2(Enabled(m, command), qPrintable(QString::number(command)));

        QVERIFY(!Enabled(m, Command::DeleteFixture));
        const int fixtureCommands[] = {Command::EditFixture, Command::InsertFixtureBefore,
                                       Command::InsertFixtureAfter, Command::DeleteFixture};
        window->Select(1, -1);
        for (int command : fixtureCommands)
            QVERIFY2(Enabled(m, command), qPrintable(QString::number(command)));
        QVERIFY(!Enabled(m, Command::EditPlayer));
        window->Select(-1, 0);
        for (int command : fixtureCommands)
            QVERIFY2(!Enabled(m, command), qPrintable(QString::number(command)));
        QVERIFY(Enabled(m, Command::EditPlayer));
        window->Select(2, -1);
        // Another window, nothing selected: its own state shows.
        ResultsWindow* second = Open();
        QCOMPARE(Frame().ActiveResultsWindow(), second);
        QVERIFY(!Enabled(m, Command::DeleteFixture));
        Frame().Command(Command::WindowListFirst); // back to the first
        QCOMPARE(Frame().ActiveResultsWindow(), window);
        QVERIFY(Enabled(m, Command::DeleteFixture));
    }

    // Right-clicking selects what is under the pointer and offers its menu.
    void popupMenus_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<int>("fixture");
        QTest::addColumn<int>("player");
        QTest::newRow("a player's name") << "name" << "&Players" << -1 << 0;
        QTest::newRow("a fixture's heading") << "heading" << "Fi&xtures" << 0 << -1;
        QTest::newRow("a game cell") << "cell" << "&File" << -1 << -1;
    }
    void popupMenus()
    {
        QFETCH(QString, where);
        QFETCH(QString, menu);
        QFETCH(int, fixture);
        QFETCH(int, player);
        ResultsWindow* window = Open();
        window->Select(2, -1);
        window->setFocus();
        const Rect h = window->Layout().fixtureHeaderRect;
        const Rect n = window->Layout().nameColumnRect;
        const QPoint point = where == u"name"      ? QPoint(n.left + 2, n.top + 2)
                             : where == u"heading" ? QPoint(h.left + 2, h.top + 2)
                                                   : QPoint(h.left + 2, n.top + 2);
        QCOMPARE(RightClick(window, point), MenuItems(Frame().Menus()->FullMenuTitled(menu)));
        QCOMPARE(window->GetSeason()->selectedFixture, fixture);
        QCOMPARE(window->GetSeason()->selectedPlayer, player);
    }

    // A right click on a window without the keyboard focus only gives it the
    // focus: no menu, and its selection stays.
    void rightClickOnAnUnfocusedWindowOnlyFocusesIt()
    {
        ResultsWindow* first = Open();
        ResultsWindow* second = Open();
        Frame().Command(Command::TileVertically);
        first->repaint();
        first->Select(2, -1);
        second->setFocus();
        const Rect n = first->Layout().nameColumnRect;
        const QPoint name(n.left + 2, n.top + 2);
        QVERIFY(RightClick(first, name).isEmpty());
        QVERIFY(first->hasFocus());
        QCOMPARE(first->GetSeason()->selectedFixture, 2);
        // Now that it has the focus, the next right click selects and offers a menu.
        QVERIFY(!RightClick(first, name).isEmpty());
        QCOMPARE(first->GetSeason()->selectedPlayer, 0);
    }

    void popupCommandsReachTheFrame()
    {
        ResultsWindow* window = Open();
        window->setFocus();
        shell_->Dialogs().PresetOpen(Copy("tameside-pairs.bwl", "popup.bwl"));
        // "Open" from the File popup is the frame's command: a second window.
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
        QTRY_COMPARE(Frame().ResultsWindows().size(), 2);
    }

    void acceleratorsReachTheActiveWindow()
    {
        QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier); // no window: nothing
        Frame().Command(Command::DeleteFixture);
        QVERIFY(messages_->shown.empty());
        Open();
        const QString path = settings_->Path(QStringLiteral("accel.bwl"));
        shell_->Dialogs().PresetSave(path);
        QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(path));
        shell_->Dialogs().PresetOpen(path);
        QTest::keyClick(&Frame(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(int(Frame().ResultsWindows().size()), 2);
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
        ResultsWindow* keep = Open();
        keep->GetSeason()->modified = true;
        Open(2, settings_->Path(QStringLiteral("b.bwl")));
        messages_->answers.push_back(static_cast<Answer>(answer));
        QCOMPARE(endSession ? Frame().QueryEndSession() : Frame().close(), ends);
        QCOMPARE(Frame().ResultsWindows(), ends ? QList<ResultsWindow*>{} : QList<ResultsWindow*>{keep});
        QCOMPARE(messages_->shown.size(), std::size_t{1});
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
        QFETCH(QString, expected);
        QCOMPARE(StartupFile(arguments), expected);
    }

    void startupFileOpensOnceTheLoopRuns()
    {
        Frame().OpenAtStartup(Example("stockport-singles.bwl"));
        QVERIFY(Frame().ResultsWindows().isEmpty());
        QTRY_COMPARE(int(Frame().ResultsWindows().size()), 1);
        ResultsWindow* window = Frame().ResultsWindows().first();
        QCOMPARE(window->windowTitle(), QString::fromStdString(window->GetSeason()->teamName));
        QVERIFY(shell_->pendingOpenPath.isEmpty());
        // The only window fills the area.
        QVERIFY(qobject_cast<QMdiSubWindow*>(window->parentWidget())->isMaximized());
    }

    void openRoutesAndReports()
    {
        // A text season is imported: untitled, yet remembered.
        const QString text = Copy("stockport-singles.bwt", "SEASON.BWT");
        shell_->Dialogs().PresetOpen(text);
        Frame().Command(Command::Open);
        QCOMPARE(Frame().ResultsWindows().size(), 1);
        QVERIFY(Frame().ResultsWindows().first()->GetSeason()->untitled);
        QCOMPARE(shell_->Recent().At(0), text);

        const QString gone = settings_->Path(QStringLiteral("gone.bwl"));
        shell_->Dialogs().PresetOpen(gone);
        Frame().Command(Command::Open);
        QCOMPARE(Frame().ResultsWindows().size(), 1);
        QCOMPARE(messages_->Texts(), std::vector<std::string>{
                                         "Cannot open file\n" + gone.toStdString() + ": No such file or directory"});
    }

    void readOnlySeasonSavesUnderANewName()
    {
        const QString original = Copy("stockport-singles.bwl", "ro.bwl");
        QFile f(original);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        shell_->Dialogs().PresetOpen(original, true);
        Frame().Command(Command::Open);
        QVERIFY(Frame().ResultsWindows().first()->GetSeason()->readOnly);
        const QString copy = settings_->Path(QStringLiteral("copy.bwl"));
        shell_->Dialogs().PresetSave(copy);
        Frame().Command(Command::Save);
        QVERIFY(QFile::exists(copy));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void recentFileCommandReopens()
    {
        const QString path = Copy("tameside-pairs.bwl", "again.bwl");
        shell_->Recent().Add(path);
        QCOMPARE(Frame().Menus()->Items(Command::RecentFileFirst).size(), 2); // both menus
        Frame().Command(Command::RecentFileFirst);
        QCOMPARE(Frame().ResultsWindows().size(), 1);
        QCOMPARE(QString::fromStdString(Frame().ResultsWindows().first()->GetSeason()->filePath), path);
        // An unused entry does nothing (and asks nothing).
        Frame().Command(Command::RecentFileLast);
        QCOMPARE(Frame().ResultsWindows().size(), 1);
    }

    void closingTheFrameClosesHelpAndSavesTheRecentFiles()
    {
        const QString path = settings_->Path(QStringLiteral("c.bwl"));
        Open(3, path);
        Frame().Command(Command::Help);
        QPointer<HelpWindow> help = shell_->Help();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->CurrentPage(), HelpWindow::ContentsPage());
        shell_->ShowHelp(99); // unknown topic: the contents
        QCOMPARE(help->CurrentPage(), HelpWindow::ContentsPage());
        QVERIFY(Frame().close());
        QVERIFY(!help);
        QCOMPARE(ReadTextSetting(kSettingsKey, "File1", "", 1024), path.toStdString());
    }

    void helpTopicsHavePages()
    {
        const std::pair<int, const char*> topics[] = {
            {1, "Renaming and combining players"}, {8, "Team options"}, {12, "Player summary"},
            {15, "Preferences"}, {27, "New season"}, {28, "Registering players"},
            {30, "Editing a fixture"}, {38, "Entering the fixture list"}};
        for (const auto& [topic, heading] : topics) {
            shell_->ShowHelp(topic);
            QCOMPARE(shell_->Help()->CurrentPage(), QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic)));
            QFile page(QStringLiteral(":/help/topic%1.html").arg(topic));
            QVERIFY(page.open(QIODevice::ReadOnly));
            QVERIFY2(QString::fromUtf8(page.readAll()).contains(QStringLiteral("<h1>") + QString::fromUtf8(heading)),
                     heading);
        }
    }

    void windowArrangements()
    {
        QWidget* subA = Open()->parentWidget();
        QWidget* subB = Open()->parentWidget();
        Frame().Command(Command::TileHorizontally);
        QCOMPARE(subA->width(), subB->width());
        QVERIFY(subA->geometry().bottom() < subB->geometry().top());
        Frame().Command(Command::TileVertically);
        QCOMPARE(subA->height(), subB->height());
        QVERIFY(subA->geometry().right() < subB->geometry().left());
        // A minimised window's icon goes to the bottom left.
        subB->showMinimized();
        Frame().Command(Command::ArrangeIcons);
        QCOMPARE(subB->geometry().bottomLeft(), QPoint(0, Frame().Area()->viewport()->rect().bottom()));
    }

    // A results window at its size shows at least 5 fixture columns and 10
    // player rows: after a cascade, when it opens beside tiled windows and
    // when the first, maximised, window is restored.
    void windowsOpenAndCascadeUsable()
    {
        auto usable = [](ResultsWindow* w) {
            w->repaint();
            const Season& s = *w->GetSeason();
            return !w->Layout().tooSmall && s.visibleFixtures >= 5 && s.visiblePlayers >= 10;
        };
        ResultsWindow* first = frame_->OpenResultsWindow(MakeSeason(12, 15));
        QVERIFY(first->parentWidget()->isMaximized());
        first->parentWidget()->showNormal();
        QVERIFY(usable(first));

        ResultsWindow* second = frame_->OpenResultsWindow(MakeSeason(12, 15));
        Frame().Command(Command::TileVertically);
        ResultsWindow* third = frame_->OpenResultsWindow(MakeSeason(12, 15));
        QVERIFY(usable(third));
        QCOMPARE(Frame().Area()->subWindowList(QMdiArea::StackingOrder).last(), third->parentWidget());

        Frame().Command(Command::CascadeWindows);
        QList<QPoint> corners;
        for (ResultsWindow* w : {first, second, third}) {
            QVERIFY(usable(w));
            QVERIFY(Frame().Area()->viewport()->rect().contains(w->parentWidget()->geometry()));
            corners << w->parentWidget()->pos();
        }
        // Every title stays in sight: the windows step down and right.
        QVERIFY(corners[0].y() < corners[1].y() && corners[1].y() < corners[2].y());
    }

    void programIconEverywhere()
    {
        const QImage icon = ProgramIcon().pixmap(QSize(16, 16)).toImage();
        QVERIFY(!icon.isNull());
        for (int size : {16, 32, 48, 256})
            QVERIFY(ProgramIcon().availableSizes().contains(QSize(size, size)));
        QCOMPARE(Frame().windowIcon().pixmap(QSize(16, 16)).toImage(), icon);
        QCOMPARE(Open()->parentWidget()->windowIcon().pixmap(QSize(16, 16)).toImage(), icon);
        AboutDialog about(&Frame());
        auto* picture = about.findChild<QLabel*>(QStringLiteral("programIcon"));
        QVERIFY(picture && !picture->pixmap().isNull());
    }

    void windowListRestoresAnIcon()
    {
        QWidget* subA = Open()->parentWidget();
        Open();
        subA->showMinimized();
        Frame().Command(Command::WindowListFirst);
        QVERIFY(!subA->isMinimized());
        QCOMPARE(Frame().Area()->activeSubWindow(), subA);
    }

    void windowKeys()
    {
        ResultsWindow* a = Open();
        ResultsWindow* b = Open();
        QCOMPARE(Frame().ActiveResultsWindow(), b);
        // Ctrl+Tab goes to the next window and leaves the selection alone.
        QTest::keyClick(b, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(Frame().ActiveResultsWindow(), a);
        QCOMPARE(b->GetSeason()->selectedFixture, -1);
        QTest::keyClick(a, Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(Frame().ActiveResultsWindow(), b);
        QCOMPARE(a->GetSeason()->selectedFixture, -1);

        // Ctrl+F4 closes the active window, asking first when it must.
        b->GetSeason()->modified = true;
        messages_->answers.push_back(Answer::Cancel);
        QTest::keyClick(b, Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(messages_->shown.size(), std::size_t(1));
        QCOMPARE(int(Frame().ResultsWindows().size()), 2);
        messages_->answers.push_back(Answer::No);
        QTest::keyClick(b, Qt::Key_F4, Qt::ControlModifier);
        QTRY_COMPARE(int(Frame().ResultsWindows().size()), 1);
    }
};

TESSEL_TEST(TestFrameWindow)
#include "tst_FrameWindow.moc"
