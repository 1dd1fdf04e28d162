#pragma once

#include <array>
#include <string>
#include <vector>

#include "quiz/QuizView.h"

// A QuizView that keeps the state a window would keep and logs every call in
// order, so tests can see both what the quiz wrote and in which order.
class RecordingView final : public quiz::QuizView {
public:
    struct Group {
        std::array<bool, quiz::kPairCount> checked{};
        std::array<bool, quiz::kPairCount> enabled{};
    };

    void SetNameChecked(quiz::PairIndex i, bool on) override {
        Log("SetNameChecked", i, on);
        names.checked.at(Slot(i)) = on;
    }
    void SetPlaceChecked(quiz::PairIndex i, bool on) override {
        Log("SetPlaceChecked", i, on);
        places.checked.at(Slot(i)) = on;
    }
    void SetNameEnabled(quiz::PairIndex i, bool on) override {
        Log("SetNameEnabled", i, on);
        names.enabled.at(Slot(i)) = on;
    }
    void SetPlaceEnabled(quiz::PairIndex i, bool on) override {
        Log("SetPlaceEnabled", i, on);
        places.enabled.at(Slot(i)) = on;
    }
    std::string GetFeedback() const override {
        calls.push_back("GetFeedback");
        return feedback;
    }
    void SetFeedback(const std::string& text) override {
        calls.push_back("SetFeedback " + text);
        feedback = text;
    }
    std::string GetExplanation(quiz::PairIndex i) const override {
        calls.push_back("GetExplanation " + std::to_string(i));
        return Slot(i) < explanations.size() ? explanations[Slot(i)] : std::string();
    }
    void SetRightCaption(const std::string& text) override {
        calls.push_back("SetRightCaption " + text);
        rightCaption = text;
    }
    void SetWrongCaption(const std::string& text) override {
        calls.push_back("SetWrongCaption " + text);
        wrongCaption = text;
    }

    Group names;
    Group places;
    std::string feedback;
    std::string rightCaption;
    std::string wrongCaption;
    std::vector<std::string> explanations;
    mutable std::vector<std::string> calls;

private:
    static std::size_t Slot(quiz::PairIndex i) { return static_cast<std::size_t>(i); }
    void Log(const char* op, quiz::PairIndex i, bool on) const {
        calls.push_back(std::string(op) + " " + std::to_string(i) + (on ? " on" : " off"));
    }
};
