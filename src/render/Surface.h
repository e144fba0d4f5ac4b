#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Everything the grid and the printouts draw goes through a Surface: logical
// units of 0.1 mm with y pointing up, texts anchored by the top of their cell.
// Text handed to a Surface is UTF-8 (season text is converted by the caller).

enum class FontRole {
    // The five grid fonts, made from the stored font description.
    Main,
    Italic,
    Date,     // main at 10/12 of its height
    Downward, // main rotated by -90 degrees
    Upward,   // main rotated by +90 degrees
    // The printout fonts of the match sheet and the player summary.
    PageTitle,  // 7 mm, bold, the platform's default serif face
    PageBody,   // 3.5 mm, the face actually chosen for the title
    PageItalic, // the body font in italics
};

enum class PenRole {
    ScreenMajor, // solid, 1 unit, black
    ScreenMinor, // solid, 1 unit, grey (128, 128, 128)
    PagedMajor,  // solid, 2 units, black
    Hairline,    // solid, one device pixel, black (also a printout's "thin" pen)
    Thick,       // solid, 3 units, black
    Dotted,      // dotted, 1 unit, black
};

enum class Align { Left, Centre, Right };

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGrey{128, 128, 128};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point&) const = default;
};

// A rectangle; for device rectangles y grows downwards.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Extent {
    int width = 0;
    int height = 0;
};

// Facts of the selected font, in logical units.
struct FontFacts {
    int height = 0; // ascent + descent
    int ascent = 0;
    int externalLeading = 0;
    int averageCharWidth = 0; // of running text: lower case and spaces, weighted
    std::string face;         // the face the platform actually chose
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual void SetFont(FontRole font) = 0;
    // Text extent in the selected font; false when it cannot be taken.
    virtual bool TextExtent(std::string_view text, Extent& extent) = 0;
    virtual FontFacts Facts() = 0;

    virtual void SetTextColour(Rgb colour) = 0;
    // The platform's highlight colours (selection fill and its text).
    virtual Rgb HighlightColour() = 0;
    virtual Rgb HighlightTextColour() = 0;
    virtual void SetAlign(Align align) = 0;
    // Draws text with its cell's top at y, aligned on x; transparent background.
    virtual void Text(int x, int y, std::string_view text) = 0;

    virtual void SetPen(PenRole pen) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // A rectangle outlined with the selected pen, not filled.
    virtual void Frame(int left, int top, int right, int bottom) = 0;
    // A rectangle filled and outlined in one colour.
    virtual void Fill(int left, int top, int right, int bottom, Rgb colour) = 0;

    // The logical point that maps to the device origin (SetWindowOrg).
    virtual void SetOrigin(int x, int y) = 0;
    // Extra scale for squeezed pages: logical units are multiplied by sx and
    // sy before they reach the device (1.0 = true 0.1 mm).
    virtual void SetScale(double sx, double sy) = 0;
    virtual Point ToDevice(Point logical) = 0;
    virtual Point ToLogical(Point device) = 0;
    // Device pixels per 0.1 mm, for the callers that size things in pixels.
    virtual double DevicePerLogicalX() = 0;
    virtual double DevicePerLogicalY() = 0;

    // The device bounding box of text drawn in font with its top-left anchor
    // at the logical point, as a path would give it; nothing is drawn.
    virtual Rect ProbeTextBounds(FontRole font, int x, int y, std::string_view text) = 0;
};

// The grid font description the five grid fonts are made from (heights in
// 0.1 mm: negative is the character height, positive the cell height).
struct GridFontDescription {
    std::string face = "Times New Roman";
    int height = -40;
    int weight = 400;
    bool italic = false;
};
