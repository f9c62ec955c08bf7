// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The application's style for menus, except that a greyed item can be highlighted, so that the
// pointer or the arrow keys on it show its prompt in the status bar as on an enabled one.
class GreyedPromptStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override;
};
