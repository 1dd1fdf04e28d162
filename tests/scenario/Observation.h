#pragma once

#include <string>
#include <string_view>
#include <vector>

// What a pupil meets after a step, as every edition's driver reads it: the
// message box (line breaks as CR LF), both count captions, the checked and
// the disabled option buttons and the focused control (by their names,
// "Option1_3"; no focus is ""), and the last thing a screen reader was told.
namespace scenario {

struct Observation {
    std::string feedback;
    std::string right;
    std::string wrong;
    std::vector<std::string> checked;   // sorted
    std::vector<std::string> disabled;  // sorted
    std::string focus;
    std::string told;

    friend bool operator==(const Observation&, const Observation&) = default;
};

// The observation with its lists in order, as every driver compares them.
[[nodiscard]] Observation Sorted(Observation o);

// A text as a JSON string.
[[nodiscard]] std::string Json(std::string_view text);

// One JSON object on one line, keys in a fixed order.
[[nodiscard]] std::string ToJson(const Observation& o);

// "field: got X, expected Y" for each field that differs.
[[nodiscard]] std::vector<std::string> Differences(const Observation& got,
                                                   const Observation& expected);

}  // namespace scenario
