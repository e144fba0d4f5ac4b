#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/dialogs/FixtureListDialog.h"
#include "gui/dialogs/TeamOptionsDialog.h"
#include "model/Dates.h"

namespace {

// Types the fields of a new team, tabbing from one to the next, and opens
// the fixture list with its access key (which clicks a moment later).
void TypeTeamAndEnterFixtures(TeamOptionsDialog& team)
{
    Press({u"Crown Green"_s, Qt::Key_Tab, u"Valley League"_s, Qt::Key_Tab, u"Division 1"_s,
           Qt::Key_Tab, u"3"_s, Qt::Key_Tab, u"4"_s, Qt::Key_Tab, Qt::ALT | Qt::Key_E});
    QTRY_VERIFY(!team.EnterFixturesButton()->isEnabled());
}

} // namespace

class TestNewSeason : public QObject {
    Q_OBJECT

private slots:
    // File > New, "Enter fixtures..." and three times "OK and next", all
    // from the keyboard; then Save, which asks for a name, and the file read
    // back.
    void newSeasonFromKeyboard()
    {
        Frame f;
        QStringList numbers, focusAfterNext;
        WhenShown<TeamOptionsDialog>([&](TeamOptionsDialog& team) {
            WhenShown<FixtureListDialog>([&](FixtureListDialog& list) {
                // The picker starts at today; the first match is on 1 May.
                QCOMPARE(QApplication::focusWidget(), list.DatePicker());
                Press({u"01052027"_s});
                for (const char* opponent : {"Ashton", "Bury", "Crewe"}) {
                    numbers << list.FixtureNumber();
                    Press({Qt::Key_Tab, QString::fromLatin1(opponent), Qt::Key_Return});
                    if (list.isVisible())
                        focusAfterNext << QApplication::focusWidget()->objectName();
                }
            });
            TypeTeamAndEnterFixtures(team);
            Press({Qt::Key_Return});
        });
        QTest::keyClick(&f.frame, Qt::Key_F, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_N);

        QCOMPARE(numbers, Strings({"1", "2", "3"}));
        QCOMPARE(focusAfterNext, Strings({"datePicker", "datePicker"}));
        QVERIFY(f.messages.shown.empty());
        ResultsWindow* window = f.frame.ActiveResultsWindow();
        QVERIFY(window && window->GetSeason()->untitled);
        QCOMPARE(window->windowTitle(), u"Crown Green"_s);

        const QString path = f.settings.Path("crown.bwl");
        f.shell.Dialogs().PresetSave(path);
        // No window manager here hands the activation back once the dialog is gone.
        f.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.frame));
        Press({Qt::CTRL | Qt::Key_S});
        QVERIFY(!window->GetSeason()->modified);

        FakeHost host;
        SeasonPtr read = OpenSeasonPath(host, path, false);
        QVERIFY(read);
        QStringList fixtures{QString::fromStdString(read->teamName + '/' + read->leagueName + '/' +
                                                    read->division + " scheme " +
                                                    std::to_string(read->schemeIndex))};
        for (const auto& fixture : read->fixtures) {
            const SystemTime day = DateToSystemTime(fixture->date);
            fixtures << u"%1 %2 %3/%4/%5 %6"_s
                            .arg(QString::fromStdString(fixture->opponent),
                                 QChar::fromLatin1("HAN"[fixture->venue]))
                            .arg(day.day)
                            .arg(day.month)
                            .arg(day.year)
                            .arg(fixture->games.size());
        }
        QCOMPARE(fixtures,
                 Strings({"Crown Green/Valley League/Division 1 scheme 0", "Ashton H 1/5/2027 4",
                          "Bury A 8/5/2027 4", "Crewe H 15/5/2027 4"}));
    }

    // Cancel after "Enter fixtures..." leaves no season behind.
    void cancelDiscardsFixtures()
    {
        Frame f;
        WhenShown<TeamOptionsDialog>([&](TeamOptionsDialog& team) {
            WhenShown<FixtureListDialog>([&](FixtureListDialog& list) {
                Press({Qt::Key_Tab, u"Ashton"_s, Qt::ALT | Qt::Key_F});
                QTRY_VERIFY(!list.isVisible());
            });
            TypeTeamAndEnterFixtures(team);
            Press({Qt::Key_Escape});
        });
        f.frame.Command(Command::New);
        QVERIFY(f.frame.ResultsWindows().isEmpty());
    }

    // Edit team: a new team name retitles the window; a declined scheme
    // change stores nothing, names included.
    void editTeam()
    {
        Frame f;
        ResultsWindow* window = f.Open();
        Season& season = *window->GetSeason();
        const std::string oldName = season.teamName;
        f.messages.answers = {Answer::No};
        WhenShown<TeamOptionsDialog>([&](TeamOptionsDialog& team) {
            QCOMPARE(team.SchemeList()->currentText(), u"Aggregate"_s);
            QVERIFY(team.EnterFixturesButton()->isHidden());
            Press({Qt::CTRL | Qt::Key_A, u"Renamed"_s});
            team.SchemeList()->setCurrentText(u"Aggregate 15"_s);
            Press({Qt::Key_Return}); // declined: the dialog stays
            QVERIFY(team.isVisible());
            QCOMPARE(season.teamName, oldName);
            team.SchemeList()->setCurrentText(u"Aggregate"_s);
            Press({Qt::Key_Return});
        });
        window->Command(Command::EditTeam);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QCOMPARE(season.teamName, "Renamed");
        QCOMPARE(window->windowTitle(), u"Renamed"_s);
        QVERIFY(season.modified);
    }
};

TESSEL_TEST(TestNewSeason)
#include "tst_NewSeason.moc"
