#include "application.h"
#include "brellow.h"
#include "desktopcheck.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!DesktopCheck::expectDesktop(argc, argv))
        return DesktopCheck::NoDesktopStatus;
    QApplication app(argc, argv);
    DesktopCheck::started();
    Application::prepare();
    Brellow window;
    window.show();
    return app.exec();
}
