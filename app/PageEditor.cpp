// SPDX-License-Identifier: MIT
#include "app/PageEditor.h"

#include "app/CornerCanvas.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {
// The preview is made of a copy this long at most: fast enough for every move of a corner.
constexpr int PreviewSide = 640;
} // namespace

PageEditor::PageEditor(const QImage &source, const PageEdits &edits, QWidget *parent)
    : QDialog(parent)
    , m_source(source)
    , m_opened(edits)
    , m_edits(edits)
{
    setWindowTitle(tr("Edit page"));
    m_smallScale =
        std::min(1.0, double(PreviewSide) / std::max(1, std::max(source.width(), source.height())));
    m_small =
        source.scaled(source.size() * m_smallScale, Qt::KeepAspectRatio, Qt::SmoothTransformation);

    m_canvas = new CornerCanvas(this);
    m_canvas->setPicture(source);
    m_preview = new QLabel(this);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setMinimumSize(260, 260);
    m_preview->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    auto *left = new QPushButton(tr("Turn &left"), this);
    auto *right = new QPushButton(tr("Turn &right"), this);
    m_find = new QPushButton(tr("&Find the sheet"), this);
    m_mode = new QComboBox(this);
    m_mode->addItems({tr("Colour"), tr("Grey"), tr("Black and white")});
    auto *modeLabel = new QLabel(tr("&Mode:"), this);
    modeLabel->setBuddy(m_mode);
    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Apply | QDialogButtonBox::Reset | QDialogButtonBox::Cancel, this);

    auto *tools = new QHBoxLayout;
    tools->addWidget(left);
    tools->addWidget(right);
    tools->addWidget(m_find);
    tools->addStretch();
    tools->addWidget(modeLabel);
    tools->addWidget(m_mode);
    auto *views = new QHBoxLayout;
    views->addWidget(m_canvas, 3);
    views->addWidget(m_preview, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(views, 1);
    layout->addLayout(tools);
    layout->addWidget(buttons);

    connect(m_canvas, &CornerCanvas::cornersChanged, this, [this] {
        m_edits.corners = m_canvas->corners();
        showPreview();
    });
    connect(left, &QPushButton::clicked, this, [this] { turn(3); });
    connect(right, &QPushButton::clicked, this, [this] { turn(1); });
    connect(m_find, &QPushButton::clicked, this, &PageEditor::findSheet);
    connect(&m_finding, &QFutureWatcherBase::finished, this, &PageEditor::showFound);
    connect(m_mode, &QComboBox::activated, this, [this](int mode) {
        m_edits.colourMode = PageEdits::ColourMode(mode);
        showPreview();
    });
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &QDialog::accept);
    connect(buttons->button(QDialogButtonBox::Reset), &QPushButton::clicked, this,
            &PageEditor::reset);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    buttons->button(QDialogButtonBox::Apply)->setDefault(true);
    showEdits();
    resize(960, 600);
}

std::array<QPointF, 4> PageEditor::frame() const
{
    const double w = m_source.width();
    const double h = m_source.height();
    return {QPointF(0, 0), QPointF(w, 0), QPointF(w, h), QPointF(0, h)};
}

PageEdits PageEditor::edits() const
{
    PageEdits edits = m_edits;
    // Corners on the picture's own are no corners: the whole picture.
    if (edits.corners == frame())
        edits.corners.reset();
    return edits;
}

void PageEditor::showEdits()
{
    m_canvas->setCorners(m_edits.corners.value_or(frame()));
    m_mode->setCurrentIndex(int(m_edits.colourMode));
    showPreview();
}

void PageEditor::showPreview()
{
    PageEdits small = m_edits;
    if (small.corners)
        for (QPointF &corner : *small.corners)
            corner *= m_smallScale;
    m_previewPage = PageCleanup::render(m_small, small);
    showPreviewFitted();
}

void PageEditor::showPreviewFitted()
{
    m_preview->setPixmap(QPixmap::fromImage(
        m_previewPage.scaled(m_preview->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PageEditor::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showPreviewFitted();
}

void PageEditor::turn(int quarterTurns)
{
    m_edits.quarterTurns = (m_edits.quarterTurns + quarterTurns) % 4;
    showPreview();
}

void PageEditor::findSheet()
{
    m_find->setEnabled(false);
    // Closed meanwhile, the dialog drops the watcher and the find's copies end with it.
    m_finding.setFuture(QtConcurrent::run([source = m_source, edits = m_edits] {
        return PageCleanup::suggest(source, edits, PageCleanup::Turning::AsBase);
    }));
}

void PageEditor::showFound()
{
    m_find->setEnabled(true);
    const PageEdits found = m_finding.result().edits;
    // The user's turns and mode as they stand now: only the corners and skew were found.
    m_edits.corners = found.corners;
    m_edits.skew = found.skew;
    showEdits();
}

void PageEditor::reset()
{
    m_edits = m_opened;
    showEdits();
}
