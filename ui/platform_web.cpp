#include "platform.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScroller>
#include <QStyleHints>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

#include <memory>

namespace {

// Qt's screen-reader layer in the page starts switched off, behind a button of its own that a
// screen reader comes to first; the button is named in the window's language. Qt's translation
// has no text for it, as the button's name is this program's own.
class ScreenReaderSwitch final : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return qstrcmp(context, "QWasmAccessibility") == 0 && qstrcmp(sourceText, "Enable Screen Reader") == 0
            ? QStringLiteral("Включи достъпа за екранни четци")
            : QString();
    }

    bool isEmpty() const override { return false; }
};

bool fromTouch(const QEvent *event)
{
    return event->isPointerEvent()
        && static_cast<const QPointerEvent *>(event)->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen;
}

// On a touch screen a finger drags the lists and the log as the device's own lists scroll. Qt
// also makes a mouse press of every touch, which would select rows under a dragging finger: the
// press waits for the finger to lift, and only a tap gets it, as a click.
class TapOrScroll final : public QObject
{
public:
    explicit TapOrScroll(QAbstractScrollArea *area)
        : QObject(area)
    {
        QWidget *viewport = area->viewport();
        QScroller::grabGesture(viewport, QScroller::TouchGesture);
        connect(QScroller::scroller(viewport), &QScroller::stateChanged, this, [this](QScroller::State state) {
            m_scrolled = m_scrolled || state == QScroller::Dragging;
        });
        viewport->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *viewport, QEvent *event) override
    {
        if (m_replaying || !fromTouch(event))
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_press.reset(static_cast<QMouseEvent *>(event)->clone());
            m_scrolled = false;
            return true;
        case QEvent::MouseMove:
            return true;
        case QEvent::MouseButtonRelease:
            if (m_press && !m_scrolled) {
                const QScopedValueRollback replaying(m_replaying, true);
                QCoreApplication::sendEvent(viewport, m_press.get());
                QCoreApplication::sendEvent(viewport, event);
            }
            m_press.reset();
            return true;
        default:
            return false;
        }
    }

private:
    std::unique_ptr<QMouseEvent> m_press;
    bool m_scrolled = false;
    bool m_replaying = false;
};

// A touch screen has no right button: a finger held still on a text box selects all its text and
// opens the box's menu, from which it is copied.
class HoldForMenu final : public QObject
{
public:
    explicit HoldForMenu(QLineEdit *box)
        : QObject(box)
        , m_box(box)
    {
        m_hold.setSingleShot(true);
        m_hold.setInterval(QGuiApplication::styleHints()->mousePressAndHoldInterval());
        connect(&m_hold, &QTimer::timeout, this, [this] {
            m_box->selectAll();
            QContextMenuEvent menu(QContextMenuEvent::Other, m_point, m_box->mapToGlobal(m_point));
            QCoreApplication::sendEvent(m_box, &menu);
        });
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            if (fromTouch(event)) {
                m_point = static_cast<QMouseEvent *>(event)->position().toPoint();
                m_hold.start();
            }
            break;
        }
        case QEvent::MouseMove:
            if ((static_cast<QMouseEvent *>(event)->position().toPoint() - m_point).manhattanLength()
                > QGuiApplication::styleHints()->startDragDistance())
                m_hold.stop();
            break;
        case QEvent::MouseButtonRelease:
            m_hold.stop();
            break;
        default:
            break;
        }
        return false;
    }

private:
    QLineEdit *m_box;
    QTimer m_hold;
    QPoint m_point;
};

} // namespace

// In the browser there is no desktop to check for, and no system font; the Qt built for it
// leaves out the two fonts it would bring. The window's font is embedded instead as Liberation
// Serif, which has Times New Roman's metrics and is the window's second family.
namespace Platform {

bool expectDesktop(int, char **)
{
    return true;
}

void started()
{
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"));
    QCoreApplication::installTranslator(new ScreenReaderSwitch(qApp));
}

bool showsWindowIcon()
{
    return false;
}

QString qtTranslations()
{
    return QStringLiteral(":/translations");
}

// The page draws the title bar with the window's caption and icon, and sizes the canvas to the
// window's client area: the window fills it, without a second frame drawn by Qt. On a touch
// screen a finger scrolls the lists and the log, and held on a text box opens its menu.
void show(QWidget &window)
{
    for (QAbstractScrollArea *area : window.findChildren<QAbstractScrollArea *>())
        new TapOrScroll(area);
    for (QLineEdit *box : window.findChildren<QLineEdit *>())
        new HoldForMenu(box);
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.move(0, 0);
    window.show();
}

} // namespace Platform
