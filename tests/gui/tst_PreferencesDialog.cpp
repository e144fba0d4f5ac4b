#include "support/TestRegistry.h"

#include "GuiTestSupport.h"
#include "gui/HelpWindow.h"
#include "gui/PreferencesDialog.h"

class TestPreferencesDialog : public QObject {
    Q_OBJECT

private slots:
    // What OK writes after the user's changes, in order, and what the
    // program then holds. Nothing changed writes nothing: the dialog opened
    // showing the values it was given. A failed write stops the rest and keeps
    // the old values; a minimum that is no number writes nothing; the box
    // takes digits only; Cancel writes nothing.
    void ok_data()
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
    void ok()
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

    // The real store: a failure to write it is shown and keeps the old
    // values; once it can be written, what OK wrote is read back.
    void store()
    {
        TemporarySettings settings;
        QVERIFY(QDir().mkpath(settings.UserRoot()));
        QFile blocker(settings.UserRoot() + u"/Orvane"_s); // a file where its folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        Shell shell;
        ScriptedMessages messages(shell);
        for (bool blocked : {true, false}) {
            QVERIFY(blocked || blocker.remove());
            PreferencesDialog dialog(shell, nullptr);
            dialog.MinGamesEdit()->setText(u"6"_s);
            dialog.Box(357)->click();
            dialog.OkButton()->click();
            QCOMPARE(messages.shown.size(), std::size_t(1));
            QCOMPARE(messages.Last(), u"Cannot write to preferences file"_s);
            QCOMPARE(shell.preferences.minGames, blocked ? 3u : 6u);
        }
        const Preferences stored = LoadPreferences();
        QCOMPARE(stored.minGames, 6u);
        QCOMPARE(stored.highlightLosses, 16u);
        QCOMPARE(stored.homeOnLeftPrinter, 1u);
    }

    void helpShowsItsTopicByButtonAndF1()
    {
        Shell shell;
        PreferencesDialog dialog(shell, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        const QUrl topic(QStringLiteral("qrc:/help/topic15.html"));
        dialog.findChild<QPushButton*>(QStringLiteral("control100"))->click();
        QCOMPARE(shell.Help()->CurrentPage(), topic);
        shell.ShowHelp(99); // no such topic: the contents
        QCOMPARE(shell.Help()->CurrentPage(), HelpWindow::ContentsPage());
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_F1);
        QVERIFY(shell.Help());
        QCOMPARE(shell.Help()->CurrentPage(), topic);
        QVERIFY(dialog.isVisible());
    }
};

TESSEL_TEST(TestPreferencesDialog)
#include "tst_PreferencesDialog.moc"
