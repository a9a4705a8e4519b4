// The yardstick for start-up: a plain Qt window with a dozen labels, reporting its first paint.
#include <QApplication>
#include <QLabel>

#include "core/first_paint_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(994, 676);
    for (int i = 0; i < 12; ++i) {
        auto* label = new QLabel(QStringLiteral("标签 %1").arg(i + 1), &window);
        label->move(20 + (i % 3) * 200, 20 + (i / 3) * 60);
    }
    trelvo::FirstPaintProbe probe;
    window.installEventFilter(&probe);
    window.show();
    return QApplication::exec();
}
