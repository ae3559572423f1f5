#include "shell/StatusPanels.h"

#include "document/Selection.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace {
// The panels keep the window's words for them.
QString shown(const char *text) { return QCoreApplication::translate("MainWindow", text); }

QLabel *panel(QStatusBar &bar, const char *name, int stretch, int minimumWidth)
{
    auto *label = new QLabel(&bar);
    label->setAccessibleName(shown(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(minimumWidth);
    bar.addWidget(label, stretch);
    return label;
}
} // namespace

StatusPanels::StatusPanels(QWidget &parent, const QRect &geometry) : m_bar(new QStatusBar(&parent))
{
    m_bar->setSizeGripEnabled(false);
    m_bar->setGeometry(geometry);
    QPalette palette = m_bar->palette();
    palette.setColor(QPalette::Window, parent.palette().color(QPalette::Button));
    m_bar->setPalette(palette);
    m_bar->setAutoFillBackground(true);
    m_fileName = panel(*m_bar, QT_TRANSLATE_NOOP("MainWindow", "Filename"), 3, 120);
    m_coordinates = panel(*m_bar, QT_TRANSLATE_NOOP("MainWindow", "Coordinates"), 1, 120);
    m_toolAndZoom = panel(*m_bar, QT_TRANSLATE_NOOP("MainWindow", "Tool and zoom"), 1, 120);
    m_size = panel(*m_bar, QT_TRANSLATE_NOOP("MainWindow", "Size"), 0, 0);
    m_level = panel(*m_bar, QT_TRANSLATE_NOOP("MainWindow", "Grey level"), 1, 0);
    m_level->hide();
}

void StatusPanels::follow(const PictureDocument &document, const Selection &selection)
{
    m_document = &document;
    m_selection = &selection;
    m_watch = document.watch([this](const PictureChange &change) {
        if (change.kind == PictureChange::Kind::Resized || change.kind == PictureChange::Kind::NewPicture)
            showSize();
    });
    showSize();
}

void StatusPanels::setFileName(const QString &text) { m_fileName->setText(text); }

QString StatusPanels::fileName() const { return m_fileName->text(); }

void StatusPanels::setCoordinates(const QString &text) { m_coordinates->setText(text); }

void StatusPanels::showToolAndZoom(Tool tool, double zoom, bool pickingLevel)
{
    const QString name = pickingLevel ? shown(QT_TRANSLATE_NOOP("MainWindow", "Pick Level")) : shownToolName(tool);
    m_toolAndZoom->setText(QStringLiteral("%1  %2%").arg(name).arg(qRound(zoom * 100)));
}

QString StatusPanels::toolAndZoom() const { return m_toolAndZoom->text(); }

void StatusPanels::showLevel(bool grey, const QString &level)
{
    m_level->setVisible(grey);
    m_level->setText(grey ? level : QString());
}

QString StatusPanels::level() const { return m_level->text(); }

void StatusPanels::showSize()
{
    if (!m_document)
        return;
    QString text;
    if (m_selection->active())
        text = shown(QT_TRANSLATE_NOOP("MainWindow", "Selection %1 x %2")).arg(m_selection->rect().width).arg(m_selection->rect().height);
    else
        text = shown(QT_TRANSLATE_NOOP("MainWindow", "%1 x %2")).arg(m_document->width()).arg(m_document->height());
    if (text != m_size->text())
        m_size->setText(text);
}

QString StatusPanels::size() const { return m_size->text(); }
