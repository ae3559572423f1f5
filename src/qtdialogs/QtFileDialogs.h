#pragma once

#include "platform/FileDialogs.h"

class QWidget;

class QtFileDialogs : public FileDialogs
{
public:
    explicit QtFileDialogs(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }
    std::optional<Choice> openFile(const Request &request) override;
    std::optional<Choice> saveFile(const Request &request) override;

private:
    std::optional<Choice> run(const Request &request, bool save);
    QWidget *m_parent = nullptr;
    QString m_folder; // the dialog remembers the last folder between uses
};
