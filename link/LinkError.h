// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <string_view>

// Every failure the user sees is one of these numbered messages, shown by ShowLinkError.
enum class LinkError : int
{
    NotUsbSetting = 1,
    TransmitFailed = 2,
    ReceiveFailed = 3,
    CaptureFailed = 4,
    CommunicationFailed = 5,
    Disconnected = 6,
    OutOfMemory = 7,
    LoadFailed = 8,
    SaveFailed = 9,
    RemoteCreateFailed = 10,
    InitializeTimeout = 11,
    PdfSaveFailed = 12,
    PageAddFailed = 13,
};

// The message-box style of a row. All rows today use OK with the exclamation icon.
enum class MessageStyle
{
    OkExclamation
};

struct LinkErrorRow
{
    int code;
    MessageStyle style;
    std::string_view text;
};

// The row of a code, or nothing for a code that is not in the table.
std::optional<LinkErrorRow> findLinkError(int code);
// The row's text in the user's language.
QString linkErrorText(const LinkErrorRow &row);
// The details of a failed save: which file, and why, as far as the system said.
QString saveFailureDetails(const QString &path, const QString &reason);
