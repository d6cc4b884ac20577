// SPDX-License-Identifier: GPL-3.0-or-later
// The scans of a tick over all the men: which own man is nearest each
// opponent (marking), which men of one side meet a man of the other (body
// contests) and who has left the pitch. All work on whole-unit positions
// only, so every way of computing them gives the same answer to the bit; the
// fastest way the processor offers is chosen once, as the program starts.
#pragma once

#include <array>

#include "match/tman.h"

namespace vm {

// The individual ways of scanning, open for tests that compare them.
namespace scans {

std::array<int, 10> nearestmenBaseline(const Tmteam& own, const Tmteam& opp);
unsigned meetersBaseline(const Tmteam& a, const Tmteam& b);
unsigned inboxBaseline(const Tmteam& team, int left, int top, int right, int bottom);
unsigned nearballBaseline(const Tmteam& a, const Tmteam& b, int x, int y);

// Whether the AVX2 ways are to be taken: the processor has AVX2 and `plain`
// (the value of VELLMORA_PLAIN) is unset, empty or "0". Any other value forces
// the plain ways, which play the same matches, on any processor.
bool avx2Wanted(const char* plain);

// The AVX2 ways: only where haveAvx2() says they are wanted.
extern const bool kAvx2;  // avx2Wanted(VELLMORA_PLAIN), set as the program starts; false before
inline bool haveAvx2() {
    return kAvx2;
}
std::array<int, 10> nearestmenAvx2(const Tmteam& own, const Tmteam& opp);
unsigned meetersAvx2(const Tmteam& a, const Tmteam& b);
unsigned nearballAvx2(const Tmteam& a, const Tmteam& b, int x, int y);

}  // namespace scans

// For each opponent 1..10, the index of the own man (0..10) nearest to him;
// the first of equally near men.
inline std::array<int, 10> nearestmen(const Tmteam& own, const Tmteam& opp) {
    return scans::haveAvx2() ? scans::nearestmenAvx2(own, opp) : scans::nearestmenBaseline(own, opp);
}

// The men of `a` (bit i for man i) who meet any man of `b` (both
// differences below 6).
inline unsigned meeters(const Tmteam& a, const Tmteam& b) {
    return scans::haveAvx2() ? scans::meetersAvx2(a, b) : scans::meetersBaseline(a, b);
}

// The men (bit i for man i) whose whole-unit position lies strictly inside
// left < x < right, top < y < bottom.
inline unsigned inbox(const Tmteam& team, int left, int top, int right, int bottom) {
    return scans::inboxBaseline(team, left, top, right, bottom);
}
// The men of both sides whose square meets the ball's at (x, y): whose
// whole-unit position lies strictly within 4 of it both ways. Bit i is man i
// of `a`, bit 16 + i man i of `b`.
inline unsigned nearball(const Tmteam& a, const Tmteam& b, int x, int y) {
    return scans::haveAvx2() ? scans::nearballAvx2(a, b, x, y) : scans::nearballBaseline(a, b, x, y);
}

// The men whose whole-unit position is not strictly inside the lines where
// men are kept.
unsigned offpitch(const Tmteam& team);

}  // namespace vm
