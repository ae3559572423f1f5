#include "shell/AboutWindow.h"

#include "platform/Desktop.h"
#include "session/AppInfo.h"
#include "shell/DialogLayout.h"
#include "shell/Fonts.h"
#include "shell/Icons.h"
#include "shell/WindowCentring.h"

#include <QLabel>
#include <QHideEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <cmath>

namespace {


const QString kAddress = QStringLiteral("dotlark@example.org");
const QString kWebPage = QStringLiteral("https://example.org/dotlark");

// A release of the left button inside the widget: a click as the user means it.
bool isClick(const QWidget &widget, const QEvent &event)
{
    if (event.type() != QEvent::MouseButtonRelease)
        return false;
    const auto &mouse = static_cast<const QMouseEvent &>(event);
    return mouse.button() == Qt::LeftButton && widget.rect().contains(mouse.position().toPoint());
}

} // namespace

AboutWindow::AboutWindow(Desktop &desktop, QWidget *parent) : QDialog(parent), m_desktop(desktop)
{
    shapeDialog(*this, tr("About DOTLARK"), QSize(364, kDesignHeight + kLicenceHeight), Qt::white);
    buildLabels();
    buildPictures();
    buildLicenceLine();

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setGeometry(288, 128, 65, 33);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutWindow::Command1_Click);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(kTickMs);
    connect(m_timer, &QTimer::timeout, this, &AboutWindow::Timer1_Timer);
    centreOnScreen(*this);
}

void AboutWindow::buildLabels()
{
    QLabel *title = placeLabel(*this, QStringLiteral("Label1"), QStringLiteral("TI-89 DOTLARK"),
                               QRect(2, 0, 361, 41), serifFont(24));
    title->setAlignment(Qt::AlignCenter);
    QLabel *author = placeLabel(*this, QStringLiteral("Label2"), tr("by the DOTLARK developers"),
                                QRect(2, 38, 361, 30), serifFont(18));
    author->setAlignment(Qt::AlignCenter);
    placeLabel(*this, QStringLiteral("Label4"), tr("The DOTLARK Project"), QRect(8, 72, 121, 36),
               serifFont(12));
    placeLabel(*this, QStringLiteral("Label3"), tr("November '98"), QRect(8, 144, 121, 17),
               dialogFont(12, true));
    m_version = placeLabel(*this, QStringLiteral("lblVer"), QStringLiteral("Label6"), QRect(8, 112, 123, 19),
                           dialogFont(12, true));

    m_address = placeLabel(*this, QStringLiteral("Label5"), kAddress, QRect(133, 73, 113, 13), dialogFont());
    m_address->setWordWrap(false);
    m_address->setAlignment(Qt::AlignCenter);
    setTextColour(*m_address, Qt::blue);
    m_address->setCursor(Qt::PointingHandCursor);
    m_address->installEventFilter(this);
}

void AboutWindow::buildPictures()
{
    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(aboutIcon());
    icon->setGeometry(304, 84, 32, 32);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    m_picture->setPixmap(aboutPicture());
    m_picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_picture->resize(113, 105);
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->installEventFilter(this);
    setPictureTop(kStartTwips);
}

// Below the designed client area, which stays as it is: an opaque strip, in front of the
// picture, so the picture still rises into view from below the designed area's bottom edge.
void AboutWindow::buildLicenceLine()
{
    QLabel *licence = placeLabel(*this, QStringLiteral("lblLicence"),
                                 tr("Free software under the GNU GPL, version 2 or later"),
                                 QRect(0, kDesignHeight + 1, width(), kLicenceHeight - 1), dialogFont(8));
    licence->setAlignment(Qt::AlignCenter);
    licence->setAutoFillBackground(true);
    licence->raise();
}

bool AboutWindow::isAnimating() const { return m_timer->isActive(); }

void AboutWindow::setPictureTop(int twips)
{
    m_pictureTop = twips;
    const int pixels = static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
    m_picture->move(136, pixels);
}

void AboutWindow::rest()
{
    setPictureTop(kStartTwips);
    m_timer->stop();
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        form_activate();
}

void AboutWindow::hideEvent(QHideEvent *event)
{
    // Closed by the close box or Escape: stop as OK does, so no timer runs for a hidden window.
    if (!event->spontaneous())
        rest();
    QDialog::hideEvent(event);
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_address && isClick(*m_address, *event))
        Label5_Click();
    else if (watched == m_picture && isClick(*m_picture, *event))
        Picture1_Click();
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::form_activate()
{
    m_timer->start();
    setPictureTop(kStartTwips);
    m_version->setText(tr("Version %1.%2.%3").arg(AppInfo::major).arg(AppInfo::minor).arg(AppInfo::revision));
}

void AboutWindow::Timer1_Timer()
{
    if (m_pictureTop > kRestTwips)
        setPictureTop(m_pictureTop - kStepTwips);
}

void AboutWindow::Command1_Click()
{
    rest();
    accept();
}

// The desktop's answer is not used: without a mail program or browser the window just stays.
void AboutWindow::Label5_Click() { m_desktop.openLink(QUrl(QStringLiteral("mailto:") + kAddress)); }

void AboutWindow::Picture1_Click() { m_desktop.openLink(QUrl(kWebPage)); }
