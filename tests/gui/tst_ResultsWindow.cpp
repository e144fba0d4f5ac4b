#include "support/TestRegistry.h"
#include <QtTest>

#include <QFontDialog>
#include <QFontInfo>

#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QScrollBar>
#include <QVBoxLayout>

#include "GuiTestSupport.h"
#include "platform/GridFonts.h"
#include "gui/CommandIds.h"
#include "gui/FileDialogs.h"
#include "gui/RecentFiles.h"
#include "gui/ResultsWindow.h"

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

void Select(ResultsWindow& w, const QString& what) // "f1", "p2" or "-"
{
    if (what.startsWith(u'f'))
        w.Select(what.mid(1).toInt(), -1);
    else if (what.startsWith(u'p'))
        w.Select(-1, what.mid(1).toInt());
}

// A click at an edge (0), the middle (1) or the far edge (2) of the names
// column or of the fixture headers, moved by dx, dy; "f+0" expects the first
// fixture shown, "p+last" the last player shown.
struct Click {
    bool names;
    int x, dx, y, dy;
    const char* expected;
};

struct CloseCase {
    bool titled, modified;
    int answer;          // -1: no question expected
    const char* saveTo;  // "", "good", "bad" or "cancel"
    bool closes;
};

struct PrintCase {
    int command;
    const char* select;
    bool played; // whether the selected fixture has a result
    int answer;  // to the blank sheet question; -1: none asked
    bool printed;
};

} // namespace

Q_DECLARE_METATYPE(Click)
Q_DECLARE_METATYPE(CloseCase)
Q_DECLARE_METATYPE(PrintCase)

class TestResultsWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> settings_;

private slots:
    void init() { settings_ = std::make_unique<TemporarySettings>(); }

    // Paths and season names may hold markup characters: a box shows them as
    // they are.
    void messageBoxesShowPlainText()
    {
        Shell shell;
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                format = box->textFormat();
                box->accept();
            }
        });
        closer.start(10);
        ShellMessage m;
        m.text = "Cannot write file\n/tmp/<b>Smith & Sons</b>.bwl: No space left on device";
        shell.Present(m);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, QString::fromStdString(m.text));
    }
    void cleanup() { settings_.reset(); }

    void tabWalk_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<bool>("backwards");
        QTest::addColumn<QStringList>("walk");
        QTest::newRow("tab") << 2 << false << Strings({"f0", "f1", "f2", "p0", "p1", "-", "f0"});
        QTest::newRow("shift+tab") << 2 << true << Strings({"p1", "p0", "f2", "f1", "f0", "-", "p1"});
        QTest::newRow("shift+tab, no players") << 0 << true << Strings({"f2", "f1"});
    }
    void tabWalk()
    {
        QFETCH(int, players);
        QFETCH(bool, backwards);
        QFETCH(QStringList, walk);
        Shell shell;
        Window w(shell, MakeSeason(3, players), QSize(900, 600));
        QStringList seen;
        for (qsizetype i = 0; i < walk.size(); ++i) {
            w.Key(backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                  backwards ? Qt::ShiftModifier : Qt::NoModifier);
            seen << Selection(w.S());
        }
        QCOMPARE(seen, walk);
    }

    void tabIsNotTakenByFocusChaining()
    {
        // Beside another control that would take the focus next.
        Shell shell;
        QWidget top;
        auto* layout = new QVBoxLayout(&top);
        auto* window = new ResultsWindow(shell, MakeSeason(3, 2));
        layout->addWidget(window);
        layout->addWidget(new QLineEdit);
        top.show();
        QVERIFY(QTest::qWaitForWindowActive(&top));
        window->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), window);
        QCOMPARE(Selection(*window->GetSeason()), QStringLiteral("f0"));
    }

    void selectionScrollsIntoView()
    {
        Shell shell;
        Window w(shell, MakeSeason(20, 30), QSize(700, 500));
        Season& s = w.S();
        const int shownFixtures = s.visibleFixtures;
        const int shownPlayers = s.visiblePlayers;
        QVERIFY(shownFixtures > 1 && shownFixtures < 20 && shownPlayers > 1 && shownPlayers < 30);

        w.window.Select(12, -1); // right of the shown columns: becomes the last shown
        QCOMPARE(s.firstFixture, 12 - shownFixtures + 1);
        QCOMPARE(w.window.FixtureScrollBar()->value(), s.firstFixture);
        w.window.Select(2, -1); // left of them: the first
        QCOMPARE(s.firstFixture, 2);
        w.window.Select(3, -1); // already shown: no scrolling
        QCOMPARE(s.firstFixture, 2);
        w.window.Select(-1, 29);
        QCOMPARE(s.firstPlayer, 29 - shownPlayers + 1);
        QCOMPARE(w.window.PlayerScrollBar()->value(), s.firstPlayer);
        // Tab from the last fixture scrolls back to the first player.
        w.window.Select(19, -1);
        w.Key(Qt::Key_Tab);
        QCOMPARE(Selection(s), QStringLiteral("p0"));
        QCOMPARE(s.firstPlayer, 0);
    }

    // Clicks at and just beyond the edges of the click areas, which include
    // their left and top edges and exclude their right and bottom ones.
    void mouseHitsHalfOpenRectangles_data()
    {
        QTest::addColumn<Click>("click");
        QTest::newRow("header left edge") << Click{false, 0, 0, 1, 0, "f+0"};
        QTest::newRow("header right inside") << Click{false, 2, -1, 1, 0, "f+last"};
        QTest::newRow("header right edge") << Click{false, 2, 0, 1, 0, "-"};
        QTest::newRow("header top edge") << Click{false, 0, 1, 0, 0, "f+0"};
        QTest::newRow("above the header") << Click{false, 0, 1, 0, -1, "-"};
        QTest::newRow("names top edge") << Click{true, 1, 0, 0, 0, "p+0"};
        QTest::newRow("names bottom inside") << Click{true, 1, 0, 2, -1, "p+last"};
        QTest::newRow("names bottom edge") << Click{true, 1, 0, 2, 0, "-"};
        QTest::newRow("names right edge") << Click{true, 2, 0, 1, 0, "-"};
    }
    void mouseHitsHalfOpenRectangles()
    {
        QFETCH(Click, click);
        Shell shell;
        Window w(shell, MakeSeason(20, 30), QSize(700, 500));
        // Scrolled, so that the first shown is not the first of all, and
        // something selected, so that a miss visibly clears it.
        w.window.ScrollPlayers(ResultsWindow::ScrollCode::Thumb, 4);
        w.window.Select(1, -1);
        w.window.ScrollFixtures(ResultsWindow::ScrollCode::Thumb, 3);
        w.window.repaint();
        const Season& s = w.S();
        const Rect r = click.names ? w.window.Layout().nameColumnRect : w.window.Layout().fixtureHeaderRect;
        const int xs[] = {r.left, (r.left + r.right) / 2, r.right};
        const int ys[] = {r.top, (r.top + r.bottom) / 2, r.bottom};
        QTest::mouseClick(&w.window, Qt::LeftButton, Qt::NoModifier,
                          QPoint(xs[click.x] + click.dx, ys[click.y] + click.dy));

        QString want = QString::fromLatin1(click.expected);
        want.replace(QStringLiteral("f+0"), QStringLiteral("f%1").arg(s.firstFixture))
            .replace(QStringLiteral("f+last"), QStringLiteral("f%1").arg(s.firstFixture + s.visibleFixtures - 1))
            .replace(QStringLiteral("p+0"), QStringLiteral("p%1").arg(s.firstPlayer))
            .replace(QStringLiteral("p+last"), QStringLiteral("p%1").arg(s.firstPlayer + s.visiblePlayers - 1));
        QCOMPARE(s.firstFixture, 3);
        QCOMPARE(s.firstPlayer, 4);
        QCOMPARE(Selection(s), want);
    }

    // Keys scroll within 0 .. count - visible and never move the selection.
    void keyboardScrollingStaysInBounds_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<QList<int>>("keys");  // key codes; negative: with Shift
        QTest::addColumn<QString>("expected"); // "fixtures,players" by name
        QTest::newRow("down twice") << 40 << QList<int>{Qt::Key_Down, Qt::Key_Down} << "0,2";
        QTest::newRow("up at the top") << 40 << QList<int>{Qt::Key_Up} << "0,0";
        QTest::newRow("down at the end") << 40 << QList<int>{Qt::Key_End, Qt::Key_Down} << "0,max";
        QTest::newRow("end then home") << 40 << QList<int>{Qt::Key_End, Qt::Key_Home} << "0,0";
        QTest::newRow("page down") << 40 << QList<int>{Qt::Key_PageDown} << "0,page";
        QTest::newRow("page down then up")
            << 40 << QList<int>{Qt::Key_PageDown, Qt::Key_PageUp} << "0,0";
        QTest::newRow("page down past the end") << 40 << QList<int>(30, Qt::Key_PageDown) << "0,max";
        QTest::newRow("right and left")
            << 40 << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left} << "1,0";
        QTest::newRow("left at the start") << 40 << QList<int>{Qt::Key_Left} << "0,0";
        QTest::newRow("right at the end") << 40 << QList<int>{-Qt::Key_End, Qt::Key_Right} << "max,0";
        QTest::newRow("shift page down") << 40 << QList<int>{-Qt::Key_PageDown} << "page,0";
        QTest::newRow("no scroll bars")
            << 3 << QList<int>{Qt::Key_End, -Qt::Key_End, Qt::Key_Down} << "0,0";
    }
    void keyboardScrollingStaysInBounds()
    {
        QFETCH(int, fixtures);
        QFETCH(QList<int>, keys);
        QFETCH(QString, expected);
        Shell shell;
        const bool small = fixtures < 10;
        Window w(shell, MakeSeason(fixtures, small ? 2 : 60), small ? QSize(1200, 800) : QSize(700, 500));
        QCOMPARE(w.window.FixtureScrollBar() != nullptr, !small);
        w.window.Select(0, -1);
        Season& s = w.S();
        for (int key : keys)
            w.Key(std::abs(key), key < 0 ? Qt::ShiftModifier : Qt::NoModifier);
        auto value = [](const QString& text, int max, int page) {
            return text == u"max" ? max : text == u"page" ? page : text.toInt();
        };
        const QStringList parts = expected.split(QLatin1Char(','));
        QCOMPARE(s.firstFixture, value(parts[0], s.fixtureCount - s.visibleFixtures, s.visibleFixtures - 1));
        QCOMPARE(s.firstPlayer, value(parts[1], s.playerCount - s.visiblePlayers, s.visiblePlayers - 1));
        QCOMPARE(Selection(s), QStringLiteral("f0"));
    }

    void scrollBarsSitBesideTheRowsAndUnderTheColumns()
    {
        Shell shell;
        Window w(shell, MakeSeason(20, 60), QSize(700, 500));
        const ScreenLayout& layout = w.window.Layout();
        QScrollBar* across = w.window.FixtureScrollBar();
        QScrollBar* down = w.window.PlayerScrollBar();
        QVERIFY(across && down);
        QCOMPARE(across->geometry().topLeft(), QPoint(layout.horizontalBar.left, layout.horizontalBar.top));
        QCOMPARE(down->geometry().topLeft(), QPoint(layout.verticalBar.left, layout.verticalBar.top));
        QCOMPARE(across->maximum(), 20 - w.S().visibleFixtures);
        QCOMPARE(across->pageStep(), w.S().visibleFixtures);
        const int last = 60 - w.S().visiblePlayers;
        QCOMPARE(down->maximum(), last);

        // The bar's own buttons scroll the same way.
        down->triggerAction(QAbstractSlider::SliderToMaximum);
        down->triggerAction(QAbstractSlider::SliderPageStepSub);
        QCOMPARE(w.S().firstPlayer, last - w.S().visiblePlayers + 1);

        // Too small a window loses them, and gets them back.
        w.window.resize(150, 120);
        w.window.repaint();
        QVERIFY(w.window.Layout().tooSmall);
        QVERIFY(!w.window.FixtureScrollBar() && !w.window.PlayerScrollBar());
        w.window.resize(700, 500);
        w.window.repaint();
        QVERIFY(w.window.FixtureScrollBar());
    }

    void closeQuery_data()
    {
        QTest::addColumn<CloseCase>("c");
        QTest::newRow("unchanged") << CloseCase{true, false, -1, "", true};
        QTest::newRow("cancel keeps it") << CloseCase{true, true, int(Answer::Cancel), "", false};
        QTest::newRow("no closes unsaved") << CloseCase{true, true, int(Answer::No), "", true};
        QTest::newRow("yes saves, closes") << CloseCase{true, true, int(Answer::Yes), "", true};
        QTest::newRow("yes, save as cancelled") << CloseCase{false, true, int(Answer::Yes), "cancel", false};
        QTest::newRow("yes, save fails") << CloseCase{false, true, int(Answer::Yes), "bad", false};
        QTest::newRow("yes, saved as") << CloseCase{false, true, int(Answer::Yes), "good", true};
    }
    void closeQuery()
    {
        QFETCH(CloseCase, c);
        const bool titled = c.titled, closes = c.closes;
        const int answer = c.answer;
        const QString saveTo = QString::fromLatin1(c.saveTo);

        Shell shell;
        ScriptedMessages messages(shell);
        const QString path = settings_->Path(QStringLiteral("season.bwl"));
        Window w(shell, MakeSeason(4, 3, titled ? path : QString()), QSize(700, 500));
        w.S().modified = c.modified;
        if (answer >= 0)
            messages.answers.push_back(static_cast<Answer>(answer));
        const QString goodPath = settings_->Path(QStringLiteral("saved.bwl"));
        if (!saveTo.isEmpty())
            shell.Dialogs().PresetSave(saveTo == u"good" ? goodPath
                                       : saveTo == u"bad" ? settings_->Path(QStringLiteral("no/dir/x.bwl"))
                                                          : QString());

        QCOMPARE(w.window.close(), closes);
        QCOMPARE(w.window.GetSeason() == nullptr, closes);
        QCOMPARE(messages.shown.empty(), answer < 0);
        if (answer >= 0) {
            const ShellMessage& q = messages.shown.front();
            QCOMPARE(q.text, "File " + (titled ? path.toStdString() : "Untitled") + " not saved.\nSave it now?");
            QCOMPARE(q.title, std::string("Results"));
            QCOMPARE(q.buttons, Buttons::YesNoCancel);
        }
        if (saveTo == u"bad")
            QVERIFY(messages.Texts().back().rfind("Cannot write file\n", 0) == 0);
        if (!closes)
            QVERIFY(w.S().modified);
        // A titled season joins the recent files as it is asked to close.
        if (titled)
            QCOMPARE(shell.Recent().At(0), path);
        if (saveTo == u"good")
            QCOMPARE(shell.Recent().At(0), goodPath);
        if (answer == int(Answer::Yes))
            QCOMPARE(QFile::exists(titled ? path : goodPath), closes);
    }

    void deleteFixture_data()
    {
        QTest::addColumn<int>("fixtures");
        QTest::addColumn<QString>("select");
        QTest::addColumn<int>("answer"); // -1: no question expected
        QTest::addColumn<int>("expectedCount");
        QTest::addColumn<QString>("expectedMessage");
        const QString question = QStringLiteral("Do you want to delete this fixture? This action cannot be reversed");
        QTest::newRow("last fixture refused") << 1 << "f0" << -1 << 1 << "Cannot delete last fixture";
        QTest::newRow("nothing selected") << 3 << "-" << -1 << 3 << "";
        QTest::newRow("no keeps it") << 3 << "f0" << int(Answer::No) << 3 << question;
        QTest::newRow("yes deletes") << 3 << "f0" << int(Answer::Yes) << 2 << question;
    }
    void deleteFixture()
    {
        QFETCH(int, fixtures);
        QFETCH(QString, select);
        QFETCH(int, answer);
        QFETCH(int, expectedCount);
        QFETCH(QString, expectedMessage);
        Shell shell;
        ScriptedMessages messages(shell);
        Window w(shell, MakeSeason(fixtures, 3), QSize(900, 600));
        if (answer >= 0)
            messages.answers.push_back(static_cast<Answer>(answer));
        const std::string secondOpponent = fixtures > 1 ? w.S().fixtures[1]->opponent : std::string();
        Select(w.window, select);
        w.window.Command(Command::DeleteFixture);

        QCOMPARE(w.S().fixtureCount, expectedCount);
        QCOMPARE(static_cast<int>(w.S().fixtures.size()), expectedCount);
        QCOMPARE(QString::fromStdString(messages.Texts().empty() ? "" : messages.Texts().front()),
                 expectedMessage);
        QCOMPARE(messages.shown.size(), std::size_t(expectedMessage.isEmpty() ? 0 : 1));
        const bool deleted = expectedCount < fixtures;
        QCOMPARE(w.S().modified, deleted);
        QCOMPARE(Selection(w.S()), deleted ? QStringLiteral("-") : select);
        if (deleted)
            QCOMPARE(w.S().fixtures[0]->opponent, secondOpponent);
        if (fixtures == 1)
            QCOMPARE(messages.shown[0].icon, MessageIcon::Exclamation);
    }

    // The print commands reach the print driver with the right printout.
    void printCommands_data()
    {
        QTest::addColumn<PrintCase>("c");
        const int team = Command::PrintTeamResults, player = Command::PrintPlayerSummary,
                  sheet = Command::PrintMatchSheet;
        QTest::newRow("team results") << PrintCase{team, "-", true, -1, true};
        QTest::newRow("player summary") << PrintCase{player, "p2", true, -1, true};
        QTest::newRow("player summary, none selected") << PrintCase{player, "-", true, -1, false};
        QTest::newRow("match sheet") << PrintCase{sheet, "f1", true, -1, true};
        QTest::newRow("blank match sheet") << PrintCase{sheet, "f1", false, int(Answer::Yes), true};
        QTest::newRow("blank sheet refused") << PrintCase{sheet, "f1", false, int(Answer::No), false};
    }
    void printCommands()
    {
        QFETCH(PrintCase, c);
        const int answer = c.answer;
        const bool printed = c.printed;
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
        if (!c.played)
            w.S().fixtures[1]->result = 0;
        Select(w.window, QString::fromLatin1(c.select));
        if (answer >= 0)
            messages.answers.push_back(static_cast<Answer>(answer));
        w.window.Command(c.command);

        QCOMPARE(dialogs, printed ? 1 : 0);
        QCOMPARE(QFile::exists(pdf), printed);
        QCOMPARE(askedForRanges, printed && c.command == Command::PrintTeamResults);
        QCOMPARE(messages.shown.size(), std::size_t(answer >= 0 ? 1 : 0));
        if (answer >= 0)
            QCOMPARE(messages.Texts().front(), std::string("This match has not yet been played.\n"
                                                           "Do you want to print a blank result sheet?"));
    }

    void exportWebPage_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("written");
        QTest::newRow("written") << QStringLiteral("page.html") << true;
        QTest::newRow("missing folder") << QStringLiteral("no/dir/page.html") << false;
        QTest::newRow("cancelled") << QString() << false;
    }
    void exportWebPage()
    {
        QFETCH(QString, target);
        QFETCH(bool, written);
        Shell shell;
        ScriptedMessages messages(shell);
        Window w(shell, MakeSeason(4, 3, settings_->Path(QStringLiteral("season.bwl"))), QSize(900, 600));
        w.S().teamName = "Park & <Vale>";
        const QString path = target.isEmpty() ? QString() : settings_->Path(target);
        shell.Dialogs().PresetWebPage(path);
        w.window.Command(Command::ExportWebPage);

        QCOMPARE(QFile::exists(path), written);
        QCOMPARE(w.S().modified, false);
        if (written) {
            QFile page(path);
            QVERIFY(page.open(QIODevice::ReadOnly));
            const QByteArray html = page.readAll();
            QVERIFY(html.startsWith("<!DOCTYPE html>"));
            QVERIFY(html.contains("<h1>Park &amp; &lt;Vale&gt;</h1>"));
        }
        const bool failed = !written && !target.isEmpty();
        QCOMPARE(messages.shown.size(), std::size_t(failed ? 1 : 0));
        if (failed)
            QVERIFY(messages.Texts().front().starts_with("Cannot write file"));
    }

    void fontCommandStoresFourValuesAndRemakesTheFonts()
    {
        Shell shell;
        QFont offered;
        std::optional<QFont> chosen;
        shell.fontChooser = [&](const QFont& initial, QWidget*) {
            offered = initial;
            return chosen;
        };
        Window w(shell, MakeSeason(3, 3), QSize(900, 600));
        w.window.Command(Command::Font); // cancelled: nothing changes
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontHeightSetting, 12345), 12345);
        QCOMPARE(shell.gridFonts.height, -40);
        // The stored 4 mm character height is offered as 11.34 points.
        QCOMPARE(qRound(offered.pointSizeF() * 100), 1134);

        chosen = QFont(QStringLiteral("Liberation Sans"));
        chosen->setPointSizeF(18);
        chosen->setWeight(QFont::Bold);
        chosen->setItalic(true);
        w.S().layoutChanged = false;
        w.window.Command(Command::Font);
        QCOMPARE(ReadTextSetting(kSettingsKey, kFontNameSetting, "", 32), std::string("Liberation Sans"));
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontWeightSetting, 0), 700);
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontItalicSetting, 0), 1);
        // 18 points = 6.35 mm of character height.
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontHeightSetting, 0), -64);
        QCOMPARE(shell.gridFonts.face, std::string("Liberation Sans"));
        QCOMPARE(shell.gridFonts.height, -64);
        QVERIFY(shell.gridFonts.italic);
        QVERIFY(w.S().layoutChanged);
    }

    void fontDialogOkWithoutAChangeStoresNothing_data()
    {
        QTest::addColumn<int>("height");
        QTest::newRow("4 mm") << -40;
        QTest::newRow("3.9 mm") << -39;
        QTest::newRow("3.5 mm") << -35;
        QTest::newRow("7.1 mm") << -71;
        QTest::newRow("5 mm cell") << 50;
    }

    void fontDialogOkWithoutAChangeStoresNothing()
    {
        // The stored face is one this platform draws with a substitute.
        QFETCH(int, height);
        QVERIFY(WriteTextSetting(kSettingsKey, kFontNameSetting, "Times New Roman"));
        QVERIFY(WriteNumberSetting(kSettingsKey, kFontHeightSetting, height));
        Shell shell;
        shell.gridFonts = CreateGridFonts();
        // The platform's dialog, opened on what the window offers, OK at once.
        QString shownFamily;
        shell.fontChooser = [&](const QFont& initial, QWidget* owner) {
            QFontDialog dialog(owner);
            dialog.setOption(QFontDialog::DontUseNativeDialog);
            dialog.setCurrentFont(initial);
            shownFamily = dialog.currentFont().family();
            return std::optional<QFont>(dialog.currentFont());
        };
        Window w(shell, MakeSeason(3, 3), QSize(900, 600));
        for (int i = 0; i < 3; ++i)
            w.window.Command(Command::Font);
        QCOMPARE(shownFamily, QFontInfo(MakeGridFont(shell.gridFonts, FontRole::Main, 1.0, nullptr)).family());
        QCOMPARE(ReadTextSetting(kSettingsKey, kFontNameSetting, "", 32), std::string("Times New Roman"));
        QCOMPARE(ReadNumberSetting(kSettingsKey, kFontHeightSetting, 0), height);
        QCOMPARE(shell.gridFonts.face, std::string("Times New Roman"));
        QCOMPARE(shell.gridFonts.height, height);
    }
};

TESSEL_TEST(TestResultsWindow)
#include "tst_ResultsWindow.moc"
