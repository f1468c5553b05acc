// The Hyprland desktop: the cursor asked of Hyprland's request socket.
#pragma once

#include "platform/desktop/desktop.h"

#include <QtCore/QByteArray>
#include <QtCore/QPoint>
#include <QtCore/QString>

#include <memory>
#include <optional>

#include <sys/types.h>

namespace orbo {

#if defined(ORBO_HAVE_HYPRLAND)
// Hyprland's answer to "j/cursorpos", {"x": 1234, "y": 567}: the cursor in the global layout's
// logical pixels. Nothing unless the reply is a short JSON object whose x and y are numbers
// within a layout's reach (fractions are floored, as Hyprland floors its own); other keys are
// let be.
std::optional<QPoint> ParseHyprlandCursor(const QByteArray& reply);

// The request socket of the Hyprland this session runs in, named by XDG_RUNTIME_DIR and
// HYPRLAND_INSTANCE_SIGNATURE: $XDG_RUNTIME_DIR/hypr/<signature>/.socket.sock. Nothing unless
// the signature is one name (no "/", no ".."), the runtime folder and the two below it are
// folders of `user`'s that no one else can write (the two below no links, so the socket lies in
// the runtime folder), and the socket is a socket of `user`'s.
std::optional<QString> HyprlandSocket(uid_t user);

// A desktop that asks the socket at `path` for the cursor, heard only while the program
// listening there runs as `user` (its credentials checked on each connection). Everything else
// comes from the fallback, and so does the cursor until the first answer. Asking never waits:
// reading the cursor returns the last answer and sends a new request when none is out; an answer
// that moves the cursor is announced as input, so a still creature stops ticking and asks again
// only at its slow check. A request unanswered after a second is dropped; a refused connection
// or a bad answer keeps the last cursor, and the next read asks again. It says it follows the
// pointer everywhere until a request fails, and again from the next answer.
std::unique_ptr<Desktop> FollowHyprlandAt(std::unique_ptr<Desktop> fallback, const QString& path,
                                          uid_t user);

// In a Hyprland session, the cursor everywhere from Hyprland (see FollowHyprlandAt), from the
// socket HyprlandSocket finds for this user; the fallback itself where none is found.
std::unique_ptr<Desktop> FollowHyprland(std::unique_ptr<Desktop> fallback);
#endif

} // namespace orbo
