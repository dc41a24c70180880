#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The Seer's strength against its node budget.

For every budget, a tournament of the Seer (9) against the strongest rule
opponent, Lachlan Corvey (5), on the four boards; the Seer's rating is put on
the scale of the README's table through Corvey's rating there. Writes the
figures as a table on standard output and the chart as an SVG file.

    scripts/seer-strength.py build/sim/vaeloric-sim docs/seer-strength.svg [GAMES]

The same command gives the same games and figures: every tournament uses the
base seed 1 and node limits only.
"""
import json
import math
import subprocess
import sys
import tempfile

BUDGETS = [1, 500, 5000, 50000]
CORVEY_RATING = 1526  # the README's table


def run(sim, budget, games):
    with tempfile.TemporaryDirectory() as folder:
        path = folder + "/results.json"
        subprocess.run([sim, "tournament", "--profiles", "59", "--games", str(games),
                        "--seer-nodes", str(budget), "--seed", "1", "--json", path],
                       check=True, stdout=subprocess.DEVNULL)
        with open(path) as results:
            data = json.load(results)
    ratings = {p["code"]: p for p in data["profiles"]}
    seer, corvey = ratings[9], ratings[5]
    difference = seer["rating"] - corvey["rating"]
    # Two players: both half-widths come from the one difference.
    half = 2 * seer["rating_half_width"]
    return CORVEY_RATING + difference, half, data["games_played"]


def chart(rows, path):
    width, height, left, right, top, bottom = 640, 400, 70, 30, 50, 60
    low = min(r - h for _, r, h, _ in rows) - 20
    high = max(r + h for _, r, h, _ in rows) + 20
    xs = [math.log10(b) for b, _, _, _ in rows]

    def x(v):
        return left + (v - min(xs)) / (max(xs) - min(xs)) * (width - left - right)

    def y(v):
        return top + (high - v) / (high - low) * (height - top - bottom)

    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- SPDX-License-Identifier: GPL-3.0-or-later -->',
           f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
           'font-family="DejaVu Sans, sans-serif" font-size="12">',
           f'<rect width="{width}" height="{height}" fill="white"/>',
           f'<text x="{left}" y="28" font-size="16" font-weight="bold">'
           "The Seer's rating against its node budget (95 % intervals)</text>"]
    for ref, label in ((CORVEY_RATING, "Lachlan Corvey, strongest rule opponent"),):
        out.append(f'<line x1="{left}" x2="{width - right}" y1="{y(ref):.1f}" y2="{y(ref):.1f}" '
                   'stroke="#999" stroke-dasharray="4 3"/>')
        out.append(f'<text x="{width - right}" y="{y(ref) - 5:.1f}" text-anchor="end" '
                   f'fill="#666">{label} {ref}</text>')
    step = 50
    for tick in range(int(low // step + 1) * step, int(high) + 1, step):
        out.append(f'<text x="{left - 8}" y="{y(tick) + 4:.1f}" text-anchor="end">{tick}</text>')
        out.append(f'<line x1="{left}" x2="{left - 4}" y1="{y(tick):.1f}" y2="{y(tick):.1f}" '
                   'stroke="black"/>')
    out.append(f'<line x1="{left}" x2="{left}" y1="{top}" y2="{height - bottom}" stroke="black"/>')
    out.append(f'<line x1="{left}" x2="{width - right}" y1="{height - bottom}" '
               f'y2="{height - bottom}" stroke="black"/>')
    points = []
    for (budget, rating, half, _), v in zip(rows, xs):
        px = x(v)
        points.append(f"{px:.1f},{y(rating):.1f}")
        out.append(f'<line x1="{px:.1f}" x2="{px:.1f}" y1="{y(rating - half):.1f}" '
                   f'y2="{y(rating + half):.1f}" stroke="#4a6fa5" stroke-width="2"/>')
        out.append(f'<circle cx="{px:.1f}" cy="{y(rating):.1f}" r="4" fill="#1f3f6f"/>')
        out.append(f'<text x="{px:.1f}" y="{height - bottom + 18}" text-anchor="middle">'
                   f"{budget}</text>")
    out.append(f'<polyline points="{" ".join(points)}" fill="none" stroke="#1f3f6f"/>')
    out.append(f'<text x="{(left + width - right) / 2}" y="{height - 15}" text-anchor="middle">'
               "positions searched per move (logarithmic)</text>")
    out.append(f'<text x="18" y="{(top + height - bottom) / 2}" text-anchor="middle" '
               f'transform="rotate(-90 18 {(top + height - bottom) / 2})">rating (Elo scale)</text>')
    out.append("</svg>")
    with open(path, "w") as svg:
        svg.write("\n".join(out) + "\n")


def main():
    sim, path = sys.argv[1], sys.argv[2]
    games = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    rows = []
    print("Nodes   Games  Rating  95 % interval")
    for budget in BUDGETS:
        rating, half, played = run(sim, budget, games)
        rows.append((budget, rating, half, played))
        print(f"{budget:>6} {played:>6}  {rating:6.0f}  {rating - half:.0f} - {rating + half:.0f}",
              flush=True)
    chart(rows, path)


if __name__ == "__main__":
    main()
