#include "document/SourceSprites.h"
#include "document/SpriteRewrite.h"
#include "fakes/CompiledC.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

using Elements = QMap<QString, QList<quint32>>; // each array's elements, by name

std::string contents(const QString &name)
{
    QFile file(QStringLiteral(DOTLARK_TEST_DATA "/csource/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The elements of the arrays as read, the zeros an initializer leaves out too.
Elements readElements(const std::string &text, const QStringList &arrays)
{
    Elements elements;
    for (const SourceArray &array : readSourceArrays(text).arrays)
        if (arrays.contains(QString::fromStdString(array.name)) && array.problem.empty()) {
            QList<quint32> values(qsizetype(array.count), 0);
            for (const SourceValue &value : array.values)
                values[value.index] = value.value;
            elements[QString::fromStdString(array.name)] = values;
        }
    return elements;
}

// The same elements as gcc compiles them: a program that includes the source prints each
// array's elements (flattened), cut to their bits (negative for a sheet).
Elements compiledElements(const std::string &text, const Elements &shape, const QMap<QString, int> &bits)
{
    QString program = "#include <stdio.h>\n#include <string.h>\n#include \"source.c\"\n"
                      "#define DUMP(a, e) do { size_t i_, n_ = sizeof(a) / sizeof(e); for (i_ = 0; i_ < n_; ++i_) { "
                      "__typeof__(e) v_; memcpy(&v_, (const char *)&(a) + i_ * sizeof v_, sizeof v_); "
                      "printf(\"%llx\\n\", (unsigned long long)(long long)v_); } puts(\"-\"); } while (0)\n"
                      "int main(void)\n{\n";
    for (auto it = shape.begin(); it != shape.end(); ++it)
        program += QStringLiteral("    DUMP(%1, %1%2);\n").arg(it.key(), bits.value(it.key()) < 0 ? "[0][0]" : "[0]");
    program += "    return 0;\n}\n";
    const std::optional<QByteArray> output = compiledOutput(
        {{"source.c", QByteArray::fromStdString(text)}, {"dump.c", program.toUtf8()}}, "dump.c", {"-std=gnu99", "-w"});
    Elements compiled;
    auto name = shape.begin();
    for (const QByteArray &line : output.value_or(QByteArray()).split('\n')) {
        if (name == shape.end() || line.isEmpty())
            continue;
        if (line == "-") {
            ++name;
            continue;
        }
        const int width = std::abs(bits.value(name.key()));
        compiled[name.key()].append(quint32(line.toULongLong(nullptr, 16) & ((1ull << width) - 1)));
    }
    return compiled;
}

// The text between the values of the sprite's arrays: what must not change.
QStringList between(const std::string &text, const QStringList &arrays)
{
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    for (const SourceArray &array : readSourceArrays(text).arrays)
        if (arrays.contains(QString::fromStdString(array.name)))
            for (const SourceValue &value : array.values)
                spans.emplace_back(value.begin, value.end);
    std::sort(spans.begin(), spans.end());
    QStringList pieces;
    std::size_t kept = 0;
    for (const auto &[begin, end] : spans) {
        pieces << QString::fromStdString(text.substr(kept, begin - kept));
        kept = end;
    }
    return pieces << QString::fromStdString(text.substr(kept));
}

} // namespace

// Sprites in C sources written as game authors write them, read, changed by a pixel and
// written back; gcc compiles each text before and after and agrees with what was read.
class tst_CSourceRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void aPixelChangedInPlace_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sprite");
        QTest::addColumn<QPoint>("pixel");        // flipped in the first plane
        QTest::addColumn<QStringList>("arrays");  // of the file, with their element bits (negative: a sheet)
        QTest::addColumn<QList<int>>("bits");
        QTest::addColumn<QStringList>("written"); // the literals written again, in the order of the text
        QTest::newRow("a sheet of 16 tiles with masks") << "tiles.h" << "tiles" << QPoint(3 * 16 + 1, 1)
                                                        << QStringList{"tiles", "tiles_mask"} << QList<int>{-16, -16}
                                                        << QStringList{"0x4000", "0x47E0"};
        QTest::newRow("grey pairs in decimal") << "ship.c" << "ship" << QPoint(0, 0)
                                               << QStringList{"ship_light", "ship_dark", "enemy_light", "enemy_dark"}
                                               << QList<int>{8, 8, 8, 8} << QStringList{"152"};
        QTest::newRow("grey pairs in binary") << "ship.c" << "enemy" << QPoint(7, 7)
                                              << QStringList{"ship_light", "ship_dark", "enemy_light", "enemy_dark"}
                                              << QList<int>{8, 8, 8, 8} << QStringList{"0b00111101"};
        QTest::newRow("a value across joined lines") << "odd.c" << "player" << QPoint(0, 3)
                                                     << QStringList{"player", "digits", "cursor", "cursor_mask"}
                                                     << QList<int>{16, -8, 8, 8} << QStringList{"0xFE7E"};
        QTest::newRow("a sheet on one long line") << "odd.c" << "digits" << QPoint(9 * 8 + 7, 7)
                                                  << QStringList{"player", "digits", "cursor", "cursor_mask"}
                                                  << QList<int>{16, -8, 8, 8} << QStringList{"0x01"};
        QTest::newRow("a mask beside it, in one definition") << "odd.c" << "cursor" << QPoint(6, 7)
                                                             << QStringList{"player", "digits", "cursor", "cursor_mask"}
                                                             << QList<int>{16, -8, 8, 8} << QStringList{"0x0A", "0x0A"};
    }
    void aPixelChangedInPlace()
    {
        QFETCH(QString, file);
        QFETCH(QString, sprite);
        QFETCH(QPoint, pixel);
        QFETCH(QStringList, arrays);
        QFETCH(QList<int>, bits);
        QFETCH(QStringList, written);
        const std::string text = contents(file);
        QVERIFY(!text.empty());
        const std::vector<SourceSprite> sprites = spritesIn(text, readSourceArrays(text));
        const auto found = std::find_if(sprites.begin(), sprites.end(),
                                        [&](const SourceSprite &s) { return QString::fromStdString(s.name) == sprite; });
        QVERIFY(found != sprites.end());
        QCOMPARE(QString::fromStdString(found->problem), QString());
        QCOMPARE(found->notes.size(), size_t(0));
        QCOMPARE(rewriteSprite(text, *found, found->planes).text, text);

        std::vector<PixelGrid> planes = found->planes;
        planes[0].set(pixel.x(), pixel.y(), !planes[0].at(pixel.x(), pixel.y()));
        const SpriteRewrite rewrite = rewriteSprite(text, *found, planes);
        QCOMPARE(QString::fromStdString(rewrite.error), QString());

        // Only the values of the sprite's arrays changed, and only those written again.
        QStringList own;
        for (const SpriteArray &array : found->arrays)
            own << QString::fromStdString(array.name);
        QCOMPARE(between(rewrite.text, own), between(text, own));
        QStringList changed;
        const SourceRead before = readSourceArrays(text), after = readSourceArrays(rewrite.text);
        for (std::size_t a = 0; a < before.arrays.size(); ++a)
            for (std::size_t v = 0; v < before.arrays[a].values.size(); ++v) {
                const SourceValue &old = before.arrays[a].values[v], &now = after.arrays[a].values[v];
                if (text.substr(old.begin, old.end - old.begin) != rewrite.text.substr(now.begin, now.end - now.begin))
                    changed << QString::fromStdString(rewrite.text.substr(now.begin, now.end - now.begin));
            }
        QCOMPARE(changed, written);
        const std::vector<SourceSprite> again = spritesIn(rewrite.text, after);
        QVERIFY(std::any_of(again.begin(), again.end(), [&](const SourceSprite &s) {
            return s.name == found->name && s.planes == planes;
        }));

        if (QStandardPaths::findExecutable("gcc").isEmpty())
            QSKIP("gcc is not installed: the sources cannot be compiled");
        QMap<QString, int> widths;
        for (int i = 0; i < arrays.size(); ++i)
            widths[arrays[i]] = bits[i];
        const Elements read = readElements(text, arrays), readAfter = readElements(rewrite.text, arrays);
        QStringList names = arrays;
        names.sort();
        QCOMPARE(read.keys(), names);
        const Elements compiled = compiledElements(text, read, widths), compiledAfter = compiledElements(rewrite.text, read, widths);
        QCOMPARE(compiled, read);
        QCOMPARE(compiledAfter, readAfter);
        int differences = 0;
        for (const QString &name : arrays)
            for (qsizetype i = 0; i < compiled[name].size(); ++i)
                differences += compiled[name][i] != compiledAfter[name][i] ? 1 : 0;
        QCOMPARE(differences, written.size());
    }
};

QTEST_GUILESS_MAIN(tst_CSourceRoundTrip)
#include "tst_CSourceRoundTrip.moc"
