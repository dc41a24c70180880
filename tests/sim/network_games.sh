#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole games over loopback: a host and its guests (vaeloric-sim host and
# join) must print, save and analyse each game exactly as play does in one
# process, also while bad peers knock: a wrong code, a reused invitation and
# a wrong certificate are refused with one sentence and the game goes on.
# Usage: network_games.sh VAELORIC_SIM [GAMES] [REMOTE SEATS]
# With REMOTE SEATS (such as 234) every game has those; otherwise they vary.
# Prints the games, the differences found and the time the network adds.
set -u
sim="$1"
games="${2:-12}"
only_remote="${3:-}"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
boards=(W A E F)
ptahs=(A2 E4 D5 G7 B3 F6 C1 H5)
remotes=(234 2 34 24)
failures=0
differences=0
play_seconds=0
host_seconds=0
host_turns=0

fail() {
  echo "game $1: $2" >&2
  failures=$((failures + 1))
}

differ() {
  fail "$1" "$2"
  differences=$((differences + 1))
}
now() { date +%s.%N; }

wait_for_file() {
  for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.05; done
  return 1
}

for i in $(seq "$games"); do
  board=${boards[$(((i - 1) % 4))]}
  ptah=${ptahs[$(((i - 1) % 8))]}
  remote=${only_remote:-${remotes[$(((i - 1) % 4))]}}
  dir="$work/$i"
  mkdir -p "$dir"
  options=(--board "$board" --ptah "$ptah" --seed "$i" --turns 400)
  start=$(now)
  "$sim" play "${options[@]}" --save "$dir/play.vae" --analysis "$dir/play.txt" >"$dir/play.out"
  play_seconds=$(echo "$play_seconds + $(now) - $start" | bc)
  start=$(now)
  "$sim" host "${options[@]}" --remote "$remote" --identity "$work/identity" --wait 20 \
    --invitations "$dir/invitations" --save "$dir/host.vae" --analysis "$dir/host.txt" \
    >"$dir/host.out" 2>"$dir/host.err" &
  host=$!
  wait_for_file "$dir/invitations" || { fail "$i" "no invitations"; continue; }
  mapfile -t invitations <"$dir/invitations"
  first="${invitations[0]}"
  if [ "$i" -eq 1 ]; then
    # Before the seats are taken: another code, another certificate.
    wrong_code="${first%%\?*}"
    wrong_code="${wrong_code%/*}/ABCDEFGHJKLMNPQRSTUV?${first#*\?}"
    "$sim" join "$wrong_code" --wait 20 >/dev/null 2>"$dir/wrong-code.err"
    wrong_print="${first%=*}=$(printf '0%.0s' $(seq 64))"
    "$sim" join "$wrong_print" --wait 20 >/dev/null 2>"$dir/wrong-print.err"
  fi
  guests=()
  for n in "${!invitations[@]}"; do
    # In the first game the first guest holds its frames back, so that its
    # game lasts while its invitation is tried again.
    slow=()
    [ "$i" -eq 1 ] && [ "$n" -eq 0 ] && slow=(--jitter 1)
    "$sim" join "${invitations[$n]}" --wait 60 "${slow[@]}" >"$dir/guest$n.out" \
      2>"$dir/guest$n.err" &
    guests+=($!)
  done
  if [ "$i" -eq 1 ]; then
    # Once the seat is taken, and while its guest plays on.
    for _ in $(seq 200); do
      grep -q "^The guest of seat ${remote:0:1} joined" "$dir/host.err" && break
      sleep 0.05
    done
    "$sim" join "$first" --wait 20 >/dev/null 2>"$dir/reused.err"
    grep -qx "The host refused the connection: Seat ${remote:0:1} is taken.\|The host refused the connection: Seat ${remote:0:1}'s code has been used." \
      "$dir/reused.err" || fail "$i" "reused invitation: $(cat "$dir/reused.err")"
    grep -qx "The host refused the connection: The code is not seat ${remote:0:1}'s." "$dir/wrong-code.err" ||
      fail "$i" "wrong code: $(cat "$dir/wrong-code.err")"
    grep -qx "The host's certificate is not the one the invitation names." "$dir/wrong-print.err" ||
      fail "$i" "wrong certificate: $(cat "$dir/wrong-print.err")"
    grep -qx "A guest was cut off: The code is not seat ${remote:0:1}'s." "$dir/host.err" ||
      fail "$i" "the host did not log the wrong code"
  fi
  wait "$host" || fail "$i" "the host failed: $(cat "$dir/host.err")"
  host_seconds=$(echo "$host_seconds + $(now) - $start" | bc)
  host_turns=$((host_turns + $(grep -c '^[0-9]' "$dir/host.out")))
  for n in "${!guests[@]}"; do
    wait "${guests[$n]}" || fail "$i" "guest $n failed: $(cat "$dir/guest$n.err")"
    cmp -s "$dir/play.out" "$dir/guest$n.out" || differ "$i" "guest $n saw another game"
  done
  cmp -s "$dir/play.out" "$dir/host.out" || differ "$i" "the host printed another game"
  cmp -s "$dir/play.vae" "$dir/host.vae" || differ "$i" "the saved games differ"
  cmp -s "$dir/play.txt" "$dir/host.txt" || differ "$i" "the analysis files differ"
  # No seat was handed to the computer: every remote move came over the network.
  if grep -q "computer opponent plays it" "$dir/host.err"; then fail "$i" "$(cat "$dir/host.err")"; fi
done
echo "$games games, $differences differences, $failures failures"
[ "$host_turns" -gt 0 ] && echo "play ${play_seconds}s, host ${host_seconds}s for $host_turns turns:" \
  "$(echo "scale=2; 1000 * ($host_seconds - $play_seconds) / $host_turns" | bc) ms a turn added by the network"
[ "$failures" -eq 0 ]
