// The floor for start-up: an empty window of the program's size, shown the same way.
#include "firstframeprobe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(481, 424);
    FirstFrameProbe probe(window);
    window.show();
    return app.exec();
}
