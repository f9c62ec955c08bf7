// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// The single document. Pictures live in the view; the document holds no data and is never
// modified, so closing the window never asks to save.
class CQuillon2Doc : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
};
