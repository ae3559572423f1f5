#pragma once

// Every service the main window takes, faked, with the Import Scaled dialog's answers.

#include "fakes/EditFakes.h"
#include "fakes/FakeProgress.h"
#include "fakes/GroupFakes.h"
#include "fakes/SourceFakes.h"
#include "fakes/LinkFakes.h"
#include "fakes/ShellFakes.h"
#include "shell/ScaledImportQuestion.h"
#include "shell/Services.h"

#include <deque>
#include <optional>

// Scripted answers to File > Import Scaled...: each answer's choice, with the pixels the
// dialog would show for it.
class FakeScaledImportQuestion : public ScaledImportQuestion
{
public:
    std::deque<std::optional<ScaledImportChoice>> choices; // nothing left = cancel
    int asked = 0;
    QString lastPath;
    ScaledImportChoice lastInitial;
    QSize lastTarget, lastFullSize;
    PixelGrid lastBeneath;
    int lastBeneathLevels = 0;
    std::optional<ScaledImportAnswer> askScaledImport(const ScaleSource &source, const QString &path,
                                                      const PixelGrid &beneath, int beneathLevels,
                                                      const ScaledImportChoice &initial) override
    {
        ++asked;
        lastPath = path;
        lastInitial = initial;
        lastTarget = source.target();
        lastFullSize = source.fullSize();
        lastBeneath = beneath;
        lastBeneathLevels = beneathLevels;
        if (choices.empty() || !choices.front()) {
            if (!choices.empty())
                choices.pop_front();
            return std::nullopt;
        }
        const ScaledImportChoice choice = *choices.front();
        choices.pop_front();
        return ScaledImportAnswer{choice, toneLevels(placePicture(source, choice.settings.placement), choice.settings,
                                                     choice.levels)};
    }
};

// All of them together, ready to hand to a main window.
struct FakeServices
{
    FakeMessages messages;
    FakeFileDialogs dialogs;
    FakeFileStore files;
    FakeSettings settings;
    FakePictureLoader pictures;
    FakePrintDialog printDialog;
    FakeProgramLauncher launcher;
    FakeDesktop desktop;
    FakeQuestions questions;
    FakeProgramRunner programs;
    FakeScaledImportQuestion scaledImport;
    FakeCalculator calculator;
    FakeLinkQuestions linkQuestions;
    FakeGroupQuestions groupQuestions;
    FakeSourceQuestions sourceQuestions;
    FakeProgress linkProgress;
    FakeEditQuestions editQuestions;
    Services services()
    {
        calculator.files = &files;
        Services all{messages, dialogs, files, settings, pictures, printDialog, launcher, desktop, questions, programs,
                     &scaledImport};
        all.calculatorLink = calculator.factory();
        all.linkProgress = &linkProgress;
        all.linkQuestions = &linkQuestions;
        all.groupQuestions = &groupQuestions;
        all.sourceQuestions = &sourceQuestions;
        all.editQuestions = &editQuestions;
        return all;
    }
};
