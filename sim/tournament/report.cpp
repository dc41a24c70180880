// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/report.h"

#include <algorithm>
#include <cstdio>

#include "flow/setup_record.h"
#include "sim/tournament/statistics.h"

namespace vaeloric::sim {

namespace {

template <typename... T>
std::string Format(const char* format, T... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

double Rate(long part, long whole) {
    return whole > 0 ? static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

std::string Percent(long part, long whole) {
    return whole > 0 ? Format("%5.1f %%", 100 * Rate(part, whole)) : std::string("    -  ");
}

std::string PercentInterval(long part, long whole) {
    const TInterval interval =
        WilsonInterval(static_cast<double>(part), static_cast<double>(whole));
    return Format("%5.1f - %5.1f %%", 100 * interval.low, 100 * interval.high);
}

std::string ProfileLabel(const TTournamentPlan& plan, std::int32_t code) {
    return Format("%d %-17s", code, plan.NameOf(code).c_str());
}

std::string EloText(const TEloEstimate& e) {
    return Format("%+.0f Elo (95 %% interval %+.0f to %+.0f)", e.elo, e.low, e.high);
}

std::string CrossTable(const TTournamentReport& report) {
    const std::vector<int> order = report.ByRating();
    std::string text =
        "Cross-table: wins-losses-unfinished of the row's profile against the column's,"
        " on either side\n";
    text += std::string(19, ' ');
    for (int column : order)
        text += Format(" %12d", report.tally.profiles[static_cast<std::size_t>(column)].code);
    text += "\n";
    for (int row : order) {
        text +=
            ProfileLabel(report.plan, report.tally.profiles[static_cast<std::size_t>(row)].code);
        for (int column : order) {
            const TResultCount& c =
                report.tally.cross[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            text += row == column
                        ? Format(" %12s", ".")
                        : Format(" %12s",
                                 Format("%ld-%ld-%ld", c.wins, c.losses, c.unfinished).c_str());
        }
        text += "\n";
    }
    return text + "\n";
}

std::string HeadToHead(const TTournamentReport& report) {
    const TTournamentPlan& plan = report.plan;
    const TMatchCounts counts = CountMatch(report.run.games, plan.profiles[0], plan.profiles[1]);
    std::string text = Format("Head to head: %d over %d ", plan.profiles[0], plan.profiles[1]) +
                       EloText(EloOf(TrinomialSample(counts))) +
                       Format(" from %ld games (%ld-%ld-%ld)\n", counts.Games(), counts.wins,
                              counts.losses, counts.unfinished);
    if (plan.pairs) {
        const TEloEstimate single = EloOf(TrinomialSample(counts));
        const TEloEstimate paired = EloOf(PentanomialSample(counts));
        const double singleWidth = single.high - single.low;
        text += "In pairs: " + EloText(paired) + Format(" from %ld pairs", counts.Pairs());
        if (singleWidth > 0)
            text += Format("; the interval is %.0f %% as wide as for single games",
                           100 * (paired.high - paired.low) / singleWidth);
        text += "\n";
    }
    if (report.sprt) {
        const TSprtSettings& s = report.sprtSettings;
        const TSprtState& state = report.sprtState;
        text += Format(
            "Sequential test of %+g against %+g Elo (alpha %g, beta %g): LLR %.2f, bounds %.2f"
            " and %.2f: ",
            s.elo1, s.elo0, s.alpha, s.beta, state.llr, state.lower, state.upper);
        text += state.verdict == TSprtVerdict::AcceptH1   ? Format("H1 (%+g Elo) accepted", s.elo1)
                : state.verdict == TSprtVerdict::AcceptH0 ? Format("H0 (%+g Elo) accepted", s.elo0)
                                                          : std::string("no decision");
        text += Format(" after %ld games.\n", static_cast<long>(report.run.games.size()));
    }
    return text + "\n";
}

// Games an engine lost without playing them out, and why.
std::string Notes(const TTournamentReport& report) {
    constexpr long kShown = 20;
    long count = 0;
    std::string text;
    for (const TPlayedGame& played : report.run.games) {
        if (played.note.empty()) continue;
        if (count++ < kShown) text += "  " + played.note + "\n";
    }
    if (count == 0) return "";
    if (count > kShown) text += Format("  and %ld more\n", count - kShown);
    return Format("Games lost by an engine's fault: %ld\n", count) + text + "\n";
}

}  // namespace

TScoreSample MatchSample(const TTournamentPlan& plan, const std::vector<TPlayedGame>& games) {
    const TMatchCounts counts = CountMatch(games, plan.profiles[0], plan.profiles[1]);
    return plan.pairs ? PentanomialSample(counts) : TrinomialSample(counts);
}

std::string RunningRating(const TTournamentPlan& plan, const std::vector<TPlayedGame>& games) {
    if (games.empty()) return "";
    if (plan.profiles.size() == 2) {
        const TEloEstimate e = EloOf(MatchSample(plan, games));
        return Format("%d over %d %+.0f (%+.0f to %+.0f)", plan.profiles[0], plan.profiles[1],
                      e.elo, e.low, e.high);
    }
    const TTournamentTally tally = TallyGames(plan, games);
    const TRatingFit fit = FitRatings(static_cast<int>(plan.profiles.size()), tally.pairings);
    std::size_t best = 0;
    for (std::size_t i = 1; i < fit.rating.size(); ++i)
        if (fit.rating[i] > fit.rating[best]) best = i;
    return Format("best %d %.0f (%.0f to %.0f)", plan.profiles[best], fit.rating[best],
                  fit.rating[best] - fit.ratingHalfWidth[best],
                  fit.rating[best] + fit.ratingHalfWidth[best]);
}

std::vector<int> TTournamentReport::ByRating() const {
    std::vector<int> order(tally.profiles.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return fit.rating[a] > fit.rating[b]; });
    return order;
}

std::vector<int> TTournamentReport::ByChance() const {
    std::vector<int> order(tally.profiles.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    const auto chance = [&](int i) {
        const TResultCount& count = tally.profiles[static_cast<std::size_t>(i)].asOpponents;
        return Rate(count.wins, count.games);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return chance(a) > chance(b); });
    return order;
}

TTournamentReport MakeReport(const TTournamentPlan& plan, TTournamentRun run, int threads) {
    TTournamentReport report;
    report.plan = plan;
    report.run = std::move(run);
    report.threads = threads;
    report.tally = TallyGames(plan, report.run.games);
    report.fit = FitRatings(static_cast<int>(plan.profiles.size()), report.tally.pairings);
    return report;
}

std::string ReportText(const TTournamentReport& report) {
    const TTournamentPlan& plan = report.plan;
    const long played = static_cast<long>(report.run.games.size());
    std::string profiles;
    for (std::int32_t code : plan.profiles)
        if (!plan.IsEngine(code)) profiles += static_cast<char>('0' + code);
    for (const TOutsideEngine& engine : plan.engines) profiles += " and " + engine.name;
    std::string text;
    if (report.run.stopped) {
        text += Format("Interrupted: the tables cover the %ld games played of %ld.\n", played,
                       plan.GameCount());
    }
    text += Format(
        "Tournament: profiles %s, boards %s, %ld games per pairing and board,"
        " turn limit %ld, seed %llu\n",
        profiles.c_str(), plan.boards.c_str(), plan.gamesPerPairing, plan.turnLimit,
        static_cast<unsigned long long>(plan.baseSeed));
    text += Format("Played %ld games in %.1f s (%.1f games a second on %d thread%s)\n\n", played,
                   report.run.seconds,
                   report.run.seconds > 0 ? static_cast<double>(played) / report.run.seconds : 0.0,
                   report.threads, report.threads == 1 ? "" : "s");

    text +=
        "Profile               Games    Wins  Losses  Unfinished  Win rate  95 % interval"
        "    Rating  95 % interval\n";
    for (int i : report.ByRating()) {
        const TProfileTally& p = report.tally.profiles[static_cast<std::size_t>(i)];
        const double rating = report.fit.rating[static_cast<std::size_t>(i)];
        const double half = report.fit.ratingHalfWidth[static_cast<std::size_t>(i)];
        text += ProfileLabel(plan, p.code) +
                Format(" %7ld %7ld %7ld %11ld ", p.own.games, p.own.wins, p.own.losses,
                       p.own.unfinished) +
                Percent(p.own.wins, p.own.games) + "  " + PercentInterval(p.own.wins, p.own.games) +
                Format("  %6.0f  %5.0f - %4.0f\n", rating, rating - half, rating + half);
    }
    text += Format(
        "Questioner's side advantage: %+.0f Elo (95 %% interval %+.0f to %+.0f)."
        " Ratings are fitted on decided games; unfinished games are counted apart.\n\n",
        report.fit.advantage, report.fit.advantage - report.fit.advantageHalfWidth,
        report.fit.advantage + report.fit.advantageHalfWidth);

    text += CrossTable(report);
    if (plan.profiles.size() == 2) text += HeadToHead(report);

    text += Notes(report);

    text += "Chance of a favourable answer with the profile as the Questioner's opponents\n";
    text += "Opponents             Games  Favourable   Chance  95 % interval  ";
    for (char board : plan.boards) text += Format("  %c board", board);
    text += "\n";
    for (int i : report.ByChance()) {
        const TProfileTally& p = report.tally.profiles[static_cast<std::size_t>(i)];
        text += ProfileLabel(plan, p.code) +
                Format(" %7ld %11ld  ", p.asOpponents.games, p.asOpponents.wins) +
                Percent(p.asOpponents.wins, p.asOpponents.games) + "  " +
                PercentInterval(p.asOpponents.wins, p.asOpponents.games);
        for (const TResultCount& board : p.opponentsBoard)
            text += "  " + Percent(board.wins, board.games);
        text += "\n";
    }
    return text;
}

}  // namespace vaeloric::sim
