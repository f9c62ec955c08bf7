// SPDX-License-Identifier: MIT
#pragma once

#include <QTranslator>

class QLocale;

// The program's texts and Qt's own (standard buttons, file dialogs) in the language of a locale,
// as far as catalogues exist for it; English otherwise. Installed while the object lives.
class Translations
{
public:
    explicit Translations(const QLocale &locale);
    ~Translations();
    Translations(const Translations &) = delete;
    Translations &operator=(const Translations &) = delete;

    // Whether the program's own catalogue for the locale was found.
    bool hasProgramCatalogue() const { return m_programLoaded; }

private:
    QTranslator m_qt;
    QTranslator m_program;
    bool m_qtLoaded = false;
    bool m_programLoaded = false;
};
