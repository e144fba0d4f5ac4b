#include "platform/GridFonts.h"

#include <QFontMetricsF>
#include <QString>

#include <algorithm>
#include <cmath>

GridFontDescription ToGridFontDescription(const GridFontSettings& settings)
{
    GridFontDescription description;
    description.face = settings.faceName;
    description.height = settings.height;
    description.weight = settings.weight;
    description.italic = settings.italic;
    return description;
}

GridFontDescription CreateGridFonts()
{
    return ToGridFontDescription(LoadGridFontSettings());
}

int DateFontHeight(int height)
{
    return static_cast<int>(std::lround(height * 10.0 / 12.0));
}

double FontRotation(FontRole role)
{
    switch (role) {
    case FontRole::Downward:
        return 90.0;
    case FontRole::Upward:
        return -90.0;
    default:
        return 0.0;
    }
}

QFont DefaultRomanFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif, QFont::PreferQuality);
    return font;
}

void SizeFont(QFont& font, int height, double pixelsPerUnit, QPaintDevice* device)
{
    // A height of 0 asks for the platform's default size; 4 mm is ours.
    if (height == 0)
        height = -40;
    const double wanted = std::abs(static_cast<double>(height)) * pixelsPerUnit;
    int pixels = std::max(1, static_cast<int>(std::lround(wanted)));
    font.setPixelSize(pixels);
    if (height > 0) {
        // The cell height is what the face makes of an em: measure once and scale.
        const double cell =
            device ? QFontMetricsF(font, device).height() : QFontMetricsF(font).height();
        if (cell > 0) {
            pixels = std::max(1, static_cast<int>(std::lround(pixels * wanted / cell)));
            font.setPixelSize(pixels);
        }
    }
}

QFont MakeGridFont(const GridFontDescription& description, FontRole role, double pixelsPerUnit,
                   QPaintDevice* device)
{
    QFont font = DefaultRomanFont();
    // A face the platform lacks still comes out as a proportional serif face.
    if (!description.face.empty())
        font.setFamily(QString::fromUtf8(description.face.data(),
                                         static_cast<qsizetype>(description.face.size())));
    // The stored scale is the one Qt uses (400 normal, 700 bold); 0 means "any".
    const int weight = description.weight <= 0 ? 400 : std::min(description.weight, 1000);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(description.italic || role == FontRole::Italic);
    const int height =
        role == FontRole::Date ? DateFontHeight(description.height) : description.height;
    SizeFont(font, height, pixelsPerUnit, device);
    return font;
}
