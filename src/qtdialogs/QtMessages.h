#pragma once

#include "platform/Messages.h"

class QWidget;

// Messages shown with QMessageBox over a parent window.
class QtMessages : public Messages
{
public:
    explicit QtMessages(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    Answer show(const QString &text, const QString &caption, Icon icon, Buttons buttons) override;

private:
    QWidget *m_parent = nullptr;
};
