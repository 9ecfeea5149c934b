#pragma once

#include <QIcon>

namespace delvora {

// The program's desktop id: the desktop entry, the icon and the AppStream metadata carry it.
inline constexpr char kDesktopId[] = DELVORA_APP_ID;

// The icon of every window, built from the one icon drawing at the sizes desktops use.
QIcon applicationIcon();

// Names the program as the desktop entry expects (window class "Delvora", the desktop id for
// Wayland) and gives every window the icon. Call before the first window is created.
void setApplicationIdentity();

}  // namespace delvora
