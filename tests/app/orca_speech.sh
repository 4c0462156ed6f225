#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Orca, the screen reader, hears the calculator as a blind user works it with
# real keys (through the window system, by the tests' hand.py): 1000 typed
# into the first box, then Tab to the gold weight and on, which brings the
# gold prompt, answered by Return. Every box reached is named, and each
# zakat is said after it. What Orca said is printed. Run on a
# desktop by on_desktop.sh; with "wayland" after the program, that runs as a
# native Wayland client of the desktop's compositor.
#   usage: orca_speech.sh <program> [wayland]
set -euo pipefail
program="$1"
platform="${2:-${QT_QPA_PLATFORM:-}}"
work="$(mktemp -d)"
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; pkill -u "$(id -u)" -f "speech-dispatcher.*$work" || true; rm -rf "$work"' EXIT
export HOME="$work" GSETTINGS_BACKEND=memory
# Orca speaks through Speech Dispatcher; here to a synthesiser that says
# nothing, into ALSA's null device.
mkdir -p "$HOME/.config/speech-dispatcher/modules"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
printf '%s\n' 'AudioOutputMethod "alsa"' 'AddModule "silent" "sd_generic" "silent.conf"' \
    'DefaultModule silent' >"$HOME/.config/speech-dispatcher/speechd.conf"
printf '%s\n' 'GenericExecuteSynth "true"' 'AddVoice "en" "MALE1" "en"' \
    >"$HOME/.config/speech-dispatcher/modules/silent.conf"
log="$work/orca.log"
# Orca writes its log in blocks: as each line is said, so that the last words
# are read before more follow.
mkdir -p "$HOME/.local/share/orca"
printf '%s\n' 'from orca import debug' 'debug.debugFile and debug.debugFile.reconfigure(line_buffering=True)' \
    >"$HOME/.local/share/orca/orca-customizations.py"
# What Orca said, a line each, as Orca 43 and 48 write it alike: without the
# closing full stop, a notification without the word "notification".
said() {
    sed -n "s/.*SPEECH OUTPUT: '\(.*\)'.*/\1/p" "$log" 2>/dev/null |
        sed -E "s/'? *\{'established.*//; s/ +$//; s/\.$//; s/^notification //"
}
# Waits until Orca has said the lines given, in this order, after what it had
# said before (a person listens before the next key). With --first, the first
# of them comes before anything else but the key's own echo ("tab") and the
# box left losing its selection: a box is named before its value.
heard=0
hear() {
    local first=""
    [[ "$1" == --first ]] && { first=yes; shift; }
    for _ in $(seq 1200); do
        if said | tail -n +$((heard + 1)) | grep -n -F -x -f <(printf '%s\n' "$@") >"$work/found" &&
            (($(wc -l <"$work/found") >= $#)); then
            local at=$(head -n 1 "$work/found" | cut -d: -f1) before
            before=$(said | tail -n +$((heard + 1)) | head -n $((at - 1)) |
                sed -n '/^tab$/,$p' | grep -v -x -E 'tab|Text unselected' || true)
            heard=$((heard + $(tail -n 1 "$work/found" | cut -d: -f1)))
            [[ -z "$first" || -z "$before" ]] && return 0
            said >&2
            echo "FAIL: Orca said \"$before\" before \"$1\"" >&2
            exit 1
        fi
        sleep 0.05
    done
    said >&2
    tail -n 20 "$log" >&2
    echo "FAIL: Orca did not say, in this order: $*" >&2
    exit 1
}

# The keyboard, before the program's window has it.
coproc HAND { /usr/bin/python3 "$(dirname "$0")/../support/hand.py"; }
press() { echo "$1" >&"${HAND[1]}" && read -r _ <&"${HAND[0]}"; }
press "button up"

# As on an account where the screen reader has been on before: toolkit
# accessibility already set in the user's settings, where at-spi's launcher
# keeps it. Left to be set as Orca 48 starts, on a fresh account, Orca went
# quiet for a minute before its first announcement.
GSETTINGS_BACKEND=dconf gsettings set org.gnome.desktop.interface toolkit-accessibility true
speech-dispatcher --spawn >/dev/null 2>&1
orca --replace --debug --debug-file="$log" >"$work/orca.out" 2>&1 &
pids+=($!)
hear "Screen reader on"
QT_QPA_PLATFORM="$platform" "$program" >"$work/program.out" 2>&1 &
pids+=($!)
hear "Cash & minimum Balance in the Bank text"
press "type 1000"
press "key Tab"
hear --first "Total Value of shares, stocks, bonds text" "Zakat 25"
press "key Tab"
hear --first "Total value of gold/silver certificates text"
press "key Tab"
hear --first "Total Value of Merchandise text"
press "key Tab"
hear --first "Total weight of gold in Jewelry, in the unit beside it text"
# Leaving the weight empty brings the gold prompt; once it is answered, the
# box the focus comes back to is named before the reset zakat.
press "key Tab"
hear "Please enter the gold price from above charts"
press "key Return"
hear "Current price of gold, per ounce text"
hear "Zakat 0"
said
echo "Orca named every box reached, the prompt, and the zakat after the box"
