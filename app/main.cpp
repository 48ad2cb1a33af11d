#include "application.h"
#include "brellow.h"
#include "platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!Platform::expectDesktop(argc, argv))
        return Platform::NoDesktopStatus;
    QApplication app(argc, argv);
    Platform::started();
    Application::prepare();
    Brellow window;
    Platform::show(window);
    return app.exec();
}
