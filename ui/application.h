#pragma once

// Application-wide settings, made before the window is created.
namespace Application {

// Names the desktop entry, and makes the window's font the application's, so that no
// control first lays out its text in another font.
void prepare();

} // namespace Application
