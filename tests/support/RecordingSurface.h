#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "render/Surface.h"

// A Surface that draws nothing: it keeps every call in order, with the font,
// pen, text colour and alignment in force at the time, and answers metric
// questions from small fixed numbers (a text is characters x charWidth wide
// and `height` high in its font; rotated fonts measure as unrotated).
// Device = (logical - origin) x scale x pixelsPerLogical, y flipped, rounded.
class RecordingSurface : public Surface {
public:
    struct FontMetrics {
        int height, charWidth, ascent, externalLeading;
    };
    // clang-format off
    enum class Kind { SetFont, SetPen, SetTextColour, SetAlign, Text, Line, Frame, Fill, SetOrigin, SetScale };
    // clang-format on

    // One call: Text uses (x1, y1); Line, Frame and Fill all four; SetOrigin
    // (x1, y1); SetScale (sx, sy). The state fields are those after the call.
    struct Op {
        Kind kind = Kind::Text;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        std::string text;
        FontRole font = FontRole::Main;
        PenRole pen = PenRole::ScreenMajor;
        Rgb colour = kBlack;
        Align align = Align::Left;
        Rgb fill = kBlack;
        double sx = 1.0, sy = 1.0;
    };

    // Indexed by FontRole: Main, Italic, Date, Downward, Upward, PageTitle, PageBody, PageItalic.
    // clang-format off
    std::array<FontMetrics, 8> fonts{{{46, 20, 37, 4}, {46, 20, 37, 4}, {38, 17, 30, 3}, {46, 20, 37, 4},
                                      {46, 20, 37, 4}, {80, 36, 64, 6}, {40, 18, 32, 4}, {40, 18, 32, 4}}};
    // clang-format on
    const FontMetrics& Metrics(FontRole f) const { return fonts[static_cast<std::size_t>(f)]; }
    double pixelsPerLogicalX = 1.0, pixelsPerLogicalY = 1.0;
    bool reversedRotation = false; // a device that turns the rotated fonts the other way
    Rgb highlight{0, 120, 215};

    std::vector<Op> ops;
    int probes = 0; // ProbeTextBounds calls

    std::vector<Op> All(Kind kind) const;
    const Op* FindText(std::string_view text) const;
    int Width(const Op& text) const { return CharCount(text.text) * Metrics(text.font).charWidth; }
    void Clear() { ops.clear(), probes = 0; }
    static int CharCount(std::string_view utf8);

    FontRole font = FontRole::Main;
    PenRole pen = PenRole::ScreenMajor;
    Rgb colour = kBlack;
    Align align = Align::Left;
    Point origin{};
    double scaleX = 1.0, scaleY = 1.0;

    void SetFont(FontRole f) override { font = f, Record(Kind::SetFont); }
    bool TextExtent(std::string_view text, Extent& extent) override;
    FontFacts Facts() override;
    void SetTextColour(Rgb c) override { colour = c, Record(Kind::SetTextColour); }
    Rgb HighlightColour() override { return highlight; }
    Rgb HighlightTextColour() override { return {255, 255, 255}; }
    void SetAlign(Align a) override { align = a, Record(Kind::SetAlign); }
    void Text(int x, int y, std::string_view text) override
    {
        Record(Kind::Text, x, y).text = text;
    }
    void SetPen(PenRole p) override { pen = p, Record(Kind::SetPen); }
    void Line(int x1, int y1, int x2, int y2) override { Record(Kind::Line, x1, y1, x2, y2); }
    void Frame(int l, int t, int r, int b) override { Record(Kind::Frame, l, t, r, b); }
    void Fill(int l, int t, int r, int b, Rgb c) override
    {
        Record(Kind::Fill, l, t, r, b).fill = c;
    }
    void SetOrigin(int x, int y) override { origin = Point{x, y}, Record(Kind::SetOrigin, x, y); }
    void SetScale(double sx, double sy) override;
    Point ToDevice(Point logical) override;
    Point ToLogical(Point device) override;
    double DevicePerLogicalX() override { return pixelsPerLogicalX * scaleX; }
    double DevicePerLogicalY() override { return pixelsPerLogicalY * scaleY; }
    Rect ProbeTextBounds(FontRole f, int x, int y, std::string_view text) override;

private:
    Op& Record(Kind kind, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0);
};
