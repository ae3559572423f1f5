#pragma once

#include <deque>
#include <optional>

// The next of a fake dialog's scripted answers; nothing (cancelled) when the script is out.
inline std::optional<int> nextAnswer(std::deque<int> &answers)
{
    if (answers.empty())
        return std::nullopt;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}
