#pragma once

class QString;
class QWidget;

// What differs between the platforms the program runs on, one file each: platform_unix.cpp
// (Linux and other X11 or Wayland desktops), platform_windows.cpp and platform_web.cpp (the
// browser).
namespace Platform {

// The program needs a graphical desktop. Started without one (from a text console, over a remote
// shell), Qt would abort inside QApplication's constructor with advice to reinstall the program;
// instead the program says in one line, in Bulgarian and English, what it looked for, and exits
// with NoDesktopStatus. Where a desktop is always there, both calls do nothing.
inline constexpr int NoDesktopStatus = 1;

// Call before QApplication exists. Returns false, having said why, when neither the command
// line nor the environment names a display or a Qt platform. Otherwise, until started(), a
// failure of Qt to connect to the display ends the program with the same kind of line.
[[nodiscard]] bool expectDesktop(int argc, char **argv);

// Call once QApplication exists: the desktop was reached. Qt's messages from the start, held
// back until now, go out as they would have. Fonts the platform lacks are added.
void started();

// Whether the platform shows the window's own icon. The browser's page draws the icon above the
// window itself, from its scalable art, so the window's pixmaps would be decoded for nothing.
[[nodiscard]] bool showsWindowIcon();

// The folder of Qt's own translations of its texts, such as the menus its text boxes and scroll
// bars open: the system's, where Qt is the system's; the program's resources, where the program
// brings Qt and its texts with it.
[[nodiscard]] QString qtTranslations();

// Shows the program's window as a top-level window of the platform.
void show(QWidget &window);

} // namespace Platform
