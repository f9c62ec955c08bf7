// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// A file replaced only once it is complete: written piece by piece to a temporary file beside the
// target and renamed over it by commit(). Whatever stops it before (a failure, a cancel, the
// object's end without commit) leaves the old file as it was and no temporary file. A target
// that SaveTarget refuses is never opened. Each failure gives the reason, the system's where it
// has one.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path);

    bool open(QString *reason);
    bool write(QByteArrayView bytes, QString *reason);
    bool commit(QString *reason);

private:
    bool fail(const QString &why, QString *reason) const;

    QSaveFile m_file;
};
