#pragma once

#include <QProxyStyle>

// The application's style, with the icons of the toolbar's and the menu bar's extension
// buttons (the arrow shown when a bar is too narrow for its items) read when first drawn.
// The style reads them from picture files as each bar is made, and Qt's first picture file
// loads every picture-format plugin installed: about a millisecond before the main window
// can show, for buttons hidden at the window's size. Everything else is the style's own.
class DeferredIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Over the style the application would have had (QApplication's -style option and
    // QT_STYLE_OVERRIDE included), or over `base` when one is given; owns it.
    explicit DeferredIconStyle(QStyle *base = nullptr);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};
