// The menus that Qt's own controls open in the window: in the window's language whatever the
// computer's, each entry with a letter of its own to choose it by, and the window still at the
// student's command once the menu is closed.
#include "application.h"
#include "brellow.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

// The texts of the next menu that pops up, read and closed by Escape from inside the event loop,
// whether the menu runs a loop of its own or returns at once.
class MenuReader final : public QObject
{
public:
    MenuReader()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            m_poll.stop();
            for (const QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    texts << action->text().section(QLatin1Char('\t'), 0, 0);
            }
            QTest::keyClick(menu, Qt::Key_Escape);
            closed = !QApplication::activePopupWidget();
        });
        m_poll.start(10);
    }

    QStringList texts;
    bool closed = false;

private:
    QTimer m_poll;
};

// Where a right-click lands on the control: its own area, or its vertical scroll bar.
QWidget *target(Brellow &window, const QString &name, bool scrollBar)
{
    auto *control = window.findChild<QWidget *>(name);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(control))
        return scrollBar ? static_cast<QWidget *>(area->verticalScrollBar()) : area->viewport();
    return control;
}

bool latinIn(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter() && c.script() == QChar::Script_Latin; });
}

} // namespace

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Application::prepare(); }
    void contextMenu_data();
    void contextMenu();
};

void TestMenus::contextMenu_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("scrollBar");
    QTest::addColumn<QString>("entry"); // one entry of the menu, as Qt's translation has it
    QTest::newRow("message box") << "Text2_0" << false << "&Поставяне";
    QTest::newRow("cipher box") << "Text2_1" << false << "&Копиране";
    QTest::newRow("log") << "Text1_0" << false << "Избиране на всичко";
    QTest::newRow("log's scroll bar") << "Text1_0" << true << "Превъртане нагоре";
    QTest::newRow("letter table's scroll bar") << "List1_0" << true << "Страница надолу";
}

void TestMenus::contextMenu()
{
    QFETCH(QString, control);
    QFETCH(bool, scrollBar);
    QFETCH(QString, entry);
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget *clicked = target(window, control, scrollBar);
    QVERIFY(clicked && clicked->isVisible());

    // Through the window, as the platform delivers a right-click, so that Qt makes the menu's
    // event from it.
    MenuReader reader;
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, clicked->mapTo(&window, clicked->rect().center()));
    QTRY_VERIFY(!reader.texts.isEmpty());
    QVERIFY(reader.closed);
    QVERIFY2(reader.texts.contains(entry), qPrintable(reader.texts.join(QLatin1String(" | "))));
    QSet<QChar> letters;
    for (const QString &text : std::as_const(reader.texts)) {
        QVERIFY2(!latinIn(text), qPrintable(text));
        const qsizetype mark = text.indexOf(QLatin1Char('&'));
        if (mark >= 0 && mark + 1 < text.size()) {
            const QChar letter = text[mark + 1].toLower();
            QVERIFY2(!letters.contains(letter), qPrintable(QStringLiteral("%1 shares its letter").arg(text)));
            letters.insert(letter);
        }
    }

    QTest::keyClicks(window.Text2[0], QStringLiteral("HELLOWORLD"));
    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
    QCOMPARE(window.Text2[1]->text(), QStringLiteral("TFJIPIJSGD"));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
