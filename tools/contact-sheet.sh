#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrune developers
# SPDX-License-Identifier: MIT
#
# Makes a contact sheet: screenshots of Kestrune's real windows, as a person sees them, at several
# font DPIs and scale factors, in one PNG. Each row is one setting: the nine pages of the sheet,
# the "Calibrate Turns" and "Calibrate Torque" dialogs, and the "Save User Data?" question. A last
# row shows the List page with a long motor list, once after asking the window manager to maximise
# the sheet and once scrolled to the end.
#
#   tools/contact-sheet.sh [path-to-kestrune] [output.png] [folder-for-the-single-shots]
#
# Defaults: build/default/ui/kestrune and build/contact-sheet.png under the repository root; the
# single shots are kept only when a folder is given.
# Runs on a private Xvfb display with openbox, so it needs no desktop; installs the X tools it
# lacks with apt-get (as root, or through sudo). No user file is touched: the program runs as a
# copy, started in a fresh temporary folder that is removed at the end.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=$(realpath "${1:-$root/build/default/ui/kestrune}")
output=$(realpath -m "${2:-$root/build/contact-sheet.png}")
keep=${3:+$(realpath -m "$3")}

readonly screen_size=2600x1600x24   # room for the sheet at scale 2, and for maximising
readonly sheet_title='^Kestrune Ver\. X\.1F$'

# One row per setting: its label, then the environment it starts the program with.
settings=(
    "font DPI 96|QT_FONT_DPI=96"
    "font DPI 120|QT_FONT_DPI=120"
    "font DPI 144|QT_FONT_DPI=144"
    "font DPI 192|QT_FONT_DPI=192"
    "scale 1.25|QT_SCALE_FACTOR=1.25"
    "scale 2|QT_SCALE_FACTOR=2"
)

work=""
xvfb_pid=""
wm_pid=""
app_pid=""

die() {
    echo "contact-sheet: $*" >&2
    exit 1
}

# Only the processes this script started are ended, each by its own id.
cleanup() {
    local pid
    for pid in "$app_pid" "$wm_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    done
    if [ -n "$work" ]; then rm -rf "$work"; fi
}

install_tools() {
    local -A package_of=(
        [Xvfb]=xvfb [xauth]=xauth [mcookie]=util-linux [import]=imagemagick
        [montage]=imagemagick [xdotool]=xdotool [wmctrl]=wmctrl [openbox]=openbox
        [xwininfo]=x11-utils [fc-list]=fontconfig
    )
    local missing=() tool
    for tool in "${!package_of[@]}"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("${package_of[$tool]}")
    done
    # The labels under the tiles need a font ImageMagick can find.
    [ -e /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] || missing+=(fonts-dejavu-core)
    [ ${#missing[@]} -eq 0 ] && return
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    echo "contact-sheet: installing ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    # shellcheck disable=SC2046  # one package may stand for several tools
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends $(printf '%s\n' "${missing[@]}" | sort -u)
}

# A display of its own, number chosen by the server, guarded by a cookie only this script knows.
start_display() {
    local cookie
    cookie=$(mcookie)
    export XAUTHORITY="$work/Xauthority"
    touch "$XAUTHORITY"
    # The server takes any cookie in the file; clients look theirs up by the display number,
    # added once the server has chosen it.
    xauth -q add :0 MIT-MAGIC-COOKIE-1 "$cookie"
    Xvfb -displayfd 3 -screen 0 "$screen_size" -nolisten tcp -auth "$XAUTHORITY" \
        3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local i
    for ((i = 0; i < 100; i++)); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    [ -s "$work/display" ] || die "Xvfb did not start: $(cat "$work/xvfb.log")"
    DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
    export DISPLAY
    xauth -q add "$DISPLAY" MIT-MAGIC-COOKIE-1 "$cookie"
    # Real frames, so windows look as on a desktop and can be maximised.
    openbox >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    for ((i = 0; i < 100; i++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
        sleep 0.05
    done
    die "openbox did not start"
}

# Starts the copy in the start folder with a clean Qt environment plus the given settings.
start_program() {
    (cd "$work/start" && exec env -u QT_SCALE_FACTOR -u QT_FONT_DPI -u QT_SCREEN_SCALE_FACTORS \
        -u QT_ENABLE_HIGHDPI_SCALING -u QT_STYLE_OVERRIDE QT_QPA_PLATFORM=xcb \
        HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" "$@" "$work/bin/kestrune" \
        >>"$work/kestrune.log" 2>&1) &
    app_pid=$!
}

# Waits up to five seconds for a visible window whose title matches, and prints its id.
wait_window() {
    local found
    found=$(timeout 5 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null || true)
    [ -n "$found" ] || die "no window '$1' appeared"
    echo "${found%%$'\n'*}"
}

# Waits for a visible window of the program other than the given one (the untitled question).
wait_other_window() {
    local except=$1 i id
    for ((i = 0; i < 100; i++)); do
        for id in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
            [ "$id" != "$except" ] && echo "$id" && return
        done
        sleep 0.05
    done
    die "no further window of the program appeared"
}

wait_gone() {
    local i
    for ((i = 0; i < 100; i++)); do
        xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable' || return 0
        sleep 0.05
    done
    die "window $1 did not close"
}

# Keys go to whatever has the focus, as when a person types (XTEST, not synthetic events).
press() {
    xdotool key --delay 40 "$@"
}

focus() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1"
}

# The window manager's frame around a window, so the shot shows the title bar and borders too.
frame_of() {
    local parent root_window
    parent=$(xwininfo -tree -id "$1" | awk '/Parent window id/ {print $4}')
    root_window=$(xwininfo -root | awk '/Window id/ {print $4}')
    if [ "$parent" = "$root_window" ]; then echo "$1"; else echo "$parent"; fi
}

# Grabs the framed window once it has finished painting: two grabs in a row alike, and different
# from the shot before it when that is given (a page switch changes the picture).
shoot() {
    local window=$1 file=$2 before=${3:-} frame i last="" sum
    frame=$(frame_of "$window")
    for ((i = 0; i < 60; i++)); do
        import -window "$frame" "$file" 2>/dev/null || { sleep 0.05; continue; }
        sum=$(md5sum <"$file")
        if [ "$sum" = "$last" ] && { [ -z "$before" ] || ! cmp -s "$file" "$before"; }; then
            return
        fi
        last=$sum
        sleep 0.1
    done
    echo "contact-sheet: $file may show a window still changing" >&2
}

# Shot n of a row and its label, which montage prints under the tile. A page switch passes the
# number of the shot of the page before, which the new shot must differ from.
save_shot() {
    local window=$1 dir=$2 n=$3 text=$4 before=""
    # Two digits, so the shots of a row sort in the order they were taken.
    [ -n "${5:-}" ] && before="$dir/$(printf %02d "$5").png"
    shoot "$window" "$dir/$(printf %02d "$n").png" "$before"
    printf '%s' "$text" >"$dir/$(printf %02d "$n").label"
}

# Presses one key n times.
press_times() {
    local keys=() i
    for ((i = 0; i < $2; i++)); do keys+=("$1"); done
    press "${keys[@]}"
}

# The sheet's tab order is: the tab bar, the controls of the pages in template order, OK, Cancel
# (Apply is disabled), and round again; with the focus on the tab bar, Ctrl+Tab leaves it there.
# So the Calibrate buttons are reached by counting, whatever the font size. Breaking Turns is
# walked backwards from its first control, because entering its Length box empties it.
shoot_setting() {
    local name=$1 dir=$2
    shift 2
    mkdir -p "$dir"
    start_program "$@"
    local sheet dialog question
    sheet=$(wait_window "$sheet_title")
    focus "$sheet"
    # As the sheet opens: the focus on the first control of Breaking Turns.
    save_shot "$sheet" "$dir" 1 "$name: Breaking Turns"
    # Tab bar, Cancel, OK, Help, Vorlick, Default, Calibrate.
    press_times shift+Tab 7
    press space
    dialog=$(wait_window '^Calibrate Turns$')
    save_shot "$dialog" "$dir" 2 "$name: Calibrate Turns"
    press Escape
    wait_gone "$dialog"
    # From Calibrate on: Default, Vorlick, Help, OK, Cancel, the tab bar.
    press_times Tab 6
    press ctrl+Tab
    save_shot "$sheet" "$dir" 3 "$name: Breaking Torque" 1
    # Type, Width, Strands, Torque, Limit, Calibrate.
    press_times Tab 6
    press space
    dialog=$(wait_window '^Calibrate Torque$')
    save_shot "$dialog" "$dir" 4 "$name: Calibrate Torque"
    press Escape
    wait_gone "$dialog"
    press_times shift+Tab 6
    local page n=5 previous=3
    for page in Test List Options "Motor Weight" Winding "Batch Log" "Torque Test"; do
        press ctrl+Tab
        save_shot "$sheet" "$dir" $n "$name: $page" $previous
        previous=$n
        n=$((n + 1))
    done
    press Escape
    wait_gone "$sheet"
    question=$(wait_other_window "$sheet")
    focus "$question"
    save_shot "$question" "$dir" $n "$name: Save User Data?"
    # No: nothing is written, and the program ends.
    press Escape
    wait_for_exit
}

wait_for_exit() {
    local i
    for ((i = 0; i < 100; i++)); do
        kill -0 "$app_pid" 2>/dev/null || { app_pid=""; return; }
        sleep 0.05
    done
    echo "contact-sheet: the program did not end after the question; ending it" >&2
    kill "$app_pid"
    app_pid=""
}

# A dozen break tests in three batches, so the Batch Log page shows filled tables; one batch name
# is wider than its column.
write_batch_log() {
    cat >"$work/start/kes-batches.csv" <<'CSV'
Batch,Date,Type,Width,Strands,Length (in),Turns,Torque (oz-in),Weight (g),Note
Tan II 2025 A,2026-03-01,Tan II,1/8,2,10,1085,2.71,1.74,loop
Tan II 2025 A,2026-03-01,Tan II,1/8,2,10,1112,2.78,1.76,
Tan II 2025 A,2026-03-02,Tan II,1/8,2,10,1049,2.64,1.73,"broke at the knot, early"
Tan II 2025 A,2026-03-02,Tan II,1/8,2,10.5,1140,2.75,1.82,
TSS 2024-11,2026-02-14,Tan Super Sport,3/32,4,12,1106,3.02,,humid
TSS 2024-11,2026-02-14,Tan Super Sport,3/32,4,12,1131,3.10,,
TSS 2024-11,2026-02-15,Tan Super Sport,3/32,4,12,1098,2.95,,
TSS 2024-11,2026-02-15,Tan Super Sport,3/32,4,11.5,1077,,,no torque meter
"Club box 2026, roll 3 of 4",2026-01-20,Tan Sport,1/4,2,8,498,4.40,3.38,
"Club box 2026, roll 3 of 4",2026-01-20,Tan Sport,1/4,2,8,512,4.55,3.41,
"Club box 2026, roll 3 of 4",2026-01-21,Tan Sport,1/4,2,8,476,4.21,3.36,"old stock, ""soft"""
"Club box 2026, roll 3 of 4",2026-01-21,Tan Sport,1/4,2,8,505,4.47,3.40,
CSV
}

# About 300 motors, and one row (some 700 characters) wider than even the maximised sheet, so
# the list scrolls both ways.
write_long_list() {
    local i
    {
        for ((i = 0; i < 150; i++)); do
            printf 'TanII\t1/4"\t%d\tNA\t80%%\tNA\t%d.%02doz/in\n' $((36 + i % 8)) $((500 + i)) $((i % 100))
            printf 'TanSS\t3/32"\t%d\t24"\t90%%\t%d\tNA\n' $((8 + i % 6)) $((1234 + i))
        done
        printf 'Wide\t1/8"\t4\t12"\t85%%\t999\t%s\n' "$(printf 'very long remark %.0s' {1..40})"
    } >"$work/start/kes.dta"
}

# The List page with the long list, after asking the window manager to maximise the sheet, and
# again with the motor list scrolled to its last, widest row. The sheet may keep its size: the
# label says which it did.
shoot_long_list() {
    local dir=$1 rows
    mkdir -p "$dir"
    write_long_list
    rows=$(wc -l <"$work/start/kes.dta")
    start_program
    local sheet question size
    sheet=$(wait_window "$sheet_title")
    focus "$sheet"
    press shift+Tab ctrl+Tab ctrl+Tab ctrl+Tab
    wmctrl -i -r "$sheet" -b add,maximized_vert,maximized_horz
    size=$(maximised_size "$sheet")
    save_shot "$sheet" "$dir" 1 "font DPI 96: List, $rows rows, maximise asked: $size"
    # The motor list is the first control of the List page.
    press Tab End
    save_shot "$sheet" "$dir" 2 "font DPI 96: List, End pressed in the motor list" 1
    press Escape
    wait_gone "$sheet"
    question=$(wait_other_window "$sheet")
    focus "$question"
    press Escape
    wait_for_exit
}

# Waits a second at most for the sheet to fill the screen's width; prints its size either way.
maximised_size() {
    local i width height
    for ((i = 0; i < 20; i++)); do
        read -r width height < <(xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {print w, $2}')
        [ "$width" -ge $((${screen_size%%x*} - 10)) ] && break
        sleep 0.05
    done
    if [ "$width" -ge $((${screen_size%%x*} - 10)) ]; then
        echo "maximised to ${width}x$height"
    else
        echo "contact-sheet: the window manager could not maximise the sheet" >&2
        echo "stays ${width}x$height"
    fi
}

# One montage per row, stacked. Shots keep their real pixels, so that a pixel too few at some
# setting still shows: a cell is as large as the largest shot in its row. Only a row with a shot
# wider than 1400 pixels (a maximised sheet) is shown at half size.
assemble() {
    local rows=() dir
    for dir in "$work"/shots/*/; do
        local row="${dir%/}.png" tiles=() shot cell
        for shot in "$dir"*.png; do
            tiles+=(-label "$(cat "${shot%.png}.label")" "$shot")
        done
        cell=$(identify -format '%w %h\n' "$dir"*.png |
            awk '$1 > w {w = $1} $2 > h {h = $2} END {if (w > 1400) {w = int(w / 2); h = int(h / 2)}; print w "x" h ">"}')
        montage "${tiles[@]}" -tile x1 -geometry "$cell+8+8" -pointsize 16 -background white \
            "$row"
        rows+=("$row")
    done
    mkdir -p "$(dirname "$output")"
    convert "${rows[@]}" -background white -gravity west -append +repage -depth 8 "$output"
    if [ -n "$keep" ]; then
        mkdir -p "$keep"
        cp -r "$work/shots/." "$keep"
    fi
}

main() {
    [ -x "$program" ] || die "no program at $program (build it first, e.g. with make)"
    install_tools
    work=$(mktemp -d "${TMPDIR:-/tmp}/kestrune-contact-sheet.XXXXXX")
    trap cleanup EXIT
    mkdir -p "$work/bin" "$work/start" "$work/home" "$work/runtime" "$work/shots"
    chmod 700 "$work/runtime"
    # A copy, so a relink of the build while this runs changes nothing.
    cp "$program" "$work/bin/kestrune"
    start_display
    write_batch_log
    local entry n=1
    for entry in "${settings[@]}"; do
        local name=${entry%%|*} vars=${entry#*|}
        # shellcheck disable=SC2086  # the settings' variables, one word each
        shoot_setting "$name" "$work/shots/$n" $vars
        n=$((n + 1))
    done
    shoot_long_list "$work/shots/$n"
    assemble
    echo "$output"
}

main
