#!/usr/bin/env bash
# Installs the build into a scratch folder and checks that the program's folder is
# self-contained, that the link and the menu entry lead to it, and that the installed
# program starts and finds its material table there.
set -euo pipefail
build=$1
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
# The installed program runs with folders of its own: the user's recovery files and
# settings are neither read (a left-over recovery file would stop it at its question)
# nor changed.
export HOME="$dest/home" XDG_DATA_HOME="$dest/home/data" XDG_CONFIG_HOME="$dest/home/config" \
  XDG_CACHE_HOME="$dest/home/cache"
mkdir -p "$HOME"
DESTDIR="$dest" cmake --install "$build" >/dev/null
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
root="$dest$prefix"
app=$(find "$root" -type f -name torsion-spring -path '*/torsion-spring/*' | head -n 1)
[ -n "$app" ] || { echo "program not installed"; exit 1; }
folder=$(dirname "$app")
for f in zaidat.dst keisuu.dat help/helphelp.htm help/helphelp_en.htm libtorsion_step.so torsion-spring_en.qm; do
  [ -s "$folder/$f" ] || { echo "missing $f beside the program"; exit 1; }
done
[ "$(stat -c %s "$folder/zaidat.dst")" = 52080 ] || { echo "zaidat.dst has the wrong size"; exit 1; }
[ "$(stat -c %s "$folder/keisuu.dat")" = 736 ] || { echo "keisuu.dat has the wrong size"; exit 1; }
[ "$(readlink -f "$root/bin/torsion-spring")" = "$(readlink -f "$app")" ] || { echo "bin link does not lead to the program"; exit 1; }
desktop="$root/share/applications/torsion-spring.desktop"
grep -qx 'Name\[ja\]=ねじりコイルばね設計計算' "$desktop" || { echo "menu entry lacks its Japanese name"; exit 1; }
grep -qx "Exec=${folder#"$dest"}/torsion-spring %f" "$desktop" || { echo "menu entry does not start the program"; exit 1; }
[ -s "$root/share/icons/hicolor/scalable/apps/torsion-spring.svg" ] || { echo "icon missing"; exit 1; }
# Every note on the data that the README cites is in the documentation folder.
notes=$(grep -oE 'data/[A-Za-z0-9_]+\.md' "$(dirname "$0")/../../README.md" | sed 's|^data/||' | sort -u)
[ -n "$notes" ] || { echo "the README cites no data notes"; exit 1; }
for f in $notes; do
  [ -s "$root/share/doc/torsion-spring/$f" ] || { echo "data note $f missing from the documentation folder"; exit 1; }
done
# The installed program starts through its link, reads its folder's files and ends cleanly.
QT_QPA_PLATFORM=offscreen TS_QUIT_AFTER_START=1 timeout 60 "$root/bin/torsion-spring"
echo "install ok: $folder"
