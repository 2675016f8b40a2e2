# Sourced by the scripts that drive the calculator on a virtual X display (Bash, set -e).
#   start_display            an Xvfb of 1280 x 800 on a free display; DISPLAY is exported
#   start_program PROGRAM    starts it and waits for its window: $window, moved to 0,0
#   shot NAME / shot_window NAME    a PNG of the screen / of the window alone, in $out
#   key KEYS... / click X Y         keys, and a click in window coordinates
# Everything started here is stopped when the sourcing script exits.

xvfb_pid=
app_pid=
window=

stop_virtual_display() {
    [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null || true
}
trap stop_virtual_display EXIT

# Xvfb picks the first free display itself and writes its number to the given descriptor,
# so two scripts started at once cannot take the same one.
start_display() {
    local number_file log number
    number_file=$(mktemp)
    log=$(mktemp)
    /usr/bin/Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" \
        2>"$log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -s $number_file ]] && break
        sleep 0.1
    done
    number=$(<"$number_file")
    rm -f "$number_file"
    if [[ -z $number ]]; then
        echo "Xvfb did not start within 10 s:" >&2
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
    export DISPLAY=:$number
    for _ in $(seq 50); do
        /usr/bin/xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb on $DISPLAY does not answer" >&2
    return 1
}

# Extra arguments are environment settings for the program (NAME=value).
start_program() {
    local program=$1
    shift
    [[ -x $program ]] || { echo "no program at $program; build it first" >&2; return 1; }
    env "$@" QT_QPA_PLATFORM=xcb "$program" &
    app_pid=$!
    local status
    for _ in $(seq 150); do
        window=$(/usr/bin/xdotool search --onlyvisible --name 'Quintabor_2004' 2>/dev/null |
            head -n 1) || true
        [[ -n $window ]] && break
        if ! kill -0 "$app_pid" 2>/dev/null; then
            wait "$app_pid" && status=0 || status=$?
            app_pid=
            echo "$program exited with status $status before its window appeared" >&2
            return 1
        fi
        sleep 0.2
    done
    [[ -n $window ]] || { echo "the window of $program did not appear within 30 s" >&2; return 1; }
    /usr/bin/xdotool windowmove "$window" 0 0
    sleep 1
}

shot() {
    sleep 0.7
    /usr/bin/import -window root "$out/$1.png"
    echo "$out/$1.png"
}
shot_window() {
    sleep 0.7
    /usr/bin/import -window "$window" "$out/$1.png"
    echo "$out/$1.png"
}
key() { /usr/bin/xdotool key --clearmodifiers "$@"; }
click() { /usr/bin/xdotool mousemove --window "$window" "$1" "$2" click 1; }
