#include "application.h"

#include "windowlayout.h"

#include <QApplication>

namespace Application {

void prepare()
{
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.HillCipher"));
    QApplication::setFont(WindowLayout::font());
}

} // namespace Application
