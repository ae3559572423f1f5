#include "shell/ImportCommands.h"

#include "canvas/DrawingTools.h"
#include "import/PictureImport.h"
#include "import/ScaledImport.h"
#include "platform/FailureText.h"
#include "platform/Messages.h"
#include "platform/PictureLoader.h"
#include "platform/Settings.h"
#include "session/FileSession.h"
#include "session/RecentList.h"
#include "shell/DialogQuestions.h"
#include "shell/ScaledImportQuestion.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QStringList>

#include <optional>

namespace {
const QString kSection = QStringLiteral("Import Scaled");
const QString kKey = QStringLiteral("Last");

// The endings of every kind of picture the loader reads: Qt's image formats as installed
// (the helper reads with the same ones), the metafiles it plays and the other usual names of
// bitmaps, netpbm files and JPEGs.
QString allPicturePatterns()
{
    QStringList patterns{"*.wmf", "*.rle", "*.dib", "*.pnm", "*.jpe", "*.jfif"};
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    patterns.sort();
    patterns.removeDuplicates();
    return patterns.join(u';');
}

// The last accepted choice, kept between runs as "placement tone threshold invert
// brightness contrast replace levels" in numbers (the levels left out for black and white,
// as before there were grey levels); anything unreadable gives the defaults.
ScaledImportChoice rememberedChoice(Settings &settings)
{
    const QStringList words =
        settings.value(RecentList::kSettingsApp, kSection, kKey, {}).split(u' ', Qt::SkipEmptyParts);
    int values[8] = {0, 0, 0, 0, 0, 0, 0, 2};
    if (words.size() != 7 && words.size() != 8)
        return {};
    const int limits[8][2] = {{0, 3}, {0, 2}, {0, 256}, {0, 1}, {-100, 100}, {-100, 100}, {0, 1}, {2, 4}};
    for (int i = 0; i < int(words.size()); ++i) {
        bool ok = false;
        values[i] = words[i].toInt(&ok);
        if (!ok || values[i] < limits[i][0] || values[i] > limits[i][1] || (i == 7 && values[i] == 3))
            return {};
    }
    ScaledImportChoice choice;
    choice.settings = {Placement(values[0]), Tone(values[1]), values[2], values[3] == 1, values[4], values[5]};
    choice.replace = values[6] == 1;
    choice.levels = values[7];
    return choice;
}

void remember(Settings &settings, const ScaledImportChoice &choice)
{
    const ScaleSettings &s = choice.settings;
    settings.setValue(RecentList::kSettingsApp, kSection, kKey,
                      QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                          .arg(int(s.placement))
                          .arg(int(s.tone))
                          .arg(s.threshold)
                          .arg(s.invert ? 1 : 0)
                          .arg(s.brightness)
                          .arg(s.contrast)
                          .arg(choice.replace ? 1 : 0)
                      + (choice.levels == 4 ? QStringLiteral(" 4") : QString()));
}
} // namespace

ImportCommands::ImportCommands(Services services, FileSession &session, DrawingTools &tools, QLabel &preview,
                               QWidget &dialogParent)
    : m_services(services), m_session(session), m_tools(tools), m_preview(preview), m_dialogParent(dialogParent)
{
}

ImportCommands::~ImportCommands() = default;

QString ImportCommands::caption() { return tr("Import..."); }

FileDialogs::Request ImportCommands::request()
{
    FileDialogs::Request request;
    request.title = tr("Import a picture");
    // The designed filter stays first and chosen.
    request.filter = QStringLiteral("BMP, ICO, RLE, WMF,JPG,GIF|*.BMP;*.ICO;*.RLE;*.WMF;*.JPG;*.GIF|%1|%2"
                                    "|netpbm (PBM, PGM, PPM)|*.pbm;*.pgm;*.ppm;*.pnm|PNG|*.png")
                         .arg(tr("All pictures"), allPicturePatterns());
    request.defaultExtension = QStringLiteral("BMP");
    request.mustExist = true;
    return request;
}

void ImportCommands::importPicture(QSize shown)
{
    const auto choice = m_services.dialogs.openFile(request());
    if (!choice)
        return;
    // Only the top-left 160 x 77 is placed, and the window shows no more of it than its own
    // size: a large JPEG is decoded that far only, the same pixels as a whole read.
    const Outcome<LoadedPicture> loaded = m_services.pictures.loadFor(choice->path, LoadHint{{}, shown});
    if (!loaded)
        return refuseImport(loaded.failure()); // the picture stays as it was
    if (loaded->cutShort && !importCutShort(choice->path))
        return;
    const QImage &picture = loaded->image;
    if (askToImport(choice->path, picture)) {
        m_session.pictureImported();
        imported();
        // The import draws black with the Pen, and the Pen stays the tool: the menu shows it.
        m_tools.miTool_Click(Tool::Pen);
        // A picture's black lands black in a grey picture too, whatever level is chosen.
        const int ink = m_tools.ink();
        m_tools.setInk(3);
        ::importPicture(picture, [this](int x, int y) { m_tools.PlotPixel(x, y); });
        m_tools.setInk(ink);
        m_tools.endChange(); // the whole import is one step
    }
    m_preview.hide();
    m_preview.clear();
}

void ImportCommands::refuseImport(const Failure &failure)
{
    m_services.messages.show(tr("Can't import %1: %2").arg(failure.path, describe(failure, Wording::Phrase)), caption(),
                             Messages::Icon::Exclamation, Messages::Buttons::Ok);
}

// Shows the picture over the window's corner while asking; the caller hides it again.
bool ImportCommands::askToImport(const QString &path, const QImage &picture)
{
    m_preview.setPixmap(QPixmap::fromImage(picture));
    m_preview.resize(picture.size());
    m_preview.raise();
    m_preview.show();
    return m_services.messages.show(importQuestion(path), caption(), Messages::Icon::None, Messages::Buttons::YesNo)
           == Messages::Answer::Yes;
}

ScaledImportQuestion &ImportCommands::scaledImportQuestion()
{
    if (m_services.scaledImport)
        return *m_services.scaledImport;
    if (!m_ownQuestions) {
        m_ownQuestions = std::make_unique<DialogQuestions>(m_services.messages);
        m_ownQuestions->setParent(&m_dialogParent);
    }
    return *m_ownQuestions;
}

void ImportCommands::importScaled(QSize target)
{
    const auto file = m_services.dialogs.openFile(request());
    if (!file)
        return;
    std::optional<ScaleSource> source;
    {
        PictureLoader &loader = m_services.pictures;
        const Outcome<LoadedPicture> scaled = loader.loadFor(file->path, LoadHint{scaleCoverSize(target), {}});
        if (!scaled)
            return refuseImport(scaled.failure()); // the picture stays as it was
        // A picture read whole serves 1:1 as well; one read at a reduced size does not.
        Outcome<LoadedPicture> actual = scaled;
        if (scaled->image.size() != scaled->fullSize) {
            actual = loader.loadFor(file->path, LoadHint{{}, target});
            if (!actual)
                return refuseImport(actual.failure());
        }
        if ((scaled->cutShort || actual->cutShort) && !importCutShort(file->path))
            return;
        source.emplace(scaled->image, actual->image, scaled->fullSize, target);
    } // the pictures as decoded go before the dialog opens: the source keeps what it shows
    askAndPlot(*source, file->path);
}

void ImportCommands::importScaledImage(const QImage &image, const QString &name, QSize target)
{
    askAndPlot(ScaleSource(image, image, image.size(), target), name);
}

void ImportCommands::askAndPlot(const ScaleSource &source, const QString &name)
{
    const std::optional<ScaledImportAnswer> answer =
        scaledImportQuestion().askScaledImport(source, name, m_session.document().pixels(),
                                               m_session.document().levels(), rememberedChoice(m_services.settings));
    if (!answer)
        return;
    remember(m_services.settings, answer->choice);
    plotScaled(*answer);
}

// A file that ends before its picture does was read as far as it goes, the rest filled in:
// the user decides whether that is worth importing. True to import it.
bool ImportCommands::importCutShort(const QString &path)
{
    const QString text = tr("The file %1 is damaged: it ends before its picture does. "
                            "Import the part that could be read?")
                             .arg(QDir::toNativeSeparators(path));
    return m_services.messages.show(text, caption(), Messages::Icon::Exclamation, Messages::Buttons::YesNo)
           == Messages::Answer::Yes;
}

// As File > Import, the whole import one step of the history. Four grey levels make a
// black-and-white picture a grey one in that same step (its black staying black).
void ImportCommands::plotScaled(const ScaledImportAnswer &answer)
{
    m_session.pictureImported();
    m_tools.miTool_Click(Tool::Pen); // lands a floating selection first
    PictureDocument &document = m_session.document();
    PixelGrid result = importedLevels(answer.pixels, answer.choice.levels, document.pixels(), document.levels(),
                                        answer.choice.replace);
    if (answer.choice.levels > document.levels()) {
        document.transform(std::move(result), document.width(), document.height(), answer.choice.levels);
    } else {
        // Only the pixels that change, as a stroke records them.
        for (int y = 0; y < document.height(); ++y)
            for (int x = 0; x < document.width(); ++x)
                if (result.at(x, y) != document.pixels().at(x, y))
                    document.setPixel(x, y, result.at(x, y));
        m_tools.endChange();
    }
    imported();
}
