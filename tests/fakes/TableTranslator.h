#pragma once

#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

#include <functional>

// A translator of a test's own, installed while it lives: the program shown in a language
// made up for the test (longer words, other texts) without lrelease. `shown` says how a text
// of a context reads; an empty answer leaves it as written. (It is a function given at
// construction, not a virtual: installing calls it at once, before a subclass exists.)
class ScopedTranslator : public QTranslator
{
public:
    using Shown = std::function<QString(const QString &context, const QString &source)>;

    explicit ScopedTranslator(Shown shown) : m_shown(std::move(shown)) { QCoreApplication::installTranslator(this); }
    ~ScopedTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char * = nullptr, int = -1) const override
    {
        return m_shown(QString::fromUtf8(context), QString::fromUtf8(source));
    }

private:
    Shown m_shown;
};

// The translations of a table: context -> (English -> shown).
class TableTranslator : public ScopedTranslator
{
public:
    using Table = QHash<QString, QHash<QString, QString>>;

    explicit TableTranslator(const Table &table)
        : ScopedTranslator([table](const QString &context, const QString &source) { return table.value(context).value(source); })
    {
    }
};
