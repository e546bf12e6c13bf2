#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built TESMORAN package: lintian without errors, a clean menu entry
# and metainfo, and every file a desktop needs in its listing.
#   scripts/check-package.sh dist/tesmoran_VERSION_ARCH.deb
set -euo pipefail
deb="$1"
app_id=de.tesmoran.Tesmoran
failed=0
pass() { echo "ok:   $1"; }
fail() { echo "FAIL: $1"; failed=$((failed + 1)); }

listing="$(dpkg -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')"
expected=(
  /usr/bin/tesmoran /usr/bin/tesmoran-cli
  /usr/share/tesmoran/hyph_de_DE.dic
  "/usr/share/applications/$app_id.desktop"
  "/usr/share/metainfo/$app_id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  /usr/share/man/man1/tesmoran.1.gz /usr/share/man/man1/tesmoran-cli.1.gz
  /usr/share/doc/tesmoran/README.md /usr/share/doc/tesmoran/LICENSE
  /usr/share/doc/tesmoran/copyright /usr/share/doc/tesmoran/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for path in "${expected[@]}"; do
  if grep -qxF "$path" <<<"$listing"; then pass "dpkg -c lists $path"; else fail "dpkg -c lacks $path"; fi
done

# Reading aloud needs the speech library with its German voice and the
# sound output of Qt Multimedia.
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in espeak-ng-data libespeak-ng1 libqt6multimedia6; do
  if grep -qE "(^|, )$needed( |,|$)" <<<"$depends"; then pass "Depends: $needed"; else fail "Depends lacks $needed: $depends"; fi
done

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

if out="$(desktop-file-validate "$unpacked/usr/share/applications/$app_id.desktop" 2>&1)" && [ -z "$out" ]; then
  pass "desktop-file-validate"
else
  fail "desktop-file-validate: $out"
fi

if out="$(appstreamcli validate --no-net --strict "$unpacked/usr/share/metainfo/$app_id.metainfo.xml" 2>&1)"; then
  pass "appstreamcli validate"
else
  fail "appstreamcli validate: $out"
fi

# lintian runs as root here only when asked to.
lintian_out="$(lintian --allow-root --tag-display-limit 0 "$deb" 2>&1 || true)"
if grep -q '^E: ' <<<"$lintian_out"; then
  fail "lintian reports errors:"$'\n'"$lintian_out"
else
  pass "lintian: no errors${lintian_out:+ (other notes: $(grep -c . <<<"$lintian_out"))}"
  [ -z "$lintian_out" ] || echo "$lintian_out"
fi

if [ "$failed" -ne 0 ]; then
  echo "$failed package check(s) failed"
  exit 1
fi
echo "all package checks passed"
