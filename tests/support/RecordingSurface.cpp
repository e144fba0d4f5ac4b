#include "RecordingSurface.h"
#include "support/Golden.h"

#include <cmath>
#include <cstdio>

namespace {

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

int RecordingSurface::CharCount(std::string_view utf8)
{
    int count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

RecordingSurface::Op& RecordingSurface::Record(Kind kind, int x1, int y1, int x2, int y2)
{
    return ops.emplace_back(Op{kind, x1, y1, x2, y2, {}, font, pen, colour, align});
}

bool RecordingSurface::TextExtent(std::string_view text, Extent& extent)
{
    extent = {CharCount(text) * Metrics(font).charWidth, Metrics(font).height};
    return true;
}

FontFacts RecordingSurface::Facts()
{
    const FontMetrics& m = Metrics(font);
    return {m.height, m.ascent, m.externalLeading, m.charWidth, "Fake Serif"};
}

void RecordingSurface::SetScale(double sx, double sy)
{
    Op& op = Record(Kind::SetScale);
    op.sx = scaleX = sx;
    op.sy = scaleY = sy;
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
    const Point anchor = ToDevice(Point{x, y});
    const int length = Round(CharCount(text) * Metrics(f).charWidth * DevicePerLogicalX());
    const int across = Round(Metrics(f).height * DevicePerLogicalY());
    const FontRole down = reversedRotation ? FontRole::Upward : FontRole::Downward;
    const FontRole up = reversedRotation ? FontRole::Downward : FontRole::Upward;
    // Turned clockwise, the top of the cell faces right, so the cell lies to
    // the left of the anchor; turned anticlockwise it lies to the right.
    if (f == down)
        return Rect{anchor.x - across, anchor.y, anchor.x, anchor.y + length};
    if (f == up)
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

const RecordingSurface::Op* RecordingSurface::FindText(std::string_view text) const
{
    for (const Op& op : ops)
        if (op.kind == Kind::Text && op.text == text)
            return &op;
    return nullptr;
}

std::string Transcript(const RecordingSurface& surface)
{
    using Kind = RecordingSurface::Kind;
    static const char* const kKinds[] = {"font", "pen",   "colour", "align",  "text",
                                         "line", "frame", "fill",   "origin", "scale"};
    static const char* const kAligns[] = {"left", "centre", "right"};
    const auto rgb = [](Rgb c) {
        return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
    };
    const auto at = [](int a, int b) { return " " + std::to_string(a) + " " + std::to_string(b); };
    std::string out;
    for (const RecordingSurface::Op& op : surface.ops) {
        out += kKinds[static_cast<int>(op.kind)];
        switch (op.kind) {
        case Kind::SetFont:
            out += " " + std::to_string(static_cast<int>(op.font));
            break;
        case Kind::SetPen:
            out += " " + std::to_string(static_cast<int>(op.pen));
            break;
        case Kind::SetTextColour:
            out += " " + rgb(op.colour);
            break;
        case Kind::SetAlign:
            out += std::string(" ") + kAligns[static_cast<int>(op.align)];
            break;
        case Kind::Text:
            out += at(op.x1, op.y1) + " \"" + op.text + "\"";
            break;
        case Kind::Fill:
            out += " " + rgb(op.fill);
            [[fallthrough]];
        case Kind::Line:
        case Kind::Frame:
            out += at(op.x1, op.y1) + at(op.x2, op.y2);
            break;
        case Kind::SetOrigin:
            out += at(op.x1, op.y1);
            break;
        case Kind::SetScale: {
            char text[64];
            std::snprintf(text, sizeof text, " %.6g %.6g", op.sx, op.sy);
            out += text;
            break;
        }
        }
        out += "\n";
    }
    return out;
}
