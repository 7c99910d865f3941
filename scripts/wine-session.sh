# Sourced by the scripts: one virtual display and one throwaway Wine prefix
# for a whole run, both removed again by wine_session_stop or at exit.

wine_session_start() {
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 WINEDEBUG=-all WINEARCH=win64
  WINE_SESSION_DIR=$(mktemp -d /tmp/talvenor-wine.XXXXXX)
  export WINEPREFIX=$WINE_SESSION_DIR/prefix
  if [[ -z ${TALVENOR_KEEP_DISPLAY:-} ]]; then
    local n=$((100 + RANDOM % 800))
    while [[ -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$WINE_SESSION_DIR/xvfb.log" 2>&1 &
    WINE_SESSION_XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$n ]] && break; sleep 0.1; done
  fi
  "$(dirname "${BASH_SOURCE[0]}")/../cmake/wine-prefix.sh" "$WINEPREFIX"
  trap wine_session_stop EXIT
}

wine_session_stop() {
  [[ -n ${WINE_SESSION_DIR:-} ]] || return 0
  wineserver -k >/dev/null 2>&1 || true
  [[ -n ${WINE_SESSION_XVFB:-} ]] && kill "$WINE_SESSION_XVFB" 2>/dev/null || true
  rm -rf "$WINE_SESSION_DIR"
  unset WINE_SESSION_DIR WINE_SESSION_XVFB
}
