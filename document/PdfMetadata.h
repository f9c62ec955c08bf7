// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a PDF says about itself, the same in its information dictionary and in its XMP metadata
// (where archives read it), with the claim that it is an archival PDF (PDF/A-2, level B).
struct PdfDocumentInfo
{
    QString title = {};
    // The program that made the file.
    QString creator = {};
    // In the user's time zone, which both records keep.
    QDateTime created = {};
    // 16 bytes that name the document; the file's identifier.
    QByteArray id = {};
};

namespace PdfMetadata {
// The contents of the information dictionary, without its brackets.
QByteArray infoDictionary(const PdfDocumentInfo &info);
// The XMP packet, UTF-8.
QByteArray xmpPacket(const PdfDocumentInfo &info);
// A PDF text string: UTF-16 with its byte order mark, in hex, so any character is kept.
QByteArray textString(const QString &text);
} // namespace PdfMetadata
