#pragma once

#include <string_view>

namespace quiz::text {

// The texts the quiz itself writes into the window (UTF-8).
inline constexpr std::string_view LineBreak = "\r\n";
inline constexpr std::string_view RightVerdict = "Правилно!";
inline constexpr std::string_view WrongVerdict = "Грешен отговор - опитайте отново.";
inline constexpr std::string_view Prompt = "Направете своя избор!";
inline constexpr std::string_view RightPrefix = "Вярно: ";
inline constexpr std::string_view WrongPrefix = "Грешно: ";

}  // namespace quiz::text
