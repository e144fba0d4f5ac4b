#include "render/PrintPage.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Host.h"
#include "model/TextFormat.h"

bool FitPage(int widthMm, int heightMm, int neededWidth, int neededHeight, PageFrame& frame)
{
    // A printer reporting a printable area in the millions of millimetres is
    // lying; keep the arithmetic in range rather than trust it.
    constexpr int kLargestMm = std::numeric_limits<int>::max() / 100;
    if (widthMm <= 0 || heightMm <= 0 || widthMm > kLargestMm || heightMm > kLargestMm)
        return false;
    const int width = widthMm * 10;
    const int height = heightMm * 10;
    double scale = 1.0;
    if (neededWidth > width)
        scale = std::min(scale, static_cast<double>(width) / neededWidth);
    if (neededHeight > height)
        scale = std::min(scale, static_cast<double>(height) / neededHeight);
    frame.scale = scale;
    if (scale >= 1.0) {
        frame.width = width;
        frame.height = height;
    } else {
        // The logical area grows as the page shrinks; rounding down keeps
        // right- and bottom-anchored texts on the paper.
        frame.width = static_cast<int>(std::floor(width / scale + 1e-6));
        frame.height = static_cast<int>(std::floor(height / scale + 1e-6));
    }
    return true;
}

int HeadingCentre(const PageFrame& frame, int contentWidth)
{
    if (frame.scale >= 1.0)
        return frame.width / 2;
    return std::min(frame.width, contentWidth) / 2;
}

void BeginPage(Surface& surface, const PageFrame& frame)
{
    // With the origin at the corner the scaled content starts at the corner too.
    surface.SetOrigin(0, 0);
    surface.SetScale(frame.scale, frame.scale);
    surface.SetTextColour(kBlack);
}

void EndPage(Surface& surface)
{
    surface.SetOrigin(0, 0);
    surface.SetScale(1.0, 1.0);
}

int TextWidth(Surface& surface, std::string_view text)
{
    Extent extent;
    return surface.TextExtent(text, extent) ? extent.width : 0;
}

void PutText(Surface& surface, Align align, int x, int y, std::string_view text)
{
    if (text.empty())
        return;
    surface.SetAlign(align);
    surface.Text(x, y, text);
}

void DrawPageFooter(Surface& surface, Host& host, const PageFrame& frame)
{
    surface.SetFont(FontRole::PageBody);
    PutText(surface, Align::Right, frame.width - 100, -frame.height + 100,
            FormatLongDate(host, host.Now()));
}
