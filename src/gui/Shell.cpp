#include "gui/Shell.h"

#include <QFontDialog>
#include <QMessageBox>

#include <algorithm>

#include "gui/CommandIds.h"
#include "gui/FileDialogs.h"
#include "gui/HelpWindow.h"
#include "gui/RecentFiles.h"
#include "gui/ResultsWindow.h"

Shell::Shell()
    : recentFiles_(std::make_unique<RecentFiles>()), fileDialogs_(std::make_unique<FileDialogs>())
{
}

Shell::~Shell()
{
    CloseHelp();
}

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton BoxButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Answer Shell::Present(const ShellMessage& message)
{
    if (presenter_)
        return presenter_(message);

    QMessageBox box(BoxIcon(message.icon), FromUtf8(message.title), FromUtf8(message.text),
                    QMessageBox::NoButton, message.owner);
    // Paths and season names may hold "<" or "&": never read them as markup.
    box.setTextFormat(Qt::PlainText);
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(BoxButton(message.defaultAnswer));
    // Closing the box without a button means Cancel where there is one, else
    // the safe answer: No for a Yes/No question.
    if (message.buttons == Buttons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return message.buttons == Buttons::YesNoCancel ? Answer::Cancel : Answer::Ok;
    }
}

void Shell::ShowHelp(int topic)
{
    if (!help_)
        help_ = new HelpWindow();
    if (topic == HelpTopic::Contents)
        help_->ShowContents();
    else
        help_->ShowTopic(topic);
}

void Shell::CloseHelp()
{
    delete help_.data();
}

HelpWindow* Shell::Help() const
{
    return help_.data();
}

void Shell::Register(ResultsWindow* window)
{
    windows_.push_back(window);
}

void Shell::Unregister(ResultsWindow* window)
{
    windows_.erase(std::remove(windows_.begin(), windows_.end(), window), windows_.end());
}

ResultsWindow* Shell::WindowFor(const Season& season) const
{
    for (ResultsWindow* w : windows_)
        if (w->GetSeason() == &season)
            return w;
    return nullptr;
}

void Shell::RefreshAllWindows(bool layoutChanged)
{
    for (ResultsWindow* w : windows_)
        w->RecomputeAndRepaint(layoutChanged);
}

std::optional<QFont> Shell::ChooseFont(const QFont& initial, QWidget* owner)
{
    if (fontChooser)
        return fontChooser(initial, owner);
    bool ok = false;
    // Scalable faces only: the grid is drawn at any size, on screen and paper.
    const QFont chosen = QFontDialog::getFont(&ok, initial, owner, QStringLiteral("Font"),
                                              QFontDialog::ScalableFonts);
    if (!ok)
        return std::nullopt;
    return chosen;
}
