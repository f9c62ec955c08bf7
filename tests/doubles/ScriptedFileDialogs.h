// SPDX-License-Identifier: MIT
#pragma once

#include "view/FileDialogs.h"

#include <QPrinter>

#include <optional>
#include <vector>

// Answers the file and print dialogs from the test.
class ScriptedFileDialogs : public FileDialogs
{
public:
    std::optional<QString> answer;
    int saveAsked = 0;
    int openAsked = 0;
    std::vector<QString> remembered;

    std::optional<QString> askSavePath(QWidget *) override
    {
        ++saveAsked;
        return answer;
    }
    std::optional<QString> askOpenPath(QWidget *) override
    {
        ++openAsked;
        return answer;
    }

    void rememberFolderOf(const QString &path) override { remembered.push_back(path); }

    // Print: to this PDF file, or a cancel when there is none.
    std::optional<QString> printTo;
    bool askPrinter(QPrinter &printer, QWidget *) override
    {
        if (!printTo)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*printTo);
        return true;
    }
};
