// SPDX-License-Identifier: MIT
#pragma once

class QPainter;
class QRectF;

// The product's emblem: a document camera seen from the side, its head over a sheet of paper
// on the base, lit from the lens. Drawn into a square box; the application icon and the splash
// share it so that they look alike.
void paintDocumentCamera(QPainter &painter, const QRectF &box);
