// SPDX-License-Identifier: MIT
#include "app/PagesDialog.h"

#include "app/PageCleaning.h"
#include "app/PageOrderModel.h"
#include "app/PageViewer.h"
#include "document/PageDocument.h"
#include "store/SettingsStore.h"
#include "tests/TestSupport.h"

#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// Reaches the dialog's list of pages.
class PagesDialogFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int n = 1; n <= 4; ++n) {
            QImage picture(100 + n, 80, QImage::Format_RGB32);
            picture.fill(Qt::white);
            ids.push_back(*document.add(picture));
        }
        dialog = std::make_unique<PagesDialog>(document, cleaning, settings);
    }

    QListView &list() { return *dialog->m_list; }
    PageOrderModel &model() { return *dialog->m_model; }
    QModelIndex row(int r) { return model().index(r); }

    PageDocument document;
    PageCleaning cleaning{document};
    SettingsStore settings;
    std::vector<PageId> ids;
    std::unique_ptr<PagesDialog> dialog;
};

namespace {
// A drag hands the dragged pages to a drop, which puts them there; the view then removes them
// where they were, as Qt's views do after a move.
TEST_F(PagesDialogFixture, DraggingAPageMovesItBeforeThePageItIsDroppedOn)
{
    std::unique_ptr<QMimeData> dragged(model().mimeData({row(3)}));
    ASSERT_TRUE(model().dropMimeData(dragged.get(), Qt::MoveAction, -1, -1, row(1)));
    ASSERT_TRUE(model().removeRows(4, 1));
    EXPECT_EQ(dialog->order(), (std::vector<PageId>{ids[0], ids[3], ids[1], ids[2]}));
    EXPECT_EQ(model().data(row(1), Qt::DisplayRole).toString(), QStringLiteral("2"));
    EXPECT_EQ(list().currentIndex().row(), 1) << "the dragged page stays chosen";
    EXPECT_EQ(document.indexOf(ids[3]), 3) << "the document waits for the dialog's OK";
}

TEST_F(PagesDialogFixture, DeleteRemovesTheSelectedPages)
{
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    list().setFocus();
    list().selectionModel()->select(row(1), QItemSelectionModel::ClearAndSelect);
    list().selectionModel()->select(row(2), QItemSelectionModel::Select);
    QTest::keyClick(&list(), Qt::Key_Delete);
    EXPECT_EQ(dialog->order(), (std::vector<PageId>{ids[0], ids[3]}));
}

TEST_F(PagesDialogFixture, ADoubleClickOpensThePage)
{
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    list().doItemsLayout();
    QSize opened;
    answerModalDialog([&](QDialog &viewer) {
        opened = static_cast<PageViewer &>(viewer).picture().size();
        viewer.reject();
    });
    const QRect place = list().visualRect(row(2));
    // A double click comes after the first click's press and release, as from a mouse.
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(opened, QSize(103, 80));
}
} // namespace
