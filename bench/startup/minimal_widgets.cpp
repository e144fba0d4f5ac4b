// The yardstick for Tessel's start-up: the least a Qt Widgets program does to
// put a window with some text on the screen, quitting after its first paint.
#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QTimer>

namespace {

class Canvas : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Results"));
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new Canvas);
    window.resize(1024, 700);
    window.show();
    return QApplication::exec();
}
