#pragma once
// Polish number agreement: the form a noun takes after a count. 1 takes its own form ("1 pole");
// counts whose last digit is 2, 3 or 4, except 12, 13 and 14, take the form of a few ("2, 22 pola");
// every other count, 0 and 5 to 21 among them, the form of many ("0, 5, 12, 25 pól").

#include <cstdint>

namespace klarvo::polish {

enum class CountForm { One, Few, Many };

constexpr CountForm FormAfter(std::int64_t count) {
    const std::int64_t magnitude = count < 0 ? -count : count;
    if (magnitude == 1) return CountForm::One;
    const std::int64_t lastTwo = magnitude % 100, last = magnitude % 10;
    return last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14) ? CountForm::Few : CountForm::Many;
}

// The three forms of a word, in the order of CountForm.
template <class Word>
struct Forms {
    Word one, few, many;

    constexpr const Word& After(std::int64_t count) const {
        switch (FormAfter(count)) {
            case CountForm::One: return one;
            case CountForm::Few: return few;
            default: return many;
        }
    }
};

}  // namespace klarvo::polish
