#include "gui/dialogs/RegisterPlayerDialog.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "gui/CommandIds.h"
#include "gui/ResultsWindow.h"
#include "gui/Shell.h"
#include "gui/dialogs/SeasonTextValidator.h"
#include "model/PlayerRegister.h"
#include "platform/Cp1252.h"

RegisterPlayerDialog::RegisterPlayerDialog(Shell& shell, Season& season, QWidget* owner)
    : QDialog(owner), shell_(shell), season_(season), host_(shell, this)
{
    setWindowTitle(QStringLiteral("Register player"));
    setObjectName(QStringLiteral("Register_player"));

    auto* label = new QLabel(QStringLiteral("Player's &name:"), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("control%1").arg(NameEdit));
    name_->setMaxLength(static_cast<int>(kTypedNameLength));
    name_->setValidator(new SeasonTextValidator(name_));
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 36);
    label->setBuddy(name_);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    next_ = new QPushButton(QStringLiteral("OK and &next"), this);
    next_->setObjectName(QStringLiteral("control%1").arg(NextControl));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("control%1").arg(HelpControl));

    connect(ok_, &QPushButton::clicked, this, &RegisterPlayerDialog::accept);
    connect(next_, &QPushButton::clicked, this, [this] {
        if (RegisterTyped())
            name_->clear();
        name_->setFocus();
    });
    connect(cancel, &QPushButton::clicked, this, &RegisterPlayerDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [this] { shell_.ShowHelp(HelpTopic::RegisterPlayer); });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, help, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {ok_, next_, cancel, help})
        buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(name_);
    layout->addSpacing(name_->fontMetrics().height() / 2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    name_->setFocus();
}

bool RegisterPlayerDialog::RegisterTyped()
{
    const std::string name = TidyPlayerName(QStringToCp1252(name_->text()));
    if (name.empty()) {
        QApplication::beep();
        return false;
    }
    if (!RegisterPlayerName(season_, host_, name))
        return false;
    ++registered_;
    // The grid shows the new name at once.
    if (ResultsWindow* window = shell_.WindowFor(season_))
        window->update();
    return true;
}

void RegisterPlayerDialog::accept()
{
    if (RegisterTyped()) {
        QDialog::accept();
        return;
    }
    name_->setFocus();
}
