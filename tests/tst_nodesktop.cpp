// Starts the installed-to-be program itself, as a teacher would from a text console or a remote
// shell, and as the test suite does with a platform of its choosing.
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

// Environment entries "NAME=value"; the variables that lead Qt to a display are unset first.
QProcessEnvironment environmentWith(const QStringList &entries)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE" })
        environment.remove(QString::fromLatin1(name));
    for (const QString &entry : entries)
        environment.insert(entry.section(QChar(u'='), 0, 0), entry.section(QChar(u'='), 1));
    return environment;
}

// The process has loaded the platform plugin it was given, so it is past the desktop check.
bool mapsLibrary(const QProcess &process, const QString &library)
{
    QFile maps(QStringLiteral("/proc/%1/maps").arg(process.processId()));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library.toUtf8());
}

// An X display number that no server listens on.
const QString NoServer = QStringLiteral(":32767");

} // namespace

class TestNoDesktop : public QObject
{
    Q_OBJECT

private slots:
    void withoutDisplay_data();
    void withoutDisplay();
    void namedPlatformStarts_data();
    void namedPlatformStarts();
};

void TestNoDesktop::withoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("lookedAt");

    const QString none = QStringLiteral("there is no display");
    const QString refused = QStringLiteral("Qt could not connect to the display");
    QTest::newRow("no display variables") << QStringList() << QStringList() << none
                                          << QStringLiteral(": DISPLAY=\"\" WAYLAND_DISPLAY=\"\"");
    QTest::newRow("DISPLAY without a server") << QStringList() << QStringList { QStringLiteral("DISPLAY=") + NoServer }
                                              << refused << QStringLiteral("DISPLAY=\"%1\"").arg(NoServer);
    QTest::newRow("xcb in QT_QPA_PLATFORM") << QStringList() << QStringList { QStringLiteral("QT_QPA_PLATFORM=xcb") }
                                            << refused << QStringLiteral(": QT_QPA_PLATFORM=\"xcb\" DISPLAY=\"\"");
    QTest::newRow("-platform xcb") << QStringList { QStringLiteral("-platform"), QStringLiteral("xcb") } << QStringList()
                                   << refused << QStringLiteral(": -platform xcb DISPLAY=\"\"");
    QTest::newRow("--display without a server") << QStringList { QStringLiteral("--display"), NoServer } << QStringList()
                                                << refused << QStringLiteral(": -display %1 DISPLAY=\"\"").arg(NoServer);
}

// One line in both languages naming what was looked for, and status 1 rather than an abort.
void TestNoDesktop::withoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(QString, reason);
    QFETCH(QString, lookedAt);

    QProcess program;
    program.setProcessEnvironment(environmentWith(environment));
    program.start(QStringLiteral(HILL_PROGRAM), arguments);
    QVERIFY2(program.waitForFinished(60000), "the program started without a display");
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(errors.count(QChar(u'\n')), 1);
    QVERIFY2(errors.endsWith(QChar(u'\n')), qPrintable(errors));
    QVERIFY2(errors.startsWith(QStringLiteral("hill-cipher: нужен е графичен работен плот")), qPrintable(errors));
    QVERIFY2(errors.contains(QStringLiteral("needs a graphical desktop, but ") + reason), qPrintable(errors));
    QVERIFY2(errors.contains(lookedAt), qPrintable(errors));
    QCOMPARE(program.readAllStandardOutput(), QByteArray());
}

void TestNoDesktop::namedPlatformStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("environment");
    QTest::newRow("QT_QPA_PLATFORM=offscreen") << QStringList() << QStringList { QStringLiteral("QT_QPA_PLATFORM=offscreen") };
    QTest::newRow("-platform offscreen") << QStringList { QStringLiteral("-platform"), QStringLiteral("offscreen") }
                                         << QStringList();
}

// With no display at all, a platform named on purpose still starts the program.
void TestNoDesktop::namedPlatformStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);

    QProcess program;
    program.setProcessEnvironment(environmentWith(environment));
    program.start(QStringLiteral(HILL_PROGRAM), arguments);
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(program.state() != QProcess::Running || mapsLibrary(program, QStringLiteral("libqoffscreen")),
                             60000);
    QCOMPARE(program.state(), QProcess::Running);
    program.kill();
    QVERIFY(program.waitForFinished());
}

QTEST_GUILESS_MAIN(TestNoDesktop)
#include "tst_nodesktop.moc"
