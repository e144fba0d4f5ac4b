#pragma once

// Shared helpers of the desktop program's tests (header only).

#include <QPrinter>
#include <QtTest>
#include <QtWidgets>

#include <deque>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

#include "gui/CommandIds.h"
#include "gui/FileDialogs.h"
#include "gui/FrameWindow.h"
#include "gui/PrintJob.h"
#include "gui/ResultsWindow.h"
#include "gui/Shell.h"
#include "model/Recalculate.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"
#include "support/FakeHost.h"
#include "support/SeasonBuilder.h"

using namespace Qt::StringLiterals;

// Points the settings store at a fresh temporary directory for the lifetime
// of the object.
class TemporarySettings {
public:
    TemporarySettings()
    {
        SetSettingsStore(std::make_unique<SettingsStore>(Path("user"), Path("machine")));
    }
    ~TemporarySettings() { SetSettingsStore(nullptr); }
    QString Path(QAnyStringView name) const { return dir_.filePath(name.toString()); }

private:
    QTemporaryDir dir_;
};

// Answers the program's message boxes from a queue and records them all.
// A question with no answer queued gets its default button.
class ScriptedMessages {
public:
    explicit ScriptedMessages(Shell& shell)
    {
        shell.SetMessagePresenter([this](const ShellMessage& m) {
            shown.push_back(m);
            if (m.buttons == Buttons::Ok || answers.empty())
                return m.buttons == Buttons::Ok ? Answer::Ok : m.defaultAnswer;
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        });
    }
    // The last message's text ("" when none was shown).
    QString Last() const
    {
        return shown.empty() ? QString() : QString::fromStdString(shown.back().text);
    }

    std::vector<ShellMessage> shown;
    std::deque<Answer> answers;
};

inline QStringList Strings(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* s : items)
        list << QString::fromUtf8(s);
    return list;
}

// A menu as text: "command text" per item, "-" per separator.
inline QStringList MenuItems(const QMenu* menu)
{
    QStringList items;
    for (QAction* a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-")
                                   : QStringLiteral("%1 %2").arg(a->data().toInt()).arg(a->text()));
    return items;
}

inline QString Example(const char* name)
{
    return QStringLiteral(TESSEL_EXAMPLES "/") + QString::fromLatin1(name);
}

// A recalculated season of that many fixtures and players, titled and saved
// at path (or untitled when path is empty), unmodified.
inline SeasonPtr MakeSeason(int fixtures, int players, const QString& path = {})
{
    FakeHost host;
    SeasonPtr season = BuildSeason({.fixtureCount = fixtures, .playerCount = players}, host);
    Recalculate(*season, host, false);
    season->untitled = path.isEmpty();
    season->filePath = path.isEmpty() ? std::string("Untitled") : path.toStdString();
    season->modified = false;
    return season;
}

// A print dialog that prints to the PDF file at path, in that orientation and
// those pages; it counts its showings in *shown and notes in *ranges whether
// it offered page ranges.
inline PrintDialogRunner ToPdf(const QString& path, int* shown = nullptr, bool* ranges = nullptr,
                               QPageLayout::Orientation orientation = QPageLayout::Landscape,
                               const QString& pages = {})
{
    return [=](QWidget*, QPrinter& printer, bool teamResults) {
        if (shown)
            ++*shown;
        if (ranges)
            *ranges = teamResults;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageOrientation(orientation);
        if (!pages.isEmpty()) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setPageRanges(QPageRanges::fromString(pages));
        }
        return true;
    };
}

// Runs action once a modal dialog of type T is the active window (a modal
// dialog's exec() does not return to the test until it closes); a dialog the
// action leaves open is cancelled, so that a failed check never hangs.
template <typename T> void WhenShown(std::function<void(T&)> action)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isActiveWindow())
            return;
        timer->stop();
        timer->deleteLater();
        action(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    timer->start();
}

// Presses keys and types text, in turn, where the focus is (a closing window
// hands the focus back to the one below a moment later).
inline void Press(std::initializer_list<std::variant<QKeyCombination, QString>> keys)
{
    for (const auto& k : keys) {
        QTRY_VERIFY(QApplication::focusWidget());
        if (const QString* text = std::get_if<QString>(&k))
            QTest::keyClicks(QApplication::focusWidget(), *text);
        else
            QTest::keyClick(QApplication::focusWidget(), std::get<0>(k).key(),
                            std::get<0>(k).keyboardModifiers());
    }
}

// A widget's own text, cut short, and its name.
inline QString WidgetText(const QWidget* w)
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

// The layout of a window: one line a widget, with its class, text, and place and size within
// its parent; a list adds its column widths. The insides of Qt's own compound controls are left
// out.
inline void Dump(const QWidget* w, int depth, QString& out)
{
    const QRect g = w->geometry();
    out +=
        QString::asprintf("%*s%s \"%s\" %d,%d %dx%d", depth * 2, "", w->metaObject()->className(),
                          qUtf8Printable(WidgetText(w)), g.x(), g.y(), g.width(), g.height());
    if (const auto* list = qobject_cast<const QTreeView*>(w)) {
        out += u" columns"_s;
        for (int c = 0; c < list->header()->count(); ++c)
            out += u" %1"_s.arg(list->columnWidth(c));
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

inline QString Shown(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return u"not shown\n"_s;
    QString out = u"== %1\n"_s.arg(window.windowTitle());
    Dump(&window, 0, out);
    return out;
}

// The program's frame window, shown and active, over fresh settings and
// scripted messages; whatever is left unsaved at the end closes unasked.
struct Frame {
    Frame()
    {
        frame.show();
        if (!QTest::qWaitForWindowActive(&frame))
            qWarning("the frame window is not active");
    }
    ~Frame()
    {
        for (ResultsWindow* w : frame.ResultsWindows())
            if (Season* s = w->GetSeason())
                s->modified = false;
    }
    ResultsWindow* Open(int fixtures = 3, const QString& path = {})
    {
        ResultsWindow* w = frame.OpenResultsWindow(MakeSeason(fixtures, 2, path));
        if (QTest::qWaitForWindowExposed(w))
            w->repaint();
        return w;
    }
    // A copy of an example season in the settings' folder.
    QString Copy(const char* example, const char* name)
    {
        const QString path = settings.Path(name);
        return QFile::copy(Example(example), path) ? path : QString();
    }
    TemporarySettings settings;
    Shell shell;
    ScriptedMessages messages{shell};
    FrameWindow frame{shell};
};
