// SPDX-License-Identifier: GPL-3.0-or-later
// The league manager's season operations: building both divisions at the
// season start, and at the season end the final tables, history, prize money,
// popularity, ageing, season mood, career records, coaches, and promotion and
// relegation. Also the manager's binary form inside a saved game.
#pragma once

namespace vm {

class World;
class Tplayer;
class InStream;
class OutStream;

// Resets every roster player's season figures, writes the career entries and
// builds Division 1 and 2 with their schedules into world.leagues.
void seasonstart(World& world);

// The season-end mood change of one roster player by his club's final position
// (0 = champion) in division 1 or 2, and the extra loss of one who hardly played.
void seasonmood(Tplayer& player, int division, int position);

// Prize money by division and final position.
int prizemoney(int division, int position);

// Closes the season: both divisions are ranked, the rank file of Division 2's
// last club and the user's history line are written, the clubs are paid and
// aged, two clubs go up and two down, the season number advances and the
// divisions are freed. Files are written before anything else changes, so a
// failed write leaves the season as it was.
void seasonend(World& world);

// The league manager with the divisions when a season runs.
void kanrisave(const World& world, OutStream& s);
// Reads the league manager (and the divisions when the flag says so). Every
// field is checked first; on damage FormatError is thrown and the world is
// left as it was.
void kanriload(World& world, InStream& s);

}  // namespace vm
