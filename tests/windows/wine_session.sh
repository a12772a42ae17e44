# Sourced by the Wine test scripts: runs the test's Windows programs in one
# Wine session of their own, from a fully stopped server to a fully stopped
# server.
#
# Wine's server ends a session when its last program exits: it tells the
# background processes (services, the desktop) to quit, then exits itself.
# A program started meanwhile races with that shutdown. And the background
# processes inherit the output of the program that started the session, so a
# session started by a test's program holds the test's pipe open until the
# server ends. Both go away when a holder program starts the session (with
# its own output files), stays alive while the test runs, and is stopped at
# the end:
#
#   wine_session_start HOLDER.exe WORKDIR   (waits until the session is up)
#   ... wine PROGRAM ...
#   wine_session_end                        (waits until the server is gone)
#
# The holder's output is kept in WORKDIR/session-holder.log.

wine_session_start() {
  local holder="$1" dir="$2"
  # A session an earlier test left behind ends first.
  wineserver -w
  wine_session_log="$dir/session-holder.log"
  mkfifo "$dir/session-hold"
  # The holder reads the pipe until this script closes (or dies and so
  # closes) its end.
  wine "$holder" <"$dir/session-hold" >"$wine_session_log" 2>&1 &
  wine_session_pid=$!
  # The pipe's writing end is held by a process of its own, not by this
  # script: the programs the test starts would inherit it, and with them
  # the desktop process one of them may start, which lives as long as the
  # session, so the holder would never see its input closed.
  sleep 2147483647 >"$dir/session-hold" &
  wine_session_writer=$!
  local i
  for i in $(seq 600); do
    if grep -q '^ready' "$wine_session_log" 2>/dev/null; then return 0; fi
    if ! kill -0 "$wine_session_pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  echo "FAIL: the Wine session did not start (holder log follows)" >&2
  cat "$wine_session_log" >&2
  return 1
}

wine_session_end() {
  [ -n "${wine_session_writer:-}" ] || return 0
  kill "$wine_session_writer" 2>/dev/null || true
  wait "$wine_session_writer" 2>/dev/null || true
  wine_session_writer=""
  local status=0
  wait "$wine_session_pid" || status=$?
  wineserver -w
  if [ "$status" != 0 ]; then
    echo "FAIL: the Wine session holder ended with status $status (log follows)" >&2
    cat "$wine_session_log" >&2
    return 1
  fi
}
