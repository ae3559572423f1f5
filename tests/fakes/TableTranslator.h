#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

// A translator made from a table instead of a compiled file, installed while it lives: a test
// shows the program in a language of its own (longer words, other texts) without lrelease.
class TableTranslator : public QTranslator
{
public:
    // context -> (English -> shown)
    using Table = QHash<QString, QHash<QString, QString>>;

    explicit TableTranslator(Table table) : m_table(std::move(table)) { QCoreApplication::installTranslator(this); }
    ~TableTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return m_table.isEmpty(); }
    QString translate(const char *context, const char *source, const char * = nullptr, int = -1) const override
    {
        return m_table.value(QString::fromUtf8(context)).value(QString::fromUtf8(source));
    }

private:
    Table m_table;
};
