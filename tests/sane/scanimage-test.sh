#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The backend as SANE's own frontends load it: scanimage, and saned with SANE's net backend,
# pointed at the build through SANE_CONFIG_DIR and LD_LIBRARY_PATH, against the simulated main
# unit. Usage: scanimage-test.sh CASE MODULE_DIR PROGRAM SOURCE_DIR. Exit 77: cannot be run here.
set -euo pipefail
case=$1 module_dir=$2 program=$3 source_dir=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export LD_LIBRARY_PATH=$module_dir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}
unset SANE_DEBUG_QUILLON

# SANE's programs, with the sanitizer's runtime first when the module is built with it
# (QUILLON_FRONTEND_PRELOAD); the shell's own tools run without.
scanimage() {
    LD_PRELOAD=${QUILLON_FRONTEND_PRELOAD:-} command scanimage "$@"
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# configure FOLDER LINE...: SANE's configuration with only our backend, quillon.conf of LINEs.
configure() {
    local folder=$1
    shift
    mkdir -p "$folder/dll.d"
    : >"$folder/dll.conf"
    cp "$source_dir/sane/dll.d/quillon" "$folder/dll.d/"
    printf '%s\n' "$@" >"$folder/quillon.conf"
}
configure "$work/sane" simulated
export SANE_CONFIG_DIR=$work/sane

store_settings() {
    mkdir -p "$XDG_CONFIG_HOME/TOVA"
    printf '[Settings]\nGamma=%s\nSharpness=%s\n' "$1" "$2" >"$XDG_CONFIG_HOME/TOVA/Quillon for USB.conf"
}

scan() { # scan FILE OPTION...
    local file=$1
    shift
    scanimage -d quillon:simulated --format=png -o "$file" "$@"
}

same_pixels() {
    [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}

size_of() {
    identify -format '%wx%h' "$1"
}

# Waits until the simulated unit's lock is taken by an operation of another process: up to 20 s,
# for a loaded machine starts the program slowly (5 s ran out with benchmarks running beside).
await_held() {
    local lock=$XDG_RUNTIME_DIR/quillon-simulated-main-unit.lock
    for _ in $(seq 400); do
        if [ -e "$lock" ] && ! flock -n "$lock" true; then
            sleep 0.2 # past the readiness question, into the transfer
            return
        fi
        sleep 0.05
    done
    fail "the other process never took the camera"
}

case $case in
lists-devices)
    scanimage -L | grep -qx "device \`quillon:simulated' is a TOVA USB document camera (simulated) still camera" ||
        fail "scanimage -L does not list the simulated camera"
    configure "$work/sane" usb
    ! scanimage -L | grep -q quillon:simulated || fail "the simulated camera is offered unasked"
    ;;
self-test)
    scanimage -d quillon:simulated -T >"$work/out" 2>&1 || fail "$(cat "$work/out")"
    ! grep -q FAIL "$work/out" || fail "$(cat "$work/out")"
    ;;
same-as-capture)
    store_settings 0 5
    "$program" --simulate --capture="$work/capture.png"
    scan "$work/scan.png" 2>"$work/errors"
    same_pixels "$work/capture.png" "$work/scan.png" || fail "the scan differs from the capture"
    [ ! -s "$work/errors" ] || fail "printed without being asked: $(cat "$work/errors")"
    ;;
options)
    scan "$work/default.png"
    scan "$work/gray.png" --mode Gray
    [ "$(identify -format '%[channels]' "$work/gray.png")" = gray ] || fail "--mode Gray is not grey"
    scan "$work/lineart.png" --mode Lineart --threshold 40
    file "$work/lineart.png" | grep -q "1-bit grayscale" ||
        fail "--mode Lineart is not black and white"
    scan "$work/preview.png" --preview=yes
    [ "$(size_of "$work/preview.png")" = 636x512 ] || fail "a preview is not half the size"
    scan "$work/area.png" -l 25.4 -t 50.8 -x 50.8 -y 25.4
    [ "$(size_of "$work/area.png")" = 200x100 ] || fail "the area is $(size_of "$work/area.png")"
    for changed in "--sharpness 0" "--sharpness 6" "--gamma-correction=yes"; do
        # shellcheck disable=SC2086
        scan "$work/changed.png" $changed
        ! same_pixels "$work/default.png" "$work/changed.png" || fail "$changed changes nothing"
    done
    scanimage -d quillon:simulated --lamp Base --rotation 90 --zoom-in --autofocus -n ||
        fail "the camera's controls are refused"
    ;;
network)
    # A network namespace of our own: saned on its loopback at SANE's port, seen by nobody else.
    if ! unshare -rn true 2>/dev/null; then
        echo "no network namespace can be made here" >&2
        exit 77
    fi
    "$program" --simulate --capture="$work/capture.png"
    mkdir -p "$work/client"
    echo net >"$work/client/dll.conf"
    echo "connect_timeout = 10" >"$work/client/net.conf"
    echo 127.0.0.1 >"$work/sane/saned.conf"
    export WORK=$work
    unshare -rn bash -c '
        set -euo pipefail
        ip link set lo up
        # Started directly, so that $! is the daemon itself and it ends with the test.
        LD_PRELOAD=${QUILLON_FRONTEND_PRELOAD:-} saned -l -b 127.0.0.1 >"$WORK/saned.log" 2>&1 &
        trap "kill $!" EXIT
        # The client loads only SANE'"'"'s net backend, not ours.
        export SANE_CONFIG_DIR=$WORK/client SANE_NET_HOSTS=127.0.0.1
        listed() { command scanimage -L | grep -q "net:127.0.0.1:quillon:simulated"; }
        for _ in $(seq 50); do listed && break; sleep 0.1; done
        listed
        command scanimage -d net:127.0.0.1:quillon:simulated --format=png -o "$WORK/net.png"
    ' || fail "the scan over saned failed: $(cat "$work/saned.log" 2>/dev/null)"
    same_pixels "$work/capture.png" "$work/net.png" || fail "the network scan differs from the capture"
    ;;
busy-both-ways)
    # The program holds the camera for its whole capture; a scan meanwhile is refused busy.
    "$program" --simulate --sim-fault slow-transfer=3 --capture="$work/held.png" &
    holder=$!
    await_held
    status=0
    scan "$work/refused.png" 2>"$work/errors" || status=$?
    wait "$holder" || fail "the program's capture failed while the scan was refused"
    grep -q "Device busy" "$work/errors" || fail "the scan was not refused busy (status $status)"

    # A scan holds it for its whole transfer; the program's capture meanwhile exits busy (4).
    configure "$work/sane" simulated "simulated-faults slow-transfer=3"
    scan "$work/scan.png" &
    scanner=$!
    await_held
    status=0
    "$program" --simulate --capture="$work/refused.png" 2>/dev/null || status=$?
    wait "$scanner" || fail "the scan failed while the program was refused"
    [ "$status" = 4 ] || fail "the program's capture ended with $status, not busy (4)"
    ;;
unplug)
    configure "$work/sane" simulated "simulated-faults unplug-at-row=500"
    status=0
    SANE_DEBUG_QUILLON=1 scan "$work/cut.png" 2>"$work/errors" || status=$?
    grep -q "Error during device I/O" "$work/errors" || fail "status $status: $(cat "$work/errors")"
    grep -q "^quillon.sane: sane_start: the capture failed" "$work/errors" ||
        fail "no debug line names the cause: $(cat "$work/errors")"
    ;;
*)
    fail "no case $case"
    ;;
esac
