// Writes the JavaScript module by which the page reads the engine's answers
// (engine_interface.js), from the one declaration the module writes them by. Run at build time.
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "chance_shown.h"
#include "engine_interface.h"
#include "optional_number.h"
#include "roll_settings.h"
#include "roll_tally.h"
#include "step_table.h"
#include "step_type_ahead.h"

namespace {

using namespace dicewright;

std::string Quoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "'";
}

template <typename Names>
void WriteNames(std::ostream& out, std::string_view what, std::string_view name,
                const Names& names) {
    out << "\n// " << what << "\nexport const " << name << " = Object.freeze([";
    for (std::size_t i = 0; i < names.size(); ++i) out << (i == 0 ? "" : ", ") << Quoted(names[i]);
    out << "]);\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: engine_interface_writer OUT.js\n";
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// Written by the build from the module's declaration of what it answers "
           "(engine_interface.h):\n// do not edit.\n";
    WriteNames(out, "A roll's head, in order; then each die as DIE, followed by its faces.",
               "ROLL_HEAD", wire::kRollHeadNames);
    WriteNames(out, "A die of a roll, in order.", "DIE", wire::kDieNames);
    WriteNames(out, "A report of the tally, in order.", "REPORT", wire::kReportNames);
    WriteNames(out, "A step's odds, in order.", "ODDS", wire::kOddsNames);
    WriteNames(out, "A chance as shown, in order.", "CHANCE", wire::kChanceNames);
    WriteNames(out, "A field's text as the rule reads it, in order.", "FIELD", wire::kFieldNames);
    WriteNames(out, "The tally's verdicts on the dice, by value.", "FAIRNESS",
               wire::kFairnessNames);
    WriteNames(out, "The bands of a chance as shown, by value.", "CHANCE_BANDS",
               wire::kChanceBandNames);
    WriteNames(out, "Why a field's text was refused, by value.", "REFUSALS", wire::kRefusalNames);

    out << "\n// What a call gives instead of a count where it failed, with the words the player "
           "reads.\nexport const FAILURES = Object.freeze({\n";
    for (const FailureWords& failure : kFailureWords) {
        out << "  '" << wire::ErrorCode(failure.failure)
            << "': Object.freeze({ name: " << Quoted(failure.name)
            << ", context: " << Quoted(kFailureContext) << ", words: " << Quoted(failure.words)
            << " }),\n";
    }
    out << "});\n";

    out << "\n// The rules' constants.\nexport const RULES = Object.freeze({\n"
        << "  lastStep: " << StepTable::kLastStep << ",\n"
        << "  greatestDifficulty: " << kGreatestDifficulty << ",\n"
        << "  noBonus: " << kNoBonus << ",\n"
        << "  notADigit: " << kNotADigit << ",\n"
        << "  fewestToJudge: " << RollTally::kFewestToJudge << ",\n"
        << "  chanceSettleMs: " << kChanceSettleMs << ",\n"
        << "  typeAheadPauseMs: " << StepTypeAhead::kPauseMs << ",\n"
        << "  startDiceLabel: " << Quoted(StepTable::kStartDiceLabel) << ",\n"
        << "});\n";
    return out ? 0 : 1;
}
