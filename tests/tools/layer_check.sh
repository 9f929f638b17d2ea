#!/usr/bin/env bash
# Fails when a source file includes a header of a higher layer, or when the core
# includes a Qt header. Layers, lowest first: core; cad and drawing (side by side,
# neither includes the other); ui; app.
# A second and third argument plant an include (file, header) to show the check fails on it.
set -u
cd "${1:?source folder}"
planted_file=${2:-}
planted_header=${3:-}
includes() {  # grep -rn lines of the includes under $1 matching $2, with the planted one
  grep -rnE "$2" "$1" --include='*.h' --include='*.cpp' --include='*.inl'
  if [ -n "$planted_file" ] && [[ "$planted_file" == "$1"/* ]]; then
    echo "$planted_file:0:#include \"$planted_header\""
  fi
}
rank() {
  case "$1" in
    core) echo 0 ;; cad|drawing) echo 1 ;; ui) echo 2 ;; app) echo 3 ;; *) echo -1 ;;
  esac
}
bad=0
for dir in core cad drawing ui app; do
  own=$(rank "$dir")
  while IFS=: read -r file line text; do
    target=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
    theirs=$(rank "$target")
    [ "$theirs" -lt 0 ] && continue
    if [ "$theirs" -gt "$own" ] || { [ "$theirs" -eq "$own" ] && [ "$target" != "$dir" ]; }; then
      echo "$file:$line: $dir may not include $target: $text"
      bad=1
    fi
  done < <(includes "$dir" '^\s*#\s*include "[^"]+/')
done
# Inside the core and inside the windows the subject folders form one order too: a folder
# includes only lower ones (folders of one rank never include each other).
core_rank() {
  case "$1" in
    base) echo 0 ;; model) echo 1 ;; materials) echo 2 ;; calc) echo 3 ;; tolerances|geometry) echo 4 ;;
    evaluation) echo 5 ;; design|report|files) echo 6 ;; *) echo -1 ;;
  esac
}
ui_rank() {
  case "$1" in
    common) echo 0 ;; editors|print|search) echo 1 ;; main_window) echo 2 ;; *) echo -1 ;;
  esac
}
for layer in core ui; do
  while IFS=: read -r file line text; do
    from=$(cut -d/ -f2 <<<"$file")
    to=$(sed -E 's/.*#include "[^/"]+\/([^/"]+)\/.*/\1/' <<<"$text")
    own=$("${layer}_rank" "$from")
    theirs=$("${layer}_rank" "$to")
    if [ "$own" -lt 0 ] || [ "$theirs" -lt 0 ]; then
      echo "$file:$line: $layer/$from or $layer/$to has no place in the order"
      bad=1
    elif [ "$to" != "$from" ] && [ "$theirs" -ge "$own" ]; then
      echo "$file:$line: $layer/$from may not include $layer/$to: $text"
      bad=1
    fi
  done < <(includes "$layer" "^\s*#\s*include \"$layer/[^/\"]+/")
done
# The core builds without Qt.
if grep -rnE '^\s*#\s*include\s*<Q' core --include='*.h' --include='*.cpp'; then
  echo "the core includes a Qt header"
  bad=1
fi
[ "$bad" -eq 0 ] && echo "no include runs up a layer"
exit "$bad"
