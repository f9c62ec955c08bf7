// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QListWidget;
class SettingsStore;

// The languages the text of PDF pages is read in: every installed language pack by its name in
// the user's language, several at once. The caller seeds the choice and reads it back when the
// dialog was accepted; at least one language stays chosen.
class RecognitionLanguagesDialog : public QDialog
{
    Q_OBJECT
public:
    RecognitionLanguagesDialog(const QStringList &installed, const QString &choice,
                               QWidget *parent = nullptr);

    // Tesseract's form, the packs joined by "+" in the order listed.
    QString choice() const;

    // The stored choice, or the locale's language and English.
    static QString storedChoice(const SettingsStore &settings);
    // Asks, and stores the choice when the user confirms it.
    static void ask(const SettingsStore &settings, QWidget *parent);

private:
    void updateButtons();

    QListWidget *m_list;
    QDialogButtonBox *m_buttons;
};
