#include "RecordingSurface.h"
#include "support/Golden.h"

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

RecordingSurface::FontMetrics MakeMetrics(int height, int charWidth, int ascent, int leading)
{
    RecordingSurface::FontMetrics m;
    m.height = height;
    m.charWidth = charWidth;
    m.ascent = ascent;
    m.externalLeading = leading;
    return m;
}

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

RecordingSurface::RecordingSurface()
{
    const FontMetrics main = MakeMetrics(46, 20, 37, 4);
    Metrics(FontRole::Main) = main;
    Metrics(FontRole::Italic) = main;
    Metrics(FontRole::Date) = MakeMetrics(38, 17, 30, 3);
    Metrics(FontRole::Downward) = main;
    Metrics(FontRole::Upward) = main;
    Metrics(FontRole::PageTitle) = MakeMetrics(80, 36, 64, 6);
    Metrics(FontRole::PageBody) = MakeMetrics(40, 18, 32, 4);
    Metrics(FontRole::PageItalic) = MakeMetrics(40, 18, 32, 4);
}

int RecordingSurface::CharCount(std::string_view text)
{
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

RecordingSurface::Op RecordingSurface::Make(Kind kind) const
{
    Op op;
    op.kind = kind;
    op.font = font;
    op.pen = pen;
    op.colour = colour;
    op.align = align;
    return op;
}

void RecordingSurface::SetFont(FontRole f)
{
    font = f;
    ops.push_back(Make(Kind::SetFont));
}

bool RecordingSurface::TextExtent(std::string_view text, Extent& extent)
{
    if (extentsFail)
        return false;
    const FontMetrics& m = Metrics(font);
    extent.width = CharCount(text) * m.charWidth;
    extent.height = m.height;
    return true;
}

FontFacts RecordingSurface::Facts()
{
    const FontMetrics& m = Metrics(font);
    FontFacts facts;
    facts.height = m.height;
    facts.ascent = m.ascent;
    facts.externalLeading = m.externalLeading;
    facts.averageCharWidth = m.charWidth;
    facts.face = m.face;
    return facts;
}

void RecordingSurface::SetTextColour(Rgb c)
{
    colour = c;
    ops.push_back(Make(Kind::SetTextColour));
}

void RecordingSurface::SetAlign(Align a)
{
    align = a;
    ops.push_back(Make(Kind::SetAlign));
}

void RecordingSurface::Text(int x, int y, std::string_view text)
{
    Op op = Make(Kind::Text);
    op.x1 = x;
    op.y1 = y;
    op.text = std::string(text);
    ops.push_back(std::move(op));
}

void RecordingSurface::SetPen(PenRole p)
{
    pen = p;
    ops.push_back(Make(Kind::SetPen));
}

void RecordingSurface::Line(int x1, int y1, int x2, int y2)
{
    Op op = Make(Kind::Line);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    ops.push_back(std::move(op));
}

void RecordingSurface::Frame(int left, int top, int right, int bottom)
{
    Op op = Make(Kind::Frame);
    op.x1 = left;
    op.y1 = top;
    op.x2 = right;
    op.y2 = bottom;
    ops.push_back(std::move(op));
}

void RecordingSurface::Fill(int left, int top, int right, int bottom, Rgb c)
{
    Op op = Make(Kind::Fill);
    op.x1 = left;
    op.y1 = top;
    op.x2 = right;
    op.y2 = bottom;
    op.fill = c;
    ops.push_back(std::move(op));
}

void RecordingSurface::SetOrigin(int x, int y)
{
    origin = Point{x, y};
    Op op = Make(Kind::SetOrigin);
    op.x1 = x;
    op.y1 = y;
    ops.push_back(std::move(op));
}

void RecordingSurface::SetScale(double sx, double sy)
{
    scaleX = sx;
    scaleY = sy;
    Op op = Make(Kind::SetScale);
    op.sx = sx;
    op.sy = sy;
    ops.push_back(std::move(op));
}

Point RecordingSurface::ToDevice(Point logical)
{
    return Point{Round((logical.x - origin.x) * DevicePerLogicalX()),
                 Round(-(logical.y - origin.y) * DevicePerLogicalY())};
}

Point RecordingSurface::ToLogical(Point device)
{
    return Point{origin.x + Round(device.x / DevicePerLogicalX()),
                 origin.y - Round(device.y / DevicePerLogicalY())};
}

Rect RecordingSurface::ProbeTextBounds(FontRole f, int x, int y, std::string_view text)
{
    ++probes;
    const FontMetrics& m = Metrics(f);
    const Point anchor = ToDevice(Point{x, y});
    const int length = Round(CharCount(text) * m.charWidth * DevicePerLogicalX());
    const int across = Round(m.height * DevicePerLogicalY());

    bool down = f == FontRole::Downward;
    bool up = f == FontRole::Upward;
    if (rotation == Rotation::Reversed)
        std::swap(down, up);
    // Turned clockwise, the top of the cell faces right, so the cell lies to
    // the left of the anchor; turned anticlockwise it lies to the right.
    if (down)
        return Rect{anchor.x - across, anchor.y, anchor.x, anchor.y + length};
    if (up)
        return Rect{anchor.x, anchor.y - length, anchor.x + across, anchor.y};
    return Rect{anchor.x, anchor.y, anchor.x + length, anchor.y + across};
}

std::vector<RecordingSurface::Op> RecordingSurface::All(Kind kind) const
{
    std::vector<Op> out;
    for (const Op& op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

std::vector<std::string> RecordingSurface::TextStrings() const
{
    std::vector<std::string> out;
    for (const Op& op : ops)
        if (op.kind == Kind::Text)
            out.push_back(op.text);
    return out;
}

const RecordingSurface::Op* RecordingSurface::FindText(std::string_view text) const
{
    for (const Op& op : ops)
        if (op.kind == Kind::Text && op.text == text)
            return &op;
    return nullptr;
}

std::vector<RecordingSurface::Op> RecordingSurface::FindTexts(std::string_view text) const
{
    std::vector<Op> out;
    for (const Op& op : ops)
        if (op.kind == Kind::Text && op.text == text)
            out.push_back(op);
    return out;
}

std::vector<RecordingSurface::Op> RecordingSurface::LinesWith(PenRole p) const
{
    std::vector<Op> out;
    for (const Op& op : ops)
        if (op.kind == Kind::Line && op.pen == p)
            out.push_back(op);
    return out;
}

std::string Transcript(const RecordingSurface& surface)
{
    using Kind = RecordingSurface::Kind;
    using Op = RecordingSurface::Op;
    static const char* const kKinds[] = {"font",  "pen",  "colour", "align", "text",
                                         "line",  "frame", "fill",  "origin", "scale"};
    static const char* const kAligns[] = {"left", "centre", "right"};
    std::string out;
    const auto number = [](double v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.6g", v);
        return std::string(text);
    };
    const auto rgb = [](Rgb c) {
        return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
    };
    for (const Op& op : surface.ops) {
        out += kKinds[static_cast<int>(op.kind)];
        switch (op.kind) {
        case Kind::SetFont: out += " " + std::to_string(static_cast<int>(op.font)); break;
        case Kind::SetPen: out += " " + std::to_string(static_cast<int>(op.pen)); break;
        case Kind::SetTextColour: out += " " + rgb(op.colour); break;
        case Kind::SetAlign: out += std::string(" ") + kAligns[static_cast<int>(op.align)]; break;
        case Kind::Text:
            out += " " + std::to_string(op.x1) + " " + std::to_string(op.y1) + " \"" + op.text + "\"";
            break;
        case Kind::Fill: out += " " + rgb(op.fill); [[fallthrough]];
        case Kind::Line:
        case Kind::Frame:
            out += " " + std::to_string(op.x1) + " " + std::to_string(op.y1) + " " +
                   std::to_string(op.x2) + " " + std::to_string(op.y2);
            break;
        case Kind::SetOrigin: out += " " + std::to_string(op.x1) + " " + std::to_string(op.y1); break;
        case Kind::SetScale: out += " " + number(op.sx) + " " + number(op.sy); break;
        }
        out += "\n";
    }
    return out;
}
