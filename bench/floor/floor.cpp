// The floor of the benchmark: the least a Qt 6 Widgets program does to show one 792 x 570
// window, built with the same compiler and flags as the game. With
// QUELMOR_EXIT_AFTER_FIRST_PAINT=1 it ends once its first frame has been painted, as the game does;
// with QUELMOR_FLOOR_REPAINT_MS=N it repaints itself every N ms (the floor of an animated screen).
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <cstring>

class FloorWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::black);
        if (exitAfterPaint_) {
            exitAfterPaint_ = false;
            QTimer::singleShot(0, [] { std::_Exit(0); });  // once this frame has gone to the screen
        }
    }

private:
    bool exitAfterPaint_ = [] {
        const char* v = std::getenv("QUELMOR_EXIT_AFTER_FIRST_PAINT");
        return v && *v && std::strcmp(v, "0") != 0;
    }();
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    FloorWindow window;
    window.setWindowTitle("floor");
    window.setFixedSize(792, 570);
    window.setAttribute(Qt::WA_OpaquePaintEvent);
    window.show();
    QTimer repaint;
    if (const char* ms = std::getenv("QUELMOR_FLOOR_REPAINT_MS")) {
        QObject::connect(&repaint, &QTimer::timeout, &window, [&window] { window.update(); });
        repaint.start(std::atoi(ms));
    }
    return app.exec();
}
