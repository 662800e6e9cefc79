#pragma once
// Moving the entries of a sparse map (cell texts, records, hints) when rows
// or columns move.
#include <utility>

namespace gridmaps {

// Exchanges the entries at keys `a` and `b`; an entry alone moves to the other key.
template <class Map>
void swapEntries(Map& m, const typename Map::key_type& a, const typename Map::key_type& b)
{
    auto ia = m.find(a), ib = m.find(b);
    if (ia != m.end() && ib != m.end()) {
        std::swap(ia->second, ib->second);
    } else if (ia != m.end() || ib != m.end()) {
        auto node = m.extract(ia != m.end() ? ia : ib);
        node.key() = ia != m.end() ? b : a;
        m.insert(std::move(node));
    }
}

// Gives every entry the key `keyMap` makes of its own.
template <class Map, class F>
void remapKeys(Map& m, F keyMap)
{
    Map out;
    while (!m.empty()) {
        auto node = m.extract(m.begin());
        node.key() = keyMap(node.key());
        out.insert(std::move(node));
    }
    m.swap(out);
}

}  // namespace gridmaps
