// SPDX-License-Identifier: MIT
#include "app/MessagePresenters.h"

#include <QMessageBox>

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
