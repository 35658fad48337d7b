// The fish being edited and when it changed: TForm1 edits through it, and the
// undo history listens to its steps.

#include "FishDocument.h"

bool FishDocument::Settle() {
    if (fish_ == settled_) return false;
    ++revision_;
    const Fish before = settled_;
    settled_ = fish_;
    for (const Listener& listener : listeners_) listener(before, settled_);
    return true;
}

void FishDocument::Replace(const Fish& fish) {
    fish_ = fish;
    if (fish_ == settled_) return;
    ++revision_;
    settled_ = fish_;
}
