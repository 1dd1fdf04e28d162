#pragma once

#include <cstdio>
#include <string>

// Counts and prints the driver's checks; each line says what was read.
class Checks final {
public:
    void Expect(bool ok, const std::string& what) {
        std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
        ++(ok ? passed_ : failed_);
    }

    template <typename T>
    void ExpectEqual(const T& actual, const T& expected, const std::string& what) {
        Expect(actual == expected,
               what + ": " + Show(actual) +
                   (actual == expected ? "" : " (expected " + Show(expected) + ")"));
    }

    [[nodiscard]] int Passed() const { return passed_; }
    [[nodiscard]] int Failed() const { return failed_; }

private:
    static std::string Show(const std::string& s) { return '"' + Escape(s) + '"'; }
    static std::string Show(bool b) { return b ? "true" : "false"; }
    static std::string Show(long n) { return std::to_string(n); }
    static std::string Show(int n) { return std::to_string(n); }

    // Line breaks and tabs shown as escapes, so one reading is one line.
    static std::string Escape(const std::string& s) {
        std::string out;
        for (const char c : s) {
            if (c == '\r')
                out += "\\r";
            else if (c == '\n')
                out += "\\n";
            else
                out += c;
        }
        return out;
    }

    int passed_ = 0;
    int failed_ = 0;
};
