#include <QtTest>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "GuiTestSupport.h"
#include "app/AboutDialog.h"
#include "app/CommandIds.h"
#include "app/CommandLine.h"
#include "app/FileDialogs.h"
#include "app/FrameMenus.h"
#include "app/FrameWindow.h"
#include "app/HelpWindow.h"
#include "app/RecentFiles.h"
#include "view/ResultsWindow.h"

namespace {

QStringList BarTitles(QMainWindow& frame)
{
    QStringList titles;
    for (QAction* a : frame.menuBar()->actions())
        titles << a->text();
    return titles;
}

// "id text" per item, "-" per separator.
QStringList Items(const QMenu* menu)
{
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-")
                                   : QStringLiteral("%1 %2").arg(a->data().toInt()).arg(a->text()));
    return items;
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

} // namespace

class TestFrameWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> settings_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::unique_ptr<FrameWindow> frame_;

    FrameWindow& Frame() { return *frame_; }

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
        QCOMPARE(BarTitles(Frame()), Strings({"&File", "&Options", "&Help"}));
        QVERIFY(!Frame().ShowsFullMenu());
        ResultsWindow* window = Frame().OpenResultsWindow(MakeSeason(3, 2));
        QCOMPARE(BarTitles(Frame()), Strings({"&File", "&Team", "Fi&xtures", "&Players", "&Options",
                                              "&Window", "&Help"}));
        QVERIFY(Frame().ShowsFullMenu());
        QVERIFY(window->parentWidget()->close());
        QTRY_COMPARE(BarTitles(Frame()), Strings({"&File", "&Options", "&Help"}));
    }

    void menuTextsAndCommands()
    {
        FrameMenus* m = Frame().Menus();
        QCOMPARE(Items(m->BasicFile()),
                 Strings({"101 &New...", "102 &Open...\tCtrl+O", "-", "105 E&xit\tAlt+F4"}));
        QCOMPARE(Items(m->Basic().at(1)), Strings({"150 &Preferences..."}));
        QCOMPARE(Items(m->Basic().at(2)), Strings({"170 &Help\tF1", "-", "172 &About"}));
        QCOMPARE(
            Items(m->FullFile()),
            Strings({"101 &New...", "102 &Open...\tCtrl+O", "103 &Save\tCtrl+S", "104 S&ave as...",
                     "-", "108 &Print...\tCtrl+P", "-", "105 E&xit\tAlt+F4"}));
        QCOMPARE(Items(m->Full().at(1)), Strings({"120 &Edit team...", "122 &Team summary...",
                                                  "108 &Print team results...\tCtrl+P"}));
        QCOMPARE(Items(m->Full().at(2)),
                 Strings({"130 &Edit fixture...", "133 Insert fixture &before...",
                          "134 Insert fixture &after...", "132 &Delete fixture...",
                          "131 &Print match sheet..."}));
        QCOMPARE(Items(m->Full().at(3)),
                 Strings({"141 &Edit player...", "142 &Print player summary...", "-",
                          "140 &Register player..."}));
        QCOMPARE(Items(m->Full().at(4)), Strings({"150 &Preferences...", "151 &Font..."}));
        QCOMPARE(Items(m->FullWindow()),
                 Strings({"160 Tile &horizontally", "161 Tile &vertically\tShift+F4",
                          "162 &Cascade windows\tShift+F5", "163 &Arrange icons"}));
        QCOMPARE(Items(m->Full().at(6)), Strings({"170 &Help\tF1", "-", "172 &About"}));
    }

    // Commands whose dialogs this program does not have stay grey.
    void unavailableCommandsStayGrey()
    {
        Frame().OpenResultsWindow(MakeSeason(3, 2));
        for (int command : {Command::New, Command::EditTeam, Command::TeamSummary,
                            Command::RegisterPlayer, Command::EditPlayer})
            QVERIFY2(!Enabled(Frame().Menus(), command), qPrintable(QString::number(command)));
        for (int command :
             {Command::Open, Command::Save, Command::SaveAs, Command::Exit, Command::Preferences,
              Command::Font, Command::Help, Command::About, Command::PrintTeamResults})
            QVERIFY2(Enabled(Frame().Menus(), command), qPrintable(QString::number(command)));
    }

    void selectionEnablesItems()
    {
        ResultsWindow* window = Frame().OpenResultsWindow(MakeSeason(3, 2));
        FrameMenus* m = Frame().Menus();
        QVERIFY(!Enabled(m, Command::DeleteFixture));
        window->Select(1, -1);
        QVERIFY(Enabled(m, Command::DeleteFixture));
        QVERIFY(!Enabled(m, Command::EditFixture)); // no editor in this program yet
        window->Select(-1, 0);
        QVERIFY(!Enabled(m, Command::DeleteFixture));
        window->Select(2, -1);

        // Another window, nothing selected: its own state shows.
        ResultsWindow* second = Frame().OpenResultsWindow(MakeSeason(3, 2));
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
        QTest::newRow("a player's name")
            << QStringLiteral("name") << QStringLiteral("&Players") << -1 << 0;
        QTest::newRow("a fixture's heading")
            << QStringLiteral("heading") << QStringLiteral("Fi&xtures") << 0 << -1;
        QTest::newRow("a game cell")
            << QStringLiteral("cell") << QStringLiteral("&File") << -1 << -1;
    }
    void popupMenus()
    {
        QFETCH(QString, where);
        QFETCH(QString, menu);
        QFETCH(int, fixture);
        QFETCH(int, player);
        ResultsWindow* window = Frame().OpenResultsWindow(MakeSeason(3, 2));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->repaint();
        window->Select(2, -1);
        window->setFocus();
        const Rect h = window->Layout().fixtureHeaderRect;
        const Rect n = window->Layout().nameColumnRect;
        const QPoint point = where == u"name"      ? QPoint(n.left + 2, n.top + 2)
                             : where == u"heading" ? QPoint(h.left + 2, h.top + 2)
                                                   : QPoint(h.left + 2, n.top + 2);
        QStringList shown;
        QTimer::singleShot(50, this, [&] {
            if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                shown = Items(popup);
                popup->close();
            }
        });
        QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, point);
        QCOMPARE(shown, Items(Frame().Menus()->FullMenuTitled(menu)));
        QCOMPARE(window->GetSeason()->selectedFixture, fixture);
        QCOMPARE(window->GetSeason()->selectedPlayer, player);
    }

    // A right click on a window without the keyboard focus only gives it the
    // focus: no menu, and its selection stays.
    void rightClickOnAnUnfocusedWindowOnlyFocusesIt()
    {
        ResultsWindow* first = Frame().OpenResultsWindow(MakeSeason(3, 2));
        ResultsWindow* second = Frame().OpenResultsWindow(MakeSeason(3, 2));
        Frame().Command(Command::TileVertically);
        for (ResultsWindow* w : {first, second}) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            w->repaint();
        }
        first->Select(2, -1);
        second->setFocus();
        QVERIFY(second->hasFocus());
        const Rect n = first->Layout().nameColumnRect;
        bool popupShown = false;
        QTimer::singleShot(50, this, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popupShown = true;
                popup->close();
            }
        });
        QTest::mouseClick(first, Qt::RightButton, Qt::NoModifier, QPoint(n.left + 2, n.top + 2));
        QTest::qWait(100);
        QVERIFY(!popupShown);
        QVERIFY(first->hasFocus());
        QCOMPARE(first->GetSeason()->selectedFixture, 2);
        QCOMPARE(first->GetSeason()->selectedPlayer, -1);

        // Now that it has the focus, the next right click selects and offers a menu.
        QTimer::singleShot(50, this, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popupShown = true;
                popup->close();
            }
        });
        QTest::mouseClick(first, Qt::RightButton, Qt::NoModifier, QPoint(n.left + 2, n.top + 2));
        QVERIFY(popupShown);
        QCOMPARE(first->GetSeason()->selectedPlayer, 0);
    }

    void popupCommandsReachTheirHandlers()
    {
        ResultsWindow* window = Frame().OpenResultsWindow(MakeSeason(3, 2));
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->repaint();
        window->setFocus();
        const QString path = settings_->Path(QStringLiteral("popup.bwl"));
        QVERIFY(QFile::copy(Example("tameside-pairs.bwl"), path));
        shell_->Dialogs().PresetOpen(path);
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

    void commandsWithoutAWindowDoNothing()
    {
        Frame().Command(Command::Save);
        Frame().Command(Command::DeleteFixture);
        QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(messages_->shown.empty());
        QVERIFY(Frame().ResultsWindows().isEmpty());
    }

    void acceleratorsReachTheActiveWindow()
    {
        Frame().OpenResultsWindow(MakeSeason(3, 2));
        const QString path = settings_->Path(QStringLiteral("accel.bwl"));
        shell_->Dialogs().PresetSave(path);
        QTest::keyClick(&Frame(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFile::exists(path));
        QVERIFY(!shell_->Dialogs().HasPresets());

        shell_->Dialogs().PresetOpen(path);
        QTest::keyClick(&Frame(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(Frame().ResultsWindows().size(), 2);
    }

    void closingKeepsTheWindowThatRefuses()
    {
        ResultsWindow* keep = Frame().OpenResultsWindow(MakeSeason(3, 2));
        keep->GetSeason()->modified = true;
        Frame().OpenResultsWindow(MakeSeason(3, 2, settings_->Path(QStringLiteral("b.bwl"))));
        messages_->answers.push_back(Answer::Cancel);
        QVERIFY(!Frame().close());
        QVERIFY(Frame().isVisible());
        QCOMPARE(Frame().ResultsWindows(), QList<ResultsWindow*>{keep});
        QCOMPARE(messages_->shown.size(), std::size_t{1});
    }

    void closingWithoutWindowsSavesTheRecentFiles()
    {
        const QString path = settings_->Path(QStringLiteral("c.bwl"));
        Frame().OpenResultsWindow(MakeSeason(3, 2, path));
        QVERIFY(Frame().close());
        QVERIFY(!Frame().isVisible());
        QCOMPARE(ReadTextSetting(kSettingsKey, "File1", "", 1024), path.toStdString());
    }

    void endOfSessionAsksEveryWindow_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ends");
        QTest::newRow("cancel stops it") << int(Answer::Cancel) << false;
        QTest::newRow("no lets it end") << int(Answer::No) << true;
    }
    void endOfSessionAsksEveryWindow()
    {
        QFETCH(int, answer);
        QFETCH(bool, ends);
        ResultsWindow* window = Frame().OpenResultsWindow(MakeSeason(3, 2));
        window->GetSeason()->modified = true;
        Frame().OpenResultsWindow(MakeSeason(2, 2));
        messages_->answers.push_back(static_cast<Answer>(answer));
        QCOMPARE(Frame().QueryEndSession(), ends);
        QCOMPARE(Frame().ResultsWindows().size(), ends ? 0 : 1);
    }

    void startupFileRules_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none") << QStringList{} << QString();
        QTest::newRow("one") << Strings({"a.bwl"}) << QStringLiteral("a.bwl");
        QTest::newRow("the last of two") << Strings({"a.bwl", "b.bwl"}) << QStringLiteral("b.bwl");
        QTest::newRow("switch before") << Strings({"--x", "a.bwl"}) << QStringLiteral("a.bwl");
        QTest::newRow("switch after") << Strings({"a.bwl", "--x"}) << QStringLiteral("a.bwl");
        QTest::newRow("only switches") << Strings({"--x", "--"}) << QString();
        QTest::newRow("spaces kept") << Strings({"My Team.bwl"}) << QStringLiteral("My Team.bwl");
        QTest::newRow("a single dash is a name")
            << Strings({"-old.bwl"}) << QStringLiteral("-old.bwl");
        QTest::newRow("absolute path")
            << Strings({"--x", "/s/a.bwl"}) << QStringLiteral("/s/a.bwl");
        QStringList many;
        for (int i = 1; i <= kMaxArguments + 1; ++i)
            many << QStringLiteral("f%1").arg(i);
        QTest::newRow("beyond the 127th is not looked at") << many << QStringLiteral("f127");
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
        QTRY_COMPARE(Frame().ResultsWindows().size(), 1);
        ResultsWindow* window = Frame().ResultsWindows().first();
        QVERIFY(!window->windowTitle().isEmpty());
        QCOMPARE(window->windowTitle(), QString::fromStdString(window->GetSeason()->teamName));
        QVERIFY(shell_->pendingOpenPath.isEmpty());
        // The only window fills the area.
        QVERIFY(qobject_cast<QMdiSubWindow*>(window->parentWidget())->isMaximized());
    }

    void textSeasonFileIsImported()
    {
        const QString path = settings_->Path(QStringLiteral("SEASON.BWT"));
        QVERIFY(QFile::copy(Example("stockport-singles.bwt"), path));
        shell_->Dialogs().PresetOpen(path);
        Frame().Command(Command::Open);
        QCOMPARE(Frame().ResultsWindows().size(), 1);
        Season* season = Frame().ResultsWindows().first()->GetSeason();
        QVERIFY(season->untitled);
        QCOMPARE(shell_->Recent().At(0), path);
    }

    void missingFileIsReported()
    {
        shell_->Dialogs().PresetOpen(settings_->Path(QStringLiteral("gone.bwl")));
        Frame().Command(Command::Open);
        QVERIFY(Frame().ResultsWindows().isEmpty());
        QCOMPARE(messages_->Texts(), std::vector<std::string>{"Cannot open file"});
    }

    void readOnlySeasonSavesUnderANewName()
    {
        const QString original = settings_->Path(QStringLiteral("ro.bwl"));
        QVERIFY(QFile::copy(Example("stockport-singles.bwl"), original));
        const QByteArray before = [&] {
            QFile f(original);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        shell_->Dialogs().PresetOpen(original, true);
        Frame().Command(Command::Open);
        QCOMPARE(Frame().ResultsWindows().size(), 1);
        QVERIFY(Frame().ResultsWindows().first()->GetSeason()->readOnly);
        const QString copy = settings_->Path(QStringLiteral("copy.bwl"));
        shell_->Dialogs().PresetSave(copy);
        Frame().Command(Command::Save);
        QVERIFY(QFile::exists(copy));
        QFile f(original);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    void recentFileCommandReopens()
    {
        const QString path = settings_->Path(QStringLiteral("again.bwl"));
        QVERIFY(QFile::copy(Example("tameside-pairs.bwl"), path));
        shell_->Recent().Add(path);
        QVERIFY(Frame().Menus()->Items(Command::RecentFileFirst).size() == 2); // both menus
        Frame().Command(Command::RecentFileFirst);
        QCOMPARE(Frame().ResultsWindows().size(), 1);
        QCOMPARE(QString::fromStdString(Frame().ResultsWindows().first()->GetSeason()->filePath),
                 path);
        // An unused entry does nothing (and asks nothing).
        Frame().Command(Command::RecentFileLast);
        QCOMPARE(Frame().ResultsWindows().size(), 1);
    }

    void helpOpensAndClosesWithTheFrame()
    {
        Frame().Command(Command::Help);
        QPointer<HelpWindow> help = shell_->Help();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->CurrentPage(), HelpWindow::ContentsPage());
        QVERIFY(Frame().close());
        QVERIFY(!help);
    }

    void helpTopicsHavePages_data()
    {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("heading");
        QTest::newRow("rename") << 1 << QStringLiteral("Renaming and combining players");
        QTest::newRow("edit team") << 8 << QStringLiteral("Team options");
        QTest::newRow("player summary") << 12 << QStringLiteral("Player summary");
        QTest::newRow("preferences") << 15 << QStringLiteral("Preferences");
        QTest::newRow("new season") << 27 << QStringLiteral("New season");
        QTest::newRow("register") << 28 << QStringLiteral("Registering players");
        QTest::newRow("fixture editor") << 30 << QStringLiteral("Editing a fixture");
        QTest::newRow("fixture list") << 38 << QStringLiteral("Entering the fixture list");
    }
    void helpTopicsHavePages()
    {
        QFETCH(int, topic);
        QFETCH(QString, heading);
        shell_->ShowHelp(topic);
        QVERIFY(shell_->Help());
        QCOMPARE(shell_->Help()->CurrentPage(),
                 QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic)));
        QFile page(QStringLiteral(":/help/topic%1.html").arg(topic));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(page.readAll()).contains(QStringLiteral("<h1>") + heading));
    }

    void unknownTopicShowsTheContents()
    {
        shell_->ShowHelp(99);
        QCOMPARE(shell_->Help()->CurrentPage(), HelpWindow::ContentsPage());
    }

    void aboutBoxTexts()
    {
        AboutDialog about(&Frame());
        QStringList texts;
        for (QLabel* label : about.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        QCOMPARE(texts.mid(0, 2), Strings({"TESSEL", "Bowls results analysis program"}));
        QVERIFY(texts.at(2).startsWith(QStringLiteral("Version ")));
        QVERIFY(texts.at(3).startsWith(QStringLiteral("Build ")));
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    }

    void windowArrangements()
    {
        ResultsWindow* a = Frame().OpenResultsWindow(MakeSeason(3, 2));
        ResultsWindow* b = Frame().OpenResultsWindow(MakeSeason(3, 2));
        QWidget* subA = a->parentWidget();
        QWidget* subB = b->parentWidget();
        Frame().Command(Command::TileHorizontally);
        QCOMPARE(subA->width(), subB->width());
        QVERIFY(subA->geometry().bottom() < subB->geometry().top());
        Frame().Command(Command::TileVertically);
        QCOMPARE(subA->height(), subB->height());
        QVERIFY(subA->geometry().right() < subB->geometry().left());
        // A minimised window's icon goes to the bottom; the other fills the rest.
        subB->showMinimized();
        Frame().Command(Command::ArrangeIcons);
        QCOMPARE(subB->geometry().bottom(), Frame().Area()->viewport()->rect().bottom());
        QCOMPARE(subB->geometry().left(), 0);
    }
};

QTEST_MAIN(TestFrameWindow)
#include "tst_FrameWindow.moc"
