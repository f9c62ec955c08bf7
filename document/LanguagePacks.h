// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The languages text is read in: Tesseract's installed language packs, the user's choice of
// several at once ("deu+eng", Tesseract's own form), and their names in the user's language.
namespace LanguagePacks {
// The packs in the folder Tesseract reads them from (TESSDATA_PREFIX where it is set), sorted;
// the orientation and equation packs, which read no language, are left out.
QStringList installed();
// The locale's language and English, those of them installed.
QString defaultChoice(const QLocale &locale, const QStringList &installed);
// The stored choice, when it is one (packs' names joined by "+"); else the default.
QString choiceOrDefault(const QString &stored, const QLocale &locale, const QStringList &installed);
// The chosen packs that are not installed.
QStringList missing(const QString &choice, const QStringList &installed);
// The Debian package that installs a pack.
QString debianPackage(const QString &pack);
// The one-line hint shown after a save when packs were missing: the Debian packages of the chosen
// packs that are not installed (of the locale's language when none is chosen). Tesseract reads
// with the packs it finds, so the PDF may be searchable yet miss a language. Empty when nothing
// was missing.
QString missingPackHint(const QString &choice, const QLocale &locale, bool searchable);
// The pack's language (and script) in the user's language, as iso-codes translates it; the pack's
// code where it knows no name.
QString displayName(const QString &pack);
} // namespace LanguagePacks
