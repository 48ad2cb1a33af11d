#include "brellow.h"
#include "support/listprobe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

// The window as the pixels show it, in each style and colour scheme a school desktop may have:
// the button faces in their own colours, and every text readable on its background.
namespace {

constexpr double MinimumContrast = 4.5; // WCAG 2.1 AA for text of this size

double luminance(QColor colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The pixels of a logical area: a grab is in device pixels.
QHash<QRgb, int> histogram(const QImage &shot, QRect logical)
{
    const qreal ratio = shot.devicePixelRatio();
    const QRect area = QTransform::fromScale(ratio, ratio).mapRect(logical) & shot.rect();
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y) & RGB_MASK];
    }
    return counts;
}

// The commonest colour of an area is the background of its text; the text's own colour is
// the one that stands out most, found in the middle of a glyph's stroke.
double textContrast(const QImage &shot, QRect logical)
{
    const QHash<QRgb, int> counts = histogram(shot, logical);
    const QColor background(std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
                                return a.second < b.second;
                            })->first);
    double best = 1;
    for (const QRgb colour : counts.keys())
        best = std::max(best, contrast(QColor(colour), background));
    return best;
}

double shareOf(const QImage &shot, QRect logical, QColor colour)
{
    const QHash<QRgb, int> counts = histogram(shot, logical);
    const int total = std::accumulate(counts.cbegin(), counts.cend(), 0);
    return double(counts.value(colour.rgb() & RGB_MASK)) / total;
}

QRect inside(const QWidget *widget, int margin)
{
    return widget->geometry().adjusted(margin, margin, -margin, -margin);
}

QRect inWindow(const QWidget *widget, QRect local)
{
    return local.translated(widget->mapTo(widget->window(), QPoint()));
}

// The dark palette of a desktop's dark scheme, as GNOME's dark style gives it to Qt.
QPalette darkScheme()
{
    const std::unique_ptr<QStyle> dark(QStyleFactory::create(QStringLiteral("Adwaita-Dark")));
    return dark ? dark->standardPalette() : QPalette();
}

} // namespace

class TestLooks : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void facesAndText_data();
    void facesAndText();
};

void TestLooks::cleanup()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
}

void TestLooks::facesAndText_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("darkScheme");
    QTest::newRow("Fusion, light") << "Fusion" << false;
    QTest::newRow("Fusion, dark") << "Fusion" << true;
    QTest::newRow("Windows, light") << "Windows" << false;
    QTest::newRow("Windows, dark") << "Windows" << true;
    QTest::newRow("Adwaita") << "Adwaita" << false;
    QTest::newRow("Adwaita-Dark") << "Adwaita-Dark" << false;
    // Windows' native style, which ignores a palette's button colour, where the platform has it.
    if (QStyleFactory::keys().contains(QStringLiteral("windowsvista"), Qt::CaseInsensitive))
        QTest::newRow("windowsvista") << "windowsvista" << false;
}

void TestLooks::facesAndText()
{
    QFETCH(QString, style);
    QFETCH(bool, darkScheme);
    QStyle *look = QStyleFactory::create(style);
    QVERIFY2(look, qPrintable(style + QStringLiteral(" is not installed")));
    QApplication::setStyle(look);
    QApplication::setPalette(darkScheme ? ::darkScheme() : look->standardPalette());
    const bool lightText = QApplication::palette().color(QPalette::WindowText).lightness() > 128;
    QCOMPARE(lightText, darkScheme || style.endsWith(QStringLiteral("Dark")));

    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(window.Text2[0], QStringLiteral("Hello, World 42!"));
    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
    ListProbe::clickRow(window.List1[1], 1);
    // The focus elsewhere: lists without it are drawn as inactive in some styles.
    window.List1[0]->setFocus();
    const QImage shot = window.grab().toImage();

    // Inside the frame the style draws, whatever its width.
    for (const QPushButton *button : window.Command1) {
        const double share = shareOf(shot, inside(button, 2), button->palette().color(QPalette::Button));
        QVERIFY2(share > 0.5, qPrintable(QStringLiteral("%1: %2% of the face").arg(button->text()).arg(share * 100)));
    }

    QList<std::pair<QString, QRect>> texts;
    // Captions lose a pixel or two at the edges where the control they name covers them.
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts.append({ label->objectName(), inside(label, 2) });
    for (const QPushButton *button : window.Command1)
        texts.append({ button->objectName(), inside(button, 4) });
    for (const QLineEdit *box : window.Text2)
        texts.append({ box->objectName(), inside(box, 4) });
    const QWidget *log = window.Text1[0]->viewport();
    texts.append({ window.Text1[0]->objectName(), inWindow(log, log->rect()) });
    for (const QListWidget *list : window.List1) {
        for (int row = 0; row < list->count(); ++row) {
            const QRect cell = list->visualItemRect(list->item(row)) & list->viewport()->rect();
            if (!list->item(row)->isSelected() && !cell.isEmpty())
                texts.append({ list->objectName() + QStringLiteral(" row %1").arg(row), inWindow(list->viewport(), cell) });
        }
    }
    for (const auto &[name, area] : texts) {
        const double ratio = textContrast(shot, area);
        QVERIFY2(ratio >= MinimumContrast, qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(ratio, 0, 'f', 2)));
    }
}

QTEST_MAIN(TestLooks)
#include "tst_looks.moc"
