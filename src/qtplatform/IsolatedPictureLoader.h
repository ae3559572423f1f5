#pragma once

#include "platform/PictureLoader.h"

class Progress;

// Loads pictures in a separate process, dotlark-decode, which runs QtPictureLoader under
// limits (address space, 10 s of processor time, no file writing; see DecodeProtocol). A
// file that crashes a reader, exhausts its memory or makes it loop costs only the helper: the load
// is refused, and the failure says what happened. The helper gets timeoutMs of wall
// clock time before it is killed; what it sends back is checked against
// QtPictureLoader::kMaxPixels before anything is allocated for it.
//
// While the helper works, the caller's event loop keeps running (windows repaint, timers
// fire); a Progress, when given, keeps the user's commands away meanwhile and offers
// Cancel, which ends the helper at once: the load is then refused.
class IsolatedPictureLoader : public PictureLoader
{
public:
    static constexpr int kDefaultTimeoutMs = 10000;

    // helper: the dotlark-decode program to run; empty means findHelper().
    explicit IsolatedPictureLoader(QString helper = {}, int timeoutMs = kDefaultTimeoutMs,
                                   Progress *progress = nullptr);

    Outcome<QImage> load(const QString &path) override;
    // The hint goes to the helper, which reads only what it asks (see QtPictureLoader).
    Outcome<LoadedPicture> loadFor(const QString &path, const LoadHint &hint) override;

    // dotlark-decode beside the running program (the build tree), else in the helpers' folder
    // of the prefix the program is installed under (../libexec/dotlark from its bin folder);
    // empty when neither has it.
    static QString findHelper();

private:
    QString m_helper;
    int m_timeoutMs;
    Progress *m_progress;
};
