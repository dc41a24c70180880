// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/svg_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "flow/setup_record.h"
#include "sim/tournament/result_files.h"

namespace vaeloric::sim {

namespace {

constexpr double kWidth = 720, kLeft = 190, kRight = 30, kTop = 64, kRow = 32;

template <typename... T>
std::string Format(const char* format, T... values) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

// A tick step of 1, 2 or 5 times a power of ten giving four to ten ticks.
double TickStep(double span) {
    const double power = std::pow(10.0, std::floor(std::log10(std::max(span, 1.0) / 4)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (span / (factor * power) <= 10) return factor * power;
    return 10 * power;
}

}  // namespace

std::string RatingChartSvg(const TTournamentReport& report) {
    const TRatingFit& fit = report.fit;
    const std::vector<int> order = report.ByRating();
    double low = 1500, high = 1500;
    for (std::size_t i = 0; i < fit.rating.size(); ++i) {
        low = std::min(low, fit.rating[i] - fit.ratingHalfWidth[i]);
        high = std::max(high, fit.rating[i] + fit.ratingHalfWidth[i]);
    }
    const double step = TickStep(high - low);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    if (high - low < step) high = low + step;
    const double plot = kWidth - kLeft - kRight;
    const auto x = [&](double rating) { return kLeft + (rating - low) / (high - low) * plot; };
    const double bottom = kTop + kRow * static_cast<double>(order.size());
    const double height = bottom + 56;

    std::string svg = Format(
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
        "viewBox=\"0 0 %.0f %.0f\" font-family=\"sans-serif\" font-size=\"14\">\n",
        kWidth, height, kWidth, height);
    svg += "<!-- run: " + RunId(report) + " -->\n";
    svg += Format("<rect width=\"%.0f\" height=\"%.0f\" fill=\"white\"/>\n", kWidth, height);
    svg += Format(
        "<text x=\"%.0f\" y=\"28\" font-size=\"17\" font-weight=\"bold\">"
        "Opponent ratings (Elo scale, 95 %% intervals)</text>\n",
        kLeft - 170);
    svg += Format(
        "<text x=\"%.0f\" y=\"48\" fill=\"#555\">%zu games; the Questioner's side"
        " plays %+.0f Elo above its rating</text>\n",
        kLeft - 170, report.run.games.size(), fit.advantage);
    for (double tick = low; tick <= high + step / 2; tick += step) {
        svg += Format("<line x1=\"%.1f\" y1=\"%.0f\" x2=\"%.1f\" y2=\"%.0f\" stroke=\"%s\"%s/>\n",
                      x(tick), kTop - 8, x(tick), bottom, tick == 1500 ? "#888" : "#ddd",
                      tick == 1500 ? " stroke-dasharray=\"4 3\"" : "");
        svg +=
            Format("<text x=\"%.1f\" y=\"%.0f\" text-anchor=\"middle\" fill=\"#555\">%.0f</text>\n",
                   x(tick), bottom + 20, tick);
    }
    double y = kTop + kRow / 2;
    for (int i : order) {
        const std::size_t p = static_cast<std::size_t>(i);
        const std::int32_t code = report.tally.profiles[p].code;
        const double rating = fit.rating[p], half = fit.ratingHalfWidth[p];
        svg += Format("<text x=\"%.0f\" y=\"%.1f\" text-anchor=\"end\">%s</text>\n", kLeft - 12,
                      y + 5, Escaped(report.plan.NameOf(code)).c_str());
        svg += Format(
            "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\" stroke=\"#2b5d9b\""
            " stroke-width=\"3\"/>\n",
            x(rating - half), y, x(rating + half), y);
        svg += Format("<circle cx=\"%.1f\" cy=\"%.1f\" r=\"6\" fill=\"#2b5d9b\"/>\n", x(rating), y);
        svg += Format(
            "<text x=\"%.1f\" y=\"%.1f\" text-anchor=\"middle\" font-size=\"12\""
            " fill=\"#333\">%.0f</text>\n",
            x(rating), y - 10, rating);
        y += kRow;
    }
    svg +=
        Format("<text x=\"%.1f\" y=\"%.0f\" text-anchor=\"middle\" fill=\"#555\">rating</text>\n",
               kLeft + plot / 2, bottom + 44);
    svg += "</svg>\n";
    return svg;
}

}  // namespace vaeloric::sim
