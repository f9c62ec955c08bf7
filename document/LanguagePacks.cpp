// SPDX-License-Identifier: MIT
#include "document/LanguagePacks.h"

#include "document/TesseractRecognizer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <libintl.h>

namespace {
// Where Debian's packs go; Tesseract is built to look there.
const QString DebianPacks = QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
const QString English = QStringLiteral("eng");
const QString IsoCodes = QStringLiteral("/usr/share/iso-codes/json/");

bool wellFormed(const QString &pack)
{
    static const QRegularExpression name(QStringLiteral("^[a-z]{3}(_[a-z]+)?$"));
    return name.match(pack).hasMatch();
}

// A language's English name by its three-letter code, and the iso-codes domain that translates
// it. Tesseract names most packs by their ISO 639-3 code and a few (chi) by the older ISO 639-2.
struct IsoName
{
    QString english;
    const char *domain;
};

void readIsoNames(QHash<QString, IsoName> &names, const char *domain, const char *list)
{
    QFile file(IsoCodes + QLatin1String(domain) + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QJsonArray entries =
        QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String(list)).toArray();
    for (const QJsonValue &entry : entries) {
        const QJsonObject language = entry.toObject();
        const QString english = language.value(QLatin1String("name")).toString();
        for (const char *key : {"alpha_3", "bibliographic"}) {
            const QString code = language.value(QLatin1String(key)).toString();
            if (!code.isEmpty() && !names.contains(code))
                names.insert(code, {english, domain});
        }
    }
}

const QHash<QString, IsoName> &isoNames()
{
    static const QHash<QString, IsoName> names = [] {
        QHash<QString, IsoName> read;
        readIsoNames(read, "iso_639-3", "639-3");
        readIsoNames(read, "iso_639-2", "639-2");
        return read;
    }();
    return names;
}

QString variantName(const QString &variant)
{
    static const QHash<QString, const char *> names{
        {QStringLiteral("sim"), QT_TRANSLATE_NOOP("LanguagePacks", "simplified")},
        {QStringLiteral("tra"), QT_TRANSLATE_NOOP("LanguagePacks", "traditional")},
        {QStringLiteral("vert"), QT_TRANSLATE_NOOP("LanguagePacks", "vertical")},
        {QStringLiteral("cyrl"), QT_TRANSLATE_NOOP("LanguagePacks", "Cyrillic")},
        {QStringLiteral("latn"), QT_TRANSLATE_NOOP("LanguagePacks", "Latin")},
        {QStringLiteral("frak"), QT_TRANSLATE_NOOP("LanguagePacks", "Fraktur")},
        {QStringLiteral("old"), QT_TRANSLATE_NOOP("LanguagePacks", "old spelling")},
    };
    const char *name = names.value(variant);
    return name ? QCoreApplication::translate("LanguagePacks", name) : variant;
}
} // namespace

namespace LanguagePacks {
QStringList installed()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    const QDir folder(prefix.isEmpty() ? DebianPacks : prefix);
    QStringList packs;
    for (const QString &file :
         folder.entryList({QStringLiteral("*.traineddata")}, QDir::Files | QDir::Readable)) {
        const QString pack = file.chopped(12);
        if (wellFormed(pack) && pack != QLatin1String("osd") && pack != QLatin1String("equ"))
            packs << pack;
    }
    packs.sort();
    return packs;
}

QString defaultChoice(const QLocale &locale, const QStringList &installed)
{
    QStringList choice;
    const QString own = RecognitionLanguage::forLocale(locale);
    for (const QString &pack : {own, English})
        if (installed.contains(pack) && !choice.contains(pack))
            choice << pack;
    return choice.join(u'+');
}

QString choiceOrDefault(const QString &stored, const QLocale &locale, const QStringList &installed)
{
    const QStringList packs = stored.split(u'+');
    if (!stored.isEmpty() && std::all_of(packs.begin(), packs.end(), wellFormed))
        return stored;
    return defaultChoice(locale, installed);
}

QStringList missing(const QString &choice, const QStringList &installed)
{
    QStringList absent;
    for (const QString &pack : choice.split(u'+', Qt::SkipEmptyParts))
        if (!installed.contains(pack))
            absent << pack;
    return absent;
}

QString debianPackage(const QString &pack)
{
    return QStringLiteral("tesseract-ocr-") + QString(pack).replace(u'_', u'-');
}

QString missingPackHint(const QString &choice, const QLocale &locale, bool searchable)
{
    const QStringList absent = missing(choice, installed());
    if (searchable && absent.isEmpty())
        return {};
    QStringList packages;
    for (const QString &pack :
         absent.isEmpty() ? QStringList{RecognitionLanguage::forLocale(locale)} : absent)
        packages << debianPackage(pack);
    const QString list = packages.join(QStringLiteral(", "));
    return searchable ? QCoreApplication::translate(
                            "LanguagePacks", "Not every chosen language was read: install %1.")
                            .arg(list)
                      : QCoreApplication::translate(
                            "LanguagePacks",
                            "The PDF has no text layer: install %1 to make it searchable.")
                            .arg(list);
}

QString displayName(const QString &pack)
{
    const QString code = pack.section(u'_', 0, 0);
    const auto iso = isoNames().constFind(code);
    if (iso == isoNames().constEnd())
        return pack;
    const QByteArray english = iso->english.toUtf8();
    QString name = QString::fromUtf8(dgettext(iso->domain, english.constData()));
    const QString variant = pack.section(u'_', 1);
    if (!variant.isEmpty())
        name += QStringLiteral(" (%1)").arg(variantName(variant));
    return name;
}
} // namespace LanguagePacks
