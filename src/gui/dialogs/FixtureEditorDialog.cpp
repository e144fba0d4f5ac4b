#include "gui/dialogs/FixtureEditorDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStringListModel>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/CommandIds.h"
#include "gui/QtHost.h"
#include "gui/Shell.h"
#include "model/Dates.h"
#include "model/Scoring.h"
#include "platform/Cp1252.h"

namespace {

// Control numbers: the row controls are 512 + 16 x position + column.
enum Column {
    OurAbsent = 0,
    PlayerBox = 1,
    ScoreFor = 2,
    ScoreAgainst = 3,
    OppName = 4,
    TheirAbsent = 5
};
constexpr int kRowBase = 512;
constexpr int kOurHandicap = 1026, kTheirHandicap = 1027;
constexpr int kOurPoints = 408, kTheirPoints = 409, kOurChalks = 410, kTheirChalks = 411;
constexpr int kHome = 401, kAway = 402, kNeutral = 403, kAgainst = 404;
constexpr int kOk = 1, kCancel = 2, kCheck = 412, kPrint = 413, kHelp = 100;
constexpr int kTeamHeading = 406, kOpponentHeading = 407;

QString ControlName(int id)
{
    return QStringLiteral("control%1").arg(id);
}

template <typename W> W* Named(W* widget, int id)
{
    widget->setObjectName(ControlName(id));
    return widget;
}

// Horizontal dialog units to pixels, by the font's average character width.
int DialogX(const QFontMetrics& fm, int units)
{
    const int average = (fm.horizontalAdvance(QStringLiteral(
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                             26 +
                         1) /
                        2;
    return units * average / 4;
}

// Refuses characters a season file cannot hold, rather than storing '?'.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return FitsCp1252(input) ? Acceptable : Invalid;
    }
};

QLabel* PlainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The row area asks for room for every row; the dialog then fits it to the
// screen and the rows scroll.
class RowArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        if (!widget())
            return QScrollArea::sizeHint();
        const int frame = 2 * frameWidth();
        return widget()->sizeHint() + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
    }
};

void SetTextIfChanged(QLineEdit* edit, const std::string& text)
{
    if (!edit)
        return;
    const QString shown = Cp1252ToQString(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

} // namespace

// The four read-only total boxes.
class FixtureEditorDialog::Totals : public ScoreDisplay {
public:
    QLineEdit* ourChalks = nullptr; // absent when the scheme hides shot totals
    QLineEdit* theirChalks = nullptr;
    QLineEdit* ourPoints = nullptr;
    QLineEdit* theirPoints = nullptr;

    void ShowPoints(const std::string& ours, const std::string& theirs) override
    {
        ourPoints->setText(Cp1252ToQString(ours));
        theirPoints->setText(Cp1252ToQString(theirs));
    }
    void ShowShots(int ours, int theirs) override
    {
        if (ourChalks) {
            ourChalks->setText(QString::number(ours));
            theirChalks->setText(QString::number(theirs));
        }
    }
    void Clear() override
    {
        for (QLineEdit* e : {ourChalks, theirChalks, ourPoints, theirPoints})
            if (e)
                e->clear();
    }
};

FixtureEditorDialog::FixtureEditorDialog(Shell& shell, Season& season, int index,
                                         PrintRequest print, QWidget* parent)
    : QDialog(parent), shell_(shell), host_(std::make_unique<QtHost>(shell, parent)),
      season_(season), editing_(season, *host_), print_(std::move(print)),
      totals_(std::make_unique<Totals>())
{
    setWindowTitle(QStringLiteral("Edit fixture"));
    setObjectName(QStringLiteral("fixtureEditor"));
    open_ = editing_.Open(index);
    if (!open_)
        return;
    // From here on, messages belong to the editor.
    host_->SetOwner(this);
    // The side chosen at opening stays, whatever venue is picked later.
    reversed_ = shell_.preferences.homeOnLeftScreen != 0 && editing_.Working().venue == Away;
    Build();
    ShowAll();
    ShowHandicaps();
    Rescore();
    SizeToScreen();
}

FixtureEditorDialog::~FixtureEditorDialog() = default;

QWidget* FixtureEditorDialog::Control(int id) const
{
    return findChild<QWidget*>(ControlName(id));
}

void FixtureEditorDialog::Build()
{
    auto* layout = new QVBoxLayout(this);

    rowArea_ = new RowArea(this);
    rowArea_->setFrameShape(QFrame::NoFrame);
    rowArea_->setWidgetResizable(true);
    rowArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* rows = new QWidget(rowArea_);
    rowArea_->setWidget(rows);
    auto* rowGrid = new QGridLayout(rows);
    rowGrid->setContentsMargins(0, 0, 0, 0);
    BuildRows(rows, rowGrid);
    layout->addWidget(rowArea_, 1);

    auto* totalsWidget = new QWidget(this);
    auto* totalsGrid = new QGridLayout(totalsWidget);
    totalsGrid->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(totalsWidget);
    BuildTotals(totalsGrid);
    // Both grids share their column widths, so the totals stand under the scores.
    for (QGridLayout* grid : {rowGrid, totalsGrid}) {
        grid->setHorizontalSpacing(DialogX(fontMetrics(), 4));
        grid->setVerticalSpacing(1);
        grid->setColumnStretch(6, 1);
    }
    for (int column = 0; column < 6; ++column) {
        const int width = std::max(rowGrid->itemAtPosition(1, column)
                                       ? rowGrid->itemAtPosition(1, column)->sizeHint().width()
                                       : 0,
                                   totalsGrid->columnMinimumWidth(column));
        rowGrid->setColumnMinimumWidth(column, width);
        totalsGrid->setColumnMinimumWidth(column, width);
    }

    layout->addWidget(BuildLowerBlock());

    // Rows first, in the order they stand on screen, then down the dialog.
    QList<QWidget*> order;
    for (const Row& row : rows_) {
        QWidget* cells[6] = {row.ourAbsent,    row.player,   row.scoreFor,
                             row.scoreAgainst, row.opponent, row.theirAbsent};
        for (int visual = 0; visual < 6; ++visual)
            if (QWidget* w = cells[reversed_ ? 5 - visual : visual])
                order << w;
    }
    if (handicap_)
        order << (reversed_ ? oppHandicap_ : handicap_) << (reversed_ ? handicap_ : oppHandicap_);
    order << venue_[0] << venue_[1] << venue_[2] << against_;
    for (int id : {kOk, kCancel, kCheck, kPrint, kHelp})
        order << Control(id);
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // Most evenings start with the first player's name.
    if (!rows_.empty())
        rows_.front().player->setFocus();

    // Whatever the keyboard moves to among the rows is scrolled into view.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && rowArea_->widget()->isAncestorOf(now))
            rowArea_->ensureWidgetVisible(now, 0, 4);
    });
}

void FixtureEditorDialog::BuildRows(QWidget* area, QGridLayout* grid)
{
    const QFontMetrics fm = fontMetrics();
    const int nameWidth = DialogX(fm, 101);
    const int oppWidth = DialogX(fm, 91);
    const int scoreWidth =
        std::max(DialogX(fm, 16), fm.horizontalAdvance(QStringLiteral("00000")) + 10);
    auto column = [this](int c) { return reversed_ ? 5 - c : c; };

    // Headings.
    grid->addWidget(PlainLabel(QStringLiteral("Absent"), area), 0, 0);
    grid->addWidget(PlainLabel(QStringLiteral("Absent"), area), 0, 5);
    auto* team = Named(PlainLabel(Cp1252ToQString(season_.teamName), area), kTeamHeading);
    auto* opponent =
        Named(PlainLabel(Cp1252ToQString(editing_.Working().opponent), area), kOpponentHeading);
    grid->addWidget(team, 0, column(PlayerBox));
    grid->addWidget(opponent, 0, column(OppName));

    singlesModel_ = new QStringListModel(this);
    pairsModel_ = new QStringListModel(this);
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    auto* text = new Cp1252Validator(this);

    const int size = season_.teamSize;
    rows_.assign(static_cast<std::size_t>(size), Row{});
    for (int p = 0; p < size; ++p) {
        Row& row = rows_[static_cast<std::size_t>(p)];
        const int id = kRowBase + 16 * p;
        const bool first = editing_.GroupFirst(p) == p;
        const int span = editing_.GroupSize(p);
        const int gridRow = p + 1;
        auto place = [&](QWidget* w, int c, Qt::Alignment align) {
            grid->addWidget(w, gridRow, column(c), std::min(span, size - p), 1, align);
        };
        // Widgets are made in screen order, so the focus runs along the row.
        for (int visual = 0; visual < 6; ++visual) {
            const int c = reversed_ ? 5 - visual : visual;
            switch (c) {
            case OurAbsent:
            case TheirAbsent: {
                if (!first)
                    break;
                auto* box = Named(new QCheckBox(area), id + c);
                box->setAccessibleName(QStringLiteral("Absent"));
                place(box, c, Qt::AlignCenter);
                (c == OurAbsent ? row.ourAbsent : row.theirAbsent) = box;
                connect(box, &QCheckBox::clicked, this, [this, p, c](bool ticked) {
                    EditorRow& r = editing_.Form().rows[static_cast<std::size_t>(p)];
                    (c == OurAbsent ? r.ourAbsent : r.theirAbsent) = ticked;
                    RowChanged(p);
                });
                break;
            }
            case ScoreFor:
            case ScoreAgainst: {
                if (!first)
                    break;
                auto* edit = Named(new QLineEdit(area), id + c);
                edit->setValidator(digits);
                edit->setFixedWidth(scoreWidth);
                place(edit, c, Qt::AlignVCenter);
                (c == ScoreFor ? row.scoreFor : row.scoreAgainst) = edit;
                connect(edit, &QLineEdit::textChanged, this, [this, p, c](const QString& t) {
                    if (busy_)
                        return;
                    EditorRow& r = editing_.Form().rows[static_cast<std::size_t>(p)];
                    (c == ScoreFor ? r.scoreFor : r.scoreAgainst) = t.toStdString();
                    RowChanged(p);
                });
                break;
            }
            case PlayerBox: {
                auto* box = Named(new QComboBox(area), id + c);
                box->setEditable(true);
                box->setInsertPolicy(QComboBox::NoInsert);
                box->setMaxVisibleItems(12);
                box->setFixedWidth(nameWidth);
                box->setValidator(text);
                box->completer()->setCaseSensitivity(Qt::CaseSensitive);
                box->completer()->setCompletionMode(QCompleter::InlineCompletion);
                grid->addWidget(box, gridRow, column(c));
                row.player = box;
                auto changed = [this, p] {
                    if (busy_)
                        return;
                    QComboBox* b = rows_[static_cast<std::size_t>(p)].player;
                    EditorRow& r = editing_.Form().rows[static_cast<std::size_t>(p)];
                    const QString shown = b->currentText();
                    r.playerText = QStringToCp1252(shown);
                    // An entry of the list stands for its player, not its text.
                    const auto& entries = editing_.GroupSize(p) == 1 ? singles_ : pairs_;
                    const int i = b->currentIndex();
                    r.chosen = i >= 0 && static_cast<std::size_t>(i) < entries.size() &&
                                       b->itemText(i) == shown
                                   ? entries[static_cast<std::size_t>(i)]
                                   : nullptr;
                    RowChanged(p);
                };
                connect(box, &QComboBox::editTextChanged, this, changed);
                connect(box, &QComboBox::currentIndexChanged, this, changed);
                break;
            }
            case OppName: {
                auto* edit = Named(new QLineEdit(area), id + c);
                edit->setValidator(text);
                // A long name from a file is shown whole; typing stops at 31.
                edit->setMaxLength(static_cast<int>(std::max(
                    kTypedTextLength,
                    editing_.Form().rows[static_cast<std::size_t>(p)].opponentAsRead.size())));
                edit->setFixedWidth(oppWidth);
                grid->addWidget(edit, gridRow, column(c));
                row.opponent = edit;
                connect(edit, &QLineEdit::textChanged, this, [this, p](const QString& t) {
                    if (busy_)
                        return;
                    editing_.Form().rows[static_cast<std::size_t>(p)].opponent = QStringToCp1252(t);
                    RowChanged(p);
                });
                break;
            }
            }
        }
    }
    grid->setRowStretch(size + 1, 1);
    FillPlayerLists();
}

void FixtureEditorDialog::FillPlayerLists()
{
    singles_.clear();
    pairs_.clear();
    const int size = season_.teamSize;
    // Under most schemes single and paired positions list the same players.
    int single = -1, paired = -1;
    for (int p = 0; p < size && (single < 0 || paired < 0); ++p)
        (editing_.GroupSize(p) == 1 ? single : paired) = p;
    if (single >= 0)
        singles_ = editing_.EntriesFor(single);
    if (paired >= 0)
        pairs_ = editing_.EntriesFor(paired);
    auto names = [](const std::vector<const Player*>& entries) {
        QStringList list;
        list.reserve(static_cast<qsizetype>(entries.size()));
        for (const Player* player : entries)
            list << Cp1252ToQString(player->name);
        return list;
    };
    busy_ = true;
    singlesModel_->setStringList(names(singles_));
    pairsModel_->setStringList(names(pairs_));
    for (int p = 0; p < size; ++p) {
        QComboBox* box = rows_[static_cast<std::size_t>(p)].player;
        QStringListModel* model = editing_.GroupSize(p) == 1 ? singlesModel_ : pairsModel_;
        if (box->model() != model)
            box->setModel(model);
    }
    busy_ = false;
}

void FixtureEditorDialog::BuildTotals(QGridLayout* grid)
{
    const QFontMetrics fm = fontMetrics();
    auto column = [this](int c) { return reversed_ ? 5 - c : c; };
    const bool handicaps = season_.scheme.Has(::ShowHandicaps);
    const bool chalks = !season_.scheme.Has(HideShotTotals);
    int line = 0;

    if (handicaps) {
        auto handicapCell = [&](int id) {
            auto* cell = new QWidget(this);
            auto* box = new QHBoxLayout(cell);
            box->setContentsMargins(0, 0, 0, 0);
            auto* label = PlainLabel(QStringLiteral("Handicap"), cell);
            box->addWidget(label);
            auto* edit = Named(new QLineEdit(cell), id);
            edit->setFixedWidth(
                std::max(DialogX(fm, 20), fm.horizontalAdvance(QStringLiteral("-0000")) + 10));
            label->setBuddy(edit);
            box->addWidget(edit);
            box->addStretch(1);
            return std::pair{cell, edit};
        };
        // Made left to right, for the focus order.
        for (int visual : {1, 4}) {
            const bool ours = column(PlayerBox) == visual;
            auto [cell, edit] = handicapCell(ours ? kOurHandicap : kTheirHandicap);
            grid->addWidget(cell, line, visual);
            (ours ? handicap_ : oppHandicap_) = edit;
            connect(edit, &QLineEdit::textEdited, this, [this, ours](const QString& t) {
                (ours ? editing_.Form().handicap : editing_.Form().oppHandicap) = t.toStdString();
                editing_.HandicapEdited(ours);
                ShowHandicaps();
                Rescore();
            });
        }
        ++line;
    }

    auto totalBox = [&](int id, bool left) {
        auto* edit = Named(new QLineEdit(this), id);
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        edit->setAlignment(left ? Qt::AlignRight : Qt::AlignLeft);
        edit->setFixedWidth(
            std::max(DialogX(fm, 24), fm.horizontalAdvance(QStringLiteral("000.00")) + 10));
        return edit;
    };
    auto totalsLine = [&](const char* title, int ourId, int theirId, QLineEdit*& ours,
                          QLineEdit*& theirs) {
        auto* label = PlainLabel(QString::fromLatin1(title), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, line, 1);
        ours = totalBox(ourId, !reversed_);
        theirs = totalBox(theirId, reversed_);
        grid->addWidget(ours, line, column(ScoreFor));
        grid->addWidget(theirs, line, column(ScoreAgainst));
        grid->setColumnMinimumWidth(2, std::max(grid->columnMinimumWidth(2), ours->width()));
        grid->setColumnMinimumWidth(3, std::max(grid->columnMinimumWidth(3), ours->width()));
        ++line;
    };
    if (chalks)
        totalsLine("Chalks", kOurChalks, kTheirChalks, totals_->ourChalks, totals_->theirChalks);
    totalsLine("Points", kOurPoints, kTheirPoints, totals_->ourPoints, totals_->theirPoints);
}

QWidget* FixtureEditorDialog::BuildLowerBlock()
{
    auto* block = new QWidget(this);
    auto* layout = new QHBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* venueBox = new QGroupBox(QStringLiteral("Venue"), block);
    auto* venueLayout = new QVBoxLayout(venueBox);
    auto* venues = new QButtonGroup(this);
    const char* venueTexts[3] = {"H&ome", "A&way", "&Neutral"};
    for (int v = 0; v < 3; ++v) {
        venue_[v] =
            Named(new QRadioButton(QString::fromLatin1(venueTexts[v]), venueBox), kHome + v);
        venues->addButton(venue_[v], v);
        venueLayout->addWidget(venue_[v]);
    }
    const std::uint32_t venue = editing_.Form().venue;
    venue_[venue <= Neutral ? venue : Neutral]->setChecked(true);
    connect(venues, &QButtonGroup::idClicked, this, [this](int v) {
        editing_.SetVenue(static_cast<std::uint32_t>(v));
        ShowHandicaps();
        Rescore();
    });
    layout->addWidget(venueBox);

    auto* middle = new QVBoxLayout;
    auto* dateLabel = new QLabel(QStringLiteral("&Date"), block);
    date_ = new QDateEdit(block);
    date_->setObjectName(QStringLiteral("date"));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("d MMM yyyy"));
    date_->setFocusPolicy(Qt::ClickFocus);
    const SystemTime when = DateToSystemTime(editing_.Form().date);
    date_->setDate(QDate(when.year, when.month, when.day));
    dateLabel->setBuddy(date_);
    connect(date_, &QDateEdit::dateChanged, this, [this](QDate d) {
        SystemTime t;
        t.year = static_cast<std::uint16_t>(d.year());
        t.month = static_cast<std::uint16_t>(d.month());
        t.day = static_cast<std::uint16_t>(d.day());
        editing_.Form().date = SystemTimeToDate(t);
    });
    auto* againstLabel = new QLabel(QStringLiteral("A&gainst"), block);
    against_ = Named(new QLineEdit(block), kAgainst);
    against_->setValidator(new Cp1252Validator(against_));
    against_->setMaxLength(
        static_cast<int>(std::max(kTypedTextLength, editing_.Form().againstAsRead.size())));
    against_->setText(Cp1252ToQString(editing_.Form().against));
    againstLabel->setBuddy(against_);
    connect(against_, &QLineEdit::textChanged, this,
            [this](const QString& t) { editing_.Form().against = QStringToCp1252(t); });
    middle->addWidget(dateLabel);
    middle->addWidget(date_);
    middle->addWidget(againstLabel);
    middle->addWidget(against_);
    middle->addStretch(1);
    layout->addLayout(middle, 1);

    auto* buttons = new QGridLayout;
    auto button = [&](const char* text, int id, int r, int c) {
        auto* b = Named(new QPushButton(QString::fromLatin1(text), block), id);
        buttons->addWidget(b, r, c);
        return b;
    };
    ok_ = button("OK", kOk, 0, 0);
    ok_->setDefault(true);
    QPushButton* cancel = button("Cancel", kCancel, 0, 1);
    QPushButton* check = button("&Check", kCheck, 1, 0);
    QPushButton* print = button("&Print...", kPrint, 1, 1);
    QPushButton* help = button("&Help", kHelp, 2, 1);
    buttons->setRowStretch(3, 1);
    connect(ok_, &QPushButton::clicked, this, &FixtureEditorDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &FixtureEditorDialog::reject);
    connect(check, &QPushButton::clicked, this, &FixtureEditorDialog::Check);
    connect(print, &QPushButton::clicked, this, &FixtureEditorDialog::Print);
    auto showHelp = [this] { shell_.ShowHelp(HelpTopic::FixtureEditor); };
    connect(help, &QPushButton::clicked, this, showHelp);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, showHelp);
    layout->addLayout(buttons);
    return block;
}

void FixtureEditorDialog::SizeToScreen()
{
    QSize size = sizeHint();
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
        // Leave room for the window frame; the rows scroll when they do not fit.
        const QRect room = screen->availableGeometry().adjusted(0, 0, -16, -48);
        size = size.boundedTo(room.size());
    }
    resize(size);
}

// ---------------------------------------------------------------- changes

void FixtureEditorDialog::RowChanged(int position)
{
    if (busy_)
        return;
    editing_.UpdateRow(position);
    const int first = editing_.GroupFirst(position);
    for (int p = first; p < first + editing_.GroupSize(first) && p < season_.teamSize; ++p)
        ShowRow(p);
    Rescore();
}

void FixtureEditorDialog::ShowRow(int position)
{
    const EditorRow& r = editing_.Form().rows[static_cast<std::size_t>(position)];
    const Row& row = rows_[static_cast<std::size_t>(position)];
    busy_ = true;
    if (row.ourAbsent) {
        row.ourAbsent->setChecked(r.ourAbsent);
        row.theirAbsent->setChecked(r.theirAbsent);
    }
    SetTextIfChanged(row.scoreFor, r.scoreFor);
    SetTextIfChanged(row.scoreAgainst, r.scoreAgainst);
    SetTextIfChanged(row.opponent, r.opponent);
    const auto& entries = editing_.GroupSize(position) == 1 ? singles_ : pairs_;
    const auto at = std::find(entries.begin(), entries.end(), r.chosen);
    if (r.chosen && at != entries.end()) {
        const int i = static_cast<int>(at - entries.begin());
        if (row.player->currentIndex() != i)
            row.player->setCurrentIndex(i);
    }
    const QString name = Cp1252ToQString(r.playerText);
    if (row.player->currentText() != name)
        row.player->setEditText(name);
    busy_ = false;
}

void FixtureEditorDialog::ShowAll()
{
    for (int p = 0; p < season_.teamSize; ++p)
        ShowRow(p);
}

void FixtureEditorDialog::ShowHandicaps()
{
    SetTextIfChanged(handicap_, editing_.Form().handicap);
    SetTextIfChanged(oppHandicap_, editing_.Form().oppHandicap);
}

void FixtureEditorDialog::Rescore()
{
    editing_.Score(totals_.get());
}

// ---------------------------------------------------------------- commands

bool FixtureEditorDialog::Validate()
{
    const std::int32_t players = season_.playerCount;
    const bool valid = editing_.Validate(totals_.get());
    if (season_.playerCount != players)
        FillPlayerLists();
    ShowAll();
    return valid;
}

void FixtureEditorDialog::accept()
{
    if (!Validate())
        return;
    editing_.Store();
    QDialog::accept();
}

void FixtureEditorDialog::Check()
{
    if (Validate())
        host_->ShowMessage("There are no errors", "Check", MessageIcon::Information);
}

void FixtureEditorDialog::Print()
{
    if (Validate() && print_)
        print_(editing_.Working());
    ok_->setFocus();
}

int OpenFixtureEditor(QWidget* parent, Shell& shell, Season& season, int index,
                      const FixtureEditorDialog::PrintRequest& print)
{
    FixtureEditorDialog dialog(shell, season, index, print, parent);
    if (!dialog.IsOpen())
        return 0;
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}
