#include "ConvertCommands.h"

#include "FileNameChecks.h"
#include "GroupCommands.h"
#include "PictureCommands.h"
#include "PictureTransforms.h"
#include "PrintCommand.h"
#include "SourceCommands.h"
#include "SpriteCommands.h"
#include "LinkCommands.h"
#include "ToolSupport.h"
#include "document/CalcKind.h"
#include "platform/FileStore.h"
#include "platform/Licence.h"
#include "session/FileNames.h"
#include "session/TiGroup.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Any calculator picture: .89i, .9xi, .v2i or .92i.
bool is89i(const QString &path) { return kindFromEnding(path.toStdString()).has_value() && path.contains(u'.'); }
bool isImageOutput(const QString &path) { return QStringList{"png", "bmp", "pbm"}.contains(suffixOf(path)); }

// One command: how it is written, what it does, the options it takes and which files it
// wants. A command with a mode is chosen by that option; the others by their files.
struct Command
{
    QString mode; // e.g. "--info"; empty when the files choose the command
    QString synopsis;
    QString description;
    OptionTable options;
    std::function<bool(const QStringList &files)> matches;
    std::function<int(Context &)> run;
};

OptionTable textOptions(OptionTable more = {})
{
    more.insert(more.begin(), {
        {"--folder", "F", Convert::tr("calculator folder name (default \"main\")")},
        {"--name", "N", Convert::tr("picture variable name (default \"picture\")")},
        {"--comment", "C", Convert::tr("comment stored in the file (default \"made with DOTLARK\")")},
    });
    return more;
}

// The options of a scaled import chosen by `mode`.
OptionTable scaleOptions(const QString &mode, const QString &placement)
{
    return textOptions({
        {mode, {}, placement},
        {"--size", "WxH", Convert::tr("size of the picture made (default 160x77)")},
        {"--dither", "fs|atkinson", Convert::tr("dither (Floyd-Steinberg or Atkinson) instead of a threshold")},
        {"--threshold", "N", Convert::tr("0..256: black where the brightness is below N (default 128, mid grey)")},
        {"--invert", {}, Convert::tr("swap black and white inside the picture")},
        {"--gray", "2|4",
         Convert::tr("2 (black and white) or 4 grey levels: in a group NAMEl and NAMEd, else OUTl.89i and OUTd.89i")},
        {"--brightness", "N", Convert::tr("-100..100, added to each colour channel (default 0)")},
        {"--contrast", "N", Convert::tr("-100..100, channels spread about mid grey (default 0)")},
    });
}

const QString kScaleSynopsis = QStringLiteral(
    " [--size WxH] [--dither fs|atkinson] [--threshold N] [--invert] [--gray 2|4]\n"
    "                [--brightness N] [--contrast N] [--folder F] [--name N] [--comment C]");

bool isImport(const QStringList &files) { return files.size() == 2 && is89i(files[1]) && !is89i(files[0]); }
// A scaled import writes a group too (four grey levels).
bool isScaledImport(const QStringList &files)
{
    return isImport(files) || (files.size() == 2 && isGroupPath(files[1]) && !isGroupPath(files[0]) && !is89i(files[0]));
}

const std::vector<Command> &commands()
{
    static const std::vector<Command> table{
        // Before the picture and group commands, which would take SOURCE.h OUT.png by the
        // output's ending, and --list and --add with any file.
        {{}, "SOURCE.h|SOURCE.c OUT [--var NAME]",
         Convert::tr("Writes a sprite of C source (arrays of 8, 16 or 32-bit integers, one row an element,\n"
         "as --sprite writes them or by hand) as OUT: a calculator picture or an image (.png,\n"
         ".bmp, .pbm) by OUT's ending. A sheet (NAME[N][H]) comes out as its tiles, as many a\n"
         "row as its comment says, else all in one row. A grey sprite (NAME_light and\n"
         "NAME_dark) is written as a PNG or BMP image of four levels, a group of its two planes,\n"
         "or as OUTl.89i and OUTd.89i. --var may be left out when the file holds one sprite."),
         {{"--var", "NAME", Convert::tr("the sprite to write, by the name --list shows")}},
         [](const QStringList &f) { return f.size() == 2 && isSourcePath(f[0]); }, extractFromSource},
        {"--list", "--list SOURCE.h|SOURCE.c",
         Convert::tr("Lists the arrays of C source that could be sprites, one a line: the name, the\n"
         "element size, the length, the shape and the arrays it is made of, separated by\n"
         "tabs; an array that is not a sprite says why. Notes go to standard error."),
         {{"--list", {}, Convert::tr("list the sprites of the C source")}},
         [](const QStringList &f) { return f.size() == 1 && isSourcePath(f[0]); }, listSource},
        {"--add", "PICTURE SOURCE.h|SOURCE.c --add [--var NAME]",
         Convert::tr("Writes the picture (a calculator picture, or an image: four grey levels for a grey\n"
         "sprite) into the sprite's arrays in the C source, in place: only the values that\n"
         "change are written again, each as it was written (base, digits, case, suffix), and\n"
         "every other byte of the file stays. The mask follows the pixels changed. A picture\n"
         "of another size than the sprite is refused."),
         {{"--add", {}, Convert::tr("write the picture into the sprite")},
          {"--var", "NAME", Convert::tr("the sprite to write, by the name --list shows")}},
         [](const QStringList &f) { return f.size() == 2 && isSourcePath(f[1]); }, addToSource},
        // Before the picture commands, which would take GROUP OUT.png by the output's ending.
        {{}, "GROUP OUT [--var FOLDER\\NAME]",
         Convert::tr("Extracts a picture variable of a group file (.89g, .92g, .9xg, .v2g, a backup, or a\n"
         "TIGroup .tig) as OUT: a calculator picture or an image (.png, .bmp, .pbm) by OUT's\n"
         "ending. --var may be left out when the group holds one picture. A --var naming a\n"
         "light/dark pair (NAMEl and NAMEd, one size) by NAME writes a PNG or BMP image of its\n"
         "four grey levels: RGB 255, 213, 156 and 0, the light the calculator shows on average."),
         {{"--var", "FOLDER\\NAME", Convert::tr("the picture variable to extract (FOLDER\\ may be left out: main)")}},
         [](const QStringList &f) { return f.size() == 2 && isGroupPath(f[0]); }, extractFromGroup},
        {{}, "IN.89i OUT.png|OUT.bmp|OUT.pbm" + kTransformSynopsis + " [--scale N]",
         Convert::tr("Writes the picture 1:1 as an image: black pixels black, white pixels white.\n"
         "A .pbm file is plain PBM (P1) with 1 = black. The picture operations apply in the\n"
         "order --canvas, --flip, --rotate, --invert; --scale then draws each pixel as a square."),
         transformOptions(true),
         [](const QStringList &f) { return f.size() == 2 && isImageOutput(f[1]); }, exportPicture},
        {{}, "IMAGE OUT.89i [--folder F] [--name N] [--comment C]",
         Convert::tr("Turns a picture file into a .89i picture of the same size: a pixel becomes black\n"
         "exactly when red + 256*green + 65536*blue is below 8421504 (mid grey); transparent\n"
         "parts count as white."),
         textOptions(), isImport, importImage},
        {"--screen", "IMAGE OUT.89i --screen [--folder F] [--name N] [--comment C]",
         Convert::tr("Imports a picture file onto a blank 160 x 77 picture exactly as File > Import does:\n"
         "centred where it is smaller, cut at the right and bottom where it is larger, black\n"
         "by the same rule as above. The output is always 160 x 77."),
         textOptions({{"--screen", {}, Convert::tr("place on the 160 x 77 graph screen")}}), isImport, importImage},
        {"--fit", "IMAGE OUT.89i --fit" + kScaleSynopsis,
         Convert::tr("Scales a picture file onto a blank picture of --size as File > Import Scaled... does:\n"
         "the whole picture, aspect kept, centred (white where it does not reach). Scaling\n"
         "averages the pixels covered, in linear light; then each pixel is black where its\n"
         "brightness, as a grey 0..255, is below the threshold (greys as by the rule above at\n"
         "128), or the picture is dithered. A large JPEG is decoded at 1/2, 1/4 or 1/8 only.\n"
         "With --gray 4 and OUT a group (.89g, ...), four grey levels instead, as the calculator\n"
         "shows them in linear light (white 1, light grey 2/3, dark grey 1/3, black 0), each\n"
         "pixel the nearest level or dithered; the group holds the light and dark planes as\n"
         "NAMEl and NAMEd. With --gray 4 and OUT.89i, the planes are written beside it as two\n"
         "picture files, OUTl.89i and OUTd.89i (OUT.89i itself is not written); a file of\n"
         "those names that is not a calculator picture is left alone and the import refused."),
         scaleOptions("--fit", Convert::tr("fit the whole picture, aspect kept")), isScaledImport, importScaled},
        {"--fill", "IMAGE OUT.89i --fill" + kScaleSynopsis,
         Convert::tr("As --fit, but the picture covers the whole target, aspect kept, centred; what sticks\n"
         "out is cut."),
         scaleOptions("--fill", Convert::tr("cover the target, aspect kept, cut what sticks out")), isScaledImport,
         importScaled},
        {"--stretch", "IMAGE OUT.89i --stretch" + kScaleSynopsis,
         Convert::tr("As --fit, but the whole picture is stretched onto the whole target."),
         scaleOptions("--stretch", Convert::tr("stretch onto the whole target")), isScaledImport, importScaled},
        {{}, "IN.89i OUT.89i [--folder F] [--name N] [--comment C]" + kTransformSynopsis,
         Convert::tr("Reads the file and writes it again with correct lengths and checksum;\n"
         "the options replace the texts read, and change the picture as for an image.\n"
         "Everywhere, .89i stands for any calculator picture: .89i (TI-89), .9xi (TI-92 Plus),\n"
         ".v2i (Voyage 200) or .92i (TI-92); an output's ending picks the calculator."),
         textOptions(transformOptions(false)),
         [](const QStringList &f) { return f.size() == 2 && is89i(f[1]) && is89i(f[0]); }, rewritePicture},
        {"--sprite", "IN.89i|GROUP OUT.h|OUT.c --sprite 8|16|32|x8 [--mask [--transparent LEVEL] [--mask-bits and|or]] [--interlaced]\n"
                     "                [--tiles WxH [--names A,B,...]] [--var FOLDER\\NAME]",
         Convert::tr("Writes C source for GCC4TI or TIGCC programs: the picture (one plane) or a group's\n"
         "light/dark pair (NAMEl and NAMEd, one size: four grey levels) as arrays, one per plane,\n"
         "a row per unsigned char, short or long (8, 16 or 32 pixels, the leftmost in the top\n"
         "bit; a narrower picture padded with white on the right, a wider one refused) or, with\n"
         "x8, rows of bytes for SpriteX8. The arrays are named after the variable; a comment\n"
         "gives the size and how to draw them. A .h file's arrays are static."),
         spriteOptions(),
         [](const QStringList &f) { return f.size() == 2 && QStringList{"h", "c"}.contains(suffixOf(f[1])); },
         writeSpriteSource},
        {"--info", "--info FILE.89i",
         Convert::tr("Shows folder, variable name, comment, width, height and calculator, and whether signature,\n"
         "type byte, length fields, tag byte and checksum agree with what DOTLARK writes. Control\n"
         "characters in the texts are shown as escapes (\\r, \\n, \\a, \\xHH), a backslash doubled."),
         {{"--info", {}, Convert::tr("describe the file")}},
         [](const QStringList &f) { return f.size() == 1; }, describePicture},
        {"--print-pdf",
         "--print-pdf OUT.pdf IN.89i [--top IN] [--left IN] [--width IN] [--fileinfo] [--comment]",
         Convert::tr("Prints the picture as File > Print does, onto one Letter-size PDF page whose\n"
         "drawing area is the whole page: every black pixel a square, a heavy frame, and the\n"
         "text lines asked for. Lengths are plain numbers of inches; values that would leave\n"
         "a pixel wholly off the page are refused."),
         {{"--print-pdf", "OUT.pdf", Convert::tr("the PDF file to write")},
          {"--top", "IN", Convert::tr("page top to the first pixel row (default 1, at least 0)")},
          {"--left", "IN", Convert::tr("page left to the first pixel column (default 1, at least 0)")},
          {"--width", "IN", Convert::tr("first pixel column to the last (default 4, at least 0.1)")},
          {"--fileinfo", {}, Convert::tr("print the line \"File: ...  Folder: ...  Var: ...\"")},
          {"--comment", {}, Convert::tr("print the comment line")}},
         [](const QStringList &f) { return f.size() == 1; }, printPdf},
        {"--send", "--send FILE.89i [--var FOLDER\\NAME] [--cable C] [--port N] [--calc M]",
         Convert::tr("Sends the picture to the calculator as the variable the file names, or FOLDER\\NAME\n"
         "(FOLDER\\ may be left out: main). The calculator is the picture's unless --calc names it."),
         linkOptions({{"--send", {}, Convert::tr("send the file to the calculator")},
                      {"--var", "FOLDER\\NAME", Convert::tr("the variable to send it as")}}),
         [](const QStringList &f) { return f.size() == 1 && is89i(f[0]); }, sendToCalculator},
        {"--send", "--send GROUP [--cable C] [--port N] [--calc M]",
         Convert::tr("Sends every picture of the group file (.89g, .92g, .9xg, .v2g, .tig) to the calculator,\n"
         "each as the variable it is in the group, in one session. The calculator is the group's\n"
         "unless --calc names it."),
         linkOptions({{"--send", {}, Convert::tr("send the group's pictures to the calculator")}}),
         [](const QStringList &f) { return f.size() == 1 && isGroupPath(f[0]); }, sendGroupToCalculator},
        {"--list", "--list [--cable C] [--port N] [--calc M]",
         Convert::tr("Lists the calculator's variables, one a line: folder\\name, type and size in bytes,\n"
         "separated by tabs."),
         linkOptions({{"--list", {}, Convert::tr("list the calculator's variables")}}),
         [](const QStringList &f) { return f.isEmpty(); }, listCalculator},
        {"--receive", "--receive FOLDER\\NAME OUT [--cable C] [--port N] [--calc M]",
         Convert::tr("Receives the picture variable FOLDER\\NAME and writes it as OUT: a calculator picture\n"
         "(.89i, .9xi, .v2i, .92i) or an image (.png, .bmp, .pbm) by OUT's ending."),
         linkOptions({{"--receive", "FOLDER\\NAME", Convert::tr("the picture variable to receive")}}),
         [](const QStringList &f) { return f.size() == 1; }, receiveFromCalculator},
        {"--capture", "--capture OUT [--full] [--cable C] [--port N] [--calc M]",
         Convert::tr("Captures the calculator's screen as a picture: the part a TI-89 shows (160 x 100)\n"
         "or, with --full, the whole LCD (240 x 128); OUT as for --receive."),
         linkOptions({{"--capture", {}, Convert::tr("capture the screen")},
                      {"--full", {}, Convert::tr("the whole LCD")}}),
         [](const QStringList &f) { return f.size() == 1; }, captureCalculatorScreen},
        {"--list", "--list GROUP",
         Convert::tr("With a file: lists the group's variables as --list does the calculator's."),
         {{"--list", {}, Convert::tr("list the group's variables")}},
         // A file that is there, or a name with a group's ending (missing: said so).
         [](const QStringList &f) { return f.size() == 1 && (!isMissing(f[0]) || isGroupPath(f[0])); }, listGroup},
        {"--add", "PICTURE.89i GROUP --add [--var FOLDER\\NAME]",
         Convert::tr("Adds the picture to the group file, as its own variable or --var, in place of a\n"
         "variable of the same folder\\name; every other variable stays as it was. A group\n"
         "that is not there is made."),
         {{"--add", {}, Convert::tr("add the picture to the group")},
          {"--var", "FOLDER\\NAME", Convert::tr("the variable to store it as")}},
         [](const QStringList &f) { return f.size() == 2; }, addToGroup},
        {"--group", "A.89i B.89i ... --group OUT.89g",
         Convert::tr("Writes a group file of the pictures (.89g, .92g, .9xg, .v2g by the calculator, or a\n"
         "TIGroup .tig), each under its own folder\\name; two pictures of one folder\\name are\n"
         "refused (name them apart with --name first)."),
         {{"--group", "OUT.89g", Convert::tr("the group file to write")}},
         [](const QStringList &f) { return !f.isEmpty(); }, makeGroup},
    };
    return table;
}

// The modes named among the arguments.
QStringList modesIn(const QStringList &arguments)
{
    QStringList modes;
    for (const Command &command : commands())
        if (!command.mode.isEmpty() && mentions(arguments, command.mode) && !modes.contains(command.mode))
            modes << command.mode;
    return modes;
}

// The options of the commands with this mode, each name once.
OptionTable optionsOfMode(const QString &mode)
{
    OptionTable table;
    for (const Command &command : commands()) {
        if (command.mode != mode)
            continue;
        for (const OptionRule &rule : command.options)
            if (std::none_of(table.begin(), table.end(), [&](const OptionRule &s) { return s.name == rule.name; }))
                table.push_back(rule);
    }
    return table;
}

const Command *findCommand(const QString &mode, const QStringList &files)
{
    for (const Command &command : commands())
        if (command.mode == mode && command.matches(files))
            return &command;
    return nullptr;
}

// Why no command of this mode takes these files.
int filesDoNotFit(const QString &mode, const Invocation &call)
{
    for (const Command &command : commands())
        if (!mode.isEmpty() && command.mode == mode)
            return usageError(Convert::tr("usage: dotlark-convert %1").arg(command.synopsis));
    if (call.files.size() == 2 && !is89i(call.files[1]))
        return usageError(Convert::tr("the output must end in .89i, .9xi, .v2i, .92i, .png, .bmp or .pbm"));
    return usageError(call.files.isEmpty() && call.options.isEmpty() ? Convert::tr("nothing to do")
                                                                     : Convert::tr("wrong number of files"));
}

// "--a and --b".
QString listed(const QStringList &modes)
{
    QString text = modes.value(0);
    for (const QString &mode : modes.mid(1))
        text = Convert::tr("%1 and %2").arg(text, mode);
    return text;
}

} // namespace

std::vector<CommandHelp> commandHelp()
{
    std::vector<CommandHelp> help;
    for (const Command &command : commands())
        help.push_back({command.synopsis, command.description, command.options});
    return help;
}

QString helpImages()
{
    return Convert::tr("IMAGE is any picture file the editor imports: BMP (also run-length encoded, as .rle),\n"
                       "ICO, GIF, JPEG, PNG, WMF, or netpbm's PBM, PGM and PPM (plain or raw), recognised by\n"
                       "its content. The output type follows the output file's extension. Output files are\n"
                       "written whole or not at all, never over an input (under any name or link), and not\n"
                       "over a file that another program changed while the tool worked.\n"
                       "A lone - is a file named -; put -- before file names that begin with -.");
}

QString helpExitStatus()
{
    return Convert::tr("Exit status: 0 done; 1 an input refused or unreadable, a picture that cannot be\n"
                       "printed, an output unwritable (the message names the file) or a file name that is\n"
                       "not valid UTF-8; 2 wrong usage\n"
                       "(including an option's value out of its range; the message names the option).");
}

QString helpText()
{
    QString text = Convert::tr("Usage:") + u'\n';
    const std::vector<CommandHelp> help = commandHelp();
    for (const CommandHelp &command : help)
        text += "  dotlark-convert " + command.synopsis + '\n';
    text += "  dotlark-convert --help | --version\n";
    for (const CommandHelp &command : help) {
        text += "\ndotlark-convert " + command.synopsis + "\n  " + QString(command.description).replace("\n", "\n  ") + '\n';
        for (const OptionRule &rule : command.options)
            text += QStringLiteral("    %1 %2\n").arg((rule.name + u' ' + rule.valueName).leftJustified(20), rule.help);
    }
    return text + u'\n' + helpImages() + u'\n' + u'\n' + helpExitStatus() + u'\n';
}

OptionTable optionsOfArguments(const QStringList &arguments) { return optionsOfMode(modesIn(arguments).value(0)); }

int runConvert(const QStringList &arguments, FileStore &files, PictureLoader &loader)
{
    if (mentions(arguments, "--help")) {
        std::fputs(qUtf8Printable(helpText()), stdout);
        return kExitOk;
    }
    if (mentions(arguments, "--version")) {
        std::printf("dotlark-convert %s\n%s", DOTLARK_VERSION, Licence::notice);
        return kExitOk;
    }
    const QStringList modes = modesIn(arguments);
    if (modes.size() > 1)
        return usageError(Convert::tr("%1 do not go together").arg(listed(modes)));
    const QString mode = modes.value(0);
    const ParsedArguments parsed = parseArguments(arguments, optionsOfMode(mode));
    if (!parsed.invocation)
        return usageError(parsed.error);
    const Invocation &call = *parsed.invocation;
    const Command *command = findCommand(mode, call.files);
    if (!command)
        return filesDoNotFit(mode, call);
    for (const QString &option : call.options.keys())
        if (std::none_of(command->options.begin(), command->options.end(),
                         [&](const OptionRule &rule) { return rule.name == option; }))
            return usageError(Convert::tr("%1 does not go with this command").arg(option));
    if (const int refused = checkFileNames(call, command->options); refused != kExitOk)
        return refused;
    Context context{call, files, loader, {}};
    // Every file after the first is an output; none is rewritten after another program
    // changed it while the command worked (a large picture takes a while to scale).
    for (const QString &output : call.files.mid(1))
        context.outputsAtStart.insert(output, files.identify(output));
    return command->run(context);
}
