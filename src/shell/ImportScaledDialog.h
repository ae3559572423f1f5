#pragma once

#include "shell/ScaledImportQuestion.h"

#include <QDialog>
#include <QFrame>
#include <QImage>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QSlider;

// The calculator screen as the preview of File > Import Scaled... shows it: the pixels
// magnified by a whole factor, in the canvas's colours (background, the two greys, black).
class ScaledPreview : public QFrame
{
public:
    explicit ScaledPreview(QSize target, QWidget *parent = nullptr);

    // 2 for the calculator's 160 x 77 screen; larger for small pictures, 1 for large ones.
    static int magnificationFor(QSize target);
    int magnification() const { return m_factor; }

    // Shows a grid of `levels` (2: 1 black; 4: each cell a GreyLevel, 0 white to 3 black).
    void setLevels(const PixelGrid &cells, int levels);
    // What is on the screen, one image pixel per picture pixel.
    const QImage &shown() const { return m_image; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    int m_factor = 1;
};

// File > Import Scaled...: how a picture is put onto the target (placement, tone, black
// and white or four grey levels, invert, brightness, contrast) and whether it adds black
// (and grey) pixels or replaces the picture,
// with the result shown as it changes: in the picture it lands on when it adds black pixels,
// alone when it replaces the picture. Placing the picture is the slow part and runs only
// when the placement changes; every other control only tones the placed picture again.
class ImportScaledDialog : public QDialog
{
    Q_OBJECT
public:
    // `source` must outlive the dialog; `beneath` is the picture the import lands on, a grid
    // of `beneathLevels`.
    ImportScaledDialog(const ScaleSource &source, const QString &path, const PixelGrid &beneath,
                       int beneathLevels = 2, QWidget *parent = nullptr);

    void setChoice(const ScaledImportChoice &choice);
    ScaledImportChoice choice() const;
    // The pixels of the current choice (levels 0..3 with 4 grey levels): what OK plots (the
    // preview shows them in the picture they are added to, or alone when they replace it).
    const PixelGrid &result() const { return m_result; }
    const ScaledPreview &preview() const { return *m_preview; }

    // Shows the dialog modally; the answer when OK ends it.
    std::optional<ScaledImportAnswer> ask();

private:
    void buildControls(const QString &path);
    QWidget *placementBox();
    QWidget *toneBox();
    QWidget *adjustBox();
    QWidget *plotBox();
    QSlider *slider(const QString &name, int minimum, int maximum, QLabel *&value);
    void place();
    void tone();
    void showResult();

    const ScaleSource &m_source;
    PixelGrid m_beneath;
    ScaledPreview *m_preview = nullptr;
    QButtonGroup *m_placement = nullptr;
    QButtonGroup *m_tone = nullptr;
    QButtonGroup *m_plot = nullptr;
    QSlider *m_threshold = nullptr;
    QSlider *m_brightness = nullptr;
    QSlider *m_contrast = nullptr;
    QLabel *m_thresholdValue = nullptr;
    QLabel *m_brightnessValue = nullptr;
    QLabel *m_contrastValue = nullptr;
    QCheckBox *m_invert = nullptr;
    QCheckBox *m_grey = nullptr;
    int m_beneathLevels = 2;

    PlacedPicture m_placed;
    PixelGrid m_result;
};
