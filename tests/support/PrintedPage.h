#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/RecordingSurface.h"

// A recorded printout read back in page coordinates: logical units measured
// from the printable area's top-left corner (y up, so down the page is
// negative), whatever origin each call was drawn under. Positions are before
// the page's scale; `scale` says how they reach the paper.
struct PrintedPage {
    struct Text {
        std::string text;
        int x = 0, y = 0;
        Align align = Align::Left;
        FontRole font = FontRole::Main;
        int width = 0; // by the recording surface's fake metrics
        int height = 0;
    };
    struct Line {
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        PenRole pen = PenRole::Hairline;
        bool frame = false; // one of a Frame's four sides
    };

    std::vector<Text> texts;
    std::vector<Line> lines; // Frames are split into their sides
    double scale = 1.0;      // the last scale set before anything was drawn

    // Texts with this string, in drawing order.
    std::vector<Text> Find(std::string_view text) const;
    // The one text drawn at (x, y), or nullptr.
    const Text* At(int x, int y) const;
    // Texts whose top is at y, in drawing order.
    std::vector<Text> Row(int y) const;
    // Horizontal lines drawn with pen (frames included when asked).
    std::vector<Line> Horizontal(PenRole pen, bool withFrames = false) const;
};

PrintedPage ReadPage(const RecordingSurface& surface);

// The first thing drawn that lands off a printable area of widthMm x heightMm
// (texts by their full extent), described; "" when everything is on it.
// Works on device positions, so it judges the scale and the origins too.
std::string FirstOffPage(const RecordingSurface& surface, int widthMm, int heightMm);
