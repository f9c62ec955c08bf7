// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Whether a file may be replaced by an atomic save. The save writes a new file and renames it
// over the target; where the target is a link, over the file the link leads to. That is how a
// user's own links stay links, but the rename bypasses what the kernel does for an open(): it
// never follows a link in a shared sticky folder (such as /tmp) that neither this user nor the
// folder's owner made (fs.protected_symlinks). Another user could otherwise plant a link there
// and have the save replace one of this user's files.
namespace SaveTarget {
// Why path must not be replaced, in the user's language; empty when it may be (including when
// nothing is there yet). Every link on the way to the file is checked in its own folder.
QString refusal(const QString &path);
} // namespace SaveTarget
