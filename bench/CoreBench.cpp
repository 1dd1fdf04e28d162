// The quiz core on its own, against a view that does nothing, so the figures
// are the core's work and none of the window's.
#include <benchmark/benchmark.h>

#include "quiz/QuizState.h"
#include "quiz/QuizView.h"

namespace {

class NullView final : public quiz::QuizView {
public:
    void SetNameChecked(quiz::PairIndex, bool) override {}
    void SetPlaceChecked(quiz::PairIndex, bool) override {}
    void SetNameEnabled(quiz::PairIndex, bool) override {}
    void SetPlaceEnabled(quiz::PairIndex, bool) override {}
    std::string GetFeedback() const override { return {}; }
    void SetFeedback(const std::string&) override {}
    std::string GetExplanation(quiz::PairIndex) const override { return {}; }
    void SetRightCaption(const std::string&) override {}
    void SetWrongCaption(const std::string&) override {}
};

// Checks the same picks over and over; a right pair stays picked after its
// check, so every round takes the right-answer path again.
void CheckPicks(benchmark::State& state, quiz::PairIndex name, quiz::PairIndex place) {
    NullView view;
    quiz::QuizState quiz(view);
    quiz.PickName(name);
    quiz.PickPlace(place);
    for (auto _ : state) {
        quiz.Check();
        benchmark::DoNotOptimize(quiz.WrongCount());
    }
}

void CheckRight(benchmark::State& state) { CheckPicks(state, 4, 4); }
void CheckWrong(benchmark::State& state) { CheckPicks(state, 4, 5); }

void ResetQuiz(benchmark::State& state) {
    NullView view;
    quiz::QuizState quiz(view);
    for (auto _ : state) {
        quiz.ResetQuiz();
        benchmark::DoNotOptimize(quiz.RightCount());
    }
}

// Every pair of picks, nothing or one of twelve in each group, checked from a
// fresh start: 13 x 13 = 169 checks a round.
void SweepAllPicks(benchmark::State& state) {
    NullView view;
    for (auto _ : state) {
        for (quiz::PairIndex name = quiz::kNoPick; name < quiz::kPairCount; ++name) {
            for (quiz::PairIndex place = quiz::kNoPick; place < quiz::kPairCount; ++place) {
                quiz::QuizState quiz(view);
                quiz.PickName(name);
                quiz.PickPlace(place);
                quiz.Check();
                benchmark::DoNotOptimize(quiz.RightCount());
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * (quiz::kPairCount + 1) * (quiz::kPairCount + 1));
}

}  // namespace

BENCHMARK(CheckRight);
BENCHMARK(CheckWrong);
BENCHMARK(ResetQuiz);
BENCHMARK(SweepAllPicks);

BENCHMARK_MAIN();
