// SPDX-License-Identifier: MIT
#include "view/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

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
                                     tr("%1\nThe folder does not exist.\nCheck the path and try "
                                        "again.")
                                         .arg(QDir::toNativeSeparators(chosen.filePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

std::optional<QString> runDialog(QWidget *parent, QFileDialog::AcceptMode mode)
{
    PathMustExistDialog dialog(parent);
    dialog.setAcceptMode(mode);
    // Open accepts a name that does not exist yet in a folder that does; loading it then reports
    // the failure.
    dialog.setFileMode(QFileDialog::AnyFile);
    // Matching ignores case, so "*.BMP" also lists "photo.bmp".
    dialog.setNameFilters(
        {QStringLiteral("Bitmap Files (*.BMP)"), QStringLiteral("JPEG Files (*.JPG)")});
    // Also covered by the overwrite question: a name typed without extension gets ".BMP".
    dialog.setDefaultSuffix(QStringLiteral("BMP"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
} // namespace

std::optional<QString> SystemFileDialogs::askSavePath(QWidget *parent)
{
    return runDialog(parent, QFileDialog::AcceptSave);
}

std::optional<QString> SystemFileDialogs::askOpenPath(QWidget *parent)
{
    return runDialog(parent, QFileDialog::AcceptOpen);
}
