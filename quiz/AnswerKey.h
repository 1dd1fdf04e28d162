#pragma once

#include <array>
#include <string_view>

#include "PairIndex.h"

namespace quiz {

// The fixed content of the quiz: what each pair's two option buttons say and
// on which row of its column each is shown. It is not a list of answers; the
// answer is the PairIndex itself. Texts are UTF-8 and exact to the blank.
struct AnswerPair {
    std::string_view name;
    int nameRow;  // 1 = top of the names column
    std::string_view place;
    int placeRow;  // 1 = top of the countries/periods column
};

inline constexpr std::array<AnswerPair, kPairCount> AnswerKey{{
    {"Кедрова", 1, "Ливан 2005", 6},
    {"Културна", 2, "Китай 1966-1976", 5},
    {"Мирна", 3, "ГДР 1989/1990", 2},
    {"на астрите", 4, "Унгария 1918", 11},
    {"на карамфилите", 5, "Португалия 1974", 7},
    {"на лалетата", 6, "Киргистан 2005", 4},
    {"на розите ", 7, "Грузия 2003", 3},
    {"Нежна", 8, "Чехословакия  1989", 12},
    {"Октомврийска", 9, "Русия 1917 ", 9},
    {"Оранжева", 10, "Украйна 2004", 10},
    {"Пееща", 11, "Прибалтийски републики 1987-1991", 8},
    {"Славна", 12, "Англия 1688 ", 1},
}};

namespace detail {

template <typename RowOf>
constexpr bool RowsArePermutation(RowOf rowOf) {
    std::array<bool, kPairCount + 1> seen{};
    for (const AnswerPair& pair : AnswerKey) {
        const int row = rowOf(pair);
        if (row < 1 || row > kPairCount || seen[static_cast<std::size_t>(row)]) return false;
        seen[static_cast<std::size_t>(row)] = true;
    }
    return true;
}

constexpr bool NamesInPairOrder() {
    for (std::size_t i = 0; i < AnswerKey.size(); ++i)
        if (AnswerKey[i].nameRow != static_cast<int>(i) + 1) return false;
    return true;
}

}  // namespace detail

static_assert(detail::RowsArePermutation([](const AnswerPair& p) { return p.nameRow; }),
              "every name needs its own row, 1 to 12");
static_assert(detail::RowsArePermutation([](const AnswerPair& p) { return p.placeRow; }),
              "every country/period needs its own row, 1 to 12");
static_assert(detail::NamesInPairOrder(), "names are shown in PairIndex order");

}  // namespace quiz
