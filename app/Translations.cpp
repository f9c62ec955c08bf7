// SPDX-License-Identifier: MIT
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations(const QLocale &locale)
{
    // Qt's catalogues come with Qt (Debian: qt6-translations-l10n); ours are built in.
    m_qtLoaded = m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
    m_programLoaded = m_program.load(locale, QStringLiteral("quillon"), QStringLiteral("_"),
                                     QStringLiteral(":/i18n"));
    // The source texts are English; their catalogue gives the forms of texts with a count
    // ("1 page", "2 pages") wherever the locale's language has no catalogue of its own.
    if (!m_programLoaded)
        m_programLoaded = m_program.load(QStringLiteral(":/i18n/quillon_en"));
    if (m_programLoaded)
        QCoreApplication::installTranslator(&m_program);
}

Translations::~Translations()
{
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
}
