#!/usr/bin/env bash
# Builds the Debian package from the build directory with CPack and checks it without
# installing it: its file list with modes and links (tests/golden/package/contents.txt,
# rewritten with CORVANE_UPDATE_GOLDEN=1), its control fields and dependencies, the
# maintainer scripts, the desktop entry and metainfo validators, the icons, lintian,
# and the extracted corvane-scan started through a link as /usr/bin starts it.
# Usage: check_package.sh SOURCE_DIR BUILD_DIR VERSION.  Exit 77 (skipped) when a tool
# is missing; scripts/install-deps.sh installs them all.
set -euo pipefail
src=$1 build=$2 version=$3
for tool in cpack dpkg-deb dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb=$scratch/out/corvane-log-analyzer_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb") in: $(ls "$scratch/out")"

# The files, their modes, owners and link targets; the catalogues and Server.ini are
# the maintainer scripts' and must not be in the package.
contents=$(dpkg-deb -c "$deb" | awk '{ $3 = ""; $4 = ""; $5 = ""; print }' | tr -s ' ' | sort -k3)
golden=$src/tests/golden/package/contents.txt
if [ -n "${CORVANE_UPDATE_GOLDEN:-}" ]; then
  mkdir -p "$(dirname "$golden")"
  printf '%s\n' "$contents" >"$golden"
elif ! diff -u "$golden" <(printf '%s\n' "$contents"); then
  fail "the package's files differ from $golden"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = corvane-log-analyzer ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version), not $version"
[ "$(field Architecture)" = amd64 ] || fail "architecture $(field Architecture)"
depends=$(field Depends)
names=" $(sed -e 's/ ([^)]*)//g' -e 's/,//g' <<<"$depends") "
for dep in adduser fonts-wqy-microhei qt6-translations-l10n libc6 libstdc++6 libcurl4 \
  libvectorscan5 libsqlite3-0 libqt6core6 libqt6widgets6 libqt6charts6; do
  [[ $names == *" $dep "* ]] || fail "Depends lacks $dep: $depends"
done

dpkg-deb -e "$deb" "$scratch/control"
[ ! -e "$scratch/control/conffiles" ] || fail "conffiles: $(cat "$scratch/control/conffiles")"
for script in postinst postrm; do
  [ -x "$scratch/control/$script" ] || fail "$script missing or not executable"
  sh -n "$scratch/control/$script" || fail "$script does not parse"
  ! grep -n '@[A-Z_]*@' "$scratch/control/$script" || fail "$script was not configured"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop entry"
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 ||
  { cat "$scratch/appstream.log" >&2; fail "metainfo"; }
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" ||
  fail "the metainfo's release is not $version"
for png in "$root"/usr/share/icons/hicolor/*x*/apps/corvane-log-analyzer.png; do
  size=${png#"$root"/usr/share/icons/hicolor/}
  size=${size%%x*}
  [ "$(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8]==b"\x89PNG\r\n\x1a\n" else "")' "$png")" = "${size}x${size}" ] ||
    fail "$png is not a ${size}x${size} PNG"
done

# Started through a link in another directory, the program reads the catalogues
# beside its real file, which is not where the package installs it (there it reads
# them in /var/lib/corvane-log-analyzer): the demo ones, as the maintainer script
# makes them.
program=$root/opt/corvane-log-analyzer
cp "$root"/usr/share/corvane-log-analyzer/demo/*.ini "$program/"
mkdir "$scratch/bin"
ln -s "$program/corvane-scan" "$scratch/bin/corvane-scan"
[ "$("$scratch/bin/corvane-scan" --version)" = "corvane-scan $version" ] || fail "--version"
"$scratch/bin/corvane-scan" --gbk run "$root"/usr/share/corvane-log-analyzer/demo/logs 20261201 \
  >"$scratch/run.txt" || fail "corvane-scan run"
cmp "$scratch/run.txt" "$src/tests/golden/demo/run-20261201.txt" || fail "run over the demo logs"

# Warnings are printed for the record; an error fails.
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian"
echo "checked $(basename "$deb")"
