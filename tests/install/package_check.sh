#!/usr/bin/env bash
# Checks a built Debian package: its file name, that it holds the program's folder
# (program, material table, coefficient file, help page), the link in bin, the menu
# entry and the icon as `cmake --install` lays them out, and that it depends on the
# Qt and CAD-kernel libraries found from the binaries, the Japanese font and Qt's
# translations.
set -euo pipefail
deb=$1
[ -f "$deb" ] || { echo "no package $deb"; exit 1; }
version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)
[ "$(basename "$deb")" = "torsion-spring_${version}_${arch}.deb" ] || { echo "unexpected file name $(basename "$deb")"; exit 1; }
[ "$(dpkg-deb -f "$deb" Package)" = torsion-spring ] || { echo "wrong package name"; exit 1; }

listing=$(dpkg-deb -c "$deb")
paths=$(awk '{print $6}' <<<"$listing")  # the sixth column is the path
has() { grep -qxE "$1" <<<"$paths" || { echo "package lacks $1"; exit 1; }; }
app=$(grep -xE '\./.*/lib/torsion-spring/torsion-spring' <<<"$paths" | head -n 1)
[ -n "$app" ] || { echo "program not in its folder"; exit 1; }
folder=${app%/torsion-spring}
for f in zaidat.dst keisuu.dat help/helphelp.htm libtorsion_step.so; do has "${folder}/${f}"; done
prefix=${folder%/lib/torsion-spring}
has "${prefix}/share/applications/torsion-spring\.desktop"
has "${prefix}/share/icons/hicolor/scalable/apps/torsion-spring\.svg"
grep -qE "^l.* ${prefix}/bin/torsion-spring -> \.\./lib/torsion-spring/torsion-spring\$" <<<"$listing" ||
  { echo "no link ${prefix}/bin/torsion-spring to the program"; exit 1; }

# The menu entry starts the program in its installed folder.
entry=$(mktemp -d)
trap 'rm -rf "$entry"' EXIT
dpkg-deb -x "$deb" "$entry"
desktop=$(find "$entry" -name torsion-spring.desktop)
grep -qx "Exec=${folder#.}/torsion-spring" "$desktop" || { echo "menu entry does not start the packaged program"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for p in fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6 libqt6printsupport6 libc6 libfontconfig1 \
  libocct-data-exchange-7.6 libocct-modeling-algorithms-7.6; do
  grep -qE "(^|, )${p}( |,|$)" <<<"$depends" || { echo "package does not depend on $p: $depends"; exit 1; }
done
echo "package ok: $(basename "$deb") ($depends)"
