// SPDX-License-Identifier: MIT
#include "document/LanguagePacks.h"

#include "document/TesseractRecognizer.h"

#include <gtest/gtest.h>

namespace {
struct ChoiceCase
{
    const char *name;
    const char *stored;
    QLocale::Language language;
    QStringList installed;
    const char *expected;
};

class LanguageChoice : public testing::TestWithParam<ChoiceCase>
{};

TEST_P(LanguageChoice, GivesTheRecognizersLanguages)
{
    const ChoiceCase &c = GetParam();
    EXPECT_EQ(LanguagePacks::choiceOrDefault(QString::fromLatin1(c.stored), QLocale(c.language),
                                             c.installed),
              QLatin1String(c.expected));
}

const QStringList GermanAndEnglish{QStringLiteral("deu"), QStringLiteral("eng")};

INSTANTIATE_TEST_SUITE_P(
    Packs, LanguageChoice,
    testing::Values(
        ChoiceCase{"OwnLanguageAndEnglish", "", QLocale::German, GermanAndEnglish, "deu+eng"},
        ChoiceCase{"EnglishOnceForEnglish", "", QLocale::English, GermanAndEnglish, "eng"},
        ChoiceCase{"EnglishWithoutOwnPack", "", QLocale::Polish, GermanAndEnglish, "eng"},
        ChoiceCase{"OwnWithoutEnglishPack", "", QLocale::German, {QStringLiteral("deu")}, "deu"},
        ChoiceCase{"NoneWithoutPacks", "", QLocale::German, {}, ""},
        ChoiceCase{"StoredChoiceWins", "pol+chi_sim", QLocale::German, GermanAndEnglish,
                   "pol+chi_sim"},
        ChoiceCase{"MalformedChoiceIsIgnored", "deu+../x", QLocale::German, GermanAndEnglish,
                   "deu+eng"},
        ChoiceCase{"EmptyPartIsIgnored", "deu+", QLocale::German, GermanAndEnglish, "deu+eng"}),
    [](const testing::TestParamInfo<ChoiceCase> &info) { return std::string(info.param.name); });

// The hint names the Debian package of each chosen pack that is missing.
TEST(LanguagePacks, MissingPacksAreNamedByTheirPackages)
{
    EXPECT_EQ(LanguagePacks::missing(QStringLiteral("chi_sim+eng+pol"), {QStringLiteral("eng")}),
              (QStringList{QStringLiteral("chi_sim"), QStringLiteral("pol")}));
    EXPECT_EQ(LanguagePacks::debianPackage(QStringLiteral("chi_sim")),
              QLatin1String("tesseract-ocr-chi-sim"));
}

// Several languages at once, as the setting gives them.
TEST(LanguagePacks, RecognizerReadsSeveralLanguagesAtOnce)
{
    const QStringList installed = LanguagePacks::installed();
    ASSERT_TRUE(installed.contains(QLatin1String("deu")) &&
                installed.contains(QLatin1String("eng")))
        << installed.join(u' ').toStdString();
    EXPECT_NE(TesseractRecognizer::create(QStringLiteral("deu+eng")), nullptr);
}
} // namespace
