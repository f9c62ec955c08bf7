// SPDX-License-Identifier: MIT
#include "view/FileDialogs.h"

#include <QFileDialog>

namespace {
std::optional<QString> runDialog(QWidget *parent, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    // Open accepts a name that does not exist yet; loading it then reports the failure.
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
