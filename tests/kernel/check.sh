#!/bin/sh
# Glimmerview — EEPROM light-effect viewer. SPDX-License-Identifier: MIT
# check.sh WORK: run inside the test machine, on the kernel's own I2C drivers. WORK holds the
# program (Glimmerview) and the images; every step says what it found, and the last line is
# "KERNEL-TEST PASS" only when every answer was the right one.
set -u
work=$1
program="$work/Glimmerview"
image="$work/image.bin"
image8="$work/image.bin8"
failures=0

fail() {
    echo "KERNEL-TEST FAIL: $*"
    failures=$((failures + 1))
}

# The stub adapter with SMBus chips at the given addresses; prints its /dev node.
stub() {
    rmmod at24 i2c-stub 2>/dev/null
    modprobe i2c-stub chip_addr="$1" || return 1
    for adapter in /sys/bus/i2c/devices/i2c-*; do
        if grep -q "SMBus stub" "$adapter/name"; then
            echo "/dev/${adapter##*/}"
            return 0
        fi
    done
    return 1
}

# Runs the program; its status into $status, its standard error into $work/err.
run() {
    "$program" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

expect() { # status text-in-standard-error what
    if [ "$status" -ne "$1" ] || ! grep -q -- "$2" "$work/err" "$work/out"; then
        fail "$3: status $status, said: $(cat "$work/err" "$work/out" | tail -n 3)"
    else
        echo "ok: $3"
    fi
}

modprobe i2c-dev || fail "no i2c-dev"

# 1. i2c: on the bare SMBus adapter: write, read, verify, and the bytes as i2cget reads them.
adapter=$(stub 0x50,0x51,0x52,0x53,0x54,0x55,0x56,0x57) || fail "no stub adapter"
run --chip "i2c:$adapter" --write "$image"
expect 0 "The chip holds this image" "written through SMBus"
run --chip "i2c:$adapter" --verify "$image"
expect 0 "The chip holds this image" "verified through SMBus"
run --chip "i2c:$adapter" --read "$work/back.bin"
if cmp -s "$image" "$work/back.bin"; then echo "ok: read back through SMBus"; else fail "the read differs"; fi
number=${adapter##*-}
for offset in 0 700 1537 2047; do
    wanted=$(od -An -tx1 -j "$offset" -N1 "$image" | tr -d ' ')
    block=$((0x50 + offset / 256))
    got=$(i2cget -y "$number" "$block" $((offset % 256)) b)
    [ "$got" = "0x$wanted" ] || fail "byte $offset: i2cget reads $got, the image holds 0x$wanted"
done
echo "ok: i2cget reads the image's bytes"

# 2. No chip at all.
adapter=$(stub 0x60) || fail "no stub adapter"
run --chip "i2c:$adapter" --read "$work/none.bin"
expect 2 "No chip answers at 0x50" "a missing chip"

# 3. The 8-Kbit part: named as such, and written as i2c8:.
adapter=$(stub 0x50,0x51,0x52,0x53) || fail "no stub adapter"
run --chip "i2c:$adapter" --write "$image"
expect 2 "A 1024-byte part answers at 0x50–0x53" "an 8-Kbit part named i2c:"
run --chip "i2c8:$adapter" --write "$image8"
expect 0 "The chip holds this image" "an 8-Kbit part written as i2c8:"

# 4. A driver bound inside the part's range; then the chip through at24's own file.
adapter=$(stub 0x50,0x51,0x52,0x53,0x54,0x55,0x56,0x57) || fail "no stub adapter"
modprobe at24
echo 24c02 0x52 >"/sys/bus/i2c/devices/i2c-$number/new_device"
run --chip "i2c:$adapter" --write "$image"
expect 2 "holds a device at 0x52" "a driver inside the range"
echo 0x52 >"/sys/bus/i2c/devices/i2c-$number/delete_device"
echo 24c16 0x50 >"/sys/bus/i2c/devices/i2c-$number/new_device"
sleep 1
nvmem=$(ls -d /sys/bus/nvmem/devices/"$number"-0050*/nvmem 2>/dev/null | head -n 1)
if [ -z "$nvmem" ]; then
    fail "at24 offers no nvmem file"
else
    run --chip "i2c:$adapter" --read "$work/held.bin"
    expect 2 "A kernel driver already holds the chip at 0x50" "the driver's chip named by i2c:"
    run --list-chips
    if [ "$(grep -c -- "-0050" "$work/out")" -eq 1 ] && grep -q "driver at24.*; also" "$work/out"; then
        echo "ok: --list-chips lists the chip once, with its driver"
    else
        fail "--list-chips shows: $(cat "$work/out")"
    fi
    run --chip "$nvmem" --write "$image"
    expect 0 "The chip holds this image" "written through at24's file"
    run --chip "$nvmem" --verify "$image"
    expect 0 "The chip holds this image" "verified through at24's file"
fi

if [ "$failures" -eq 0 ]; then echo "KERNEL-TEST PASS"; else echo "KERNEL-TEST FAILED: $failures"; fi
