#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace delvora {

// Where the single-instance channel lives and who may use it.

// A folder only this user can enter: $XDG_RUNTIME_DIR when it is one, else "delvora-<uid>" in
// the temporary folder ($TMPDIR or /tmp), made with mode 0700 when missing. Empty, with the
// reason in *problem, when neither is such a folder (a link, another user's, open to others).
QString privateRuntimeFolder(const QProcessEnvironment& environment, QString* problem = nullptr);

// The display a program of the Qt platform platformName shows on, as part of a file name:
// "wayland-<WAYLAND_DISPLAY>" on Wayland, else the platform and $DISPLAY ("xcb-:0"; the screen
// number is left out, since the display's screens share one desktop), the platform alone without
// a display.
QString displayScope(const QString& platformName, const QProcessEnvironment& environment);

// The channel's socket for scope in folder: "<folder>/delvora-<scope>", the scope replaced by
// its hash when the path would be too long for a socket address.
QString channelPath(const QString& folder, const QString& scope);

// True when the process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(qintptr socketDescriptor);

}  // namespace delvora
