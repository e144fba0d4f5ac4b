#include "gui/dialogs/RenamePlayerDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/CommandIds.h"
#include "gui/Shell.h"
#include "gui/dialogs/SeasonTextValidator.h"
#include "model/PlayerRegister.h"
#include "model/Recalculate.h"
#include "model/Season.h"
#include "platform/Cp1252.h"

RenamePlayerDialog::RenamePlayerDialog(Shell& shell, Season& season, Player& player, QWidget* owner)
    : QDialog(owner), shell_(shell), season_(season), player_(player), host_(shell, this)
{
    setWindowTitle(QStringLiteral("Rename"));
    setObjectName(QStringLiteral("Rename_player"));

    auto* prompt = new QLabel(this);
    prompt->setObjectName(QStringLiteral("control%1").arg(Prompt));
    prompt->setTextFormat(Qt::PlainText);
    prompt->setText(QStringLiteral("Rename %1 to:").arg(Cp1252ToQString(player.name)));

    // The other players of the group, by name; a merge looks for its target
    // in the group, so only those names can be merged into.
    std::vector<const Player*> others;
    for (const auto& p : season.players)
        if (p.get() != &player && p->group == player.group)
            others.push_back(p.get());
    std::stable_sort(others.begin(), others.end(), [&season](const Player* a, const Player* b) {
        return ComparePlayers(season, *a, *b, kSortNamesOnly) < 0;
    });
    names_ = new QComboBox(this);
    names_->setObjectName(QStringLiteral("control%1").arg(NameBox));
    names_->setEditable(true);
    names_->setInsertPolicy(QComboBox::NoInsert);
    names_->setMaxVisibleItems(12);
    for (const Player* p : others) {
        listed_.push_back(p->name);
        names_->addItem(Cp1252ToQString(p->name));
    }
    names_->setCurrentIndex(-1);
    names_->lineEdit()->clear();
    // A listed name may be longer than a typed one may be.
    names_->lineEdit()->setMaxLength(static_cast<int>(kPlayerNameCapacity - 1));
    names_->setValidator(new SeasonTextValidator(names_));
    names_->setMinimumWidth(names_->fontMetrics().averageCharWidth() * 40);
    prompt->setBuddy(names_);

    auto* hint = new QLabel(QStringLiteral("Either type a new name or select a name from the list. "
                                           "If you select an existing name, "
                                           "the results of the two players will be combined."),
                            this);
    hint->setWordWrap(true);
    hint->setMinimumWidth(hint->fontMetrics().averageCharWidth() * 56);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("control%1").arg(HelpButton));
    connect(ok_, &QPushButton::clicked, this, &RenamePlayerDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &RenamePlayerDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { shell_.ShowHelp(HelpTopic::RenamePlayer); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, help, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok_, cancel, help})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(names_);
    layout->addWidget(hint);
    layout->addLayout(buttons);
    names_->setFocus();
}

std::string RenamePlayerDialog::ChosenName() const
{
    const QString text = names_->currentText();
    const int index = names_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0 && static_cast<std::size_t>(index) < listed_.size())
        return listed_[static_cast<std::size_t>(index)];
    return TidyPlayerName(QStringToCp1252(text));
}

void RenamePlayerDialog::accept()
{
    const std::string name = ChosenName();
    if (name.empty()) {
        QApplication::beep();
        names_->setFocus();
        return;
    }
    const int group = player_.group;
    switch (RenamePlayer(season_, host_, player_, name)) {
    case RenameOutcome::Refused:
        names_->setFocus();
        return;
    case RenameOutcome::Renamed:
        survivor_ = &player_;
        break;
    case RenameOutcome::Merged:
        for (const auto& p : season_.players)
            if (p->group == group && p->name == name)
                survivor_ = p.get();
        break;
    }
    QDialog::accept();
}
