#!/usr/bin/env bash
# Synthesises the cash register's "ka-ching" played after a calculation: the cash drawer's clunk and
# rattle, a short first strike of the bell ("ka") and the long ringing one ("ching"), mixed into
# about one second of mono sound and encoded as cashregister.mp3.
# Needs sox and lame (Debian packages sox and lame).
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rate=44100
# -R seeds sox's noise generator with a fixed value, so every run makes the same file.
gen() { sox -R -V1 -r "$rate" -c 1 -n "$work/$1" "${@:2}"; }

# Drawer clunk: a short low thump of filtered noise.
gen clunk.wav synth 0.14 brownnoise highpass 60 lowpass 420 fade q 0.002 0.14 0.12 gain -2
# Drawer rattle: noise chopped into quick pulses by a deep tremolo, fading as the drawer stops.
gen rattle.wav synth 0.24 pinknoise bandpass 2200 1.5q tremolo 34 100 fade q 0.004 0.24 0.2 gain -6

# bell NAME LENGTH FREQUENCY...: one bell strike, a sum of sine partials that starts sharp and
# dies away; pairs of nearly equal partials beat against each other and make the bell shimmer.
bell() {
    local name="$1" length="$2"
    shift 2
    local parts=() i=0 f
    for f in "$@"; do
        gen "$name-$i.wav" synth "$length" sine "$f" fade l 0.001 "$length" "$length"
        parts+=("$work/$name-$i.wav")
        i=$((i + 1))
    done
    sox -R -V1 -m "${parts[@]}" "$work/$name.wav"
}
# "ka": a brief, higher strike.
bell ka 0.09 3136 4699 6272
# "ching": the main ring, inharmonic partials of a small bell.
bell ching 0.82 2093 2099 3527 4699 4706 6390

# Place the strikes after the drawer noise, mix, set the level and end on a short fade.
sox -R -V1 "$work/ka.wav" "$work/ka-late.wav" pad 0.12
sox -R -V1 "$work/ching.wav" "$work/ching-late.wav" pad 0.2 gain 2
sox -R -V1 -m "$work/clunk.wav" "$work/rattle.wav" "$work/ka-late.wav" "$work/ching-late.wav" \
    "$work/mix.wav" norm -1 trim 0 1.0 fade q 0 1.0 0.08

# Encode: mono, 64 kbit/s constant rate, no replay-gain analysis (nothing varies between runs).
lame --quiet --noreplaygain -m m -b 64 "$work/mix.wav" "$here/cashregister.mp3"
