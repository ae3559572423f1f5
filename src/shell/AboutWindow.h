#pragma once

#include <QDialog>

class Desktop;
class QLabel;
class QTimer;

// Title, version and contact window. While it is shown, a picture slides up into view: every
// 50 ms its top edge rises by 10 twips, from 2520 twips (just below the client area) until it
// reaches 1300 twips, and starts again from the bottom each time the window is shown. Create
// it once; "OK" only hides it. Clicking the address opens a mail to it, clicking the picture
// opens the project's web page; a desktop that cannot open them is ignored. A line below the
// designed layout states the licence.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kStartTwips = 2520; // the picture's top edge when the window opens
    static constexpr int kRestTwips = 1300;  // it rises no higher than this
    static constexpr int kStepTwips = 10;    // rise per tick
    static constexpr int kTickMs = 50;
    static constexpr int kDesignHeight = 169; // the designed client area's height
    static constexpr int kLicenceHeight = 20; // the licence line below it

    explicit AboutWindow(Desktop &desktop, QWidget *parent = nullptr);

    // Top edge of the picture in twips; kept exact, turned into whole screen pixels when placed.
    int pictureTopTwips() const { return m_pictureTop; }
    bool isAnimating() const;

public slots:
    void form_activate();
    void Timer1_Timer();
    void Command1_Click();
    void Label5_Click();
    void Picture1_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildLabels();
    void buildPictures();
    void buildLicenceLine();
    void setPictureTop(int twips);
    void rest(); // the picture back at the bottom, the timer stopped

    Desktop &m_desktop;
    QTimer *m_timer = nullptr;      // Timer1
    QLabel *m_picture = nullptr;    // Picture1
    QLabel *m_address = nullptr;    // Label5
    QLabel *m_version = nullptr;    // lblVer
    int m_pictureTop = kStartTwips; // twips
};
