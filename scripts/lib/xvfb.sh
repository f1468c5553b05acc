# shellcheck shell=bash disable=SC2034 # $display and $server_pid are set for the caller
# A virtual X server of the calling script's own. Source it, then:
#   xvfb_start DIR [TAG] [SCREEN]
# starts Xvfb on a free display number (never :0) with SCREEN (default 1024x768x24) at 96 dpi,
# waits until it accepts clients and sets $display (":N") and $server_pid; the caller ends
# $server_pid. DIR holds the display file (TAG.displayfd, so one script can start several).
# It also starts a session bus of the server's own that ends with it, as a desktop session has:
# a program that finds none autolaunches a bus daemon that outlives it, and one on the caller's
# bus would hand over to a creature running in the caller's session.
# Returns 1, saying so on stderr, when no server starts.
xvfb_start() {
  local dir=$1 tag=${2:-xvfb} screen=${3:-1024x768x24} n
  for n in $(seq $((100 + RANDOM % 400)) 600); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    : >"$dir/$tag.displayfd"
    # Xvfb writes the number to -displayfd once it accepts clients.
    Xvfb ":$n" -displayfd 3 -screen 0 "$screen" -noreset -dpi 96 -nolisten tcp \
      3>"$dir/$tag.displayfd" >/dev/null 2>&1 &
    server_pid=$!
    for _ in $(seq 500); do
      if [ -s "$dir/$tag.displayfd" ]; then
        display=":$n"
        if command -v dbus-launch >/dev/null; then
          eval "$(DISPLAY=$display dbus-launch --sh-syntax --exit-with-x11)"
        fi
        return 0
      fi
      kill -0 "$server_pid" 2>/dev/null || break
      sleep 0.01
    done
    kill "$server_pid" 2>/dev/null
    wait "$server_pid" 2>/dev/null || true
  done
  server_pid=
  echo "${0##*/}: could not start Xvfb" >&2
  return 1
}
