// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QPrinter;
class QWidget;
class SettingsStore;

// The dialogs of Save, Open and Print. The program shows the system's dialogs; tests answer with
// a path or with a cancel, and print where they choose.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> askSavePath(QWidget *parent) = 0;
    virtual std::optional<QString> askOpenPath(QWidget *parent) = 0;
    // A picture was written to or read from path: the next dialog starts in its folder. A path
    // that failed is not remembered, so that a folder nothing could be done in (/proc, a folder
    // that went away) is not where every later dialog opens.
    virtual void rememberFolderOf(const QString &path) = 0;
    // Sets up the printer; false when the user cancelled.
    virtual bool askPrinter(QPrinter &printer, QWidget *parent) = 0;
};

// The real dialogs: filters "Bitmap Files (*.BMP)", "JPEG Files (*.JPG)" and "PNG Files
// (*.PNG)", of any case; a name typed without extension gets the chosen filter's; confirmation
// before an existing file is replaced. Save and Open start in the folder last used by either,
// which the settings keep across runs.
class SystemFileDialogs : public FileDialogs
{
public:
    explicit SystemFileDialogs(const SettingsStore &settings);

    std::optional<QString> askSavePath(QWidget *parent) override;
    std::optional<QString> askOpenPath(QWidget *parent) override;
    void rememberFolderOf(const QString &path) override;
    bool askPrinter(QPrinter &printer, QWidget *parent) override;

private:
    std::optional<QString> askPath(QWidget *parent, bool save);

    const SettingsStore &m_settings;
};
