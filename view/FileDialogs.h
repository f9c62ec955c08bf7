// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

class QWidget;

// The file dialogs of Save and Open. The program shows the system's dialogs; tests answer with a
// path or with a cancel.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> askSavePath(QWidget *parent) = 0;
    virtual std::optional<QString> askOpenPath(QWidget *parent) = 0;
};

// The real dialogs: filters "Bitmap Files (*.BMP)" and "JPEG Files (*.JPG)", default extension
// "BMP", confirmation before an existing file is replaced.
class SystemFileDialogs : public FileDialogs
{
public:
    std::optional<QString> askSavePath(QWidget *parent) override;
    std::optional<QString> askOpenPath(QWidget *parent) override;
};
