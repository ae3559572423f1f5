#include "document/CSourceReader.h"

#include <QTest>

namespace {

// An array as one line: its name, element bits, dimensions and every element in hex (the
// zeros an initializer leaves out too), or its name and the reason it is not read.
QString summary(const SourceArray &array)
{
    if (!array.problem.empty())
        return QString::fromStdString(array.name + ": " + array.problem);
    std::vector<uint32_t> elements(array.count, 0);
    for (const SourceValue &value : array.values)
        elements[value.index] = value.value;
    QString text = QString::fromStdString(array.name) + ' ' + QString::number(array.bits) + ' ';
    for (const uint32_t dim : array.dims)
        text += '[' + QString::number(dim) + ']';
    for (std::size_t i = 0; i < elements.size(); ++i)
        text += (i == 0 ? " " : ",") + QString::number(elements[i], 16);
    return text;
}

QStringList summaries(const std::string &source)
{
    const SourceRead read = readSourceArrays(source);
    QStringList lines;
    if (!read.error.empty())
        lines << QString::fromStdString("error: " + read.error);
    for (const SourceArray &array : read.arrays)
        lines << summary(array);
    return lines;
}

QString notesOf(const std::string &source)
{
    const SourceRead read = readSourceArrays(source);
    QStringList notes;
    for (const std::string &note : read.notes)
        notes << QString::fromStdString(note);
    for (const SourceArray &array : read.arrays)
        for (const std::string &note : array.notes)
            notes << QString::fromStdString(array.name + ": " + note);
    return notes.join(" | ");
}

} // namespace

// The arrays of C source text: what is read, what is refused and why, where each value is
// written, and hostile text read within bounds.
class tst_CSourceReader : public QObject
{
    Q_OBJECT

private slots:
    void formsRead_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QStringList>("arrays");
        const auto row = [](const char *name, const char *source, const QStringList &arrays) {
            QTest::newRow(name) << QByteArray(source) << arrays;
        };
        row("bytes of every name",
            "unsigned char a[] = {1}; char b[] = {2}; signed char c[] = {3}; uint8_t d[] = {4}; int8_t e[] = {5};\n"
            "BYTE f[] = {6}; UCHAR g[] = {7}; u8 h[] = {8};",
            {"a 8 [1] 1", "b 8 [1] 2", "c 8 [1] 3", "d 8 [1] 4", "e 8 [1] 5", "f 8 [1] 6", "g 8 [1] 7", "h 8 [1] 8"});
        row("words and long words",
            "short a[] = {1}; unsigned short int b[] = {2}; uint16_t c[] = {3}; WORD d[] = {4}; USHORT e[] = {5};\n"
            "long f[] = {6}; unsigned long g[] = {7}; uint32_t h[] = {8}; DWORD i[] = {9}; ULONG j[] = {10}; int k[] = {11};",
            {"a 16 [1] 1", "b 16 [1] 2", "c 16 [1] 3", "d 16 [1] 4", "e 16 [1] 5", "f 32 [1] 6", "g 32 [1] 7",
             "h 32 [1] 8", "i 32 [1] 9", "j 32 [1] a", "k 32 [1] b"});
        row("qualifiers in any order, attributes, a macro word",
            "const static unsigned char a[2] = {1, 2};\nunsigned const volatile char b[] __attribute__((aligned(2))) = {3};\n"
            "static const unsigned char PROGMEM c[] = {4};",
            {"a 8 [2] 1,2", "b 8 [1] 3", "c 8 [1] 4"});
        row("a typedef of the file", "typedef unsigned short row16;\nrow16 a[] = {0xFFFF};", {"a 16 [1] ffff"});
        row("every base, suffixes, a trailing comma",
            "unsigned short a[] = {0x1F, 0XaB, 017, 0b101, 0B11, 9u, 10UL, 11lu, 0, 00, 0x0u,};",
            {"a 16 [11] 1f,ab,f,5,3,9,a,b,0,0,0"});
        row("casts, signs and parentheses",
            "short a[] = {(unsigned short)0xFFFF, -1, - 2, +3, (4), -(5), (short)-6, (unsigned char)0x1FF, - -7};",
            {"a 16 [9] ffff,ffff,fffe,3,4,fffb,fffa,ff,7"});
        row("sizes defined, multiplied, or given by the values",
            "#define H 4\n#define TILES (2)\nunsigned char a[H] = {1};\nunsigned char b[TILES*H] = {1, 2};\n"
            "unsigned char c[2 + 1] = {1};\nunsigned char d[UNKNOWN] = {5, 6};",
            {"a 8 [4] 1,0,0,0", "b 8 [8] 1,2,0,0,0,0,0,0", "c 8 [3] 1,0,0", "d 8 [2] 5,6"});
        row("a sheet in braces, a sheet without them",
            "unsigned char a[2][3] = {{1, 2, 3}, {4}};\nunsigned char b[][2] = {{1, 2}, {3, 4}, {5, 6},};\n"
            "unsigned char c[][2] = {1, 2, 3};",
            {"a 8 [2][3] 1,2,3,4,0,0", "b 8 [3][2] 1,2,3,4,5,6", "c 8 [2][2] 1,2,3,0"});
        row("several in one definition, and inside a function",
            "unsigned char a[] = {1}, *p = 0, b[2] = {2, 3};\n"
            "void f(void) { int x = 3; static const unsigned char c[] = {4}; if (x) { unsigned char d[] = {5}; } }",
            {"a 8 [1] 1", "b 8 [2] 2,3", "c 8 [1] 4", "d 8 [1] 5"});
        row("comments, strings and characters passed over",
            "/* unsigned char no[] = {1}; */ // unsigned char no2[] = {2};\n"
            "const char *s = \"unsigned char no3[] = {3};\"; char c = '{';\n"
            "unsigned char a[] = {1, /* 9, */ 2 // 9,\n, 3};",
            {"a 8 [3] 1,2,3"});
        row("#if 0 left out, other #ifs read",
            "#if 0\nunsigned char no[] = {1, 'unclosed };\n#if 1\n#endif\n#elif 0\nno\n#else\nunsigned char a[] = {1};\n#endif\n"
            "#if 1\nunsigned char b[] = {2};\n#else\nunsigned char no2[] = {2};\n#endif\n"
            "#ifdef BIG\nunsigned char c[] = {3};\n#else\nunsigned char c[] = {4};\n#endif\n",
            {"a 8 [1] 1", "b 8 [1] 2", "c 8 [1] 3", "c 8 [1] 4"});
        row("lines joined by a backslash",
            "unsigned char a[] = {0x1\\\n2, 3};\n// a comment \\\nunsigned char no[] = {1};\nunsigned \\\r\nchar b[] = {4};",
            {"a 8 [2] 12,3", "b 8 [1] 4"});
        row("trigraphs as three characters", "unsigned char a[] = {1}; // ?" "?/\nunsigned char b[] = {2};",
            {"a 8 [1] 1", "b 8 [1] 2"});
        row("no arrays: declarations, prototypes, structs",
            "extern unsigned char a[];\nunsigned char b[16];\nint f(unsigned char c[3]);\n"
            "struct s { unsigned char d[2]; } x = {{1, 2}};\nint g[2]; int y = 3, z;\nvoid (*table[])(void) = {0};",
            {});
    }
    void formsRead()
    {
        QFETCH(QByteArray, source);
        QFETCH(QStringList, arrays);
        QCOMPARE(summaries(source.toStdString()), arrays);
    }

    void formsRefused_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char *source, const char *reason) { QTest::newRow(reason) << QByteArray(source) << reason; };
        row("float a[] = {1.0};", "a: an array of float, not of integers");
        row("struct point a[] = {{1, 2}};", "a: an array of struct point, not of integers");
        row("const unsigned char *a[] = {0};", "a: an array of pointers, not of integers");
        row("sprite_t a[] = {1};", "a: its element type sprite_t is not defined in this file");
        row("long long a[] = {1};", "a: its elements are 64 bits wide (long long): the rows of sprites hold 8, 16 or 32");
        row("char a[] = \"text\";", "a: it holds a string");
        row("unsigned char a[] = {A, 2};", "a: its elements are not integer literals (A on line 1)");
        row("unsigned char a[] = {1 << 2};", "a: its elements are not integer literals (< on line 1)");
        row("unsigned char a[] = {'x'};", "a: its elements are not integer literals ('x' on line 1)");
        row("unsigned char a[] = {1.5};", "a: its elements are not integer literals (1.5 on line 1)");
        row("unsigned char a[] = {08};", "a: its elements are not integer literals (08 on line 1)");
        row("unsigned short a[] = {0x12345};", "a: values wider than 16 bits in an array of unsigned short (0x12345 on line 1)");
        row("signed char a[] = {-129};", "a: values wider than 8 bits in an array of signed char (129 on line 1)");
        row("unsigned long a[] = {0x100000000};", "a: a value is wider than 32 bits (0x100000000 on line 1)");
        row("unsigned char a[2] = {1, 2, 3};", "a: it holds more values than its 2 elements");
        row("unsigned char a[2][2] = {{1, 2, 3}};", "a: row 1 holds more than its 2 values");
        row("unsigned char a[1][2] = {{1}, {2}};", "a: it holds more rows than its 1");
        row("unsigned char a[][2] = {{1, 2}, 3, 4};", "a: its rows are given partly in braces and partly not");
        row("unsigned char a[] = {{1}};", "a: braces on line 1 are nested deeper than its one dimension");
        row("unsigned char a[2][2][2] = {0};", "a: it has 3 dimensions; sprites have one or two");
        row("unsigned char a[2][N] = {0};", "a: the size N of its rows is not defined in this file");
        row("unsigned char a[0] = {};", "a: it is declared with no elements");
        row("unsigned char a[] = {};", "a: it holds no values");
        row("unsigned char a[2000000] = {0};", "a: it is declared with 2000000 elements, more than the 1000000 a sprite may have");
        row("unsigned char a[] = {[2] = 1};", "a: it names the elements it gives ([ on line 1)");
        row("unsigned char a[] = {1,, 2};", "a: a value is missing before the comma on line 1");
        row("unsigned char a[] = {1, 2; int b;", "a: its braces are not closed before the ; on line 1");
        row("unsigned char a[] = {1, 2", "a: its braces are not closed");
        row("unsigned char a[] = {(float)1};", "a: a value on line 1 is cast to float");
        row("unsigned char a[] = {\n#ifdef BIG\n1,\n#endif\n2};",
            "a: its definition runs across the branches of an #if that cannot be worked out here");
    }
    void formsRefused()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, reason);
        const QStringList arrays = summaries(source.toStdString());
        QCOMPARE(arrays.size(), 1);
        QCOMPARE(arrays[0], reason);
    }

    // Each value's bytes are its literal with the signs just before it, across a joined line
    // and with \r\n line ends; casts and parentheses stay outside.
    void valuesKnowWhereTheyAreWritten()
    {
        const std::string source = "// x\r\nshort a[] = { 0x1\\\r\n2, -/*c*/ 3, (unsigned short)-0x4u, -(5),\r\n 06 };";
        const SourceRead read = readSourceArrays(source);
        QCOMPARE(read.arrays.size(), size_t(1));
        QStringList spans;
        for (const SourceValue &value : read.arrays[0].values)
            spans << QString::fromStdString(source.substr(value.begin, value.end - value.begin));
        QCOMPARE(spans, QStringList({"0x1\\\r\n2", "-/*c*/ 3", "-0x4u", "5", "06"}));
        const std::vector<SourceValue> &values = read.arrays[0].values;
        QVERIFY(values[2].form.negative && values[2].castBits == 16 && !values[2].castSigned);
        QVERIFY(values[3].outerNegative && !values[3].form.negative);
        QCOMPARE(int(values[4].form.base), 8);
        QCOMPARE(read.arrays[0].line, 2);
        QCOMPARE(source.substr(read.arrays[0].begin, 5), std::string("short"));
        QCOMPARE(source[read.arrays[0].end - 1], '}');
    }

    void commentsBeforeADefinition()
    {
        const SourceRead read = readSourceArrays(
            "unsigned char a[] = {1};\n/* one */\n#define X 1\n// two\nunsigned char b[] = {2};\n#if 0\n/* no */\n#endif\n"
            "unsigned char c[] = {3};");
        QCOMPARE(read.arrays.size(), size_t(3));
        QCOMPARE(read.arrays[0].comments.size(), size_t(0));
        QCOMPARE(read.arrays[1].comments, (std::vector<std::string>{"/* one */", "// two"}));
        QCOMPARE(read.arrays[2].comments.size(), size_t(0));
    }

    void notes_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("notes");
        QTest::newRow("int") << QByteArray("int a[] = {1};")
                             << "a: its type int is taken as 32 bits wide (a compiler may make it 16)";
        QTest::newRow("a macro word") << QByteArray("const unsigned char FAR a[] = {1};")
                                      << "a: the word FAR before its name is taken to change no value";
        QTest::newRow("a size not defined") << QByteArray("unsigned char a[N] = {1};")
                                            << "a: its size N is not defined in this file: the values give it";
        QTest::newRow("unclosed comment") << QByteArray("\n/* x") << "the comment that begins on line 2 is not closed";
        QTest::newRow("unclosed #if") << QByteArray("#if X\n#if 0\n") << "the #if on line 1 is not closed by an #endif";
        QTest::newRow("stray #endif") << QByteArray("#endif\n#else") << "the #endif on line 1 follows no #if | the #else on line 2 follows no #if";
        QTest::newRow("braces") << QByteArray("}\n}\nvoid f(void) {") << "the } on line 1 closes no { | 1 brace is not closed at the end of the text";
        QTest::newRow("trigraph") << QByteArray("// ?" "?/\nchar *s = \"?" "?=\";") << "line 2 holds the trigraph ?" "?=: it is read as gcc "
                                     "reads it by default, as three characters, not as ISO C before C23 reads it";
    }
    void notes()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, notes);
        QCOMPARE(notesOf(source.toStdString()), notes);
    }

    // Text no one would write, read within bounds with a reason: each in well under a second
    // (a sanitized build takes longer; the test's time limit catches a runaway).
    void hostileTextIsBounded_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QString>("expected"); // the first line of the summaries
        QTest::newRow("too long") << QByteArray(int(kSourceMaxBytes) + 1, ' ')
                                  << "error: it is 10000001 bytes long, more than the 10 MB read as C source";
        const QByteArray half = "unsigned char a[] = {" + QByteArray("0,").repeated(500'001) + "};";
        QTest::newRow("too many values") << half + half << "error: it holds more than 1000000 values";
        QByteArray arrays;
        for (int i = 0; i < 100'001; ++i)
            arrays += "char a[]={1};";
        QTest::newRow("too many arrays") << arrays << "error: it defines more than 100000 arrays";
        QTest::newRow("brace bomb") << "unsigned char a[] = " + QByteArray(3'000'000, '{')
                                    << "a: braces on line 1 are nested deeper than its one dimension";
        QTest::newRow("sign bomb") << "unsigned char a[] = {" + QByteArray(3'000'000, '-') + "1};"
                                   << "a: a value on line 1 has more than 16 signs, casts and parentheses";
        QTest::newRow("a long literal") << "unsigned char a[] = {0x" + QByteArray(3'000'000, '0') + "1};" << "a 8 [1] 1";
        QTest::newRow("open blocks") << QByteArray(3'000'000, '{') + "unsigned char a[] = {1};" << "a 8 [1] 1";
        QTest::newRow("open #ifs") << QByteArray("#if X\n").repeated(500'000) + "unsigned char a[] = {1};" << "a 8 [1] 1";
        QTest::newRow("bytes of every kind") << QByteArray("\0\xff\x80{[=;'\"\\\n?", 13).repeated(200'000) << "";
    }
    void hostileTextIsBounded()
    {
        QFETCH(QByteArray, source);
        QFETCH(QString, expected);
        const QStringList arrays = summaries(source.toStdString());
        QCOMPARE(arrays.value(0), expected);
    }
};

QTEST_GUILESS_MAIN(tst_CSourceReader)
#include "tst_CSourceReader.moc"
