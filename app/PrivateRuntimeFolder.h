// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The folder that the single-instance lock and socket live in, so that another local user can
// neither hold the lock (and keep every start from opening a window) nor answer on the socket:
// the session's runtime folder ($XDG_RUNTIME_DIR), else a folder of this user's own in the
// temporary folder, made when missing. Either counts only when it is a folder, not a link, owned
// by this user, that no one else may enter (mode 0700). Empty when neither is: the program then
// runs without the lock and socket, and logs why.
QString privateRuntimeFolder();
