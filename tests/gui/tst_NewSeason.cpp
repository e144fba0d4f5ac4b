#include "support/TestRegistry.h"
#include <QtTest>

#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "gui/CommandIds.h"
#include "gui/FileDialogs.h"
#include "gui/dialogs/FixtureListDialog.h"
#include "gui/dialogs/TeamOptionsDialog.h"
#include "model/Dates.h"
#include "platform/SeasonFiles.h"

namespace {

// Types the fields of a new team, tabbing from one to the next, and opens
// the fixture list with its access key (which clicks a moment later).
void TypeTeamAndEnterFixtures(TeamOptionsDialog& team)
{
    for (const char* field : {"Crown Green", "Valley League", "Division 1", "3", "4"}) {
        Type(QString::fromUtf8(field));
        Key(Qt::Key_Tab);
    }
    Key(Qt::Key_E, Qt::AltModifier);
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
                for (const char* opponent : {"Ashton", "Bury", "Crewe"}) {
                    numbers << list.FixtureNumber();
                    if (numbers.size() == 1) {
                        // The picker starts at today; the first match is on 1 May.
                        QCOMPARE(QApplication::focusWidget(), list.DatePicker());
                        Type(QStringLiteral("01052027"));
                    }
                    Key(Qt::Key_Tab);
                    Type(QString::fromLatin1(opponent));
                    Key(Qt::Key_Return);
                    if (list.isVisible())
                        focusAfterNext << QApplication::focusWidget()->objectName();
                }
            });
            TypeTeamAndEnterFixtures(team);
            Key(Qt::Key_Return);
        });
        QTest::keyClick(&f.frame, Qt::Key_F, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_N);

        QCOMPARE(numbers, Strings({"1", "2", "3"}));
        QCOMPARE(focusAfterNext, Strings({"datePicker", "datePicker"}));
        QVERIFY(f.messages.shown.empty());
        ResultsWindow* window = f.frame.ActiveResultsWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Crown Green"));
        QVERIFY(window->GetSeason()->untitled);

        const QString path = f.settings.Path("crown.bwl");
        f.shell.Dialogs().PresetSave(path);
        // No window manager here hands the activation back once the dialog is gone.
        f.frame.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.frame));
        Key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!window->GetSeason()->modified);

        FakeHost host;
        SeasonPtr read = OpenSeasonPath(host, path, false);
        QVERIFY(read);
        QCOMPARE(read->teamName + '/' + read->leagueName + '/' + read->division,
                 "Crown Green/Valley League/Division 1");
        QCOMPARE(read->schemeIndex, 0u);
        QCOMPARE(int(read->teamSize), 4);
        QStringList fixtures;
        for (const auto& fixture : read->fixtures) {
            const SystemTime day = DateToSystemTime(fixture->date);
            fixtures << QStringLiteral("%1 %2 %3/%4/%5 %6")
                            .arg(QString::fromStdString(fixture->opponent),
                                 QChar::fromLatin1("HAN"[fixture->venue]))
                            .arg(day.day)
                            .arg(day.month)
                            .arg(day.year)
                            .arg(fixture->games.size());
        }
        QCOMPARE(fixtures,
                 Strings({"Ashton H 1/5/2027 4", "Bury A 8/5/2027 4", "Crewe H 15/5/2027 4"}));
    }

    // Cancel after "Enter fixtures..." leaves no season behind.
    void cancelDiscardsFixtures()
    {
        Frame f;
        WhenShown<TeamOptionsDialog>([&](TeamOptionsDialog& team) {
            WhenShown<FixtureListDialog>([&](FixtureListDialog& list) {
                Key(Qt::Key_Tab);
                Type(QStringLiteral("Ashton"));
                Key(Qt::Key_F, Qt::AltModifier);
                QTRY_VERIFY(!list.isVisible());
            });
            TypeTeamAndEnterFixtures(team);
            Key(Qt::Key_Escape);
        });
        f.frame.Command(Command::New);
        QVERIFY(f.frame.ResultsWindows().isEmpty());
    }

    // Edit team: a new team name retitles the window; a declined scheme
    // change stores nothing, names included.
    void editTeam()
    {
        Frame f;
        ResultsWindow* window = f.frame.OpenResultsWindow(MakeSeason(3, 2));
        Season& season = *window->GetSeason();
        const std::string oldName = season.teamName;
        f.messages.answers = {Answer::No};
        WhenShown<TeamOptionsDialog>([&](TeamOptionsDialog& team) {
            QCOMPARE(team.SchemeList()->currentText(), QStringLiteral("Aggregate"));
            QVERIFY(team.EnterFixturesButton()->isHidden());
            Key(Qt::Key_A, Qt::ControlModifier);
            Type(QStringLiteral("Renamed"));
            team.SchemeList()->setCurrentText(QStringLiteral("Aggregate 15"));
            Key(Qt::Key_Return); // declined: the dialog stays
            QVERIFY(team.isVisible());
            QCOMPARE(season.teamName, oldName);
            team.SchemeList()->setCurrentText(QStringLiteral("Aggregate"));
            Key(Qt::Key_Return);
        });
        window->Command(Command::EditTeam);
        QCOMPARE(f.messages.shown.size(), std::size_t(1));
        QCOMPARE(season.teamName, "Renamed");
        QCOMPARE(window->windowTitle(), QStringLiteral("Renamed"));
        QVERIFY(season.modified);
    }
};

TESSEL_TEST(TestNewSeason)
#include "tst_NewSeason.moc"
