#pragma once

#include <string_view>

#include "render/Surface.h"

class Host;

// What the one-page printouts (match sheet, player summary) share: fitting
// the page, the page mapping, aligned text and the footer.

// The printable area as a printout lays itself out on it: logical units after
// the page has been scaled down so that the content fits. At scale 1 the area
// is exactly 10 x the printable size in millimetres.
struct PageFrame {
    double scale = 1.0;
    int width = 0;  // logical units across
    int height = 0; // logical units down
};

// The largest scale, never above 1, at which content neededWidth x
// neededHeight (0.1 mm) fits a printable area of widthMm x heightMm. False,
// with nothing to print on, when the area is empty.
bool FitPage(int widthMm, int heightMm, int neededWidth, int neededHeight, PageFrame& frame);

// Where a printout's centred headings stand: the middle of the paper; on a
// page shrunk to fit, the middle of the content, which is then narrower than
// the (enlarged) page and keeps to its left.
int HeadingCentre(const PageFrame& frame, int contentWidth);

// Selects the page mapping: origin at the printable area's top-left corner,
// one uniform scale, black text.
void BeginPage(Surface& surface, const PageFrame& frame);

// Puts back the plain mapping a printout found (origin at the corner, scale 1).
void EndPage(Surface& surface);

// Width of a text in the selected font; 0 when the surface cannot measure it.
int TextWidth(Surface& surface, std::string_view text);

// Draws text with its top at y; an empty text draws nothing.
void PutText(Surface& surface, Align align, int x, int y, std::string_view text);

// Today's date, right-aligned near the bottom right corner, in the body font.
void DrawPageFooter(Surface& surface, Host& host, const PageFrame& frame);
