#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "render/Surface.h"

// A Surface that draws nothing: it keeps every call in order, with the font,
// pen, text colour and alignment in force at the time, and answers metric
// questions from small fixed numbers so that tests can work out expected
// positions by hand.
//
// Fake metrics: a text is (UTF-8 characters x charWidth) wide and `height`
// high in its font; the rotated fonts measure as the unrotated text.
// Device mapping: device = (logical - origin) x scale x pixelsPerLogical,
// with y flipped (device y grows downwards); rounded to the nearest pixel.
class RecordingSurface : public Surface {
public:
    struct FontMetrics {
        int height = 46;    // cell height (ascent + descent)
        int charWidth = 20; // width of every character
        int ascent = 37;
        int externalLeading = 4;
        std::string face = "Fake Serif";
    };

    enum class Kind {
        SetFont,
        SetPen,
        SetTextColour,
        SetAlign,
        Text,
        Line,
        Frame,
        Fill,
        SetOrigin,
        SetScale
    };

    // One recorded call. Coordinates are logical as passed: Text uses (x1, y1);
    // Line, Frame and Fill use all four (Frame/Fill as left, top, right, bottom);
    // SetOrigin uses (x1, y1). font/pen/colour/align are the state in force
    // after the call; fill is the colour of a Fill; sx, sy the SetScale values.
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

    // How ProbeTextBounds answers for the rotated fonts.
    enum class Rotation {
        AsNamed,  // Downward runs down the device from its anchor, Upward up
        Reversed, // a device that turns them the other way
    };

    RecordingSurface();

    // --- configuration (public so tests set what they need) ---
    std::array<FontMetrics, 8> fonts; // indexed by FontRole
    FontMetrics& Metrics(FontRole font) { return fonts[static_cast<std::size_t>(font)]; }
    const FontMetrics& Metrics(FontRole font) const
    {
        return fonts[static_cast<std::size_t>(font)];
    }
    double pixelsPerLogicalX = 1.0;
    double pixelsPerLogicalY = 1.0;
    bool extentsFail = false; // TextExtent answers false
    Rotation rotation = Rotation::AsNamed;
    Rgb highlight{0, 120, 215};
    Rgb highlightText{255, 255, 255};

    // --- the record ---
    std::vector<Op> ops;
    int probes = 0; // ProbeTextBounds calls

    // Queries over the record.
    std::vector<Op> All(Kind kind) const;
    std::vector<Op> Texts() const { return All(Kind::Text); }
    std::vector<Op> Lines() const { return All(Kind::Line); }
    std::vector<Op> Fills() const { return All(Kind::Fill); }
    std::vector<Op> Frames() const { return All(Kind::Frame); }
    // The drawn strings, in order.
    std::vector<std::string> TextStrings() const;
    // The first Text op with this string, or nullptr.
    const Op* FindText(std::string_view text) const;
    // Every Text op with this string.
    std::vector<Op> FindTexts(std::string_view text) const;
    // The Line ops drawn with this pen.
    std::vector<Op> LinesWith(PenRole pen) const;
    void Clear()
    {
        ops.clear();
        probes = 0;
    }

    // Characters in UTF-8 text (continuation bytes not counted).
    static int CharCount(std::string_view text);

    // --- current state ---
    FontRole font = FontRole::Main;
    PenRole pen = PenRole::ScreenMajor;
    Rgb colour = kBlack;
    Align align = Align::Left;
    Point origin{};
    double scaleX = 1.0, scaleY = 1.0;

    // --- Surface ---
    void SetFont(FontRole f) override;
    bool TextExtent(std::string_view text, Extent& extent) override;
    FontFacts Facts() override;
    void SetTextColour(Rgb c) override;
    Rgb HighlightColour() override { return highlight; }
    Rgb HighlightTextColour() override { return highlightText; }
    void SetAlign(Align a) override;
    void Text(int x, int y, std::string_view text) override;
    void SetPen(PenRole p) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Frame(int left, int top, int right, int bottom) override;
    void Fill(int left, int top, int right, int bottom, Rgb c) override;
    void SetOrigin(int x, int y) override;
    void SetScale(double sx, double sy) override;
    Point ToDevice(Point logical) override;
    Point ToLogical(Point device) override;
    double DevicePerLogicalX() override { return pixelsPerLogicalX * scaleX; }
    double DevicePerLogicalY() override { return pixelsPerLogicalY * scaleY; }
    Rect ProbeTextBounds(FontRole f, int x, int y, std::string_view text) override;

private:
    Op Make(Kind kind) const;
};
