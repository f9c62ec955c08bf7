// SPDX-License-Identifier: MIT
#include "view/FileChooserDialog.h"

#include "tests/TestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct ListedCase
{
    std::size_t filter;
    const char *name;
    bool listed;
};

class FilterPatterns : public ::testing::TestWithParam<ListedCase>
{};

// GTK's dialog and the desktop portal match a pattern case by case: "*.BMP" hid "photo.bmp".
TEST_P(FilterPatterns, ListEveryCaseOfTheirExtensionsWhenMatchedCaseByCase)
{
    const FileFilter &filter = pictureFileFilters()[GetParam().filter];
    bool listed = false;
    for (const QString &pattern :
         QString::fromLatin1(filter.patterns).split(u' ', Qt::SkipEmptyParts)) {
        listed = listed || QRegularExpression::fromWildcard(pattern, Qt::CaseSensitive)
                               .match(QLatin1String(GetParam().name))
                               .hasMatch();
    }
    EXPECT_EQ(listed, GetParam().listed);
}

INSTANTIATE_TEST_SUITE_P(
    Names, FilterPatterns,
    ::testing::Values(ListedCase{0, "lower.bmp", true}, ListedCase{0, "UPPER.BMP", true},
                      ListedCase{0, "Mixed.Bmp", true}, ListedCase{0, "photo.jpg", false},
                      ListedCase{1, "lower.jpg", true}, ListedCase{1, "UPPER.JPG", true},
                      ListedCase{1, "other.jpeg", true}, ListedCase{1, "OTHER.JPEG", true},
                      ListedCase{1, "photo.png", false}, ListedCase{2, "lower.png", true},
                      ListedCase{2, "UPPER.PNG", true}),
    [](const auto &info) { return paramName(info.param.name, info.index); });

// Qt's own dialog: the type list reads as it always did, a bare name gets the chosen type's
// suffix (it was saved as BMP under "JPEG Files"), and the folder's list is drawn from names
// alone (reading /proc/kmsg to guess its type blocked the program for good).
TEST(FileChooserDialog, ShowsItsTextsSuffixesByTheChosenTypeAndReadsNoFileToListIt)
{
    QTemporaryDir dir;
    QFile png(dir.filePath(QStringLiteral("noextension")));
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.write("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    png.close();

    FileChooserDialog dialog(nullptr, QString(), QFileDialog::AcceptSave, pictureFileFilters(),
                             dir.path());
    QStringList shown;
    QString listedType;
    answerModalDialog([&](QDialog &) {
        const auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; types && i < types->count(); ++i)
            shown << types->itemText(i);
        if (const QAbstractFileIconProvider *icons = dialog.iconProvider())
            listedType = icons->type(QFileInfo(png.fileName()));
        dialog.selectNameFilter(dialog.nameFilters().at(1));
        dialog.selectFile(QStringLiteral("scan"));
        dialog.accept();
    });
    const std::optional<QString> chosen = dialog.choose();

    EXPECT_EQ(shown, (QStringList{QStringLiteral("Bitmap Files (*.BMP)"),
                                  QStringLiteral("JPEG Files (*.JPG)"),
                                  QStringLiteral("PNG Files (*.PNG)")}));
    EXPECT_EQ(chosen.value_or(QString()).toStdString(), dir.filePath("scan.JPG").toStdString());
    EXPECT_FALSE(listedType.isEmpty());
    EXPECT_NE(listedType.toStdString(),
              QMimeDatabase().mimeTypeForName(QStringLiteral("image/png")).comment().toStdString());
}
} // namespace
