#include "gui/dialogs/TeamSummaryDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/SummaryList.h"
#include "model/TeamSummary.h"

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TeamSummaryDialog::TeamSummaryDialog(const Season& season, Host& host, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Team summary"));
    setObjectName(QStringLiteral("Team_summary"));
    const TeamSummary summary = BuildTeamSummary(season, host);
    table_ = summary.table;

    auto named = [this](QLabel* label, int control) {
        label->setObjectName(QStringLiteral("control%1").arg(control));
        return label;
    };
    auto text = [this](const char* text) { return new QLabel(QString::fromLatin1(text), this); };
    auto figure = [this, &named](const std::string& value, int control) {
        auto* label = named(new QLabel(FromUtf8(value), this), control);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000.0")));
        return label;
    };

    QLabel* heading = named(new QLabel(this), Heading);
    heading->setTextFormat(Qt::PlainText);
    heading->setText(FromUtf8(summary.heading));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    list_ = CreateSummaryList(this);
    list_->setObjectName(QStringLiteral("control%1").arg(List));
    FillSummaryList(list_, table_);
    FitSummaryList(list_, 250);

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(figures->horizontalSpacing() * 2);
    figures->addWidget(text("Played:"), 1, 0);
    figures->addWidget(figure(summary.played, Played), 1, 1);
    figures->addWidget(text("Won:"), 2, 0);
    figures->addWidget(figure(summary.won, Won), 2, 1);
    figures->addWidget(text("Lost:"), 3, 0);
    figures->addWidget(figure(summary.lost, Lost), 3, 1);
    figures->setColumnStretch(2, 1);
    figures->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 6);
    figures->addWidget(text("Total"), 0, 4, Qt::AlignRight);
    figures->addWidget(text("Ave"), 0, 5, Qt::AlignRight);
    figures->addWidget(text("Points scored:"), 1, 3);
    figures->addWidget(figure(summary.pointsScored, PointsScored), 1, 4);
    figures->addWidget(figure(summary.pointsScoredAverage, PointsScoredAverage), 1, 5);
    figures->addWidget(text("Points conceded:"), 2, 3);
    figures->addWidget(figure(summary.pointsConceded, PointsConceded), 2, 4);
    figures->addWidget(figure(summary.pointsConcededAverage, PointsConcededAverage), 2, 5);
    QLabel* chalks[] = {
        named(text("Chalks scored:"), ChalksScoredLabel),
        figure(summary.chalksScored, ChalksScored),
        figure(summary.chalksScoredAverage, ChalksScoredAverage),
        named(text("Chalks conceded:"), ChalksConcededLabel),
        figure(summary.chalksConceded, ChalksConceded),
        figure(summary.chalksConcededAverage, ChalksConcededAverage),
    };
    for (int i = 0; i < 6; ++i) {
        figures->addWidget(chalks[i], 3 + i / 3, 3 + i % 3);
        chalks[i]->setVisible(summary.showChalks);
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    copy_ = new QPushButton(QStringLiteral("&Copy"), this);
    copy_->setObjectName(QStringLiteral("control%1").arg(CopyButton));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(copy_, &QPushButton::clicked, this, [this] { CopySummaryList(list_, table_); });
    auto* copyKey = new QShortcut(QKeySequence::Copy, list_);
    copyKey->setContext(Qt::WidgetShortcut);
    connect(copyKey, &QShortcut::activated, copy_, &QPushButton::click);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addLayout(figures);
    layout->addLayout(buttons);
    ok->setFocus();
}

QLabel* TeamSummaryDialog::Label(int control) const
{
    return findChild<QLabel*>(QStringLiteral("control%1").arg(control));
}
