# Sourced by the scripts that run Dorvex under Wine (test.sh, run.sh,
# screenshot.sh, the benchmarks): a virtual display when there is none, and a
# throwaway Wine prefix. Each start has its stop, which touches only what the
# start made; the caller's display, prefix and wineserver are left alone.

# Quiet Wine that does not look for the .NET and HTML add-ons (there is no
# network). Values the caller set win.
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

virtual_display_pid=
throwaway_prefix=

# start_virtual_display <folder> <width>x<height>x<depth> [detached]
# When DISPLAY is unset, starts Xvfb on a free display number (it writes the
# number into <folder>/display) and exports DISPLAY. "detached" starts it in
# a session of its own, so that it outlives the script and its terminal.
start_virtual_display() {
  local folder=$1 screen=$2 i
  [[ -z ${DISPLAY:-} ]] || return 0
  local xvfb=(Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp)
  [[ ${3:-} == detached ]] && xvfb=(setsid "${xvfb[@]}")
  "${xvfb[@]}" 3>"$folder/display" </dev/null >"$folder/xvfb.log" 2>&1 &
  virtual_display_pid=$!
  for ((i = 0; i < 100; i++)); do
    [[ -s $folder/display ]] && break
    kill -0 "$virtual_display_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ ! -s $folder/display ]]; then
    cat "$folder/xvfb.log" >&2
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=:$(head -n1 "$folder/display")
}

stop_virtual_display() {
  [[ -n $virtual_display_pid ]] || return 0
  kill "$virtual_display_pid" 2>/dev/null
  wait "$virtual_display_pid" 2>/dev/null
  virtual_display_pid=
}

# make_throwaway_prefix <folder>
# A new prefix in <folder>/prefix, initialised quietly and exported as
# WINEPREFIX. Its wineserver is the one stop_throwaway_prefix stops.
make_throwaway_prefix() {
  export WINEPREFIX=$1/prefix
  throwaway_prefix=$WINEPREFIX
  wineboot -i >/dev/null 2>&1
}

# Debian keeps Wine's own fonts out of new prefixes; without them "MS Sans
# Serif" falls back to a wider face and the dialog layouts no longer fit.
install_wine_fonts() {
  cp -n /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

# One server for the whole run: a warm "wine program" starts in a tenth of
# the time a cold one takes.
keep_wine_server_up() {
  wineserver -p </dev/null >/dev/null 2>&1 || true
}

# Stops the server of the throwaway prefix and waits for its processes: never
# the server of a prefix the caller uses, also when the prefix was not made.
stop_throwaway_prefix() {
  [[ -n $throwaway_prefix ]] || return 0
  WINEPREFIX=$throwaway_prefix wineserver -k 2>/dev/null
  WINEPREFIX=$throwaway_prefix wineserver -w 2>/dev/null
  return 0
}

# locale_available <name>: whether the C library has the locale (pl_PL.UTF-8).
locale_available() {
  local wanted=${1,,}
  wanted=${wanted//-/}
  locale -a 2>/dev/null | tr '[:upper:]' '[:lower:]' | tr -d - | grep -qx "$wanted"
}

# make_locales <name>...: generates the missing ones (Debian's locales
# package, as root); Wine takes the system's code page from the locale.
make_locales() {
  local name missing=()
  for name in "$@"; do locale_available "$name" || missing+=("$name"); done
  ((${#missing[@]} == 0)) && return 0
  [[ $(id -u) == 0 ]] || return 0
  for name in "${missing[@]}"; do
    grep -qx "$name UTF-8" /etc/locale.gen 2>/dev/null || echo "$name UTF-8" >>/etc/locale.gen
  done
  locale-gen >/dev/null 2>&1 || true
}
