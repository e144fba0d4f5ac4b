#include <QtTest>

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <memory>

#include "platform/GridFonts.h"
#include "platform/PainterSurface.h"
#include "platform/Settings.h"

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
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Dark(image.pixel(x, y))) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return QRect();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// Rows holding dark pixels in column x.
int DarkRowsInColumn(const QImage& image, int x)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        count += Dark(image.pixel(x, y)) ? 1 : 0;
    return count;
}

} // namespace

Q_DECLARE_METATYPE(Align)
Q_DECLARE_METATYPE(FontRole)
Q_DECLARE_METATYPE(PenRole)

class TestPainterSurface : public QObject {
    Q_OBJECT

private slots:
    void mapping_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("originX");
        QTest::addColumn<int>("originY");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("logicalX");
        QTest::addColumn<int>("logicalY");
        QTest::addColumn<int>("deviceX");
        QTest::addColumn<int>("deviceY");

        QTest::newRow("y up: below the origin is down the device")
            << 254 << 0 << 0 << 1.0 << 100 << -50 << 100 << 50;
        QTest::newRow("moved origin") << 254 << -10 << 200 << 1.0 << 0 << 0 << 10 << 200;
        QTest::newRow("600 dpi") << 600 << 0 << 0 << 1.0 << 254 << -508 << 600 << 1200;
        QTest::newRow("squeezed about the origin")
            << 254 << 100 << -100 << 0.5 << 300 << -300 << 100 << 100;
    }
    void mapping()
    {
        QFETCH(int, dpi);
        QFETCH(int, originX);
        QFETCH(int, originY);
        QFETCH(double, scale);
        QFETCH(int, logicalX);
        QFETCH(int, logicalY);
        QFETCH(int, deviceX);
        QFETCH(int, deviceY);

        Canvas canvas(10, 10, dpi);
        PainterSurface& s = *canvas.surface;
        s.SetOrigin(originX, originY);
        s.SetScale(scale, scale);
        QCOMPARE(s.ToDevice(Point{logicalX, logicalY}), (Point{deviceX, deviceY}));
        QCOMPARE(s.ToLogical(Point{deviceX, deviceY}), (Point{logicalX, logicalY}));
        QCOMPARE(s.DevicePerLogicalX(), dpi / 254.0 * scale);
        QCOMPARE(s.DevicePerLogicalY(), dpi / 254.0 * scale);
    }

    void resolutionFromDevice()
    {
        QImage image = MakeImage(10, 10, 600);
        QPainter painter(&image);
        PainterSurface s(&painter, GridFontDescription{});
        QCOMPARE(qRound(s.DevicePerLogicalX() * 254), 600);
        QCOMPARE(qRound(s.DevicePerLogicalY() * 254), 600);
    }

    void textHangsFromItsAnchor_data()
    {
        QTest::addColumn<Align>("align");
        QTest::newRow("left") << Align::Left;
        QTest::newRow("centre") << Align::Centre;
        QTest::newRow("right") << Align::Right;
    }
    void textHangsFromItsAnchor()
    {
        QFETCH(Align, align);
        Canvas canvas(600, 300);
        PainterSurface& s = *canvas.surface;
        s.SetFont(FontRole::Main);
        s.SetAlign(align);
        Extent extent;
        QVERIFY(s.TextExtent("HHHH", extent));
        const FontFacts facts = s.Facts();
        s.Text(300, -100, "HHHH"); // device (300, 100)
        const QRect ink = InkBox(canvas.Done());
        QVERIFY(!ink.isEmpty());

        // The cell's top is at the anchor: capitals start a little below it
        // and end on the baseline, an ascent down.
        QVERIFY2(ink.top() > 100 && ink.top() < 100 + facts.ascent / 2,
                 qPrintable(QStringLiteral("ink top %1").arg(ink.top())));
        QVERIFY(qAbs(ink.bottom() + 1 - (100 + facts.ascent)) <= 2);
        QVERIFY(qAbs(ink.width() - extent.width) <= 8);

        const int slack = 6; // side bearings of the H
        switch (align) {
        case Align::Left:
            QVERIFY(ink.left() >= 300 && ink.left() <= 300 + slack);
            break;
        case Align::Centre:
            QVERIFY(qAbs(ink.center().x() - 300) <= 2);
            break;
        case Align::Right:
            QVERIFY(ink.right() < 300 && ink.right() >= 300 - slack);
            break;
        }
    }

    void textIsTransparentAndColoured()
    {
        Canvas canvas(300, 120);
        PainterSurface& s = *canvas.surface;
        s.Fill(0, 0, 299, -119, Rgb{0, 0, 255});
        s.SetTextColour(kRed);
        s.Text(10, -10, "Walkover");
        const QImage& image = canvas.Done();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                QVERIFY2(c.green() < 60, "no background box behind the text");
                red += c.red() > 200 && c.blue() < 60 ? 1 : 0;
            }
        QVERIFY(red > 50);
    }

    void fillAndFrame()
    {
        Canvas canvas(100, 100);
        PainterSurface& s = *canvas.surface;
        s.Fill(10, -10, 40, -40, Rgb{0, 120, 215});
        s.SetPen(PenRole::Hairline);
        s.Frame(50, -50, 90, -90);
        const QImage& image = canvas.Done();
        QCOMPARE(image.pixelColor(25, 25), QColor(0, 120, 215));
        QCOMPARE(image.pixelColor(10, 10), QColor(0, 120, 215));
        QCOMPARE(image.pixelColor(40, 40), QColor(0, 120, 215));
        QCOMPARE(image.pixelColor(41, 25), QColor(Qt::white));
        QCOMPARE(image.pixelColor(70, 70), QColor(Qt::white)); // a frame is not filled
        QCOMPARE(image.pixelColor(50, 70), QColor(Qt::black));
        QCOMPARE(image.pixelColor(90, 70), QColor(Qt::black));
        QCOMPARE(image.pixelColor(70, 50), QColor(Qt::black));
        QCOMPARE(image.pixelColor(70, 90), QColor(Qt::black));
    }

    void rotatedFonts_data()
    {
        QTest::addColumn<FontRole>("font");
        QTest::newRow("downward reads top to bottom") << FontRole::Downward;
        QTest::newRow("upward reads bottom to top") << FontRole::Upward;
    }
    void rotatedFonts()
    {
        QFETCH(FontRole, font);
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

        // The probe: the text runs away from the anchor (200, 500) along y, and
        // lies beside it across, on the side the cell's top faces away from.
        const Rect box = s.ProbeTextBounds(font, 200, -500, "Orientation");
        const int length = box.bottom - box.top;
        QVERIFY(qAbs(length - extent.width) <= 8);
        QVERIFY(box.right - box.left <= extent.height);
        if (down) {
            QVERIFY(box.top >= 500 && box.top <= 505);
            QVERIFY(box.right <= 200 && box.left >= 200 - extent.height);
        } else {
            QVERIFY(box.bottom <= 500 && box.bottom >= 495);
            QVERIFY(box.left >= 200 && box.right <= 200 + extent.height);
        }

        // The ink agrees with the probe, and the first letter is where
        // reading starts: at the top for downward, at the bottom for upward.
        s.SetFont(font);
        s.Text(200, -500, "Orientation");
        const QRect ink = InkBox(canvas.image);
        QVERIFY(qAbs(ink.top() - box.top) <= 2 && qAbs(ink.bottom() + 1 - box.bottom) <= 2);
        QVERIFY(qAbs(ink.left() - box.left) <= 2 && qAbs(ink.right() + 1 - box.right) <= 2);

        canvas.image.fill(Qt::white);
        s.Text(200, -500, "O");
        const QRect first = InkBox(canvas.Done());
        if (down)
            QVERIFY(first.bottom() < ink.top() + ink.height() / 4);
        else
            QVERIFY(first.top() > ink.bottom() - ink.height() / 4);
    }

    void probeDoesNotDraw()
    {
        Canvas canvas(200, 200);
        canvas.surface->ProbeTextBounds(FontRole::Downward, 100, -20, "Orientation");
        QVERIFY(InkBox(canvas.Done()).isEmpty());
    }

    void timesNewRomanIsASerifFace()
    {
        Canvas canvas(10, 10);
        PainterSurface& s = *canvas.surface;
        s.SetFont(FontRole::Main);
        const std::string main = s.Facts().face;
        s.SetFont(FontRole::PageTitle);
        const std::string title = s.Facts().face;
        s.SetFont(FontRole::PageBody);
        const std::string body = s.Facts().face;
        s.SetFont(FontRole::PageItalic);
        const std::string italic = s.Facts().face;

        if (QFontDatabase::families().contains(QStringLiteral("Times New Roman")))
            QCOMPARE(main, std::string("Times New Roman"));
        else if (QFontDatabase::families().contains(QStringLiteral("Liberation Serif")))
            QCOMPARE(main, std::string("Liberation Serif"));
        const QString face = QString::fromStdString(main);
        QVERIFY2(!face.contains(QStringLiteral("Sans")) && !face.contains(QStringLiteral("Mono")) &&
                     !face.contains(QStringLiteral("Math")),
                 main.c_str());

        // No face named for the printouts: the same roman face; the body
        // follows whatever the title really got.
        QCOMPARE(title, main);
        QCOMPARE(body, title);
        QCOMPARE(italic, title);
        QVERIFY(QFontInfo(s.FontFor(FontRole::PageTitle)).bold());
        QVERIFY(!QFontInfo(s.FontFor(FontRole::PageBody)).bold());
        QVERIFY(QFontInfo(s.FontFor(FontRole::PageItalic)).italic());
        QVERIFY(!QFontInfo(s.FontFor(FontRole::PageBody)).italic());
    }

    void fontSizes_data()
    {
        QTest::addColumn<FontRole>("font");
        QTest::addColumn<int>("pixels");
        // One pixel per 0.1 mm: the em in pixels is the height in 0.1 mm.
        QTest::newRow("main -40") << FontRole::Main << 40;
        QTest::newRow("italic -40") << FontRole::Italic << 40;
        QTest::newRow("date 10/12 of -40") << FontRole::Date << 33;
        QTest::newRow("downward") << FontRole::Downward << 40;
        QTest::newRow("title 7 mm") << FontRole::PageTitle << 70;
        QTest::newRow("body 3.5 mm") << FontRole::PageBody << 35;
    }
    void fontSizes()
    {
        QFETCH(FontRole, font);
        QFETCH(int, pixels);
        Canvas canvas(10, 10);
        QCOMPARE(canvas.surface->FontFor(font).pixelSize(), pixels);
        QCOMPARE(canvas.surface->FontFor(font).italic(),
                 font == FontRole::Italic || font == FontRole::PageItalic);
    }

    void positiveHeightIsTheCell()
    {
        Canvas cell(10, 10, kOnePixelPerUnit, GridFontDescription{"Times New Roman", 50, 400, false});
        QVERIFY(qAbs(cell.surface->Facts().height - 50) <= 1);
        Canvas em(10, 10, kOnePixelPerUnit, GridFontDescription{"Times New Roman", -50, 400, false});
        QCOMPARE(em.surface->FontFor(FontRole::Main).pixelSize(), 50);
        QVERIFY(em.surface->Facts().height > 52); // the cell is taller than the em
    }

    void storedWeightAndItalic()
    {
        Canvas canvas(10, 10, kOnePixelPerUnit, GridFontDescription{"Times New Roman", -40, 700, true});
        const QFont& main = canvas.surface->FontFor(FontRole::Main);
        QCOMPARE(main.weight(), QFont::Bold);
        QVERIFY(main.italic());
        QCOMPARE(canvas.surface->FontFor(FontRole::Downward).weight(), QFont::Bold);
    }

    void dateFontHeight_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("date");
        QTest::newRow("default -40") << -40 << -33;
        QTest::newRow("-41 rounds up in size") << -41 << -34; // -34.17
        QTest::newRow("-3 half away from zero") << -3 << -3;  // -2.5
        QTest::newRow("positive 3 half up") << 3 << 3;        // 2.5
        QTest::newRow("positive 50") << 50 << 42;             // 41.67
    }
    void dateFontHeight()
    {
        QFETCH(int, height);
        QFETCH(int, date);
        QCOMPARE(DateFontHeight(height), date);
    }

    void factsAreLogical()
    {
        // The same font on a device of twice the resolution gives the same
        // logical facts.
        Canvas low(10, 10, 254);
        Canvas high(10, 10, 508);
        low.surface->SetFont(FontRole::PageBody);
        high.surface->SetFont(FontRole::PageBody);
        const FontFacts a = low.surface->Facts();
        const FontFacts b = high.surface->Facts();
        QVERIFY(qAbs(a.height - b.height) <= 1);
        QVERIFY(qAbs(a.ascent - b.ascent) <= 1);
        QVERIFY(qAbs(a.averageCharWidth - b.averageCharWidth) <= 1);
        QVERIFY(a.height > 35 && a.height < 50);
        QVERIFY(a.ascent > 25 && a.ascent < a.height);
        QVERIFY(a.externalLeading >= 0 && a.externalLeading < 10);
    }

    void setScaleSqueezes()
    {
        Canvas full(800, 200);
        Canvas half(800, 200);
        half.surface->SetScale(0.5, 0.5);
        for (Canvas* c : {&full, &half}) {
            c->surface->SetPen(PenRole::Hairline);
            c->surface->Line(0, -150, 600, -150);
        }
        Extent fullExtent, halfExtent;
        QVERIFY(full.surface->TextExtent("Totals for", fullExtent));
        QVERIFY(half.surface->TextExtent("Totals for", halfExtent));
        // Fonts shrink with the page, so logical extents barely move.
        QVERIFY(qAbs(fullExtent.width - halfExtent.width) <= fullExtent.width / 20 + 2);
        QVERIFY(qAbs(fullExtent.height - halfExtent.height) <= 3);
        for (Canvas* c : {&full, &half})
            c->surface->Text(0, 0, "Totals for");

        const QRect a = InkBox(full.Done());
        const QRect b = InkBox(half.Done());
        QCOMPARE(a.right(), 600);
        QCOMPARE(b.right(), 300);
        QCOMPARE(a.bottom(), 150);
        QCOMPARE(b.bottom(), 75);
        QCOMPARE(half.surface->FontFor(FontRole::Main).pixelSize(), 20);
    }

    void unevenScaleIsIgnoredWhenNotPositive()
    {
        Canvas canvas(10, 10);
        canvas.surface->SetScale(0.0, -1.0);
        QCOMPARE(canvas.surface->ToDevice(Point{10, -10}), (Point{10, 10}));
    }

    void penWidths_data()
    {
        QTest::addColumn<PenRole>("pen");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("hairline at 600 dpi") << PenRole::Hairline << 600 << 1 << QColor(Qt::black);
        QTest::newRow("paged major 0.2 mm") << PenRole::PagedMajor << 600 << 5 << QColor(Qt::black);
        QTest::newRow("thick 0.3 mm") << PenRole::Thick << 600 << 7 << QColor(Qt::black);
        QTest::newRow("screen major at 96 dpi")
            << PenRole::ScreenMajor << 96 << 1 << QColor(Qt::black);
        QTest::newRow("screen minor is grey")
            << PenRole::ScreenMinor << 96 << 1 << QColor(128, 128, 128);
    }
    void penWidths()
    {
        QFETCH(PenRole, pen);
        QFETCH(int, dpi);
        QFETCH(int, pixels);
        QFETCH(QColor, colour);
        Canvas canvas(200, 100, dpi);
        canvas.surface->SetPen(pen);
        const int y = -qRound(50 * 254.0 / dpi); // about device row 50
        const int row = canvas.surface->ToDevice(Point{0, y}).y;
        canvas.surface->Line(0, y, 1000, y);
        const QImage& image = canvas.Done();
        QCOMPARE(DarkRowsInColumn(image, 20), pixels);
        QCOMPARE(image.pixelColor(20, row), colour);
    }

    void dottedPenHasGaps()
    {
        Canvas canvas(200, 20, 600);
        canvas.surface->SetPen(PenRole::Dotted);
        canvas.surface->Line(0, -4, 80, -4); // device row 10, x 0..189
        const QImage& image = canvas.Done();
        int dark = 0;
        for (int x = 0; x < 180; ++x)
            dark += DarkRowsInColumn(image, x) > 0 ? 1 : 0;
        QVERIFY(dark > 40 && dark < 140);
    }

    void utf8Text()
    {
        Canvas canvas(10, 10);
        PainterSurface& s = *canvas.surface;
        Extent half;
        QVERIFY(s.TextExtent("\xC2\xBD", half)); // one "½"
        const QFontMetricsF metrics(s.FontFor(FontRole::Main), &canvas.image);
        QCOMPARE(half.width, qRound(metrics.horizontalAdvance(QString(QChar(0xBD)))));
    }

    void createGridFontsReadsTheStore()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("user/Orvane"))));
        QFile file(dir.filePath(QStringLiteral("user/Orvane/Tessel.conf")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[General]\nFontName=Liberation Sans\nFontHeight=-52\nFontWeight=700\n"
                   "FontItalic=257\n");
        file.close();
        SetSettingsStore(std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("user")),
                                                         dir.filePath(QStringLiteral("machine"))));
        const GridFontDescription description = CreateGridFonts();
        SetSettingsStore(nullptr);
        QCOMPARE(description.face, std::string("Liberation Sans"));
        QCOMPARE(description.height, -52);
        QCOMPARE(description.weight, 700);
        QVERIFY(description.italic);
    }
};

QTEST_MAIN(TestPainterSurface)
#include "tst_PainterSurface.moc"
