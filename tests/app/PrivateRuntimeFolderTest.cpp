// SPDX-License-Identifier: MIT
// The single-instance lock and socket live only where no other user can reach them. The tests
// give folders to another user, which needs root (as in CI); elsewhere they are skipped.
#include "app/PrivateRuntimeFolder.h"

#include "app/CQuillon2App.h"
#include "sim/SimulatedMainUnit.h"
#include "store/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {
constexpr uid_t OtherUser = 4242;

// Points XDG_RUNTIME_DIR and TMPDIR into a fresh folder for the test's life.
class RuntimeEnvironment : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_tmp = m_dir.filePath(QStringLiteral("tmp"));
        ASSERT_TRUE(QDir().mkdir(m_tmp));
        qputenv("TMPDIR", QFile::encodeName(m_tmp));
        if (::chown(QFile::encodeName(m_tmp).constData(), OtherUser, 0) != 0 ||
            ::chown(QFile::encodeName(m_tmp).constData(), ::geteuid(), 0) != 0)
            GTEST_SKIP() << "giving a folder to another user needs root (CAP_CHOWN)";
    }
    void TearDown() override
    {
        qputenv("XDG_RUNTIME_DIR", m_savedSession);
        qputenv("TMPDIR", m_savedTmp);
    }

    // A folder under the test's own, with this mode and owner.
    QString makeFolder(const QString &name, mode_t mode, uid_t owner)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(QDir().mkpath(path));
        EXPECT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
        EXPECT_EQ(::chown(QFile::encodeName(path).constData(), owner, 0), 0);
        return path;
    }

    QString ownFallback() const { return m_tmp + QStringLiteral("/quillonu-%1").arg(::geteuid()); }

    QString m_tmp;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedSession = qgetenv("XDG_RUNTIME_DIR");
    QByteArray m_savedTmp = qgetenv("TMPDIR");
};

struct SessionFolder
{
    const char *name;
    mode_t mode;
    bool othersFolder;
    bool used;
};

class SessionRuntimeFolder : public RuntimeEnvironment,
                             public ::testing::WithParamInterface<SessionFolder>
{};

TEST_P(SessionRuntimeFolder, IsUsedOnlyWhenItIsThisUsersAlone)
{
    const SessionFolder &c = GetParam();
    const QString session =
        makeFolder(QStringLiteral("session"), c.mode, c.othersFolder ? OtherUser : ::geteuid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(session));
    const QString folder = privateRuntimeFolder();
    EXPECT_EQ(folder.toStdString(), (c.used ? session : ownFallback()).toStdString());
    struct stat status
    {};
    ASSERT_EQ(::lstat(QFile::encodeName(folder).constData(), &status), 0);
    EXPECT_EQ(status.st_uid, ::geteuid());
    EXPECT_EQ(status.st_mode & 0777, 0700u);
}

INSTANTIATE_TEST_SUITE_P(Owners, SessionRuntimeFolder,
                         ::testing::Values(SessionFolder{"Own", 0700, false, true},
                                           SessionFolder{"AnotherUsers", 0700, true, false},
                                           SessionFolder{"OwnButOpenToOthers", 0755, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

// Nothing of this user's alone to be had: no folder, and the program runs without the lock.
TEST_F(RuntimeEnvironment, AFallbackFolderTakenByAnotherUserIsNotUsed)
{
    qunsetenv("XDG_RUNTIME_DIR");
    makeFolder(QStringLiteral("tmp/quillonu-%1").arg(::geteuid()), 0700, OtherUser);
    EXPECT_EQ(privateRuntimeFolder(), QString());
}

// Without a session runtime folder, Qt's stand-in for it in the temporary folder
// (runtime-<user>) made by another user, and that user holding the lock in the shared temporary
// folder and in the stand-in: the program still starts, and still only once.
TEST_F(RuntimeEnvironment, AnotherUsersLockDoesNotKeepTheProgramFromStarting)
{
    qunsetenv("XDG_RUNTIME_DIR");
    ASSERT_EQ(::chmod(QFile::encodeName(m_tmp).constData(), 01777), 0);
    const passwd *user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    const QString standIn = makeFolder(
        QStringLiteral("tmp/runtime-") + QString::fromLocal8Bit(user->pw_name), 0700, OtherUser);
    const QString lockName = QStringLiteral("QuillonTestForeign");
    std::vector<int> held;
    for (const QString &folder : {m_tmp, standIn}) {
        held.push_back(::open(QFile::encodeName(folder + u'/' + lockName + QStringLiteral(".lock")),
                              O_RDWR | O_CREAT | O_CLOEXEC, 0600));
        ASSERT_GE(held.back(), 0);
        ASSERT_EQ(::flock(held.back(), LOCK_EX | LOCK_NB), 0);
    }
    SimulatedMainUnit camera;
    SettingsStore settings(m_tmp + QStringLiteral("/q.conf"));
    CQuillon2App first(camera, nullptr, settings, lockName);
    EXPECT_EQ(first.InitInstance({}), CQuillon2App::StartResult::Started);
    CQuillon2App second(camera, nullptr, settings, lockName);
    EXPECT_EQ(second.InitInstance({}), CQuillon2App::StartResult::AlreadyRunning);
    for (int fd : held)
        ::close(fd);
}
} // namespace
