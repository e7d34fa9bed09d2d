#pragma once
// The hand-over records of the curve timers: a handler writes the value it
// defers, arms its 1 ms one-shot timer, and the timer applies the last
// value written. Each timer owns its record, so a drag or a crossover edit
// that lands before the EQ timer fires never hands that timer another
// editor's channel or a Q index in place of a Q value.

namespace korvan::editors {

struct PendingPeqEdit {
    // PEQ faders: 0 frequency, 1 Q, 2 gain. Crossover edits and corner
    // drags: 1 high-pass, 0 low-pass.
    int Kind = 0;
    int Channel = 0;
    double GainDb = 0.0;
    // The Q index from the Q fader, the Q value from a band drag.
    float Q = 0.0f;
    float FreqHz = 0.0f;
    int Bypass = 0;
    int TypeIndex = 0;
    int Band = 0;
    int CrossoverType = 0;
};

} // namespace korvan::editors
