#include "shell/ImportScaledDialog.h"

#include "canvas/CanvasView.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The preview's room: the calculator screen at 2x, and no more than this for any picture.
constexpr QSize kPreviewRoom(400, 300);
// A preview larger than this scrolls, so the dialog fits a 1024 x 768 screen.
constexpr QSize kPreviewView(640, 360);

// Radio buttons in a box of their own (which keeps them exclusive and makes the box one
// stop of the Tab key), numbered in a button group by their enum values.
QRadioButton *radio(QButtonGroup &group, int id, const QString &name, const QString &text, QWidget *box)
{
    auto *button = new QRadioButton(text, box);
    button->setObjectName(name);
    group.addButton(button, id);
    return button;
}
} // namespace

ScaledPreview::ScaledPreview(QSize target, QWidget *parent)
    : QFrame(parent), m_image(target, QImage::Format_RGB32), m_factor(magnificationFor(target))
{
    setObjectName(QStringLiteral("preview"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    m_image.fill(CanvasView::kBackground);
    setFixedSize(sizeHint());
}

int ScaledPreview::magnificationFor(QSize target)
{
    if (target.isEmpty())
        return 1;
    return std::max(1, std::min(kPreviewRoom.width() / target.width(), kPreviewRoom.height() / target.height()));
}

void ScaledPreview::setLevels(const PixelGrid &cells, int levels)
{
    static constexpr QRgb kLevel[4] = {CanvasView::kBackground, CanvasView::kLightGrey, CanvasView::kDarkGrey,
                                       CanvasView::kBlack};
    for (int y = 0; y < m_image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = 0; x < m_image.width(); ++x) {
            const int cell = cells.at(x, y) & 3;
            line[x] = kLevel[levels == 4 ? cell : (cell ? 3 : 0)];
        }
    }
    update();
}

QSize ScaledPreview::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return m_image.size() * m_factor + QSize(frame, frame);
}

void ScaledPreview::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(contentsRect().topLeft(), m_image.size() * m_factor), m_image);
}

ImportScaledDialog::ImportScaledDialog(const ScaleSource &source, const QString &path, const PixelGrid &beneath,
                                       int beneathLevels, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_source(source), m_beneath(beneath), m_beneathLevels(beneathLevels == 4 ? 4 : 2)
{
    setWindowTitle(tr("Import Scaled..."));
    buildControls(path);
    setChoice({});
}

void ImportScaledDialog::buildControls(const QString &path)
{
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const QSize full = m_source.fullSize(), target = m_source.target();
    const auto number = [](int value) { return QString::number(value); };
    auto *about = new QLabel(tr("%1: %2 x %3 pixels onto %4 x %5")
                                 .arg(QFileInfo(path).fileName(), number(full.width()), number(full.height()),
                                      number(target.width()), number(target.height())),
                             this);
    about->setObjectName(QStringLiteral("about"));
    about->setToolTip(path);
    layout->addWidget(about);

    m_preview = new ScaledPreview(target);
    if (m_preview->width() > kPreviewView.width() || m_preview->height() > kPreviewView.height()) {
        auto *view = new QScrollArea(this);
        view->setWidget(m_preview);
        const QSize bars(view->verticalScrollBar()->sizeHint().width(), view->horizontalScrollBar()->sizeHint().height());
        view->setFixedSize(m_preview->size().boundedTo(kPreviewView) + bars);
        layout->addWidget(view, 0, Qt::AlignHCenter);
    } else {
        m_preview->setParent(this);
        layout->addWidget(m_preview, 0, Qt::AlignHCenter);
    }

    // Made in reading order, which is the order of the Tab key.
    auto *boxes = new QGridLayout;
    boxes->addWidget(placementBox(), 0, 0);
    boxes->addWidget(toneBox(), 0, 1);
    boxes->addWidget(plotBox(), 1, 0);
    boxes->addWidget(adjustBox(), 1, 1);
    layout->addLayout(boxes);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Reset, this);
    buttons->button(QDialogButtonBox::Reset)->setText(tr("R&eset"));
    // Named in English whatever the buttons say.
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    buttons->button(QDialogButtonBox::Reset)->setObjectName(QStringLiteral("reset"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Reset), &QPushButton::clicked, this, [this] { setChoice({}); });
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
}

QWidget *ImportScaledDialog::placementBox()
{
    auto *box = new QGroupBox(tr("Placement"), this);
    auto *column = new QVBoxLayout(box);
    m_placement = new QButtonGroup(box);
    column->addWidget(radio(*m_placement, int(Placement::Fit), QStringLiteral("fit"), tr("&Fit"), box));
    column->addWidget(radio(*m_placement, int(Placement::Fill), QStringLiteral("fill"), tr("F&ill"), box));
    column->addWidget(
        radio(*m_placement, int(Placement::Stretch), QStringLiteral("stretch"), tr("&Stretch"), box));
    column->addWidget(radio(*m_placement, int(Placement::Actual), QStringLiteral("actual"), tr("&1:1"), box));
    connect(m_placement, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            place();
    });
    return box;
}

QSlider *ImportScaledDialog::slider(const QString &name, int minimum, int maximum, QLabel *&value)
{
    auto *control = new QSlider(Qt::Horizontal, this);
    control->setObjectName(name);
    control->setRange(minimum, maximum);
    control->setPageStep((maximum - minimum) / 16);
    control->setMinimumWidth(150);
    value = new QLabel(this);
    value->setObjectName(name + QStringLiteral("Value"));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-100")));
    connect(control, &QSlider::valueChanged, this, [this, value](int now) {
        value->setNum(now);
        tone();
    });
    return control;
}

QWidget *ImportScaledDialog::toneBox()
{
    auto *box = new QGroupBox(tr("Tone"), this);
    auto *grid = new QGridLayout(box);
    m_tone = new QButtonGroup(box);
    grid->addWidget(radio(*m_tone, int(Tone::Threshold), QStringLiteral("threshold"), tr("&Threshold"), box),
                    0, 0);
    m_threshold = slider(QStringLiteral("thresholdLevel"), 0, 256, m_thresholdValue);
    m_threshold->setToolTip(tr("Pixels darker than this grey become black"));
    grid->addWidget(m_threshold, 0, 1);
    grid->addWidget(m_thresholdValue, 0, 2);
    grid->addWidget(radio(*m_tone, int(Tone::FloydSteinberg), QStringLiteral("floydSteinberg"),
                          tr("Dither (F&loyd-Steinberg)"), box),
                    1, 0, 1, 3);
    grid->addWidget(
        radio(*m_tone, int(Tone::Atkinson), QStringLiteral("atkinson"), tr("Dither (&Atkinson)"), box), 2, 0,
        1, 3);
    connect(m_tone, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            tone();
    });
    // Beside the black-and-white tones: the picture becomes a grey one of two planes.
    m_grey = new QCheckBox(tr("&4 grey levels"), box);
    m_grey->setObjectName(QStringLiteral("greyLevels"));
    m_grey->setToolTip(tr("White, light grey, dark grey and black, as the calculator shows grey; "
                          "Threshold takes the nearest of the four"));
    connect(m_grey, &QCheckBox::toggled, this, [this] { tone(); });
    grid->addWidget(m_grey, 3, 0, 1, 3);
    return box;
}

QWidget *ImportScaledDialog::adjustBox()
{
    auto *box = new QGroupBox(tr("Adjust"), this);
    auto *grid = new QGridLayout(box);
    m_invert = new QCheckBox(tr("In&vert"), box);
    m_invert->setObjectName(QStringLiteral("invert"));
    connect(m_invert, &QCheckBox::toggled, this, [this] { tone(); });
    grid->addWidget(m_invert, 0, 0, 1, 3);
    const auto row = [&](int at, const QString &name, const QString &text, QSlider *&control, QLabel *&value) {
        control = slider(name, -100, 100, value);
        auto *caption = new QLabel(text, box);
        caption->setBuddy(control);
        grid->addWidget(caption, at, 0);
        grid->addWidget(control, at, 1);
        grid->addWidget(value, at, 2);
    };
    row(1, QStringLiteral("brightness"), tr("&Brightness"), m_brightness, m_brightnessValue);
    row(2, QStringLiteral("contrast"), tr("&Contrast"), m_contrast, m_contrastValue);
    return box;
}

QWidget *ImportScaledDialog::plotBox()
{
    auto *box = new QGroupBox(tr("Plot"), this);
    auto *column = new QVBoxLayout(box);
    m_plot = new QButtonGroup(box);
    column->addWidget(radio(*m_plot, 0, QStringLiteral("add"), tr("Add blac&k pixels"), box));
    column->addWidget(radio(*m_plot, 1, QStringLiteral("replace"), tr("&Replace the picture"), box));
    m_plot->button(1)->setToolTip(tr("White pixels of the result are set white too"));
    connect(m_plot, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            showResult();
    });
    return box;
}

void ImportScaledDialog::setChoice(const ScaledImportChoice &choice)
{
    const ScaleSettings &settings = choice.settings;
    {
        const QSignalBlocker blockers[] = {QSignalBlocker(m_placement), QSignalBlocker(m_tone),
                                           QSignalBlocker(m_threshold), QSignalBlocker(m_brightness),
                                           QSignalBlocker(m_contrast),  QSignalBlocker(m_invert),
                                           QSignalBlocker(m_grey)};
        m_placement->button(int(settings.placement))->setChecked(true);
        m_tone->button(int(settings.tone))->setChecked(true);
        m_threshold->setValue(settings.threshold);
        m_brightness->setValue(settings.brightness);
        m_contrast->setValue(settings.contrast);
        m_invert->setChecked(settings.invert);
        m_grey->setChecked(choice.levels == 4);
        m_plot->button(choice.replace ? 1 : 0)->setChecked(true);
    }
    m_thresholdValue->setNum(m_threshold->value());
    m_brightnessValue->setNum(m_brightness->value());
    m_contrastValue->setNum(m_contrast->value());
    place();
}

ScaledImportChoice ImportScaledDialog::choice() const
{
    ScaledImportChoice choice;
    ScaleSettings &settings = choice.settings;
    settings.placement = Placement(m_placement->checkedId());
    settings.tone = Tone(m_tone->checkedId());
    settings.threshold = m_threshold->value();
    settings.invert = m_invert->isChecked();
    settings.brightness = m_brightness->value();
    settings.contrast = m_contrast->value();
    choice.replace = m_plot->checkedId() == 1;
    choice.levels = m_grey->isChecked() ? 4 : 2;
    return choice;
}

void ImportScaledDialog::place()
{
    m_placed = placePicture(m_source, Placement(m_placement->checkedId()));
    tone();
}

void ImportScaledDialog::tone()
{
    const ScaledImportChoice chosen = choice();
    // Four levels are cut at fixed points between them, whatever the threshold.
    const bool threshold = chosen.settings.tone == Tone::Threshold && chosen.levels == 2;
    m_threshold->setEnabled(threshold);
    m_thresholdValue->setEnabled(threshold);
    m_plot->button(0)->setText(chosen.levels == 4 ? tr("Add grey and blac&k pixels")
                                                  : tr("Add blac&k pixels"));
    m_result = toneLevels(m_placed, chosen.settings, chosen.levels);
    showResult();
}

void ImportScaledDialog::showResult()
{
    const ScaledImportChoice chosen = choice();
    // Replacing shows the result alone: laid on white, everywhere it reaches.
    const PixelGrid shown = chosen.replace ? PixelGrid(m_result.width(), m_result.height()) : m_beneath;
    const int shownLevels = chosen.replace ? 2 : m_beneathLevels;
    m_preview->setLevels(importedLevels(m_result, chosen.levels, shown, shownLevels, false),
                         std::max(chosen.levels, shownLevels));
}

std::optional<ScaledImportAnswer> ImportScaledDialog::ask()
{
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ScaledImportAnswer{choice(), m_result};
}
