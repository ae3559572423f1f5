#include "shell/DialogLayout.h"

#include "shell/Fonts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>

void shapeDialog(QDialog &dialog, const QString &caption, const QSize &client, const QColor &back)
{
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
    dialog.setFixedSize(client);
    dialog.setFont(dialogFont());
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, back);
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
}

QLabel *placeLabel(QWidget &parent, const QString &name, const QString &text, const QRect &geometry,
                   const QFont &font)
{
    auto *label = new QLabel(text, &parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

void setTextColour(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

QDialogButtonBox *okCancel(QDialog &dialog)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}
