// SPDX-License-Identifier: MIT
#include "app/CAboutDlg.h"

#include "app/VersionBlock.h"
#include "settings/DialogUnits.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>

CAboutDlg::CAboutDlg(QWidget *parent, const QString &versionFile)
    : QDialog(parent)
    , m_version(new QLabel(tr("Version 1.0b"), this))
    , m_copyright(new QLabel(tr("Copyright (C) 2026"), this))
{
    setWindowTitle(tr("About Quillon for USB"));
    const DialogUnits units(fontMetrics());

    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/images/app-icon-32.png")));
    icon->setGeometry(units.rect(10, 20, 20, 20));
    auto *title = new QLabel(tr("Quillon™ for USB"), this);
    title->setGeometry(units.rect(39, 18, 119, 8));
    m_copyright->setObjectName(QStringLiteral("copyright"));
    m_copyright->setGeometry(units.rect(39, 51, 181, 8));
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(units.rect(178, 7, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_version->setObjectName(QStringLiteral("version"));
    m_version->setGeometry(units.rect(39, 31, 119, 8));
    for (QLabel *label : {title, m_version, m_copyright})
        label->setTextFormat(Qt::PlainText);
    setFixedSize(units.size(235, 79));

    // Every failure is silent: the dialog then shows its own texts.
    const auto strings =
        versionFile.isEmpty() ? std::nullopt : VersionBlock::readFromFile(versionFile);
    if (!strings)
        return;
    const QString base =
        QStringLiteral("StringFileInfo\\%1\\").arg(QLatin1String(VersionBlock::Translation));
    if (auto version = VersionBlock::query(*strings, base + QStringLiteral("ProductVersion")))
        m_version->setText(tr("Version  %1").arg(*version));
    if (auto copyright = VersionBlock::query(*strings, base + QStringLiteral("LegalCopyright")))
        m_copyright->setText(*copyright);
}

QString CAboutDlg::locateProgramFile()
{
    const QString besideUs =
        QCoreApplication::applicationDirPath() + u'/' + QLatin1String(ProgramFileName);
    if (QFileInfo::exists(besideUs))
        return besideUs;
    return QStandardPaths::findExecutable(QLatin1String(ProgramFileName));
}

QString CAboutDlg::versionText() const
{
    return m_version->text();
}

QString CAboutDlg::copyrightText() const
{
    return m_copyright->text();
}
