// SPDX-License-Identifier: MIT
#include "document/JournalRecovery.h"

#include "document/DocumentLogging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <set>

namespace {
struct Candidate
{
    JournalManifest::Page page;
    bool listed; // the manifest gives its length and checksum
};

// The pages to look for, in order: those the manifest names, then the page files it does not.
// A whole manifest leaves out only the pages removed from the document, so of those only the
// files written after it count; a damaged one may have lost any page, so every file counts.
std::vector<Candidate> candidatesOf(const JournalManifest::Reading &reading, const QDir &folder)
{
    std::vector<Candidate> candidates;
    std::set<PageId> seen;
    for (const JournalManifest::Page &page : reading.manifest.pages)
        if (seen.insert(page.id).second)
            candidates.push_back({page, true});
    std::vector<PageId> unlisted;
    for (const QString &name : folder.entryList(QDir::Files)) {
        const std::optional<PageId> id = JournalFiles::pageOfFileName(name);
        if (id && !seen.count(*id) && (!reading.complete || *id >= reading.manifest.nextId))
            unlisted.push_back(*id);
    }
    std::sort(unlisted.begin(), unlisted.end());
    for (PageId id : unlisted)
        candidates.push_back({{id, 0, 0, {}, {}}, false});
    return candidates;
}

// The page read back, or why it cannot be.
std::optional<LeftJournal::Page> readPage(const QDir &folder, Candidate candidate, QString *reason)
{
    JournalManifest::Page &page = candidate.page;
    const std::optional<QByteArray> bytes =
        JournalFiles::read(folder.filePath(JournalFiles::pageFileName(page.id)), reason);
    if (!bytes)
        return std::nullopt;
    if (candidate.listed && bytes->size() < page.bytes) {
        *reason = QCoreApplication::translate("JournalRecovery", "The file is cut short");
        return std::nullopt;
    }
    if (candidate.listed &&
        (bytes->size() != page.bytes || JournalFiles::checksum(*bytes) != page.checksum)) {
        *reason = QCoreApplication::translate("JournalRecovery",
                                              "The file was changed after it was written");
        return std::nullopt;
    }
    QImage thumbnail;
    if (candidate.listed)
        thumbnail.load(folder.filePath(JournalFiles::thumbnailFileName(page.id)), "png");
    if (thumbnail.isNull()) {
        const QImage picture = QImage::fromData(*bytes, "png");
        if (picture.isNull()) {
            *reason = QCoreApplication::translate("JournalRecovery",
                                                  "The file holds no readable picture");
            return std::nullopt;
        }
        page.bytes = bytes->size();
        page.checksum = JournalFiles::checksum(*bytes);
        page.pictureSize = picture.size();
        thumbnail = PageRecord::thumbnailOf(picture);
    }
    return LeftJournal::Page{page, thumbnail.convertToFormat(QImage::Format_RGB32)};
}

LeftJournal read(const QString &path, FolderLock lock)
{
    const QDir folder(path);
    LeftJournal left;
    left.folder = path;
    left.lock = std::move(lock);
    QString manifestReason;
    const std::optional<QByteArray> text = JournalFiles::read(
        folder.filePath(QLatin1String(JournalFiles::ManifestName)), &manifestReason);
    const JournalManifest::Reading reading = JournalManifest::parse(text.value_or(QByteArray()));
    if (!reading.complete && text)
        qCWarning(lcDocument) << "the manifest of" << path << "is damaged";
    left.changed = reading.manifest.changed;
    left.nextId = reading.manifest.nextId;
    int position = 0;
    for (const Candidate &candidate : candidatesOf(reading, folder)) {
        ++position;
        left.nextId = std::max(left.nextId, candidate.page.id + 1);
        const QString pagePath = folder.filePath(JournalFiles::pageFileName(candidate.page.id));
        QString reason;
        if (std::optional<LeftJournal::Page> page = readPage(folder, candidate, &reason))
            left.pages.push_back(std::move(*page));
        else
            left.unreadable.push_back({position, pagePath, reason});
        if (!reading.complete || !left.changed.isValid())
            left.changed = std::max(left.changed, QFileInfo(pagePath).lastModified());
    }
    return left;
}

} // namespace

namespace JournalRecovery {
QString defaultBase()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // XDG base directories ignore a relative path.
    if (!QDir::isAbsolutePath(state)) {
        const QString home = qEnvironmentVariable("HOME");
        if (!QDir::isAbsolutePath(home))
            return {};
        state = home + QStringLiteral("/.local/state");
    }
    return state + u'/' + QCoreApplication::organizationName() + u'/' +
           QCoreApplication::applicationName();
}

std::vector<LeftJournal> find(const QString &base)
{
    std::vector<LeftJournal> found;
    if (base.isEmpty())
        return found;
    const QDir folder(base);
    for (const QString &name : folder.entryList({QStringLiteral("pages-*")}, QDir::Dirs)) {
        const QString path = folder.filePath(name);
        FolderLock::Outcome outcome;
        QString reason;
        FolderLock lock = FolderLock::take(path, &outcome, &reason);
        if (outcome != FolderLock::Outcome::Taken) {
            if (outcome == FolderLock::Outcome::Failed)
                qCWarning(lcDocument) << "cannot lock" << path << reason;
            continue; // a running copy's, or one that cannot be locked
        }
        LeftJournal left = read(path, std::move(lock));
        if (left.pages.empty() && left.unreadable.empty())
            JournalFiles::removeOwnFiles(path);
        else
            found.push_back(std::move(left));
    }
    std::sort(found.begin(), found.end(),
              [](const LeftJournal &a, const LeftJournal &b) { return a.changed < b.changed; });
    return found;
}

void discard(LeftJournal left)
{
    if (!QDir(left.folder).removeRecursively())
        qCWarning(lcDocument) << "cannot remove all of" << left.folder;
}

std::vector<LeftJournal::Unreadable> setAsideUnreadable(const LeftJournal &left)
{
    std::vector<LeftJournal::Unreadable> setAside = left.unreadable;
    for (LeftJournal::Unreadable &page : setAside) {
        const QString aside = page.path + QStringLiteral(".unreadable");
        if (QFile::exists(page.path) && QFile::rename(page.path, aside))
            page.path = aside;
    }
    return setAside;
}
} // namespace JournalRecovery
