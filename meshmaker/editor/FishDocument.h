#pragma once
// The fish being edited and the one place that says "the fish changed".
//
// Handlers change the fish through Edit(). After each user event whoever
// dispatched it calls Settle(): when the fish differs from what it was after
// the previous event, the revision moves and the listeners hear of the step,
// with the fish before and after it. Hover, picks and zoom change no fish
// and move nothing. Replace() sets a whole fish (undo and redo, a resumed
// session): the revision moves, but it is no step of the user's.

#include "Fish.h"

#include <functional>
#include <vector>

class FishDocument {
public:
    const Fish& Current() const { return fish_; }
    Fish& Edit() { return fish_; }

    // Counts the steps: moves exactly when the fish has changed.
    int Revision() const { return revision_; }

    // Ends an event; true when the fish changed during it.
    bool Settle();

    // Sets the whole fish at once, settled; the listeners are not called.
    void Replace(const Fish& fish);

    // Called after every settled user step with the fish before and after it.
    using Listener = std::function<void(const Fish& before, const Fish& after)>;
    void OnStep(Listener listener) { listeners_.push_back(std::move(listener)); }

private:
    Fish fish_;
    Fish settled_; // the fish as it was after the last settled event
    int revision_ = 0;
    std::vector<Listener> listeners_;
};
