// SPDX-License-Identifier: MIT
#include "app/MessagePresenters.h"

#include <QMessageBox>

#include <cstdio>

namespace {
// The result a message box with only an OK button gives.
constexpr int OkResult = 1;
} // namespace

int MessageBoxPresenter::showWarning(int, const QString &caption, const QString &text)
{
    QMessageBox::warning(m_parent, caption, text);
    return OkResult;
}

int StandardErrorPresenter::showWarning(int code, const QString &, const QString &text)
{
    m_codes.append(code);
    std::fprintf(stderr, "%s\n", qPrintable(text.trimmed()));
    return OkResult;
}
