#!/usr/bin/env bash
# Runs a command beside a private ibus-daemon that knows only the components in the given
# folder: no panel, XIM, emoji extension or config, and a home, cache and settings folder of
# its own, on a D-Bus message bus of its own. Fails when the command fails, when an engine
# outlives its daemon, or when a sanitizer reported in the daemon's or an engine's output.
# Usage: with_ibus_daemon.sh COMPONENT_FOLDER COMMAND [ARGUMENT...]
set -uo pipefail
components="$1"
shift

scratch="$(mktemp -d)"
export HOME="$scratch" XDG_CONFIG_HOME="$scratch/config" XDG_CACHE_HOME="$scratch/cache"
export MX_SETTINGS_DIR="$scratch/settings" IBUS_COMPONENT_PATH="$components"
unset DISPLAY WAYLAND_DISPLAY IBUS_ADDRESS
mkdir -p "$MX_SETTINGS_DIR"

bus="$(dbus-daemon --config-file="$(dirname "$0")/private_bus.conf" --fork --print-address=1 --print-pid=1)" || {
  echo "dbus-daemon did not start" >&2
  rm -rf "$scratch"
  exit 1
}
export DBUS_SESSION_BUS_ADDRESS="$(sed -n 1p <<<"$bus")"
bus_pid="$(sed -n 2p <<<"$bus")"

ibus-daemon --verbose --panel=disable --emoji-extension=disable --config=disable --cache=none >"$scratch/daemon.log" 2>&1 &
daemon=$!

finish() {
  local status=$1 engines
  engines="$(pgrep -P "$daemon" || true)"
  kill "$daemon" 2>/dev/null
  wait "$daemon" 2>/dev/null
  for engine in $engines; do
    for _ in $(seq 100); do kill -0 "$engine" 2>/dev/null || break; sleep 0.05; done
    if kill -0 "$engine" 2>/dev/null; then
      echo "engine $engine did not end with its daemon" >&2
      kill -9 "$engine"
      status=1
    fi
  done
  if grep -q -e 'Sanitizer' -e 'runtime error:' "$scratch/daemon.log"; then
    echo "sanitizer report from the daemon or an engine:" >&2
    status=1
  fi
  [ "$status" -ne 0 ] && cat "$scratch/daemon.log" >&2
  kill "$bus_pid" 2>/dev/null
  rm -rf "$scratch"
  exit "$status"
}

# The daemon is up once it has written its address for clients.
for _ in $(seq 200); do
  compgen -G "$XDG_CONFIG_HOME/ibus/bus/*" >/dev/null && break
  kill -0 "$daemon" 2>/dev/null || break
  sleep 0.05
done
if ! compgen -G "$XDG_CONFIG_HOME/ibus/bus/*" >/dev/null; then
  echo "ibus-daemon did not start" >&2
  finish 1
fi

timeout 300 "$@"
finish $?
