// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

#include <optional>
#include <span>

// One entry of a file dialog's type list.
struct FileFilter
{
    // What the list shows, in English; translated in the context "FileDialogs".
    const char *text;
    // What it lists: GTK's dialog and the desktop portal match patterns case by case, so each
    // spells out every case of its extensions.
    const char *patterns;
    // Added to a name typed without an extension while this entry is chosen.
    const char *suffix;
};

// Bitmap, JPEG and PNG, in that order.
std::span<const FileFilter> pictureFileFilters();
std::span<const FileFilter> pdfFileFilters();

// The text a dialog is given for a filter: the shown text followed by the patterns in
// parentheses. Every dialog lists what the last parentheses hold; Qt's own, told to hide them,
// shows the rest, GTK's shows the words before the first parenthesis, the portal all but the
// last parentheses, so the shown text stays the one the program has always had.
QString dialogNameFilter(const FileFilter &filter);

// Icons and type names from a file's name alone. Qt's own provider reads the start of every
// file of a folder on the user-interface thread to guess its type, and reading some files
// (/proc/kmsg) waits for ever.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    QIcon icon(const QFileInfo &info) const override;
    QString type(const QFileInfo &info) const override;
    using QFileIconProvider::icon;

private:
    QMimeType mimeType(const QFileInfo &info) const;

    QMimeDatabase m_mimeTypes;
};

// The program's file dialog, whichever draws it (Qt, GTK, the desktop portal): it starts in a
// given folder, accepts a name only in a folder that exists (Open would otherwise fail to load
// it and the picture on screen would be gone, Save would fail to write it), gives a name typed
// without extension the chosen type's suffix, and asks before replacing a file under that
// suffixed name when the system's dialog only asked about the name as typed.
class FileChooserDialog : public QFileDialog
{
public:
    FileChooserDialog(QWidget *parent, const QString &title, AcceptMode mode,
                      std::span<const FileFilter> filters, const QString &folder);

    // The chosen path, or nothing when the user cancelled.
    std::optional<QString> choose();

    void accept() override;
    void setVisible(bool visible) override;

private:
    // The chosen filter's suffix, or the first one's.
    QString chosenSuffix() const;
    bool confirmReplacing(const QString &path);

    std::span<const FileFilter> m_filters;
    NameOnlyIconProvider m_iconProvider;
};
