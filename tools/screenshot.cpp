// Opens the window on the running display, encrypts a sample message as a student would,
// selects one trigram row, and saves what the display shows of the window as a PNG.
#include "brellow.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        qWarning("usage: hill-screenshot OUTPUT.png");
        return 2;
    }
    Brellow window;
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    QTest::keyClicks(window.Text2[0], QStringLiteral("Hello, World 42!"));
    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
    QListWidget *cipher = window.List1[1];
    QTest::mouseClick(cipher->viewport(), Qt::LeftButton, {}, cipher->visualItemRect(cipher->item(1)).center());
    window.Text1[0]->setFocus();
    QTest::qWait(200);

    const QRect frame = window.frameGeometry();
    const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return shot.save(args[1]) ? 0 : 1;
}
