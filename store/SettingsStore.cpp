// SPDX-License-Identifier: MIT
#include "store/SettingsStore.h"

#include "store/StoreLogging.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

namespace {
const QString OrganizationName = QStringLiteral("TOVA");
const QString ApplicationName = QStringLiteral("Quillon for USB");
const QString SettingsGroup = QStringLiteral("Settings");
const QString WindowPosKey = QStringLiteral("WindowPos");
const QString LastFolderKey = QStringLiteral("LastFolder");
const QString RecognitionLanguagesKey = QStringLiteral("RecognitionLanguages");
const QString RecentFileGroup = QStringLiteral("Recent File List");

QString recentFileKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

// The stored value as a 32-bit integer, or nothing when it is not one. The text is parsed by
// QString::toInt because QVariant's own conversion wraps numbers beyond 32 bits ("4294967297"
// would read as 1); fractions, lists and anything else a hand-edited file can hold are refused.
std::optional<int> storedInt(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QString:
    case QMetaType::QByteArray:
        break;
    default:
        return std::nullopt;
    }
    bool ok = false;
    const int parsed = value.toString().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return parsed;
}

// A stored text as the program reads it: an unquoted text with commas in a hand-edited file comes
// back split at the commas.
QString storedText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// QSettings writes when it is closed. A failed write changes nothing the user sees (the value
// in memory is in force), so its cause is kept here.
void writeOut(std::unique_ptr<QSettings> settings)
{
    settings->sync();
    if (settings->status() == QSettings::AccessError)
        qCWarning(lcStore, "%s could not be written", qPrintable(settings->fileName()));
    else if (settings->status() == QSettings::FormatError)
        qCWarning(lcStore, "%s is not a settings file and was left as it was",
                  qPrintable(settings->fileName()));
}
} // namespace

SettingsStore::SettingsStore() = default;

SettingsStore::SettingsStore(const QString &iniFilePath)
    : m_iniFilePath(iniFilePath)
{}

QString SettingsStore::filePath() const
{
    if (!m_iniFilePath.isEmpty())
        return m_iniFilePath;
#ifdef Q_OS_WIN
    return {}; // the registry
#else
    // Where QSettings keeps the user's native settings on this platform.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           OrganizationName + u'/' + ApplicationName + QStringLiteral(".conf");
#endif
}

std::unique_ptr<QSettings> SettingsStore::open() const
{
    // QSettings reads its file as soon as it is made: a FIFO would block the program there, and
    // a write would replace whatever is there with a regular file. Such a store is left alone.
    const QString path = filePath();
    if (const QFileInfo info(path); !path.isEmpty() && info.exists() && !info.isFile()) {
        qCWarning(lcStore, "%s is not a regular file: the settings read as their defaults",
                  qPrintable(path));
        return nullptr;
    }
    auto settings = m_iniFilePath.isEmpty()
                        ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                      OrganizationName, ApplicationName)
                        : std::make_unique<QSettings>(m_iniFilePath, QSettings::IniFormat);
    // Only the user's own application key counts: no organisation-wide or system-wide values.
    settings->setFallbacksEnabled(false);
    return settings;
}

int SettingsStore::read(const IntSetting &setting) const
{
    const auto settings = open();
    if (!settings)
        return setting.defaultValue;
    settings->beginGroup(QLatin1String(setting.group));
    const std::optional<int> stored = storedInt(settings->value(QLatin1String(setting.key)));
    return stored ? setting.accept(*stored) : setting.defaultValue;
}

void SettingsStore::write(const IntSetting &setting, int value) const
{
    auto settings = open();
    if (!settings)
        return;
    settings->beginGroup(QLatin1String(setting.group));
    // Writing rewrites the whole file, and a hand-edited one loses its comments: only a change is
    // worth that.
    if (storedInt(settings->value(QLatin1String(setting.key))) == value)
        return;
    // A plain int, so that the registry gets a DWORD and not a QWORD.
    settings->setValue(QLatin1String(setting.key), value);
    writeOut(std::move(settings));
}

QString SettingsStore::readText(const QString &group, const QString &key) const
{
    const auto settings = open();
    if (!settings)
        return {};
    settings->beginGroup(group);
    return storedText(settings->value(key));
}

QString SettingsStore::windowPos() const
{
    return readText(SettingsGroup, WindowPosKey);
}

void SettingsStore::writeText(const QString &group, const QString &key, const QString &text) const
{
    auto settings = open();
    if (!settings)
        return;
    settings->beginGroup(group);
    if (settings->contains(key) && storedText(settings->value(key)) == text)
        return; // unchanged: the file is not rewritten (see write())
    settings->setValue(key, text);
    writeOut(std::move(settings));
}

void SettingsStore::setWindowPos(const QString &text) const
{
    writeText(SettingsGroup, WindowPosKey, text);
}

QString SettingsStore::lastFolder() const
{
    const QString stored = readText(SettingsGroup, LastFolderKey);
    // A folder removed or unplugged since: the dialogs would otherwise start wherever the
    // program happened to be started.
    if (!stored.isEmpty() && QFileInfo(stored).isDir())
        return stored;
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

void SettingsStore::setLastFolder(const QString &folder) const
{
    writeText(SettingsGroup, LastFolderKey, folder);
}

QString SettingsStore::recognitionLanguages() const
{
    return readText(SettingsGroup, RecognitionLanguagesKey);
}

void SettingsStore::setRecognitionLanguages(const QString &languages) const
{
    writeText(SettingsGroup, RecognitionLanguagesKey, languages);
}

ApplicationSettings SettingsStore::loadApplicationSettings() const
{
    ApplicationSettings loaded;
    for (int i = 0; i < ApplicationSettings::RecentFileCount; ++i)
        loaded.recentFiles[i] = readText(RecentFileGroup, recentFileKey(i));
    loaded.previewPages = read(Setting::PreviewPages);
    return loaded;
}

void SettingsStore::saveApplicationSettings(const ApplicationSettings &toSave) const
{
    {
        auto settings = open();
        if (!settings)
            return;
        QMap<QString, QString> entries;
        for (int i = 0; i < ApplicationSettings::RecentFileCount; ++i) {
            if (!toSave.recentFiles[i].isEmpty())
                entries.insert(recentFileKey(i), toSave.recentFiles[i]);
        }
        settings->beginGroup(RecentFileGroup);
        QMap<QString, QString> stored;
        const QStringList keys = settings->childKeys();
        for (const QString &key : keys)
            stored.insert(key, storedText(settings->value(key)));
        const bool nested = !settings->childGroups().isEmpty();
        settings->endGroup();
        // The list is replaced only when it would differ (see write()).
        if (stored != entries || nested) {
            settings->remove(RecentFileGroup);
            settings->beginGroup(RecentFileGroup);
            for (auto entry = entries.cbegin(); entry != entries.cend(); ++entry)
                settings->setValue(entry.key(), entry.value());
            writeOut(std::move(settings));
        }
    }
    if (toSave.previewPages != 0)
        write(Setting::PreviewPages, toSave.previewPages);
}

QString SettingsStore::location() const
{
    const QString path = filePath();
    return path.isEmpty() ? QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                      OrganizationName, ApplicationName)
                                .fileName()
                          : path;
}
