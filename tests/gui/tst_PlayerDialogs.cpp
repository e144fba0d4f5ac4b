#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/dialogs/PlayerSummaryDialog.h"
#include "gui/dialogs/RegisterPlayerDialog.h"
#include "gui/dialogs/RenamePlayerDialog.h"
#include "gui/dialogs/TeamSummaryDialog.h"

namespace {

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

class TestPlayerDialogs : public QObject {
    Q_OBJECT

private slots:
    // The register's whole round: two names with "OK and next", a rename, a
    // merge, a delete, then the file saved and read back.
    void registerRenameMergeDelete()
    {
        TemporarySettings settings;
        Shell shell;
        ScriptedMessages messages(shell);
        const QString path = settings.Path("club.bwl");
        ResultsWindow window(shell, MakeSeason(3, 4, path));
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
        QCOMPARE(rename.result(), int(QDialog::Accepted));
        QCOMPARE(rename.Survivor(), anne);
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
        FakeHost host;
        QVERIFY(SaveSeason(host, s, false, {}));
        SeasonPtr back = OpenSeasonPath(host, path, false);
        QVERIFY(back && host.messages.empty());
        QCOMPARE(Roster(*back), Strings({"Ann Brown 3", "Player 1 3", "Player 2 3", "Player 4 3"}));
    }

    void registerRefusals_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("the 201st") << 200 << "New"
                                   << "A season cannot hold more than 200 players";
        QTest::newRow("already registered") << 3 << "Player 2"
                                            << "Player 2 is already registered";
    }
    void registerRefusals()
    {
        QFETCH(int, players);
        QFETCH(QString, typed);
        TemporarySettings settings;
        Shell shell;
        ScriptedMessages messages(shell);
        SeasonPtr s = MakeSeason(1, players);
        RegisterPlayerDialog reg(shell, *s, nullptr);
        QTest::keyClicks(reg.NameField(), typed);
        reg.OkButton()->click();
        QTEST(messages.Last(), "message");
        QCOMPARE(reg.result(), 0);
        QCOMPARE(reg.NameField()->text(), typed); // left to correct
        QCOMPARE(int(s->players.size()), players);
    }

    // A stored figure beyond the arrows' range survives OK; a field that
    // holds no number keeps the dialog open and the stored value.
    void broughtForward()
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
            const auto edit = [&](auto box) {
                return dialog.BroughtForwardBox(box)->template findChild<QLineEdit*>();
            };
            QLineEdit* against = edit(PlayerSummaryDialog::AgainstBox);
            QCOMPARE(edit(PlayerSummaryDialog::ForBox)->text(), QStringLiteral("5000"));
            const QColor normal = against->palette().color(QPalette::Base);
            against->setText(QStringLiteral("x"));
            QVERIFY(against->palette().color(QPalette::Base) != normal);
            dialog.accept();
            QCOMPARE(dialog.result(), 0);
            QVERIFY(!dialog.Changed() && !s->modified);
            against->setText(QStringLiteral("-12"));
            QCOMPARE(against->palette().color(QPalette::Base), normal);
            dialog.accept();
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QVERIFY(dialog.Changed() && s->modified);
        }
        QCOMPARE(p.broughtFor, 5000);
        QCOMPARE(p.broughtAgainst, -12);
    }

    // Copy puts the header and the selected rows on the clipboard, as text
    // and as an HTML table.
    void copy()
    {
        FakeHost host;
        SeasonPtr s = MakeSeason(3, 2);
        TeamSummaryDialog dialog(*s, host, nullptr);
        QTreeWidget* list = dialog.ListWidget();
        QCOMPARE(list->topLevelItemCount(), 3);
        list->topLevelItem(2)->setSelected(true);
        list->topLevelItem(0)->setSelected(true);
        dialog.Copy()->click();
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        const QStringList lines = data->text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Date\tHome\tH\tA\tAway"));
        QCOMPARE(lines[1].split(u'\t').size(), 5);
        QCOMPARE(lines[2].split(u'\t')[0], list->topLevelItem(2)->text(0));
        QVERIFY(data->html().contains(QStringLiteral("<th>Home</th>")));
        QCOMPARE(data->html().count(QStringLiteral("<tr>")), 3);
    }
};

TESSEL_TEST(TestPlayerDialogs)
#include "tst_PlayerDialogs.moc"
