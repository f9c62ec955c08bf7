// SPDX-License-Identifier: MIT
#pragma once

#include "document/PageCleanup.h"

#include <QDialog>
#include <QFutureWatcher>
#include <QImage>

class CornerCanvas;
class QComboBox;
class QLabel;
class QPushButton;

// Edits one page: the sheet's corners dragged on its source picture, the page turned left or
// right, its colour mode, the corners found again (off the user-interface thread, the dialog
// usable meanwhile); the page as the edits make it is previewed beside at once. Reset goes back to
// the edits the page had when the editor opened. The caller applies edits() when the dialog is
// accepted (Apply).
class PageEditor : public QDialog
{
    Q_OBJECT
public:
    PageEditor(const QImage &source, const PageEdits &edits, QWidget *parent = nullptr);

    // The edits as the user left them, the skew as it was: PageCleanup::completed measures it
    // again, off the user-interface thread, when the corners moved.
    PageEdits edits() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class PageEditorFixture;

    void showEdits();
    void showPreview();
    void showPreviewFitted();
    void turn(int quarterTurns);
    void findSheet();
    void showFound();
    void reset();
    std::array<QPointF, 4> frame() const;

    QImage m_source;
    // The source made small enough to preview at every move of a corner.
    QImage m_small;
    double m_smallScale = 1;
    PageEdits m_opened;
    PageEdits m_edits;
    CornerCanvas *m_canvas = nullptr;
    QLabel *m_preview = nullptr;
    QImage m_previewPage;
    QComboBox *m_mode = nullptr;
    QPushButton *m_find = nullptr;
    QFutureWatcher<PageCleanup::Suggestion> m_finding;
};
