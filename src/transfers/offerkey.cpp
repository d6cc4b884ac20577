// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfers/offerkey.h"

#include <stdexcept>

#include "util/arith.h"

namespace vm {
namespace {

bool digits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

int number(std::string_view s) {
    if (!digits(s)) throw std::logic_error("transfer record holds no number: " + std::string(s));
    int v = 0;
    for (char c : s) v = v * 10 + (c - '0');
    return v;
}

constexpr std::size_t kHeadLength = 13;  // "TT,PPP,AAAAAA"

}  // namespace

std::string offerkey(int owner, int index) {
    return pad(owner, 2) + "," + pad(index, 3);
}

std::optional<KeyParts> parsekey(std::string_view key) {
    if (key.size() != 6 || key[2] != ',' || !digits(key.substr(0, 2)) || !digits(key.substr(3)))
        return std::nullopt;
    return KeyParts{number(key.substr(0, 2)), number(key.substr(3))};
}

int cellnumber(const std::string& cell) {
    try {
        std::size_t used = 0;
        const int v = std::stoi(cell, &used);
        if (used == cell.size()) return v;
    } catch (const std::exception&) {
    }
    throw std::logic_error("market cell holds no number: " + cell);
}

std::string pricetext(int price) {
    return pad(limit(price, 0, kMaxPrice), 6);
}

int BookRecord::owner() const {
    return number(std::string_view(key).substr(0, 2));
}
int BookRecord::index() const {
    return number(std::string_view(key).substr(3, 3));
}

BookRecord parserecord(std::string_view record) {
    const std::size_t slash = record.find('/');
    std::string_view head = record.substr(0, slash);
    if (head.size() < kHeadLength) throw std::logic_error("offer record too short: " + std::string(record));
    head = head.substr(head.size() - kHeadLength);
    BookRecord r;
    r.key = std::string(head.substr(0, 6));
    if (!parsekey(r.key) || head[6] != ',')
        throw std::logic_error("offer record with a broken head: " + std::string(record));
    r.price = number(head.substr(7));
    std::size_t at = slash;
    while (at != std::string_view::npos) {
        const std::size_t next = record.find('/', at + 1);
        std::string_view part = record.substr(at + 1, next == std::string_view::npos ? next : next - at - 1);
        if (part.size() != 4 || part[1] != ',')
            throw std::logic_error("offer record with a broken offer: " + std::string(record));
        r.offers.emplace_back(part);
        at = next;
    }
    return r;
}

std::string recordtext(const BookRecord& r) {
    std::string s = r.key + "," + pricetext(r.price);
    for (const auto& o : r.offers) s += "/" + o;
    return s;
}

int offerpriority(std::string_view offer) {
    return number(offer.substr(0, 1));
}
int offerclub(std::string_view offer) {
    return number(offer.substr(2, 2));
}

std::string movetext(std::string_view key, int price, char round, std::string_view buyer) {
    return std::string(key) + "," + pricetext(price) + "," + round + "," + std::string(buyer);
}

Move parsemove(std::string_view record) {
    if (record.size() != 18) throw std::logic_error("move record of the wrong width: " + std::string(record));
    return Move{number(record.substr(0, 2)), number(record.substr(3, 3)), number(record.substr(7, 6)),
                number(record.substr(14, 1)), number(record.substr(16, 2))};
}

}  // namespace vm
