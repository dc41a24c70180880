// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/rating_fit.h"

#include <cmath>
#include <utility>

namespace vaeloric::sim {

namespace {

using TMatrix = std::vector<std::vector<double>>;

constexpr double kEloPerNatural = 400.0 / 2.302585092994046;  // 400 / ln 10
constexpr double kZ95 = 1.959963984540054;

double Logistic(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

// Inverse of a symmetric positive definite matrix by Gauss-Jordan elimination.
TMatrix Inverse(TMatrix a) {
    const std::size_t n = a.size();
    TMatrix inverse(n, std::vector<double>(n, 0.0));
    for (std::size_t i = 0; i < n; ++i) inverse[i][i] = 1.0;
    for (std::size_t column = 0; column < n; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column + 1; row < n; ++row)
            if (std::fabs(a[row][column]) > std::fabs(a[pivot][column])) pivot = row;
        std::swap(a[column], a[pivot]);
        std::swap(inverse[column], inverse[pivot]);
        const double scale = a[column][column];
        for (std::size_t k = 0; k < n; ++k) {
            a[column][k] /= scale;
            inverse[column][k] /= scale;
        }
        for (std::size_t row = 0; row < n; ++row) {
            if (row == column) continue;
            const double factor = a[row][column];
            for (std::size_t k = 0; k < n; ++k) {
                a[row][k] -= factor * a[column][k];
                inverse[row][k] -= factor * inverse[column][k];
            }
        }
    }
    return inverse;
}

// Parameters: the profiles' strengths in natural log-odds units, then the
// advantage. The log-likelihood, and its gradient and negative Hessian.
struct TModel {
    int profiles;
    const std::vector<TPairingScore>& pairings;

    double LogLikelihood(const std::vector<double>& theta) const {
        double sum = 0;
        for (const TPairingScore& p : pairings) {
            const double d = theta[p.questionerSide] + theta[profiles] - theta[p.otherSide];
            sum += p.score * std::log(Logistic(d)) + (p.games - p.score) * std::log(Logistic(-d));
        }
        for (int i = 0; i <= profiles; ++i)
            sum += 0.5 * std::log(Logistic(theta[i])) + 0.5 * std::log(Logistic(-theta[i]));
        return sum;
    }

    void Derivatives(const std::vector<double>& theta, std::vector<double>& gradient,
                     TMatrix& information) const {
        const std::size_t n = theta.size();
        gradient.assign(n, 0.0);
        information.assign(n, std::vector<double>(n, 0.0));
        const auto add = [&](int a, int b, double value) {
            information[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] += value;
        };
        for (const TPairingScore& p : pairings) {
            const double d = theta[p.questionerSide] + theta[profiles] - theta[p.otherSide];
            const double expected = p.games * Logistic(d);
            const double weight = expected * (1 - Logistic(d));
            const int plus[2] = {p.questionerSide, profiles};
            gradient[p.questionerSide] += p.score - expected;
            gradient[profiles] += p.score - expected;
            gradient[p.otherSide] -= p.score - expected;
            for (int a : plus) {
                for (int b : plus) add(a, b, weight);
                add(a, p.otherSide, -weight);
                add(p.otherSide, a, -weight);
            }
            add(p.otherSide, p.otherSide, weight);
        }
        for (int i = 0; i <= profiles; ++i) {
            gradient[i] += 0.5 - Logistic(theta[i]);
            add(i, i, Logistic(theta[i]) * (1 - Logistic(theta[i])));
        }
    }
};

}  // namespace

TRatingFit FitRatings(int profiles, const std::vector<TPairingScore>& allPairings) {
    std::vector<TPairingScore> pairings;
    for (const TPairingScore& p : allPairings)
        if (p.games > 0) pairings.push_back(p);
    if (pairings.empty()) {
        // Nothing played (an early Ctrl+C): nothing to tell the profiles apart.
        TRatingFit none;
        none.rating.assign(static_cast<std::size_t>(profiles), 1500.0);
        none.ratingHalfWidth.assign(static_cast<std::size_t>(profiles), 0.0);
        return none;
    }
    const TModel model{profiles, pairings};
    std::vector<double> theta(static_cast<std::size_t>(profiles) + 1, 0.0);
    std::vector<double> gradient;
    TMatrix information;
    // Newton's method; the log-likelihood is concave, and a step that would
    // lower it is halved.
    for (int iteration = 0; iteration < 200; ++iteration) {
        model.Derivatives(theta, gradient, information);
        const TMatrix inverse = Inverse(information);
        std::vector<double> step(theta.size(), 0.0);
        double largest = 0;
        for (std::size_t i = 0; i < theta.size(); ++i) {
            for (std::size_t j = 0; j < theta.size(); ++j) step[i] += inverse[i][j] * gradient[j];
            largest = std::fmax(largest, std::fabs(step[i]));
        }
        const double before = model.LogLikelihood(theta);
        std::vector<double> trial = theta;
        for (double scale = 1.0; scale > 1e-6; scale /= 2) {
            for (std::size_t i = 0; i < theta.size(); ++i) trial[i] = theta[i] + scale * step[i];
            if (model.LogLikelihood(trial) >= before) break;
        }
        theta = trial;
        if (largest < 1e-10) break;
    }

    // Covariance from the inverse information; the ratings are reported
    // about their mean, so the spread is that of theta_i - mean(theta).
    model.Derivatives(theta, gradient, information);
    const TMatrix covariance = Inverse(information);
    TRatingFit fit;
    double mean = 0;
    for (int i = 0; i < profiles; ++i) mean += theta[static_cast<std::size_t>(i)] / profiles;
    for (int i = 0; i < profiles; ++i) {
        double variance = 0;
        for (int a = 0; a < profiles; ++a) {
            for (int b = 0; b < profiles; ++b) {
                const double wa = (a == i ? 1.0 : 0.0) - 1.0 / profiles;
                const double wb = (b == i ? 1.0 : 0.0) - 1.0 / profiles;
                variance +=
                    wa * wb * covariance[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
            }
        }
        fit.rating.push_back(1500 + kEloPerNatural * (theta[static_cast<std::size_t>(i)] - mean));
        fit.ratingHalfWidth.push_back(kZ95 * kEloPerNatural * std::sqrt(std::fmax(variance, 0.0)));
    }
    const auto h = static_cast<std::size_t>(profiles);
    fit.advantage = kEloPerNatural * theta[h];
    fit.advantageHalfWidth = kZ95 * kEloPerNatural * std::sqrt(covariance[h][h]);
    return fit;
}

}  // namespace vaeloric::sim
