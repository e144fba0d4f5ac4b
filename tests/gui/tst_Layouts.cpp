#include "support/TestRegistry.h"
// Every window and dialog as laid out on a 96-dpi screen in the default font: the tree of
// visible widgets, each with its text, place and size, in one golden file. A margin, a
// spacing, a grid column or a minimum width that changes shows in the diff.

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

// A widget's own text, cut short, and its name.
QString Text(const QWidget* w)
{
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    else if (const auto* group = qobject_cast<const QGroupBox*>(w))
        text = group->title();
    text = text.left(32).replace(u'\n', u"\\n"_s);
    if (!w->objectName().isEmpty())
        text += (text.isEmpty() ? u"#"_s : u" #"_s) + w->objectName();
    return text;
}

// One line a widget: class, text, geometry within its parent; a list adds its column
// widths. The insides of Qt's own compound controls are left out.
void Dump(const QWidget* w, int depth, QString& out)
{
    const QRect g = w->geometry();
    out += u"%1%2 \"%3\" %4,%5 %6x%7"_s.arg(QString(depth * 2, u' '))
               .arg(QString::fromLatin1(w->metaObject()->className()), Text(w))
               .arg(g.x())
               .arg(g.y())
               .arg(g.width())
               .arg(g.height());
    const auto* tree = qobject_cast<const QTreeView*>(w);
    const auto* table = qobject_cast<const QTableView*>(w);
    if (const QHeaderView* header = tree    ? tree->header()
                                    : table ? table->horizontalHeader()
                                            : nullptr) {
        out += u" columns"_s;
        for (int c = 0; c < header->count(); ++c)
            out += u" %1"_s.arg(header->sectionSize(c));
    }
    out += u'\n';
    const bool whole =
        qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
        qobject_cast<const QLineEdit*>(w) || qobject_cast<const QScrollBar*>(w) ||
        (qobject_cast<const QAbstractScrollArea*>(w) && !qobject_cast<const QMdiArea*>(w));
    if (const auto* scroll = qobject_cast<const QScrollArea*>(w); scroll && scroll->widget())
        Dump(scroll->widget(), depth + 1, out);
    if (whole)
        return;
    for (const QObject* child : w->children())
        if (const auto* c = qobject_cast<const QWidget*>(child);
            c && c->isVisible() && !c->isWindow())
            Dump(c, depth + 1, out);
}

QString Shown(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return u"not shown\n"_s;
    QString out = u"== %1\n"_s.arg(window.windowTitle());
    Dump(&window, 0, out);
    return out;
}

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

    // The frame with three results windows as opened, then through each arrangement (a
    // minimised window's icon keeps the bottom row to itself); the program icon's sizes.
    void frame()
    {
        Frame f;
        for (int fixtures : {12, 20, 30})
            f.frame.OpenResultsWindow(MakeSeason(fixtures, 15));
        QString out = u"icon"_s;
        for (const QSize size : f.frame.windowIcon().availableSizes())
            out += u" %1x%2"_s.arg(size.width()).arg(size.height());
        out += u'\n' + Shown(f.frame);
        // A frame too small for the windows' preferred sizes, to see them bounded.
        f.frame.resize(640, 420);
        const QList<QMdiSubWindow*> windows = f.frame.Area()->subWindowList();
        const auto arranged = [&](int command, const QString& name) {
            f.frame.Command(command);
            QApplication::processEvents();
            out += u"== "_s + name + u'\n';
            for (QMdiSubWindow* w : windows) {
                w->widget()->grab(); // paints, which places the scroll bars
                Dump(w, 1, out);
            }
        };
        arranged(Command::TileVertically, u"side by side"_s);
        arranged(Command::CascadeWindows, u"cascaded"_s);
        arranged(Command::TileHorizontally, u"one above the other"_s);
        windows[1]->showMinimized();
        arranged(Command::CascadeWindows, u"one minimised, cascaded"_s);
        arranged(Command::ArrangeIcons, u"icons arranged"_s);
        TESSEL_COMPARE_GOLDEN("gui/frame-layouts.txt", out.toStdString());
    }
};

TESSEL_TEST(TestLayouts)
#include "tst_Layouts.moc"
