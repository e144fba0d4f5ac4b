#include "support/TestRegistry.h"
#include <QtTest>

#include <QImage>
#include <QPainter>

#include <memory>

#include "platform/GridFonts.h"
#include "platform/PainterSurface.h"
#include "render/PlayerSummaryPrint.h"
#include "support/FakeHost.h"
#include "support/ScoringFixtures.h"

namespace {

// 254 dots per inch is exactly 10000 per metre and one pixel per 0.1 mm,
// which keeps the expected pixel positions readable.
constexpr int kOnePixelPerUnit = 254;

QImage MakeImage(int width, int height, int dpi)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

// An image with a painter and a surface on it.
struct Canvas {
    QImage image;
    QPainter painter;
    std::unique_ptr<PainterSurface> surface;

    Canvas(int width, int height, int dpi = kOnePixelPerUnit, GridFontDescription grid = {})
        : image(MakeImage(width, height, dpi))
    {
        painter.begin(&image);
        surface = std::make_unique<PainterSurface>(&painter, dpi, dpi, grid);
    }
    // Finishes painting and hands back the picture.
    const QImage& Done()
    {
        painter.end();
        return image;
    }
};

bool Dark(QRgb pixel)
{
    return qGray(pixel) < 160;
}

// The bounding box of the dark pixels (empty when there are none).
QRect InkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Dark(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestPainterSurface : public QObject {
    Q_OBJECT

private slots:
    void mapping_data()
    {
        QTest::addColumn<QList<int>>("v"); // dpi, origin x y, logical x y, device x y
        QTest::addColumn<double>("scale");
        QTest::newRow("y up: below the origin is down the device")
            << QList<int>{254, 0, 0, 100, -50, 100, 50} << 1.0;
        QTest::newRow("moved origin") << QList<int>{254, -10, 200, 0, 0, 10, 200} << 1.0;
        QTest::newRow("600 dpi") << QList<int>{600, 0, 0, 254, -508, 600, 1200} << 1.0;
        QTest::newRow("squeezed about the origin")
            << QList<int>{254, 100, -100, 300, -300, 100, 100} << 0.5;
        QTest::newRow("no scale but a positive one")
            << QList<int>{254, 0, 0, 10, -10, 10, 10} << 0.0;
    }
    void mapping()
    {
        QFETCH(QList<int>, v);
        QFETCH(double, scale);
        Canvas canvas(10, 10, v[0]);
        PainterSurface& s = *canvas.surface;
        s.SetOrigin(v[1], v[2]);
        s.SetScale(scale, scale > 0 ? scale : -1.0);
        QCOMPARE(s.ToDevice(Point{v[3], v[4]}), (Point{v[5], v[6]}));
        QCOMPARE(s.ToLogical(Point{v[5], v[6]}), (Point{v[3], v[4]}));
        QCOMPARE(s.DevicePerLogicalY(), v[0] / 254.0 * (scale > 0 ? scale : 1.0));
        // Without a resolution given, the device's own.
        PainterSurface own(&canvas.painter, GridFontDescription{});
        QCOMPARE(qRound(own.DevicePerLogicalX() * 254), v[0]);
        QCOMPARE(qRound(own.DevicePerLogicalY() * 254), v[0]);
    }

    void textHangsFromItsAnchor()
    {
        for (Align align : {Align::Left, Align::Centre, Align::Right}) {
            Canvas canvas(600, 300);
            PainterSurface& s = *canvas.surface;
            s.SetFont(FontRole::Main);
            s.SetAlign(align);
            Extent extent;
            QVERIFY(s.TextExtent("HHHH", extent));
            const FontFacts facts = s.Facts();
            s.Text(300, -100, "HHHH"); // device (300, 100)
            const QRect ink = InkBox(canvas.Done());
            // The cell's top is at the anchor: capitals start a little below it
            // and end on the baseline, an ascent down.
            QVERIFY(ink.top() > 100 && ink.top() < 100 + facts.ascent / 2);
            QVERIFY(qAbs(ink.bottom() + 1 - (100 + facts.ascent)) <= 2);
            QVERIFY(qAbs(ink.width() - extent.width) <= 8);

            const int slack = 6; // side bearings of the H
            if (align == Align::Left)
                QVERIFY(ink.left() >= 300 && ink.left() <= 300 + slack);
            else if (align == Align::Right)
                QVERIFY(ink.right() < 300 && ink.right() >= 300 - slack);
            else
                QVERIFY(qAbs(ink.center().x() - 300) <= 2);
        }
    }

    void rotatedFonts()
    {
        for (FontRole font : {FontRole::Downward, FontRole::Upward}) { // read top down, bottom up
            const bool down = font == FontRole::Downward;
            Canvas canvas(400, 1000);
            PainterSurface& s = *canvas.surface;
            s.SetFont(font);
            Extent extent;
            QVERIFY(s.TextExtent("Orientation", extent));
            s.SetFont(FontRole::Main);
            Extent flat;
            QVERIFY(s.TextExtent("Orientation", flat));
            QCOMPARE(extent.width, flat.width); // measured as the unrotated text

            // The probe and the ink agree: the text runs away from the anchor
            // (200, 500) along y and lies beside it, on the side away from the cell's top.
            const Rect box = s.ProbeTextBounds(font, 200, -500, "Orientation");
            QVERIFY(qAbs(box.bottom - box.top - extent.width) <= 8);
            QVERIFY(down ? box.top >= 500 && box.right <= 200
                         : box.bottom <= 500 && box.left >= 200);
            s.SetFont(font);
            s.Text(200, -500, "Orientation");
            const QRect ink = InkBox(canvas.image);
            QVERIFY(qAbs(ink.top() - box.top) <= 2 && qAbs(ink.bottom() + 1 - box.bottom) <= 2);
            QVERIFY(qAbs(ink.left() - box.left) <= 2 && qAbs(ink.right() + 1 - box.right) <= 2);
            // The first letter is where reading starts: top for downward, bottom for upward.
            canvas.image.fill(Qt::white);
            s.Text(200, -500, "O");
            const QRect first = InkBox(canvas.Done());
            if (down)
                QVERIFY(first.bottom() < ink.top() + ink.height() / 4);
            else
                QVERIFY(first.top() > ink.bottom() - ink.height() / 4);
        }
    }

    void singlesSummaryPrintsFullSize()
    {
        // Its columns are measured in average characters of running text
        // (0.401 em in Times New Roman and its metric twins): on 190 mm of
        // paper a singles summary needs no shrinking.
        struct ScaleWatch : PainterSurface {
            using PainterSurface::PainterSurface;
            double first = 0;
            void SetScale(double sx, double sy) override
            {
                if (first == 0)
                    first = sx;
                PainterSurface::SetScale(sx, sy);
            }
        };
        FakeHost host;
        SeasonPtr season = MakeScoringSeason(host, 10 /* singles */, 4, 20, {"Ann Lee"});
        QImage image = MakeImage(10, 10, 600);
        QPainter painter(&image);
        ScaleWatch surface(&painter, 600, 600, GridFontDescription{});
        QVERIFY(PrintPlayerSummary(surface, host, *season, 0, 190, 287));
        QCOMPARE(surface.first, 1.0);
    }

    // Five sixths of the grid font's height, rounded half away from zero.
    void dateFontHeight()
    {
        for (auto [height, date] : {std::pair{-40, -33}, {-41, -34}, {-3, -3}, {3, 3}, {50, 42}})
            QCOMPARE(DateFontHeight(height), date);
    }

    void setScaleSqueezes()
    {
        Canvas full(800, 200);
        Canvas half(800, 200);
        half.surface->SetScale(0.5, 0.5);
        for (Canvas* c : {&full, &half}) {
            c->surface->SetPen(PenRole::Hairline);
            c->surface->Line(0, -150, 600, -150);
            c->surface->Text(0, 0, "Totals for");
        }
        const QRect a = InkBox(full.Done());
        const QRect b = InkBox(half.Done());
        QCOMPARE(a.right(), 600);
        QCOMPARE(b.right(), 300);
        QCOMPARE(b.bottom(), 75);
        QCOMPARE(half.surface->FontFor(FontRole::Main).pixelSize(),
                 20); // fonts shrink with the page
    }
};

TESSEL_TEST(TestPainterSurface)
#include "tst_PainterSurface.moc"
