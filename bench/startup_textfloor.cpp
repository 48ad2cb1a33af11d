// The fair floor for a window that shows text: the program's window size with one caption in the
// program's font, so that it pays for finding and loading the font as the program does.
#include "firstframeprobe.h"
#include "windowlayout.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(WindowLayout::font());
    QWidget window;
    window.setFixedSize(WindowLayout::clientSize());
    QLabel caption(QStringLiteral("Шифър на Хил"), &window);
    caption.move(8, 8);
    FirstFrameProbe probe(window);
    window.show();
    return app.exec();
}
