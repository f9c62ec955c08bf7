// SPDX-License-Identifier: MIT
#include "link/LinkError.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <array>

namespace {
// The texts are shown exactly as the users of the earlier releases know them, spelling included;
// other languages translate them (context "LinkError").
constexpr std::array<LinkErrorRow, 13> LinkErrorTable{{
    {1, MessageStyle::OkExclamation,
     QT_TRANSLATE_NOOP("LinkError", "The communication setting is not for USB.")},
    {2, MessageStyle::OkExclamation, QT_TRANSLATE_NOOP("LinkError", "USB: Failed to transmit.")},
    {3, MessageStyle::OkExclamation, QT_TRANSLATE_NOOP("LinkError", "USB: Failed to receive.")},
    {4, MessageStyle::OkExclamation,
     QT_TRANSLATE_NOOP("LinkError", "USB: FAiled to capture image.")},
    {5, MessageStyle::OkExclamation, QT_TRANSLATE_NOOP("LinkError", "USB: Failed to communicate.")},
    {6, MessageStyle::OkExclamation,
     QT_TRANSLATE_NOOP("LinkError", "USB: Disconnected from main unit.")},
    {7, MessageStyle::OkExclamation,
     QT_TRANSLATE_NOOP("LinkError", "Memory size insuffient for allocation.")},
    {8, MessageStyle::OkExclamation, QT_TRANSLATE_NOOP("LinkError", "Failed to load the image!")},
    {9, MessageStyle::OkExclamation, QT_TRANSLATE_NOOP("LinkError", "Failed to save the image.")},
    {10, MessageStyle::OkExclamation,
     QT_TRANSLATE_NOOP("LinkError", "Failed to create the remote control.")},
    {11, MessageStyle::OkExclamation,
     QT_TRANSLATE_NOOP("LinkError", "Time out (The main unit is now initializing.)")},
    // Ours: a PDF is not an image, and its own message says so.
    {12, MessageStyle::OkExclamation, QT_TRANSLATE_NOOP("LinkError", "Failed to save the PDF.")},
    {13, MessageStyle::OkExclamation, QT_TRANSLATE_NOOP("LinkError", "Failed to add the page.")},
}};
} // namespace

std::optional<LinkErrorRow> findLinkError(int code)
{
    auto row = std::find_if(LinkErrorTable.begin(), LinkErrorTable.end(),
                            [code](const LinkErrorRow &r) { return r.code == code; });
    if (row == LinkErrorTable.end())
        return std::nullopt;
    return *row;
}

QString linkErrorText(const LinkErrorRow &row)
{
    return QCoreApplication::translate("LinkError", row.text.data());
}

QString saveFailureDetails(const QString &path, const QString &reason)
{
    QString details =
        QCoreApplication::translate("LinkError", "File: %1").arg(QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        details += u'\n' + QCoreApplication::translate("LinkError", "Reason: %1").arg(reason);
    return details;
}
