#include "application.h"
#include "brellow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Application::prepare();
    Brellow window;
    window.show();
    return app.exec();
}
