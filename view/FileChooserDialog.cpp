// SPDX-License-Identifier: MIT
#include "view/FileChooserDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include <array>

namespace {
// The JPEG entry also lists ".jpeg", the other spelling many cameras and programs write.
constexpr std::array<FileFilter, 3> PictureFilters{{
    {QT_TRANSLATE_NOOP("FileDialogs", "Bitmap Files (*.BMP)"), "*.[Bb][Mm][Pp]", "BMP"},
    {QT_TRANSLATE_NOOP("FileDialogs", "JPEG Files (*.JPG)"), "*.[Jj][Pp][Gg] *.[Jj][Pp][Ee][Gg]",
     "JPG"},
    {QT_TRANSLATE_NOOP("FileDialogs", "PNG Files (*.PNG)"), "*.[Pp][Nn][Gg]", "PNG"},
}};
constexpr std::array<FileFilter, 1> PdfFilters{{
    {QT_TRANSLATE_NOOP("FileDialogs", "PDF Files (*.pdf)"), "*.[Pp][Dd][Ff]", "pdf"},
}};

QString translated(const char *text)
{
    return QCoreApplication::translate("FileDialogs", text);
}
} // namespace

std::span<const FileFilter> pictureFileFilters()
{
    return PictureFilters;
}

std::span<const FileFilter> pdfFileFilters()
{
    return PdfFilters;
}

QString dialogNameFilter(const FileFilter &filter)
{
    return QStringLiteral("%1 (%2)").arg(translated(filter.text), QLatin1String(filter.patterns));
}

QMimeType NameOnlyIconProvider::mimeType(const QFileInfo &info) const
{
    return m_mimeTypes.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
}

QIcon NameOnlyIconProvider::icon(const QFileInfo &info) const
{
    const QIcon themed = QIcon::fromTheme(mimeType(info).iconName());
    if (!themed.isNull())
        return themed;
    return QFileIconProvider::icon(info.isDir() ? Folder : File);
}

QString NameOnlyIconProvider::type(const QFileInfo &info) const
{
    // Folders, drives and links are told apart without opening anything.
    if (!info.isFile())
        return QFileIconProvider::type(info);
    const QMimeType type = mimeType(info);
    return type.comment().isEmpty() ? type.name() : type.comment();
}

FileChooserDialog::FileChooserDialog(QWidget *parent, const QString &title, AcceptMode mode,
                                     std::span<const FileFilter> filters, const QString &folder)
    : QFileDialog(parent, title)
    , m_filters(filters)
{
    setAcceptMode(mode);
    // Open accepts a name that does not exist yet in a folder that does; loading it then reports
    // the failure.
    setFileMode(QFileDialog::AnyFile);
    setOption(QFileDialog::HideNameFilterDetails);
    QStringList names;
    for (const FileFilter &filter : filters)
        names << dialogNameFilter(filter);
    setNameFilters(names);
    // Also covered by the overwrite question.
    setDefaultSuffix(chosenSuffix());
    setDirectory(folder);
}

std::optional<QString> FileChooserDialog::choose()
{
    if (exec() != QDialog::Accepted || selectedFiles().isEmpty())
        return std::nullopt;
    return selectedFiles().constFirst();
}

QString FileChooserDialog::chosenSuffix() const
{
    // Qt's own dialog may answer with the shown text alone.
    const QString selected = selectedNameFilter();
    for (const FileFilter &filter : m_filters) {
        if (selected == dialogNameFilter(filter) || selected == translated(filter.text))
            return QLatin1String(filter.suffix);
    }
    return m_filters.empty() ? QString() : QLatin1String(m_filters.front().suffix);
}

void FileChooserDialog::setVisible(bool visible)
{
    QFileDialog::setVisible(visible);
    // Qt makes its own dialog's folder model only when no system dialog shows; the folder's
    // entries reach the model from the event loop, after this.
    if (visible && iconProvider() && iconProvider() != &m_iconProvider)
        setIconProvider(&m_iconProvider);
}

bool FileChooserDialog::confirmReplacing(const QString &path)
{
    return QMessageBox::warning(this, windowTitle(),
                                QCoreApplication::translate(
                                    "FileDialogs", "%1 already exists.\nDo you want to replace it?")
                                    .arg(QDir::toNativeSeparators(path)),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

void FileChooserDialog::accept()
{
    // The portal tells the chosen type only with its answer, so the suffix follows it here.
    const QString suffix = chosenSuffix();
    setDefaultSuffix(QString());
    const QStringList typed = selectedFiles();
    setDefaultSuffix(suffix);
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
        // Qt's own dialog asks about the suffixed name itself; a system dialog (it has no
        // folder model of Qt's) asked about the name as typed.
        const bool suffixAdded = typed != files;
        if (acceptMode() == AcceptSave && suffixAdded && !iconProvider() && chosen.exists() &&
            !confirmReplacing(chosen.filePath()))
            return;
    }
    QFileDialog::accept();
}
