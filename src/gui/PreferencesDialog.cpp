#include "gui/PreferencesDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QVBoxLayout>

#include <limits>

#include "gui/CommandIds.h"
#include "gui/QtHost.h"
#include "gui/Shell.h"

namespace {

QString ControlName(int id)
{
    return QStringLiteral("control%1").arg(id);
}

QCheckBox* MakeBox(QWidget* parent, int id, bool ticked)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(ControlName(id));
    box->setChecked(ticked);
    return box;
}

// The whole box as an unsigned 32-bit number; false when it is empty or too
// large (the validator lets only digits in).
bool ReadUnsigned(const QString& text, std::uint32_t& out)
{
    if (text.isEmpty())
        return false;
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok, 10);
    if (!ok || value > std::numeric_limits<std::uint32_t>::max())
        return false;
    out = static_cast<std::uint32_t>(value);
    return true;
}

} // namespace

PreferencesDialog::PreferencesDialog(Shell& shell, QWidget* owner)
    : QDialog(owner), shell_(shell), opening_(shell.preferences),
      write_([](std::string_view name, std::int32_t value) {
          return WriteNumberSetting(kSettingsKey, name, value);
      })
{
    setWindowTitle(QStringLiteral("Preferences"));

    auto* minLabel = new QLabel(QStringLiteral("Minimum no of games before average calculated:"));
    minGames_ = new QLineEdit(QString::number(opening_.minGames), this);
    minGames_->setObjectName(ControlName(MinGamesBox));
    minGames_->setAlignment(Qt::AlignRight);
    minGames_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), minGames_));
    minGames_->setMaximumWidth(minGames_->fontMetrics().horizontalAdvance(QStringLiteral("0")) *
                               12);
    minLabel->setBuddy(minGames_);
    auto* minRow = new QHBoxLayout;
    minRow->addWidget(minLabel);
    minRow->addWidget(minGames_);

    auto* frame = new QGroupBox(this);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("On screen")), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("When printed")), 0, 2, Qt::AlignCenter);
    const char* const labels[] = {
        "Highlight lost games:", "Highlight lost matches:", "Highlight minus averages:"};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(labels[row])), row + 1, 0);
        for (int column = 0; column < 2; ++column) {
            const int bit = 2 * row + column;
            QCheckBox* box =
                MakeBox(frame, FirstHighlightBox + bit, (opening_.highlightLosses >> bit) & 1u);
            highlight_[static_cast<std::size_t>(bit)] = box;
            grid->addWidget(box, row + 1, column + 1, Qt::AlignCenter);
        }
    }
    grid->addWidget(new QLabel(QStringLiteral("Always show home team on left:")), 4, 0);
    homeOnLeftScreen_ = MakeBox(frame, HomeOnLeftScreenBox, opening_.homeOnLeftScreen != 0);
    homeOnLeftPrinter_ = MakeBox(frame, HomeOnLeftPrinterBox, opening_.homeOnLeftPrinter != 0);
    grid->addWidget(homeOnLeftScreen_, 4, 1, Qt::AlignCenter);
    grid->addWidget(homeOnLeftPrinter_, 4, 2, Qt::AlignCenter);

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(ControlName(HelpButton));
    connect(ok_, &QPushButton::clicked, this, &PreferencesDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &PreferencesDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { shell_.ShowHelp(HelpTopic::Preferences); });
    // F1 here is the dialog's Help button.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, help, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(minRow);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

QCheckBox* PreferencesDialog::Box(int control) const
{
    if (control == HomeOnLeftScreenBox)
        return homeOnLeftScreen_;
    if (control == HomeOnLeftPrinterBox)
        return homeOnLeftPrinter_;
    const int bit = control - FirstHighlightBox;
    if (bit >= 0 && bit < 6)
        return highlight_[static_cast<std::size_t>(bit)];
    return nullptr;
}

void PreferencesDialog::accept()
{
    QtHost host(shell_, this);

    Preferences chosen = opening_;
    if (!ReadUnsigned(minGames_->text(), chosen.minGames)) {
        host.ShowError("Minimum no of games must be a number.");
        minGames_->setFocus();
        return;
    }
    chosen.homeOnLeftScreen = homeOnLeftScreen_->isChecked() ? 1 : 0;
    chosen.homeOnLeftPrinter = homeOnLeftPrinter_->isChecked() ? 1 : 0;
    chosen.highlightLosses = opening_.highlightLosses & ~std::uint32_t{0x3F};
    for (std::size_t bit = 0; bit < highlight_.size(); ++bit)
        if (highlight_[bit]->isChecked())
            chosen.highlightLosses |= 1u << bit;

    struct Value {
        std::string_view name;
        std::uint32_t before;
        std::uint32_t after;
    };
    const Value values[] = {
        {kMinGamesSetting, opening_.minGames, chosen.minGames},
        {kHomeOnLeftScreenSetting, opening_.homeOnLeftScreen, chosen.homeOnLeftScreen},
        {kHomeOnLeftPrinterSetting, opening_.homeOnLeftPrinter, chosen.homeOnLeftPrinter},
        {kHighlightLossesSetting, opening_.highlightLosses, chosen.highlightLosses},
    };
    bool changed = false;
    for (const Value& v : values) {
        if (v.after == v.before)
            continue;
        changed = true;
        // Stored bit for bit: the store keeps signed 32-bit numbers.
        if (!write_(v.name, static_cast<std::int32_t>(v.after))) {
            host.ShowError("Cannot write to preferences file");
            return;
        }
    }

    shell_.preferences.minGames = chosen.minGames;
    shell_.preferences.homeOnLeftScreen = chosen.homeOnLeftScreen;
    shell_.preferences.homeOnLeftPrinter = chosen.homeOnLeftPrinter;
    shell_.preferences.highlightLosses = chosen.highlightLosses;
    changed_ = changed;
    QDialog::accept();
}

bool RunPreferencesDialog(Shell& shell, QWidget* owner)
{
    PreferencesDialog dialog(shell, owner);
    return dialog.exec() == QDialog::Accepted && dialog.Changed();
}
