// One click of the encrypt button in the shown window, through to the repainted frame, beside
// the same click on a plain button that does nothing, in an empty window of the same size.
// Needs a display (or QT_QPA_PLATFORM=offscreen).
#include "brellow.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QList>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// 50 characters, the message box's typing limit; 37 of them are letters.
const QString Message = QStringLiteral("Meet me by the old mill at noon, bring maps & rope");

// Counts the paint events the given widgets receive.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(const QList<QWidget *> &widgets)
    {
        for (QWidget *widget : widgets)
            widget->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }

    int paints = 0;
};

QList<QWidget *> withAllChildren(QWidget &window)
{
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    return widgets;
}

bool showAndWait(QWidget &window)
{
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QCoreApplication::processEvents();
    return true;
}

// The click, then event loop turns until one of them paints nothing in the window: the item
// views lay their rows out one turn after the click, so a single turn is not the whole repaint.
void clickAndRepaint(QPushButton *button, const PaintCounter &windowPainted)
{
    QTest::mouseClick(button, Qt::LeftButton);
    int seen = 0;
    do {
        seen = windowPainted.paints;
        QCoreApplication::processEvents();
    } while (windowPainted.paints != seen);
}

void EncryptClick(benchmark::State &state)
{
    Brellow window;
    if (!showAndWait(window)) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    QPushButton *encrypt = window.Command1[0];
    QLineEdit *message = window.Text2[0];
    QLineEdit *cipher = window.Text2[1];
    PaintCounter windowPainted(withAllChildren(window));
    // The cipher list is the last thing the click repaints.
    PaintCounter listPainted({ window.List1[1]->viewport() });
    for (auto _ : state) {
        state.PauseTiming();
        message->setText(Message);
        cipher->clear();
        QCoreApplication::processEvents();
        const int paintsBefore = listPainted.paints;
        if (message->text() != Message) {
            state.SkipWithError("the message box did not take the whole message");
            break;
        }
        state.ResumeTiming();

        clickAndRepaint(encrypt, windowPainted);

        state.PauseTiming();
        const bool encrypted = !cipher->text().isEmpty() && window.List1[1]->count() > 0;
        const bool repainted = listPainted.paints > paintsBefore;
        state.ResumeTiming();
        if (!encrypted || !repainted) {
            state.SkipWithError(!encrypted ? "the click did not encrypt" : "the click was not repainted");
            break;
        }
    }
}

void PlainClick(benchmark::State &state)
{
    QWidget window;
    window.setFixedSize(481, 424);
    // Where the encrypt button sits in the program's window.
    auto *button = new QPushButton(QStringLiteral("Button"), &window);
    button->setGeometry(392, 32, 81, 25);
    if (!showAndWait(window)) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    PaintCounter windowPainted(withAllChildren(window));
    PaintCounter buttonPainted({ button });
    for (auto _ : state) {
        state.PauseTiming();
        QCoreApplication::processEvents();
        const int paintsBefore = buttonPainted.paints;
        state.ResumeTiming();

        clickAndRepaint(button, windowPainted);

        state.PauseTiming();
        const bool repainted = buttonPainted.paints > paintsBefore;
        state.ResumeTiming();
        if (!repainted) {
            state.SkipWithError("the click was not repainted");
            break;
        }
    }
}

} // namespace

BENCHMARK(EncryptClick)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(PlainClick)->Unit(benchmark::kMicrosecond)->UseRealTime();

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
