#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPen>
#include <QPointF>
#include <QStaticText>
#include <QString>

#include <array>
#include <optional>

#include "render/Surface.h"

class QPainter;

// The Surface on a QPainter: a widget, a printer, a PDF writer or an image.
//
// Logical units are 0.1 mm with y up; the surface maps them to the painter's
// coordinates itself (device = (logical - origin) x scale x pixels per unit,
// y flipped), because a mirrored world transform on the painter would mirror
// the text as well. The painter's own world transform is left alone and taken
// to be the identity: painter coordinates are what this class calls device
// pixels. Every call sets the painter's pen, font and background mode itself,
// so the painter may be shared with other drawing code.
class PainterSurface : public Surface {
public:
    // The painter must be active (begun on its device) for the surface's life.
    // dpiX, dpiY: the device's resolution in pixels per inch as the painter
    // sees it (QWidget::logicalDpiX(), QPrinter::resolution(),
    // QPdfWriter::resolution(), an image's logicalDpiX()).
    PainterSurface(QPainter* painter, double dpiX, double dpiY, const GridFontDescription& grid);
    // The resolution of the painter's device.
    PainterSurface(QPainter* painter, const GridFontDescription& grid);

    void SetFont(FontRole font) override;
    bool TextExtent(std::string_view text, Extent& extent) override;
    FontFacts Facts() override;

    void SetTextColour(Rgb colour) override;
    Rgb HighlightColour() override;
    Rgb HighlightTextColour() override;
    void SetAlign(Align align) override;
    void Text(int x, int y, std::string_view text) override;

    void SetPen(PenRole pen) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Frame(int left, int top, int right, int bottom) override;
    void Fill(int left, int top, int right, int bottom, Rgb colour) override;

    void SetOrigin(int x, int y) override;
    void SetScale(double sx, double sy) override;
    Point ToDevice(Point logical) override;
    Point ToLogical(Point device) override;
    double DevicePerLogicalX() override;
    double DevicePerLogicalY() override;

    Rect ProbeTextBounds(FontRole font, int x, int y, std::string_view text) override;

    // The font a role stands for at the current scale (for tests and callers
    // that want to know what the platform chose).
    const QFont& FontFor(FontRole font);

private:
    QPen PenFor(PenRole pen) const;
    double DevicePerLogicalXConst() const;
    double UnitsToPixels(double units) const;

    QPainter* painter_;
    double pixelsPerUnitX_;
    double pixelsPerUnitY_;
    GridFontDescription grid_;
    std::array<std::optional<QFont>, 8> fonts_{}; // by FontRole, for the current scale
    // Laid-out texts by font: a grid repeats the same few texts (scores,
    // letters, dates) hundreds of times, and laying each out again is most of
    // the cost of a paint.
    struct PreparedText {
        QStaticText text;
        double width = 0.0;
    };
    std::array<std::optional<QFontMetricsF>, 8> metrics_{};
    // Each font's texts, shared by every surface drawing in that font at that
    // resolution, so that a paint profits from the paints before it.
    using PreparedTexts = QHash<QString, PreparedText>;
    std::array<PreparedTexts*, 8> prepared_{};
    const QFontMetricsF& MetricsFor(FontRole role);
    const PreparedText& Prepare(FontRole role, const QString& text);

    FontRole font_ = FontRole::Main;
    PenRole pen_ = PenRole::ScreenMajor;
    Rgb colour_ = kBlack;
    Align align_ = Align::Left;
    Point origin_{};
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
};
