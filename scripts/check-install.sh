#!/usr/bin/env bash
# Installs the package into a fresh Debian 12 root and uses it as operators would:
# corvane-scan --version and a run over the demo logs as a member of the group
# corvane; the catalogue update refused to a user outside the group (who still
# analyses) and done by the window's start-up update of a member, under Xvfb, over
# links the member planted under the update's old temporary names; a member who
# can change nothing in the program directory; a reinstall that keeps the operators'
# catalogues and Server.ini; a purge.  Prints
# what it sees and the installed size; exits 1 at the first check that fails.
#
#   bash scripts/check-install.sh [DEB]
#
# Run as root.  Without DEB it builds the package with scripts/package.sh.  The root
# is bootstrapped from the Debian sources this machine's apt uses; with
# CORVANE_DEBOOTSTRAP_TARBALL=FILE the downloaded base packages are kept in FILE and
# reused by the next run.  Not part of the test suite: the bootstrap takes minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
bash scripts/install-deps.sh >&2
deb=$(realpath "${1:-$(bash scripts/package.sh | tail -n 1)}")

mirror=$(awk '/^URIs:/ { print $2; exit }' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
if [ -z "$mirror" ] && [ -f /etc/apt/sources.list ]; then
  mirror=$(awk '$1 == "deb" { print $2; exit }' /etc/apt/sources.list)
fi
[ -n "$mirror" ] || { echo "no Debian source in this machine's apt configuration" >&2; exit 1; }

work=$(mktemp -d /var/tmp/corvane-install-XXXXXX)
root=$work/root
server_pid=
cleanup() {
  [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null || true
  [ -z "${window_pid:-}" ] || kill "$window_pid" 2>/dev/null || true
  for m in dev/pts dev sys proc; do umount "$root/$m" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
step() { printf '\n== %s\n' "$*"; }

step "debootstrap bookworm (minbase) from $mirror"
tarball=${CORVANE_DEBOOTSTRAP_TARBALL:-}
if [ -n "$tarball" ] && [ ! -f "$tarball" ]; then
  debootstrap --variant=minbase --make-tarball="$tarball" bookworm "$work/tarball-root" "$mirror" >/dev/null
  rm -rf "$work/tarball-root"
fi
debootstrap --variant=minbase ${tarball:+--unpack-tarball="$tarball"} bookworm "$root" "$mirror" \
  >"$work/debootstrap.log" 2>&1 || { tail -20 "$work/debootstrap.log" >&2; fail "debootstrap"; }
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
[ ! -f /etc/resolv.conf ] || cp /etc/resolv.conf "$root/etc/resolv.conf"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
# A command as USER with that user's groups, in a shell of the root.
as() {
  local user=$1
  shift
  chroot "$root" env -i PATH=/usr/bin:/bin HOME="/home/$user" LANG=C.UTF-8 \
    setpriv --reuid="$user" --regid="$user" --init-groups -- /bin/sh -c "$*"
}
program=/opt/corvane-log-analyzer
data=/var/lib/corvane-log-analyzer
demo=/usr/share/corvane-log-analyzer/demo

step "install $(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
before=$(du -sxk "$root" | cut -f1)
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 || { tail -30 "$work/install.log" >&2; fail "install"; }
in_root apt-get clean  # the downloaded packages are no part of the installation
after=$(du -sxk "$root" | cut -f1)
echo "Installed-Size of the package: $(in_root dpkg-query -W -f='${Installed-Size}' corvane-log-analyzer) KiB"
echo "the root grew by $(((after - before) / 1024)) MiB with the package and its dependencies" \
  "($(grep -c '^Setting up' "$work/install.log" || true) packages set up)"
in_root ls -la "$program" "$data"
[ "$(in_root stat -c '%U:%G %a' "$program" "$program/Server.ini")" = "root:root 755
root:root 644" ] || fail "program directory: $(in_root stat -c '%U:%G %a %n' "$program" "$program/Server.ini")"

in_root useradd --create-home --groups corvane operator1
in_root useradd --create-home outsider

step "corvane-scan --version (operator1)"
as operator1 corvane-scan --version
[ "$(as operator1 corvane-scan --version)" = "corvane-scan $(dpkg-deb -f "$deb" Version)" ] || fail "--version"

step "corvane-scan run $demo/logs 20261201 (operator1, in UTF-8 here; --gbk as the golden file)"
as operator1 corvane-scan --utf8 run "$demo/logs" 20261201
as operator1 corvane-scan --gbk run "$demo/logs" 20261201 >"$work/run.txt"
cmp "$work/run.txt" "$src/tests/golden/demo/run-20261201.txt" || fail "the run differs from the golden file"

# An update server on the loopback with newer catalogues: the demo's with a line added.
mkdir -p "$work/server/idc"
printf '[VERSION]\r\nServiceList=2\r\nErrorList=2\r\n' >"$work/server/idc/Version.ini"
for name in ServiceList ErrorList; do
  { cat "$src/demo/$name.ini"; printf '; from the update server\r\n'; } >"$work/server/idc/$name.ini"
done
coproc SERVER { exec python3 "$src/tests/support/http_test_server.py" --root "$work/server" \
  --log "$work/requests.log" --lifetime 600; }
server_pid=$SERVER_PID
read -r port <&"${SERVER[0]}"
sed -i "s/^HttpPort=.*\r\?$/HttpPort=$port\r/" "$root$program/Server.ini"
grep -q "^HttpPort=$port" "$root$program/Server.ini" ||
  printf 'HttpPort=%s\r\n' "$port" >>"$root$program/Server.ini"

step "corvane-scan update (outsider): refused quietly, and the outsider still analyses"
status=0
as outsider corvane-scan update || status=$?
echo "exit status $status"
[ "$status" = 1 ] || fail "the outsider's update did not fail"
cmp "$root$data/ServiceList.ini" "$root$demo/ServiceList.ini" || fail "the outsider changed a catalogue"

step "a member changes nothing in $program, and plants links in $data"
for attempt in "mv $program/corvane-scan $program/x" "echo >>$program/Server.ini" \
  "echo '[Paths]' >$program/qt.conf"; do
  if as operator1 "$attempt" 2>/dev/null; then fail "operator1 could: $attempt"; fi
done
printf 'root'"'"'s file\n' >"$root/root/victim"
chmod 0644 "$root/root/victim"
as operator1 "for n in Version ServiceList ErrorList; do ln -s /root/victim $data/\$n.tmp; done"
echo "refused; links planted"
as outsider corvane-scan --gbk run "$demo/logs" 20261201 | cmp - "$src/tests/golden/demo/run-20261201.txt" ||
  fail "the outsider's run"

step "the window under Xvfb (operator1): its start-up update fetches the newer catalogues"
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  xvfb xauth x11-utils >"$work/xvfb.log" 2>&1 || { tail -20 "$work/xvfb.log" >&2; fail "xvfb"; }
as operator1 "xvfb-run -a -s '-screen 0 1280x900x24' sh -c 'corvane-log-analyzer & sleep 10; \
  xwininfo -root -tree | grep -i corvane; kill \$!'" >"$work/window.txt" 2>&1 || true
cat "$work/window.txt"
# The program's top-level window, by its class (its title may be printed encoded).
grep -q '("corvane-log-analyzer" ' "$work/window.txt" || fail "no window of corvane-log-analyzer"
cmp "$root$data/ServiceList.ini" "$work/server/idc/ServiceList.ini" || fail "ServiceList.ini not updated"
cmp "$root$data/ErrorList.ini" "$work/server/idc/ErrorList.ini" || fail "ErrorList.ini not updated"
cmp "$root$data/Version.ini" "$work/server/idc/Version.ini" || fail "Version.ini not updated"
in_root ls -la "$data"
for name in ServiceList.ini ErrorList.ini Version.ini; do
  [ "$(in_root stat -c '%F %G %a' "$data/$name")" = "regular file corvane 664" ] ||
    fail "$name: $(in_root stat -c '%F %U:%G %a' "$data/$name")"
done
[ "$(cat "$root/root/victim")" = "root's file" ] && [ "$(stat -c %a "$root/root/victim")" = 644 ] ||
  fail "the update wrote through a planted link"
ls "$root$data" | grep -q '\.tmp$' && fail "temporary files left"

step "reinstall: the operators' catalogues and Server.ini stay"
printf '; edited by root\r\n' >>"$root$program/Server.ini"
cp "$root$data/ServiceList.ini" "$root$program/Server.ini" "$work/"
in_root dpkg -i "/tmp/$(basename "$deb")" >"$work/reinstall.log" 2>&1 || { cat "$work/reinstall.log" >&2; fail "reinstall"; }
cmp "$root$data/ServiceList.ini" "$work/ServiceList.ini" || fail "the reinstall replaced ServiceList.ini"
cmp "$root$program/Server.ini" "$work/Server.ini" || fail "the reinstall replaced Server.ini"
[ "$(in_root stat -c '%U:%G %a' "$program")" = "root:root 755" ] || fail "program directory: $(in_root stat -c '%U:%G %a' "$program")"
[ "$(in_root stat -c '%U:%G %a' "$data")" = "root:corvane 2775" ] || fail "data directory: $(in_root stat -c '%U:%G %a' "$data")"
echo "kept; $program is $(in_root stat -c '%U:%G %a' "$program"), $data $(in_root stat -c '%U:%G %a' "$data")"

step "purge"
in_root apt-get purge -y -qq corvane-log-analyzer >"$work/purge.log" 2>&1 || { cat "$work/purge.log" >&2; fail "purge"; }
[ ! -e "$root$program" ] || fail "$program is still there: $(ls -a "$root$program")"
[ ! -e "$root$data" ] || fail "$data is still there: $(ls -a "$root$data")"
echo "$program and $data removed"

printf '\nall checks passed\n'
