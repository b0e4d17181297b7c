#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks what the desktop reads (menu entry,
# metadata, icons, guide), then starts the installed program the way its menu entry does, on
# a virtual X display and without any locale: it opens its one window, titled right, with
# its icon, in the home folder, and F1 hands the desktop the guide installed beside it.
# Usage: installed-program.sh BUILD_DIR
set -euo pipefail
build="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "ÉCHEC : $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
id=fr.parcoval.Parcoval
desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
for file in "$prefix/bin/parcoval" "$desktop" "$metainfo" \
    "$prefix/share/icons/hicolor/32x32/apps/$id.png" \
    "$prefix/share/icons/hicolor/scalable/apps/$id.svg" \
    "$prefix/share/doc/parcoval/Lisez-moi.pdf" "$prefix/share/doc/parcoval/copyright"; do
    [ -f "$file" ] || fail "${file#"$prefix"/} n'est pas installé"
done
desktop-file-validate "$desktop" || fail "entrée de menu refusée par desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "métadonnées refusées par appstreamcli"
grep -q '^Name=Parcoval$' "$desktop" || fail "nom de l'entrée de menu"
grep -q "^Icon=$id$" "$desktop" || fail "icône de l'entrée de menu"

# A desktop that notes what it is asked to open, where the program finds one.
mkdir -p "$work/home" "$work/desktop"
cat >"$work/desktop/xdg-open" <<'EOF'
#!/bin/sh
printf '%s\n' "$1" >>"$OPENED"
EOF
chmod +x "$work/desktop/xdg-open"
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"

export WORK="$work" PREFIX="$prefix" EXEC_LINE="$exec_line" OPENED="$work/opened"
export HOME="$work/home" PATH="$prefix/bin:$work/desktop:$PATH"
export ASAN_OPTIONS=detect_leaks=0
unset QT_QPA_PLATFORM LC_ALL LC_CTYPE LC_MESSAGES LANG LANGUAGE
cat >"$work/inside.sh" <<'EOF'
set -euo pipefail
fail() { echo "ÉCHEC : $*" >&2; exit 1; }
cd /
# The menu entry's command line, as a launcher runs it, in place of this shell.
eval "exec $EXEC_LINE" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) || true
if [ -z "$window" ]; then
    kill -0 "$pid" 2>/dev/null && fail "pas de fenêtre au bout de 30 s"
    fail "le programme s'est arrêté avant d'ouvrir sa fenêtre"
fi
sleep 1
[ "$(xdotool search --onlyvisible --pid "$pid" | wc -l)" = 1 ] \
    || fail "une boîte de dialogue s'est ouverte au démarrage"
# Read in the C locale: the old title property is Latin-1, the new one UTF-8.
[ "$(xprop -id "$window" WM_NAME)" = 'WM_NAME(STRING) = "Donn\351es de parcoval"' ] \
    || fail "titre : $(xprop -id "$window" WM_NAME)"
# Read whole before they are searched: grep -q would stop the writer mid-way.
named=$(xdotool search --name "Données de parcoval")
grep -qx "$window" <<<"$named" || fail "fenêtre introuvable par son titre"
icons=$(xprop -id "$window" _NET_WM_ICON)
grep -q "Icon (32 x 32)" <<<"$icons" || fail "pas d'icône 32 × 32"
[ "$(readlink "/proc/$pid/cwd")" = "$HOME" ] || fail "dossier courant : $(readlink "/proc/$pid/cwd")"
xdotool key --window "$window" F1
for _ in $(seq 50); do [ -s "$OPENED" ] && break; sleep 0.1; done
[ "$(cat "$OPENED" 2>/dev/null)" = "file://$PREFIX/share/doc/parcoval/Lisez-moi.pdf" ] \
    || fail "F1 a ouvert « $(cat "$OPENED" 2>/dev/null) »"
echo "Le programme installé s'ouvre dans le dossier personnel, avec son icône, et F1 ouvre son guide."
EOF
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" bash "$work/inside.sh"
