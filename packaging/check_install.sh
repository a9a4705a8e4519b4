#!/bin/sh
# Installs a built package on this machine and checks it as a learner would use it; then removes
# it again. Run as root on a test machine: it creates (and deletes) the users trelvo_a and trelvo_b.
#   packaging/check_install.sh build-pkg/trelvo_<version>_<arch>.deb [screenshot folder]
# User A starts from the launcher, answers two questions of sequence practice (the first right,
# the second wrong) and returns to the main menu, which saves them; user B starts afresh. The
# installed folder's checksums must not change, and removing the package must leave both users'
# folders.
set -eu
deb=$(realpath "$1")
shots=$(realpath -m "${2:-/tmp/trelvo-check}")
mkdir -p "$shots" && chmod 1777 "$shots"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
sums() { find /usr/lib/trelvo /usr/libexec/trelvo -type f -print0 | sort -z | xargs -0 sha256sum; }
# The banks are read as they lie (immutable): a plain read-only connection would leave WAL side
# files owned by root in the user's folder.
answered() {  # rows of xiaoche_sequence with a result, in the user's own bank
  python3 -c 'import sqlite3, sys
c = sqlite3.connect("file:" + sys.argv[1] + "?mode=ro&immutable=1", uri=True)
print(c.execute("select count(*) from xiaoche_sequence where type_answer <> 0").fetchone()[0])' \
    "/home/$1/.local/share/trelvo/aces/btn_init.rar"
}
contents() {  # every row of a bank, whatever its journal mode
  python3 -c 'import sqlite3, sys
c = sqlite3.connect("file:" + sys.argv[1] + "?mode=ro&immutable=1", uri=True)
print("\n".join(c.iterdump()))' "$1" | sha256sum
}

# The learner's clicks, at the screens' fixed positions (pixels inside the window).
driver=$shots/drive.sh
cat > "$driver" <<'DRIVE'
#!/bin/sh
shots=$(dirname "$0")
mode=$1
trelvo 2>>"$shots/$USER-stderr.txt" & pid=$!
wid=
next_window() {
  for i in $(seq 1 150); do
    w=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | tail -1)
    if [ -n "$w" ] && [ "$w" != "$wid" ]; then wid=$w; sleep 1; return 0; fi
    sleep 0.2
  done
  echo "no new window after $wid" >&2; kill "$pid"; exit 1
}
click() { xdotool mousemove --window "$wid" "$1" "$2" sleep 0.3 click 1; sleep 1.5; }
shot() { import -window root "$shots/$USER-$1.png"; }
next_window; shot menu
click 396 161; next_window            # 顺序练习
shot units
if [ "$mode" = practise ]; then
  click 187 55; next_window           # 第1单元
  click 82 306; click 82 306          # 对, 对
  shot practice
  click 925 324; next_window          # 返回主页, which saves the run
  shot menu-after
  click 744 611                       # 退出系统
  sleep 2
fi
kill "$pid" 2>/dev/null || true
DRIVE
chmod 755 "$driver"

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >/dev/null
before=$(sums)
# What the program only finds at run time: the video module beside it and the faces it asks for.
module=/usr/lib/trelvo/libtrelvo_video.so
if [ ! -f "$module" ]; then
  fail "the video module is not installed"
elif ldd "$module" | grep -q "not found"; then
  fail "the video module misses libraries: $(ldd "$module" | grep "not found" | tr -s '\t\n' ' ')"
fi
for face in "Noto Sans CJK SC" "AR PL UKai CN"; do
  fc-list ":family=$face" family | grep -q . || fail "the font $face is not installed"
done
for u in trelvo_a trelvo_b; do id "$u" >/dev/null 2>&1 || useradd -m "$u"; done
run_as() { su - "$1" -c "xvfb-run -a -s '-screen 0 1280x900x24' '$driver' $2"; }

run_as trelvo_a practise
[ "$(answered trelvo_a)" = 2 ] || fail "user A's answers were not saved ($(answered trelvo_a) rows)"
run_as trelvo_b look
[ "$(answered trelvo_b)" = 0 ] || fail "user B did not start with a fresh bank"
[ "$(contents /home/trelvo_b/.local/share/trelvo/aces/btn_init.rar)" = \
  "$(contents /usr/lib/trelvo/aces/btn_init.rar)" ] ||
  fail "user B's bank is not the installed sample bank"
[ "$before" = "$(sums)" ] || fail "the installed folder changed"

apt-get remove -y -qq trelvo >/dev/null
[ ! -e /usr/lib/trelvo ] || fail "/usr/lib/trelvo is left after removal"
[ "$(answered trelvo_a)" = 2 ] || fail "user A's progress did not survive removal"
for u in trelvo_a trelvo_b; do userdel -r "$u" 2>/dev/null; done
echo "screenshots in $shots"
[ "$failures" = 0 ] && echo "package check passed"
exit "$failures"
