#pragma once

#include "shell/ExportSourceQuestion.h"

#include <QDialog>
#include <QPointer>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The options of File > Export Source...: the rows' width, the mask, separate or interlaced
// planes (a grey picture's) and the array name. It starts at the rows that fit the picture,
// no mask (an AND mask when one is chosen) and separate planes.
class ExportSourceDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ExportSourceDialog(const ExportSourceOffer &offer, QWidget *parent = nullptr);

    // The choice as the controls show it now.
    SpriteRequest request() const;

private:
    QComboBox *m_width = nullptr;
    QComboBox *m_mask = nullptr;
    QComboBox *m_sense = nullptr;
    QButtonGroup *m_planes = nullptr;
    QLineEdit *m_name = nullptr;
    QCheckBox *m_allTiles = nullptr;
    QLineEdit *m_tileNames = nullptr;
    QSize m_tiles;
};

// The question asked with that dialog over the main window.
class ExportSourceDialogs : public ExportSourceQuestion
{
public:
    void setParent(QWidget *parent) { m_parent = parent; }
    std::optional<SpriteRequest> askExportSource(const ExportSourceOffer &offer) override;

private:
    QPointer<QWidget> m_parent;
};
