#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/CommandLine.h"
#include "gui/FrameMenus.h"
#include "gui/HelpWindow.h"
#include "gui/ProgramIcon.h"
#include "gui/RecentFiles.h"
#include "support/Golden.h"

namespace {

// Right-clicks at point and returns the popup menu's items (empty: none
// shown); then picks command from it when one is given.
QStringList RightClick(QWidget* window, QPoint point, int command = 0)
{
    QStringList shown;
    QTimer::singleShot(50, window, [&] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            shown = MenuItems(popup);
            for (QAction* a : popup->actions())
                if (command && a->data().toInt() == command)
                    popup->setActiveAction(a);
            if (command)
                QTest::keyClick(popup, Qt::Key_Return);
            popup->close(); // whatever happened, never leave the menu waiting
        }
    });
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, point);
    QTest::qWait(100);
    return shown;
}

// The entries, "|" between them.
QString Entries(const RecentFiles& list)
{
    QStringList entries;
    for (int i = 0; i < RecentFiles::kCount; ++i)
        entries << list.At(i);
    return entries.join(u'|');
}

// Every column of the file list shows in full.
bool ColumnsFit(QFileDialog& d)
{
    auto* tree = d.findChild<QTreeView*>(u"treeView"_s);
    return tree && tree->isVisible() && tree->header()->count() >= 4 &&
           tree->header()->length() <= tree->viewport()->width();
}

// Runs action on the dialog once it is up, then lets it answer (a dialog the
// action leaves open is cancelled, so that a failed check never hangs).
void WhenUp(std::function<void(QFileDialog&)> action)
{
    QTimer::singleShot(0, [action] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            action(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        }
    });
}

} // namespace

class TestFrameWindow : public QObject {
    Q_OBJECT

private slots:
    // The full menu bar shows while a results window is active; its items
    // follow the active window's selection. Right-clicking selects what is
    // under the pointer and offers its menu, whose commands are the frame's;
    // on a window without the keyboard focus it only gives it the focus.
    void menus()
    {
        Frame f;
        const qsizetype basic = f.frame.menuBar()->actions().size();
        ResultsWindow* w = f.Open();
        QVERIFY(f.frame.ShowsFullMenu() && f.frame.menuBar()->actions().size() > basic);
        FrameMenus* m = f.frame.Menus();
        const auto Enabled = [m](int command) { return m->Items(command).first()->isEnabled(); };
        for (int select : {-1, 1, 0}) { // nothing, a fixture, a player
            w->Select(select == 1 ? 1 : -1, select == 0 ? 0 : -1);
            for (int command : {Command::EditFixture, Command::InsertFixtureBefore,
                                Command::InsertFixtureAfter, Command::DeleteFixture})
                QCOMPARE(Enabled(command), select == 1);
            QCOMPARE(Enabled(Command::EditPlayer), select == 0);
            QVERIFY(Enabled(Command::Save) && Enabled(Command::RegisterPlayer));
        }
        w->Select(0, -1);
        f.Open(); // another window, nothing selected: its own state shows
        QVERIFY(!Enabled(Command::DeleteFixture));
        f.frame.Command(Command::TileVertically);
        w->repaint();
        const Rect h = w->Layout().fixtureHeaderRect, n = w->Layout().nameColumnRect;
        QVERIFY(RightClick(w, QPoint(n.left + 2, n.top + 2)).isEmpty());
        QVERIFY(w->hasFocus() && Enabled(Command::DeleteFixture));
        QCOMPARE(w->GetSeason()->selectedFixture, 0);
        f.shell.Dialogs().PresetOpen(f.Copy("tameside-pairs.bwl", "popup.bwl"));
        const struct {
            QPoint at;
            const char* menu;
            int fixture, player, command;
        } clicks[] = {{{n.left + 2, n.top + 2}, "&Players", -1, 0, 0},
                      {{h.left + 2, h.top + 2}, "Fi&xtures", 0, -1, 0},
                      {{h.left + 2, n.top + 2}, "&File", -1, -1, Command::Open}};
        for (const auto& c : clicks) {
            QCOMPARE(RightClick(w, c.at, c.command),
                     MenuItems(m->FullMenuTitled(QString::fromUtf8(c.menu))));
            QCOMPARE(w->GetSeason()->selectedFixture, c.fixture);
            QCOMPARE(w->GetSeason()->selectedPlayer, c.player);
        }
        QTRY_COMPARE(f.frame.ResultsWindows().size(), 3);
        for (ResultsWindow* each : f.frame.ResultsWindows())
            QVERIFY(each->parentWidget()->close());
        QTRY_COMPARE(f.frame.menuBar()->actions().size(), basic);
    }

    // The last name counts; switches and a lone "--" do not, a single dash starts a name, and
    // nothing beyond the 127th argument is looked at.
    void startupFileRules()
    {
        QStringList many;
        for (int i = 1; i <= kMaxArguments + 1; ++i)
            many << QStringLiteral("f%1").arg(i);
        for (const auto& [arguments, expected] : {std::pair{QStringList{}, QString()},
                                                  {Strings({"a.bwl", "b.bwl"}), u"b.bwl"_s},
                                                  {Strings({"a.bwl", "--x"}), u"a.bwl"_s},
                                                  {Strings({"--x", "--"}), QString()},
                                                  {Strings({"-old.bwl"}), u"-old.bwl"_s},
                                                  {many, u"f127"_s}})
            QCOMPARE(StartupFile(arguments), expected);
    }

    // The start-up file opens once the event loop runs, in a maximised
    // window. A text season is imported: untitled, yet remembered. A missing
    // file is reported.
    void openingFiles()
    {
        Frame f;
        f.frame.OpenAtStartup(Example("stockport-singles.bwl"));
        QVERIFY(f.frame.ResultsWindows().isEmpty());
        QTRY_COMPARE(f.frame.ResultsWindows().size(), 1);
        ResultsWindow* window = f.frame.ResultsWindows().first();
        QCOMPARE(window->windowTitle(), QString::fromStdString(window->GetSeason()->teamName));
        QVERIFY(f.shell.pendingOpenPath.isEmpty() && window->parentWidget()->isMaximized());

        const QString text = f.Copy("stockport-singles.bwt", "SEASON.BWT");
        f.shell.Dialogs().PresetOpen(text);
        f.frame.Command(Command::Open);
        QCOMPARE(f.frame.ResultsWindows().size(), 2);
        QVERIFY(f.frame.ActiveResultsWindow()->GetSeason()->untitled);
        QCOMPARE(f.shell.Recent().At(0), text);

        const QString gone = f.settings.Path("gone.bwl");
        f.shell.Dialogs().PresetOpen(gone);
        f.frame.Command(Command::Open);
        QCOMPARE(f.frame.ResultsWindows().size(), 2);
        QCOMPARE(f.messages.Last(), u"Cannot open file\n%1: No such file or directory"_s.arg(gone));

        // Read-only from the dialog's box (where saving it then goes is the saving's test).
        const QString readOnly = f.Copy("stockport-singles.bwl", "ro.bwl");
        f.shell.Dialogs().PresetOpen(readOnly, true);
        f.frame.Command(Command::Open);
        QVERIFY(f.frame.ActiveResultsWindow()->GetSeason()->readOnly);

        // The recent files reopen from either menu; an unused entry does nothing.
        QCOMPARE(f.frame.Menus()->Items(Command::RecentFileFirst).size(), 2);
        f.frame.Command(Command::RecentFileFirst);
        QCOMPARE(f.frame.ResultsWindows().size(), 4);
        QVERIFY(f.frame.ActiveResultsWindow()->GetSeason()->untitled); // the text, imported again
        f.frame.Command(Command::RecentFileLast);
        QCOMPARE(f.frame.ResultsWindows().size(), 4);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));

        // Closing the frame, or the end of the session, asks about every
        // unsaved season and keeps the windows that refuse.
        for (ResultsWindow* each : f.frame.ResultsWindows())
            each->GetSeason()->modified = false;
        ResultsWindow* keep = f.frame.ActiveResultsWindow();
        keep->GetSeason()->modified = true;
        f.messages.answers = {Answer::Cancel, Answer::Cancel, Answer::No};
        QVERIFY(!f.frame.close());
        QCOMPARE(f.frame.ResultsWindows(), QList{keep});
        QVERIFY(!f.frame.QueryEndSession());
        QCOMPARE(f.frame.ResultsWindows(), QList{keep});
        QVERIFY(f.frame.QueryEndSession() && f.frame.ResultsWindows().isEmpty());
        QCOMPARE(f.messages.shown.size(), std::size_t(4));
        // The help closes with the frame, which stores the recent files.
        f.frame.Command(Command::Help);
        QPointer<HelpWindow> help = f.shell.Help();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->CurrentPage(), HelpWindow::ContentsPage());
        QVERIFY(f.frame.close());
        QVERIFY(!help);
        QCOMPARE(ReadTextSetting(kSettingsKey, "File1", "", 1024), readOnly.toStdString());
    }

    // Results windows open and cascade at a usable size: at least 5 fixture
    // columns and 10 player rows. The frame as laid out, and each arrangement in
    // a frame too small for the windows (a minimised window's icon keeps the
    // bottom row to itself), in a golden file. The window list and the keys.
    void windows()
    {
        Frame f;
        QTest::keyClick(&f.frame, Qt::Key_S, Qt::ControlModifier); // no window: nothing
        f.frame.Command(Command::DeleteFixture);
        QVERIFY(f.messages.shown.empty());
        auto usable = [](ResultsWindow* w) {
            w->repaint();
            const Season& s = *w->GetSeason();
            return !w->Layout().tooSmall && s.visibleFixtures >= 5 && s.visiblePlayers >= 10;
        };
        QList<ResultsWindow*> w;
        QList<QWidget*> sub;
        const auto open = [&] {
            w << f.frame.OpenResultsWindow(MakeSeason(12, 15));
            sub << w.last()->parentWidget();
        };
        open();
        // Our own icon, not the toolkit's, on the frame and on each window.
        for (const QWidget* each : {static_cast<QWidget*>(&f.frame), sub[0]})
            QCOMPARE(each->windowIcon().cacheKey(), ProgramIcon().cacheKey());
        QVERIFY(sub[0]->isMaximized());
        QString layouts = u"icon"_s;
        for (const QSize size : f.frame.windowIcon().availableSizes())
            layouts += u" %1x%2"_s.arg(size.width()).arg(size.height());
        layouts += u'\n' + Shown(f.frame);
        sub[0]->showNormal();
        QVERIFY(usable(w[0]));
        open();
        f.frame.Command(Command::TileVertically);
        // Beside tiled windows a new one still opens usable, on top.
        open();
        QVERIFY(usable(w[2]));
        QCOMPARE(f.frame.Area()->subWindowList(QMdiArea::StackingOrder).last(), sub[2]);

        f.frame.Command(Command::CascadeWindows);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(usable(w[i]));
            // Every title stays in sight: the windows step down.
            QVERIFY(i == 0 || sub[i - 1]->y() < sub[i]->y());
        }
        f.frame.resize(640, 420);
        const auto arranged = [&](int command, const QString& name) {
            f.frame.Command(command);
            QApplication::processEvents();
            layouts += u"== "_s + name + u'\n';
            for (int i = 0; i < 3; ++i) {
                w[i]->grab(); // paints, which places the scroll bars
                Dump(sub[i], 1, layouts);
            }
        };
        arranged(Command::TileVertically, u"side by side"_s);
        arranged(Command::CascadeWindows, u"cascaded"_s);
        arranged(Command::TileHorizontally, u"one above the other"_s);
        sub[1]->showMinimized();
        arranged(Command::CascadeWindows, u"one minimised, cascaded"_s);
        arranged(Command::ArrangeIcons, u"icons arranged"_s);
        TESSEL_COMPARE_GOLDEN("gui/frame-layouts.txt", layouts.toStdString());
        // The window list restores a minimised window.
        f.frame.Command(Command::WindowListFirst + 1);
        QVERIFY(!sub[1]->isMinimized());
        QCOMPARE(f.frame.ActiveResultsWindow(), w[1]);

        // Ctrl+Tab and Ctrl+F6 go to the next window and leave the selection alone.
        QTest::keyClick(w[1], Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.frame.ActiveResultsWindow(), w[2]);
        QTest::keyClick(w[2], Qt::Key_F6, Qt::ControlModifier);
        QCOMPARE(f.frame.ActiveResultsWindow(), w[0]);
        for (ResultsWindow* each : w)
            QCOMPARE(each->GetSeason()->selectedFixture, -1);
        // Ctrl+F4 closes the active window, asking first when it must.
        w[0]->GetSeason()->modified = true;
        f.messages.answers = {Answer::No};
        QTest::keyClick(w[0], Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QTRY_COMPARE(f.frame.ResultsWindows().size(), 2);
        f.shell.Dialogs().PresetOpen(Example("stockport-singles.bwl"));
        QTest::keyClick(&f.frame, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.frame.ResultsWindows().size(), 3);
    }

    // Paths added ("|" between them) and the list after: the newest first and never twice, the
    // oldest falling out; compared as the file system compares (ignoring case on Windows only).
    void recentFilesOrder()
    {
        for (auto [ignoreCase, added, expected] : {std::tuple{false, "a", "a|||"},
                                                   {false, "a|b|c|d|e", "e|d|c|b"},
                                                   {false, "a|b|c|d|e|c", "c|e|d|b"},
                                                   {false, "b|c|d|e|b", "b|e|d|c"},
                                                   {false, "a|b|b", "b|a||"},
                                                   {false, "a|", "a|||"},
                                                   {true, "b|c|d|e|E", "e|d|c|b"},
                                                   {false, "b|c|d|e|E", "E|e|d|c"}}) {
            RecentFiles list(ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
            for (const QString& path : QString::fromLatin1(added).split(u'|'))
                list.Add(path);
            QCOMPARE(Entries(list), QString::fromLatin1(expected));
        }
    }

    // The entries stand above Exit between separators, keep their numbers
    // when one is missing from the store, and leave nothing behind when the
    // menu is rebuilt or detached; the list is stored and read back. A long
    // path is shortened in the menu only.
    void recentFilesMenuAndStore()
    {
        TemporarySettings settings;
        QVERIFY(WriteTextSetting(kSettingsKey, "File1", "/x/first.bwl"));
        QVERIFY(WriteTextSetting(kSettingsKey, "File3", "/x/b & c.bwl"));
        QMenu menu;
        menu.addAction(u"&Open..."_s)->setData(Command::Open);
        menu.addSeparator();
        QAction* exit = menu.addAction(u"E&xit"_s);
        exit->setData(Command::Exit);
        const QStringList bare = MenuItems(&menu);
        RecentFiles list(Qt::CaseSensitive);
        list.AttachMenu(&menu, exit);
        QCOMPARE(MenuItems(&menu), bare); // an empty list adds nothing, not even a separator
        list.Load();
        QCOMPARE(Entries(list), u"/x/first.bwl||/x/b & c.bwl|"_s);
        const QStringList top = bare.mid(0, 2);
        QCOMPARE(MenuItems(&menu),
                 top + Strings({"180 &1 /x/first.bwl", "182 &3 /x/b && c.bwl", "-", "105 E&xit"}));
        list.Add(u"/x/b & c.bwl"_s);
        QCOMPARE(MenuItems(&menu),
                 top + Strings({"180 &1 /x/b && c.bwl", "181 &2 /x/first.bwl", "-", "105 E&xit"}));
        QVERIFY(list.Save());
        list.DetachMenus();
        QCOMPARE(MenuItems(&menu), bare);
        RecentFiles next;
        next.Load();
        QCOMPARE(Entries(next), u"/x/b & c.bwl|/x/first.bwl||"_s);
        // The longest path the platforms allow is kept whole, and shortened in the menu only.
        const QString path = u"/"_s + QString(32755, u'f') + u"/season.bwl"_s;
        next.Add(path);
        QVERIFY(next.Save());
        RecentFiles again;
        again.Load();
        QCOMPARE(again.At(0), path);
        const QString text = RecentFiles::MenuText(1, path);
        QVERIFY(text.size() <= RecentFiles::kMaxMenuPathLength + 3 &&
                text.startsWith(u"&1 /fff"_s) && text.endsWith(u".../season.bwl"_s));
    }

    // Open offers both kinds of season in either case and a read-only box;
    // Save proposes the folder last chosen, adds the extension and asks
    // before overwriting; Cancel gives nothing.
    void fileDialogs()
    {
        TemporarySettings dir;
        const QString folder = dir.Path("seasons");
        QVERIFY(QDir().mkpath(folder));
        const QString club = folder + u"/club.bwl"_s;
        QVERIFY(QFile(club).open(QIODevice::WriteOnly));
        {
            // At start-up they begin where the most recent season lives.
            QVERIFY(WriteTextSetting(kSettingsKey, "File1", club.toStdString()));
            Shell shell;
            FrameWindow frame(shell);
            QString shown;
            WhenUp([&](QFileDialog& d) { shown = d.directory().absolutePath(); });
            shell.Dialogs().ChooseOpenFile(nullptr);
            QCOMPARE(shown, folder);
        }
        FileDialogs dialogs;
        QStringList filters;
        bool native = true, openFits = false, readOnlyBox = false;
        WhenUp([&](QFileDialog& d) {
            filters = d.nameFilters();
            native = !d.testOption(QFileDialog::DontUseNativeDialog);
            openFits = ColumnsFit(d);
            auto* box = d.findChild<QCheckBox*>(u"readOnlyCheck"_s);
            readOnlyBox = box != nullptr;
            if (box)
                box->setChecked(true);
            QVERIFY(!(d.filter() & QDir::CaseSensitive));
            d.setDirectory(folder);
            d.selectFile(club);
            static_cast<QDialog&>(d).accept(); // QFileDialog::accept, as OK would
        });
        const FileDialogs::OpenChoice choice = dialogs.ChooseOpenFile(nullptr);
        QCOMPARE(filters, Strings({"Bowls results (*.BWL)", "Bowls results text (*.BWT)"}));
        QVERIFY(!native && openFits && readOnlyBox);
        QCOMPARE(choice.path, club);
        QVERIFY(choice.readOnly);

        bool confirms = false, saveFits = false;
        QString openedIn;
        WhenUp([&](QFileDialog& d) {
            saveFits = ColumnsFit(d);
            openedIn = d.directory().absolutePath();
            confirms = !d.testOption(QFileDialog::DontConfirmOverwrite) &&
                       d.acceptMode() == QFileDialog::AcceptSave;
            d.selectFile(folder + u"/new"_s);
            static_cast<QDialog&>(d).accept();
        });
        QCOMPARE(dialogs.ChooseSaveFile(nullptr), folder + u"/new.bwl"_s);
        QVERIFY(confirms && saveFits);
        QCOMPARE(openedIn, folder);

        WhenUp([](QFileDialog& d) { d.reject(); });
        QVERIFY(dialogs.ChooseSaveFile(nullptr).isEmpty());
        WhenUp([](QFileDialog& d) { d.reject(); });
        const FileDialogs::OpenChoice cancelled = dialogs.ChooseOpenFile(nullptr);
        QVERIFY(cancelled.path.isEmpty() && !cancelled.readOnly);
    }
};

TESSEL_TEST(TestFrameWindow)
#include "tst_FrameWindow.moc"
