#pragma once
// Which recording plays when one ends, and whether a recording can be played without the H.265
// warning. A recording's partner (the other camera's file) sorts next to it and plays beside it.

#include <optional>

namespace vemora {

class CRecordingLibrary;

struct NextRecordingChoice {
    int row = 0;           // the recording to play
    bool wrapped = false;  // the current one was the last (or its partner was): the first again
    int checkedFirst = -1; // the row after the current one, checked for H.265 before; -1 none
};

// Nothing with an empty list.
std::optional<NextRecordingChoice> ChooseNextRecording(const CRecordingLibrary& library);

// False when the recording or its partner is H.265 and the machine cannot decode H.265
// (hevcDecode). A row outside the list is playable.
bool CanPlayRecording(const CRecordingLibrary& library, int index, bool hevcDecode);

} // namespace vemora
