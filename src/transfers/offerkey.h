// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the market passes around, with their fixed widths: the offer key
// "TT,PPP", the offer-book record "TT,PPP,AAAAAA/p,CC/p,CC..." and the move
// record "TT,PPP,AAAAAA,p,CC". The settlement orders records by sorting these
// texts, so they stay text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

inline constexpr int kPoolOwner = 99;
// The largest price six digits can hold; asking prices never go beyond it.
inline constexpr int kMaxPrice = 999999;
// The largest roster or pool index three digits can hold.
inline constexpr int kMaxKeyIndex = 999;

struct KeyParts {
    int owner = 0;
    int index = 0;
};

// "%.2d" of the owner, a comma, "%.3d" of the index.
std::string offerkey(int owner, int index);
// The parts of a key of exactly that form; nothing for anything else.
std::optional<KeyParts> parsekey(std::string_view key);

// A whole number written by the market into one of its table cells.
int cellnumber(const std::string& cell);

// A price as six digits, limited to 0..999999 so the record keeps its width.
std::string pricetext(int price);

// One target of the offer book.
struct BookRecord {
    std::string key;                  // "TT,PPP"
    int price = 0;                    // asking price
    std::vector<std::string> offers;  // "p,CC", in the record's order
    int owner() const;
    int index() const;
};

// Reads a record; a round prefix in front of the 13-character head is dropped.
BookRecord parserecord(std::string_view record);
// The record's text without a round prefix.
std::string recordtext(const BookRecord& r);
// Priority digit and club number of one "p,CC" part.
int offerpriority(std::string_view offer);
int offerclub(std::string_view offer);

// One settled transfer.
struct Move {
    int seller = 0;
    int index = 0;
    int price = 0;
    int round = 0;
    int buyer = 0;
};

std::string movetext(std::string_view key, int price, char round, std::string_view buyer);
Move parsemove(std::string_view record);

}  // namespace vm
