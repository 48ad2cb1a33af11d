// Starts exactly as the program does (QApplication, the window, show) and reports when the
// window's first frame is on the display; see FirstFrameProbe.
#include "application.h"
#include "brellow.h"
#include "desktopcheck.h"
#include "firstframeprobe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!DesktopCheck::expectDesktop(argc, argv))
        return DesktopCheck::NoDesktopStatus;
    QApplication app(argc, argv);
    DesktopCheck::started();
    Application::prepare();
    Brellow window;
    FirstFrameProbe probe(window);
    window.show();
    return app.exec();
}
