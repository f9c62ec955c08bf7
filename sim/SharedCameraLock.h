// SPDX-License-Identifier: MIT
#pragma once

#include "link/OperationClaim.h"

#include <QString>

#include <memory>

// What lets two processes share one simulated main unit as they share the camera: a lock file
// that each takes for an operation and lets go after, as each claims the camera's interface
// for an operation. A kernel lock (flock), so it is released when its process ends, however it
// ends. Two locks on the same file conflict even within one process, each open being its own.
class SharedCameraLock
{
public:
    // The lock file the program's simulator and the scanner backend's share: in the session's
    // runtime folder ($XDG_RUNTIME_DIR), else in the temporary folder under this user's id.
    static QString defaultPath();

    // Opens (or makes) the lock file; false, with the reason, when it cannot be used: it is a
    // link, not a regular file, or another user's.
    bool open(const QString &path, QString *error);
    bool isOpen() const { return m_file != nullptr; }
    // The lock, held until the last copy of the token goes; null while another holds it. Without
    // an open file every claim is granted: the unit is not shared.
    OperationClaim::Token claim();

private:
    // The open lock file's descriptor, closed when the last token made from it goes.
    std::shared_ptr<const int> m_file;
};
