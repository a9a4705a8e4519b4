#!/bin/sh
# The installed launcher against a stand-in installed folder: the user's own folder is made on
# first start, the user's bank is never replaced, links follow what a newer package brings, and
# --update-bank swaps banks only when the carry succeeded and no program has the bank open.
# Usage: check_launcher.sh <launcher template>
set -u
template=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_same() { [ "$(cat "$1")" = "$2" ] || fail "$1 holds '$(cat "$1")', expected '$2'"; }

inst=$work/inst
mkdir -p "$inst/aces" "$inst/imgs" "$inst/tr" "$inst/guide"
echo v1 > "$inst/aces/btn_init.rar"
echo gif > "$inst/aces/anim.gif"
echo jpg > "$inst/imgs/a.jpg"
echo page > "$inst/guide/index.html"
# The program and the bank tool are stand-ins that record how they were called.
printf '#!/bin/sh\necho "$@" > "%s/program_args"\n' "$work" > "$inst/trelvo"
printf '#!/bin/sh\n[ -e "%s/carry_fails" ] && exit 1\necho carried >> "$3"\n' "$work" > "$work/bankctl"
chmod +x "$inst/trelvo" "$work/bankctl"
sed -e "s|@TRELVO_INSTALLED_FOLDER@|$inst|" -e "s|@TRELVO_BANKCTL@|$work/bankctl|" "$template" \
  > "$work/launcher"
chmod 0555 "$inst/aces" "$inst/imgs" "$inst/guide"

home=$work/home
mkdir -p "$home"
run() { HOME=$home XDG_DATA_HOME=${data_home-} sh "$work/launcher" "$@"; }

# First start, with XDG_DATA_HOME unset.
data_home=
run
user=$home/.local/share/trelvo
expect_same "$work/program_args" "--folder $user"
[ -f "$user/aces/btn_init.rar" ] && [ ! -L "$user/aces/btn_init.rar" ] || fail "bank is not a file of its own"
[ -w "$user/aces/btn_init.rar" ] || fail "bank is not writable"
expect_same "$user/aces/btn_init.rar" v1
[ -d "$user/rs" ] && [ ! -L "$user/rs" ] || fail "rs/ is not a folder of its own"
for linked in imgs guide aces/anim.gif; do
  [ "$(readlink "$user/$linked")" = "$inst/$linked" ] || fail "$linked is not linked"
done
[ ! -e "$user/trelvo" ] || fail "the program itself was linked"

# Progress, then a newer package: new bank and animation, a new folder, the guide gone.
echo progress > "$user/aces/btn_init.rar"
chmod -R u+w "$inst"
echo v2 > "$inst/aces/btn_init.rar"
echo webm > "$inst/aces/new.webm"
mkdir "$inst/video"
rm -r "$inst/guide"
rm "$user/tr" && mkdir "$user/tr"  # a folder the user made is theirs, never replaced by a link
run
expect_same "$user/aces/btn_init.rar" progress
[ -L "$user/aces/new.webm" ] && [ -L "$user/video" ] || fail "new content is not linked"
[ ! -L "$user/guide" ] || fail "a link to removed content was kept"
[ -d "$user/tr" ] && [ ! -L "$user/tr" ] || fail "the user's own folder was replaced"
[ -z "$(ls "$user/aces" | grep '\.new\.')" ] || fail "a partial copy was left"

# A relative XDG_DATA_HOME is ignored, as the XDG rules say.
data_home=relative/path
run
expect_same "$work/program_args" "--folder $user"

# --update-bank: a failed carry leaves the bank; a good one swaps it and keeps a backup.
data_home=
touch "$work/carry_fails"
run --update-bank 2>/dev/null && fail "--update-bank reported success after a failed carry"
expect_same "$user/aces/btn_init.rar" progress
rm "$work/carry_fails"
# While a running trainer holds its lock on the bank, the bank is not swapped.
flock -o "$user/aces/btn_init.rar" sleep 5 >/dev/null 2>&1 &
holder=$!
sleep 0.5
run --update-bank 2>/dev/null && fail "--update-bank swapped a bank a trainer holds"
expect_same "$user/aces/btn_init.rar" progress
kill "$holder" 2>/dev/null
wait "$holder" 2>/dev/null
# Nor while a program has the bank open in WAL mode (its WAL file beside it).
touch "$user/aces/btn_init.rar-wal"
run --update-bank 2>/dev/null && fail "--update-bank swapped a bank in use"
expect_same "$user/aces/btn_init.rar" progress
rm "$user/aces/btn_init.rar-wal"
run --update-bank >/dev/null || fail "--update-bank failed"
expect_same "$user/aces/btn_init.rar" "$(printf 'v2\ncarried')"
backups=$(ls "$user/aces" | grep -c '\.bak$')
[ "$backups" = 1 ] || fail "$backups backups instead of one"
[ -z "$(ls "$user/aces" | grep '\.new\.')" ] || fail "a partial copy was left"

# A bank deleted after a crash: the fresh copy does not inherit its WAL side files.
rm "$user/aces/btn_init.rar"
echo stale > "$user/aces/btn_init.rar-wal"
echo stale > "$user/aces/btn_init.rar-shm"
run
expect_same "$user/aces/btn_init.rar" v2
[ ! -e "$user/aces/btn_init.rar-wal" ] && [ ! -e "$user/aces/btn_init.rar-shm" ] ||
  fail "a deleted bank's side files were kept beside the fresh copy"

# A data folder that cannot be made: the program still starts, on the installed folder.
touch "$work/file"
data_home=$work/file/below
run 2>/dev/null
expect_same "$work/program_args" "--folder $inst"

[ "$failures" = 0 ] && echo "launcher: all checks passed"
exit "$failures"
