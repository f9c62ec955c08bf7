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
