#pragma once

#include "printing/PageSetup.h"

#include <QDialog>
#include <QPointer>
#include <functional>

class ArrowPair;
class PagePreview;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "DOTLARK Page Setup": margins and image width in inches, which text lines to print,
// and a miniature Letter page showing where the picture falls. OK and Print store the
// values into the PageSetup it was given (the only place that changes them), Cancel
// drops the edits. Hidden and shown again it keeps its controls; closed with the window
// frame's close control it destroys itself, storing nothing.
class PageSetupDialog : public QDialog
{
    Q_OBJECT
public:
    // What the dialog needs from the main window.
    struct Host
    {
        std::function<QSize()> pictureSize; // PicWidth x PicHeight, picture pixels
        std::function<bool()> printEnabled; // whether File > Print is enabled
        std::function<void()> print;        // runs File > Print
    };

    PageSetupDialog(PageSetup &values, Host host, QWidget *parent = nullptr);

    // File > Page Setup: shows the dialog modally, creating it first when dialog holds
    // none (never opened, or closed with the frame's close control). Returns when it hides.
    static void showModal(QPointer<PageSetupDialog> &dialog, PageSetup &values, const Host &host,
                          QWidget *parent);

    float aspect() const { return m_aspect; }
    PagePreview *preview() const { return m_preview; }

    void reject() override; // Escape: as Cancel

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void form_activate();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Spin1_UpClick();
    void Spin1_DownClick();
    void Spin2_UpClick();
    void Spin2_DownClick();
    void Spin3_UpClick();
    void Spin3_DownClick();
    void ckPrtFileinfo_Click();
    void ckPrtComment_Click();
    void Command1_Click();
    void Command2_Click();
    void cmdPrint_Click();

    void createControls();
    void createOptionsAndButtons();
    void connectControls();
    void arrangeTabOrder();
    void fitCaptions();
    QLineEdit *textBox(const QString &name, const QString &text, const QRect &twips);
    ArrowPair *arrows(const QString &name, const QRect &twips);

    // Inches as the boxes hold them now.
    double top() const;
    double left() const;
    double imageWidth() const;
    void clampValue(QLineEdit *box, double minimum);
    void nudgeValue(QLineEdit *box, double step);
    void drawPreview();
    void setMarkerLine(double offset, bool on);
    void storeValues();

    PageSetup &m_values;
    Host m_host;
    float m_aspect = 0; // picture height / width in pixels, single precision
    bool m_closed = false;

    QLineEdit *m_text1 = nullptr; // top margin
    QLineEdit *m_text2 = nullptr; // left margin
    QLineEdit *m_text3 = nullptr; // image width
    ArrowPair *m_spin1 = nullptr;
    ArrowPair *m_spin2 = nullptr;
    ArrowPair *m_spin3 = nullptr;
    QList<QLabel *> m_marginCaptions; // Top Margin, Left Margin, Image Width
    QList<QLabel *> m_unitCaptions;   // the three Inches and Paper
    QCheckBox *m_ckPrtFileinfo = nullptr;
    QCheckBox *m_ckPrtComment = nullptr;
    PagePreview *m_preview = nullptr;
    QPushButton *m_command1 = nullptr; // OK
    QPushButton *m_cmdPrint = nullptr;
    QPushButton *m_command2 = nullptr; // Cancel
};
