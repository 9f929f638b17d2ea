#!/usr/bin/env bash
# Checks a built Debian package: its file name, that it holds the program's folder
# (program, material table, coefficient file, help page), the link in bin, the menu
# entry and the icon as `cmake --install` lays them out, the case-file type, the
# AppStream description, the manual pages and the package documents (copyright,
# changelog), that it depends on the Qt and CAD-kernel libraries found from the
# binaries, the Japanese font and Qt's translations; then the desktop's and Debian's
# own validators on it.
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
for f in zaidat.dst keisuu.dat help/helphelp.htm help/helphelp_en.htm libtorsion_step.so torsion-spring_en.qm; do has "${folder}/${f}"; done
prefix=${folder%/lib/torsion-spring}
has "${prefix}/share/applications/torsion-spring\.desktop"
has "${prefix}/share/icons/hicolor/scalable/apps/torsion-spring\.svg"
has "${prefix}/share/mime/packages/torsion-spring\.xml"
metainfo_name=io.github.torsion_spring.TorsionSpring.metainfo.xml
has "${prefix}/share/metainfo/${metainfo_name//./\\.}"
has "${prefix}/share/man/man1/torsion-spring\.1\.gz"
has "${prefix}/share/man/ja/man1/torsion-spring\.1\.gz"
# The documents, and every note on the data that the README cites.
notes=$(grep -oE 'data/[A-Za-z0-9_]+\.md' "$(dirname "$0")/../../README.md" | sed 's|^data/||' | sort -u)
[ -n "$notes" ] || { echo "the README cites no data notes"; exit 1; }
for f in copyright changelog.Debian.gz $notes; do has "${prefix}/share/doc/torsion-spring/${f//./\\.}"; done
grep -qE "^l.* ${prefix}/bin/torsion-spring -> \.\./lib/torsion-spring/torsion-spring\$" <<<"$listing" ||
  { echo "no link ${prefix}/bin/torsion-spring to the program"; exit 1; }

# The menu entry starts the program in its installed folder.
entry=$(mktemp -d)
trap 'rm -rf "$entry"' EXIT
# The packaged program runs with folders of its own, never the user's.
export HOME="$entry/home" XDG_DATA_HOME="$entry/home/data" XDG_CONFIG_HOME="$entry/home/config" \
  XDG_CACHE_HOME="$entry/home/cache"
mkdir -p "$HOME"
dpkg-deb -x "$deb" "$entry"
desktop=$(find "$entry" -name torsion-spring.desktop)
grep -qx "Exec=${folder#.}/torsion-spring %f" "$desktop" || { echo "menu entry does not start the packaged program"; exit 1; }
grep -qx "MimeType=application/x-torsion-spring-cases;application/x-torsion-spring-design;" "$desktop" || { echo "menu entry does not declare the case files"; exit 1; }
root="$entry${prefix#.}"

# The case-file type: *.nbd is application/x-torsion-spring-cases, named in Japanese too.
mime="$entry/mime"
mkdir -p "$mime/packages"
cp "$root/share/mime/packages/torsion-spring.xml" "$mime/packages/"
update-mime-database "$mime" >/dev/null 2>&1
grep -qx "50:application/x-torsion-spring-cases:\*\.nbd" "$mime/globs2" || { echo "*.nbd is not a case file"; exit 1; }
grep -qx "50:application/x-torsion-spring-design:\*\.nbdx" "$mime/globs2" || { echo "*.nbdx is not a design file"; exit 1; }
grep -q 'xml:lang="ja"' "$mime/packages/torsion-spring.xml" || { echo "the case-file type has no Japanese comment"; exit 1; }

# The documents: machine-readable copyright naming the licence and the data's sources,
# a Debian change log, and manual pages that name every command and option of --help.
copyright="$root/share/doc/torsion-spring/copyright"
head -n 1 "$copyright" | grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  { echo "copyright is not machine-readable"; exit 1; }
grep -q "^License: GPL-2+" "$copyright" && grep -q "JIS G 3522" "$copyright" || { echo "copyright lacks the licence or the data's sources"; exit 1; }
zcat "$root/share/doc/torsion-spring/changelog.Debian.gz" | head -n 1 | grep -q "^torsion-spring (${version}) " ||
  { echo "changelog.Debian.gz does not start with this version"; exit 1; }
options=$("$root/lib/torsion-spring/torsion-spring" --help | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
[ -n "$options" ] || { echo "no options in --help"; exit 1; }
for page in man/man1 man/ja/man1; do
  text=$(zcat "$root/share/$page/torsion-spring.1.gz" | sed 's/\\-/-/g')
  for o in $options; do grep -qF -- "$o" <<<"$text" || { echo "manual page $page lacks $o"; exit 1; }; done
  LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$root/share/$page/torsion-spring.1.gz" 2>&1 >/dev/null |
    { ! grep . ; } || { echo "manual page $page has roff warnings"; exit 1; }
done

# The validators of the menu entry and the AppStream description, and lintian.
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$root/share/metainfo/$metainfo_name"
grep -q '<screenshot type="default">' "$root/share/metainfo/$metainfo_name" &&
  grep -q '<name xml:lang="ja">' "$root/share/metainfo/$metainfo_name" &&
  grep -q '<summary xml:lang="ja">' "$root/share/metainfo/$metainfo_name" ||
  { echo "the AppStream description lacks its screenshot or its Japanese name and summary"; exit 1; }
# No errors. Left: the warning initial-upload-closes-no-bugs (the package is not
# uploaded to Debian, so there is no bug asking for it to close), the warning
# maintscript-calls-ldconfig (CPack adds ldconfig to postinst and postrm for any shared
# library under /usr/lib, here the program's private STEP writer; harmless) and, as information,
# the .comment section that strip keeps and the help page in the program's folder,
# where the program opens it.
lintian --fail-on error --tag-display-limit 0 "$deb"

depends=$(dpkg-deb -f "$deb" Depends)
for p in fonts-ipafont-gothic qt6-translations-l10n libqt6widgets6 libqt6printsupport6 libc6 libfontconfig1 \
  libocct-data-exchange-7.6 libocct-modeling-algorithms-7.6; do
  grep -qE "(^|, )${p}( |,|$)" <<<"$depends" || { echo "package does not depend on $p: $depends"; exit 1; }
done
echo "package ok: $(basename "$deb") ($depends)"
