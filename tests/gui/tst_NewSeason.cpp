#include "support/TestRegistry.h"
#include <QtTest>

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>

#include <functional>

#include "GuiTestSupport.h"
#include "gui/CommandIds.h"
#include "gui/FileDialogs.h"
#include "gui/FrameWindow.h"
#include "gui/ResultsWindow.h"
#include "gui/dialogs/FixtureListDialog.h"
#include "gui/dialogs/TeamOptionsDialog.h"
#include "model/Dates.h"
#include "platform/SeasonFiles.h"

namespace {

// Runs action once a modal dialog of type T is the active one (a modal
// dialog's exec() does not return to the test until it closes).
template <typename T> void WhenShown(std::function<void(T*)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        action(dialog);
    });
    timer->start();
}

// Keys go where the focus is; a window closing hands the focus back to the
// one below a moment later.
void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTRY_VERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

void Type(const QString& text)
{
    QTRY_VERIFY(QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), text);
}

// Types the fields of a new season, tabbing from one to the next.
void TypeTeam(const QStringList& fields)
{
    for (const QString& field : fields) {
        Type(field);
        Key(Qt::Key_Tab);
    }
}

} // namespace

class TestNewSeason : public QObject {
    Q_OBJECT

    std::unique_ptr<TemporarySettings> settings_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::unique_ptr<FrameWindow> frame_;

private slots:
    void init()
    {
        settings_ = std::make_unique<TemporarySettings>();
        shell_ = std::make_unique<Shell>();
        messages_ = std::make_unique<ScriptedMessages>(*shell_);
        frame_ = std::make_unique<FrameWindow>(*shell_);
        frame_->show();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }
    void cleanup()
    {
        for (ResultsWindow* w : frame_->ResultsWindows())
            if (Season* s = w->GetSeason())
                s->modified = false;
        frame_.reset();
        messages_.reset();
        shell_.reset();
        settings_.reset();
    }

    // File > New, "Enter fixtures..." and three times "OK and next", all
    // from the keyboard; then Save, which asks for a name, and the file read
    // back.
    void newSeasonFromKeyboard()
    {
        QStringList numbers;
        QStringList focusAfterNext;
        WhenShown<TeamOptionsDialog>([&](TeamOptionsDialog* team) {
            TypeTeam({QStringLiteral("Crown Green"), QStringLiteral("Valley League"),
                      QStringLiteral("Division 1"), QStringLiteral("3"), QStringLiteral("4")});
            WhenShown<FixtureListDialog>([&](FixtureListDialog* list) {
                const char* const opponents[] = {"Ashton", "Bury", "Crewe"};
                for (const char* opponent : opponents) {
                    numbers << list->FixtureNumber();
                    if (numbers.size() == 1) {
                        // The picker starts at today; the first match is on 1 May.
                        QCOMPARE(QApplication::focusWidget(), list->DatePicker());
                        Type(QStringLiteral("01052027"));
                    }
                    Key(Qt::Key_Tab);
                    Type(QString::fromLatin1(opponent));
                    Key(Qt::Key_Return);
                    if (list->isVisible())
                        focusAfterNext << QApplication::focusWidget()->objectName();
                }
            });
            // A mnemonic clicks its button a moment later, as a click looks.
            Key(Qt::Key_E, Qt::AltModifier);
            QTRY_VERIFY(!team->EnterFixturesButton()->isEnabled());
            Key(Qt::Key_Return);
        });
        QTest::keyClick(frame_.get(), Qt::Key_F, Qt::AltModifier);
        QWidget* popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        QTest::keyClick(popup, Qt::Key_N);

        QCOMPARE(numbers, Strings({"1", "2", "3"}));
        QCOMPARE(focusAfterNext, Strings({"datePicker", "datePicker"}));
        QVERIFY(messages_->shown.empty());
        ResultsWindow* window = frame_->ActiveResultsWindow();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Crown Green"));
        QVERIFY(window->GetSeason()->untitled);

        const QString path = settings_->Path(QStringLiteral("crown.bwl"));
        shell_->Dialogs().PresetSave(path);
        // No window manager here hands the activation back once the dialog is gone.
        frame_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
        Key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!window->GetSeason()->modified);

        FakeHost host;
        SeasonPtr read = OpenSeasonPath(host, path, false);
        QVERIFY(read);
        QCOMPARE(read->teamName, "Crown Green");
        QCOMPARE(read->leagueName, "Valley League");
        QCOMPARE(read->division, "Division 1");
        QCOMPARE(read->schemeIndex, 0u);
        QCOMPARE(int(read->teamSize), 4);
        QStringList fixtures;
        for (const auto& f : read->fixtures) {
            const SystemTime day = DateToSystemTime(f->date);
            fixtures << QStringLiteral("%1 %2 %3/%4/%5 %6")
                            .arg(QString::fromStdString(f->opponent),
                                 QChar::fromLatin1("HAN"[f->venue]))
                            .arg(day.day)
                            .arg(day.month)
                            .arg(day.year)
                            .arg(f->games.size());
        }
        QCOMPARE(fixtures,
                 Strings({"Ashton H 1/5/2027 4", "Bury A 8/5/2027 4", "Crewe H 15/5/2027 4"}));
    }

    // Cancel after "Enter fixtures..." leaves no season behind.
    void cancelDiscardsFixtures()
    {
        WhenShown<TeamOptionsDialog>([&](TeamOptionsDialog* team) {
            TypeTeam({QStringLiteral("Crown Green"), QStringLiteral("Valley League"),
                      QStringLiteral("Division 1"), QStringLiteral("3"), QStringLiteral("4")});
            WhenShown<FixtureListDialog>([&](FixtureListDialog* list) {
                Key(Qt::Key_Tab);
                Type(QStringLiteral("Ashton"));
                Key(Qt::Key_F, Qt::AltModifier);
                QTRY_VERIFY(!list->isVisible());
            });
            Key(Qt::Key_E, Qt::AltModifier);
            QTRY_VERIFY(!team->EnterFixturesButton()->isEnabled());
            Key(Qt::Key_Escape);
        });
        frame_->Command(Command::New);
        QVERIFY(frame_->ResultsWindows().isEmpty());
    }

    // Edit team: a new team name retitles the window; a declined scheme
    // change stores nothing, names included.
    void editTeam()
    {
        ResultsWindow* window = frame_->OpenResultsWindow(MakeSeason(3, 2));
        Season& season = *window->GetSeason();
        const std::string oldName = season.teamName;
        messages_->answers = {Answer::No};
        WhenShown<TeamOptionsDialog>([&](TeamOptionsDialog* team) {
            QCOMPARE(team->SchemeList()->currentText(), QStringLiteral("Aggregate"));
            QVERIFY(team->EnterFixturesButton()->isHidden());
            Key(Qt::Key_A, Qt::ControlModifier);
            Type(QStringLiteral("Renamed"));
            team->SchemeList()->setCurrentText(QStringLiteral("Aggregate 15"));
            Key(Qt::Key_Return); // declined: the dialog stays
            QVERIFY(team->isVisible());
            QCOMPARE(season.teamName, oldName);
            team->SchemeList()->setCurrentText(QStringLiteral("Aggregate"));
            Key(Qt::Key_Return);
        });
        window->Command(Command::EditTeam);
        QCOMPARE(messages_->shown.size(), std::size_t(1));
        QCOMPARE(season.teamName, "Renamed");
        QCOMPARE(window->windowTitle(), QStringLiteral("Renamed"));
        QVERIFY(season.modified);
    }
};

TESSEL_TEST(TestNewSeason)
#include "tst_NewSeason.moc"
