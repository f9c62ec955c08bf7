// SPDX-License-Identifier: MIT
// A failed save leaves an existing file exactly as it was and no partial file beside it. The
// tests run as root, so a read-only folder would not stop the write: the failures come from a
// target that is a folder, a folder that does not exist, and a file size limit that makes the
// write itself fail part of the way through.
#include "imaging/ImageCodecs.h"
#include "link/MemoryBlock.h"
#include "tests/doubles/SyntheticScene.h"
#include "tests/view/ImageFixtures.h"
#include "view/CImageCtrl.h"

#include <QDir>
#include <QTemporaryDir>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Limits the size of files this process writes, for as long as it lives. Writing past the limit
// fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = nullptr;
};

// Refuses the rename that ends a save, as a file system that went read-only under it would.
// QSaveFile's commit() reaches the C library's rename through this program's definition, which
// the dynamic linker binds first; otherwise the real one is called.
std::atomic<bool> g_refuseRename{false};

class RefusedRename
{
public:
    RefusedRename() { g_refuseRename = true; }
    ~RefusedRename() { g_refuseRename = false; }
    RefusedRename(const RefusedRename &) = delete;
    RefusedRename &operator=(const RefusedRename &) = delete;
};
} // namespace

extern "C" int rename(const char *from, const char *to)
{
    if (g_refuseRename) {
        errno = EROFS;
        return -1;
    }
    using Rename = int (*)(const char *, const char *);
    static const auto real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}

namespace {
class FailedSave : public testing::TestWithParam<short>
{
protected:
    void SetUp() override
    {
        const QByteArray file = cameraBmpFile(syntheticScene());
        MemoryBlock block = MemoryBlock::allocate(std::size_t(file.size()));
        std::memcpy(block.data(), file.constData(), block.size());
        ASSERT_EQ(m_control.LoadFromMemory(block, 0, 0, long(block.size())), 0);
        m_target = m_dir.filePath("picture.bmp");
        writeFile(m_target, m_oldContents);
    }

    short save(const QString &path) { return m_control.SaveFile(path, GetParam(), 24, 15, 0); }

    QStringList folderEntries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    CImageCtrl m_control;
    QTemporaryDir m_dir;
    QString m_target;
    const QByteArray m_oldContents = QByteArray("the picture saved yesterday\n").repeated(100);
};

TEST_P(FailedSave, WriteFailingHalfWayKeepsTheOldFile)
{
    {
        const FileSizeLimit limit(64 * 1024);
        EXPECT_NE(save(m_target), 0);
    }
    EXPECT_EQ(readFile(m_target), m_oldContents);
    EXPECT_EQ(folderEntries(), QStringList{"picture.bmp"});
}

// Everything written, the last step refused: commit() fails, and the save with it.
TEST_P(FailedSave, ARefusedFinalRenameFailsAndKeepsTheOldFile)
{
    {
        const RefusedRename refused;
        EXPECT_NE(save(m_target), 0);
    }
    EXPECT_EQ(m_control.saveErrorString().toStdString(), qt_error_string(EROFS).toStdString());
    EXPECT_EQ(readFile(m_target), m_oldContents);
    EXPECT_EQ(folderEntries(), QStringList{"picture.bmp"});
}

// A small file only fills the write buffer; it must fail as loudly as a large one.
TEST_P(FailedSave, SmallWriteFailingKeepsTheOldFile)
{
    const QImage small = syntheticScene(64, 64);
    const QByteArray bytes = ImageCodecs::encode(
        {small, 24}, GetParam() == 6 ? ImageCodecs::FileFormat::Bmp : ImageCodecs::FileFormat::Jpeg,
        15);
    ASSERT_GT(bytes.size(), 1024);
    ASSERT_LT(bytes.size(), 16 * 1024);
    {
        const FileSizeLimit limit(1024);
        QString reason;
        EXPECT_FALSE(ImageCodecs::writeFileAtomically(m_target, bytes, &reason));
        // The system's reason, not Qt's "Unknown error" for a write that stopped part way.
        EXPECT_EQ(reason.toStdString(), qt_error_string(EFBIG).toStdString());
    }
    EXPECT_EQ(readFile(m_target), m_oldContents);
    EXPECT_EQ(folderEntries(), QStringList{"picture.bmp"});
}

// Saving onto a FIFO (or a link to one) refuses and leaves it a FIFO; a link to a regular file is
// written through and stays a link.
TEST_P(FailedSave, OnlyRegularFilesAreReplaced)
{
    const QString fifo = m_dir.filePath("fifo.bmp");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, m_dir.filePath("to-fifo.bmp")));
    ASSERT_TRUE(QFile::link(m_target, m_dir.filePath("to-picture.bmp")));
    for (const char *name : {"fifo.bmp", "to-fifo.bmp"}) {
        EXPECT_NE(save(m_dir.filePath(name)), 0) << name;
        struct stat status
        {};
        ASSERT_EQ(stat(QFile::encodeName(fifo).constData(), &status), 0);
        EXPECT_TRUE(S_ISFIFO(status.st_mode)) << name;
    }
    EXPECT_EQ(save(m_dir.filePath("to-picture.bmp")), 0);
    EXPECT_TRUE(QFileInfo(m_dir.filePath("to-picture.bmp")).isSymLink());
    EXPECT_NE(readFile(m_target), m_oldContents);
}

TEST_P(FailedSave, TargetThatIsAFolderFails)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.bmp"));
    EXPECT_NE(save(m_dir.filePath("folder.bmp")), 0);
    EXPECT_FALSE(m_control.saveErrorString().isEmpty());
    EXPECT_TRUE(QFileInfo(m_dir.filePath("folder.bmp")).isDir());
    EXPECT_EQ(folderEntries(), (QStringList{"folder.bmp", "picture.bmp"}));
}

TEST_P(FailedSave, MissingFolderFails)
{
    EXPECT_NE(save(m_dir.filePath("missing/picture.bmp")), 0);
    EXPECT_FALSE(m_control.saveErrorString().isEmpty());
    EXPECT_EQ(folderEntries(), QStringList{"picture.bmp"});
}

TEST_P(FailedSave, SuccessReplacesTheOldFileWhole)
{
    ASSERT_EQ(save(m_target), 0);
    EXPECT_TRUE(m_control.saveErrorString().isEmpty());
    const QByteArray saved = readFile(m_target);
    EXPECT_NE(saved, m_oldContents);
    EXPECT_EQ(m_control.LoadFile(m_target, 0, 0, 1), 0);
    EXPECT_EQ(m_control.GetImageWidth(), 1272.0f);
    EXPECT_EQ(folderEntries(), QStringList{"picture.bmp"});
}

// A link in a sticky, world-writable folder is followed only where the kernel would follow it
// for an open(): when this user or the folder's owner made it.
struct SharedFolderLink
{
    const char *name;
    uid_t linkOwner; // 0 this user (root in CI)
    uid_t folderOwner;
    mode_t folderMode;
    bool followed;
};

constexpr uid_t OtherUser = 4242;
constexpr uid_t FolderOwner = 4343;

class LinkInAFolder : public testing::TestWithParam<SharedFolderLink>
{};

TEST_P(LinkInAFolder, IsFollowedOnlyWhenTheKernelWould)
{
    const SharedFolderLink &c = GetParam();
    QTemporaryDir dir;
    const QString shared = dir.filePath("shared");
    const QString notes = dir.filePath("notes.txt");
    const QString link = shared + "/scan.jpg";
    writeFile(notes, "my notes\n");
    ASSERT_TRUE(QDir().mkdir(shared));
    ASSERT_TRUE(QFile::link("../notes.txt", link));
    const QByteArray sharedName = QFile::encodeName(shared);
    ASSERT_EQ(::chmod(sharedName.constData(), c.folderMode), 0);
    if (::chown(sharedName.constData(), c.folderOwner, 0) != 0 ||
        ::lchown(QFile::encodeName(link).constData(), c.linkOwner, 0) != 0)
        GTEST_SKIP() << "giving a file to another user needs root (CAP_CHOWN)";

    QString reason;
    const bool written = ImageCodecs::writeFileAtomically(link, "new picture", &reason);
    EXPECT_EQ(written, c.followed) << reason.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readFile(notes), c.followed ? QByteArray("new picture") : QByteArray("my notes\n"));
    if (!c.followed) {
        EXPECT_EQ(reason.toStdString(), "A link that another user made in a shared folder");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Owners, LinkInAFolder,
    testing::Values(SharedFolderLink{"AnotherUsersInAStickyFolder", OtherUser, 0, 01777, false},
                    SharedFolderLink{"OwnInAStickyFolder", 0, FolderOwner, 01777, true},
                    SharedFolderLink{"TheFolderOwnersInAStickyFolder", FolderOwner, FolderOwner,
                                     01777, true},
                    SharedFolderLink{"AnotherUsersInAFolderNotSticky", OtherUser, 0, 0777, true}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Formats, FailedSave, testing::Values(short(6), short(10)),
                         [](const auto &info) { return info.param == 6 ? "Bmp" : "Jpeg"; });
} // namespace
