#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole games over loopback with faults: guests whose lines are cut at
# chosen moments (on the prompt to throw, just after a drop while the host
# reads the move, on hearing a turn, on hearing the end: it comes back for
# it, or vanishes and holds the host no longer than its limit), frames held
# back and overtaking one another with every request sent twice, a guest
# killed and started again, the host killed with SIGKILL and resumed from
# its game file (also once its last turn is kept, before it writes its
# files), and a guest that never comes back, whose seat the host hands to
# its computer opponent. Every game must end as play ends it in one process:
# the same lines, saved game and analysis, each turn once.
# Usage: network_faults.sh VAELORIC_SIM [GAMES] [SEED] [FIRST GAME]
# Prints the games, the faults injected, the desyncs and the seconds spent.
set -u
sim="$1"
games="${2:-6}"
RANDOM="${3:-27}"
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
boards=(W A E F)
ptahs=(A2 E4 D5 G7 B3 F6 C1 H5)
remotes=(234 24 34 2)
kinds=(cuts jitter restart-guest kill-host all hand-over kill-at-end)
failures=0
desyncs=0
handovers=0
faults=0
play_seconds=0
host_seconds=0
host_turns=0

fail() {
  echo "game $1 (${kinds[$((($1 - 1) % ${#kinds[@]}))]}): $2" >&2
  failures=$((failures + 1))
}
desync() {
  fail "$1" "$2"
  desyncs=$((desyncs + 1))
}
wait_for_file() {
  for _ in $(seq 200); do [ -s "$1" ] && return 0; sleep 0.05; done
  return 1
}
wait_for_line() {
  for _ in $(seq 200); do grep -qxF "$1" "$2" && return 0; sleep 0.05; done
  return 1
}
now() { date +%s.%N; }
# A random turn from 3 to 60, and a moment to cut the line at.
cut_option() {
  local moments=(throw drop turn)
  echo "--cut-line $((RANDOM % 58 + 3)):${moments[$((RANDOM % 3))]}"
}

first="${4:-1}"
for i in $(seq "$first" $((first + games - 1))); do
  kind=${kinds[$(((i - 1) % ${#kinds[@]}))]}
  board=${boards[$(((i - 1) % 4))]}
  ptah=${ptahs[$(((i - 1) % 8))]}
  remote=${remotes[$(((i - 1) % 4))]}
  dir="$work/$i"
  mkdir -p "$dir"
  options=(--board "$board" --ptah "$ptah" --seed "$((i + 100))" --turns 300)
  start=$(now)
  "$sim" play "${options[@]}" --save "$dir/play.vae" --analysis "$dir/play.txt" >"$dir/play.out"
  play_seconds=$(echo "$play_seconds + $(now) - $start" | bc)
  host_options=(--remote "$remote" --identity "$work/identity" --wait 30
    --invitations "$dir/invitations" --save "$dir/host.vae" --analysis "$dir/host.txt"
    --keep "$dir/host.game")
  [ "$kind" = hand-over ] && host_options+=(--hand-over 1)
  start=$(now)
  "$sim" host "${options[@]}" "${host_options[@]}" >"$dir/host.out" 2>"$dir/host.err" &
  host=$!
  wait_for_file "$dir/invitations" || { fail "$i" "no invitations"; continue; }
  mapfile -t invitations <"$dir/invitations"
  guests=()
  for n in "${!invitations[@]}"; do
    extra=()
    case "$kind" in
      cuts) extra=($(cut_option) $(cut_option) $(cut_option)); faults=$((faults + 3)) ;;
      jitter) extra=(--jitter "$((i * 10 + n))"); faults=$((faults + 1)) ;;
      all) extra=(--jitter "$((i * 10 + n))" $(cut_option) $(cut_option)); faults=$((faults + 3)) ;;
    esac
    case "$kind:$n" in
      cuts:0 | jitter:0) extra+=(--cut-line 1:end); faults=$((faults + 1)) ;;
    esac
    "$sim" join "${invitations[$n]}" --wait 120 "${extra[@]}" >"$dir/guest$n.out" \
      2>"$dir/guest$n.err" &
    guests+=($!)
  done
  restarted=-1
  offset=0
  vanished=-1
  case "$kind" in
    jitter)
      # The first guest vanishes on hearing the end, before it says so.
      for _ in $(seq 12000); do
        grep -qxF "Connection lost — reconnecting…" "$dir/guest0.err" && break
        kill -0 "${guests[0]}" 2>/dev/null || break
        sleep 0.02
      done
      kill -9 "${guests[0]}" 2>/dev/null
      wait "${guests[0]}" 2>/dev/null
      vanished=0
      ;;
    restart-guest | hand-over)
      # The first guest dies at a random moment once seated; it comes back
      # unless its seat is to be handed over.
      wait_for_line "The guest of seat ${remote:0:1} joined." "$dir/host.err"
      sleep "0.$((RANDOM % 3 + 1))"
      kill -9 "${guests[0]}" 2>/dev/null
      wait "${guests[0]}" 2>/dev/null
      faults=$((faults + 1))
      if [ "$kind" = restart-guest ] && grep -qx "result unfinished" "$dir/host.game"; then
        sleep 0.3
        "$sim" join "${invitations[0]}" --wait 120 >"$dir/guest0.out" 2>"$dir/guest0.err" &
        guests[0]=$!
        restarted=0
      else
        guests=("${guests[@]:1}")
        offset=1
      fi
      ;;
  esac
  if [ "$kind" = kill-host ] || [ "$kind" = all ]; then
    sleep "0.$((RANDOM % 9 + 1))"
  fi
  if [ "$kind" = kill-at-end ]; then
    # Game 7 reaches the turn limit: its resumed host has no turn left to
    # wait for its guests. A host that got as far as its end first leaves
    # the same game file, so it is resumed all the same.
    for _ in $(seq 1500); do
      grep -qxE "result (win|lose)|next-turn 301" "$dir/host.game" && break
      sleep 0.01
    done
    kill -9 "$host" 2>/dev/null
    wait "$host" 2>/dev/null
    faults=$((faults + 1))
    "$sim" host --resume "$dir/host.game" >"$dir/host.out" 2>>"$dir/host.err" &
    host=$!
  elif { [ "$kind" = kill-host ] || [ "$kind" = all ]; } && kill -9 "$host" 2>/dev/null; then
    wait "$host" 2>/dev/null
    faults=$((faults + 1))
    sleep 0.2
    "$sim" host --resume "$dir/host.game" >"$dir/host.out" 2>>"$dir/host.err" &
    host=$!
  fi
  held=0
  if [ "$vanished" -ge 0 ]; then
    # The host waits 10 s at most for a guest to say it heard the end.
    for _ in $(seq 400); do kill -0 "$host" 2>/dev/null || break; sleep 0.05; done
    if kill -9 "$host" 2>/dev/null; then
      fail "$i" "the vanished guest held the host"
      held=1
    fi
  fi
  wait "$host"
  status=$?
  # A SIGKILL this script did not send (seen once on a busy machine, where
  # process numbers come round again quickly) is one more host killed: it
  # must resume like any other, and the game still end the same.
  for _ in 1 2; do
    [ "$status" -eq 137 ] && [ "$held" -eq 0 ] && [ -f "$dir/host.game" ] || break
    echo "game $i: the host was killed from outside; it resumes." >&2
    faults=$((faults + 1))
    "$sim" host --resume "$dir/host.game" >"$dir/host.out" 2>>"$dir/host.err" &
    host=$!
    wait "$host"
    status=$?
  done
  [ "$status" -eq 0 ] || fail "$i" "the host failed: $(cat "$dir/host.err")"
  host_seconds=$(echo "$host_seconds + $(now) - $start" | bc)
  host_turns=$((host_turns + $(grep -c '^[0-9]' "$dir/host.out")))
  for n in "${!guests[@]}"; do
    # A guest killed prints nothing: the host's files speak for it.
    [ "$n" -eq "$vanished" ] && continue
    wait "${guests[$n]}" || fail "$i" "guest $((n + offset)) failed: $(cat "$dir/guest$((n + offset)).err")"
    out="$dir/guest$((n + offset)).out"
    if [ "$n" -eq "$restarted" ]; then
      # A guest started afresh prints the game from where it came in.
      [ -s "$out" ] && tail -n "$(wc -l <"$out")" "$dir/play.out" | cmp -s - "$out" ||
        desync "$i" "the restarted guest saw another game"
    else
      cmp -s "$dir/play.out" "$out" || desync "$i" "guest $((n + offset)) saw another game"
    fi
  done
  cmp -s "$dir/play.out" "$dir/host.out" || desync "$i" "the host printed another game"
  cmp -s "$dir/play.vae" "$dir/host.vae" || desync "$i" "the saved games differ"
  # A game may end before its guest has been away for a second: then it is
  # not handed over, and the game is the plain one.
  if [ "$kind" = hand-over ] && grep -q "Seat ${remote:0:1}: its guest stayed away longer than 1 s; its computer opponent plays it from now on." \
    "$dir/host.err"; then
    handovers=$((handovers + 1))
    head -c "$(wc -c <"$dir/play.txt")" "$dir/host.txt" | cmp -s - "$dir/play.txt" ||
      desync "$i" "the analysis files differ"
    grep -q "^Seat ${remote:0:1} (the [a-z]* army) was played by its computer opponent from turn [0-9]* on, after its guest over the network was lost.$" \
      "$dir/host.txt" || fail "$i" "the analysis does not say who played seat ${remote:0:1}"
  else
    cmp -s "$dir/play.txt" "$dir/host.txt" || desync "$i" "the analysis files differ"
    if grep -q "computer opponent plays it" "$dir/host.err"; then fail "$i" "$(cat "$dir/host.err")"; fi
  fi
  case "$kind" in
    cuts | all)
      grep -qx "Connection lost — reconnecting…" "$dir"/guest*.err ||
        fail "$i" "no guest said it was reconnecting" ;;
  esac
done
turns_per_second() { [ "$3" -gt 0 ] && echo "scale=2; 1000 * ($2 - $1) / $3" | bc; }
if [ "$games" -ge 6 ] && [ "$handovers" -eq 0 ]; then
  echo "no seat was handed over in $games games" >&2
  failures=$((failures + 1))
fi
echo "$games games, $faults faults injected, $handovers seats handed over, $desyncs desyncs, $failures failures"
echo "play ${play_seconds}s, host ${host_seconds}s for $host_turns turns:" \
  "$(turns_per_second "$play_seconds" "$host_seconds" "$host_turns") ms a turn added by the network and the faults"
[ "$failures" -eq 0 ]
