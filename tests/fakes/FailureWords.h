#pragma once

#include "platform/FailureText.h"

// The words a result shows the user: empty when it succeeded.
template<class T>
QString wordsOf(const Outcome<T> &outcome)
{
    return outcome ? QString() : describe(outcome.failure());
}
