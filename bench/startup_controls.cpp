// What the window's controls cost before they show any text: the text floor's window and caption,
// with every control of the window's table, of the same kind and in the same place, left empty.
// The program against this floor is the cost of what the window shows and does; this floor against
// the text floor is the cost of the kinds of control themselves.
#include "firstframeprobe.h"
#include "windowlayout.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace WindowLayout;

namespace {

QWidget *emptyControl(ControlArray array, QWidget *parent)
{
    switch (array) {
    case ControlArray::Text1:
        return new QPlainTextEdit(parent);
    case ControlArray::Text2:
        return new QLineEdit(parent);
    case ControlArray::List1:
        return new QListWidget(parent);
    case ControlArray::Command1:
        return new QPushButton(parent);
    case ControlArray::Label1:
    case ControlArray::Label2:
        break;
    }
    return new QLabel(parent);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(WindowLayout::font());
    QWidget window;
    window.setFixedSize(WindowLayout::clientSize());
    for (const Control &entry : controls()) {
        QWidget *control = emptyControl(entry.array, &window);
        control->setGeometry(entry.geometry());
        if (entry.settings & Hidden)
            control->hide();
    }
    QLabel caption(QStringLiteral("Шифър на Хил"), &window);
    caption.move(8, 8);
    FirstFrameProbe probe(window);
    window.show();
    return app.exec();
}
