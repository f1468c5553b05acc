#!/usr/bin/env bash
# orbo under strace with hostile skins naming files outside the skin folder: it opens nothing
# outside that folder but libraries, fonts, settings and the like. Usage: strace_skins.sh ORBO_BINARY XPROBE_BINARY
set -euo pipefail
orbo=$1
probe=$2
command -v strace >/dev/null || { echo "strace missing"; exit 1; }
work=$(mktemp -d)
cleanup() {
  [ -n "${orbo_pid:-}" ] && { pkill -9 -P "$orbo_pid" 2>/dev/null; kill -9 "$orbo_pid"; } 2>/dev/null || true
  [ -n "${server_pid:-}" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/../../scripts/lib/xvfb.sh"
xvfb_start "$work" || exit 1
export DISPLAY=$display XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$HOME" "$work/program/Skins" "$work/outside"
chmod 700 "$XDG_RUNTIME_DIR"
cp "$orbo" "$work/program/orbo"
# A valid picture outside every skin folder: nothing may ever open it.
cp "$(dirname "$0")/../../src/resources/defskin0.bmp" "$work/outside/secret.bmp"
cp "$work/outside/secret.bmp" "$work/program/Skins/secret.bmp"

# One of each way out; every rule for names is the file-resolution unit tests'.
values=("..\\secret.bmp" "$work/outside/secret.bmp" "linkdir/secret.bmp" "/dev/zero" "fifo.bmp")
failures=0
for i in "${!values[@]}"; do
  skin="$work/program/Skins/Hostile$i"
  mkdir -p "$skin"
  ln -s "$work/outside" "$skin/linkdir"
  mkfifo "$skin/fifo.bmp"
  printf '[info]\r\nname=Hostile\r\n[setting]\r\nback=%s\r\n' "${values[$i]}" > "$skin/Skin.ini"
  printf '[Setting]\nSkin=Hostile%s\n' "$i" > "$XDG_CONFIG_HOME/Z Orbo.ini"
  trace="$work/trace$i"
  (cd "$work/home" && exec strace -f -qq -e trace=open,openat,openat2,creat,truncate -o "$trace" \
    "$work/program/orbo" 2>/dev/null) &
  orbo_pid=$!
  "$probe" wait ORBO 10000 >/dev/null || { echo "no window for ${values[$i]}"; exit 1; }
  sleep 0.3
  # The signal goes to orbo itself (strace's child); strace then ends with it.
  pkill -TERM -P "$orbo_pid" orbo
  wait "$orbo_pid" || { echo "orbo did not end cleanly for ${values[$i]}"; failures=1; }
  orbo_pid=
  # Allowed: the skin's own folder, the program's folder (Qt looks for plugins and qt.conf
  # there), settings and runtime folders, libraries, fonts, cursors, locales, kernel files.
  allowed="^($skin/|$work/program(/[a-z]+|/orbo|/qt6?\\.conf)?/?$|$XDG_CONFIG_HOME(/|$)"
  allowed+="|$XDG_RUNTIME_DIR|$HOME/|[^/].*\\.so(\\.[0-9]+)*$|/(usr/)?lib|/usr/share/"
  allowed+="(fonts|fontconfig|X11|locale|zoneinfo|icons|pixmaps|mime|qt6|glvnd|egl|drirc\\.d)(/|$)"
  allowed+="|/etc/|/proc/|/sys/|/dev/(null|urandom|tty|dri|shm)|/var/lib/dbus/machine-id$"
  allowed+="|/usr/local/share/fonts|/var/cache/fontconfig|/tmp/\\.X11|/run/)"
  bad=$(grep -oE 'open(at2?)?\((AT_FDCWD, )?"[^"]*"' "$trace" | sed -E 's/.*"([^"]*)"/\1/' |
    sort -u | grep -vE "$allowed" || true)
  if [ -n "$bad" ]; then
    echo "FAIL: with back=${values[$i]} orbo opened:"
    echo "$bad" | head -n 10 | sed 's/^/    /'
    failures=1
  fi
  if grep -q "outside/secret.bmp\|Skins/secret.bmp" "$trace"; then
    echo "FAIL: with back=${values[$i]} orbo opened the picture outside the skin folder"
    failures=1
  fi
done
[ "$failures" -eq 0 ] && echo "strace check: ${#values[@]} hostile skins, nothing outside their folders opened"
exit "$failures"
