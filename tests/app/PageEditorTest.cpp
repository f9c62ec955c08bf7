// SPDX-License-Identifier: MIT
#include "app/PageEditor.h"

#include "app/CornerCanvas.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// Reaches the editor's canvas and where it draws a corner.
class PageEditorFixture : public ::testing::Test
{
protected:
    PageEditorFixture()
    {
        picture.fill(Qt::darkGray);
        opened.corners = {
            {QPointF(100, 60), QPointF(500, 80), QPointF(480, 420), QPointF(90, 400)}};
        editor = std::make_unique<PageEditor>(picture, opened);
        editor->show();
    }

    CornerCanvas &canvas() { return *editor->m_canvas; }
    QPoint onScreen(const QPointF &picturePoint)
    {
        return canvas().toWidget(picturePoint).toPoint();
    }
    void drag(const QPointF &from, const QPointF &to)
    {
        QTest::mousePress(&canvas(), Qt::LeftButton, {}, onScreen(from));
        QTest::mouseMove(&canvas(), onScreen(to));
        QTest::mouseRelease(&canvas(), Qt::LeftButton, {}, onScreen(to));
    }
    QPushButton &button(QDialogButtonBox::StandardButton which)
    {
        return *editor->findChild<QDialogButtonBox *>()->button(which);
    }

    QImage picture{600, 480, QImage::Format_RGB32};
    PageEdits opened;
    std::unique_ptr<PageEditor> editor;
};

namespace {
TEST_F(PageEditorFixture, DraggingAHandleMovesItsCornerAndResetPutsItBack)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    drag(opened.corners->at(2), QPointF(540, 450));
    const PageEdits moved = editor->edits();
    ASSERT_TRUE(moved.corners);
    // Within the rounding of a pixel on the screen, fitted smaller than the picture.
    EXPECT_NEAR(moved.corners->at(2).x(), 540, 2);
    EXPECT_NEAR(moved.corners->at(2).y(), 450, 2);
    EXPECT_EQ(moved.corners->at(0), opened.corners->at(0));

    button(QDialogButtonBox::Reset).click();
    EXPECT_EQ(editor->edits().corners, opened.corners);
}

TEST_F(PageEditorFixture, CornersDraggedOntoThePicturesOwnMeanTheWholePicture)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    const std::array<QPointF, 4> frame{QPointF(0, 0), QPointF(600, 0), QPointF(600, 480),
                                       QPointF(0, 480)};
    // Dragged beyond the picture, a corner stops at its edge.
    const std::array<QPointF, 4> beyond{QPointF(-50, -50), QPointF(700, -50), QPointF(700, 600),
                                        QPointF(-50, 600)};
    for (std::size_t i = 0; i < 4; ++i)
        drag(opened.corners->at(i), beyond[i]);
    ASSERT_EQ(canvas().corners(), frame);
    EXPECT_FALSE(editor->edits().corners);
}
} // namespace
