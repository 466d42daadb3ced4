// The cost of the dice against the cost of the random numbers they consume: a step rolled
// alone, and as the program rolls it (recording the dice, then forming the total's text and the
// dice text for the display and the roll log).
#include <benchmark/benchmark.h>

#include "dice.h"
#include "difficulty_roll.h"
#include "step_roll.h"
#include "success_chance.h"

namespace dicewright {
namespace {

void BM_Next(benchmark::State& state) {
    ClockRandomSource source(1);
    for (auto _ : state) benchmark::DoNotOptimize(source.Next());
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Next);

void BM_Reseed(benchmark::State& state) {
    ClockRandomSource source(1);
    for (auto _ : state) source.Reseed();
}
BENCHMARK(BM_Reseed);

void BM_RollDie(benchmark::State& state) {
    ClockRandomSource source(1);
    const int faces = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(RollDie(faces, source));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RollDie)->Arg(4)->Arg(6)->Arg(8)->Arg(10)->Arg(12)->Arg(20);

// Counts the draws a step consumes, so the report can set the step's cost against them.
class CountingSource final : public RandomSource {
public:
    void Reseed() override { m_inner.Reseed(); }
    float Next() override {
        ++draws;
        return m_inner.Next();
    }
    long draws = 0;

private:
    ClockRandomSource m_inner{1};
};

void BM_RollStep(benchmark::State& state) {
    ClockRandomSource source(1);
    const int step = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(RollStep(step, source));
    state.SetItemsProcessed(state.iterations());

    CountingSource counter;
    constexpr int kRolls = 100000;
    for (int i = 0; i < kRolls; ++i) RollStep(step, counter);
    state.counters["draws_per_roll"] = static_cast<double>(counter.draws) / kRolls;
}
BENCHMARK(BM_RollStep)->Arg(1)->Arg(8)->Arg(26)->Arg(40);

void BM_RollStepRecorded(benchmark::State& state) {
    ClockRandomSource source(1);
    const int step = static_cast<int>(state.range(0));
    StepThrows throws;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RollStep(step, source, throws));
        benchmark::DoNotOptimize(throws);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RollStepRecorded)->Arg(1)->Arg(8)->Arg(26)->Arg(40);

// One press's work as the engine does it: the roll with its record, the total's text and the
// faces behind it.
void BM_ProgramRoll(benchmark::State& state) {
    ClockRandomSource source(1);
    const int step = static_cast<int>(state.range(0));
    StepThrows throws;
    for (auto _ : state) {
        benchmark::DoNotOptimize(OutcomeText(RollStep(step, source, throws)));
        for (std::size_t die = 0; die < throws.count; ++die)
            benchmark::DoNotOptimize(FacesShown(throws, die));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProgramRoll)->Arg(1)->Arg(8)->Arg(26)->Arg(40);

// A test's exact chance, worked out again whenever the step, the bonus or the difficulty changes:
// it must follow at once. The largest pair against the largest difficulty is the worst case.
void BM_ChanceOfSuccess(benchmark::State& state) {
    const int step = static_cast<int>(state.range(0));
    const int bonus = static_cast<int>(state.range(1));
    const int difficulty = static_cast<int>(state.range(2));
    for (auto _ : state) benchmark::DoNotOptimize(ChanceOfSuccess(step, bonus, difficulty));
}
BENCHMARK(BM_ChanceOfSuccess)
    ->Args({8, kNoBonus, 9})
    ->Args({8, 4, 9})
    ->Args({26, 8, 30})
    ->Args({40, 40, 99})
    ->Unit(benchmark::kMicrosecond);

// A roll against a difficulty as the engine does it: step and bonus, recorded, its text and its
// verdict.
void BM_ProgramDifficultyRoll(benchmark::State& state) {
    ClockRandomSource source(1);
    RollThrows throws;
    for (auto _ : state) {
        const RollOutcome outcome =
            RollWithSettings(40, {.bonusStep = 40, .difficulty = 99}, source, throws);
        benchmark::DoNotOptimize(OutcomeText(outcome));
        benchmark::DoNotOptimize(Judge(outcome, 60));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ProgramDifficultyRoll);

}  // namespace
}  // namespace dicewright
