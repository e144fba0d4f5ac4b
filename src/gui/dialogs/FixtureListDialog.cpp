#include "gui/dialogs/FixtureListDialog.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/CommandIds.h"
#include "gui/Shell.h"
#include "gui/dialogs/SeasonTextValidator.h"
#include "model/FixtureList.h"
#include "platform/Cp1252.h"

namespace {

QLabel* Text(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Tab leaves the picker, as it leaves every other field; the arrow keys,
// typing and the separators move between day, month and year.
class TabbingDateEdit : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

protected:
    // Past QAbstractSpinBox on purpose: its override keeps Tab among the sections.
    bool focusNextPrevChild(bool next) override
    {
        return QWidget::focusNextPrevChild(next); // NOLINT(bugprone-parent-virtual-call)
    }
};

QDate ToQDate(std::time_t date)
{
    const SystemTime day = ShownDay(date);
    return QDate(day.year, day.month, day.day);
}

} // namespace

FixtureListDialog::FixtureListDialog(Shell& shell, Season& season, QWidget* parent)
    : QDialog(parent), shell_(shell), host_(shell, this), season_(season)
{
    setObjectName(QStringLiteral("fixtureListDialog"));
    setWindowTitle(QStringLiteral("Fixtures"));
    const int unit = fontMetrics().averageCharWidth(); // four dialog units

    number_ = Text(QStringLiteral("1"), this);
    number_->setObjectName(QStringLiteral("control209"));
    auto* count = Text(QString::number(season.fixtureCount), this);
    count->setObjectName(QStringLiteral("control210"));
    auto* heading = new QHBoxLayout;
    heading->addWidget(Text(QStringLiteral("Fixture no:"), this));
    heading->addWidget(number_);
    heading->addWidget(Text(QStringLiteral("of"), this));
    heading->addWidget(count);
    heading->addStretch();

    date_ = new TabbingDateEdit(ToQDate(host_.Now()), this);
    date_->setObjectName(QStringLiteral("datePicker"));
    date_->setCalendarPopup(true);
    // Day first, as season files write dates.
    date_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    opponent_ = new QLineEdit(this);
    opponent_->setObjectName(QStringLiteral("control202"));
    opponent_->setMaxLength(kOpponentEntryLength);
    opponent_->setValidator(new SeasonTextValidator(opponent_));
    opponent_->setMinimumWidth(unit * 90 / 4);

    auto* fields = new QGridLayout;
    auto* dateLabel = Text(QStringLiteral("&Date"), this);
    dateLabel->setTextFormat(Qt::AutoText);
    dateLabel->setBuddy(date_);
    auto* opponentLabel = Text(QStringLiteral("O&pponents"), this);
    opponentLabel->setTextFormat(Qt::AutoText);
    opponentLabel->setBuddy(opponent_);
    fields->addWidget(dateLabel, 0, 0);
    fields->addWidget(date_, 0, 1);
    fields->addWidget(opponentLabel, 1, 0);
    fields->addWidget(opponent_, 1, 1);

    auto* venue = new QGroupBox(QStringLiteral("Venue"), this);
    home_ = new QRadioButton(QStringLiteral("&Home"), venue);
    home_->setObjectName(QStringLiteral("control203"));
    away_ = new QRadioButton(QStringLiteral("&Away"), venue);
    away_->setObjectName(QStringLiteral("control204"));
    neutral_ = new QRadioButton(QStringLiteral("&Neutral"), venue);
    neutral_->setObjectName(QStringLiteral("control205"));
    home_->setChecked(true);
    auto* venueLayout = new QVBoxLayout(venue);
    venueLayout->addWidget(home_);
    venueLayout->addWidget(away_);
    venueLayout->addWidget(neutral_);

    auto button = [this, unit](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setMinimumWidth(unit * 54 / 4);
        return b;
    };
    QPushButton* next = button(QStringLiteral("OK and ne&xt"), "control207");
    next->setDefault(true);
    QPushButton* finish = button(QStringLiteral("OK and &finish"), "control206");
    QPushButton* cancel = button(QStringLiteral("Cancel"), "cancelButton");
    QPushButton* help = button(QStringLiteral("He&lp"), "helpButton");
    connect(next, &QPushButton::clicked, this, [this] { Store(true); });
    connect(finish, &QPushButton::clicked, this, [this] { Store(false); });
    connect(cancel, &QPushButton::clicked, this, &FixtureListDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { shell_.ShowHelp(HelpTopic::FixtureList); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, help, &QPushButton::click);

    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {next, finish, cancel, help})
        buttons->addWidget(b);

    auto* lower = new QHBoxLayout;
    lower->addWidget(venue);
    lower->addStretch();
    lower->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addLayout(fields);
    layout->addLayout(lower);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget* order[] = {date_, opponent_, home_, away_, neutral_, next, finish, cancel, help};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    date_->setFocus();
}

QString FixtureListDialog::FixtureNumber() const
{
    return number_->text();
}

void FixtureListDialog::Store(bool next)
{
    FixtureEntry entry;
    entry.venue = home_->isChecked() ? Home : away_->isChecked() ? Away : Neutral;
    entry.opponent = QStringToCp1252(opponent_->text());
    const QDate day = date_->date();
    entry.date = PickedDay(day.year(), day.month(), day.day());

    const EntryResult result = StoreFixtureEntry(season_, host_, entry);
    if (result == EntryResult::Refused) {
        opponent_->setFocus();
        return;
    }
    ++entered_;
    if (!next || result == EntryResult::Last || entered_ >= season_.fixtureCount) {
        accept();
        return;
    }
    const FixtureEntry following = FollowingEntry(entry);
    opponent_->clear();
    date_->setDate(ToQDate(following.date));
    (following.venue == Home   ? home_
     : following.venue == Away ? away_
                               : neutral_)
        ->setChecked(true);
    number_->setText(QString::number(entered_ + 1));
    date_->setFocus();
}
