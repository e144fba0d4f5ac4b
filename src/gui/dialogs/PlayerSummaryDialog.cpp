#include "gui/dialogs/PlayerSummaryDialog.h"

#include <QAbstractSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/CommandIds.h"
#include "gui/ResultsWindow.h"
#include "gui/Shell.h"
#include "gui/SummaryList.h"
#include "gui/dialogs/RenamePlayerDialog.h"
#include "model/PlayerRegister.h"
#include "model/PlayerSummary.h"
#include "model/Season.h"
#include "model/Text.h"
#include "platform/Cp1252.h"

namespace {

QString Name(int control)
{
    return QStringLiteral("control%1").arg(control);
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A brought-forward figure: the arrows step within the usual range, typing
// may go as far as the file keeps, and a text that is no number turns the
// field red (it is never corrected behind the user's back).
class BroughtForwardSpin : public QAbstractSpinBox {
public:
    explicit BroughtForwardSpin(QWidget* parent) : QAbstractSpinBox(parent)
    {
        setAlignment(Qt::AlignRight);
        setAccelerated(true);
        normal_ = palette();
        connect(lineEdit(), &QLineEdit::textChanged, this, [this] { ShowValidity(); });
    }

    void SetStored(int value)
    {
        stored_ = value;
        lineEdit()->setText(QString::number(value));
    }
    std::string Text() const { return QStringToCp1252(lineEdit()->text()); }
    bool Valid() const
    {
        return lineEdit()->text() == QString::number(stored_) || ParseBroughtForward(Text());
    }

    void ShowValidity()
    {
        if (Valid()) {
            setPalette(normal_);
            return;
        }
        QPalette red = normal_;
        red.setColor(QPalette::Base, QColor(255, 190, 190));
        setPalette(red);
    }

    QValidator::State validate(QString&, int&) const override { return QValidator::Acceptable; }

    QSize sizeHint() const override
    {
        QSize size = QAbstractSpinBox::sizeHint();
        size.setWidth(
            std::max(size.width(), fontMetrics().horizontalAdvance(QStringLiteral("-000000")) +
                                       2 * fontMetrics().height()));
        return size;
    }

protected:
    StepEnabled stepEnabled() const override
    {
        const int value = Current();
        StepEnabled enabled = StepNone;
        if (value < kBroughtForwardStepLimit)
            enabled |= StepUpEnabled;
        if (value > -kBroughtForwardStepLimit)
            enabled |= StepDownEnabled;
        return enabled;
    }

    void stepBy(int steps) override
    {
        const int value =
            std::clamp(Current() + steps, -kBroughtForwardStepLimit, kBroughtForwardStepLimit);
        lineEdit()->setText(QString::number(value));
        selectAll();
    }

private:
    int Current() const
    {
        const std::optional<int> value = ParseBroughtForward(Text());
        return value ? *value : stored_;
    }

    int stored_ = 0;
    QPalette normal_;
};

BroughtForwardSpin* Spin(QAbstractSpinBox* box)
{
    return static_cast<BroughtForwardSpin*>(box);
}

} // namespace

PlayerSummaryDialog::PlayerSummaryDialog(Shell& shell, Season& season, Player& player,
                                         QWidget* owner)
    : QDialog(owner), shell_(shell), season_(season), player_(&player), host_(shell, this)
{
    setWindowTitle(QStringLiteral("Player summary"));
    rename_ = [this](Player& p, QWidget* parent) -> Player* {
        RenamePlayerDialog dialog(shell_, season_, p, parent);
        return dialog.exec() == QDialog::Accepted ? dialog.Survivor() : nullptr;
    };

    heading_ = new QLabel(this);
    heading_->setObjectName(Name(Heading));
    heading_->setTextFormat(Qt::PlainText);
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);

    list_ = CreateSummaryList(this);
    list_->setObjectName(Name(List));
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { RowActivated(list_->indexOfTopLevelItem(item)); });
    // Enter on a row opens its fixture too, rather than closing the dialog.
    list_->installEventFilter(this);

    auto figure = [this](int control) {
        auto* label = new QLabel(this);
        label->setObjectName(Name(control));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("-00000.0")));
        figures_.emplace_back(control, label);
        return label;
    };
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(figures->horizontalSpacing() * 2);
    const struct {
        const char* label;
        int control;
    } counters[] = {{"Played:", Played}, {"Won:", Won}, {"Lost:", Lost}, {"Walkovers:", Walkovers}};
    for (int row = 0; row < 4; ++row) {
        figures->addWidget(new QLabel(QString::fromLatin1(counters[row].label), this), row, 0);
        figures->addWidget(figure(counters[row].control), row, 1);
    }
    figures->setColumnStretch(2, 1);
    figures->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 6);
    figures->addWidget(new QLabel(QStringLiteral("Total"), this), 0, 4, Qt::AlignRight);
    figures->addWidget(new QLabel(QStringLiteral("Ave"), this), 0, 5, Qt::AlignRight);
    const struct {
        const char* label;
        int total;
        int average;
    } totals[] = {{"Points scored:", Scored, ScoredAverage},
                  {"Points conceded:", Conceded, ConcededAverage},
                  {"Net:", Net, NetAverage}};
    for (int row = 0; row < 3; ++row) {
        figures->addWidget(new QLabel(QString::fromLatin1(totals[row].label), this), row + 1, 3);
        figures->addWidget(figure(totals[row].total), row + 1, 4);
        figures->addWidget(figure(totals[row].average), row + 1, 5);
    }

    auto* broughtForward = new QHBoxLayout;
    auto spinRow = [&](const QString& text, int control) {
        auto* label = new QLabel(text, this);
        auto* spin = new BroughtForwardSpin(this);
        spin->setObjectName(Name(control));
        label->setBuddy(spin);
        broughtForward->addWidget(label);
        broughtForward->addWidget(spin);
        broughtForwardWidgets_.push_back(label);
        broughtForwardWidgets_.push_back(spin);
        return spin;
    };
    for_ = spinRow(QStringLiteral("Points &for b/f:"), ForBox);
    broughtForward->addSpacing(fontMetrics().averageCharWidth() * 4);
    against_ = spinRow(QStringLiteral("Points &against b/f:"), AgainstBox);
    broughtForward->addStretch();

    auto button = [this](const QString& text, int control) {
        auto* b = new QPushButton(text, this);
        if (control != 0)
            b->setObjectName(Name(control));
        buttons_.emplace_back(control, b);
        return b;
    };
    QPushButton* renameButton = button(QStringLiteral("&Rename..."), RenameButton);
    QPushButton* deleteButton = button(QStringLiteral("&Delete..."), DeleteButton);
    QPushButton* printButton = button(QStringLiteral("&Print..."), PrintButton);
    QPushButton* copyButton = button(QStringLiteral("&Copy"), CopyButton);
    ok_ = button(QStringLiteral("OK"), 1);
    QPushButton* cancel = button(QStringLiteral("Cancel"), 2);
    QPushButton* help = button(QStringLiteral("&Help"), HelpButton);
    ok_->setDefault(true);
    connect(renameButton, &QPushButton::clicked, this, &PlayerSummaryDialog::RenameClicked);
    connect(deleteButton, &QPushButton::clicked, this, &PlayerSummaryDialog::DeleteClicked);
    connect(printButton, &QPushButton::clicked, this, &PlayerSummaryDialog::PrintClicked);
    connect(copyButton, &QPushButton::clicked, this, &PlayerSummaryDialog::CopyClicked);
    connect(ok_, &QPushButton::clicked, this, &PlayerSummaryDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &PlayerSummaryDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { shell_.ShowHelp(HelpTopic::PlayerSummary); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, help, &QPushButton::click);
    auto* copyKey = new QShortcut(QKeySequence::Copy, list_);
    copyKey->setContext(Qt::WidgetShortcut);
    connect(copyKey, &QShortcut::activated, copyButton, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {renameButton, deleteButton, printButton, copyButton})
        buttons->addWidget(b);
    buttons->addStretch();
    for (QPushButton* b : {ok_, cancel, help})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(list_, 1);
    layout->addLayout(figures);
    layout->addLayout(broughtForward);
    layout->addLayout(buttons);

    Refresh();
    FitSummaryList(list_, 174);
    ok_->setFocus();
}

QPushButton* PlayerSummaryDialog::Button(int control) const
{
    for (const auto& [id, b] : buttons_)
        if (id == control)
            return b;
    return nullptr;
}

QLabel* PlayerSummaryDialog::Figure(int control) const
{
    if (control == Heading)
        return heading_;
    for (const auto& [id, label] : figures_)
        if (id == control)
            return label;
    return nullptr;
}

QAbstractSpinBox* PlayerSummaryDialog::BroughtForwardBox(int control) const
{
    return control == ForBox ? for_ : control == AgainstBox ? against_ : nullptr;
}

void PlayerSummaryDialog::Refresh()
{
    if (player_ == nullptr)
        return;
    const PlayerSummary summary = BuildPlayerSummary(season_, host_, *player_);
    table_ = summary.table;
    heading_->setText(FromUtf8(summary.heading));
    FillSummaryList(list_, table_);
    const std::pair<int, const std::string*> texts[] = {
        {Played, &summary.played},
        {Won, &summary.won},
        {Lost, &summary.lost},
        {Walkovers, &summary.walkovers},
        {Scored, &summary.scored},
        {Conceded, &summary.conceded},
        {Net, &summary.net},
        {ScoredAverage, &summary.scoredAverage},
        {ConcededAverage, &summary.concededAverage},
        {NetAverage, &summary.netAverage},
    };
    for (const auto& [control, text] : texts)
        Figure(control)->setText(FromUtf8(*text));
    Button(DeleteButton)->setEnabled(summary.deletable);

    broughtForward_ = summary.broughtForward;
    for (QWidget* w : broughtForwardWidgets_)
        w->setVisible(broughtForward_);
    Spin(for_)->SetStored(player_->broughtFor);
    Spin(against_)->SetStored(player_->broughtAgainst);
}

// The dialog holds no player any more.
void PlayerSummaryDialog::Disable()
{
    player_ = nullptr;
    for (int control : {RenameButton, DeleteButton, PrintButton})
        Button(control)->setEnabled(false);
    for (QWidget* w : broughtForwardWidgets_)
        w->setEnabled(false);
    ok_->setFocus();
}

void PlayerSummaryDialog::RenameClicked()
{
    if (player_ == nullptr)
        return;
    Player* survivor = rename_(*player_, this);
    ok_->setFocus();
    if (survivor == nullptr)
        return;
    changed_ = true;
    player_ = survivor;
    Refresh();
}

void PlayerSummaryDialog::DeleteClicked()
{
    if (player_ == nullptr)
        return;
    const std::string question =
        "Permanently delete the registration for " + Cp1252ToUtf8(player_->name) + "?";
    if (host_.Ask(question, "Delete", Buttons::YesNo, Answer::No) != Answer::Yes)
        return;
    if (!DeleteRegistration(season_, *player_))
        return;
    host_.SelectRow(season_, -1, -1);
    changed_ = true;
    Disable();
}

void PlayerSummaryDialog::PrintClicked()
{
    if (player_ == nullptr)
        return;
    if (ResultsWindow* window = shell_.WindowFor(season_)) {
        // The window prints its selected player: make sure it is this one.
        for (std::size_t row = 0; row < season_.players.size(); ++row)
            if (season_.players[row].get() == player_ && season_.selectedPlayer != int(row))
                window->Select(-1, static_cast<int>(row));
        window->Command(Command::PrintPlayerSummary);
    }
    ok_->setFocus();
}

void PlayerSummaryDialog::CopyClicked()
{
    CopySummaryList(list_, table_);
}

void PlayerSummaryDialog::RowActivated(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= table_.rows.size() || !editFixture_)
        return;
    const bool edited = editFixture_(table_.rows[static_cast<std::size_t>(row)].fixture);
    ok_->setFocus();
    if (!edited)
        return;
    changed_ = true;
    Refresh();
}

bool PlayerSummaryDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && editFixture_ &&
            list_->currentItem() != nullptr) {
            RowActivated(list_->indexOfTopLevelItem(list_->currentItem()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PlayerSummaryDialog::accept()
{
    if (player_ != nullptr && broughtForward_) {
        const BroughtForwardField invalid = ApplyBroughtForward(
            season_, *player_, Spin(for_)->Text(), Spin(against_)->Text(), changed_);
        if (invalid != BroughtForwardField::None) {
            QAbstractSpinBox* box = invalid == BroughtForwardField::For ? for_ : against_;
            Spin(box)->ShowValidity();
            box->setFocus();
            box->selectAll();
            return;
        }
    }
    QDialog::accept();
}

bool RunPlayerSummary(Shell& shell, Season& season, Player& player, QWidget* owner,
                      PlayerSummaryDialog::FixtureEditor editor)
{
    PlayerSummaryDialog dialog(shell, season, player, owner);
    dialog.SetFixtureEditor(std::move(editor));
    dialog.exec();
    return dialog.Changed();
}
