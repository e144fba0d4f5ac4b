#include "gui/dialogs/TeamOptionsDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/CommandIds.h"
#include "gui/Shell.h"
#include "gui/dialogs/FixtureListDialog.h"
#include "gui/dialogs/SeasonTextValidator.h"
#include "model/Recalculate.h"
#include "model/ScoringScheme.h"
#include "platform/Cp1252.h"

namespace {

// Widths in the dialog's own units: a quarter of the font's average
// character width each, so the proportions hold at any font size.
int UnitsWide(const QWidget* widget, int units)
{
    return units * widget->fontMetrics().averageCharWidth() / 4;
}

QLineEdit* NameEdit(QWidget* parent, int id, int length, const std::string& text)
{
    auto* edit = new QLineEdit(Cp1252ToQString(text), parent);
    edit->setObjectName(QStringLiteral("control%1").arg(id));
    edit->setMaxLength(length);
    edit->setValidator(new SeasonTextValidator(edit));
    edit->setMinimumWidth(UnitsWide(parent, 95));
    return edit;
}

QLineEdit* NumberEdit(QWidget* parent, int id)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("control%1").arg(id));
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    edit->setMinimumWidth(UnitsWide(parent, 95));
    return edit;
}

QPushButton* Button(QWidget* parent, const QString& text, int units)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setMinimumWidth(UnitsWide(parent, units));
    return button;
}

} // namespace

TeamOptionsDialog::TeamOptionsDialog(Shell& shell, Season* season, QWidget* parent)
    : QDialog(parent), shell_(shell), host_(shell, this), edited_(season)
{
    setObjectName(QStringLiteral("teamOptionsDialog"));
    setWindowTitle(QStringLiteral("Bowls results"));

    const Season empty;
    const Season& shown = season ? *season : empty;
    teamName_ = NameEdit(this, 201, kTeamNameLength, shown.teamName);
    leagueName_ = NameEdit(this, 202, kLeagueNameLength, shown.leagueName);
    division_ = NameEdit(this, 203, kDivisionLength, shown.division);
    matches_ = NumberEdit(this, 204);
    players_ = NumberEdit(this, 205);
    schemes_ = new QComboBox(this);
    schemes_->setObjectName(QStringLiteral("control206"));
    schemes_->setMinimumWidth(UnitsWide(this, 120));
    schemes_->setMaxVisibleItems(16);
    for (int index : OfferedSchemes()) {
        const std::string_view name = SchemeName(index);
        schemes_->addItem(Cp1252ToQString(name), index);
    }

    auto* grid = new QGridLayout;
    grid->setColumnStretch(2, 1);
    grid->setVerticalSpacing(UnitsWide(this, 8));
    const std::pair<const char*, QWidget*> rows[] = {
        {"&Team name", teamName_},
        {"&League name", leagueName_},
        {"&Division", division_},
        {"No of &matches in season", matches_},
        {"No of &players in team", players_},
        {"&Scoring scheme", schemes_},
    };
    int row = 0;
    for (const auto& [text, field] : rows) {
        auto* label = new QLabel(QString::fromLatin1(text), this);
        label->setBuddy(field);
        grid->addWidget(label, row, 0);
        // The scheme list is the wider one.
        grid->addWidget(field, row, 1, 1, field == schemes_ ? 2 : 1);
        ++row;
    }

    auto* ok = ok_ = Button(this, QStringLiteral("OK"), 40);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = Button(this, QStringLiteral("Cancel"), 40);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    enterFixtures_ = Button(this, QStringLiteral("&Enter fixtures..."), 58);
    enterFixtures_->setObjectName(QStringLiteral("control207"));
    auto* help = Button(this, QStringLiteral("&Help"), 40);
    help->setObjectName(QStringLiteral("helpButton"));
    const int topic = season ? HelpTopic::EditTeam : HelpTopic::NewSeason;
    connect(ok, &QPushButton::clicked, this, &TeamOptionsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &TeamOptionsDialog::reject);
    connect(enterFixtures_, &QPushButton::clicked, this, &TeamOptionsDialog::EnterFixtures);
    connect(help, &QPushButton::clicked, this, [this, topic] { shell_.ShowHelp(topic); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, help, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(enterFixtures_);
    buttons->addWidget(help);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(UnitsWide(this, 10));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {teamName_, leagueName_, division_, matches_,       players_,
                        schemes_,  ok,          cancel,    enterFixtures_, help};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    if (season) {
        enterFixtures_->hide();
        matches_->setText(QString::number(season->fixtureCount));
        players_->setText(QString::number(season->teamSize));
        matches_->setEnabled(false);
        players_->setEnabled(false);
        // "Custom" is not offered: nothing is selected, and the scheme stays.
        schemes_->setCurrentIndex(schemes_->findData(static_cast<int>(season->schemeIndex)));
    } else {
        schemes_->setCurrentIndex(0);
    }
    teamName_->setFocus();
}

TeamOptionsDialog::~TeamOptionsDialog() = default;

TeamFields TeamOptionsDialog::Fields() const
{
    TeamFields fields;
    fields.teamName = QStringToCp1252(teamName_->text());
    fields.leagueName = QStringToCp1252(leagueName_->text());
    fields.division = QStringToCp1252(division_->text());
    fields.matches = matches_->text().toStdString();
    fields.players = players_->text().toStdString();
    fields.scheme = schemes_->currentIndex() < 0 ? -1 : schemes_->currentData().toInt();
    return fields;
}

void TeamOptionsDialog::accept()
{
    if (edited_) {
        switch (EditTeam(*edited_, host_, Fields())) {
        case TeamEdit::Refused:
            return;
        case TeamEdit::Unchanged:
            QDialog::reject();
            return;
        case TeamEdit::Stored:
            QDialog::accept();
            return;
        }
        return;
    }
    if (created_) {
        // The records exist: only the names can still change.
        TeamFields fields = Fields();
        fields.scheme = -1;
        if (EditTeam(*created_, host_, fields) == TeamEdit::Refused)
            return;
    } else {
        created_ = CreateSeason(Fields(), host_);
        if (!created_)
            return;
    }
    QDialog::accept();
}

void TeamOptionsDialog::EnterFixtures()
{
    if (!created_) {
        created_ = CreateSeason(Fields(), host_);
        if (!created_)
            return;
        FreezeNumbers();
    }
    FixtureListDialog list(shell_, *created_, this);
    list.exec();
    enterFixtures_->setEnabled(false);
    // Back to this dialog, on its default button (the button that had the
    // focus is now disabled).
    activateWindow();
    ok_->setFocus();
}

void TeamOptionsDialog::FreezeNumbers()
{
    matches_->setEnabled(false);
    players_->setEnabled(false);
    schemes_->setEnabled(false);
}

SeasonPtr NewSeasonDialog(Shell& shell, QWidget* parent)
{
    TeamOptionsDialog dialog(shell, nullptr, parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    SeasonPtr season = dialog.TakeSeason();
    if (season) {
        QtHost host(shell, parent);
        Recalculate(*season, host, true);
    }
    return season;
}

bool EditTeamOptions(Shell& shell, Season& season, QWidget* parent)
{
    TeamOptionsDialog dialog(shell, &season, parent);
    return dialog.exec() == QDialog::Accepted;
}
