#!/usr/bin/env bash
# End to end: the real program on a virtual X display, driven by real X input, started
# without any locale as on a bare machine. It types a date, changes the step and the corps,
# saves under a name through the dialog, then checks the data file's bytes and the texts the
# window shows (copied out through the clipboard).
# Usage: drive-window.sh PROGRAM
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export PROGRAM="$program" WORK="$work"
unset QT_QPA_PLATFORM LC_ALL LC_CTYPE LC_MESSAGES LANG LANGUAGE
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash -euo pipefail -c '
    cd "$WORK"
    "$PROGRAM" 2>"$WORK/stderr" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
    sleep 1
    # Without a locale too, the title reaches the desktop right (Latin-1 in its old property).
    named=$(xdotool search --name "Données de parcoval")
    grep -qx "$window" <<<"$named" || { echo "ÉCHEC : titre $(xprop -id "$window" WM_NAME)" >&2; exit 1; }
    at() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
    # The text of a read-only field, copied the way a user would.
    copied() { at "$1" "$2"; xdotool key ctrl+a ctrl+c; sleep 0.3; xclip -o -selection clipboard; }
    fail() { echo "ÉCHEC : $*" >&2; cat "$WORK/stderr" >&2; exit 1; }

    at 150 74                      # MaskEdit1: the click empties it
    xdotool type --delay 60 "15/06/20"
    at 65 233                      # RadioGroup1: "6e échelon"
    at 505 82                      # RadioButton2: Instituteur(trice)
    at 150 483                     # Button2: "Enregistrer vos données"
    sleep 1
    xdotool type --delay 60 "Dupont"
    xdotool key Return
    sleep 1

    [ -f DatProf.pcv ] || fail "DatProf.pcv n a pas été écrit"
    [ "$(stat -c %s DatProf.pcv)" = 153 ] || fail "taille $(stat -c %s DatProf.pcv) au lieu de 153"
    field() { dd if=DatProf.pcv bs=1 skip="$(( $1 + 1 ))" count="$(od -An -tu1 -j "$1" -N1 DatProf.pcv)" 2>/dev/null; }
    [ "$(field 0)" = "Dupont" ] || fail "nom : $(field 0)"
    [ "$(field 21)" = "6" ] || fail "échelon : $(field 21)"
    [ "$(field 24)" = "15/06/20" ] || fail "date de promotion : $(field 24)"
    [ "$(field 74)" = "01/01/01" ] || fail "ancienneté : $(field 74)"
    [ "$(od -An -tu1 -j 7 -N14 DatProf.pcv | tr -s " " | xargs)" = "0 0 0 0 0 0 0 0 0 0 0 0 0 0" ] || fail "octets après le nom"

    [ "$(copied 400 145)" = "15/09/21" ] || fail "Edit1 : $(copied 400 145)"
    [ "$(copied 400 179)" = "15/12/21" ] || fail "Edit2 : $(copied 400 179)"
    [ "$(copied 400 213)" = "15/12/22" ] || fail "Edit3 : $(copied 400 213)"
    # Seniority from 01/01/01 to today, on the 360-day year.
    days=$(( 360 * ($(date +%Y) - 2001) + 30 * ($(date +%-m) - 1) + $(date +%-d) - 1 ))
    [ "$(copied 336 287)" = "$(( days / 360 ))" ] || fail "Edit6 : $(copied 336 287)"
    [ "$(copied 505 17)" = "Dupont" ] || fail "ComboBox1 : $(copied 505 17)"
    echo "Le programme a enregistré Dupont et affiche les dates attendues."
'
