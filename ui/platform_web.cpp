#include "platform.h"

#include <QFontDatabase>

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

} // namespace Platform
