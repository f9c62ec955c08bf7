// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageList.h"

#include <QDialog>

class QListWidget;
class QPushButton;

// Shows the pages of the PDF as small pictures in order and lets the user move and remove them.
// It works on a copy; the caller takes pages() when the dialog is accepted.
class PagesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PagesDialog(const PageList &pages, QWidget *parent = nullptr);

    const PageList &pages() const { return m_pages; }

private:
    void fill(int current);
    void moveCurrent(int step);
    void removeCurrent();
    void updateButtons();

    PageList m_pages;
    QListWidget *m_list = nullptr;
    QPushButton *m_earlier = nullptr;
    QPushButton *m_later = nullptr;
    QPushButton *m_remove = nullptr;
};
