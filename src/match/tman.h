// SPDX-License-Identifier: GPL-3.0-or-later
// The men on the pitch and the ball, as the match engine moves them every
// tick. A side is filled from a club's line-up by Tplayer::manmake / Tteam::matchteam.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <type_traits>

namespace vm {

// One man, as a value: what manmake fills and what a substitution brings on.
struct Tman {
    std::string name;
    int x = 0, y = 0;          // whole-unit position (rounded fx, fy)
    int basex = 0, basey = 0;  // formation spot
    double speed = 0;          // units per tick
    double swerve = 0;         // curl of his kicks
    double fx = 0, fy = 0;     // exact position
    int power = 0;             // strength in body contests
    int control = 0;           // ball control
    // the misses of his passes, shots, crosses and dribbles: 110 - skill
    int passerr = 0, shooterr = 0, crosserr = 0, dribbleerr = 0;
    int role = 0;  // position type at
    int stun = 0;  // ticks out of contests; 0 = active
};

class Tmteam;

// One man of a side, seen in place: the same fields as Tman, each a
// reference into the side's columns, so `team[i].x = 5` moves him. Passed
// by value, like an iterator.
template <bool Const>
struct Tmanview {
    template <class T>
    using Ref = std::conditional_t<Const, const T&, T&>;
    using Team = std::conditional_t<Const, const Tmteam, Tmteam>;

    Ref<std::string> name;
    Ref<int> x, y, basex, basey;
    Ref<double> speed, swerve, fx, fy;
    Ref<int> power, control, passerr, shooterr, crosserr, dribbleerr, role, stun;

    Tmanview(Team& team, int i);
    // A man seen for change can be seen read-only.
    Tmanview(const Tmanview<false>& m) requires(Const);

    // The man as a value.
    explicit operator Tman() const;
    // Puts the whole man `m` in this place (a view assigns through, as an
    // element of the side would).
    const Tmanview& operator=(const Tman& m) const requires(!Const) { return assign(m); }
    const Tmanview& operator=(const Tmanview& m) const requires(!Const) { return assign(m); }
    template <bool C>
    const Tmanview& operator=(const Tmanview<C>& m) const requires(!Const) {
        return assign(m);
    }

private:
    template <class M>
    const Tmanview& assign(const M& m) const;
};

using Tmanref = Tmanview<false>;
using Tmancref = Tmanview<true>;

// One side's eleven: index 0 the goalkeeper, 1..10 the outfield slots.
//
// The fields the movement rules read for the whole side every tick are kept
// as columns (one array per field, a man's value at his index), so that four
// or eight men's values are one read. The columns run past the eleven to
// whole vectors: the spare places hold a man far from the pitch who stands
// still, has no position type and is never stunned; nothing writes them but
// the walk, which leaves a man without orders where he is.
class Tmteam {
public:
    static constexpr int kMen = 11;
    static constexpr int kFar = -10000;  // the spare places' position

    alignas(32) std::array<int, 16> x{}, y{};          // whole-unit positions
    alignas(32) std::array<int, 16> basex{}, basey{};  // formation spots
    alignas(32) std::array<int, 16> role{}, stun{};
    alignas(32) std::array<double, 12> fx{}, fy{};  // exact positions
    alignas(32) std::array<double, 12> speed{};
    // The fields read man by man, when a man kicks or contests.
    std::array<double, kMen> swerve{};
    std::array<int, kMen> power{}, control{}, passerr{}, shooterr{}, crosserr{}, dribbleerr{};
    std::array<std::string, kMen> name;

    // Eleven men with every field 0 (and no names).
    Tmteam();

    Tmanref operator[](int i) { return {*this, i}; }
    Tmancref operator[](int i) const { return {*this, i}; }
    static constexpr int size() { return kMen; }

    // The men in order, each as a view.
    template <bool Const>
    class Iterator {
    public:
        using Team = std::conditional_t<Const, const Tmteam, Tmteam>;
        Iterator(Team& team, int i) : team_(&team), i_(i) {}
        Tmanview<Const> operator*() const { return {*team_, i_}; }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const Iterator& o) const { return i_ == o.i_; }

    private:
        Team* team_;
        int i_;
    };
    Iterator<false> begin() { return {*this, 0}; }
    Iterator<false> end() { return {*this, kMen}; }
    Iterator<true> begin() const { return {*this, 0}; }
    Iterator<true> end() const { return {*this, kMen}; }
};

template <bool Const>
Tmanview<Const>::Tmanview(Team& t, int i)
    : name(t.name[i]),
      x(t.x[i]),
      y(t.y[i]),
      basex(t.basex[i]),
      basey(t.basey[i]),
      speed(t.speed[i]),
      swerve(t.swerve[i]),
      fx(t.fx[i]),
      fy(t.fy[i]),
      power(t.power[i]),
      control(t.control[i]),
      passerr(t.passerr[i]),
      shooterr(t.shooterr[i]),
      crosserr(t.crosserr[i]),
      dribbleerr(t.dribbleerr[i]),
      role(t.role[i]),
      stun(t.stun[i]) {}

template <bool Const>
Tmanview<Const>::Tmanview(const Tmanview<false>& m) requires(Const)
    : name(m.name),
      x(m.x),
      y(m.y),
      basex(m.basex),
      basey(m.basey),
      speed(m.speed),
      swerve(m.swerve),
      fx(m.fx),
      fy(m.fy),
      power(m.power),
      control(m.control),
      passerr(m.passerr),
      shooterr(m.shooterr),
      crosserr(m.crosserr),
      dribbleerr(m.dribbleerr),
      role(m.role),
      stun(m.stun) {}

template <bool Const>
Tmanview<Const>::operator Tman() const {
    return {name,  x,       y,       basex,    basey,    speed,      swerve, fx,  fy,
            power, control, passerr, shooterr, crosserr, dribbleerr, role,   stun};
}

template <bool Const>
template <class M>
const Tmanview<Const>& Tmanview<Const>::assign(const M& m) const {
    name = m.name;
    x = m.x;
    y = m.y;
    basex = m.basex;
    basey = m.basey;
    speed = m.speed;
    swerve = m.swerve;
    fx = m.fx;
    fy = m.fy;
    power = m.power;
    control = m.control;
    passerr = m.passerr;
    shooterr = m.shooterr;
    crosserr = m.crosserr;
    dribbleerr = m.dribbleerr;
    role = m.role;
    stun = m.stun;
    return *this;
}

inline Tmteam::Tmteam() {
    for (int i = kMen; i < 16; ++i) x[i] = y[i] = basex[i] = basey[i] = kFar;
    fx[kMen] = fy[kMen] = kFar;
}

// The ball.
struct ballstate {
    int x = 0, y = 0;
    double fx = 0, fy = 0;
    double z = 0;
    double spin = 0;   // change of flight direction per tick, radians
    double speed = 0;  // ground speed per tick
    double vz = 0;     // vertical speed per tick
    double angle = 0;  // direction of travel, radians (0 = +x)
    bool postflag = false;
};

}  // namespace vm
