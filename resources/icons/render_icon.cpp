// Renders the program icon's drawing into the PNG sizes the program and the
// desktop use. The PNGs are kept in the repository; run this after changing
// the drawing (ninja -C build render_icons).
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: render_icon DRAWING.svg OUTDIR\n";
        return 2;
    }
    const QString drawing = QString::fromLocal8Bit(argv[1]);
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Qt's SVG image plugin draws it; each size from the drawing itself.
        QImageReader reader(drawing);
        reader.setScaledSize(QSize(size, size));
        QImage image = reader.read();
        if (image.isNull()) {
            err << drawing << ": " << reader.errorString() << '\n';
            return 1;
        }
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QString out = QStringLiteral("%1/tessel-%2.png").arg(outDir).arg(size);
        if (!image.save(out, "PNG")) {
            err << out << ": cannot write\n";
            return 1;
        }
    }
    return 0;
}
