#include "platform.h"

#include <QString>
#include <QWidget>

// Windows always has a desktop, and the window's font (Times New Roman) comes with it.
namespace Platform {

bool expectDesktop(int, char **)
{
    return true;
}

void started() { }

bool showsWindowIcon()
{
    return true;
}

QString qtTranslations()
{
    return QStringLiteral(":/translations");
}

void show(QWidget &window)
{
    window.show();
}

} // namespace Platform
