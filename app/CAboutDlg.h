// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;

// The About box: icon, product title, version and copyright. Version and copyright come from
// the version block of the file found under the program's name, so they always match that file;
// without such a file the dialog keeps its own texts.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr char ProgramFileName[] = "QuillonU";

    // versionFile: where to read the version block; by default the file named QuillonU in the
    // program's directory, else on the search path.
    explicit CAboutDlg(QWidget *parent = nullptr, const QString &versionFile = locateProgramFile());

    static QString locateProgramFile();

    QString versionText() const;
    QString copyrightText() const;

private:
    QLabel *m_version;
    QLabel *m_copyright;
};
