#pragma once
// The window openers the main window's menu items call, by window class name.
#include <QString>
#include <functional>

namespace Windows {

using Opener = std::function<void()>;
void add(const QString& className, Opener open);
bool has(const QString& className);
// Opens the window if its family is built; false when not.
bool open(const QString& className);

// Registers every window family of the program (called once at start-up).
void registerAll();

} // namespace Windows
