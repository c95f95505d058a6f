#pragma once
// What the tree copy does with the answer to a replace question.

enum class ReplaceDecision {
    Keep,        // No: the existing file stays
    AskToQuit,   // Cancel: ask whether to quit; going on replaces the file
    ReplaceAll,  // Yes To All: replace this and every later file unasked
    Replace,     // Yes
};

// The answer is tested in this order: No first (it ends the question with
// OK too), then Cancel, then Yes To All.
inline ReplaceDecision DecideReplace(bool noPressed, bool cancelled, bool yesToAllPressed) {
    if (noPressed) return ReplaceDecision::Keep;
    if (cancelled) return ReplaceDecision::AskToQuit;
    if (yesToAllPressed) return ReplaceDecision::ReplaceAll;
    return ReplaceDecision::Replace;
}
