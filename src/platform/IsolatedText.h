#pragma once

#include <QString>

// A name (a file's, a user's) set into a sentence so that its own writing direction stays
// inside it: a right-to-left override in a file name must not reverse the sentence around
// it. The name goes between U+2068 (first strong isolate) and U+2069 (pop directional
// isolate); a U+2069 of its own that would end that early is shown as U+FFFD, and the
// isolates it opens and leaves open are closed before the sentence goes on.
QString isolated(const QString &name);
