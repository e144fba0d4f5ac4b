#include "platform/PainterSurface.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygon>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "platform/GridFonts.h"

namespace {

constexpr double kUnitsPerInch = 254.0;

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor ToQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

Rgb ToRgb(const QColor& c)
{
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

// The average width of running text: the lower-case letters and the space,
// each weighted by how often it occurs in English (per thousand letters).
// The printouts size their columns in it. A face's own stored average covers
// every glyph it has, so two faces with identical letters (a face and its
// metric twin) can report very different averages; this one they share.
double WeightedAverageCharWidth(const QFontMetricsF& metrics)
{
    static constexpr int kWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3,  6, 35, 20,
                                         56, 56, 17, 4,  49,  56, 71, 31, 10, 18, 3, 18, 2};
    constexpr int kSpaceWeight = 166;
    double sum = kSpaceWeight * metrics.horizontalAdvance(QLatin1Char(' '));
    for (int i = 0; i < 26; ++i)
        sum += kWeights[i] * metrics.horizontalAdvance(QLatin1Char(static_cast<char>('a' + i)));
    return sum / 1000.0;
}

std::size_t Index(FontRole role)
{
    return static_cast<std::size_t>(role);
}

} // namespace

PainterSurface::PainterSurface(QPainter* painter, double dpiX, double dpiY,
                               const GridFontDescription& grid)
    : painter_(painter), pixelsPerUnitX_(dpiX / kUnitsPerInch),
      pixelsPerUnitY_(dpiY / kUnitsPerInch), grid_(grid)
{
    painter_->setBackgroundMode(Qt::TransparentMode);
    painter_->setBrush(Qt::NoBrush);
}

PainterSurface::PainterSurface(QPainter* painter, const GridFontDescription& grid)
    : PainterSurface(painter, painter->device()->logicalDpiX(), painter->device()->logicalDpiY(),
                     grid)
{
}

// --- fonts ---

const QFont& PainterSurface::FontFor(FontRole role)
{
    std::optional<QFont>& slot = fonts_[Index(role)];
    if (slot)
        return *slot;

    QPaintDevice* device = painter_->device();
    const double pixelsPerUnit = pixelsPerUnitY_ * scaleY_;
    QFont font;
    switch (role) {
    case FontRole::Main:
    case FontRole::Italic:
    case FontRole::Date:
    case FontRole::Downward:
    case FontRole::Upward:
        font = MakeGridFont(grid_, role, pixelsPerUnit, device);
        break;
    case FontRole::PageTitle:
        font = DefaultRomanFont(); // the printouts name no face
        font.setWeight(QFont::Bold);
        SizeFont(font, -70, pixelsPerUnit, device);
        break;
    case FontRole::PageBody:
    case FontRole::PageItalic:
        // The body takes whatever face the title really got, so the two match.
        font = QFont(QFontInfo(FontFor(FontRole::PageTitle)).family());
        font.setStyleHint(QFont::Serif, QFont::PreferQuality);
        font.setItalic(role == FontRole::PageItalic);
        SizeFont(font, -35, pixelsPerUnit, device);
        break;
    }
    // A squeeze that is not the same both ways narrows or widens the letters.
    if (std::abs(scaleX_ - scaleY_) > 1e-9)
        font.setStretch(std::clamp(Round(100.0 * scaleX_ / scaleY_), 1, 4000));
    slot = font;
    return *slot;
}

void PainterSurface::SetFont(FontRole font)
{
    font_ = font;
}

bool PainterSurface::TextExtent(std::string_view text, Extent& extent)
{
    if (!painter_->device())
        return false;
    const QFontMetricsF& metrics = MetricsFor(font_);
    extent.width = Round(Prepare(font_, FromUtf8(text)).width / DevicePerLogicalX());
    extent.height = Round(metrics.height() / DevicePerLogicalY());
    return true;
}

FontFacts PainterSurface::Facts()
{
    const QFont& font = FontFor(font_);
    const QFontMetricsF metrics(font, painter_->device());
    FontFacts facts;
    facts.height = Round(metrics.height() / DevicePerLogicalY());
    facts.ascent = Round(metrics.ascent() / DevicePerLogicalY());
    // Qt reports negative leading for faces whose lines overlap; there is no
    // such thing as negative external leading.
    facts.externalLeading = Round(std::max(0.0, metrics.leading()) / DevicePerLogicalY());
    facts.averageCharWidth = Round(WeightedAverageCharWidth(metrics) / DevicePerLogicalX());
    facts.face = QFontInfo(font).family().toStdString();
    return facts;
}

// --- text ---

void PainterSurface::SetTextColour(Rgb colour)
{
    colour_ = colour;
}

Rgb PainterSurface::HighlightColour()
{
    if (!qGuiApp)
        return Rgb{0, 120, 215};
    return ToRgb(QGuiApplication::palette().color(QPalette::Active, QPalette::Highlight));
}

Rgb PainterSurface::HighlightTextColour()
{
    if (!qGuiApp)
        return Rgb{255, 255, 255};
    return ToRgb(QGuiApplication::palette().color(QPalette::Active, QPalette::HighlightedText));
}

void PainterSurface::SetAlign(Align align)
{
    align_ = align;
}

void PainterSurface::Text(int x, int y, std::string_view text)
{
    if (text.empty())
        return;
    const QFont& font = FontFor(font_);
    const PreparedText& prepared = Prepare(font_, FromUtf8(text));
    double start = 0.0;
    if (align_ == Align::Centre)
        start = -prepared.width / 2.0;
    else if (align_ == Align::Right)
        start = -prepared.width;

    const Point anchor = ToDevice(Point{x, y});
    painter_->setFont(font);
    painter_->setPen(ToQColor(colour_));
    painter_->setBackgroundMode(Qt::TransparentMode);
    // A prepared text is placed by the top of its line, which is our anchor.
    const double turn = FontRotation(font_);
    if (turn == 0.0) {
        painter_->drawStaticText(QPointF(anchor.x + start, anchor.y), prepared.text);
        return;
    }
    painter_->save();
    painter_->translate(anchor.x, anchor.y);
    painter_->rotate(turn);
    painter_->drawStaticText(QPointF(start, 0.0), prepared.text);
    painter_->restore();
}

const QFontMetricsF& PainterSurface::MetricsFor(FontRole role)
{
    std::optional<QFontMetricsF>& slot = metrics_[Index(role)];
    if (!slot)
        slot.emplace(FontFor(role), painter_->device());
    return *slot;
}

const PainterSurface::PreparedText& PainterSurface::Prepare(FontRole role, const QString& text)
{
    PreparedTexts*& slot = prepared_[Index(role)];
    if (!slot) {
        // Kept for the life of the program: one table per font and resolution
        // (a handful), each bounded below.
        // (std::unordered_map: its elements stay where they are as it grows.)
        static std::unordered_map<QString, PreparedTexts> tables;
        const QFontMetricsF& metrics = MetricsFor(role);
        const QString key = FontFor(role).key() + QLatin1Char('@') +
                            QString::number(painter_->device()->logicalDpiX()) + QLatin1Char('/') +
                            QString::number(metrics.height());
        slot = &tables[key];
    }
    PreparedTexts& cache = *slot;
    auto found = cache.constFind(text);
    if (found != cache.constEnd())
        return *found;
    // A runaway cache would only mean texts that never repeat.
    if (cache.size() > 4096)
        cache.clear();
    PreparedText entry;
    entry.text.setText(text);
    entry.text.setTextFormat(Qt::PlainText);
    entry.text.setPerformanceHint(QStaticText::AggressiveCaching);
    entry.text.prepare(QTransform(), FontFor(role));
    entry.width = MetricsFor(role).horizontalAdvance(text);
    return *cache.insert(text, entry);
}

Rect PainterSurface::ProbeTextBounds(FontRole font, int x, int y, std::string_view text)
{
    const QFont& f = FontFor(font);
    const QFontMetricsF metrics(f, painter_->device());
    QPainterPath path;
    path.addText(QPointF(0.0, metrics.ascent()), f, FromUtf8(text));

    const Point anchor = ToDevice(Point{x, y});
    QTransform turn;
    turn.translate(anchor.x, anchor.y);
    turn.rotate(FontRotation(font));
    const QRectF box = turn.map(path).boundingRect();
    return Rect{static_cast<int>(std::floor(box.left())), static_cast<int>(std::floor(box.top())),
                static_cast<int>(std::ceil(box.right())),
                static_cast<int>(std::ceil(box.bottom()))};
}

// --- lines ---

void PainterSurface::SetPen(PenRole pen)
{
    pen_ = pen;
}

double PainterSurface::UnitsToPixels(double units) const
{
    // Never thinner than a pixel, as a pen narrower than a pixel still draws one.
    return std::max(1.0, std::round(units * DevicePerLogicalXConst()));
}

QPen PainterSurface::PenFor(PenRole role) const
{
    QPen pen(Qt::black);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (role) {
    case PenRole::ScreenMajor:
        pen.setWidthF(UnitsToPixels(1));
        break;
    case PenRole::ScreenMinor:
        pen.setColor(ToQColor(kGrey));
        pen.setWidthF(UnitsToPixels(1));
        break;
    case PenRole::PagedMajor:
        pen.setWidthF(UnitsToPixels(2));
        break;
    case PenRole::Hairline:
        pen.setWidth(0); // cosmetic: one device pixel at any resolution
        break;
    case PenRole::Thick:
        pen.setWidthF(UnitsToPixels(3));
        break;
    case PenRole::Dotted:
        pen.setWidthF(UnitsToPixels(1));
        pen.setStyle(Qt::DotLine);
        pen.setCapStyle(Qt::FlatCap);
        break;
    }
    return pen;
}

void PainterSurface::Line(int x1, int y1, int x2, int y2)
{
    const Point a = ToDevice(Point{x1, y1});
    const Point b = ToDevice(Point{x2, y2});
    painter_->setPen(PenFor(pen_));
    painter_->drawLine(a.x, a.y, b.x, b.y);
}

void PainterSurface::Frame(int left, int top, int right, int bottom)
{
    const Point a = ToDevice(Point{left, top});
    const Point b = ToDevice(Point{right, bottom});
    QPolygon outline;
    outline << QPoint(a.x, a.y) << QPoint(b.x, a.y) << QPoint(b.x, b.y) << QPoint(a.x, b.y);
    painter_->setPen(PenFor(pen_));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPolygon(outline);
}

void PainterSurface::Fill(int left, int top, int right, int bottom, Rgb colour)
{
    const Point a = ToDevice(Point{left, top});
    const Point b = ToDevice(Point{right, bottom});
    // The outline is drawn in the fill colour, so the whole rectangle, edges
    // included, takes the colour.
    painter_->fillRect(QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)).normalized(), ToQColor(colour));
}

// --- mapping ---

void PainterSurface::SetOrigin(int x, int y)
{
    origin_ = Point{x, y};
}

void PainterSurface::SetScale(double sx, double sy)
{
    if (!(sx > 0.0) || !(sy > 0.0))
        return; // a scale that is not positive would fold the page over
    scaleX_ = sx;
    scaleY_ = sy;
    fonts_ = {};
    metrics_ = {};
    prepared_ = {};
}

double PainterSurface::DevicePerLogicalX()
{
    return DevicePerLogicalXConst();
}

double PainterSurface::DevicePerLogicalY()
{
    return pixelsPerUnitY_ * scaleY_;
}

double PainterSurface::DevicePerLogicalXConst() const
{
    return pixelsPerUnitX_ * scaleX_;
}

Point PainterSurface::ToDevice(Point logical)
{
    return Point{Round((logical.x - origin_.x) * pixelsPerUnitX_ * scaleX_),
                 Round(-(logical.y - origin_.y) * pixelsPerUnitY_ * scaleY_)};
}

Point PainterSurface::ToLogical(Point device)
{
    return Point{origin_.x + Round(device.x / (pixelsPerUnitX_ * scaleX_)),
                 origin_.y - Round(device.y / (pixelsPerUnitY_ * scaleY_))};
}
