#include "gui/ResultsWindow.h"

#include <QApplication>
#include <QTimer>

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <climits>
#include <cmath>

#include "gui/CommandIds.h"
#include "gui/FileDialogs.h"
#include "gui/FrameMenus.h"
#include "gui/Shell.h"
#include "gui/dialogs/FixtureEditorDialog.h"
#include "gui/dialogs/PlayerSummaryDialog.h"
#include "gui/dialogs/RegisterPlayerDialog.h"
#include "gui/dialogs/TeamOptionsDialog.h"
#include "gui/dialogs/TeamSummaryDialog.h"
#include "model/FixtureEditing.h"
#include "model/FixtureOps.h"
#include "model/Recalculate.h"
#include "platform/Cp1252.h"
#include "platform/GridFonts.h"
#include "platform/PainterSurface.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"
#include "platform/WebPageFile.h"
#include "render/WebPage.h"

ResultsWindow::ResultsWindow(Shell& shell, SeasonPtr season, QWidget* parent)
    : QWidget(parent), shell_(shell), host_(shell, this), season_(std::move(season))
{
    setObjectName(QStringLiteral("resultsWindow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(80, 60);
    if (season_)
        setWindowTitle(Cp1252ToQString(season_->teamName));

    fixtureBar_ = new QScrollBar(Qt::Horizontal, this);
    fixtureBar_->setObjectName(QStringLiteral("fixtureScrollBar"));
    playerBar_ = new QScrollBar(Qt::Vertical, this);
    playerBar_->setObjectName(QStringLiteral("playerScrollBar"));
    for (QScrollBar* bar : {fixtureBar_, playerBar_}) {
        // The grid follows the thumb when it is let go, not while it moves.
        bar->setTracking(false);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->setSingleStep(1);
        bar->hide();
    }
    connect(fixtureBar_, &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(Qt::Horizontal, action); });
    connect(playerBar_, &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(Qt::Vertical, action); });

    shell_.Register(this);
}

ResultsWindow::~ResultsWindow()
{
    shell_.Unregister(this);
}

QScrollBar* ResultsWindow::FixtureScrollBar() const
{
    return fixtureBar_->isHidden() ? nullptr : fixtureBar_;
}

QScrollBar* ResultsWindow::PlayerScrollBar() const
{
    return playerBar_->isHidden() ? nullptr : playerBar_;
}

bool ResultsWindow::IsActiveResultsWindow() const
{
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub || !sub->mdiArea())
        return false;
    return sub->mdiArea()->currentSubWindow() == sub;
}

namespace {
bool quitAfterFirstPaint = false;
}

void ResultsWindow::SetQuitAfterFirstPaint(bool quit)
{
    quitAfterFirstPaint = quit;
}

void ResultsWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!season_)
        return;

    const int barExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    ScreenArea area;
    area.width = width() - barExtent;
    area.height = height() - barExtent;
    area.horizontalBarHeight = barExtent;
    area.verticalBarWidth = barExtent;

    GridPreferences preferences;
    preferences.minGames = host_.MinGames();
    preferences.highlightLosses = static_cast<int>(shell_.preferences.highlightLosses);

    PainterSurface surface(&painter, logicalDpiX(), logicalDpiY(), shell_.gridFonts);
    layout_ = PaintResultsWindow(surface, *season_, host_, area, preferences);
    PlaceScrollBars();
    if (quitAfterFirstPaint) {
        quitAfterFirstPaint = false;
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

    if (IsActiveResultsWindow() && window()->isActiveWindow() && !hasFocus())
        setFocus();
}

QSize ResultsWindow::sizeHint() const
{
    if (!season_)
        return QWidget::sizeHint();
    // Measured in the grid's fonts at the window's resolution.
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    probe.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    QPainter painter(&probe);
    PainterSurface surface(&painter, logicalDpiX(), logicalDpiY(), shell_.gridFonts);
    const int barExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const ClientSize size =
        PreferredClientSize(surface, *season_, kPreferredFixtures, kPreferredPlayers, barExtent);
    return {size.width, size.height};
}

void ResultsWindow::PlaceScrollBars()
{
    Season& s = *season_;
    if (layout_.tooSmall) {
        fixtureBar_->hide();
        playerBar_->hide();
        return;
    }
    // A bar, once placed, stays until the layout changes; the scroll
    // handling moves its thumb.
    if (s.layoutChanged) {
        fixtureBar_->hide();
        playerBar_->hide();
        s.layoutChanged = false;
    }
    auto place = [](QScrollBar* bar, const Rect& r, int count, int visible, int first) {
        bar->setRange(0, std::max(0, count - visible));
        bar->setPageStep(std::max(1, visible));
        bar->setSliderPosition(first);
        bar->setValue(first);
        bar->setGeometry(r.left, r.top, std::max(1, r.right - r.left),
                         std::max(1, r.bottom - r.top));
        bar->show();
    };
    if (fixtureBar_->isHidden() && layout_.horizontalBarNeeded)
        place(fixtureBar_, layout_.horizontalBar, s.fixtureCount, s.visibleFixtures,
              s.firstFixture);
    if (playerBar_->isHidden() && layout_.verticalBarNeeded)
        place(playerBar_, layout_.verticalBar, s.playerCount, s.visiblePlayers, s.firstPlayer);
}

void ResultsWindow::resizeEvent(QResizeEvent* event)
{
    if (season_)
        season_->layoutChanged = true;
    QWidget::resizeEvent(event);
}

void ResultsWindow::closeEvent(QCloseEvent* event)
{
    if (CloseQuery())
        event->accept();
    else
        event->ignore();
}

bool ResultsWindow::CloseQuery()
{
    if (!season_)
        return true;
    Season& s = *season_;
    if (!s.untitled)
        host_.AddRecentFile(s.filePath);
    if (s.modified) {
        const std::string question = "File " + s.filePath + " not saved.\nSave it now?";
        switch (host_.Ask(question, "Results", Buttons::YesNoCancel, Answer::Yes)) {
        case Answer::Yes:
            Command(Command::Save);
            // A failed or cancelled save keeps the window and the season.
            if (!season_ || season_->modified)
                return false;
            break;
        case Answer::No:
            break;
        default:
            return false;
        }
    }
    {
        WaitCursor wait(host_);
        FreeSeason(season_);
    }
    fixtureBar_->hide();
    playerBar_->hide();
    return true;
}

void ResultsWindow::Command(int command)
{
    if (!season_ || !FrameMenus::IsAvailable(command))
        return;
    switch (command) {
    case Command::Save:
        Save(false);
        return;
    case Command::SaveAs:
        Save(true);
        return;
    case Command::ExportWebPage:
        ExportPage();
        return;
    case Command::EditFixture:
        if (season_->selectedFixture >= 0)
            EditFixture(season_->selectedFixture);
        return;
    case Command::InsertFixtureBefore:
    case Command::InsertFixtureAfter:
        InsertFixtureAndEdit(command == Command::InsertFixtureAfter);
        return;
    case Command::EditTeam:
        EditTeam();
        return;
    case Command::DeleteFixture:
        DeleteSelectedFixture();
        return;
    case Command::PrintTeamResults:
        Print(Printout{PrintoutKind::TeamResults, 0, nullptr});
        return;
    case Command::PrintMatchSheet:
        PrintSelectedMatchSheet();
        return;
    case Command::PrintPlayerSummary:
        if (season_->selectedPlayer >= 0)
            Print(Printout{PrintoutKind::PlayerSummary, season_->selectedPlayer, nullptr});
        return;
    case Command::Font:
        ChooseFont();
        return;
    case Command::TeamSummary:
        ShowTeamSummary();
        return;
    case Command::RegisterPlayer:
        RegisterPlayers();
        return;
    case Command::EditPlayer:
        EditSelectedPlayer();
        return;
    default:
        // Commands of the frame, and of dialogs this program does not have.
        return;
    }
}

void ResultsWindow::Save(bool saveAs)
{
    SaveSeason(host_, *season_, saveAs, [this] { return shell_.Dialogs().ChooseSaveFile(this); });
}

void ResultsWindow::ExportPage()
{
    // Offered beside the season file, under its name: season.bwl, season.html.
    QString suggested;
    if (!season_->untitled) {
        const QFileInfo file(SeasonPathToQString(season_->filePath));
        suggested = file.dir().filePath(file.completeBaseName() + QStringLiteral(".html"));
    }
    const QString path = shell_.Dialogs().ChooseWebPageFile(this, suggested);
    if (path.isEmpty())
        return;
    WebPageOptions options;
    options.minGames = host_.MinGames();
    options.highlightLosses = static_cast<int>(shell_.preferences.highlightLosses);
    ExportWebPage(host_, *season_, options, path);
}

void ResultsWindow::Print(const Printout& printout)
{
    if (PrintJob(this, host_, *season_, shell_.preferences, printout, shell_.printDialog,
                 &shell_.pdfFolder) == 0)
        host_.ShowMessage("Could not print file", "Debug", MessageIcon::Exclamation);
}

void ResultsWindow::PrintMatchSheet(int fixtureIndex)
{
    if (season_)
        Print(Printout{PrintoutKind::MatchSheet, fixtureIndex, nullptr});
}

void ResultsWindow::PrintMatchSheet(const Fixture& fixture)
{
    if (season_)
        Print(Printout{PrintoutKind::MatchSheet, -1, &fixture});
}

void ResultsWindow::PrintSelectedMatchSheet()
{
    Season& s = *season_;
    Fixture* fixture = s.selectedFixture >= 0 ? s.FixtureAt(s.selectedFixture) : nullptr;
    if (!fixture) {
        host_.ShowMessage("Cannot find match to print", "Program error", MessageIcon::Exclamation);
        return;
    }
    if (!PrepareStoredMatchSheet(s, host_, *fixture))
        return;
    PrintMatchSheet(s.selectedFixture);
}

FixtureEditorDialog::PrintRequest ResultsWindow::EditorPrint()
{
    return [this](const Fixture& fixture) { PrintMatchSheet(fixture); };
}

bool ResultsWindow::EditFixture(int index)
{
    if (!season_)
        return false;
    if (OpenFixtureEditor(this, shell_, *season_, index, EditorPrint()) == 0)
        return false;
    Recalculate(*season_, host_, false);
    repaint();
    return true;
}

void ResultsWindow::InsertFixtureAndEdit(bool after)
{
    Season& s = *season_;
    auto edit = [this](int index) {
        return OpenFixtureEditor(this, shell_, *season_, index, EditorPrint()) != 0;
    };
    InsertAndEditFixture(s, host_, after, edit);
    Recalculate(s, host_, false);
    s.layoutChanged = true;
    repaint();
    UpdateMenuItems();
}

void ResultsWindow::EditTeam()
{
    if (!EditTeamOptions(shell_, *season_, this))
        return;
    setWindowTitle(Cp1252ToQString(season_->teamName));
    update();
}

void ResultsWindow::DeleteSelectedFixture()
{
    Season& s = *season_;
    if (s.selectedFixture < 0)
        return;
    if (!DeleteFixture(s, host_, s.selectedFixture, true))
        return;
    Recalculate(s, host_, false);
    update();
    UpdateMenuItems();
}

void ResultsWindow::ShowTeamSummary()
{
    TeamSummaryDialog dialog(*season_, host_, this);
    dialog.exec();
}

void ResultsWindow::RegisterPlayers()
{
    RegisterPlayerDialog dialog(shell_, *season_, this);
    if (dialog.exec() == QDialog::Accepted)
        season_->layoutChanged = true;
    update();
}

void ResultsWindow::EditSelectedPlayer()
{
    Player* player =
        season_->selectedPlayer >= 0 ? season_->PlayerAt(season_->selectedPlayer) : nullptr;
    if (player == nullptr)
        return;
    // A row of the summary opens its fixture; the grid marks that fixture
    // while the editor is open.
    auto editFixture = [this](int index) {
        season_->selectedFixture = index;
        const bool edited = EditFixture(index);
        season_->selectedFixture = -1;
        return edited;
    };
    if (!RunPlayerSummary(shell_, *season_, *player, this, editFixture) || !season_)
        return;
    Recalculate(*season_, host_, false);
    season_->layoutChanged = true;
    repaint();
    UpdateMenuItems();
}

void ResultsWindow::RecomputeAndRepaint(bool layoutChanged)
{
    if (!season_)
        return;
    Recalculate(*season_, host_, false);
    if (layoutChanged)
        season_->layoutChanged = true;
    update();
}

void ResultsWindow::UpdateMenuItems()
{
    if (!shell_.menus || !IsActiveResultsWindow())
        return;
    const bool fixture = season_ && season_->selectedFixture >= 0;
    const bool player = season_ && season_->selectedPlayer >= 0;
    for (int command :
         {Command::EditFixture, Command::InsertFixtureBefore, Command::InsertFixtureAfter,
          Command::DeleteFixture, Command::PrintMatchSheet})
        shell_.menus->SetEnabled(command, fixture);
    for (int command : {Command::EditPlayer, Command::PrintPlayerSummary})
        shell_.menus->SetEnabled(command, player);
}

namespace {

// Font heights are kept in 0.1 mm; the font dialog speaks points. A negative
// height is the character (em) height, as a point size is.
constexpr double kUnitsPerPoint = 254.0 / 72.0;

// What the font dialog opens on: the face the grid is really drawn in (a
// stored face the platform lacks is drawn in a substitute, and the dialog
// lists only the faces there are), at the stored height.
QFont DialogFont(const GridFontDescription& description)
{
    const QFont grid = MakeGridFont(description, FontRole::Main, 1.0, nullptr);
    QFont font(QFontInfo(grid).family());
    font.setWeight(grid.weight());
    font.setItalic(description.italic);
    const int height = description.height == 0 ? -40 : description.height;
    font.setPointSizeF(std::max(1.0, std::abs(height) / kUnitsPerPoint));
    return font;
}

// The stored description for the font chosen in a dialog opened on opened.
// What the dialog brings back unchanged keeps its stored value: the face
// name (which may be one the platform substitutes), the height (the dialog
// offers sizes in whole points, so the one it opened with shows rounded),
// the weight and the slant. A new size is kept to the nearest 0.1 mm.
GridFontDescription ChosenDescription(const GridFontDescription& stored, const QFont& opened,
                                      const QFont& chosen, double dpiY)
{
    GridFontDescription next = stored;
    if (chosen.family() != opened.family()) {
        const QByteArray face = chosen.family().toUtf8();
        next.face.assign(face.constData(), static_cast<std::size_t>(face.size()));
    }
    const double points = chosen.pointSizeF();
    const bool sameSize =
        points > 0 && (points == opened.pointSizeF() || points == opened.pointSize());
    if (!sameSize) {
        double units = 0;
        if (points > 0)
            units = points * kUnitsPerPoint;
        else if (chosen.pixelSize() > 0)
            units = chosen.pixelSize() * 254.0 / dpiY;
        next.height = -std::max(1, static_cast<int>(std::lround(units)));
    }
    if (chosen.weight() != opened.weight())
        next.weight = chosen.weight();
    next.italic = chosen.italic();
    return next;
}

} // namespace

void ResultsWindow::ChooseFont()
{
    const GridFontDescription stored = shell_.gridFonts;
    const QFont opened = DialogFont(stored);
    const std::optional<QFont> chosen = shell_.ChooseFont(opened, this);
    if (!chosen)
        return;
    const GridFontDescription next = ChosenDescription(stored, opened, *chosen, logicalDpiY());
    // OK without a change stores nothing, and the grid stays as it is.
    if (next.face == stored.face && next.height == stored.height && next.weight == stored.weight &&
        next.italic == stored.italic)
        return;

    // The fonts are always made from what the store holds; a failed write
    // leaves the old value there, and so in the grid.
    WriteTextSetting(kSettingsKey, kFontNameSetting, next.face);
    WriteNumberSetting(kSettingsKey, kFontWeightSetting, next.weight);
    WriteNumberSetting(kSettingsKey, kFontItalicSetting, next.italic ? 1 : 0);
    WriteNumberSetting(kSettingsKey, kFontHeightSetting, next.height);
    shell_.gridFonts = CreateGridFonts();

    // Every window draws with these fonts, so every grid is laid out again.
    for (ResultsWindow* w : shell_.Windows()) {
        if (Season* s = w->GetSeason())
            s->layoutChanged = true;
        w->update();
    }
}
