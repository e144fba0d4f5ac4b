#include <QtTest>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "GuiTestSupport.h"
#include "app/HelpWindow.h"
#include "app/PreferencesDialog.h"

namespace {

struct Write {
    std::string name;
    std::int32_t value;
    bool operator==(const Write&) const = default;
};

// Records the writes; the one numbered failAt (from 1) fails.
struct RecordingWriter {
    std::vector<Write> writes;
    int failAt = 0;

    PreferencesDialog::NumberWriter Writer()
    {
        return [this](std::string_view name, std::int32_t value) {
            writes.push_back({std::string(name), value});
            return static_cast<int>(writes.size()) != failAt;
        };
    }
};

Preferences Opening()
{
    Preferences p;
    p.minGames = 3;
    p.homeOnLeftScreen = 0;
    p.homeOnLeftPrinter = 1;
    p.highlightLosses = 0;
    return p;
}

} // namespace

class TestPreferencesDialog : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheCurrentValues()
    {
        Shell shell;
        shell.preferences.minGames = 7;
        shell.preferences.homeOnLeftScreen = 1;
        shell.preferences.homeOnLeftPrinter = 0;
        shell.preferences.highlightLosses = 1 | 8 | 32;
        PreferencesDialog dialog(shell, nullptr);
        QCOMPARE(dialog.MinGamesEdit()->text(), QStringLiteral("7"));
        QVERIFY(dialog.Box(351)->isChecked());
        QVERIFY(!dialog.Box(352)->isChecked());
        const bool expected[] = {true, false, false, true, false, true};
        for (int bit = 0; bit < 6; ++bit)
            QCOMPARE(dialog.Box(353 + bit)->isChecked(), expected[bit]);
        QCOMPARE(dialog.findChild<QCheckBox*>(QStringLiteral("control356")), dialog.Box(356));
    }

    // What OK writes after the user's changes, in order, and what the
    // program then holds.
    void okWritesChangedValuesInOrder_data()
    {
        QTest::addColumn<QString>("minGames");
        QTest::addColumn<QList<int>>("toggled"); // control numbers
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("nothing changed")
            << QStringLiteral("3") << QList<int>{} << QStringList{} << QList<int>{};
        QTest::newRow("lost matches on screen only")
            << QStringLiteral("3") << QList<int>{355} << Strings({"HighlightLosses"})
            << QList<int>{4};
        QTest::newRow("every value, in the fixed order")
            << QStringLiteral("0") << QList<int>{358, 351, 352, 353}
            << Strings({"MinGames", "HomeOnLeftScreen", "HomeOnLeftPrinter", "HighlightLosses"})
            << QList<int>{0, 1, 0, 33};
        QTest::newRow("a box ticked and unticked is no change")
            << QStringLiteral("3") << QList<int>{354, 354} << QStringList{} << QList<int>{};
        QTest::newRow("largest number") << QStringLiteral("4294967295") << QList<int>{}
                                        << Strings({"MinGames"}) << QList<int>{-1};
    }
    void okWritesChangedValuesInOrder()
    {
        QFETCH(QString, minGames);
        QFETCH(QList<int>, toggled);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, values);

        Shell shell;
        ScriptedMessages messages(shell);
        shell.preferences = Opening();
        RecordingWriter writer;
        PreferencesDialog dialog(shell, nullptr);
        dialog.SetNumberWriter(writer.Writer());
        dialog.MinGamesEdit()->setText(minGames);
        for (int control : toggled)
            dialog.Box(control)->click();
        dialog.OkButton()->click();

        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(messages.shown.empty());
        QCOMPARE(static_cast<int>(writer.writes.size()), names.size());
        for (qsizetype i = 0; i < names.size(); ++i) {
            QCOMPARE(QString::fromStdString(writer.writes[static_cast<std::size_t>(i)].name),
                     names.at(i));
            QCOMPARE(writer.writes[static_cast<std::size_t>(i)].value, values.at(i));
        }
        QCOMPARE(dialog.Changed(), !names.isEmpty());
        QCOMPARE(shell.preferences.minGames, minGames.toUInt());
    }

    void failedWriteStopsAndKeepsTheOldValues()
    {
        Shell shell;
        ScriptedMessages messages(shell);
        shell.preferences = Opening();
        RecordingWriter writer;
        writer.failAt = 2;
        PreferencesDialog dialog(shell, nullptr);
        dialog.SetNumberWriter(writer.Writer());
        dialog.MinGamesEdit()->setText(QStringLiteral("5"));
        dialog.Box(351)->click();
        dialog.Box(352)->click();
        dialog.OkButton()->click();

        // MinGames written, HomeOnLeftScreen refused, nothing after it tried.
        QCOMPARE(writer.writes.size(), std::size_t{2});
        QCOMPARE(writer.writes[1].name, std::string("HomeOnLeftScreen"));
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Cannot write to preferences file"});
        QCOMPARE(messages.shown[0].icon, MessageIcon::Exclamation);
        QCOMPARE(messages.shown[0].title, std::string(kDefaultErrorTitle));
        QCOMPARE(dialog.result(), int(QDialog::Rejected)); // still open
        QCOMPARE(shell.preferences.minGames, 3u);
        QCOMPARE(shell.preferences.homeOnLeftScreen, 0u);
    }

    void storeThatRefusesWrites()
    {
        // A plain file where the store's folder should be: nothing can be written.
        TemporarySettings settings;
        QVERIFY(QDir().mkpath(settings.UserRoot()));
        QFile blocker(settings.UserRoot() + QStringLiteral("/Orvane"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        Shell shell;
        ScriptedMessages messages(shell);
        shell.preferences = Opening();
        PreferencesDialog dialog(shell, nullptr);
        dialog.MinGamesEdit()->setText(QStringLiteral("4"));
        dialog.OkButton()->click();
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Cannot write to preferences file"});
        QCOMPARE(shell.preferences.minGames, 3u);
    }

    void writesReachTheStore()
    {
        TemporarySettings settings;
        Shell shell;
        shell.preferences = LoadPreferences();
        PreferencesDialog dialog(shell, nullptr);
        dialog.MinGamesEdit()->setText(QStringLiteral("6"));
        dialog.Box(357)->click();
        dialog.OkButton()->click();
        QVERIFY(dialog.Changed());
        const Preferences stored = LoadPreferences();
        QCOMPARE(stored.minGames, 6u);
        QCOMPARE(stored.highlightLosses, 16u);
        QCOMPARE(stored.homeOnLeftPrinter, 1u);
    }

    void minimumMustBeANumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("too large") << QStringLiteral("4294967296");
    }
    void minimumMustBeANumber()
    {
        QFETCH(QString, text);
        Shell shell;
        ScriptedMessages messages(shell);
        shell.preferences = Opening();
        RecordingWriter writer;
        PreferencesDialog dialog(shell, nullptr);
        dialog.SetNumberWriter(writer.Writer());
        dialog.MinGamesEdit()->setText(text);
        dialog.Box(353)->click();
        dialog.OkButton()->click();
        QCOMPARE(messages.Texts(),
                 std::vector<std::string>{"Minimum no of games must be a number."});
        QVERIFY(writer.writes.empty());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void boxTakesDigitsOnly()
    {
        Shell shell;
        PreferencesDialog dialog(shell, nullptr);
        dialog.MinGamesEdit()->clear();
        QTest::keyClicks(dialog.MinGamesEdit(), QStringLiteral("1-2a3"));
        QCOMPARE(dialog.MinGamesEdit()->text(), QStringLiteral("123"));
    }

    void helpShowsItsTopic_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("Help button") << false;
        QTest::newRow("F1") << true;
    }
    void helpShowsItsTopic()
    {
        QFETCH(bool, byKey);
        Shell shell;
        PreferencesDialog dialog(shell, nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        if (byKey)
            QTest::keyClick(&dialog, Qt::Key_F1);
        else
            dialog.findChild<QPushButton*>(QStringLiteral("control100"))->click();
        QVERIFY(shell.Help());
        QCOMPARE(shell.Help()->CurrentPage(), QUrl(QStringLiteral("qrc:/help/topic15.html")));
        QVERIFY(dialog.isVisible());
    }

    void cancelStoresNothing()
    {
        Shell shell;
        shell.preferences = Opening();
        RecordingWriter writer;
        PreferencesDialog dialog(shell, nullptr);
        dialog.SetNumberWriter(writer.Writer());
        dialog.Box(353)->click();
        dialog.reject();
        QVERIFY(writer.writes.empty());
        QVERIFY(!dialog.Changed());
        QCOMPARE(shell.preferences.highlightLosses, 0u);
    }
};

QTEST_MAIN(TestPreferencesDialog)
#include "tst_PreferencesDialog.moc"
