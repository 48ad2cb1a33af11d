#include "platform.h"

#include <QByteArray>
#include <QLibraryInfo>
#include <QString>
#include <QWidget>

#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace Platform {

namespace {

// X11 and Wayland clients find their display server through these.
constexpr const char *DisplayVariables[] = { "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET" };

std::string_view environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// The value of one of Qt's own options, which it takes with one dash or two.
std::string_view option(int argc, char **argv, std::string_view name)
{
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--"))
            argument.remove_prefix(1);
        if (argument == name)
            return argv[i + 1];
    }
    return {};
}

struct Places
{
    std::string_view platformOption; // -platform, which Qt takes over QT_QPA_PLATFORM
    std::string_view displayOption; // -display, which the X11 platform takes over DISPLAY

    [[nodiscard]] std::string_view platform() const
    {
        return platformOption.empty() ? environment("QT_QPA_PLATFORM") : platformOption;
    }
};

// What was looked at, written as the user would set it: -platform xcb DISPLAY=":0" ...
std::string lookedAt(const Places &places)
{
    std::string text;
    if (!places.platformOption.empty())
        text.append("-platform ").append(places.platformOption).append(" ");
    if (!places.displayOption.empty())
        text.append("-display ").append(places.displayOption).append(" ");
    if (!environment("QT_QPA_PLATFORM").empty())
        text.append("QT_QPA_PLATFORM=\"").append(environment("QT_QPA_PLATFORM")).append("\" ");
    text.append("DISPLAY=\"").append(environment("DISPLAY")).append("\" ");
    text.append("WAYLAND_DISPLAY=\"").append(environment("WAYLAND_DISPLAY")).append("\"");
    return text;
}

void say(const char *bulgarian, const char *english, const Places &places)
{
    std::fprintf(stderr, "hill-cipher: %s / %s: %s\n", bulgarian, english, lookedAt(places).c_str());
}

// While QApplication starts: Qt's messages, held back so that a failed start prints one line.
struct HeldMessage
{
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
Places g_places;
QtMessageHandler g_passOn = nullptr;
std::vector<HeldMessage> g_held;
std::mutex g_heldLock; // Qt may log from a thread of its own while it starts
std::jthread g_fontconfig;

void watchStart(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // With an X11 or Wayland platform, the fatal error of a failed start is that its plugin
    // could not connect to a display.
    if (type == QtFatalMsg) {
        say("нужен е графичен работен плот, а Qt не се свърза с дисплея",
            "needs a graphical desktop, but Qt could not connect to the display", g_places);
        std::_Exit(NoDesktopStatus);
    }
    const std::lock_guard lock(g_heldLock);
    g_held.push_back({ type, context.file, context.function, context.category, context.line, text });
}

} // namespace

bool expectDesktop(int argc, char **argv)
{
    g_places.platformOption = option(argc, argv, "-platform");
    g_places.displayOption = option(argc, argv, "-display");
    const std::string_view platform = g_places.platform();

    bool displayNamed = !g_places.displayOption.empty();
    for (const char *name : DisplayVariables)
        displayNamed = displayNamed || !environment(name).empty();
    if (!displayNamed && platform.empty()) {
        say("нужен е графичен работен плот, а няма дисплей", "needs a graphical desktop, but there is no display",
            g_places);
        return false;
    }
    // Fontconfig reads its configuration and font caches, a third of the start, on a core of
    // its own while Qt connects to the display; Qt's font database then finds it loaded.
    g_fontconfig = std::jthread([] { FcInit(); });
    // Another platform named on purpose (offscreen, vnc, ...) fails for reasons of its own,
    // which Qt tells better.
    if (platform.empty() || platform.starts_with("xcb") || platform.starts_with("wayland"))
        g_passOn = qInstallMessageHandler(watchStart);
    return true;
}

void started()
{
    if (g_fontconfig.joinable())
        g_fontconfig.join();
    if (!g_passOn)
        return;
    qInstallMessageHandler(g_passOn);
    const std::lock_guard lock(g_heldLock);
    // A context's names may be null, which message patterns tell apart from empty.
    const auto name = [](const QByteArray &text) { return text.isNull() ? nullptr : text.constData(); };
    for (const HeldMessage &held : g_held) {
        const QMessageLogContext context(name(held.file), held.line, name(held.function), name(held.category));
        g_passOn(held.type, context, held.text);
    }
    g_held = {};
    g_passOn = nullptr;
}

bool showsWindowIcon()
{
    return true;
}

QString qtTranslations()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void show(QWidget &window)
{
    window.show();
}

} // namespace Platform
