#include "brellow.h"
#include "windowlayout.h"
#include "windowtexts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// The family the window ends up drawing with: the first one of its list that is installed.
QString installedFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &family : WindowLayout::fontFamilies()) {
        if (installed.contains(family))
            return family;
    }
    return {};
}

QString withoutTrailingBreaks(QString text)
{
    while (text.endsWith(QChar(u'\n')))
        text.chop(1);
    return text;
}

// Leaves room for the frame an item view draws around a row's text.
int itemTextMargin(const QWidget *view)
{
    return view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

void checkRowsFit(const QListWidget *list)
{
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < list->count(); ++row) {
        const QString text = list->item(row)->text();
        const QRect cell = list->visualItemRect(list->item(row));
        QVERIFY2(metrics.horizontalAdvance(text) + 2 * itemTextMargin(list) <= cell.width(), qPrintable(text));
        QVERIFY2(metrics.height() <= cell.height(), qPrintable(text));
    }
}

} // namespace

class TestFontFit : public QObject
{
    Q_OBJECT

private slots:
    void fontInUse();
    void layoutIsLogical();
    void labelsFit();
    void buttonsFit();
    void listRowsFit();
    void everyShownCharacterHasAGlyph();
};

void TestFontFit::fontInUse()
{
    const QString family = installedFamily();
    QVERIFY2(!family.isEmpty(), "none of the window's font families is installed");
    Brellow window;
    const QFontInfo info(window.font());
    QCOMPARE(info.family(), family);
    QCOMPARE(info.pointSize(), 12);
    QVERIFY(!info.italic());
    QCOMPARE(info.weight(), int(QFont::Normal));
}

void TestFontFit::layoutIsLogical()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(window.devicePixelRatio(), scale);
    QCOMPARE(window.size(), QSize(481, 424));
    for (const WindowLayout::Control &entry : WindowLayout::controls()) {
        const auto *widget = window.findChild<QWidget *>(WindowLayout::objectName({ entry.array, entry.index }));
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), entry.geometry());
    }
    const QPixmap icon = window.windowIcon().pixmap(QSize(32, 32), scale);
    QVERIFY(!icon.isNull());
}

void TestFontFit::labelsFit()
{
    Brellow window;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const QRect needed = metrics.boundingRect(room, int(label->alignment()), withoutTrailingBreaks(label->text()));
        QVERIFY2(room.contains(needed), qPrintable(label->objectName()));
    }
}

void TestFontFit::buttonsFit()
{
    Brellow window;
    for (const QPushButton *button : window.Command1) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetrics metrics(button->font());
        QVERIFY2(metrics.horizontalAdvance(button->text()) <= room.width(), qPrintable(button->text()));
        QVERIFY2(metrics.height() <= room.height(), qPrintable(button->text()));
    }
}

void TestFontFit::listRowsFit()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    checkRowsFit(window.List1[0]);
    // The widest capitals fill the trigram lists; a full message adds a vertical scroll bar.
    window.Text2[0]->setText(QStringLiteral("WWWMMMWWWMMMWWWMMMWWWMMMWWWMMMWW"));
    window.Command1_Click(0);
    for (int k = 1; k <= 3; ++k)
        checkRowsFit(window.List1[k]);
}

void TestFontFit::everyShownCharacterHasAGlyph()
{
    const QString family = installedFamily();
    QVERIFY(!family.isEmpty());
    QFont font(family);
    font.setPointSize(12);
    const QRawFont raw = QRawFont::fromFont(font);
    QVERIFY(raw.isValid());

    QStringList texts { WindowTexts::explanation(), WindowTexts::quote(), WindowLayout::windowTitle() };
    texts += WindowTexts::letterTable();
    for (const WindowLayout::Control &entry : WindowLayout::controls()) {
        if (entry.caption)
            texts << QString::fromUtf8(entry.caption);
    }
    for (const QString &text : texts) {
        for (const QChar c : text) {
            if (c == QChar(u'\r') || c == QChar(u'\n'))
                continue;
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QStringLiteral("U+%1 in \"%2\"")
                                                                .arg(c.unicode(), 4, 16, QChar(u'0'))
                                                                .arg(text.left(40))));
        }
    }
}

QTEST_MAIN(TestFontFit)
#include "tst_fontfit.moc"
