#include "qtplatform/LinkReply.h"

#include "qtplatform/LinkProtocol.h"

#include <QCoreApplication>
#include <QList>

namespace {

// The context of these words in the translations.
class LinkReplyText
{
    Q_DECLARE_TR_FUNCTIONS(LinkReply)
};

std::optional<CalculatorVariable> variableOf(const QList<QByteArray> &fields)
{
    if (fields.size() != 6)
        return std::nullopt;
    bool typeOk = false, sizeOk = false, attributeOk = false;
    CalculatorVariable variable;
    variable.folder = QString::fromUtf8(fields[1]);
    variable.name = QString::fromUtf8(fields[2]);
    variable.type = fields[3].toInt(&typeOk, 16);
    variable.size = fields[4].toUInt(&sizeOk);
    variable.attribute = fields[5].toInt(&attributeOk);
    if (!typeOk || !sizeOk || !attributeOk)
        return std::nullopt;
    return variable;
}

std::optional<CalculatorScreen> screenOf(const QList<QByteArray> &fields)
{
    if (fields.size() != 4)
        return std::nullopt;
    CalculatorScreen screen;
    bool widthOk = false, heightOk = false;
    screen.width = fields[1].toInt(&widthOk);
    screen.height = fields[2].toInt(&heightOk);
    if (!widthOk || !heightOk || screen.width <= 0 || screen.height <= 0 || screen.width > 1024 || screen.height > 1024)
        return std::nullopt;
    screen.rows = QByteArray::fromHex(fields[3]);
    if (screen.rows.size() != (screen.width + 7) / 8 * screen.height || fields[3].size() != screen.rows.size() * 2)
        return std::nullopt;
    return screen;
}

QString variableName(const QList<QByteArray> &fields)
{
    return QString::fromUtf8(fields[1]) + u'\\' + QString::fromUtf8(fields[2]);
}

std::optional<CalcUsed> calcOf(const QList<QByteArray> &fields)
{
    static const std::pair<const char *, CalcUsed::How> hows[] = {
        {"given", CalcUsed::How::Given}, {"asked", CalcUsed::How::Asked}, {"guessed", CalcUsed::How::Guessed}};
    if (fields.size() != 3 || fields[1].isEmpty())
        return std::nullopt;
    for (const auto &[word, how] : hows)
        if (fields[2] == word)
            return CalcUsed{QString::fromUtf8(fields[1]), how};
    return std::nullopt;
}

} // namespace

bool LinkReply::take(const QByteArray &line)
{
    const QList<QByteArray> fields = line.split('\t');
    const QByteArray &word = fields[0];
    if (word == LinkProtocol::kProgress || word == LinkProtocol::kAlive)
        return fields.size() == (word == LinkProtocol::kAlive ? 1 : 3);
    if (word == LinkProtocol::kDone)
        return done = fields.size() == 1;
    if (word == LinkProtocol::kFailure) {
        failure = QString::fromUtf8(line.mid(word.size() + 1)).trimmed();
        return fields.size() >= 2 && !failure.isEmpty();
    }
    if (word == LinkProtocol::kVariable) {
        const std::optional<CalculatorVariable> variable = variableOf(fields);
        if (variable)
            variables.push_back(*variable);
        return variable.has_value();
    }
    if (word == LinkProtocol::kScreen)
        return (screen = screenOf(fields)).has_value();
    if (word == LinkProtocol::kCalc)
        return (calc = calcOf(fields)).has_value();
    if (word == LinkProtocol::kHeld || word == LinkProtocol::kSent) {
        if (fields.size() != 3)
            return false;
        (word == LinkProtocol::kHeld ? held : sent) << variableName(fields);
        return true;
    }
    if (word == LinkProtocol::kUnsure) {
        unsure = QString::fromUtf8(line.mid(word.size() + 1)).trimmed();
        return fields.size() >= 2 && !unsure.isEmpty();
    }
    if (word == LinkProtocol::kAsk)
        return asked = fields.size() == 1;
    if (word == LinkProtocol::kDeclined)
        return declined = fields.size() == 1;
    return false;
}

LinkReply LinkReply::parse(const QByteArray &output)
{
    LinkReply reply;
    const QList<QByteArray> lines = output.split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        if (reply.done || !reply.failure.isEmpty() || !reply.take(line)) {
            reply.malformed = LinkReplyText::tr("the link helper gave an answer that is not one");
            reply.done = false;
            return reply;
        }
    }
    if (!reply.done && reply.failure.isEmpty())
        reply.malformed = LinkReplyText::tr("the link helper ended without an answer");
    return reply;
}
