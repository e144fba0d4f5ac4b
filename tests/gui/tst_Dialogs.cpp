#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/PreferencesDialog.h"
#include "gui/dialogs/FixtureListDialog.h"
#include "gui/dialogs/PlayerSummaryDialog.h"
#include "gui/dialogs/RegisterPlayerDialog.h"
#include "gui/dialogs/RenamePlayerDialog.h"
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

int Row(const Season& s, const std::string& name)
{
    for (std::size_t i = 0; i < s.players.size(); ++i)
        if (s.players[i]->name == name)
            return int(i);
    return -1;
}

// "name games" for every registered player, sorted.
QStringList Roster(const Season& s)
{
    QStringList roster;
    for (const auto& p : s.players) {
        int games = 0;
        for (const auto& f : s.fixtures)
            for (const Game& g : f->games)
                games += g.player == p.get();
        roster << u"%1 %2"_s.arg(QString::fromStdString(p->name)).arg(games);
    }
    roster.sort();
    return roster;
}

} // namespace

class TestDialogs : public QObject {
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
            fixtures << QString::asprintf("%s %c %d/%d/%d %zu", fixture->opponent.c_str(),
                                          "HAN"[fixture->venue], day.day, day.month, day.year,
                                          fixture->games.size());
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

    // The register's whole round: two names with "OK and next", a rename, a
    // merge, a print and a delete from the summaries, then the roster.
    void registerRenameMergeDelete()
    {
        TemporarySettings settings;
        Shell shell;
        ScriptedMessages messages(shell);
        ResultsWindow window(shell, MakeSeason(3, 4));
        Season& s = *window.GetSeason();

        RegisterPlayerDialog reg(shell, s, &window);
        for (const char* typed : {"  Anne   Brown ", "Zed"}) {
            QTest::keyClicks(reg.NameField(), QString::fromLatin1(typed));
            reg.NextButton()->click();
            QCOMPARE(reg.NameField()->text(), QString());
        }
        reg.NextButton()->click(); // nothing typed: a beep, no registration
        QCOMPARE(reg.Registered(), 2);
        QVERIFY(!reg.isVisible() && reg.result() == 0);
        QCOMPARE(Roster(s), Strings({"Anne Brown 0", "Player 1 3", "Player 2 3", "Player 3 3",
                                     "Player 4 3", "Zed 0"}));

        // Rename in place: the player stays selected in the window.
        Player* anne = s.players[Row(s, "Anne Brown")].get();
        RenamePlayerDialog rename(shell, s, *anne, &window);
        rename.NameCombo()->setEditText(u"Ann Brown"_s);
        rename.OkButton()->click();
        QVERIFY(rename.result() == QDialog::Accepted && rename.Survivor() == anne);
        QCOMPARE(s.selectedPlayer, Row(s, "Ann Brown"));

        // Player 3 into Player 1, who played beside him, is refused; into Ann
        // Brown, chosen from the list, merges them.
        for (const QString& into : {u"Player 1"_s, u"Ann Brown"_s}) {
            RenamePlayerDialog merge(shell, s, *s.players[Row(s, "Player 3")], &window);
            merge.NameCombo()->setCurrentIndex(merge.NameCombo()->findText(into));
            merge.OkButton()->click();
            QCOMPARE(merge.Survivor(), into == u"Ann Brown" ? anne : nullptr);
        }
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(messages.Last().startsWith(u"Cannot rename Player 3 to Player 1\n"));
        QCOMPARE(s.selectedPlayer, Row(s, "Ann Brown"));

        // A summary prints its own player, who is then the window's selection.
        shell.printDialog = ToPdf(settings.Path("ann.pdf"));
        PlayerSummaryDialog(shell, s, *anne, &window)
            .Button(PlayerSummaryDialog::PrintButton)
            ->click();
        QCOMPARE(s.selectedPlayer, Row(s, "Ann Brown"));
        QVERIFY(QFileInfo::exists(settings.Path("ann.pdf")));

        // Delete Zed from his summary; the window's selection goes.
        window.Select(-1, Row(s, "Zed"));
        PlayerSummaryDialog summary(shell, s, *s.players[Row(s, "Zed")], &window);
        QPushButton* del = summary.Button(PlayerSummaryDialog::DeleteButton);
        QVERIFY(del->isEnabled());
        messages.answers.push_back(Answer::Yes);
        del->click();
        QCOMPARE(messages.Last(), u"Permanently delete the registration for Zed?"_s);
        QVERIFY(summary.Changed() && summary.ShownPlayer() == nullptr);
        for (int control : {PlayerSummaryDialog::DeleteButton, PlayerSummaryDialog::RenameButton,
                            PlayerSummaryDialog::PrintButton})
            QVERIFY(!summary.Button(control)->isEnabled());
        QCOMPARE(s.selectedPlayer, -1);

        QVERIFY(s.modified);
        QCOMPARE(Roster(s), Strings({"Ann Brown 3", "Player 1 3", "Player 2 3", "Player 4 3"}));
    }

    // Enter on the first player's row opens his summary; Return or Enter on a row there edits
    // that row's fixture (two games a fixture here: two rows).
    void summaryRowEditsItsFixture()
    {
        TemporarySettings settings;
        Shell shell;
        ResultsWindow window(shell, MakeSeason(3, 2));
        window.Select(-1, 0);
        QList<int> edited;
        WhenShown<PlayerSummaryDialog>([&](PlayerSummaryDialog& summary) {
            summary.SetFixtureEditor([&](int fixture) { return edited << fixture, true; });
            auto* list = summary.findChild<QTreeWidget*>();
            for (auto [row, key] : {std::pair{2, Qt::Key_Return}, {4, Qt::Key_Enter}}) {
                list->setCurrentItem(list->topLevelItem(row));
                QTest::keyClick(list, key);
            }
            QVERIFY(summary.Changed());
        });
        QTest::keyClick(&window, Qt::Key_Return);
        QCOMPARE(edited, QList<int>({1, 2}));
    }

    // A stored figure beyond the arrows' range survives OK; a field that
    // holds no number keeps the dialog open and the stored value.
    void playerBroughtForward()
    {
        TemporarySettings settings;
        Shell shell;
        SeasonPtr s = MakeSeason(2, 2);
        s->scheme.flags |= EditBroughtForward;
        Player& p = *s->players[0];
        p.broughtFor = 5000;
        p.broughtAgainst = 4;
        {
            PlayerSummaryDialog dialog(shell, *s, p, nullptr);
            QLineEdit* against =
                dialog.BroughtForwardBox(PlayerSummaryDialog::AgainstBox)->findChild<QLineEdit*>();
            QCOMPARE(dialog.BroughtForwardBox(PlayerSummaryDialog::ForBox)
                         ->findChild<QLineEdit*>()
                         ->text(),
                     u"5000"_s);
            against->setText(u"x"_s);
            dialog.accept();
            QVERIFY(dialog.result() == 0 && !dialog.Changed() && !s->modified);
            against->setText(u"-12"_s);
            dialog.accept();
            QVERIFY(dialog.result() == QDialog::Accepted && dialog.Changed() && s->modified);
        }
        QVERIFY(p.broughtFor == 5000 && p.broughtAgainst == -12);
    }

    // What OK writes after the user's changes, in order, and what the
    // program then holds. Nothing changed writes nothing: the dialog opened
    // showing the values it was given. A failed write stops the rest and keeps
    // the old values; a minimum that is no number writes nothing; the box
    // takes digits only; Cancel writes nothing.
    void preferencesOk_data()
    {
        QTest::addColumn<QString>("minGames");   // typed
        QTest::addColumn<QList<int>>("toggled"); // control numbers
        QTest::addColumn<int>("failAt"); // the write that fails, from 1; 0: none; -1: Cancel
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QString>("message");
        const QString number = u"Minimum no of games must be a number."_s;
        QTest::newRow("nothing changed") << "3" << QList<int>{} << 0 << QStringList{} << "";
        QTest::newRow("lost matches on screen only")
            << "3" << QList<int>{355} << 0 << Strings({"HighlightLosses=36"}) << "";
        QTest::newRow("every value, in the fixed order")
            << "0" << QList<int>{358, 351, 352, 353} << 0
            << Strings(
                   {"MinGames=0", "HomeOnLeftScreen=1", "HomeOnLeftPrinter=0", "HighlightLosses=1"})
            << "";
        QTest::newRow("a box ticked and unticked is no change")
            << "3" << QList<int>{354, 354} << 0 << QStringList{} << "";
        QTest::newRow("digits only")
            << "1-2a3" << QList<int>{} << 0 << Strings({"MinGames=123"}) << "";
        QTest::newRow("largest number")
            << "4294967295" << QList<int>{} << 0 << Strings({"MinGames=-1"}) << "";
        QTest::newRow("empty") << "" << QList<int>{353} << 0 << QStringList{} << number;
        QTest::newRow("too large")
            << "4294967296" << QList<int>{353} << 0 << QStringList{} << number;
        QTest::newRow("second write fails")
            << "5" << QList<int>{351, 352} << 2 << Strings({"MinGames=5", "HomeOnLeftScreen=1"})
            << "Cannot write to preferences file";
        QTest::newRow("cancel") << "7" << QList<int>{353} << -1 << QStringList{} << "";
    }
    void preferencesOk()
    {
        QFETCH(QString, minGames);
        QFETCH(QList<int>, toggled);
        QFETCH(int, failAt);
        QFETCH(QStringList, writes);
        QFETCH(QString, message);
        // The dialog opens on known values; its writes are recorded.
        Shell shell;
        ScriptedMessages messages(shell);
        shell.preferences.minGames = 3;
        shell.preferences.homeOnLeftScreen = 0;
        shell.preferences.homeOnLeftPrinter = 1;
        shell.preferences.highlightLosses = 32; // box 358 ticked
        PreferencesDialog dialog(shell, nullptr);
        QStringList written;
        dialog.SetNumberWriter([&](std::string_view name, std::int32_t value) {
            written << u"%1=%2"_s.arg(QString::fromUtf8(name.data(), qsizetype(name.size())))
                           .arg(value);
            return written.size() != failAt;
        });
        dialog.MinGamesEdit()->clear();
        QTest::keyClicks(dialog.MinGamesEdit(), minGames);
        for (int control : toggled)
            dialog.Box(control)->click();
        failAt < 0 ? dialog.reject() : dialog.OkButton()->click();
        const bool accepted = message.isEmpty() && failAt >= 0;
        QCOMPARE(written, writes);
        QCOMPARE(messages.Last(), message);
        QCOMPARE(dialog.result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(dialog.Changed(), accepted && !writes.isEmpty());
        QCOMPARE(shell.preferences.minGames,
                 accepted ? dialog.MinGamesEdit()->text().toUInt() : 3u);
        QCOMPARE(shell.preferences.homeOnLeftScreen, accepted ? dialog.Box(351)->isChecked() : 0u);
        if (!accepted)
            QCOMPARE(shell.preferences.highlightLosses, 32u);
        if (failAt > 0)
            QCOMPARE(messages.shown[0].icon, MessageIcon::Exclamation);
    }

    // OK writes to the real store (its failures are the store's own tests): what it wrote
    // is read back.
    void preferencesStore()
    {
        TemporarySettings settings;
        Shell shell;
        PreferencesDialog dialog(shell, nullptr);
        dialog.MinGamesEdit()->setText(u"6"_s);
        dialog.Box(357)->click();
        dialog.OkButton()->click();
        QVERIFY(dialog.result() == QDialog::Accepted);
        const Preferences stored = LoadPreferences();
        QCOMPARE(stored.minGames, 6u);
        QCOMPARE(stored.highlightLosses, 16u);
        QCOMPARE(stored.homeOnLeftPrinter, 1u);
    }
};

TESSEL_TEST(TestDialogs)
#include "tst_Dialogs.moc"
