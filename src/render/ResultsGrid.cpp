#include "render/ResultsGrid.h"

#include <algorithm>
#include <array>
#include <new>
#include <string>

#include "model/Host.h"
#include "model/Text.h"
#include "model/TextFormat.h"

namespace {

int Clamp16(int value)
{
    return std::clamp(value, 0, 0xFFFF);
}

// The width of a text in the selected font, 0 when it cannot be taken.
int WidthOf(Surface& surface, std::string_view text)
{
    Extent extent;
    return surface.TextExtent(text, extent) ? extent.width : 0;
}

// A game with a cell of its own in its player's row: played, or won by
// walkover, by a registered player.
bool ShowsInCell(const Game& game)
{
    return (game.state == Played || game.state == OpponentAbsent) && game.player &&
           game.playerId >= 0 && game.playerId < kMaxPlayers;
}

// The most cells any one player has in one fixture (1 in a season without
// doubled games; 0 without games).
int MostGamesInOneCell(const Season& season)
{
    int most = 0;
    for (const auto& fixture : season.fixtures) {
        std::array<std::int16_t, kMaxTeamSize> ids{};
        std::size_t count = 0;
        for (const Game& game : fixture->games)
            if (ShowsInCell(game) && count < ids.size())
                ids[count++] = game.playerId;
        std::sort(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(count));
        for (std::size_t i = 0; i < count;) {
            std::size_t end = i + 1;
            while (end < count && ids[end] == ids[i])
                ++end;
            most = std::max(most, static_cast<int>(end - i));
            i = end;
        }
    }
    return most;
}

std::string NamePart(const Player& player, bool forename)
{
    const std::size_t split = std::min<std::size_t>(player.surnameAt, player.name.size());
    std::string_view name = player.name;
    return Cp1252ToUtf8(forename ? name.substr(0, split) : name.substr(split));
}

// Draws one grid with everything worked out once: the slice, the font heights,
// and the surface state last set, so that a screenful of cells does not
// reselect the same font for every text.
class GridPainter {
public:
    GridPainter(Surface& surface, const Season& season, Host& host, const GridRequest& request,
                GridMetrics& metrics)
        : surface_(surface), season_(season), host_(host), request_(request), m_(metrics)
    {
    }

    void Draw();

private:
    void Lay();
    void ChooseOpponentFont();
    void MapRows();
    int PositionOfRow(int row) const;
    int RowOfPosition(int position) const;

    void DrawLines();
    void DrawHeaderAndFooter();
    void DrawLabels();
    struct Cell {
        int row = 0;
        const Game* game = nullptr;
    };
    void DrawFixture(int column);
    void CellStyle(const Game& game);
    void DrawCell(int c, int row, const Cell* games, std::size_t count);
    void DrawPlayer(int row);
    void DrawTeamTotals();

    void Font(FontRole font);
    void Colour(Rgb colour);
    void AlignTo(Align align);
    void Pen(bool major);
    void Put(int x, int y, std::string_view text);
    // Centred vertically in the band from bottom to top, in the selected font.
    void PutInBand(int x, int bottom, int top, std::string_view text);
    int HeightOf(FontRole font) const;
    bool Highlighted(HighlightLossesBits screenBit) const;

    Surface& surface_;
    const Season& season_;
    Host& host_;
    const GridRequest& request_;
    GridMetrics& m_;

    bool screen_ = true;
    int W_ = 0, H_ = 0, T_ = 0, B_ = 0, E_ = 0;
    int firstFixture_ = 0, F_ = 0;
    int firstRow_ = 0, R_ = 0;
    int pageNumber_ = 1, totalPages_ = 1;
    int mainHeight_ = 0, italicHeight_ = 0, dateHeight_ = 0;

    // On paper without idle players the printed rows skip them: the ranking
    // position of each printed row, and the printed row of each position.
    bool filtered_ = false;
    std::array<std::int16_t, 256> positionOfPrinted_{};
    std::array<std::int16_t, 256> printedOfPosition_{};

    FontRole font_ = FontRole::Main;
    Rgb colour_ = kBlack;
    Align align_ = Align::Left;
};

void GridPainter::Font(FontRole font)
{
    if (font != font_) {
        surface_.SetFont(font);
        font_ = font;
    }
}

void GridPainter::Colour(Rgb colour)
{
    if (!(colour == colour_)) {
        surface_.SetTextColour(colour);
        colour_ = colour;
    }
}

void GridPainter::AlignTo(Align align)
{
    if (align != align_) {
        surface_.SetAlign(align);
        align_ = align;
    }
}

void GridPainter::Pen(bool major)
{
    if (screen_)
        surface_.SetPen(major ? PenRole::ScreenMajor : PenRole::ScreenMinor);
    else
        surface_.SetPen(major ? PenRole::PagedMajor : PenRole::Hairline);
}

void GridPainter::Put(int x, int y, std::string_view text)
{
    if (!text.empty())
        surface_.Text(x, y, text);
}

int GridPainter::HeightOf(FontRole font) const
{
    switch (font) {
    case FontRole::Italic:
        return italicHeight_;
    case FontRole::Date:
        return dateHeight_;
    default:
        return mainHeight_;
    }
}

void GridPainter::PutInBand(int x, int bottom, int top, std::string_view text)
{
    Put(x, (bottom + top) / 2 + HeightOf(font_) / 2, text);
}

bool GridPainter::Highlighted(HighlightLossesBits screenBit) const
{
    // Each paper bit is the one above its screen bit.
    const int bit = screen_ ? int(screenBit) : int(screenBit) << 1;
    return (request_.preferences.highlightLosses & bit) != 0;
}

void GridPainter::Lay()
{
    screen_ = request_.screenMode;
    if (screen_) {
        W_ = request_.width;
        H_ = request_.height;
        firstFixture_ = season_.firstFixture;
        F_ = std::max(0, request_.fixturesShown);
        firstRow_ = season_.firstPlayer;
        R_ = std::max(0, request_.rowCount);
    } else {
        const GridSlice slice = PagedGridSlice(season_, m_, request_.rowCount, request_.pageNumber);
        W_ = slice.width;
        H_ = slice.height;
        firstFixture_ = slice.firstFixture;
        F_ = slice.fixtures;
        firstRow_ = slice.firstRow;
        R_ = slice.rows;
        pageNumber_ = slice.pageNumber;
        totalPages_ = slice.totalPages;
    }
    T_ = GridPlayerTop(m_, H_);
    B_ = GridLabelBottom(m_);
    E_ = m_.nameWidth + F_ * m_.fixtureWidth;
}

void GridPainter::ChooseOpponentFont()
{
    if (!request_.chooseOpponentFont)
        return;
    // Devices do not agree on which way a rotated font runs, and the names
    // must read from bottom to top on every one of them, the screen
    // included: look where a sample would go.
    const int anchorY = request_.height / 2;
    const Rect box =
        surface_.ProbeTextBounds(FontRole::Downward, request_.width / 2, anchorY, "Orientation");
    const int top = surface_.ToLogical({box.left, box.top}).y;
    const int bottom = surface_.ToLogical({box.left, box.bottom}).y;
    const int towardsBottom = anchorY - std::min(top, bottom);
    const int towardsTop = std::max(top, bottom) - anchorY;
    m_.opponentFont = towardsBottom > towardsTop ? FontRole::Upward : FontRole::Downward;
}

void GridPainter::MapRows()
{
    filtered_ = !screen_ && !request_.includeIdlePlayers;
    if (!filtered_)
        return;
    printedOfPosition_.fill(-1);
    positionOfPrinted_.fill(-1);
    int printed = 0;
    const int count = std::min<int>(static_cast<int>(season_.players.size()), 256);
    for (int p = 0; p < count; ++p) {
        if (season_.players[static_cast<std::size_t>(p)]->appearances == 0)
            continue;
        positionOfPrinted_[static_cast<std::size_t>(printed)] = static_cast<std::int16_t>(p);
        printedOfPosition_[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(printed);
        ++printed;
    }
}

int GridPainter::PositionOfRow(int row) const
{
    const int index = firstRow_ + row;
    if (!filtered_)
        return index;
    if (index < 0 || index >= static_cast<int>(positionOfPrinted_.size()))
        return -1;
    return positionOfPrinted_[static_cast<std::size_t>(index)];
}

int GridPainter::RowOfPosition(int position) const
{
    int index = position;
    if (filtered_) {
        if (position < 0 || position >= static_cast<int>(printedOfPosition_.size()))
            return -1;
        index = printedOfPosition_[static_cast<std::size_t>(position)];
        if (index < 0)
            return -1;
    }
    const int row = index - firstRow_;
    return row >= 0 && row < R_ ? row : -1;
}

void GridPainter::DrawLines()
{
    const int nameWidth = m_.nameWidth;
    const int dateTop = T_ + m_.dateBand;

    Pen(true);
    surface_.Line(0, 0, 0, H_);
    surface_.Line(0, H_, W_, H_);
    surface_.Line(W_, H_, W_, 0);
    surface_.Line(W_, 0, 0, 0);
    // The totals and the against rows share one box: no line between them.
    surface_.Line(0, B_, W_, B_);

    Pen(false);
    for (int k = 1; k <= R_ + 1; ++k) {
        const int y = B_ + k * m_.rowHeight;
        surface_.Line(0, y, W_, y);
    }

    Pen(true);
    surface_.Line(0, T_, W_, T_);

    if (screen_) {
        Pen(false);
        surface_.Line(nameWidth, H_ - m_.opponentBand, E_, H_ - m_.opponentBand);
        surface_.Line(nameWidth, dateTop, E_, dateTop);
        Pen(true);
        surface_.Line(0, dateTop, nameWidth, dateTop);
    }

    Pen(true);
    surface_.Line(E_, dateTop, W_, dateTop);
    surface_.Line(nameWidth, 0, nameWidth, H_);

    Pen(false);
    for (int k = 1; k <= F_ - 1; ++k) {
        const int x = nameWidth + k * m_.fixtureWidth;
        surface_.Line(x, 0, x, H_);
    }

    Pen(true);
    surface_.Line(E_, 0, E_, H_);

    Pen(false);
    for (int k = 1; k <= 3; ++k) {
        const int x = E_ + k * m_.countWidth;
        surface_.Line(x, 0, x, dateTop);
    }
}

void GridPainter::DrawHeaderAndFooter()
{
    const int top = H_ + m_.pageMargin;
    const std::string team = Cp1252ToUtf8(season_.teamName);
    const std::string league = Cp1252ToUtf8(LeagueAndDivision(season_));
    AlignTo(Align::Left);
    Put(0, top, team);
    // Over a narrow grid (few fixtures) the two would run into each other:
    // the league line then goes under the team name.
    const int room = W_ - WidthOf(surface_, team) - WidthOf(surface_, league);
    if (room >= mainHeight_) {
        AlignTo(Align::Right);
        Put(W_, top, league);
    } else {
        Put(0, top - mainHeight_, league);
        AlignTo(Align::Right);
    }

    const int footer = dateHeight_ - m_.pageMargin;
    Put(W_, footer, FormatLongDate(host_, host_.Now()));
    if (totalPages_ > 1) {
        AlignTo(Align::Centre);
        Put(W_ / 2, footer, "Page " + FormatInt(pageNumber_) + " of " + FormatInt(totalPages_));
    }
}

void GridPainter::DrawLabels()
{
    const int labelRight = m_.nameWidth - 10;
    AlignTo(Align::Right);
    PutInBand(labelRight, 0, m_.againstHeight, "Against");
    PutInBand(labelRight, m_.againstHeight, B_, "Totals for");
    AlignTo(Align::Centre);
    PutInBand(m_.nameWidth / 2, T_, T_ + m_.dateBand, "Name");

    const int cw = m_.countWidth;
    const std::array<int, 4> centres{E_ + cw / 2, E_ + 3 * cw / 2, E_ + 5 * cw / 2,
                                     W_ - m_.measureWidth / 2};
    const std::array<std::string, 4> heads{"P", "W", "L",
                                           Cp1252ToUtf8(season_.scheme.MeasureLabel())};
    for (std::size_t i = 0; i < heads.size(); ++i)
        PutInBand(centres[i], T_, T_ + m_.dateBand, heads[i]);
    const std::array<std::string, 4> feet{"P", "W", "L", Cp1252ToUtf8(season_.scheme.TotalLabel())};
    for (std::size_t i = 0; i < feet.size(); ++i)
        PutInBand(centres[i], B_, B_ + m_.rowHeight, feet[i]);
}

void GridPainter::DrawFixture(int column)
{
    const int j = firstFixture_ + column;
    const Fixture* fixture = season_.FixtureAt(j);
    if (!fixture || fixture->opponent.empty())
        return;
    const int c = m_.nameWidth + (2 * column + 1) * m_.fixtureWidth / 2;

    if (screen_ && j == season_.selectedFixture)
        Colour(surface_.HighlightTextColour());
    Font(FontRole::Main);
    AlignTo(Align::Centre);
    PutInBand(c, T_ + m_.dateBand, T_ + m_.dateBand + m_.venueBand, VenueLetter(fixture->venue));
    Font(FontRole::Date);
    PutInBand(c, T_, T_ + m_.dateBand, FormatShortDate(host_, fixture->date));
    // Top-anchored and left-aligned, the rotated name starts 10 units above
    // the band's foot and its cell is centred on the column.
    Font(m_.opponentFont);
    AlignTo(Align::Left);
    Put(c - mainHeight_ / 2, H_ - m_.opponentBand + 10, Cp1252ToUtf8(fixture->opponent));

    Colour(kBlack);
    Font(FontRole::Main);
    AlignTo(Align::Centre);
    if (fixture->result == ResultNone)
        return;

    const std::string& result = fixture->resultText;
    const std::size_t dash = result.find('-');
    if (dash != std::string::npos) {
        const bool red = fixture->result == ResultLost && Highlighted(HighlightLostMatchesScreen);
        Colour(red ? kRed : kBlack);
        PutInBand(c, m_.againstHeight, B_, Cp1252ToUtf8(std::string_view(result).substr(0, dash)));
        PutInBand(c, 0, m_.againstHeight, Cp1252ToUtf8(std::string_view(result).substr(dash + 1)));
        Colour(kBlack);
    }

    // The cells of this fixture by row. A player can have two games in one
    // fixture (a pair and a singles under some leagues, or a text import):
    // his cell then shows them side by side, joined by "/".
    std::array<Cell, kMaxTeamSize> cells;
    std::size_t count = 0;
    for (const Game& game : fixture->games) {
        if (!ShowsInCell(game) || count == cells.size())
            continue;
        const int row = RowOfPosition(season_.playerRow[static_cast<std::size_t>(game.playerId)]);
        if (row >= 0)
            cells[count++] = Cell{row, &game};
    }
    std::stable_sort(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(count),
                     [](const Cell& a, const Cell& b) { return a.row < b.row; });
    for (std::size_t i = 0; i < count;) {
        std::size_t end = i + 1;
        while (end < count && cells[end].row == cells[i].row)
            ++end;
        DrawCell(c, cells[i].row, cells.data() + i, end - i);
        i = end;
    }
    Colour(kBlack);
    Font(FontRole::Main);
}

void GridPainter::CellStyle(const Game& game)
{
    if (game.state == OpponentAbsent) {
        Font(FontRole::Italic);
        Colour(kBlack);
    } else {
        Font(FontRole::Main);
        const bool red = game.scoreFor < game.scoreAgainst && Highlighted(HighlightLostGamesScreen);
        Colour(red ? kRed : kBlack);
    }
}

void GridPainter::DrawCell(int c, int row, const Cell* games, std::size_t count)
{
    const int top = T_ - (row + 1) * m_.rowHeight;
    if (count == 1) {
        CellStyle(*games[0].game);
        AlignTo(Align::Centre);
        PutInBand(c, top - m_.rowHeight, top, FormatGameCell(*games[0].game));
        return;
    }
    // Each result keeps its own font and colour; together they are centred.
    std::array<std::string, kMaxTeamSize> texts;
    std::array<int, kMaxTeamSize> widths{};
    Font(FontRole::Main);
    const int slash = WidthOf(surface_, "/");
    int total = slash * static_cast<int>(count - 1);
    for (std::size_t i = 0; i < count; ++i) {
        texts[i] = FormatGameCell(*games[i].game);
        CellStyle(*games[i].game);
        widths[i] = WidthOf(surface_, texts[i]);
        total += widths[i];
    }
    AlignTo(Align::Left);
    int x = c - total / 2;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            Font(FontRole::Main);
            Colour(kBlack);
            PutInBand(x, top - m_.rowHeight, top, "/");
            x += slash;
        }
        CellStyle(*games[i].game);
        PutInBand(x, top - m_.rowHeight, top, texts[i]);
        x += widths[i];
    }
    AlignTo(Align::Centre);
}

void GridPainter::DrawPlayer(int row)
{
    const int position = PositionOfRow(row);
    const Player* player = season_.PlayerAt(position);
    if (!player)
        return;
    const int top = T_ - (row + 1) * m_.rowHeight;
    const int bottom = top - m_.rowHeight;

    if (screen_ && position == season_.selectedPlayer)
        Colour(surface_.HighlightTextColour());
    Font(player->group == 2 ? FontRole::Italic : FontRole::Main);
    // Forenames end and surnames start at one x, so the surnames line up.
    const int split = request_.nameAnchor + 10;
    AlignTo(Align::Right);
    PutInBand(split, bottom, top, NamePart(*player, true));
    AlignTo(Align::Left);
    PutInBand(split, bottom, top, NamePart(*player, false));

    Colour(kBlack);
    Font(FontRole::Main);
    AlignTo(Align::Right);
    const int cw = m_.countWidth;
    const int lost = player->played - player->won - player->drawn;
    PutInBand(E_ + cw - 10, bottom, top, FormatInt(player->played));
    PutInBand(E_ + 2 * cw - 10, bottom, top, FormatInt(player->won));
    PutInBand(E_ + 3 * cw - 10, bottom, top, FormatInt(lost));

    const std::string figure = FormatMeasure(season_, *player, request_.preferences.minGames);
    if (figure.empty())
        return;
    const bool red = player->measure < 0.0 && Highlighted(HighlightMinusAveragesScreen);
    Colour(red ? kRed : kBlack);
    PutInBand(W_ - 10, bottom, top, figure);
    Colour(kBlack);
}

void GridPainter::DrawTeamTotals()
{
    const int cw = m_.countWidth;
    Colour(kBlack);
    Font(FontRole::Main);
    AlignTo(Align::Right);
    const int bottom = m_.againstHeight;
    PutInBand(E_ + cw - 10, bottom, B_, FormatInt(season_.matchesPlayed));
    PutInBand(E_ + 2 * cw - 10, bottom, B_, FormatInt(season_.matchesWon));
    PutInBand(E_ + 3 * cw - 10, bottom, B_, FormatInt(season_.matchesLost));
    // The figure's "½" is a Windows-1252 byte like the season's own text.
    PutInBand(W_ - 10, bottom, B_, Cp1252ToUtf8(FormatTeamFigure(season_)));
}

void GridPainter::Draw()
{
    Lay();
    MapRows();
    ChooseOpponentFont();

    surface_.SetFont(FontRole::Date);
    dateHeight_ = surface_.Facts().height;
    surface_.SetFont(FontRole::Italic);
    italicHeight_ = surface_.Facts().height;
    surface_.SetFont(FontRole::Main);
    mainHeight_ = surface_.Facts().height;
    font_ = FontRole::Main;
    surface_.SetTextColour(kBlack);
    colour_ = kBlack;
    surface_.SetAlign(Align::Left);
    align_ = Align::Left;

    DrawLines();
    if (!screen_)
        DrawHeaderAndFooter();
    DrawLabels();
    for (int k = 0; k < F_; ++k)
        DrawFixture(k);
    for (int i = 0; i < R_; ++i)
        DrawPlayer(i);
    DrawTeamTotals();
}

} // namespace

std::uint16_t MeasureResultsGrid(Surface& surface, const Season& season, bool includeIdlePlayers,
                                 GridMetrics& metrics)
{
    try {
        metrics.opponentBand = 314;

        surface.SetFont(FontRole::Main);
        int forenames = 0;
        int surnames = WidthOf(surface, "Totals for");
        for (const auto& player : season.players) {
            if (player->appearances == 0 && !includeIdlePlayers)
                continue;
            forenames = std::max(forenames, WidthOf(surface, NamePart(*player, true)));
            surnames = std::max(surnames, WidthOf(surface, NamePart(*player, false)));
        }
        const int forenameMaximum = Clamp16(forenames);
        metrics.nameWidth = forenameMaximum + surnames + 20;

        metrics.countWidth = WidthOf(surface, " 88 ");

        const ScoringScheme& scheme = season.scheme;
        const int decimals = std::max(scheme.teamDecimals, scheme.playerDecimals);
        std::string widest = " ";
        widest += FormatFixed(888.8, decimals, 3);
        widest += ' ';
        int measureWidth = WidthOf(surface, widest);
        measureWidth = std::max(measureWidth, WidthOf(surface, Cp1252ToUtf8(scheme.TotalLabel())));
        measureWidth =
            std::max(measureWidth, WidthOf(surface, Cp1252ToUtf8(scheme.MeasureLabel())));
        metrics.measureWidth = measureWidth;

        Extent extent;
        bool taken = false;
        int fixtureWidth = 0;
        // A cell holding several games of one player is as wide as they are
        // side by side.
        std::string widestCell = " 21-20";
        for (int n = MostGamesInOneCell(season); n > 1; --n)
            widestCell += "/21-20";
        widestCell += ' ';
        if (surface.TextExtent(widestCell, extent)) {
            fixtureWidth = extent.width;
            taken = true;
        }
        surface.SetFont(FontRole::Date);
        if (surface.TextExtent(" 30 May ", extent)) {
            fixtureWidth = taken ? std::max(fixtureWidth, extent.width) : extent.width;
            taken = true;
        }
        if (taken)
            metrics.fixtureWidth = fixtureWidth;

        surface.SetFont(FontRole::Downward);
        int opponents = 0;
        for (const auto& fixture : season.fixtures)
            opponents = std::max(opponents, WidthOf(surface, Cp1252ToUtf8(fixture->opponent)));
        metrics.opponentBand = opponents + 20;

        surface.SetFont(FontRole::Main);
        const int height = surface.TextExtent("Mg", extent) ? extent.height : metrics.venueBand;
        metrics.venueBand = metrics.dateBand = metrics.rowHeight = height;
        metrics.totalsHeight = metrics.againstHeight = height;
        return static_cast<std::uint16_t>(forenameMaximum);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

void DrawResultsGrid(Surface& surface, const Season& season, Host& host, const GridRequest& request,
                     GridMetrics& metrics)
{
    try {
        GridPainter(surface, season, host, request, metrics).Draw();
    } catch (const std::bad_alloc&) {
        // Drawing reports nothing: the next paint tries again.
    }
}

GridSlice PagedGridSlice(const Season& season, const GridMetrics& metrics, int rowCount,
                         int pageNumber)
{
    GridSlice slice;
    const int across = std::max(1, metrics.pagesAcross);
    const int down = std::max(1, metrics.pagesDown);
    slice.totalPages = across * down;
    slice.pageNumber = pageNumber >= 1 && pageNumber <= slice.totalPages ? pageNumber : 1;
    const int pageRow = (slice.pageNumber - 1) / across;
    const int pageColumn = (slice.pageNumber - 1) % across;

    const int fixtureCount = std::max(0, season.fixtureCount);
    const int perPage = (fixtureCount + across - 1) / across;
    slice.firstFixture = pageColumn * perPage;
    slice.fixtures = std::clamp(fixtureCount - slice.firstFixture, 0, perPage);

    rowCount = std::max(0, rowCount);
    const int rowsPerPage = metrics.rowsPerPage;
    if (rowsPerPage <= 0) {
        // No slicing of the rows was asked for: every row on the first page row.
        slice.rows = pageRow == 0 ? rowCount : 0;
    } else {
        slice.firstRow = pageRow * rowsPerPage;
        if (pageRow < down - 1)
            slice.rows = rowsPerPage;
        else
            slice.rows = rowCount % rowsPerPage != 0 ? rowCount % rowsPerPage : rowsPerPage;
        slice.rows = std::min(slice.rows, std::max(0, rowCount - slice.firstRow));
    }
    slice.width = GridWidth(metrics, slice.fixtures);
    slice.height = GridHeight(metrics, slice.rows);
    return slice;
}
