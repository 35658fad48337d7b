#pragma once
// The tool modes: what the side view shows and what the mouse does there.

enum ToolModes : int {
    ModeNone = 0,
    ModeBody = 1,
    ModeTail = 2,
    ModeDorsal = 3,
    ModeVentral = 4,
    ModeAnal = 5,
    ModePectoral = 6,
    ModeFront = 7,
    ModeWhisker = 8,
    ModeEye = 9,
    ModeDorsalRange = 103,
    ModeVentralRange = 104,
    ModeAnalRange = 105,
    ModePectoralPlacing = 106,
    ModeWhiskerRange = 108,
    ModeEyePlaced = 109,
};
