#include "brellow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window with its menu entry and theme icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.HillCipher"));
    Brellow window;
    window.show();
    return app.exec();
}
