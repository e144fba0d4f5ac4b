#include "gui/HelpWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <array>

#include "gui/CommandIds.h"

namespace {

constexpr std::array kTopics{HelpTopic::RenamePlayer,  HelpTopic::EditTeam,
                             HelpTopic::PlayerSummary, HelpTopic::Preferences,
                             HelpTopic::NewSeason,     HelpTopic::RegisterPlayer,
                             HelpTopic::FixtureEditor, HelpTopic::FixtureList};

} // namespace

// The pages are compiled into the program's library; registering them here
// keeps them reachable from any program that shows help, however it links.
// (Outside any namespace: the macro declares the registration function.)
static void RegisterHelpPages()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    RegisterHelpPages();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Tessel Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
    auto* back = new QPushButton(QStringLiteral("&Back"), this);
    auto* forward = new QPushButton(QStringLiteral("&Forward"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(640, 560);
}

QUrl HelpWindow::ContentsPage()
{
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

QUrl HelpWindow::TopicPage(int topic)
{
    for (int t : kTopics)
        if (t == topic)
            return QUrl(QStringLiteral("qrc:/help/topic%1.html").arg(topic));
    return ContentsPage();
}

void HelpWindow::ShowContents()
{
    Open(ContentsPage());
}

void HelpWindow::ShowTopic(int topic)
{
    Open(TopicPage(topic));
}

QUrl HelpWindow::CurrentPage() const
{
    return browser_->source();
}

void HelpWindow::Open(const QUrl& page)
{
    browser_->setSource(page);
    // Asked for from a modal dialog, help would be blocked with every other
    // window; it then takes its turn above the dialog, which waits for it.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        hide(); // modality changes only while hidden
        setWindowModality(modality);
    }
    show();
    raise();
    activateWindow();
}
