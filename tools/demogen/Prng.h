#pragma once

#include <QtGlobal>
#include <utility>

// A small deterministic random generator (SplitMix64): the same seed gives the
// same installation on every machine and with every standard library.
class Prng {
public:
    explicit Prng(quint64 seed) : m_state(seed) {}

    quint64 Next();
    // A number from 0 to n - 1 (n > 0).
    int Below(int n);
    // A number from lo to hi, both included (lo <= hi).
    int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
    // True in about percent out of 100 calls.
    bool Chance(int percent) { return Below(100) < percent; }

    // Fisher-Yates shuffle of any random-access container.
    template <typename Container>
    void Shuffle(Container& items)
    {
        for (int i = int(items.size()) - 1; i > 0; --i) {
            const int j = Below(i + 1);
            std::swap(items[i], items[j]);
        }
    }

private:
    quint64 m_state;
};
