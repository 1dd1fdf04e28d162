#include "Observation.h"

#include <algorithm>

namespace scenario {

std::string Json(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out.append(1, '\\').append(1, c);
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out + '"';
}

namespace {

std::string JsonList(const std::vector<std::string>& list) {
    std::string out = "[";
    for (const std::string& item : list) out += (out.size() > 1 ? ", " : "") + Json(item);
    return out + "]";
}

std::string Show(const std::string& text) { return Json(text); }
std::string Show(const std::vector<std::string>& list) { return JsonList(list); }

template <typename T>
void Compare(std::vector<std::string>& out, const char* field, const T& got, const T& expected) {
    if (!(got == expected))
        out.push_back(std::string(field) + ": got " + Show(got) + ", expected " + Show(expected));
}

}  // namespace

Observation Sorted(Observation o) {
    std::sort(o.checked.begin(), o.checked.end());
    std::sort(o.disabled.begin(), o.disabled.end());
    return o;
}

std::string ToJson(const Observation& o) {
    return "{\"feedback\": " + Json(o.feedback) + ", \"right\": " + Json(o.right) +
           ", \"wrong\": " + Json(o.wrong) + ", \"checked\": " + JsonList(o.checked) +
           ", \"disabled\": " + JsonList(o.disabled) + ", \"focus\": " + Json(o.focus) +
           ", \"told\": " + Json(o.told) + "}";
}

std::vector<std::string> Differences(const Observation& got, const Observation& expected) {
    std::vector<std::string> out;
    Compare(out, "feedback", got.feedback, expected.feedback);
    Compare(out, "right", got.right, expected.right);
    Compare(out, "wrong", got.wrong, expected.wrong);
    Compare(out, "checked", got.checked, expected.checked);
    Compare(out, "disabled", got.disabled, expected.disabled);
    Compare(out, "focus", got.focus, expected.focus);
    Compare(out, "told", got.told, expected.told);
    return out;
}

}  // namespace scenario
