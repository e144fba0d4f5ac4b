#include "support/TestRegistry.h"
#include <QtTest>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "gui/HelpWindow.h"
#include "gui/PreferencesDialog.h"

namespace {

// A dialog opened on known values whose writes are recorded ("Name=value"
// each); the write numbered failAt (from 1) fails.
struct OpenDialog {
    OpenDialog()
    {
        shell.preferences.minGames = 3;
        shell.preferences.homeOnLeftScreen = 0;
        shell.preferences.homeOnLeftPrinter = 1;
        shell.preferences.highlightLosses = 32; // box 358 ticked
        dialog = std::make_unique<PreferencesDialog>(shell, nullptr);
        dialog->SetNumberWriter([this](std::string_view name, std::int32_t value) {
            writes << QStringLiteral("%1=%2")
                          .arg(QString::fromUtf8(name.data(), qsizetype(name.size())))
                          .arg(value);
            return writes.size() != failAt;
        });
    }
    void Ok(const QString& minGames, const QList<int>& toggled)
    {
        dialog->MinGamesEdit()->setText(minGames);
        for (int control : toggled)
            dialog->Box(control)->click();
        dialog->OkButton()->click();
    }
    Shell shell;
    ScriptedMessages messages{shell};
    std::unique_ptr<PreferencesDialog> dialog;
    QStringList writes;
    qsizetype failAt = 0;
};

} // namespace

class TestPreferencesDialog : public QObject {
    Q_OBJECT

private slots:
    // What OK writes after the user's changes, in order, and what the
    // program then holds. Nothing changed writes nothing: the dialog opened
    // showing the values it was given. A failed write stops the rest and keeps
    // the old values; a minimum that is no number writes nothing.
    void ok_data()
    {
        QTest::addColumn<QString>("minGames");
        QTest::addColumn<QList<int>>("toggled"); // control numbers
        QTest::addColumn<int>("failAt");         // the write that fails, from 1; 0: none
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QString>("message");
        const QString number = QStringLiteral("Minimum no of games must be a number.");
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
        QTest::newRow("largest number")
            << "4294967295" << QList<int>{} << 0 << Strings({"MinGames=-1"}) << "";
        QTest::newRow("empty") << "" << QList<int>{353} << 0 << QStringList{} << number;
        QTest::newRow("too large")
            << "4294967296" << QList<int>{353} << 0 << QStringList{} << number;
        QTest::newRow("second write fails")
            << "5" << QList<int>{351, 352} << 2 << Strings({"MinGames=5", "HomeOnLeftScreen=1"})
            << "Cannot write to preferences file";
    }
    void ok()
    {
        QFETCH(QString, minGames);
        QFETCH(QList<int>, toggled);
        QFETCH(QStringList, writes);
        QFETCH(QString, message);
        OpenDialog f;
        QFETCH(int, failAt);
        f.failAt = failAt;
        f.Ok(minGames, toggled);
        const bool accepted = message.isEmpty();
        QCOMPARE(f.writes, writes);
        QCOMPARE(f.messages.Last(), message);
        QCOMPARE(f.dialog->result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(f.dialog->Changed(), accepted && !writes.isEmpty());
        QCOMPARE(f.shell.preferences.minGames, accepted ? minGames.toUInt() : 3u);
        QCOMPARE(f.shell.preferences.homeOnLeftScreen,
                 accepted ? f.dialog->Box(351)->isChecked() : 0u);
        if (failAt)
            QCOMPARE(f.messages.shown[0].icon, MessageIcon::Exclamation);
    }

    void storeIsWrittenOrTheFailureShown_data()
    {
        QTest::addColumn<bool>("blocked"); // a plain file where the store's folder should be
        QTest::newRow("written") << false;
        QTest::newRow("store refuses") << true;
    }
    void storeIsWrittenOrTheFailureShown()
    {
        QFETCH(bool, blocked);
        TemporarySettings settings;
        if (blocked) {
            QVERIFY(QDir().mkpath(settings.UserRoot()));
            QFile blocker(settings.UserRoot() + QStringLiteral("/Orvane"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        }
        Shell shell;
        ScriptedMessages messages(shell);
        PreferencesDialog dialog(shell, nullptr);
        dialog.MinGamesEdit()->setText(QStringLiteral("6"));
        dialog.Box(357)->click();
        dialog.OkButton()->click();
        QCOMPARE(messages.Texts(),
                 blocked ? std::vector<std::string>{"Cannot write to preferences file"}
                         : std::vector<std::string>{});
        QCOMPARE(shell.preferences.minGames, blocked ? 3u : 6u);
        if (!blocked) {
            const Preferences stored = LoadPreferences();
            QCOMPARE(stored.minGames, 6u);
            QCOMPARE(stored.highlightLosses, 16u);
            QCOMPARE(stored.homeOnLeftPrinter, 1u);
        }
    }

    void boxTakesDigitsOnlyAndCancelStoresNothing()
    {
        OpenDialog f;
        QCOMPARE(f.dialog->MinGamesEdit()->text(), QStringLiteral("3"));
        f.dialog->MinGamesEdit()->clear();
        QTest::keyClicks(f.dialog->MinGamesEdit(), QStringLiteral("1-2a3"));
        QCOMPARE(f.dialog->MinGamesEdit()->text(), QStringLiteral("123"));
        f.dialog->Box(353)->click();
        f.dialog->reject();
        QVERIFY(f.writes.isEmpty());
        QVERIFY(!f.dialog->Changed());
        QCOMPARE(f.shell.preferences.minGames, 3u);
        QCOMPARE(f.shell.preferences.highlightLosses, 32u);
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
        shell.ShowHelp(99); // back to the contents
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
