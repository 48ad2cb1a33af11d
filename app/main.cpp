#include "brellow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Brellow window;
    window.show();
    return app.exec();
}
