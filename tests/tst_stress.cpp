#include "brellow.h"
#include "residentmemory.h"
#include "resultcheck.h"
#include "support/keyboard.h"
#include "support/listprobe.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

namespace {

// Pieces a student (or a stray paste) may bring: letters of several scripts, emoji as
// surrogate pairs, combining marks, bidirectional marks, digits and punctuation.
const QStringList Pieces {
    QStringLiteral("a"), QStringLiteral("Z"), QStringLiteral("hill"), QStringLiteral("Шифър"),
    QStringLiteral("ß"), QStringLiteral("\u0131"), QStringLiteral("\u017F"), QStringLiteral("é"),
    QStringLiteral("e\u0301"), QStringLiteral("\u200F"), QStringLiteral("\u202E"), QStringLiteral("\U0001F600"),
    QStringLiteral("\U0001F1E7\U0001F1EC"), QStringLiteral("42"), QStringLiteral(" "), QStringLiteral(", !?"),
    QStringLiteral("\u05D0\u05D1"), QStringLiteral("\u4E2D"), QStringLiteral("\t"),
};

QString randomText(QRandomGenerator &random, int pieces)
{
    QString text;
    for (int i = 0; i < pieces; ++i)
        text += Pieces[random.bounded(Pieces.size())];
    return text;
}

// The window's boxes and lists as the engine sees them.
MemoryControls snapshot(const Brellow &window)
{
    WindowControls view;
    view.log = window.Text1[0];
    view.message = window.Text2[0];
    view.cipher = window.Text2[1];
    MemoryControls copy;
    for (const TextBox box : { TextBox::Log, TextBox::Message, TextBox::Cipher })
        copy.setText(box, view.text(box));
    for (int k = 1; k <= 3; ++k) {
        for (int row = 0; row < window.List1[k]->count(); ++row)
            copy.addRow(static_cast<TrigramList>(k), window.List1[k]->item(row)->text());
    }
    return copy;
}

} // namespace

class TestStress : public QObject
{
    Q_OBJECT

private slots:
    void randomActions();

private:
    void act(Brellow &window, QRandomGenerator &random);
    void check(const Brellow &window);

    // What the last encryption left, so that typing afterwards is not mistaken for a fault.
    MemoryControls m_lastResult;
    qsizetype m_lastInputLength = 0;
    bool m_cleared = true;
    // Evidence that the run reached what it is meant to exercise.
    qsizetype m_longestMessage = 0;
    int m_runsWithTrigrams = 0;
    int m_syncedSelections = 0;
};

void TestStress::act(Brellow &window, QRandomGenerator &random)
{
    QListWidget *list = window.List1[random.bounded(4)];
    switch (random.bounded(9)) {
    case 0:
        Keyboard::typeText(window.Text2[0], randomText(random, random.bounded(1, 8)));
        break;
    case 1:
        QApplication::clipboard()->setText(randomText(random, random.bounded(1, 80)));
        QTest::keyClick(window.Text2[0], Qt::Key_V, Qt::ControlModifier);
        break;
    case 2:
        QTest::keyClick(window.Text2[0], random.bounded(2) ? Qt::Key_Backspace : Qt::Key_Home);
        break;
    case 3:
    case 4: {
        const qsizetype typed = window.Text2[0]->text().size();
        QTest::mouseClick(window.Command1[0], Qt::LeftButton);
        m_lastResult = snapshot(window);
        m_lastInputLength = typed;
        m_cleared = false;
        m_runsWithTrigrams += m_lastResult.rows(TrigramList::Plain).size() > 1;
        break;
    }
    case 5:
        QTest::mouseClick(window.Command1[1], Qt::LeftButton);
        m_cleared = true;
        break;
    case 6:
        if (list->count() > 0) {
            const Qt::KeyboardModifiers modifiers = random.bounded(5) == 0 ? Qt::ControlModifier : Qt::NoModifier;
            ListProbe::clickRow(list, random.bounded(list->count()), modifiers);
        }
        break;
    default: {
        static const Qt::Key Keys[] = { Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageDown };
        list->setFocus();
        QTest::keyClick(list, Keys[random.bounded(int(std::size(Keys)))]);
        break;
    }
    }
}

void TestStress::check(const Brellow &window)
{
    QVERIFY(window.Text2[0]->text().size() <= 50);
    m_longestMessage = qMax(m_longestMessage, window.Text2[0]->text().size());
    QCOMPARE(window.List1[0]->count(), 26);
    QVERIFY(!window.Text1[1]->isVisible());

    const MemoryControls now = snapshot(window);
    if (m_cleared) {
        QVERIFY(now.text(TextBox::Log).isEmpty() || now.text(TextBox::Log).startsWith(QStringLiteral("Крипт")));
        QVERIFY(now.text(TextBox::Cipher).isEmpty());
        for (int k = 1; k <= 3; ++k)
            QCOMPARE(window.List1[k]->count(), 0);
    } else {
        const QStringList broken = ResultCheck::brokenRules(m_lastResult, m_lastInputLength);
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("; "))));
        QCOMPARE(now.text(TextBox::Log), m_lastResult.text(TextBox::Log));
        QCOMPARE(now.text(TextBox::Cipher), m_lastResult.text(TextBox::Cipher));
        for (const TrigramList list : { TrigramList::Plain, TrigramList::Cipher, TrigramList::Decoded })
            QCOMPARE(now.rows(list), m_lastResult.rows(list));
    }
    const int selected = ListProbe::selectedRowOf(window.List1[1]);
    QCOMPARE(ListProbe::selectedRowOf(window.List1[2]), selected);
    QCOMPARE(ListProbe::selectedRowOf(window.List1[3]), selected);
    m_syncedSelections += selected > 0;
}

void TestStress::randomActions()
{
    quint32 seed = QRandomGenerator::global()->generate();
    if (qEnvironmentVariableIsSet("HILL_STRESS_SEED")) {
        const QString given = qEnvironmentVariable("HILL_STRESS_SEED");
        bool isSeed = false;
        seed = given.toUInt(&isSeed, 10);
        QVERIFY2(isSeed, qPrintable(QStringLiteral("HILL_STRESS_SEED is \"%1\", not a seed from 0 to 4294967295").arg(given)));
    }
    qInfo("seed %u (set HILL_STRESS_SEED to repeat a run)", seed);
    QRandomGenerator random(seed);

    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    constexpr int WarmUp = 200;
    constexpr int Actions = 1500;
    qint64 residentAfterWarmUp = 0;
    for (int i = 0; i < Actions; ++i) {
        act(window, random);
        check(window);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("after action %1 of seed %2").arg(i).arg(seed)));
        if (i == WarmUp)
            residentAfterWarmUp = ResidentMemory::kib();
    }
    QVERIFY2(residentAfterWarmUp > 0, "this platform's resident memory cannot be measured");
    QCOMPARE(m_longestMessage, 50);
    QVERIFY(m_runsWithTrigrams > 10);
    QVERIFY(m_syncedSelections > 10);

    const qint64 growth = ResidentMemory::kib() - residentAfterWarmUp;
    qInfo("resident memory grew by %lld KiB over %d actions", growth, Actions - WarmUp);
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer holds freed memory in quarantine, so growth says nothing there.
    constexpr bool MemoryIsMeaningful = false;
#else
    constexpr bool MemoryIsMeaningful = true;
#endif
    if (MemoryIsMeaningful)
        QVERIFY2(growth < 8 * 1024, qPrintable(QStringLiteral("grew by %1 KiB").arg(growth)));
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
