#pragma once

// A calculator behind a fake link, and scripted answers to the link commands' questions.

#include "calc/PictureFile.h"
#include "fakes/Fakes.h"
#include "platform/Progress.h"
#include "shell/LinkQuestions.h"
#include "shell/Services.h"

#include <QFileInfo>
#include <QStringList>

#include <deque>

// What the calculator holds and answers, and what was asked of it. Each link it opens shows
// its operations on the progress it was given; a received variable is written to `files`
// (the window's file store), with the bytes of `received`.
class FakeCalculator
{
public:
    std::vector<CalculatorVariable> variables;
    QByteArray received;
    CalculatorScreen screen;
    // The failing operation ("list", "send", "receive", "capture") and the link's words.
    QString failing;
    QString failure = QStringLiteral("no link cable was found");
    FakeFileStore *files = nullptr;

    // The list it gives cannot be trusted, and why (the link's words).
    QString unsure;
    // The calculator the link says it talked to.
    std::optional<CalcUsed> used;

    QList<LinkSettings> opened;
    QStringList calls;  // "list", "send NAME", "receive FOLDER\NAME", "capture full|clipped"
    QByteArray sent;    // the last file sent
    QList<QByteArray> sentFiles; // every file sent, in order

    CalculatorLinkFactory factory()
    {
        return [this](const LinkSettings &settings, Progress *progress) -> std::unique_ptr<CalculatorLink> {
            opened << settings;
            return std::make_unique<Link>(*this, progress);
        };
    }

private:
    class Link : public CalculatorLink
    {
    public:
        Link(FakeCalculator &calculator, Progress *progress) : m_calculator(calculator), m_progress(progress) {}
        Done send(const QString &variableFile) override
        {
            m_calculator.sent = m_calculator.files->files.value(variableFile);
            m_calculator.sentFiles << m_calculator.sent;
            return run(QStringLiteral("send ") + QFileInfo(variableFile).fileName());
        }
        // As the link helper does it: the list first when there is a question, then the
        // files in order until one fails.
        SendReport sendAll(const QStringList &variableFiles, const ReplaceQuestion &ask) override
        {
            SendReport report;
            if (ask) {
                if (const Done listed = run(QStringLiteral("list")); !listed) {
                    report.failure = listed.failure();
                    return report;
                }
                QStringList held;
                for (const QString &file : variableFiles) {
                    const Outcome<CalcPicture> picture = decodePictureFile(file, m_calculator.files->files.value(file));
                    const QString folder = QString::fromStdString(picture ? picture->folder : std::string());
                    const QString name = QString::fromStdString(picture ? picture->name : std::string());
                    for (const CalculatorVariable &variable : m_calculator.variables)
                        if (m_calculator.unsure.isEmpty() && variable.folder.compare(folder, Qt::CaseInsensitive) == 0
                            && variable.name.compare(name, Qt::CaseInsensitive) == 0)
                            held << folder + u'\\' + name;
                }
                if ((!held.isEmpty() || !m_calculator.unsure.isEmpty()) && !ask(held, m_calculator.unsure)) {
                    report.declined = true;
                    return report;
                }
            }
            for (const QString &file : variableFiles) {
                if (const Done sent = send(file); !sent) {
                    report.failure = sent.failure();
                    return report;
                }
                report.sent << QFileInfo(file).fileName();
            }
            return report;
        }
        std::optional<CalcUsed> calcUsed() const override { return m_calculator.used; }
        Outcome<std::vector<CalculatorVariable>> list() override
        {
            if (const Done done = run(QStringLiteral("list")); !done)
                return done.failure();
            return m_calculator.variables;
        }
        Done receive(const QString &folder, const QString &name, const QString &outFile) override
        {
            const Done done = run(QStringLiteral("receive ") + folder + u'\\' + name);
            if (done)
                m_calculator.files->files[outFile] = m_calculator.received;
            return done;
        }
        Outcome<CalculatorScreen> capture(bool full) override
        {
            if (const Done done = run(full ? QStringLiteral("capture full") : QStringLiteral("capture clipped")); !done)
                return done.failure();
            return m_calculator.screen;
        }

    private:
        Done run(const QString &call)
        {
            m_calculator.calls << call;
            if (m_progress) {
                m_progress->begin(call, [] {});
                m_progress->end();
            }
            if (call.section(u' ', 0, 0) == m_calculator.failing)
                return Failure{Failure::What::LinkFailed, {}, m_calculator.failure};
            return {};
        }

        FakeCalculator &m_calculator;
        Progress *m_progress;
    };
};

// Scripted answers; no answer left: cancel. What each question was given is kept.
class FakeLinkQuestions : public LinkQuestions
{
public:
    std::deque<LinkSettings> settings;
    std::deque<int> pictures;                    // one picture chosen
    std::deque<std::vector<int>> severalPictures; // answered before `pictures`
    std::deque<bool> fullScreens;
    QList<LinkSettings> settingsAsked;
    QList<std::vector<CalculatorVariable>> picturesAsked;
    QList<bool> fullAsked;

    std::optional<LinkSettings> askLinkSettings(const LinkSettings &current) override
    {
        settingsAsked << current;
        return next(settings);
    }
    std::vector<int> choosePictures(const std::vector<CalculatorVariable> &offered) override
    {
        picturesAsked << offered;
        if (const std::optional<std::vector<int>> several = next(severalPictures))
            return *several;
        if (const std::optional<int> one = next(pictures))
            return {*one};
        return {};
    }
    std::optional<bool> askCaptureFull(bool lastFull) override
    {
        fullAsked << lastFull;
        return next(fullScreens);
    }

private:
    template <typename T> static std::optional<T> next(std::deque<T> &answers)
    {
        if (answers.empty())
            return std::nullopt;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
