# SPDX-FileCopyrightText: 2026 The Molen developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Shell functions for the scripts that run the mill on an X display; source this file.

# Starts the window manager openbox and waits, at most SECONDS (default 10), until it has
# announced itself on the display.
start_window_manager() {
    openbox >/dev/null 2>&1 &
    local deadline=$((SECONDS + ${1:-10}))
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        if ((SECONDS >= deadline)); then
            echo "openbox did not come up on $DISPLAY" >&2
            return 1
        fi
        sleep 0.1
    done
}

# Prints the id of the mill's window once it is mapped, waiting at most SECONDS (default 20).
mill_window() {
    timeout "${1:-20}" xdotool search --sync --onlyvisible --name "ZAVELTOP SOFTWARE" | head -n 1
}

# Starts an X server of its own with the screen given (such as "-screen 0 1280x1024x24") and
# sets x_server_pid and x_display once it takes clients, waiting at most 10 s. The server picks
# a free display itself, and takes local clients without a cookie, so nothing is shared with
# another server on the machine. If it does not come up, prints what it said.
start_x_server() {
    local display_file log
    display_file=$(mktemp) log=$(mktemp)
    Xvfb -displayfd 3 "$@" -nolisten tcp 3>"$display_file" 2>"$log" &
    local server=$! deadline=$((SECONDS + 10))
    until [[ -s "$display_file" ]]; do
        if ((SECONDS >= deadline)) || ! kill -0 "$server" 2>/dev/null; then
            echo "Xvfb did not start; it said:" >&2
            cat "$log" >&2
            rm -f "$display_file" "$log"
            return 1
        fi
        sleep 0.05
    done
    x_server_pid=$server x_display=":$(cat "$display_file")"
    rm -f "$display_file" "$log"
}

# Runs a command on an X server of its own with the screen given, as start_x_server does, and
# stops the server after. Its status is the command's.
on_virtual_display() {
    local screen=$1 status=0
    shift
    start_x_server $screen || return 1
    DISPLAY=$x_display XAUTHORITY=/dev/null "$@" || status=$?
    kill "$x_server_pid" 2>/dev/null || true
    wait "$x_server_pid" 2>/dev/null || true
    return $status
}
