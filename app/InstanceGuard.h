// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Lets one copy of the program run at a time: an exclusive kernel lock (flock) on the file at
// path, held from tryAcquire() for the life of the guard. The kernel drops the lock when the
// process ends, however it ends, so what a crash or a power cut leaves in the file (or as the
// file: an empty one, garbage, a folder of that name) never refuses a later start; only a
// running copy can.
class InstanceGuard
{
public:
    explicit InstanceGuard(QString path);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard &) = delete;
    InstanceGuard &operator=(const InstanceGuard &) = delete;

    // false only when another live guard holds the lock.
    bool tryAcquire();

private:
    QString m_path;
    int m_fd = -1;
};
