# Helpers shared by the scripts that test the running program from outside: failures, the
# window probe, starting and waiting for the program, screenshots and pixels. Sourced with
# $probe and $work set.
export WINEDEBUG=-all
export LANG=C.UTF-8 # Wine converts command-line arguments by the Unix locale
mkdir -p "$work"
export WINEDEBUG=-all
failures=0
app_pid=

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
probe() { wine "$probe" "$@" | tr -d '\r'; }
# expect LABEL TEXT PATTERN: the probe output TEXT must contain a line matching PATTERN.
expect() { grep -qxF -- "$3" <<<"$2" || fail "$1: no line '$3' in:"$'\n'"$2"; }

# Starts EXE with ARGS in the background; dll_overrides may disable more DLLs.
start_app() { # EXE [ARGS...]
    WINEDLLOVERRIDES="${dll_overrides:-mscoree,mshtml=}" wine "$@" >"$work/app.log" 2>&1 &
    app_pid=$!
}
# Waits up to $2 seconds for the program to end; its exit code goes to app_status.
wait_exit() {
    for _ in $(seq $(($1 * 10))); do
        kill -0 "$app_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$app_pid" 2>/dev/null; then
        fail "the program did not end"
        kill "$app_pid"
        app_status=-1
        return
    fi
    wait "$app_pid"
    app_status=$?
}
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
focus_main() { xdotool windowfocus --sync "$(xdotool search --name '^Quillmark$' | head -1)"; }
# value KEY TEXT: the value of "KEY=..." in the probe output.
value() { sed -n "s/^$1=//p" <<<"$2" | head -1; }

# Polls screenshots until the pixel at X,Y has COLOUR (up to 20 s); leaves the last one in $work.
wait_for_pixel() { # X Y COLOUR SHOT
    for _ in $(seq 40); do
        import -window root "$work/$4" 2>/dev/null
        [ "$(pixel "$work/$4" "$1" "$2")" = "$3" ] && return 0
        sleep 0.5
    done
    return 1
}

# Alt+F4 ends the program at once: no question, exit code 0.
close_with_alt_f4() {
    focus_main
    xdotool key alt+F4
    wait_exit 20
    [ "$app_status" = 0 ] || fail "exit code $app_status after Alt+F4"
}

# Ends the script: the program is stopped if still running, failures give exit code 1.
finish() {
    [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null && kill "$app_pid"
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed; screenshots in $work"
        exit 1
    fi
    echo "all checks passed"
}
