#include "pagesetup/PageSetupDialog.h"

#include "document/Numbers.h"
#include "pagesetup/ArrowPair.h"
#include "pagesetup/PagePreview.h"
#include "pagesetup/PreviewGeometry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

namespace {

// The layout is designed in twips, 15 to the screen pixel.
QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0));
}

QString numberText(double inches) { return QString::fromStdString(generalNumber(inches)); }

double numberIn(const QLineEdit *box) { return leadingNumber(box->text().toStdString()); }

// The widest run of a text that wrapping cannot break (a no-break space joins its words).
int widestWord(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &word : text.split(QRegularExpression(QStringLiteral("[ \n]")), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.boundingRect(QRect(), Qt::TextSingleLine, word).width()); // with overhangs
    return widest;
}

// How far left a widened caption may reach.
constexpr int kMinimumLeft = 4;

// Marker lines stand for the printed text lines: the file line 0.2 inch under the
// picture, the comment line 0.4 inch under it.
constexpr double kFileLineOffset = 0.2;
constexpr double kCommentLineOffset = 0.4;

} // namespace

PageSetupDialog::PageSetupDialog(PageSetup &values, Host host, QWidget *parent)
    : QDialog(parent), m_values(values), m_host(std::move(host))
{
    setWindowTitle(tr("DOTLARK Page Setup"));
    setFixedSize(fromTwips(0, 0, 6345, 2535).size());
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, QColor(255, 255, 0));
    setPalette(yellow);
    setAutoFillBackground(true);
    // Where the designed face is missing, a narrow sans face keeps the captions in their boxes.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    font.setBold(true);
    setFont(font);
    createControls();
    connectControls();
    arrangeTabOrder();
}

void PageSetupDialog::showModal(QPointer<PageSetupDialog> &dialog, PageSetup &values, const Host &host,
                                QWidget *parent)
{
    if (!dialog || dialog->m_closed)
        dialog = new PageSetupDialog(values, host, parent);
    dialog->exec();
}

QLineEdit *PageSetupDialog::textBox(const QString &name, const QString &text, const QRect &twips)
{
    auto *box = new QLineEdit(text, this);
    box->setObjectName(name);
    box->setGeometry(fromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
    return box;
}

ArrowPair *PageSetupDialog::arrows(const QString &name, const QRect &twips)
{
    auto *pair = new ArrowPair(fromTwips(twips.x(), twips.y(), twips.width(), twips.height()), this);
    pair->setObjectName(name);
    return pair;
}

void PageSetupDialog::createControls()
{
    const auto label = [this](const QString &text, int l, int t, int w, int h) {
        auto *caption = new QLabel(text, this);
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption->setGeometry(fromTwips(l, t, w, h));
        return caption;
    };
    m_marginCaptions << label(tr("Top Margin:"), 360, 240, 615, 495);
    m_text1 = textBox(QStringLiteral("Text1"), QStringLiteral(" 1"), QRect(1080, 345, 630, 300));
    m_spin1 = arrows(QStringLiteral("Spin1"), QRect(1920, 240, 240, 495));
    m_unitCaptions << label(tr("Inches"), 2400, 435, 615, 255);
    m_marginCaptions << label(tr("Left Margin:"), 360, 720, 615, 375);
    m_text2 = textBox(QStringLiteral("Text2"), QStringLiteral(" 1"), QRect(1080, 840, 615, 285));
    m_spin2 = arrows(QStringLiteral("Spin2"), QRect(1800, 840, 495, 315));
    m_unitCaptions << label(tr("Inches"), 2400, 960, 615, 255);
    m_marginCaptions << label(tr("Image Width:"), 360, 1200, 615, 495);
    m_text3 = textBox(QStringLiteral("Text3"), QStringLiteral(" 4"), QRect(1080, 1320, 615, 285));
    m_spin3 = arrows(QStringLiteral("Spin3"), QRect(1800, 1320, 495, 315));
    m_unitCaptions << label(tr("Inches"), 2400, 1380, 615, 255);
    m_unitCaptions << label(tr("Paper:"), 3600, 120, 615, 255);
    createOptionsAndButtons();
    fitCaptions();
}

void PageSetupDialog::createOptionsAndButtons()
{
    m_ckPrtFileinfo = new QCheckBox(tr("Info (filename, folder, var)"), this);
    m_ckPrtFileinfo->setObjectName(QStringLiteral("ckPrtFileinfo"));
    m_ckPrtFileinfo->setGeometry(fromTwips(600, 1800, 2775, 255));
    m_ckPrtComment = new QCheckBox(tr("Comment"), this);
    m_ckPrtComment->setObjectName(QStringLiteral("ckPrtComment"));
    m_ckPrtComment->setGeometry(fromTwips(600, 2160, 1215, 255));

    m_preview = new PagePreview(this);
    m_preview->setObjectName(QStringLiteral("Picture1"));
    m_preview->setGeometry(fromTwips(3600, 360, 1395, 1755));

    const auto button = [this](const QString &name, const QString &text, int l, int t, int w, int h) {
        auto *push = new QPushButton(text, this);
        push->setObjectName(name);
        push->setGeometry(fromTwips(l, t, w, h));
        return push;
    };
    m_command1 = button(QStringLiteral("Command1"), tr("OK"), 5160, 360, 960, 495);
    m_cmdPrint = button(QStringLiteral("cmdPrint"), tr("Print"), 5160, 960, 975, 495);
    m_command2 = button(QStringLiteral("Command2"), tr("Cancel"), 5160, 1560, 945, 495);
    m_command1->setDefault(true);
}

// The designed captions fit their places; a language with longer words widens a caption
// instead of cutting it: the margin captions together to the left (the boxes stay where
// they are), the unit captions, the check boxes and the buttons to the right.
void PageSetupDialog::fitCaptions()
{
    int marginWords = 0;
    for (const QLabel *caption : std::as_const(m_marginCaptions))
        marginWords = std::max(marginWords, widestWord(caption->fontMetrics(), caption->text()));
    for (QLabel *caption : std::as_const(m_marginCaptions)) {
        QRect place = caption->geometry();
        place.setLeft(std::max(kMinimumLeft, std::min(place.left(), place.right() + 1 - marginWords)));
        caption->setGeometry(place);
    }
    for (QLabel *caption : std::as_const(m_unitCaptions))
        caption->resize(std::max(caption->width(), widestWord(caption->fontMetrics(), caption->text())), caption->height());
    for (QCheckBox *box : {m_ckPrtFileinfo, m_ckPrtComment})
        box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
    const QList<QPushButton *> buttons{m_command1, m_cmdPrint, m_command2};
    int buttonText = 0;
    for (const QPushButton *push : buttons)
        buttonText = std::max(buttonText, push->fontMetrics().horizontalAdvance(push->text()));
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_ButtonMargin) + style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
    for (QPushButton *push : buttons)
        if (push->width() < buttonText + margins)
            push->resize(std::min(buttonText + margins, width() - push->x()), push->height());
}

void PageSetupDialog::connectControls()
{
    // textChanged also fires for texts the dialog sets itself, which must redraw too.
    connect(m_text1, &QLineEdit::textChanged, this, &PageSetupDialog::Text1_Change);
    connect(m_text2, &QLineEdit::textChanged, this, &PageSetupDialog::Text2_Change);
    connect(m_text3, &QLineEdit::textChanged, this, &PageSetupDialog::Text3_Change);
    connect(m_spin1, &ArrowPair::upClicked, this, &PageSetupDialog::Spin1_UpClick);
    connect(m_spin1, &ArrowPair::downClicked, this, &PageSetupDialog::Spin1_DownClick);
    connect(m_spin2, &ArrowPair::upClicked, this, &PageSetupDialog::Spin2_UpClick);
    connect(m_spin2, &ArrowPair::downClicked, this, &PageSetupDialog::Spin2_DownClick);
    connect(m_spin3, &ArrowPair::upClicked, this, &PageSetupDialog::Spin3_UpClick);
    connect(m_spin3, &ArrowPair::downClicked, this, &PageSetupDialog::Spin3_DownClick);
    connect(m_ckPrtFileinfo, &QCheckBox::toggled, this, &PageSetupDialog::ckPrtFileinfo_Click);
    connect(m_ckPrtComment, &QCheckBox::toggled, this, &PageSetupDialog::ckPrtComment_Click);
    connect(m_command1, &QPushButton::clicked, this, &PageSetupDialog::Command1_Click);
    connect(m_cmdPrint, &QPushButton::clicked, this, &PageSetupDialog::cmdPrint_Click);
    connect(m_command2, &QPushButton::clicked, this, &PageSetupDialog::Command2_Click);
}

void PageSetupDialog::arrangeTabOrder()
{
    const QList<QWidget *> order = {m_text1, m_text2, m_text3, m_command1, m_command2,
                                    m_spin1->upButton(), m_spin1->downButton(),
                                    m_spin2->downButton(), m_spin2->upButton(),
                                    m_spin3->downButton(), m_spin3->upButton(),
                                    m_ckPrtFileinfo, m_ckPrtComment, m_cmdPrint};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void PageSetupDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The preview keeps no picture between openings: it shows what activation draws.
    m_preview->clear();
    form_activate();
}

void PageSetupDialog::closeEvent(QCloseEvent *event)
{
    // The frame's close control: store nothing and go away, so that the next opening
    // starts from fresh controls.
    m_closed = true;
    done(Rejected);
    event->accept();
    deleteLater();
}

void PageSetupDialog::reject() { Command2_Click(); }

void PageSetupDialog::form_activate()
{
    const QSize picture = m_host.pictureSize ? m_host.pictureSize() : QSize();
    m_aspect = picture.width() > 0
        ? static_cast<float>(static_cast<double>(picture.height()) / picture.width())
        : 0.0f;
    m_preview->drawBox(previewPictureRect(m_values.top, m_values.left, m_values.width, m_aspect));
    // Each text that differs from the box's runs its change handling at once.
    m_text1->setText(numberText(m_values.top));
    m_text2->setText(numberText(m_values.left));
    m_text3->setText(numberText(m_values.width));
    m_cmdPrint->setEnabled(m_host.printEnabled && m_host.printEnabled());
    setMarkerLine(kCommentLineOffset, m_ckPrtComment->isChecked());
    setMarkerLine(kFileLineOffset, m_ckPrtFileinfo->isChecked());
}

double PageSetupDialog::top() const { return numberIn(m_text1); }

double PageSetupDialog::left() const { return numberIn(m_text2); }

double PageSetupDialog::imageWidth() const { return numberIn(m_text3); }

// Setting the box's text runs its change handling again, which then finds it in range.
void PageSetupDialog::clampValue(QLineEdit *box, double minimum)
{
    if (numberIn(box) < minimum)
        box->setText(numberText(minimum));
}

void PageSetupDialog::nudgeValue(QLineEdit *box, double step) { box->setText(numberText(numberIn(box) + step)); }

void PageSetupDialog::drawPreview()
{
    m_preview->clear();
    m_preview->drawBox(previewPictureRect(top(), left(), imageWidth(), m_aspect));
    setMarkerLine(kCommentLineOffset, m_ckPrtComment->isChecked());
    setMarkerLine(kFileLineOffset, m_ckPrtFileinfo->isChecked());
}

void PageSetupDialog::setMarkerLine(double offset, bool on)
{
    m_preview->drawLine(previewMarkerLine(top(), left(), imageWidth(), m_aspect, offset), on);
}

void PageSetupDialog::Text1_Change()
{
    clampValue(m_text1, 0);
    drawPreview();
}

void PageSetupDialog::Text2_Change()
{
    clampValue(m_text2, 0);
    drawPreview();
}

void PageSetupDialog::Text3_Change()
{
    clampValue(m_text3, 0.1);
    drawPreview();
}

// The top margin's up arrow moves the picture up the page: it lowers the number.
void PageSetupDialog::Spin1_UpClick() { nudgeValue(m_text1, -0.1); }

void PageSetupDialog::Spin1_DownClick() { nudgeValue(m_text1, 0.1); }

void PageSetupDialog::Spin2_UpClick() { nudgeValue(m_text2, 0.1); }

void PageSetupDialog::Spin2_DownClick() { nudgeValue(m_text2, -0.1); }

void PageSetupDialog::Spin3_UpClick() { nudgeValue(m_text3, 0.1); }

void PageSetupDialog::Spin3_DownClick() { nudgeValue(m_text3, -0.1); }

void PageSetupDialog::ckPrtFileinfo_Click() { setMarkerLine(kFileLineOffset, m_ckPrtFileinfo->isChecked()); }

void PageSetupDialog::ckPrtComment_Click() { setMarkerLine(kCommentLineOffset, m_ckPrtComment->isChecked()); }

void PageSetupDialog::storeValues()
{
    m_values.top = top();
    m_values.left = left();
    m_values.width = imageWidth();
    m_values.fileInfo = m_ckPrtFileinfo->isChecked();
    m_values.comment = m_ckPrtComment->isChecked();
}

void PageSetupDialog::Command1_Click()
{
    storeValues();
    done(Accepted);
}

void PageSetupDialog::cmdPrint_Click()
{
    storeValues();
    done(Accepted);
    if (parentWidget())
        parentWidget()->activateWindow();
    if (m_host.print)
        m_host.print();
}

// Nothing is stored; the check boxes go back to the stored options, and the boxes are
// refilled at the next opening.
void PageSetupDialog::Command2_Click()
{
    m_ckPrtFileinfo->setChecked(m_values.fileInfo);
    m_ckPrtComment->setChecked(m_values.comment);
    done(Rejected);
}
