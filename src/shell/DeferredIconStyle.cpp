#include "shell/DeferredIconStyle.h"

#include "shell/Icons.h"

#include <QPointer>
#include <QStyleOption>

DeferredIconStyle::DeferredIconStyle(QStyle *base) : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Read later, the icon keeps what the option said now (the bar's direction picks the
    // arrow); the widget, which the style does not consult for these icons, may be gone by
    // then, so neither it nor the option's pointer to it is kept.
    const QPointer<QStyle> base(baseStyle());
    QStyleOption said = option ? *option : QStyleOption();
    said.styleObject = nullptr;
    const bool hasOption = option != nullptr;
    return deferredIcon([base, said, hasOption, icon] {
        return base ? base->standardIcon(icon, hasOption ? &said : nullptr) : QIcon();
    });
}
