// SPDX-License-Identifier: MIT
#include "app/PageRecovery.h"

#include "app/PdfStatusSink.h"
#include "document/JournalRecovery.h"
#include "document/PageDocument.h"
#include "link/StatusText.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

namespace {
void nameUnreadable(const std::vector<LeftJournal::Unreadable> &pages, PdfStatusSink &status)
{
    if (pages.empty())
        return;
    QStringList lines;
    for (const LeftJournal::Unreadable &page : pages)
        lines << QCoreApplication::translate("PageRecovery", "Page %1: %2 (%3)")
                     .arg(page.position)
                     .arg(QDir::toNativeSeparators(page.path), page.reason);
    status.showWarning(QCoreApplication::translate("PageRecovery",
                                                   "%n pages could not be read and were left out.",
                                                   nullptr, int(pages.size())),
                       lines.join(u'\n'));
}
} // namespace

namespace PageRecovery {
Answer ask(QWidget *parent, int pages, const QDateTime &changed)
{
    QMessageBox box(QMessageBox::Question, statusText(StringId::AppTitle),
                    QCoreApplication::translate("PageRecovery",
                                                "%n pages from %1 were not saved. Recover them?",
                                                nullptr, pages)
                        .arg(QLocale().toString(changed.toLocalTime(), QLocale::ShortFormat)),
                    QMessageBox::NoButton, parent);
    QPushButton *recover = box.addButton(QCoreApplication::translate("PageRecovery", "&Recover"),
                                         QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QCoreApplication::translate("PageRecovery", "&Discard"),
                                         QMessageBox::DestructiveRole);
    QPushButton *later = box.addButton(QCoreApplication::translate("PageRecovery", "&Later"),
                                       QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == recover)
        return Answer::Recover;
    return box.clickedButton() == discard ? Answer::Discard : Answer::Later;
}

void offer(PageDocument &document, const QString &base, const Question &question,
           PdfStatusSink &status)
{
    for (LeftJournal &left : JournalRecovery::find(base)) {
        const int pages = int(left.pages.size() + left.unreadable.size());
        switch (question(pages, left.changed)) {
        case Answer::Recover:
            nameUnreadable(JournalRecovery::setAsideUnreadable(left), status);
            document.recover(std::move(left));
            break;
        case Answer::Discard:
            JournalRecovery::discard(std::move(left));
            break;
        case Answer::Later:
            break; // its lock goes with it, and it stays for the next start
        }
    }
}
} // namespace PageRecovery
