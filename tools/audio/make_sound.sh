#!/usr/bin/env bash
# Synthesises one of the game's sounds with sox.
# Usage: make_sound.sh <recipe> <output file (.wav or .ogg)>
set -euo pipefail

recipe="$1"
out="$2"
rate=44100
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$(dirname "$out")"

# A mono tone of one or more waveforms mixed down: tone FILE SECONDS "sine C4 sine E4" [effects...]
tone() {
    local file="$1" len="$2" waves="$3"
    shift 3
    local count=0 word
    for word in $waves; do
        [[ "$word" =~ ^(sine|square|triangle|sawtooth|trapezium|exp|pluck|[a-z]*noise)$ ]] && count=$((count + 1))
    done
    sox -n -r "$rate" -c "$count" "$work/raw.wav" synth "$len" $waves
    sox "$work/raw.wav" -c 1 "$file" remix - "$@"
}

silence() {
    sox -n -r "$rate" -c 1 "$1" trim 0 "$2"
}

# A sequence of notes, one after another:
# layer FILE BEAT_SECONDS WAVE "C4:1 E4+G4:0.5 r:1 ..." FADE_OUT [effects for each note...]
# A note is one pitch or several joined by '+', with its length in beats; r rests.
layer() {
    local file="$1" beat="$2" wave="$3" notes="$4" release="$5"
    shift 5
    local parts=() i=0 token pitch beats len waves p
    for token in $notes; do
        pitch="${token%%:*}"
        beats="${token##*:}"
        len=$(awk -v b="$beats" -v s="$beat" 'BEGIN { printf "%.4f", b * s }')
        i=$((i + 1))
        if [[ "$pitch" == r ]]; then
            silence "$work/n$i.wav" "$len"
        else
            waves=""
            for p in ${pitch//+/ }; do
                waves+="$wave $p "
            done
            tone "$work/n$i.wav" "$len" "$waves" fade q 0.01 "$len" "$release" "$@"
        fi
        parts+=("$work/n$i.wav")
    done
    sox "${parts[@]}" "$file"
}

# Mixes the layers of a loop, plays it twice through the reverb and keeps the
# second pass, so that the tail of the end runs into the start when it loops.
# loop OUT SECONDS layer...
loop() {
    local target="$1" len="$2"
    shift 2
    local twice=() f
    for f in "$@"; do
        sox "$f" "$f" "$f.2.wav"
        twice+=(-v 0.5 "$f.2.wav")
    done
    sox -m "${twice[@]}" "$work/mix.wav" reverb 35 50 80 gain -n -3
    sox "$work/mix.wav" -c 2 "$target" trim "$len" "$len"
}

case "$recipe" in
ButtonPress)
    tone "$work/a.wav" 0.14 "pluck E5 pluck B5" fade q 0.002 0.14 0.1
    sox "$work/a.wav" "$out" gain -n -4 ;;
ButtonHover)
    tone "$work/a.wav" 0.035 "sine 1800" fade h 0.002 0.035 0.03
    sox "$work/a.wav" "$out" gain -n -12 ;;
Cash)
    tone "$work/a.wav" 0.08 "sine B5 sine B6" fade q 0.002 0.08 0.01
    tone "$work/b.wav" 0.45 "sine E6 sine E7" fade q 0.002 0.45 0.4
    sox "$work/a.wav" "$work/b.wav" "$out" gain -n -4 ;;
Build)
    tone "$work/a.wav" 0.3 "sine 140:55" fade q 0.002 0.3 0.25
    tone "$work/b.wav" 0.3 "pluck G4 pluck D5" fade q 0.002 0.3 0.2
    sox -m "$work/a.wav" "$work/b.wav" "$out" gain -n -3 ;;
Sell)
    layer "$work/a.wav" 0.07 pluck "G5:1 E5:1 C5:3" 0.05
    sox "$work/a.wav" "$out" gain -n -4 ;;
Trash)
    tone "$work/a.wav" 0.35 "brownnoise" fade q 0.01 0.35 0.3 lowpass 1800
    sox "$work/a.wav" "$out" gain -n -6 ;;
Fire)
    tone "$work/a.wav" 2.0 "brownnoise" tremolo 7 60 lowpass 2500
    tone "$work/b.wav" 2.0 "pinknoise" tremolo 13 90 highpass 2000
    sox -m "$work/a.wav" -v 0.4 "$work/b.wav" "$out" gain -n -8 ;;
Water)
    tone "$work/a.wav" 0.6 "pinknoise" fade q 0.02 0.6 0.45 bandpass 1200 800 tremolo 18 40
    sox "$work/a.wav" "$out" gain -n -5 ;;
Mail)
    layer "$work/a.wav" 0.12 sine "A5:1 E6:3" 0.25
    sox "$work/a.wav" "$out" gain -n -6 ;;
Pop)
    tone "$work/a.wav" 0.06 "sine 300:900" fade q 0.002 0.06 0.04
    sox "$work/a.wav" "$out" gain -n -5 ;;
Win)
    layer "$work/a.wav" 0.12 pluck "C5:1 E5:1 G5:1 C6+E6+G6:6" 0.5
    sox "$work/a.wav" "$out" gain -n -3 ;;
Lose)
    layer "$work/a.wav" 0.25 triangle "G4:1 E4:1 C4+Eb4:4" 0.4
    sox "$work/a.wav" "$out" gain -n -6 ;;
Like)
    tone "$work/a.wav" 0.22 "sine 520:880" fade q 0.01 0.22 0.08
    sox "$work/a.wav" "$out" gain -n -8 ;;
Dislike)
    tone "$work/a.wav" 0.3 "triangle 440:220" fade q 0.01 0.3 0.1 lowpass 1500
    sox "$work/a.wav" "$out" gain -n -8 ;;
Frustrated)
    tone "$work/a.wav" 0.45 "triangle 300:240" tremolo 9 70 fade q 0.01 0.45 0.1 lowpass 1400
    sox "$work/a.wav" "$out" gain -n -8 ;;
NoSeats)
    layer "$work/a.wav" 0.09 square "E4:1 r:0.5 E4:1" 0.03 lowpass 1200
    sox "$work/a.wav" "$out" gain -n -12 ;;
NoTime)
    layer "$work/a.wav" 0.07 square "C5:1 r:0.5 C5:1 r:0.5 C5:1" 0.02 lowpass 2000
    sox "$work/a.wav" "$out" gain -n -12 ;;
ChooseStall)
    tone "$work/a.wav" 0.12 "pluck A5" fade q 0.002 0.12 0.08
    sox "$work/a.wav" "$out" gain -n -10 ;;
Served)
    layer "$work/a.wav" 0.08 sine "E6:1 B6:3" 0.2
    sox "$work/a.wav" "$out" gain -n -8 ;;
GiveUp)
    # A customer walks off: a sighing slide down and a low thud.
    tone "$work/a.wav" 0.5 "triangle 520:180" fade q 0.01 0.5 0.2 lowpass 1600
    tone "$work/b.wav" 0.15 "sine 90:60" fade q 0.002 0.15 0.12
    sox "$work/a.wav" "$work/b.wav" "$out" gain -n -8 ;;
Purchase)
    # The till: a drawer rattle then a bell.
    tone "$work/a.wav" 0.12 "whitenoise" fade q 0.005 0.12 0.08 bandpass 3000 1500 tremolo 40 80
    tone "$work/b.wav" 0.5 "sine C7 sine G7" fade q 0.002 0.5 0.45
    sox "$work/a.wav" "$work/b.wav" "$out" gain -n -6 ;;
Maintenance)
    # Coins trickling away.
    layer "$work/a.wav" 0.06 sine "E6:1 C6:1 A5:1 F5:2" 0.04
    sox "$work/a.wav" "$out" gain -n -8 ;;
NoMoney)
    # A short low buzz, twice.
    layer "$work/a.wav" 0.1 sawtooth "A2:1.2 r:0.6 A2:1.8" 0.03 lowpass 900
    sox "$work/a.wav" "$out" gain -n -10 ;;
MainMenu)
    # 100 beats a minute, four bars: C, A minor, F, G.
    beat=0.6
    layer "$work/pad.wav" $beat sine "C4+E4+G4:4 A3+C4+E4:4 F3+A3+C4:4 G3+B3+D4:4" 0.6 fade q 0.15
    layer "$work/bass.wav" $beat pluck "C2:2 C2:2 A1:2 A1:2 F1:2 F1:2 G1:2 G1:2" 0.3
    layer "$work/lead.wav" $beat pluck \
        "E5:0.5 G5:0.5 C6:0.5 G5:0.5 E5:0.5 D5:0.5 C5:0.5 D5:0.5
         E5:0.5 A5:0.5 C6:0.5 A5:0.5 E5:0.5 D5:0.5 C5:0.5 B4:0.5
         A4:0.5 C5:0.5 F5:0.5 A5:0.5 G5:0.5 F5:0.5 E5:0.5 D5:0.5
         D5:0.5 G5:0.5 B5:0.5 G5:0.5 D5:0.5 E5:0.5 F5:0.5 D5:0.5" 0.2 lowpass 3500
    loop "$out" 9.6 "$work/pad.wav" "$work/bass.wav" "$work/lead.wav" ;;
Level)
    # 120 beats a minute, four bars: F, G, E minor, A minor; a livelier market tune.
    beat=0.5
    layer "$work/pad.wav" $beat triangle "F3+A3+C4:4 G3+B3+D4:4 E3+G3+B3:4 A3+C4+E4:4" 0.5 lowpass 1800
    layer "$work/bass.wav" $beat pluck \
        "F2:1 C2:1 F2:1 C2:1 G2:1 D2:1 G2:1 D2:1 E2:1 B1:1 E2:1 B1:1 A1:1 E2:1 A1:1 E2:1" 0.2
    layer "$work/lead.wav" $beat pluck \
        "C5:1 A4:0.5 C5:0.5 F5:1 E5:1
         D5:1 B4:0.5 D5:0.5 G5:1 F5:1
         E5:1 B4:0.5 E5:0.5 G5:0.5 F#5:0.5 E5:1
         C5:0.5 E5:0.5 A5:1 G5:0.5 E5:0.5 C5:1" 0.15 lowpass 3500
    loop "$out" 8.0 "$work/pad.wav" "$work/bass.wav" "$work/lead.wav" ;;
Scuffle)
    tone "$work/a.wav" 0.9 "brownnoise" tremolo 9 80 lowpass 900
    tone "$work/b.wav" 0.9 "sine 90:60" tremolo 6 90
    sox -m "$work/a.wav" "$work/b.wav" "$work/c.wav"
    sox "$work/c.wav" "$out" fade q 0.02 0.9 0.3 gain -n -7 ;;
Punch)
    tone "$work/a.wav" 0.12 "sine 160:50" fade q 0.002 0.12 0.08
    tone "$work/b.wav" 0.12 "whitenoise" fade q 0.001 0.12 0.1 lowpass 2000
    sox -m "$work/a.wav" -v 0.5 "$work/b.wav" "$out" gain -n -4 ;;
*)
    echo "make_sound.sh: unknown recipe \"$recipe\"" >&2
    exit 1 ;;
esac
