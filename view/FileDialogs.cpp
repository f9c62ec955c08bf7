// SPDX-License-Identifier: MIT
#include "view/FileDialogs.h"

#include "store/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>

namespace {
// A name is accepted only in a folder that exists, in either mode: Open would otherwise fail to
// load it (and the picture on screen would be gone), Save would fail to write it.
class PathMustExistDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.constFirst());
            if (!chosen.isDir() && !chosen.dir().exists()) {
                QMessageBox::warning(this, windowTitle(),
                                     QCoreApplication::translate(
                                         "FileDialogs",
                                         "%1\nThe folder does not exist.\nCheck the path and try "
                                         "again.")
                                         .arg(QDir::toNativeSeparators(chosen.filePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};
} // namespace

SystemFileDialogs::SystemFileDialogs(const SettingsStore &settings)
    : m_settings(settings)
{}

std::optional<QString> SystemFileDialogs::askPath(QWidget *parent, bool save)
{
    PathMustExistDialog dialog(parent);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open accepts a name that does not exist yet in a folder that does; loading it then reports
    // the failure.
    dialog.setFileMode(QFileDialog::AnyFile);
    // Matching ignores case, so "*.BMP" also lists "photo.bmp".
    dialog.setNameFilters({QCoreApplication::translate("FileDialogs", "Bitmap Files (*.BMP)"),
                           QCoreApplication::translate("FileDialogs", "JPEG Files (*.JPG)"),
                           QCoreApplication::translate("FileDialogs", "PNG Files (*.PNG)")});
    // Also covered by the overwrite question: a name typed without extension gets ".BMP".
    dialog.setDefaultSuffix(QStringLiteral("BMP"));
    dialog.setDirectory(m_settings.lastFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    m_settings.setLastFolder(QFileInfo(path).absolutePath());
    return path;
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
