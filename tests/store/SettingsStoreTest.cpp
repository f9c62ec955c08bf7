// SPDX-License-Identifier: MIT
#include "store/SettingsStore.h"

#include "tests/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
// Every test gets its own INI file, so none of them can reach a real profile.
class SettingsStoreTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("profile.ini")); }

    // What a user or an older release left in the file, written behind the store's back.
    void writeFile(const QByteArray &text)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    QVariant stored(const QString &key) const
    {
        return QSettings(path(), QSettings::IniFormat).value(key);
    }
    QStringList storedKeys() const { return QSettings(path(), QSettings::IniFormat).allKeys(); }
    QMap<QString, QString> storedValues() const
    {
        const QSettings settings(path(), QSettings::IniFormat);
        QMap<QString, QString> values;
        const QStringList keys = settings.allKeys();
        for (const QString &key : keys)
            values.insert(key, settings.value(key).toString());
        return values;
    }

    QTemporaryDir m_dir;
    SettingsStore m_store{path()};
};

TEST_F(SettingsStoreTest, FreshProfileGivesDefaultsAndReadingCreatesNothing)
{
    EXPECT_EQ(m_store.read(Setting::Qfactor), 15);
    EXPECT_EQ(m_store.read(Setting::Gamma), 1);
    EXPECT_EQ(m_store.read(Setting::Sharpness), 3);
    EXPECT_EQ(m_store.windowPos(), QString());
    EXPECT_EQ(m_store.loadApplicationSettings(), ApplicationSettings{});
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(SettingsStoreTest, EveryAccessReopensTheStore)
{
    m_store.write(Setting::Qfactor, 40);
    EXPECT_EQ(m_store.read(Setting::Qfactor), 40);
    // Another length: QSettings sees a change by size and time, and the time may not have moved.
    writeFile("[Settings]\nQfactor=160\n");
    EXPECT_EQ(m_store.read(Setting::Qfactor), 160);
}

struct StoredInt
{
    const IntSetting *setting;
    int stored;
    int expected;

    friend std::ostream &operator<<(std::ostream &out, const StoredInt &c)
    {
        return out << c.setting->key << " " << c.stored;
    }
};

class StoredIntTest : public SettingsStoreTest, public ::testing::WithParamInterface<StoredInt>
{};

TEST_P(StoredIntTest, ReadsAcceptedValueOrDefault)
{
    const StoredInt &c = GetParam();
    m_store.write(*c.setting, c.stored);
    EXPECT_EQ(m_store.read(*c.setting), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, StoredIntTest,
    ::testing::Values(StoredInt{&Setting::Qfactor, 1, 15}, StoredInt{&Setting::Qfactor, 2, 2},
                      StoredInt{&Setting::Qfactor, 250, 250},
                      StoredInt{&Setting::Qfactor, 255, 255}, StoredInt{&Setting::Qfactor, 256, 15},
                      StoredInt{&Setting::Qfactor, -3, 15}, StoredInt{&Setting::Gamma, 0, 0},
                      StoredInt{&Setting::Gamma, 1, 1}, StoredInt{&Setting::Gamma, 5, 1},
                      StoredInt{&Setting::Gamma, -1, 1}, StoredInt{&Setting::Sharpness, 0, 0},
                      StoredInt{&Setting::Sharpness, 6, 6}, StoredInt{&Setting::Sharpness, 7, 3},
                      StoredInt{&Setting::Sharpness, 9, 3}, StoredInt{&Setting::Sharpness, -1, 3},
                      StoredInt{&Setting::Sharpness, INT_MIN, 3},
                      StoredInt{&Setting::PreviewPages, -7, -7},
                      StoredInt{&Setting::PreviewPages, INT_MAX, INT_MAX}),
    [](const auto &info) {
        return paramName(std::string(info.param.setting->key) + std::to_string(info.param.stored),
                         info.index);
    });

TEST_F(SettingsStoreTest, CorrectedValuesAreNotWrittenBack)
{
    writeFile("[Settings]\nQfactor=256\nSharpness=9\nGamma=5\n");
    EXPECT_EQ(m_store.read(Setting::Qfactor), 15);
    EXPECT_EQ(m_store.read(Setting::Sharpness), 3);
    EXPECT_EQ(m_store.read(Setting::Gamma), 1);
    EXPECT_EQ(stored(QStringLiteral("Settings/Qfactor")).toString(), QStringLiteral("256"));
    EXPECT_EQ(stored(QStringLiteral("Settings/Sharpness")).toString(), QStringLiteral("9"));
    EXPECT_EQ(stored(QStringLiteral("Settings/Gamma")).toString(), QStringLiteral("5"));
}

struct HandEdited
{
    const char *line;
    int expected;

    friend std::ostream &operator<<(std::ostream &out, const HandEdited &c)
    {
        return out << '"' << c.line << '"';
    }
};

class HandEditedTest : public SettingsStoreTest, public ::testing::WithParamInterface<HandEdited>
{};

// A value that is not a 32-bit integer reads as missing.
TEST_P(HandEditedTest, ReadsIntegerTextOnly)
{
    writeFile(QByteArray("[Settings]\nQfactor=") + GetParam().line + '\n');
    EXPECT_EQ(m_store.read(Setting::Qfactor), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HandEditedTest,
    ::testing::Values(HandEdited{"40", 40}, HandEdited{"\"40\"", 40}, HandEdited{"-40", 15},
                      // Wraps to 1 through QVariant's conversion.
                      HandEdited{"4294967297", 15}, HandEdited{"4294967298", 15},
                      HandEdited{"2147483648", 15}, HandEdited{"2.5", 15}, HandEdited{"40.0", 15},
                      HandEdited{"abc", 15}, HandEdited{"40abc", 15}, HandEdited{"0x28", 15},
                      HandEdited{"", 15}, HandEdited{"40,50", 15}, HandEdited{"true", 15},
                      HandEdited{"@Variant(\\0\\0\\0\\x87@\\0\\0\\0)", 15}),
    [](const auto &info) { return paramName(info.param.line, info.index); });

class OneWriteTest : public SettingsStoreTest,
                     public ::testing::WithParamInterface<const IntSetting *>
{};

TEST_P(OneWriteTest, WritesExactlyOneValueAndLeavesTheOthers)
{
    writeFile("[Settings]\nQfactor=99\nGamma=0\nSharpness=5\nWindowPos=\"1,2\"\n");
    const IntSetting &setting = *GetParam();
    QMap<QString, QString> expected = storedValues();
    expected[QStringLiteral("Settings/") + QLatin1String(setting.key)] = QStringLiteral("4");
    m_store.write(setting, 4);
    EXPECT_EQ(storedValues(), expected);
}

INSTANTIATE_TEST_SUITE_P(PictureSettings, OneWriteTest,
                         ::testing::Values(&Setting::Qfactor, &Setting::Gamma, &Setting::Sharpness),
                         [](const auto &info) { return std::string(info.param->key); });

TEST_F(SettingsStoreTest, FirstWriteToAFreshProfileCreatesOnlyThatValue)
{
    m_store.write(Setting::Gamma, 0);
    EXPECT_EQ(storedKeys(), QStringList{QStringLiteral("Settings/Gamma")});
    m_store.setWindowPos(QStringLiteral("0,1,-1,-1,-1,-1,100,100,740,580"));
    EXPECT_EQ(storedKeys(), (QStringList{QStringLiteral("Settings/Gamma"),
                                         QStringLiteral("Settings/WindowPos")}));
}

TEST_F(SettingsStoreTest, WindowPosRoundTrip)
{
    const QString text = QStringLiteral("2,3,-32000,-32000,-1,-1,100,100,740,580");
    m_store.setWindowPos(text);
    EXPECT_EQ(m_store.windowPos(), text);
    // Malformed text is handed back as it is: judging it is the main frame's business.
    m_store.setWindowPos(QStringLiteral("junk"));
    EXPECT_EQ(m_store.windowPos(), QStringLiteral("junk"));
}

TEST_F(SettingsStoreTest, UnquotedHandEditedWindowPosIsJoinedAgain)
{
    writeFile("[Settings]\nWindowPos=0,1,-1,-1,-1,-1,100,100,740,580\n");
    EXPECT_EQ(m_store.windowPos(), QStringLiteral("0,1,-1,-1,-1,-1,100,100,740,580"));
    writeFile("[Settings]\nWindowPos=0, 1 ,-1,-1,-1,-1,100,100,740,580\n");
    EXPECT_EQ(m_store.windowPos(), QStringLiteral("0,1,-1,-1,-1,-1,100,100,740,580"));
}

TEST_F(SettingsStoreTest, LoadsTheRecentFileListWithItsGaps)
{
    writeFile("[Recent%20File%20List]\nFile1=/a.bmp\nFile3=\"/b, c.jpg\"\nFile4=/d,e.jpg\n"
              "[Settings]\nPreviewPages=2\n");
    ApplicationSettings expected;
    expected.recentFiles = {QStringLiteral("/a.bmp"), QString(), QStringLiteral("/b, c.jpg"),
                            QStringLiteral("/d,e.jpg")};
    expected.previewPages = 2;
    EXPECT_EQ(m_store.loadApplicationSettings(), expected);
}

TEST_F(SettingsStoreTest, SavingReplacesTheRecentFileListWithTheNonEmptyEntries)
{
    writeFile("[Recent%20File%20List]\nFile1=/old1\nFile2=/old2\nFile7=/stray\n"
              "[Settings]\nQfactor=30\n");
    ApplicationSettings toSave;
    toSave.recentFiles = {QStringLiteral("/new1"), QString(), QStringLiteral("/new3"), QString()};
    m_store.saveApplicationSettings(toSave);

    EXPECT_EQ(storedKeys(), (QStringList{QStringLiteral("Recent File List/File1"),
                                         QStringLiteral("Recent File List/File3"),
                                         QStringLiteral("Settings/Qfactor")}));
    EXPECT_EQ(m_store.loadApplicationSettings(), toSave);
}

TEST_F(SettingsStoreTest, PreviewPagesIsWrittenOnlyWhenNotZero)
{
    m_store.saveApplicationSettings(ApplicationSettings{});
    EXPECT_FALSE(stored(QStringLiteral("Settings/PreviewPages")).isValid());

    ApplicationSettings toSave;
    toSave.previewPages = 3;
    m_store.saveApplicationSettings(toSave);
    EXPECT_EQ(stored(QStringLiteral("Settings/PreviewPages")).toString(), QStringLiteral("3"));

    // A loaded count goes back unchanged; a 0 leaves what is stored alone.
    m_store.saveApplicationSettings(m_store.loadApplicationSettings());
    EXPECT_EQ(stored(QStringLiteral("Settings/PreviewPages")).toString(), QStringLiteral("3"));
    m_store.saveApplicationSettings(ApplicationSettings{});
    EXPECT_EQ(stored(QStringLiteral("Settings/PreviewPages")).toString(), QStringLiteral("3"));
}

// Writing rewrites the whole file: a hand-edited one keeps its comments and layout as long as
// nothing in it changes, as at a close that changed no setting.
TEST_F(SettingsStoreTest, UnchangedValuesLeaveTheFileAsItWas)
{
    const QByteArray text = "; tuned by hand\n[Recent%20File%20List]\nFile1=/a.bmp\n"
                            "File2=/d,e.jpg\n\n[Settings]\n; sharper for text\nSharpness=5\n"
                            "WindowPos=0,1,-1,-1,-1,-1,10,10,810,610\nLastFolder=/home\n"
                            "PreviewPages=2\n";
    writeFile(text);
    m_store.write(Setting::Sharpness, 5);
    m_store.setWindowPos(m_store.windowPos());
    m_store.setLastFolder(QStringLiteral("/home"));
    m_store.saveApplicationSettings(m_store.loadApplicationSettings());
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), text.toStdString());

    m_store.write(Setting::Sharpness, 4);
    EXPECT_EQ(m_store.read(Setting::Sharpness), 4);
}

TEST_F(SettingsStoreTest, FailedWriteIsIgnored)
{
    // A regular file where the profile's folder should be: nothing can be created below it.
    writeFile("not a folder");
    const SettingsStore unwritable(path() + QStringLiteral("/profile.ini"));
    unwritable.write(Setting::Qfactor, 40);
    unwritable.setWindowPos(QStringLiteral("0,1,-1,-1,-1,-1,100,100,740,580"));
    unwritable.saveApplicationSettings(ApplicationSettings{{QStringLiteral("/a")}, 2});
    EXPECT_EQ(unwritable.read(Setting::Qfactor), 15);
    EXPECT_EQ(unwritable.windowPos(), QString());
}

// The test main moves the user's profile into a private folder; these tests reach the default
// store only after making sure of that.
class SettingsStoreProfile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_configHome = QDir(qEnvironmentVariable("XDG_CONFIG_HOME"));
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"));
        ASSERT_NE(m_configHome, QDir(QDir::homePath() + QStringLiteral("/.config")));
    }

    QDir m_configHome;
};

TEST_F(SettingsStoreProfile, DefaultStoreUsesTheUserProfileNames)
{
    EXPECT_EQ(SettingsStore().location(),
              m_configHome.filePath(QStringLiteral("TOVA/Quillon for USB.conf")));
    EXPECT_EQ(SettingsStore().location(),
              QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("TOVA"),
                        QStringLiteral("Quillon for USB"))
                  .fileName());
}

// A FIFO in the settings file's place would block the start in its first read: it is ignored,
// read as defaults and never written over.
TEST_F(SettingsStoreProfile, ASettingsFileThatIsNotAFileIsIgnored)
{
    const QString path = SettingsStore().location();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const SettingsStore store;
    EXPECT_EQ(store.read(Setting::Qfactor), 15);
    EXPECT_EQ(store.windowPos(), QString());
    store.write(Setting::Qfactor, 40);
    store.setWindowPos(QStringLiteral("0,1,-1,-1,-1,-1,1,2,3,4"));
    EXPECT_FALSE(QFileInfo(path).isFile());
    EXPECT_TRUE(QFile::remove(path));
}

// Only the application's own values count, as with the registry key of the Windows release.
TEST_F(SettingsStoreProfile, IgnoresOrganisationWideValues)
{
    const QString organisationFile = m_configHome.filePath(QStringLiteral("TOVA.conf"));
    {
        QSettings organisation(organisationFile, QSettings::IniFormat);
        organisation.setValue(QStringLiteral("Settings/Qfactor"), 40);
        organisation.setValue(QStringLiteral("Settings/WindowPos"), QStringLiteral("1,2"));
    }
    EXPECT_EQ(SettingsStore().read(Setting::Qfactor), 15);
    EXPECT_EQ(SettingsStore().windowPos(), QString());
    QFile::remove(organisationFile);
}
} // namespace
