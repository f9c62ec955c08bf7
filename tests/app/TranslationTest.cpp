// SPDX-License-Identifier: MIT
// The main window speaks the language of the system's locale: German from the program's
// catalogue and Qt's own, English (the source texts) for the C locale.
#include "app/Translations.h"
#include "link/LinkError.h"
#include "tests/app/MainFrameFixture.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

namespace {
struct Language
{
    const char *locale;
    QStringList menus;
    QString ready;
    QString saveFailed;
    QString cancel; // Qt's own standard button
    QString onePageSaved;
};

class MainWindowLanguage : public MainFrameFixture, public ::testing::WithParamInterface<Language>
{};

TEST_P(MainWindowLanguage, MenusStatusAndMessagesFollowTheLocale)
{
    const Translations translations{QLocale(QString::fromLatin1(GetParam().locale))};
    makeFrame();
    QStringList menus;
    for (int position = 0; frame->topMenu(position); ++position)
        menus << frame->topMenu(position)->title();
    EXPECT_EQ(menus, GetParam().menus);
    EXPECT_EQ(message(), GetParam().ready);
    frame->link().ShowLinkError(int(LinkError::SaveFailed));
    ASSERT_FALSE(presenter.shown.empty());
    EXPECT_EQ(presenter.shown.back().text, GetParam().saveFailed + QStringLiteral("\n\n"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), GetParam().cancel);
    EXPECT_EQ(QCoreApplication::translate("PdfCommands", "%n pages saved in %1.", nullptr, 1),
              GetParam().onePageSaved);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, MainWindowLanguage,
    ::testing::Values(Language{"de_DE",
                               {"&Datei", "&Bearbeiten", "&Fernbedienung", "&Zoom", "&Hilfe"},
                               QString::fromUtf8("Bereit"),
                               QString::fromUtf8("Das Bild konnte nicht gespeichert werden."),
                               QStringLiteral("Abbrechen"),
                               QStringLiteral("1 Seite in %1 gespeichert.")},
                      Language{"C",
                               {"&File", "&Edit", "&Remote control", "&Zoom", "&Help"},
                               QStringLiteral("Ready !"),
                               QStringLiteral("Failed to save the image."),
                               QStringLiteral("Cancel"),
                               QStringLiteral("1 page saved in %1.")}),
    [](const auto &info) { return info.index == 0 ? "German" : "C"; });
} // namespace
