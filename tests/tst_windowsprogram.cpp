// The Windows program as Windows itself sees it: the native window's frame and icons, and the
// executable's subsystem, icon sizes and version details.
#include "brellow.h"

#include <QtTest>
#include <windows.h>

#include <set>

class TestWindowsProgram : public QObject
{
    Q_OBJECT

private slots:
    void nativeWindow();
    void executable();
    void versionDetails_data();
    void versionDetails();

private:
    static QString programPath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/hill-cipher.exe"); }
    // The program file's resources, read without running it.
    static HMODULE loadProgram()
    {
        return LoadLibraryExW(reinterpret_cast<LPCWSTR>(programPath().utf16()), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
};

void TestWindowsProgram::nativeWindow()
{
    Brellow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto hwnd = reinterpret_cast<HWND>(window.winId());

    // A caption with the close button only, and no border to drag.
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    QVERIFY(style & WS_CAPTION);
    QVERIFY(style & WS_SYSMENU);
    QVERIFY(!(style & WS_MINIMIZEBOX));
    QVERIFY(!(style & WS_MAXIMIZEBOX));
    QVERIFY(!(style & WS_THICKFRAME));

    RECT client {};
    QVERIFY(GetClientRect(hwnd, &client));
    const QSize expected = (QSizeF(481, 424) * window.devicePixelRatio()).toSize();
    QCOMPARE(QSize(client.right - client.left, client.bottom - client.top), expected);

    // The title bar and the taskbar show the window's own art, the same as the file's icon.
    const auto big = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0));
    QVERIFY(big);
    QVERIFY(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
    const HMODULE program = loadProgram();
    QVERIFY(program);
    const auto fileIcon = static_cast<HICON>(LoadImageW(program, L"IDI_ICON1", IMAGE_ICON, 32, 32, 0));
    QVERIFY(fileIcon);
    const QImage fileArt = QImage::fromHICON(fileIcon).convertToFormat(QImage::Format_ARGB32);
    DestroyIcon(fileIcon);
    FreeLibrary(program);
    QCOMPARE(fileArt, window.windowIcon().pixmap(QSize(32, 32), 1.0).toImage().convertToFormat(QImage::Format_ARGB32));
}

void TestWindowsProgram::executable()
{
    QFile file(programPath());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray image = file.readAll();

    // A GUI program: Explorer starts it without a console window.
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(image.constData());
    QCOMPARE(dos->e_magic, WORD(IMAGE_DOS_SIGNATURE));
    const auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS64 *>(image.constData() + dos->e_lfanew);
    QCOMPARE(nt->Signature, DWORD(IMAGE_NT_SIGNATURE));
    QCOMPARE(nt->OptionalHeader.Subsystem, WORD(IMAGE_SUBSYSTEM_WINDOWS_GUI));

    // The first icon group, which Explorer shows, holds every size Windows asks for.
    const HMODULE program = loadProgram();
    QVERIFY(program);
    const HRSRC group = FindResourceW(program, L"IDI_ICON1", MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */);
    QVERIFY(group);
    const auto *data = static_cast<const BYTE *>(LockResource(LoadResource(program, group)));
    QVERIFY(data);
    // An icon directory: three WORDs, then 14-byte entries that start with width and height.
    const int count = data[4] | data[5] << 8;
    std::set<int> sizes;
    for (int i = 0; i < count; ++i) {
        const BYTE *entry = data + 6 + 14 * i;
        QCOMPARE(entry[0], entry[1]);
        sizes.insert(entry[0] ? entry[0] : 256);
    }
    FreeLibrary(program);
    QCOMPARE(sizes, (std::set<int> { 16, 32, 48, 256 }));
}

void TestWindowsProgram::versionDetails_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("productName");
    QTest::addColumn<QString>("description");
    QTest::newRow("Bulgarian") << "040204B0" << "Шифър на Хил" << "Шифър на Хил: шифриране стъпка по стъпка";
    QTest::newRow("English") << "040904B0" << "Hill Cipher" << "Hill cipher: encryption step by step";
}

void TestWindowsProgram::versionDetails()
{
    QFETCH(QString, language);
    QFETCH(QString, productName);
    QFETCH(QString, description);
    const auto path = reinterpret_cast<LPCWSTR>(programPath().utf16());
    const DWORD size = GetFileVersionInfoSizeW(path, nullptr);
    QVERIFY(size > 0);
    QByteArray info(int(size), '\0');
    QVERIFY(GetFileVersionInfoW(path, 0, size, info.data()));
    const auto value = [&info, &language](const QString &name) {
        const QString key = QStringLiteral("\\StringFileInfo\\%1\\%2").arg(language, name);
        void *text = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(info.data(), reinterpret_cast<LPCWSTR>(key.utf16()), &text, &length) || !length)
            return QString();
        return QString::fromWCharArray(static_cast<const wchar_t *>(text));
    };
    QCOMPARE(value(QStringLiteral("ProductName")), productName);
    QCOMPARE(value(QStringLiteral("FileDescription")), description);
    QCOMPARE(value(QStringLiteral("ProductVersion")), QStringLiteral(HILL_VERSION));
}

QTEST_MAIN(TestWindowsProgram)
#include "tst_windowsprogram.moc"
