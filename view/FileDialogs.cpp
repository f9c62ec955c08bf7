// SPDX-License-Identifier: MIT
#include "view/FileDialogs.h"

#include "store/SettingsStore.h"
#include "view/FileChooserDialog.h"

#include <QFileInfo>
#include <QPrintDialog>

SystemFileDialogs::SystemFileDialogs(const SettingsStore &settings)
    : m_settings(settings)
{}

std::optional<QString> SystemFileDialogs::askPath(QWidget *parent, bool save)
{
    FileChooserDialog dialog(parent, QString(),
                             save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen,
                             pictureFileFilters(), m_settings.lastFolder());
    return dialog.choose();
}

void SystemFileDialogs::rememberFolderOf(const QString &path)
{
    m_settings.setLastFolder(QFileInfo(path).absolutePath());
}

std::optional<QString> SystemFileDialogs::askSavePath(QWidget *parent)
{
    return askPath(parent, true);
}

std::optional<QString> SystemFileDialogs::askOpenPath(QWidget *parent)
{
    return askPath(parent, false);
}

bool SystemFileDialogs::askPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
