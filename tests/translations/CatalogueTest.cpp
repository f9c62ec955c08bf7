// SPDX-License-Identifier: MIT
// Every catalogue translates every text in the sources, and only those; and the forms of a text
// with a count follow each language's rule.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {
// The languages with a catalogue of their own; English has one for its plural forms only.
std::vector<std::string> languages()
{
    std::vector<std::string> all;
    for (const QString &language : QString::fromLatin1(QUILLON_LANGUAGES).split(u','))
        all.push_back(language.toStdString());
    return all;
}

std::vector<std::string> languagesAndEnglish()
{
    std::vector<std::string> all = languages();
    all.push_back("en");
    return all;
}

QString readSource(const char *path)
{
    QFile file(QStringLiteral(QUILLON_SOURCE_DIR "/") + QLatin1String(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What is not ready in a catalogue that lupdate has just brought up to the sources: entries it
// marks unfinished (a new or changed text), vanished or obsolete (a text no longer there), and
// translations or plural forms left empty.
QStringList entriesNotReady(const QString &catalogue)
{
    QFile file(catalogue);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot read ") + catalogue};
    QStringList found;
    QXmlStreamReader xml(&file);
    QString context;
    QString entry;
    bool translated = false;
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement() && name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("source")) {
            entry = context + QStringLiteral(": ") + xml.readElementText();
        } else if (xml.isStartElement() && name == QLatin1String("translation")) {
            const auto type = xml.attributes().value(QLatin1String("type"));
            if (!type.isEmpty())
                found << entry + QStringLiteral(" [") + type.toString() + u']';
            translated = !type.isEmpty(); // reported once
            numerus = false;
        } else if (xml.isStartElement() && name == QLatin1String("numerusform")) {
            numerus = true;
            if (xml.readElementText().isEmpty() && !translated)
                found << entry + QStringLiteral(" [empty plural form]");
        } else if (xml.isCharacters() && !xml.isWhitespace()) {
            translated = true;
        } else if (xml.isEndElement() && name == QLatin1String("translation") && !numerus &&
                   !translated) {
            found << entry + QStringLiteral(" [empty]");
        }
    }
    if (xml.hasError())
        found << xml.errorString();
    return found;
}

class Catalogue : public ::testing::TestWithParam<std::string>
{};

TEST_P(Catalogue, TranslatesEveryTextOfTheSourcesAndNoOther)
{
    const QString language = QString::fromStdString(GetParam());
    const QString source =
        QStringLiteral(QUILLON_SOURCE_DIR "/translations/quillon_%1.ts").arg(language);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QFileInfo(source).fileName());
    ASSERT_TRUE(QFile::copy(source, copy)) << source.toStdString();

    QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"),
                          QStringLiteral("none"), QStringLiteral("-extensions"),
                          QStringLiteral("cpp,h")};
    if (language == QLatin1String("en"))
        arguments << QStringLiteral("-pluralonly");
    arguments << QString::fromLatin1(QUILLON_TEXT_FOLDERS).split(u',') << QStringLiteral("-I")
              << QStringLiteral(QUILLON_SOURCE_DIR) << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(QUILLON_SOURCE_DIR));
    lupdate.start(QStringLiteral(QUILLON_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    EXPECT_EQ(entriesNotReady(copy).join(u'\n').toStdString(), "")
        << "refresh with the target update_translations and translate these";
}

INSTANTIATE_TEST_SUITE_P(Languages, Catalogue, ::testing::ValuesIn(languagesAndEnglish()),
                         [](const auto &info) { return info.param; });

class LauncherTexts : public ::testing::TestWithParam<std::string>
{};

// A language the program speaks is one the desktop's launcher and software centre show it in.
TEST_P(LauncherTexts, TheDesktopEntryAndTheAppStreamFileSpeakTheLanguage)
{
    const QString language = QString::fromStdString(GetParam());
    const QString entry = readSource("res/desktop/org.tova.QuillonU.desktop");
    for (const char *key : {"GenericName", "Comment", "Keywords"}) {
        EXPECT_TRUE(entry.contains(QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), language)))
            << key;
    }
    const QString metainfo = readSource("res/desktop/org.tova.QuillonU.metainfo.xml");
    const QString tag = QStringLiteral(" xml:lang=\"%1\">").arg(language);
    EXPECT_TRUE(metainfo.contains(QStringLiteral("<summary") + tag));
    const qsizetype start = metainfo.indexOf(QLatin1String("<description>"));
    const QString description =
        metainfo.mid(start, metainfo.indexOf(QLatin1String("</description>"), start) - start);
    EXPECT_EQ(description.count(QStringLiteral("<p") + tag),
              description.count(QStringLiteral("<p>")))
        << "one translated paragraph for each of the description's";
}

INSTANTIATE_TEST_SUITE_P(Languages, LauncherTexts, ::testing::ValuesIn(languages()),
                         [](const auto &info) { return info.param; });

struct CountedText
{
    const char *name;
    const char *language;
    int count;
    const char *expected;
};

class PluralForm : public ::testing::TestWithParam<CountedText>
{};

// One language of each family of plural rules: one and other (English, German), where zero is
// singular too (French), and Polish's three forms, where 22 is not 25.
TEST_P(PluralForm, FollowsTheRuleOfTheLanguage)
{
    QTranslator translator;
    ASSERT_TRUE(
        translator.load(QStringLiteral(":/i18n/quillon_") + QLatin1String(GetParam().language)));
    QCoreApplication::installTranslator(&translator);
    const QString text =
        QCoreApplication::translate("CMainStatusBar", "%n pages", nullptr, GetParam().count);
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(text.toStdString(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Counts, PluralForm,
                         ::testing::Values(CountedText{"English_1", "en", 1, "1 page"},
                                           CountedText{"English_2", "en", 2, "2 pages"},
                                           CountedText{"German_1", "de", 1, "1 Seite"},
                                           CountedText{"German_0", "de", 0, "0 Seiten"},
                                           CountedText{"French_0", "fr", 0, "0 page"},
                                           CountedText{"French_2", "fr", 2, "2 pages"},
                                           CountedText{"Polish_1", "pl", 1, "1 strona"},
                                           CountedText{"Polish_3", "pl", 3, "3 strony"},
                                           CountedText{"Polish_12", "pl", 12, "12 stron"},
                                           CountedText{"Polish_22", "pl", 22, "22 strony"},
                                           CountedText{"Polish_25", "pl", 25, "25 stron"}),
                         [](const auto &info) { return std::string(info.param.name); });
} // namespace
