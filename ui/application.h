#pragma once

// Application-wide settings, made before the window is created.
namespace Application {

// Names the desktop entry; makes the window's font the application's, so that no control
// first lays out its text in another font; and puts Qt's own texts, such as those of the menus
// its controls open, in the window's language, whatever the computer's.
void prepare();

} // namespace Application
