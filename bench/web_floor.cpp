// The floor for the program's first frame in the browser: an empty window of the program's size,
// shown as the program shows its own there.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(481, 424);
    window.move(0, 0);
    window.show();
    return app.exec();
}
