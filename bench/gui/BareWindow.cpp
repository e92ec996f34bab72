// A bare Qt window started the way lotavo starts, ending at its first paint: the yardstick
// for the draw screen's start-up time in bench/gui-bench.sh.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

class PaintOnce : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override { QTimer::singleShot(0, [] { std::_Exit(0); }); }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PaintOnce window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.showFullScreen();
    return QApplication::exec();
}
