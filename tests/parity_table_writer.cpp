// Writes what the desktop program makes of a table of seeded rolls, for the web edition's check
// that its module and its wording give the same: each roll's dice, total and verdict, its
// chance of success as exact bits, and the texts the program shows for it in each language;
// and in each language every line of the roll log the rolls make (its rows, its game-night
// record, its statistics, the line over a full log) and the chance's hint.
//   parity_table_writer OUT.json
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <bit>
#include <cstdint>
#include <variant>

#include "dice.h"
#include "difficulty_roll.h"
#include "languages/language.h"
#include "roll_log/roll_log_model.h"
#include "roll_tally.h"
#include "success_chance.h"
#include "wording/dice_text.h"
#include "wording/difficulty_text.h"
#include "wording/odds_text.h"
#include "wording/statistics_text.h"

using namespace dicewright;

namespace {

// The clock stands still, as the module's does for this check: milliseconds, read in
// nanoseconds.
constexpr double kHeldClockMs = 1765400000000.0;
std::uint64_t HeldClock() {
    return static_cast<std::uint64_t>(kHeldClockMs * 1e6);
}

// When the log says each roll came: 37 minutes apart, so that the rolls span days.
constexpr double kRollsApartMs = 37 * 60 * 1000.0;
// A count of rolls gone from a full log, with digit groups in every language.
constexpr qint64 kDropped = 1234567;

// Every line the roll log writes of these rolls, in the language installed.
QJsonObject LogLines(const QList<RollThrows>& rolls, const QList<double>& times) {
    RollLogModel log;
    for (qsizetype i = 0; i < rolls.size(); ++i)
        log.add(rolls[i], QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(times[i])));
    QJsonArray rows;
    for (int row = 0; row < log.rowCount(); ++row) rows.append(log.line(row));
    QJsonArray statistics;
    for (const StepTallyReport& report : log.tally().reports())
        statistics.append(StatisticsLine(report));
    return {{"rows", rows},
            {"record", log.record()},
            {"statistics", statistics},
            {"dropped", DroppedText(kDropped, RollLogModel::kCapacity)},
            {"noChanceYet", NoChanceYetText()}};
}

struct Case {
    int seed;
    int step;
    int bonusStep;
    int difficulty;
};

QJsonObject Texts(const RollThrows& throws, const RollOutcome& outcome, const Case& c) {
    RollLogModel log;
    log.add(throws);
    QJsonObject texts{{"total", TotalText(outcome)},
                      {"throws", ThrowsText(throws)},
                      {"chat", log.chatLine(0)},
                      {"odds", OddsText(c.step)}};
    if (throws.hasDifficulty()) {
        texts["verdict"] = VerdictText(Judge(outcome, throws.difficulty));
        texts["chance"] = ChanceText(c.step, c.bonusStep, c.difficulty);
    }
    return texts;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) return 2;
    QJsonArray cases;
    int seed = 1;
    for (int step = 1; step <= 40; ++step) {
        for (const auto& [bonusStep, difficulty] :
             {std::pair{0, 0}, std::pair{0, step / 2 + 3}, std::pair{4, step + 2}}) {
            cases.append(QJsonObject{{"seed", seed++},
                                     {"step", step},
                                     {"bonusStep", bonusStep},
                                     {"difficulty", difficulty}});
        }
    }
    // Enough rolls of two steps for the tally to judge their fairness.
    for (int i = 0; i < 40; ++i) {
        cases.append(
            QJsonObject{{"seed", 1000 + i}, {"step", 12}, {"bonusStep", 0}, {"difficulty", 0}});
        cases.append(
            QJsonObject{{"seed", 2000 + i}, {"step", 20}, {"bonusStep", 4}, {"difficulty", 0}});
    }
    // Every language the program carries, by the name the page gives it ("pt" for "pt_BR"), in
    // its own forms.
    QMap<QString, Language> spoken;
    for (const QString& catalogue : CarriedCatalogues())
        spoken.insert(catalogue.section(u'_', 0, 0), ChooseLanguage({catalogue}));
    QJsonObject locales;
    for (auto language = spoken.cbegin(); language != spoken.cend(); ++language)
        locales[language.key()] = language->locale.name().replace(u'_', u'-');
    Translations translations;
    RollTally tally;
    QJsonArray table;
    QList<RollThrows> rolls;
    QList<double> times;
    for (const QJsonValue& value : cases) {
        const QJsonObject in = value.toObject();
        const Case c{in["seed"].toInt(), in["step"].toInt(), in["bonusStep"].toInt(),
                     in["difficulty"].toInt()};
        ClockRandomSource source(static_cast<std::uint64_t>(c.seed), HeldClock);
        source.Reseed();
        RollThrows throws;
        const RollOutcome outcome = RollWithSettings(
            c.step, {.bonusStep = c.bonusStep, .difficulty = c.difficulty}, source, throws);
        QJsonObject row = in;
        row["when"] = kHeldClockMs + kRollsApartMs * static_cast<double>(rolls.size());
        rolls.append(throws);
        times.append(row["when"].toDouble());
        QJsonArray values;
        for (const StepThrows* thrown : {&throws.step, &throws.bonus}) {
            for (const DieRoll die : thrown->dice()) values.append(die);
        }
        row["dice"] = values;
        tally.add(throws);
        row["ruleOfOne"] = std::holds_alternative<RuleOfOne>(outcome);
        row["total"] = row["ruleOfOne"].toBool() ? 0 : std::get<std::int16_t>(outcome);
        if (c.difficulty != 0) {
            const double chance = ChanceOfSuccess(c.step, c.bonusStep, c.difficulty);
            row["chanceBits"] =
                QString::number(std::bit_cast<std::uint64_t>(chance), 16).rightJustified(16, '0');
        }
        QJsonObject languages;
        for (auto language = spoken.cbegin(); language != spoken.cend(); ++language) {
            translations.install(*language);
            languages[language.key()] = Texts(throws, outcome, c);
        }
        row["texts"] = languages;
        table.append(row);
    }
    QJsonArray reports;
    for (const StepTallyReport& report : tally.reports()) {
        reports.append(QJsonArray{
            report.step, report.bonusStep, double(report.rolls), double(report.rulesOfOne),
            report.expectedRulesOfOne, report.averageShown, report.exactAverage,
            static_cast<int>(report.verdict), report.fairRange.low, report.fairRange.high});
    }
    QJsonObject lines;
    for (auto language = spoken.cbegin(); language != spoken.cend(); ++language) {
        translations.install(*language);
        lines[language.key()] = LogLines(rolls, times);
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly)) return 1;
    out.write(QJsonDocument(QJsonObject{{"heldClockMs", kHeldClockMs},
                                        {"locales", locales},
                                        {"rolls", table},
                                        {"lines", lines},
                                        {"dropped", double(kDropped)},
                                        {"tally", reports}})
                  .toJson(QJsonDocument::Indented));
    return 0;
}
