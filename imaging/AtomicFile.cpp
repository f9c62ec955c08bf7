// SPDX-License-Identifier: MIT
#include "imaging/AtomicFile.h"

#include "imaging/ImagingLogging.h"
#include "imaging/SaveTarget.h"

AtomicFile::AtomicFile(const QString &path)
    : m_file(path)
{}

bool AtomicFile::fail(const QString &why, QString *reason) const
{
    qCWarning(lcImaging) << "cannot write" << m_file.fileName() << ":" << why;
    if (reason)
        *reason = why;
    return false;
}

bool AtomicFile::open(QString *reason)
{
    if (const QString refused = SaveTarget::refusal(m_file.fileName()); !refused.isEmpty())
        return fail(refused, reason);
    return m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
           fail(m_file.errorString(), reason);
}

bool AtomicFile::write(QByteArrayView bytes, QString *reason)
{
    // A write that stops part of the way (a full disk, a file size limit) reports only how much
    // it wrote, without a reason; writing the rest then fails with the system's reason.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 chunk = m_file.write(bytes.data() + written, bytes.size() - written);
        if (chunk <= 0)
            return fail(m_file.errorString(), reason);
        written += chunk;
    }
    return true;
}

bool AtomicFile::commit(QString *reason)
{
    return m_file.commit() || fail(m_file.errorString(), reason);
}
