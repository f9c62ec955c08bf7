// SPDX-License-Identifier: MIT
#include "app/MessagePresenters.h"

#include <QMessageBox>

#include <cstdio>

namespace {
// The result a message box with only an OK button gives.
constexpr int OkResult = 1;
} // namespace

int MessageBoxPresenter::showWarning(int, const QString &caption, const QString &text,
                                     const QString &details)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, m_parent);
    box.setDetailedText(details);
    box.exec();
    return OkResult;
}

int StandardErrorPresenter::showWarning(int code, const QString &, const QString &text,
                                        const QString &details)
{
    m_codes.append(code);
    std::fprintf(stderr, "%s\n", qPrintable(text.trimmed()));
    if (!details.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(details));
    return OkResult;
}
