#include "shell/NewPictureDialog.h"

#include "session/AppInfo.h"

#include "document/Numbers.h"
#include "platform/Messages.h"
#include "shell/DialogLayout.h"
#include "shell/Fonts.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <cmath>

namespace {

const QString kDefaultWidth = QStringLiteral("160");
const QString kDefaultHeight = QStringLiteral("77");
constexpr QSize kDesignedSize(312, 213); // client pixels
constexpr int kExtensionWidth = 156;

// A whole number in 1..limit. NaN and infinities fail every comparison.
bool wholeInRange(double value, int limit) { return value >= 1 && value <= limit && std::floor(value) == value; }

QLineEdit *placeBox(QWidget &parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *box = new QLineEdit(text, &parent);
    box->setObjectName(name);
    box->setFont(dialogFont(12, true));
    box->setGeometry(geometry);
    return box;
}

} // namespace

NewPictureDialog::NewPictureDialog(Messages &messages, QWidget *parent) : QDialog(parent), m_messages(messages)
{
    shapeDialog(*this, tr("DOTLARK: New picture dialog"), kDesignedSize + QSize(kExtensionWidth, 0),
                QColor(192, 192, 255));
    buildControls();
    buildExtension();
    connect(m_ok, &QPushButton::clicked, this, &NewPictureDialog::cmdOK_Click);
    connect(m_cancel, &QPushButton::clicked, this, &NewPictureDialog::cmdCancel_Click);
    m_width->installEventFilter(this);
    m_height->installEventFilter(this);
}

void NewPictureDialog::buildControls()
{
    placeLabel(*this, QStringLiteral("Label1"),
               tr("Enter the dimensions below. The width must be between 1 and 160. "
                  "The height must be between 1and 77."),
               QRect(25, 16, 258, 104), dialogFont(13.5));
    placeLabel(*this, QStringLiteral("lblWdt"), tr("Width:"), QRect(24, 116, 100, 20),
               dialogFont(12, true));
    placeLabel(*this, QStringLiteral("lblHt"), tr("Height:"), QRect(165, 115, 100, 20),
               dialogFont(12, true));
    m_width = placeBox(*this, QStringLiteral("txtWd"), kDefaultWidth, QRect(58, 135, 81, 22));
    m_height = placeBox(*this, QStringLiteral("txtHt"), kDefaultHeight, QRect(210, 135, 81, 21));

    m_ok = new QPushButton(tr("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(73, 164, 81, 33);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setGeometry(172, 164, 81, 33);

    setTabOrder(m_ok, m_cancel);
    setTabOrder(m_cancel, m_width);
    setTabOrder(m_width, m_height);
}

// To the right of the designed area, behind a line, so the designed controls keep their places.
void NewPictureDialog::buildExtension()
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(kDesignedSize.width(), 12, 4, kDesignedSize.height() - 24);
    m_grey = new QCheckBox(tr("&4 grey levels"), this);
    m_grey->setObjectName(QStringLiteral("chkGrey"));
    m_grey->setFont(dialogFont(12, true));
    // A caption longer than the designed room (a translation) widens the extension, never cuts.
    const int width = std::max(kExtensionWidth - 20, m_grey->sizeHint().width());
    m_grey->setGeometry(kDesignedSize.width() + 12, 135, width, 22);
    setFixedSize(kDesignedSize + QSize(width + 20, 0));
    m_grey->setToolTip(tr("white, light grey, dark grey and black, in two planes"));
    setTabOrder(m_height, m_grey);
}

int NewPictureDialog::levels() const { return m_grey->isChecked() ? 4 : 2; }

std::optional<QSize> NewPictureDialog::ask()
{
    exec();
    return m_size;
}

void NewPictureDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return; // the window system showing it again after a minimise is no new question
    m_size.reset();
    form_activate();
}

bool NewPictureDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_width)
            txtWd_GotFocus();
        else if (watched == m_height)
            txtHt_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

void NewPictureDialog::form_activate() { m_width->setFocus(Qt::ActiveWindowFocusReason); }

void NewPictureDialog::txtWd_GotFocus() { m_width->selectAll(); }

void NewPictureDialog::txtHt_GotFocus() { m_height->selectAll(); }

void NewPictureDialog::cmdOK_Click()
{
    const double width = leadingNumber(m_width->text().toStdString());
    const double height = leadingNumber(m_height->text().toStdString());
    if (wholeInRange(width, 160) && wholeInRange(height, 77)) {
        m_size = QSize(static_cast<int>(width), static_cast<int>(height));
        accept();
        return;
    }
    m_messages.warn(tr("Error in dimensions. resetting to 160x77."), AppInfo::title);
    m_width->setText(kDefaultWidth);
    m_height->setText(kDefaultHeight);
    m_width->setFocus(Qt::OtherFocusReason);
    // Selected also when the width box had the focus all along and so gets no new focus event.
    txtWd_GotFocus();
}

void NewPictureDialog::cmdCancel_Click() { reject(); }
