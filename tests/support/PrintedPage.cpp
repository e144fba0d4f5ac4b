#include "PrintedPage.h"

#include <cmath>

namespace {

using Op = RecordingSurface::Op;
using Kind = RecordingSurface::Kind;

// Walks the record keeping the origin and scale in force.
template <typename Visit> void Walk(const RecordingSurface& surface, Visit visit)
{
    Point origin{};
    double scale = 1.0;
    for (const Op& op : surface.ops) {
        if (op.kind == Kind::SetOrigin)
            origin = Point{op.x1, op.y1};
        else if (op.kind == Kind::SetScale)
            scale = op.sx;
        else
            visit(op, origin, scale);
    }
}

PrintedPage::Text MakeText(const RecordingSurface& surface, const Op& op, Point origin)
{
    const auto& metrics = surface.fonts[static_cast<std::size_t>(op.font)];
    PrintedPage::Text text;
    text.text = op.text;
    text.x = op.x1 - origin.x;
    text.y = op.y1 - origin.y;
    text.align = op.align;
    text.font = op.font;
    text.width = RecordingSurface::CharCount(op.text) * metrics.charWidth;
    text.height = metrics.height;
    return text;
}

std::vector<PrintedPage::Line> MakeLines(const Op& op, Point origin)
{
    const int x1 = op.x1 - origin.x, y1 = op.y1 - origin.y;
    const int x2 = op.x2 - origin.x, y2 = op.y2 - origin.y;
    if (op.kind == Kind::Line)
        return {{x1, y1, x2, y2, op.pen, false}};
    return {{x1, y1, x2, y1, op.pen, true},
            {x1, y2, x2, y2, op.pen, true},
            {x1, y1, x1, y2, op.pen, true},
            {x2, y1, x2, y2, op.pen, true}};
}

} // namespace

std::vector<PrintedPage::Text> PrintedPage::Find(std::string_view text) const
{
    std::vector<Text> out;
    for (const Text& t : texts)
        if (t.text == text)
            out.push_back(t);
    return out;
}

const PrintedPage::Text* PrintedPage::At(int x, int y) const
{
    const Text* found = nullptr;
    for (const Text& t : texts) {
        if (t.x == x && t.y == y) {
            if (found)
                return nullptr;
            found = &t;
        }
    }
    return found;
}

std::vector<PrintedPage::Text> PrintedPage::Row(int y) const
{
    std::vector<Text> out;
    for (const Text& t : texts)
        if (t.y == y)
            out.push_back(t);
    return out;
}

std::vector<PrintedPage::Line> PrintedPage::Horizontal(PenRole pen, bool withFrames) const
{
    std::vector<Line> out;
    for (const Line& l : lines)
        if (l.pen == pen && l.y1 == l.y2 && l.x1 != l.x2 && (withFrames || !l.frame))
            out.push_back(l);
    return out;
}

PrintedPage ReadPage(const RecordingSurface& surface)
{
    PrintedPage page;
    bool drawn = false;
    Walk(surface, [&](const Op& op, Point origin, double scale) {
        if (op.kind == Kind::Text) {
            page.texts.push_back(MakeText(surface, op, origin));
        } else if (op.kind == Kind::Line || op.kind == Kind::Frame) {
            for (const auto& line : MakeLines(op, origin))
                page.lines.push_back(line);
        } else {
            return;
        }
        if (!drawn)
            page.scale = scale;
        drawn = true;
    });
    return page;
}

std::string FirstOffPage(const RecordingSurface& surface, int widthMm, int heightMm)
{
    const double width = widthMm * 10.0, height = heightMm * 10.0;
    std::string fault;
    auto check = [&](double x, double y, double scale, const std::string& what) {
        if (!fault.empty())
            return;
        const double dx = x * scale, dy = -y * scale;
        // Half a unit either way for the device's rounding.
        if (dx < -0.5 || dx > width + 0.5 || dy < -0.5 || dy > height + 0.5)
            fault = what + " at device (" + std::to_string(std::lround(dx)) + ", " +
                    std::to_string(std::lround(dy)) + ")";
    };
    Walk(surface, [&](const Op& op, Point origin, double scale) {
        if (op.kind == Kind::Text) {
            const PrintedPage::Text t = MakeText(surface, op, origin);
            int left = t.x;
            if (t.align == Align::Centre)
                left -= t.width / 2;
            else if (t.align == Align::Right)
                left -= t.width;
            check(left, t.y, scale, "text \"" + t.text + "\"");
            check(left + t.width, t.y - t.height, scale, "text \"" + t.text + "\"");
        } else if (op.kind == Kind::Line || op.kind == Kind::Frame) {
            for (const auto& l : MakeLines(op, origin)) {
                check(l.x1, l.y1, scale, "line");
                check(l.x2, l.y2, scale, "line");
            }
        }
    });
    return fault;
}
