# shellcheck shell=bash
# The screen reader for run.sh: Orca with its speech service, in a home of
# their own under DIR, speaking into no sound device. Every phrase Orca
# speaks is a "SPEECH OUTPUT:" line of its debug log:
#   start_orca DIR   sets orca_log, and adds the processes to pids
# shellcheck disable=SC2034,SC2154

start_orca() {
  local dir=$1 conf=$1/speechd prefs=$1/orca
  orca_log=$dir/orca.log
  # Orca refuses to start beside another Orca of this user, and its -r
  # would kill that one, which may be someone's own screen reader. Runs of
  # this test on one machine take turns; the lock lasts as long as the last
  # process started here.
  exec {orca_lock}>"${TMPDIR:-/tmp}/revolutions-quiz-orca.lock"
  flock -w 60 "$orca_lock" || fail "another run of this test keeps the screen reader"
  if pgrep -u "$(id -u)" -x orca >/dev/null; then fail "another Orca of this user is running"; fi

  # A synthesizer that speaks nothing: the generic module running `true`,
  # its sound going to ALSA's null device.
  mkdir -p "$conf/modules" "$prefs"
  cat >"$conf/speechd.conf" <<'EOF'
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "silent" "sd_generic" "silent.conf"
DefaultModule "silent"
EOF
  cat >"$conf/modules/silent.conf" <<'EOF'
GenericExecuteSynth "true"
AddVoice "en" "MALE1" "en"
EOF
  # In the foreground, so that it is ours to stop; Orca would otherwise
  # spawn one that outlives the test.
  speech-dispatcher --run-single --timeout 0 --config-dir "$conf" >/dev/null 2>&1 &
  pids+=($!)
  local socket=$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock
  for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
  [ -S "$socket" ] || fail "the speech service did not start"

  # Orca's own hook for its user's code: the log is written line by line, so
  # the test reads each phrase as soon as Orca speaks it.
  cat >"$prefs/orca-customizations.py" <<'EOF'
import orca.debug
orca.debug.debugFile.reconfigure(line_buffering=True)
EOF
  HOME=$dir GSETTINGS_BACKEND=memory GDK_BACKEND=x11 orca --user-prefs "$prefs" --debug-file "$orca_log" \
    >/dev/null 2>&1 &
  pids+=($!)
  # Orca's last line before it starts handling events: Orca 43's, then 48's.
  local ready='ORCA: (Startup complete notification made|Starting Atspi main event loop)'
  for _ in $(seq 100); do grep -qsE "$ready" "$orca_log" && return 0; sleep 0.1; done
  fail "Orca did not start"
}
