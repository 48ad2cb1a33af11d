// Starts exactly as the program does (QApplication, the window, show) and reports when the
// window's first frame is on the display; see FirstFrameProbe.
#include "application.h"
#include "brellow.h"
#include "platform.h"
#include "firstframeprobe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!Platform::expectDesktop(argc, argv))
        return Platform::NoDesktopStatus;
    QApplication app(argc, argv);
    Platform::started();
    Application::prepare();
    Brellow window;
    FirstFrameProbe probe(window);
    window.show();
    return app.exec();
}
