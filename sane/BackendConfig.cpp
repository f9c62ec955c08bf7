// SPDX-License-Identifier: MIT
#include "sane/BackendConfig.h"

#include "sane/SaneLogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// The folder the package installs SANE's configuration into.
const QString InstalledFolder = QStringLiteral(QUILLON_SANE_CONFIG_DIR);
// A configuration file is a few lines; anything larger is not one.
constexpr qint64 MaxFileSize = 64 * 1024;
} // namespace

QStringList BackendConfig::searchFolders()
{
    if (!qEnvironmentVariableIsSet("SANE_CONFIG_DIR"))
        return {QStringLiteral("."), InstalledFolder};
    const QString variable = qEnvironmentVariable("SANE_CONFIG_DIR");
    QStringList folders = variable.split(u':', Qt::SkipEmptyParts);
    if (variable.endsWith(u':'))
        folders << QStringLiteral(".") << InstalledFolder;
    return folders;
}

BackendConfig BackendConfig::read()
{
    for (const QString &folder : searchFolders()) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(FileName));
        const QFileInfo info(path);
        if (!info.exists())
            continue;
        QFile file(path);
        // Only a regular file: a FIFO would wait for a writer for ever.
        if (!info.isFile() || info.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
            qCWarning(lcSane, "%s cannot be read as a configuration file", qPrintable(path));
            continue;
        }
        QStringList problems;
        BackendConfig config = parse(QString::fromUtf8(file.readAll()), &problems);
        for (const QString &problem : problems)
            qCWarning(lcSane, "%s: %s", qPrintable(path), qPrintable(problem));
        config.path = path;
        return config;
    }
    return {};
}

BackendConfig BackendConfig::parse(const QString &text, QStringList *problems)
{
    BackendConfig config;
    config.usb = false;
    const QStringList lines = text.split(u'\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        const QString line = lines[number].section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const QString keyword = line.section(u' ', 0, 0, QString::SectionSkipEmpty);
        const QString argument = line.mid(keyword.size()).trimmed();
        if (keyword == QLatin1String("usb") && argument.isEmpty())
            config.usb = true;
        else if (keyword == QLatin1String("simulated") && argument.isEmpty())
            config.simulated = true;
        else if (keyword == QLatin1String("simulated-frame") && !argument.isEmpty())
            config.simulatedFrame = argument;
        else if (keyword == QLatin1String("simulated-coefficients") && !argument.isEmpty())
            config.simulatedCoefficients = argument;
        else if (keyword == QLatin1String("simulated-faults") && !argument.isEmpty())
            config.simulatedFaults = argument;
        else
            problems->append(
                QStringLiteral("line %1 is not understood: %2").arg(number + 1).arg(line));
    }
    return config;
}
