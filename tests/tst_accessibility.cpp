#include "brellow.h"
#include "support/listprobe.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

QAccessibleInterface *interfaceOf(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void focusableControls_data();
    void focusableControls();
    void everyFocusableControlIsNamed();
    void selectedRowIsReported_data();
    void selectedRowIsReported();
};

void TestAccessibility::focusableControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("caption"); // the label whose buddy the control is
    QTest::newRow("log") << "Text1_0" << int(QAccessible::EditableText) << "Обяснение и изчисления" << "";
    QTest::newRow("letter table") << "List1_0" << int(QAccessible::List) << "Букви и кодовете им" << "Label1_4";
    QTest::newRow("message") << "Text2_0" << int(QAccessible::EditableText) << "Съобщение" << "Label1_1";
    QTest::newRow("cipher") << "Text2_1" << int(QAccessible::EditableText) << "Шифриран текст" << "Label1_2";
    QTest::newRow("cipher trigrams") << "List1_1" << int(QAccessible::List) << "Шифрирани тройки" << "Label2_0";
    QTest::newRow("decoded trigrams") << "List1_2" << int(QAccessible::List) << "Дешифрирани тройки" << "Label2_1";
    QTest::newRow("encrypt") << "Command1_0" << int(QAccessible::Button) << "Криптирай" << "";
    QTest::newRow("clear") << "Command1_1" << int(QAccessible::Button) << "Изчисти" << "";
    QTest::newRow("plain trigrams") << "List1_3" << int(QAccessible::List) << "Въведени тройки" << "Label1_3";
}

void TestAccessibility::focusableControls()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, spoken);
    QFETCH(QString, caption);
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *widget = window.findChild<QWidget *>(name);
    QVERIFY(widget);
    QAccessibleInterface *iface = interfaceOf(widget);
    QVERIFY(iface);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), spoken);
    if (!caption.isEmpty())
        QCOMPARE(window.findChild<QLabel *>(caption)->buddy(), widget);
    QVERIFY(iface->state().focusable);
    const bool readOnly = name == QStringLiteral("Text1_0") || name == QStringLiteral("Text2_1");
    if (role == QAccessible::EditableText)
        QCOMPARE(bool(iface->state().readOnly), readOnly);
}

// Walks the window's accessible tree: whatever can take the focus must have a name of its own.
void TestAccessibility::everyFocusableControlIsNamed()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAccessibleInterface *root = interfaceOf(&window);
    QVERIFY(root);
    QSet<QString> names;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (child->state().invisible || !child->state().focusable)
            continue;
        const QString name = child->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(child->object()->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names.insert(name);
    }
    QCOMPARE(names.size(), 9);
}

void TestAccessibility::selectedRowIsReported_data()
{
    QTest::addColumn<int>("clicked");
    QTest::newRow("from plain") << 3;
    QTest::newRow("from cipher") << 1;
    QTest::newRow("from decoded") << 2;
}

void TestAccessibility::selectedRowIsReported()
{
    QFETCH(int, clicked);
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(window.Text2[0], QStringLiteral("Hello, World 42!"));
    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
    ListProbe::clickRow(window.List1[clicked], 2);

    for (int k = 1; k <= 3; ++k) {
        QAccessibleInterface *list = interfaceOf(window.List1[k]);
        QCOMPARE(list->childCount(), 4);
        for (int row = 0; row < 4; ++row) {
            QAccessibleInterface *item = list->child(row);
            QCOMPARE(item->role(), QAccessible::ListItem);
            QCOMPARE(bool(item->state().selected), row == 2);
        }
        QCOMPARE(list->child(2)->text(QAccessible::Name), window.List1[k]->item(2)->text());
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
