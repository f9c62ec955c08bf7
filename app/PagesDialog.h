// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageRecord.h"

#include <QDialog>

#include <vector>

class PageCleaning;
class PageDocument;
class PageOrderModel;
class SettingsStore;
class QListView;
class QPushButton;

// Shows the pages of the PDF as thumbnails in order and lets the user move them (by dragging or
// with the buttons), remove them (also with Delete), open one at a double click and edit one
// (its corners, turn and colour mode). It works on a copy of the order, which the caller applies
// when the dialog is accepted; an edit is made off the user-interface thread after the editor's
// Apply and applied to the page once made, by the cleaning, which outlives the dialog. Below the
// pages, how pages are made as they are added (cleaned or not, a book's spread split in two, the
// colour mode) is set; those settings are kept at once.
class PagesDialog : public QDialog
{
    Q_OBJECT
public:
    PagesDialog(PageDocument &document, PageCleaning &cleaning, const SettingsStore &settings,
                QWidget *parent = nullptr);

    // The pages in the order the user left them, without those removed.
    const std::vector<PageId> &order() const;

private:
    friend class PagesDialogFixture;

    int currentRow() const;
    void moveCurrent(int step);
    void removeSelected();
    void openPage(int row);
    void editCurrent();
    void updateButtons();
    // Once the view has removed dragged pages where they were: they stay chosen where they went.
    void chooseDroppedPages();
    QLayout *newPageSettings();

    PageDocument &m_document;
    PageCleaning &m_cleaning;
    const SettingsStore &m_settings;
    PageOrderModel *m_model = nullptr;
    QListView *m_list = nullptr;
    QPushButton *m_earlier = nullptr;
    QPushButton *m_later = nullptr;
    QPushButton *m_remove = nullptr;
    // Pages dropped whose old rows the view has yet to remove; the selection says which those
    // are, so it must not change before.
    std::vector<PageId> m_dropped;
    QPushButton *m_edit = nullptr;
};
