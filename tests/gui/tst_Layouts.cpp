#include "support/TestRegistry.h"
// Every dialog as laid out on a 96-dpi screen in the default font: the tree of visible
// widgets, each with its text, place and size, in one golden file (the frame's is taken in
// the windows test). A margin, a spacing, a grid column or a minimum width that changes shows
// in the diff.

#include "GuiTestSupport.h"
#include "gui/AboutDialog.h"
#include "gui/PreferencesDialog.h"
#include "gui/dialogs/FixtureEditorDialog.h"
#include "gui/dialogs/FixtureListDialog.h"
#include "gui/dialogs/PlayerSummaryDialog.h"
#include "gui/dialogs/RegisterPlayerDialog.h"
#include "gui/dialogs/RenamePlayerDialog.h"
#include "gui/dialogs/TeamOptionsDialog.h"
#include "gui/dialogs/TeamSummaryDialog.h"
#include "support/Golden.h"

namespace {

template <typename Dialog, typename... Arguments> QString Shown(Arguments&&... arguments)
{
    Dialog dialog(std::forward<Arguments>(arguments)...);
    return Shown(dialog);
}

} // namespace

class TestLayouts : public QObject {
    Q_OBJECT

private slots:
    void dialogs()
    {
        TemporarySettings settings;
        Shell shell;
        ScriptedMessages messages(shell);
        FakeHost host;
        SeasonPtr singles = OpenSeasonPath(host, Example("stockport-singles.bwl"), true);
        SeasonPtr pairs = OpenSeasonPath(host, Example("tameside-pairs.bwl"), true);
        QVERIFY(singles && pairs);
        QString out = Shown<AboutDialog>(nullptr) + Shown<PreferencesDialog>(shell, nullptr) +
                      Shown<TeamOptionsDialog>(shell, nullptr, nullptr) +
                      Shown<TeamOptionsDialog>(shell, singles.get(), nullptr) +
                      Shown<FixtureListDialog>(shell, *singles, nullptr);
        for (Season* s : {singles.get(), pairs.get()})
            out += Shown<FixtureEditorDialog>(shell, *s, 0, FixtureEditorDialog::PrintRequest());
        // An away fixture with the home side on the left, in a larger font: the columns
        // mirrored, a pair's boxes still centred beside its two players.
        const QFont original = QApplication::font();
        QApplication::setFont(QFont(original.family(), 14));
        shell.preferences.homeOnLeftScreen = 1;
        pairs->FixtureAt(0)->venue = Away;
        out += Shown<FixtureEditorDialog>(shell, *pairs, 0, FixtureEditorDialog::PrintRequest());
        QApplication::setFont(original);
        for (Season* s : {pairs.get(), singles.get()}) {
            s->scheme.flags |= EditBroughtForward; // the pairs' summary has no such boxes
            out += Shown<PlayerSummaryDialog>(shell, *s, *s->players[0], nullptr);
        }
        for (Season* s : {singles.get(), pairs.get()})
            out += Shown<TeamSummaryDialog>(*s, host, nullptr);
        out += Shown<RegisterPlayerDialog>(shell, *singles, nullptr) +
               Shown<RenamePlayerDialog>(shell, *singles, *singles->players[1], nullptr);
        QVERIFY(messages.shown.empty());
        TESSEL_COMPARE_GOLDEN("gui/dialog-layouts.txt", out.toStdString());
    }
};

TESSEL_TEST(TestLayouts)
#include "tst_Layouts.moc"
