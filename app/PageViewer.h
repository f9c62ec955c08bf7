// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QImage>

class PageDocument;
class QLabel;

// One page as its edits make it, large: fitted to the window, which the user may resize.
class PageViewer : public QDialog
{
    Q_OBJECT
public:
    // number: the page's place in the pages dialog, for the title.
    PageViewer(const PageDocument &document, int index, int number, QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showFitted();

    QImage m_picture;
    QLabel *m_view = nullptr;
};
