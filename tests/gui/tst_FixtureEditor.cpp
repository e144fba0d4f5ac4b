#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/dialogs/FixtureEditorDialog.h"

namespace {

int RowId(int position, int column)
{
    return 512 + 16 * position + column;
}

QRect Geometry(FixtureEditorDialog& d, int id)
{
    const QWidget* w = d.Control(id);
    return w ? QRect(w->mapTo(&d, QPoint(0, 0)), w->size()) : QRect(-999, -999, 1, 1);
}

} // namespace

class tst_FixtureEditor : public QObject {
    Q_OBJECT
private slots:
    void rowsScrollOnSmallScreens()
    {
        TemporarySettings settings;
        Shell shell;
        FakeHost host;
        SeasonShape shape = MaximalSeasonShape();
        shape.fixtureCount = 2;
        SeasonPtr season = BuildSeason(shape, host);
        FixtureEditorDialog d(shell, *season, 0, {});
        d.resize(d.width(), 400);
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        // OK stays in the window; tabbing to the last row scrolls it into view.
        QVERIFY(d.rect().contains(Geometry(d, 1)));
        d.Control(RowId(29, 1))->setFocus();
        QTRY_VERIFY(d.rect().contains(Geometry(d, RowId(29, 1)).center()));
    }

    void wholeFixtureFromTheKeyboard()
    {
        TemporarySettings settings;
        Shell shell;
        ScriptedMessages messages(shell);
        const QString path = settings.Path("keys.bwl");
        ResultsWindow window(shell, MakeSeason(3, 6, path));
        // A fixture still to be played: every row is empty.
        for (Game& g : window.GetSeason()->FixtureAt(1)->games)
            g = Game{};
        window.Select(1, -1);
        bool done = false;
        WhenShown<FixtureEditorDialog>([&done](FixtureEditorDialog& d) {
            // The first player box has the focus; a row runs box, scores,
            // opponent, absence, then the next row's absence.
            for (int p = 0; p < 4; ++p) {
                QComboBox* box = qobject_cast<QComboBox*>(d.Control(RowId(p, 1)));
                QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(box));
                box->lineEdit()->selectAll();
                if (p < 3) // ours; theirs becomes 21
                    Press({u"Player %1"_s.arg(p + 3), Qt::Key_Tab, QString::number(p + 5),
                           Qt::Key_Tab, Qt::Key_Tab, u"Opp %1"_s.arg(p), Qt::Key_Tab, Qt::Key_Tab,
                           Qt::Key_Tab});
            }
            // The last: back to our absence box, ticked: our player did not come.
            Press({Qt::Key_Backspace, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab,
                   Qt::Key_Tab, Qt::Key_Tab, u"Nobody"_s, Qt::Key_Return});
            done = true;
        });
        window.Command(Command::EditFixture);
        QVERIFY(done && messages.shown.empty());
        window.Command(Command::Save);
        QVERIFY(!window.GetSeason()->modified);

        FakeHost host;
        SeasonPtr read = OpenSeasonPath(host, path, false);
        QVERIFY(read);
        QStringList rows;
        for (const Game& g : read->FixtureAt(1)->games)
            rows << QString::asprintf("%c %s %d-%d %s",
                                      "?PA"[g.state == Played         ? 1
                                            : g.state == PlayerAbsent ? 2
                                                                      : 0],
                                      g.player ? g.player->name.c_str() : "-", g.scoreFor,
                                      g.scoreAgainst, g.opponent.c_str());
        QCOMPARE(rows, Strings({"P Player 3 5-21 Opp 0", "P Player 4 6-21 Opp 1",
                                "P Player 5 7-21 Opp 2", "A - 0-21 Nobody"}));
        QCOMPARE(read->FixtureAt(1)->result, 3u);
    }

    // Print... validates, prints the working copy as it stands and gives the
    // focus back to OK.
    void printButton_data()
    {
        QTest::addColumn<QString>("output"); // "": no opponent given, the dialog never shown
        QTest::addColumn<QString>("message");
        QTest::newRow("printed") << u"sheet.pdf"_s << QString();
        QTest::newRow("printer fails") << u"missing/dir/sheet.pdf"_s << u"Could not print file"_s;
        QTest::newRow("invalid") << QString() << u"Opponent team name must be entered"_s;
    }
    void printButton()
    {
        QFETCH(QString, output);
        TemporarySettings settings;
        Shell shell;
        ScriptedMessages messages(shell);
        int asked = 0;
        const QString path = settings.Path(output);
        shell.printDialog = ToPdf(path, &asked);
        ResultsWindow window(shell, MakeSeason(3, 6));
        window.Select(0, -1);
        WhenShown<FixtureEditorDialog>([&](FixtureEditorDialog& d) {
            static_cast<QLineEdit*>(d.Control(404))
                ->setText(output.isEmpty() ? QString() : u"Rivals"_s);
            static_cast<QLineEdit*>(d.Control(RowId(0, 3)))->setText(u"20"_s);
            QTest::mouseClick(static_cast<QWidget*>(d.Control(413)), Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), d.Control(1));
            // What was printed stays in the editor only.
            QCOMPARE(int(d.Editing().Working().games[0].scoreAgainst), 20);
        });
        window.Command(Command::EditFixture);
        QCOMPARE(asked, int(!output.isEmpty()));
        QTEST(messages.Last(), "message");
        QCOMPARE(QFileInfo(path).isFile(), messages.shown.empty());
        QVERIFY(window.GetSeason()->FixtureAt(0)->games[0].scoreAgainst != 20);
    }

    // Cancelled, an inserted fixture goes again (what is kept when stored is the rules' test).
    void cancelAfterInsertion()
    {
        TemporarySettings settings;
        Shell shell;
        ResultsWindow window(shell, MakeSeason(3, 6));
        window.Select(2, -1);
        Season& s = *window.GetSeason();
        const Fixture* last = s.FixtureAt(2);
        WhenShown<FixtureEditorDialog>(
            [](FixtureEditorDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
        window.Command(Command::InsertFixtureAfter);
        QVERIFY(s.fixtureCount == 3 && s.FixtureAt(2) == last && s.selectedFixture == 2);
        QVERIFY(!s.modified);
    }
};

TESSEL_TEST(tst_FixtureEditor)
#include "tst_FixtureEditor.moc"
