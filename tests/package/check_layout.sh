#!/usr/bin/env bash
# The installed layout as the maintainer scripts make it, and what a member of the
# group corvane can do to it.  In a mount namespace of its own (nothing of the machine
# changes), with /opt/corvane-log-analyzer and /var/lib bound to a scratch root, a
# group corvane that exists only there and a member who exists only by number:
#
# - the layout of earlier versions (catalogues and Server.ini in a program directory
#   the group may write), with a member's plants: qt.conf, Server.ini removed and a
#   link to a victim file under the name the old scripts copied it through, a
#   catalogue replaced by a link;
# - postinst configure as for that upgrade: the files and modes it leaves are
#   compared with tests/golden/package/layout.txt (CORVANE_UPDATE_GOLDEN=1 rewrites it);
# - the member can change nothing in the program directory, plants links under the
#   update's and the draft's old temporary names, and updates; root adds a draft;
# - the member removes a catalogue and plants a link where the old scripts copied;
#   configure again recreates it; a purge removes everything.
# The victim never changes.  Usage: check_layout.sh SOURCE_DIR CORVANE_SCAN BUILD_DIR.
# Exit 77 (skipped) unless run as root with unshare and setpriv.
set -euo pipefail
src=$1 scan=$2 build=$3
if [ -z "${CORVANE_LAYOUT_NAMESPACE:-}" ]; then
  [ "$(id -u)" = 0 ] || { echo "skipped: needs root"; exit 77; }
  for tool in unshare setpriv dpkg-statoverride python3 mktemp; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is missing"; exit 77; }
  done
  unshare --mount true 2>/dev/null || { echo "skipped: no mount namespace"; exit 77; }
  CORVANE_LAYOUT_NAMESPACE=1 exec unshare --mount --propagation private bash "$0" "$@"
fi

fail() { echo "FAIL: $*" >&2; exit 1; }
scratch=$(mktemp -d)
server_pid=
trap '[ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null; rm -rf "$scratch"' EXIT
root=$scratch/root
program=/opt/corvane-log-analyzer
data=/var/lib/corvane-log-analyzer
demo=/usr/share/corvane-log-analyzer/demo
gid=64621 uid=64622
grep -v '^corvane:' /etc/group >"$scratch/group"
echo "corvane:x:$gid:" >>"$scratch/group"
mount --bind "$scratch/group" /etc/group
as_member() { setpriv --reuid=$uid --regid=$uid --groups=$gid -- sh -c "$*"; }
maintainer() { DPKG_ROOT=$root sh "$build/packaging/debian/$1" "${@:2}"; }

# The earlier layout, as its scripts and dpkg left it.
mkdir -p "$root$program" "$root/var/lib/dpkg" "$root$demo" "$scratch/logs"
echo "root corvane 2775 $program" >"$root/var/lib/dpkg/statoverride"
cp "$scan" "$root$program/corvane-scan"
cp "$src"/demo/*.ini "$root$demo/"
cp "$src"/demo/*.ini "$root$program/"
printf '[VERSION]\r\nServiceList=0\r\nErrorList=0\r\n' >"$root$program/Version.ini"
chown root:corvane "$root$program" "$root$program/"{ServiceList,ErrorList,Version}.ini
chmod 2775 "$root$program"
chmod 0664 "$root$program/"{ServiceList,ErrorList,Version}.ini
cp "$src/demo/logs/Gateway20261202.log" "$scratch/logs/"
chmod 0755 "$scratch" "$scratch/logs"
victim=$root/victim
echo "the victim's bytes" >"$victim"
chmod 0644 "$victim"
victim_state() { stat -c '%U:%G %a %s' "$victim"; md5sum <"$victim"; }
before=$(victim_state)

as_member "echo '[Paths]' >$root$program/qt.conf && rm $root$program/Server.ini &&
  ln -s $victim $root$program/Server.ini.dpkg-new &&
  rm $root$program/ServiceList.ini && ln -s $victim $root$program/ServiceList.ini"

# The upgrade.
maintainer postinst configure 1.5
# Where the program sees them: the executable in /opt/corvane-log-analyzer reads its
# catalogues in /var/lib/corvane-log-analyzer.
mount -t tmpfs tmpfs /opt
mkdir "$program"
mount --bind "$root$program" "$program"
mount --bind "$root/var/lib" /var/lib
layout=$(
  cd "$root"
  find opt var/lib/corvane-log-analyzer -printf '%M %u:%g %p\n' | sort -k3
  sort var/lib/dpkg/statoverride
)
golden=$src/tests/golden/package/layout.txt
if [ -n "${CORVANE_UPDATE_GOLDEN:-}" ]; then
  printf '%s\n' "$layout" >"$golden"
elif ! diff -u "$golden" <(printf '%s\n' "$layout"); then
  fail "the layout after the upgrade differs from $golden"
fi
cmp "$data/ErrorList.ini" "$src/demo/ErrorList.ini" || fail "ErrorList.ini was not moved"

# The member changes nothing in the program directory.
for attempt in "mv $program/corvane-scan $program/x" "echo >>$program/Server.ini" \
  "echo >$program/qt.conf" "mkdir $program/platforms"; do
  if as_member "$attempt" 2>/dev/null; then fail "a member could: $attempt"; fi
done

# The update as a member, and a draft added by root, over links planted under the
# names the update and the draft once wrote through.
mkdir -p "$scratch/server/idc"
printf '[VERSION]\r\nServiceList=2\r\nErrorList=2\r\n' >"$scratch/server/idc/Version.ini"
for name in ServiceList ErrorList; do
  { cat "$src/demo/$name.ini"; printf '; from the update server\r\n'; } >"$scratch/server/idc/$name.ini"
done
coproc SERVER { exec python3 "$src/tests/support/http_test_server.py" --root "$scratch/server" \
  --log "$scratch/requests.log" --lifetime 300; }
server_pid=$SERVER_PID
read -r port <&"${SERVER[0]}"
printf '[SERVER]\r\nHost=127.0.0.1\r\nHttpPort=%s\r\n' "$port" >"$program/Server.ini"
as_member "for n in Version ServiceList ErrorList; do ln -s $victim $data/\$n.tmp; done"
as_member "$program/corvane-scan update" || fail "the member's update"
for name in ServiceList ErrorList Version; do
  cmp "$data/$name.ini" "$scratch/server/idc/$name.ini" || fail "$name.ini not updated"
  [ "$(stat -c '%F %g %a' "$data/$name.ini")" = "regular file $gid 664" ] ||
    fail "$name.ini: $(stat -c '%F %U:%G %a' "$data/$name.ini")"
done
as_member "ln -s $victim $data/ErrorList.tmp"
"$program/corvane-scan" draft --service GW --write 1 "$scratch/logs/Gateway20261202.log" >/dev/null ||
  fail "root's draft --write"
grep -q '^\[ERROR_100\]' "$data/ErrorList.ini" || fail "the draft is not in ErrorList.ini"
[ "$(stat -c '%F %g %a' "$data/ErrorList.ini")" = "regular file $gid 664" ] ||
  fail "ErrorList.ini after the draft: $(stat -c '%F %U:%G %a' "$data/ErrorList.ini")"
[ -z "$(find "$data" -name '*.tmp' ! -type l)" ] || fail "temporary files left: $(ls "$data")"

# A removed catalogue comes back from the demo copy, through no planted name.
as_member "rm $data/ErrorList.ini && ln -s $victim $data/ErrorList.ini.dpkg-new"
maintainer postinst configure 1.6
cmp "$data/ErrorList.ini" "$src/demo/ErrorList.ini" || fail "ErrorList.ini was not recreated"
cmp "$data/ServiceList.ini" "$scratch/server/idc/ServiceList.ini" || fail "ServiceList.ini was replaced"
[ "$(victim_state)" = "$before" ] || fail "the victim changed: $(victim_state)"

rm "$program/corvane-scan"  # dpkg removes the package's files before the purge
maintainer postrm purge
[ ! -e "$root$program" ] && [ ! -e "$root$data" ] || fail "left after the purge: $(find "$root" -path '*corvane*')"
[ ! -s "$root/var/lib/dpkg/statoverride" ] || fail "overrides left: $(cat "$root/var/lib/dpkg/statoverride")"
echo "layout checked"
