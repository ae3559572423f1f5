// File > Import Scaled...: a picture of any size scaled onto the picture shown, through the
// dialog with its preview, and plotted as File > Import plots.

#include "canvas/CanvasView.h"
#include "import/ScaledImport.h"
#include "platform/Messages.h"
#include "platform/PictureLoader.h"
#include "platform/Settings.h"
#include "shell/DialogQuestions.h"
#include "shell/MainWindow.h"
#include "shell/RecentList.h"
#include "shell/ScaledImportQuestion.h"

#include <QDir>
#include <QStringList>

namespace {
const QString kSection = QStringLiteral("Import Scaled");
const QString kKey = QStringLiteral("Last");

// The last accepted choice, kept between runs as "placement tone threshold invert
// brightness contrast replace" in numbers; anything unreadable gives the defaults.
ScaledImportChoice rememberedChoice(Settings &settings)
{
    const QStringList words =
        settings.value(RecentList::kSettingsApp, kSection, kKey, {}).split(u' ', Qt::SkipEmptyParts);
    int values[7] = {};
    if (words.size() != 7)
        return {};
    const int limits[7][2] = {{0, 3}, {0, 2}, {0, 256}, {0, 1}, {-100, 100}, {-100, 100}, {0, 1}};
    for (int i = 0; i < 7; ++i) {
        bool ok = false;
        values[i] = words[i].toInt(&ok);
        if (!ok || values[i] < limits[i][0] || values[i] > limits[i][1])
            return {};
    }
    ScaledImportChoice choice;
    choice.settings = {Placement(values[0]), Tone(values[1]), values[2], values[3] == 1, values[4], values[5]};
    choice.replace = values[6] == 1;
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
                          .arg(choice.replace ? 1 : 0));
}
} // namespace

ScaledImportQuestion &MainWindow::scaledImportQuestion()
{
    if (m_services.scaledImport)
        return *m_services.scaledImport;
    if (!m_ownQuestions) {
        m_ownQuestions = std::make_unique<DialogQuestions>(m_services.messages);
        m_ownQuestions->setParent(this);
    }
    return *m_ownQuestions;
}

void MainWindow::miImportScaled_Click()
{
    const auto file = m_services.dialogs.openFile(importRequest());
    if (!file)
        return;
    // The target is the picture on the canvas, which is where File > Import plots too:
    // 160 x 77 at start-up and after ClrDraw on the screen, the picture's size otherwise.
    const QSize target(Picture1->scaleWidth(), Picture1->scaleHeight());
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
    const ScaleSource source(scaled->image, actual->image, scaled->fullSize, target);
    const std::optional<ScaledImportAnswer> answer =
        scaledImportQuestion().askScaledImport(source, file->path, m_session.document().Pixels,
                                               rememberedChoice(m_services.settings));
    if (!answer)
        return;
    remember(m_services.settings, answer->choice);
    plotScaled(*answer);
}

// A file that ends before its picture does was read as far as it goes, the rest filled in:
// the user decides whether that is worth importing. True to import it.
bool MainWindow::importCutShort(const QString &path)
{
    const QString text = QStringLiteral("The file %1 is damaged: it ends before its picture does. "
                                        "Import the part that could be read?")
                             .arg(QDir::toNativeSeparators(path));
    return m_services.messages.show(text, QStringLiteral("Import..."), Messages::Icon::Exclamation,
                                    Messages::Buttons::YesNo)
           == Messages::Answer::Yes;
}

// As File > Import: the picture has no file and counts as drawn on, the Pen is the tool,
// and every pixel goes through PlotPixel so that the whole import is one step.
void MainWindow::plotScaled(const ScaledImportAnswer &answer)
{
    m_session.forgetFile();
    m_session.document().menus.imported();
    updateActions();
    m_tools.miTool_Click(Tool::Pen);
    const PixelGrid &pixels = answer.pixels;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const bool black = pixels.at(x, y) != 0;
            if (!black && !answer.choice.replace)
                continue; // adding: what the picture holds there stays
            m_tools.setCurrentTool(black ? Tool::Pen : Tool::Erase);
            m_tools.PlotPixel(x, y);
        }
    m_tools.setCurrentTool(Tool::Pen);
    m_tools.endChange();
}
