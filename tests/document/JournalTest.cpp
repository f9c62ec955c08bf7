// SPDX-License-Identifier: MIT
// The pages' journal on disk: what a copy that did not end leaves, read back whole or as far as
// it can be, and what it does when the disk or the folder refuses.
#include "document/Journal.h"

#include "document/JournalRecovery.h"
#include "document/PageDocument.h"
#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {
// Pages told apart by their colour: page n is filled with grey level 40 n.
QImage pageNumbered(int n)
{
    QImage picture(160, 120, QImage::Format_RGB32);
    picture.fill(qRgb(40 * n, 40 * n, 40 * n));
    return picture;
}

int numberOf(const QImage &picture)
{
    return picture.isNull() ? 0 : qRed(picture.pixel(0, 0)) / 40;
}

PageEdits turnedOnce()
{
    PageEdits edits;
    edits.quarterTurns = 1;
    edits.skew = -1.25;
    edits.flatten = true;
    edits.corners = {{QPointF(10.5, 12), QPointF(70, 11.25), QPointF(72, 60), QPointF(9, 61)}};
    return edits;
}

class JournalTest : public ::testing::Test
{
protected:
    QString base() const { return m_dir.filePath(QStringLiteral("state")); }

    // Pages 1, 2, 3 added, then put in the order 3, 1, 2, and page 1 turned, its thumbnail made
    // page 5's: left on disk as a copy that ended without saving them leaves them.
    void leavePages()
    {
        PageDocument document(base());
        for (int n = 1; n <= 3; ++n)
            document.add(pageNumbered(n));
        document.move(2, 0);
        document.setEdits(1, turnedOnce(), pageNumbered(5));
        document.waitUntilJournalled();
        m_folder = QDir(base()).entryList({QStringLiteral("pages-*")}, QDir::Dirs).value(0);
    }

    QString journalFile(const QString &name) const
    {
        return QDir(base()).filePath(m_folder + u'/' + name);
    }

    QStringList pageFiles() const
    {
        return QDir(base() + u'/' + m_folder).entryList({QStringLiteral("page-*.png*")});
    }

    // The numbers of a left journal's readable pages, in order.
    static std::vector<int> numbersOf(const LeftJournal &left)
    {
        std::vector<int> numbers;
        for (const LeftJournal::Page &page : left.pages) {
            const PageSource source{
                {}, left.folder + u'/' + JournalFiles::pageFileName(page.file.id), {}};
            numbers.push_back(numberOf(source.load(nullptr)));
        }
        return numbers;
    }

private:
    QTemporaryDir m_dir;
    QString m_folder;
};

TEST_F(JournalTest, PagesComeBackInTheirOrderWithTheirEdits)
{
    leavePages();
    std::vector<LeftJournal> left = JournalRecovery::find(base());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(numbersOf(left[0]), (std::vector<int>{3, 1, 2}));
    EXPECT_TRUE(left[0].unreadable.empty());
    EXPECT_EQ(left[0].pages[1].file.edits, turnedOnce());
    EXPECT_EQ(left[0].pages[0].thumbnail.size(), QSize(128, 96));
    EXPECT_EQ(numberOf(left[0].pages[1].thumbnail), 5);

    // Recovered, they are the document's; a page added then follows them under a new id.
    PageDocument document(base());
    document.recover(std::move(left[0]));
    const std::optional<PageId> added = document.add(pageNumbered(4));
    ASSERT_EQ(document.count(), 4);
    EXPECT_EQ(numberOf(document.picture(0, nullptr)), 3);
    EXPECT_EQ(document.page(1).edits.quarterTurns, 1);
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(document.page(i).id, *added);
}

struct Damage
{
    const char *name;
    std::function<void(const QString &manifest, const QString &pageOfNumber1)> apply;
    std::vector<int> readable;
    std::vector<int> unreadablePositions;
};

void PrintTo(const Damage &damage, std::ostream *out)
{
    *out << damage.name;
}

class DamagedJournal : public JournalTest, public ::testing::WithParamInterface<Damage>
{};

// The readable pages are offered, the others named by their place, and no file goes.
TEST_P(DamagedJournal, OffersWhatCanBeReadAndDeletesNothing)
{
    leavePages();
    const QStringList before = pageFiles();
    GetParam().apply(journalFile(QStringLiteral("manifest")),
                     journalFile(QStringLiteral("page-1.png")));
    const std::vector<LeftJournal> left = JournalRecovery::find(base());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(numbersOf(left[0]), GetParam().readable);
    std::vector<int> positions;
    for (const LeftJournal::Unreadable &page : left[0].unreadable)
        positions.push_back(page.position);
    EXPECT_EQ(positions, GetParam().unreadablePositions);
    EXPECT_EQ(pageFiles(), before);
}

void rewrite(const QString &path, const std::function<QByteArray(QByteArray)> &change)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray changed = change(file.readAll());
    file.resize(0);
    file.seek(0);
    file.write(changed);
}

// The manifest reads: head, changed, next, page 3, page 1, page 2, end.
INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedJournal,
    ::testing::Values(
        Damage{"ManifestCutShort",
               [](const QString &manifest, const QString &) {
                   rewrite(manifest, [](QByteArray text) {
                       return text.left(text.indexOf("\npage 1 ") + 10); // within page 1's line
                   });
               },
               {3, 1, 2},
               {}},
        Damage{"ManifestLineGarbled",
               [](const QString &manifest, const QString &) {
                   rewrite(manifest, [](QByteArray text) {
                       const qsizetype at = text.indexOf("\npage 1 ") + 1;
                       return text.replace(at, text.indexOf('\n', at) - at, "p\xC3\xA4ge ##");
                   });
               },
               {3, 2, 1},
               {}},
        Damage{"ManifestMissing",
               [](const QString &manifest, const QString &) { QFile::remove(manifest); },
               {1, 2, 3},
               {}},
        Damage{"PageFileChanged",
               [](const QString &, const QString &page) {
                   rewrite(page, [](QByteArray bytes) {
                       bytes[bytes.size() / 2] = char(bytes[bytes.size() / 2] ^ 0x55);
                       return bytes;
                   });
               },
               {3, 2},
               {2}},
        Damage{"PageFileCutShort",
               [](const QString &, const QString &page) {
                   rewrite(page, [](QByteArray bytes) { return bytes.left(bytes.size() / 2); });
               },
               {3, 2},
               {2}}),
    [](const auto &info) { return std::string(info.param.name); });

// Both a full disk and a file size limit stop a write part way with the system's reason.
TEST_F(JournalTest, APageTheDiskRefusesIsRefusedAndTheJournalStaysAsItWas)
{
    PageDocument document(base());
    document.add(pageNumbered(1));
    document.waitUntilJournalled();
    const QStringList before = pageFiles();
    QSignalSpy refused(&document, &PageDocument::pageRefused);

    // Noise does not compress: its page file is a few hundred kilobytes, past the limit.
    QImage noise(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(
                x, y,
                qRgb((x * 7919 + y * 104729) % 251, (x * 31 + y * 17) % 253, (x * y + 11) % 255));
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const rlimit limit{100 * 1024, old.rlim_max};
    const auto previousAction = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    document.add(noise);
    document.waitUntilJournalled();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousAction);

    ASSERT_TRUE(refused.wait(5000));
    EXPECT_EQ(refused.at(0).at(0).toString(), qt_error_string(EFBIG));
    EXPECT_EQ(document.count(), 1);
    document.waitUntilJournalled();
    EXPECT_EQ(pageFiles(), before);
    const std::vector<LeftJournal> left = JournalRecovery::find(base());
    EXPECT_TRUE(left.empty()) << "the journal is in use by this document";
}

TEST_F(JournalTest, AFolderThatCannotBeWrittenKeepsPagesInMemoryAndSaysSoOnce)
{
    QFile file(base());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // a file where the folder would be
    PageDocument document(base() + QStringLiteral("/inside"));
    QSignalSpy unavailable(&document, &PageDocument::journalUnavailable);
    document.add(pageNumbered(1));
    document.add(pageNumbered(2));
    EXPECT_EQ(unavailable.count(), 1);
    EXPECT_FALSE(document.journalled());
    EXPECT_EQ(numberOf(document.picture(1, nullptr)), 2);
}

TEST_F(JournalTest, ARunningCopysJournalIsNeverOfferedNorShared)
{
    PageDocument running(base());
    running.add(pageNumbered(1));
    running.waitUntilJournalled();
    EXPECT_TRUE(JournalRecovery::find(base()).empty());

    PageDocument second(base());
    second.add(pageNumbered(2));
    second.waitUntilJournalled();
    EXPECT_EQ(QDir(base()).entryList({QStringLiteral("pages-*")}, QDir::Dirs).size(), 2);
    EXPECT_EQ(numberOf(running.sources()[0].load(nullptr)), 1);
}

TEST_F(JournalTest, SavedPagesLeaveTheJournalAndAnEmptyJournalGoes)
{
    {
        PageDocument document(base());
        const PageId first = *document.add(pageNumbered(1));
        const PageId second = *document.add(pageNumbered(2));
        document.waitUntilJournalled();
        const QString folder =
            QDir(base()).entryList({QStringLiteral("pages-*")}, QDir::Dirs).value(0);
        document.removePages({first});
        document.waitUntilJournalled();
        EXPECT_EQ(QDir(base() + u'/' + folder).entryList({QStringLiteral("page-*")}),
                  (QStringList{JournalFiles::pageFileName(second),
                               JournalFiles::thumbnailFileName(second)}));
        document.removePages({second});
    }
    EXPECT_TRUE(QDir(base()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}
} // namespace
