#!/usr/bin/env bash
# check-install.sh BUILD_DIR SOURCE_DIR
#
# Runs in the test wrapper's throw-away home. Fails on the first thing that a
# user of the installed editor would find broken.
set -euo pipefail
build="$1"
source="$2"
work="$TMPDIR/install-check"
prefix="$work/prefix"
mkdir -p "$work"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "PASS: $*"; }

cmake --install "$build" --prefix "$prefix" >"$work/install.log"

# The installed programs, with no hint where their data is: they must find the
# data root and the library under their own prefix.
unset MORVANTIC_DATA_ROOT
libdir=$(dirname "$(find "$prefix" -name 'libVendrelModule.so.*.*.*.*' | head -n1)")
for link in libVendrelModule.so libVendrelModule.so.3 libVendrelModule.so.3.0.5.5; do
  [ -e "$libdir/$link" ] && pass "library $link" || fail "library $link missing in $libdir"
done

version=$("$prefix/bin/vendrel" --version) || fail "vendrel --version exited with $?"
[ "$version" = "vendrel 3.0.5.5" ] && pass "vendrel --version" || fail "vendrel --version: '$version'"
"$prefix/bin/vendrel-render" --version >/dev/null && pass "vendrel-render --version" ||
  fail "vendrel-render --version"

# The seeds of the fuzz targets are labels the editor saved.
label=$(ls "$source"/fuzz/corpus/qypm/*.qypm | head -n1)
if "$prefix/bin/vendrel-render" "$label" --png "$work/label.png" --dpi 100; then
  if [ "$(head -c 8 "$work/label.png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ]; then
    pass "installed renderer draws a label without MORVANTIC_DATA_ROOT"
  else
    fail "installed renderer wrote no PNG"
  fi
else
  fail "installed renderer refused $label (exit $?)"
fi

# Desktop files as the menu and the software centre read them.
share="$prefix/share"
desktop="$share/applications/com.morvantic.Vendrel.desktop"
desktop-file-validate "$desktop" && pass "desktop entry valid" || fail "desktop entry invalid"
appstreamcli validate --no-net "$share/metainfo/com.morvantic.Vendrel.metainfo.xml" >"$work/as.log" &&
  pass "metainfo valid" || { cat "$work/as.log" >&2; fail "metainfo invalid"; }
for size in 16x16 32x32 48x48 256x256; do
  [ -s "$share/icons/hicolor/$size/apps/com.morvantic.Vendrel.png" ] && pass "icon $size" ||
    fail "icon $size missing"
done
[ -s "$share/icons/hicolor/scalable/apps/com.morvantic.Vendrel.svg" ] || fail "scalable icon missing"

# The label types, by name and by content, from the installed MIME package.
export XDG_DATA_HOME="$work/xdg"
export XDG_DATA_DIRS="$work/none"
mkdir -p "$XDG_DATA_HOME/mime/packages"
cp "$share/mime/packages/com.morvantic.Vendrel.xml" "$XDG_DATA_HOME/mime/packages/"
update-mime-database "$XDG_DATA_HOME/mime"
unset XDG_CURRENT_DESKTOP
check_type() { # file expected what
  local got
  got=$(xdg-mime query filetype "$1" 2>/dev/null | sed 's/;.*//')
  [ "$got" = "$2" ] && pass "$3: $got" || fail "$3: '$got', not $2"
}
cp "$label" "$work/saved.qypm"
check_type "$work/saved.qypm" application/x-vendrel-pipe-marker "saved pipe marker"
cp "$source/fuzz/corpus/qyam/$(ls "$source/fuzz/corpus/qyam" | head -n1)" "$work/saved.qyam"
check_type "$work/saved.qyam" application/x-vendrel-ammonia-pipe-marker "saved ammonia marker"
cp "$label" "$work/no-suffix"
check_type "$work/no-suffix" application/x-vendrel-pipe-marker "pipe marker by content"
for format in qyam qyaw QYAW; do
  printf '\x89%s\0\0\0\0\0\0\0\0' "$format" >"$work/magic-$format"
done
check_type "$work/magic-qyam" application/x-vendrel-ammonia-pipe-marker "ammonia marker by content"
check_type "$work/magic-qyaw" application/x-vendrel-arrow-wrap "arrow wrap by content"
check_type "$work/magic-QYAW" application/x-vendrel-arrow-wrap "arrow wrap, capital suffix, by content"

# Manual pages that render without a warning.
for page in vendrel vendrel-render; do
  file="$share/man/man1/$page.1.gz"
  if [ -s "$file" ] && [ -z "$(zcat "$file" | groff -man -Tutf8 -ww -z 2>&1)" ]; then
    pass "manual page $page"
  else
    fail "manual page $page missing or warns"
  fi
done

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed" >&2
  exit 1
fi
