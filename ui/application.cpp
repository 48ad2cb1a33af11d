#include "application.h"

#include "platform.h"
#include "windowlayout.h"

#include <QApplication>
#include <QTranslator>

namespace Application {

void prepare()
{
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.HillCipher"));
    QApplication::setFont(WindowLayout::font());
    auto *qtTexts = new QTranslator(qApp);
    if (qtTexts->load(QStringLiteral("qtbase_bg"), Platform::qtTranslations()))
        QCoreApplication::installTranslator(qtTexts);
}

} // namespace Application
