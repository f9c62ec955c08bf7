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
    // Sets up the printer; false when the user cancelled.
    virtual bool askPrinter(QPrinter &printer, QWidget *parent) = 0;
};

// The real dialogs: filters "Bitmap Files (*.BMP)", "JPEG Files (*.JPG)" and "PNG Files
// (*.PNG)", default extension "BMP", confirmation before an existing file is replaced. Save and
// Open start in the folder last chosen in either, which the settings keep across runs.
class SystemFileDialogs : public FileDialogs
{
public:
    explicit SystemFileDialogs(const SettingsStore &settings);

    std::optional<QString> askSavePath(QWidget *parent) override;
    std::optional<QString> askOpenPath(QWidget *parent) override;
    bool askPrinter(QPrinter &printer, QWidget *parent) override;

private:
    std::optional<QString> askPath(QWidget *parent, bool save);

    const SettingsStore &m_settings;
};
