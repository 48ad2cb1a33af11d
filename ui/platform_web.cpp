#include "platform.h"

#include <QFontDatabase>
#include <QWidget>

// In the browser there is no desktop to check for, and no system font: Qt would fall back to
// its own DejaVu Sans, which is wider, and cut captions. The window's font is embedded instead
// as Liberation Serif, which has Times New Roman's metrics and is the window's second family.
namespace Platform {

bool expectDesktop(int, char **)
{
    return true;
}

void started()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"));
}

bool showsWindowIcon()
{
    return false;
}

// The page draws the title bar with the window's caption and icon, and sizes the canvas to the
// window's client area: the window fills it, without a second frame drawn by Qt.
void show(QWidget &window)
{
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.move(0, 0);
    window.show();
}

} // namespace Platform
