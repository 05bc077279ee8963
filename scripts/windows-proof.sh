#!/usr/bin/env bash
# Proof of the Windows build under Wine (run by build-windows.sh at its end,
# or alone after it): the installer run silently and uninstalled again; the
# zip unpacked into a folder of its own, its tivora-cli.exe against the Linux
# build of the same sources byte for byte (--help, places, zone ids, 1,000
# readings, a batch, a saved reading file); tivora.exe on Xvfb with a window
# manager, a birth typed in, computed and saved through the Save dialog, with
# screenshots; and the engine, entry, zone and file tests cross-built and run
# under Wine. Writes build-windows/proof/; exits non-zero on any difference.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

BUILD=$ROOT/build-windows
PROOF=$BUILD/proof
LINUX=$ROOT/build-windows-linux
CACHE=${TIVORA_WINDOWS_CACHE:-/var/cache/tivora-windows}
QT=${QT:-$CACHE/qt-6.4.2-x86_64-w64-mingw32}
failures=0

pass() { echo "PASS  $*"; }
fail() {
    echo "FAIL  $*"
    failures=$((failures + 1))
}
# same NAME A B: the two files hold the same bytes.
same() {
    if cmp -s "$2" "$3"; then
        pass "$1 ($(wc -c <"$2") bytes, the same on both)"
    else
        fail "$1: $2 and $3 differ"
        diff <(od -c "$2") <(od -c "$3") | head -8 || true # the rest of the proof still runs
    fi
}

rm -rf "$PROOF"
mkdir -p "$PROOF"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
echo "Proof: the Linux programs to compare with"
cmake -S "$ROOT" -B "$LINUX" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    "${launcher[@]}" >/dev/null
cmake --build "$LINUX" --target tivora tivora-cli -j"$JOBS" >/dev/null

installer=$(ls "$BUILD"/Tivora-*-win64.exe)
if file "$installer" | grep -q "PE32+ executable.*x86-64"; then
    pass "installer $(basename "$installer") is a 64-bit program ($(du -h "$installer" | cut -f1))"
else
    fail "$installer is not a 64-bit Windows program: $(file -b "$installer")"
fi

# The zip, unpacked somewhere else, runs as it is.
zip=$(ls "$BUILD"/Tivora-*-win64.zip)
unzip -q "$zip" -d "$PROOF/unzipped"
APP=$(ls -d "$PROOF"/unzipped/Tivora-*-win64)
export WINEPREFIX=$PROOF/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Nothing of this machine's zone data: the program must bring its own.
export TZ=UTC
wineboot -i >/dev/null 2>&1 || true
wineserver -p 600 || true # one server for the many runs below

win_cli() { wine "$APP/tivora-cli.exe" "$@"; }
linux_cli() { TIVORA_DATA_DIR=$ROOT/data "$LINUX/tivora-cli" "$@"; }

win_cli --help >"$PROOF/help.windows" 2>&1 || true
linux_cli --help >"$PROOF/help.linux" 2>&1 || true
same "tivora-cli --help" "$PROOF/help.linux" "$PROOF/help.windows"
win_cli places Mumbai >"$PROOF/places.windows" 2>&1 || true
linux_cli places Mumbai >"$PROOF/places.linux" 2>&1 || true
same "tivora-cli places Mumbai" "$PROOF/places.linux" "$PROOF/places.windows"

# Zone ids are checked against the zone data the program carries: a zone, a
# link name and a made-up one behave as on Linux (the last is refused).
for zone in Asia/Kolkata Asia/Calcutta Etc/GMT-5 Mars/Olympus asia/kolkata; do
    tz=(reading --name Zone --date 1950-03-04 --time 05:06 --lon 72:52E --lat 19:4N --tz "$zone")
    file=$PROOF/zone-${zone//\//-}
    { win_cli "${tz[@]}" 2>&1 && echo "exit 0" || echo "exit $?"; } >"$file.windows"
    { linux_cli "${tz[@]}" 2>&1 && echo "exit 0" || echo "exit $?"; } >"$file.linux"
    same "tivora-cli --tz $zone ($(tail -1 "$file.linux"))" "$file.linux" "$file.windows"
done

# The installer, run silently: the programs land in Program Files with a
# Start-menu entry and an uninstaller, the installed tivora-cli.exe runs, and
# the uninstaller takes everything away again.
installed=$WINEPREFIX/drive_c/Program\ Files/Tivora
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tivora'
if timeout 300 wine "$installer" /S; then
    missing=()
    for f in tivora.exe tivora-cli.exe Uninstall.exe places.tsv.gz places.idx zoneinfo/tzdata.zi \
        zoneinfo/Asia/Kolkata platforms/qwindows.dll; do
        [ -f "$installed/$f" ] || missing+=("$f")
    done
    shortcut=$(find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
        -name 'Tivora.lnk' | head -1)
    if [ ${#missing[@]} = 0 ] && [ -n "$shortcut" ] && wine reg query "$uninstall_key" >/dev/null 2>&1; then
        pass "installer /S: C:\\Program Files\\Tivora, Start menu ${shortcut#*/Programs/}, uninstaller"
    else
        fail "installer /S: missing ${missing[*]:-nothing}, shortcut '${shortcut}'"
    fi
    wine "$installed/tivora-cli.exe" places Mumbai >"$PROOF/places.installed" 2>&1 || true
    same "installed tivora-cli.exe places Mumbai" "$PROOF/places.linux" "$PROOF/places.installed"
    # The uninstaller copies itself aside and returns at once: wait for it.
    wine "$installed/Uninstall.exe" /S || true
    for _ in $(seq 60); do
        [ -e "$installed" ] || break
        sleep 1
    done
    if [ ! -e "$installed" ] && [ ! -e "$shortcut" ] && ! wine reg query "$uninstall_key" >/dev/null 2>&1; then
        pass "uninstaller /S removed the programs, the Start-menu entry and its registry key"
    else
        fail "uninstaller /S left: $(ls "$installed" 2>/dev/null | tr '\n' ' ') ${shortcut}"
    fi
else
    fail "installer /S failed under Wine"
fi

# 1,000 readings, 1901 to 2050: even ones by --place (40 towns), odd ones by
# --tz with coordinates (40 zones, war time, half hours and local mean time
# among them). One line a reading, its arguments separated by tabs.
awk 'BEGIN {
    n = split("Mumbai|London, GB|Chicago|Tokyo|Sydney|Kathmandu|Amsterdam|Berlin|Paris|Moscow|" \
        "Cairo|Lagos|Nairobi|Johannesburg|Buenos Aires|Sao Paulo|Mexico City|Los Angeles|" \
        "Honolulu|Anchorage|Santiago, CL|Auckland|Dhaka|Karachi|Tehran|Istanbul|Dublin|Lisbon|" \
        "Reykjavik|Singapore|Manila|Shanghai|Seoul|Adelaide|Caracas|Kolkata|Chennai|Colombo|" \
        "Yangon|Kabul", place, "|")
    m = split("Asia/Kolkata 72:52E 19:4N|Europe/London 0:7W 51:30N|America/Chicago 87:39W 41:51N|" \
        "Asia/Tokyo 139:41E 35:41N|Australia/Sydney 151:12E 33:52S|Asia/Kathmandu 85:19E 27:42N|" \
        "Europe/Amsterdam 4:53E 52:22N|Europe/Berlin 13:24E 52:31N|Europe/Paris 2:21E 48:51N|" \
        "Europe/Moscow 37:37E 55:45N|Africa/Cairo 31:14E 30:2N|Africa/Lagos 3:23E 6:27N|" \
        "Africa/Nairobi 36:49E 1:17S|Africa/Johannesburg 28:2E 26:12S|" \
        "America/Argentina/Buenos_Aires 58:22W 34:36S|America/Sao_Paulo 46:38W 23:32S|" \
        "America/Mexico_City 99:8W 19:25N|America/Los_Angeles 118:14W 34:3N|" \
        "Pacific/Honolulu 157:51W 21:18N|America/Anchorage 149:54W 61:13N|" \
        "America/Santiago 70:39W 33:27S|Pacific/Auckland 174:46E 36:51S|Asia/Dhaka 90:24E 23:43N|" \
        "Asia/Karachi 67:1E 24:52N|Asia/Tehran 51:25E 35:42N|Europe/Istanbul 28:57E 41:1N|" \
        "Europe/Dublin 6:16W 53:20N|Europe/Lisbon 9:8W 38:43N|Atlantic/Reykjavik 21:54W 64:8N|" \
        "Asia/Singapore 103:51E 1:17N|Asia/Manila 120:59E 14:36N|Asia/Shanghai 121:28E 31:14N|" \
        "Asia/Seoul 126:59E 37:34N|Australia/Adelaide 138:36E 34:56S|America/Caracas 66:55W 10:30N|" \
        "Australia/Lord_Howe 159:5E 31:33S|America/St_Johns 52:43W 47:34N|Pacific/Chatham 176:33W 43:57S|" \
        "Asia/Yangon 96:9E 16:48N|America/New_York 74:0W 40:43N", zone, "|")
    for (i = 0; i < 1000; i++) {
        date = sprintf("%04d-%02d-%02d", 1901 + (i * 37) % 150, 1 + i % 12, 1 + (i * 7) % 28)
        time = sprintf("%02d:%02d", (i * 5) % 24, (i * 13) % 60)
        head = "reading\t--name\tReader " i "\t--date\t" date "\t--time\t" time
        if (i % 2 == 0) {
            print head "\t--place\t" place[1 + (i / 2) % n]
        } else {
            split(zone[1 + int(i / 2) % m], z, " ")
            print head "\t--lon\t" z[2] "\t--lat\t" z[3] "\t--tz\t" z[1]
        }
    }
}' >"$PROOF/readings.tsv"

run_readings() { # run_readings COMMAND... : each reading's exit status and output
    local args
    while IFS=$'\t' read -r -a args; do
        echo "== ${args[*]}"
        "$@" "${args[@]}" 2>&1 && echo "exit 0" || echo "exit $?"
    done <"$PROOF/readings.tsv"
}
# The Linux programs read the atlas's text (no index beside it), the
# Windows ones the index the build made: the same answers from both.
step=$(date +%s)
run_readings linux_cli >"$PROOF/readings.linux"
linux_time=$(($(date +%s) - step))
step=$(date +%s)
run_readings win_cli >"$PROOF/readings.windows"
same "1,000 readings (500 by --place, 500 by --tz; Linux $linux_time s, Wine $(($(date +%s) - step)) s)" \
    "$PROOF/readings.linux" "$PROOF/readings.windows"

# The same births as one batch, with Place and TimeZone columns.
{
    echo "Id,BirthName,BirthMonth,BirthDay,BirthYear,BirthHour,BirthMinute,Place,TimeZone,LonDegrees,LonMinutes,LatDegrees,LatMinutes,IsEast,IsSouth,IsDST"
    awk -F'\t' '{
        split($5, d, "-"); split($7, t, ":")
        row = NR "," $3 "," d[2] + 0 "," d[3] + 0 "," d[1] "," t[1] + 0 "," t[2] + 0
        if ($8 == "--place") { print row ",\"" $9 "\",,,,,,,," ; next }
        split($9, lon, ":"); split($11, lat, ":")
        print row ",," $13 "," lon[1] "," lon[2] + 0 "," lat[1] "," lat[2] + 0 "," \
            ($9 ~ /E$/ ? 1 : 0) "," ($11 ~ /S$/ ? 1 : 0) ",0"
    }' "$PROOF/readings.tsv"
} >"$PROOF/batch.csv"
linux_cli batch "$PROOF/batch.csv" >"$PROOF/batch.linux" 2>&1 || true
win_cli batch "$(winepath -w "$PROOF/batch.csv")" >"$PROOF/batch.windows" 2>&1 || true
same "batch of the same 1,000 births ($(wc -l <"$PROOF/batch.linux") lines)" \
    "$PROOF/batch.linux" "$PROOF/batch.windows"
if grep -q $'\r$' "$PROOF/readings.windows"; then
    fail "the Windows output has CR LF line ends"
fi

# A reading file saved on Windows opens on Linux as the same reading.
save=(--name "Asha Devi" --date 1941-06-01 --time 09:30 --place "London, GB")
win_cli save "$(winepath -w "$PROOF/asha.tvr")" "${save[@]}" >/dev/null 2>&1 ||
    fail "tivora-cli.exe save"
linux_cli save "$PROOF/asha-linux.tvr" "${save[@]}" >/dev/null 2>&1
same "reading file saved by tivora-cli.exe" "$PROOF/asha-linux.tvr" "$PROOF/asha.tvr"
linux_cli open "$PROOF/asha.tvr" >"$PROOF/asha.opened" 2>&1 || fail "Linux opens the Windows file"

# The desktop program on Xvfb, with a small window manager (Wine's message
# boxes and file dialogs wait for one): its main window, a birth typed in and
# computed, the result window, and the reading saved through the Save dialog.
# Every window is looked at in its screenshot.
display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$PROOF/xvfb.log" 2>&1 &
xvfb=$!
sleep 2
export DISPLAY=$display
openbox >"$PROOF/openbox.log" 2>&1 &
openbox=$!
sleep 1
shot() { import -window root "$PROOF/$1.png"; }
# visible_window TITLE [NOT-ID]: waits up to 30 s for a shown window so
# titled (other than NOT-ID) and prints its id.
visible_window() {
    local id
    for _ in $(seq 60); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "${2:-none}" | tail -1 || true)
        [ -n "$id" ] && echo "$id" && return 0
        sleep 0.5
    done
    return 1
}
keys() { xdotool key --delay 40 "$@"; }
wine "$APP/tivora.exe" >"$PROOF/tivora.log" 2>&1 &
disown # ended with the wine server below
if main=$(visible_window '^Tivora v'); then
    sleep 3
    xdotool getwindowname "$main" >"$PROOF/main-window.txt"
    xdotool getwindowgeometry "$main" >>"$PROOF/main-window.txt"
    shot main-window
    pass "tivora.exe shows \"$(head -1 "$PROOF/main-window.txt")\": $PROOF/main-window.png"

    # Asha Devi, 10 June 1941, 09:30, Mumbai (chosen from the City box's
    # list): the lists are set by Home and Down, as their items are fixed.
    gui_tvr=$PROOF/asha-gui.tvr
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    xdotool type --delay 60 "Asha Devi"
    keys Tab Home && keys --repeat 5 Down   # June
    keys Tab Home && keys --repeat 9 Down   # 10
    keys Tab Home && keys --repeat 40 Down  # 1941
    keys Tab Home && keys --repeat 9 Down   # 09
    keys Tab Home && keys --repeat 30 Down  # 30
    keys Tab Home
    keys --repeat 7 Tab # the coordinates' boxes and checked options, then City
    xdotool type --delay 80 "Mumbai"
    sleep 3
    keys Down Return
    sleep 2
    shot main-window-entered
    keys Return # "Find My Lagna"
    if result=$(visible_window '^Tivora v' "$main"); then
        sleep 3
        shot result-window
        pass "tivora.exe computed the reading: $PROOF/result-window.png"
        keys alt+s # the result window's Save: the report window
        if report=$(visible_window '^Tivora v' "$result"); then
            sleep 2
            shot report-window
            keys alt+s # the report window's Save: the file dialog
            if visible_window '^Save Your Lagna Details$' >/dev/null; then
                sleep 2
                shot save-dialog
                xdotool type --delay 30 "$(winepath -w "$gui_tvr")"
                keys Return
                for _ in $(seq 30); do
                    [ -s "$gui_tvr" ] && break
                    sleep 1
                done
            fi
        fi
    fi
    if [ -s "$gui_tvr" ]; then
        # Its fifteen lines are those tivora-cli writes for the same birth
        # on Linux; the two lines after them keep the full name and the
        # chosen town.
        linux_cli save "$PROOF/asha-gui-linux.tvr" --name "Asha Devi" --date 1941-06-10 \
            --time 09:30 --place Mumbai >/dev/null 2>&1 || true
        head -c "$(wc -c <"$PROOF/asha-gui-linux.tvr")" "$gui_tvr" >"$PROOF/asha-gui.15"
        same "the reading file saved by tivora.exe (lines 1-15)" "$PROOF/asha-gui-linux.tvr" \
            "$PROOF/asha-gui.15"
        # Opened on Linux it is the same reading as that birth computed on
        # Linux: every value both print agrees, but for those that tell
        # where the values came from (the file's entries, not the atlas's).
        linux_cli open "$gui_tvr" --json >"$PROOF/asha-gui.opened.json" 2>&1 || true
        linux_cli reading --json --name "Asha Devi" --date 1941-06-10 --time 09:30 \
            --place Mumbai >"$PROOF/asha-gui.reading.json" 2>&1 || true
        if agreed=$(python3 - "$PROOF/asha-gui.opened.json" "$PROOF/asha-gui.reading.json" <<'PY'
import json, sys
opened, computed = (json.load(open(p, encoding="utf-8")) for p in sys.argv[1:3])
origin = {"ZoneDirection", "OffsetCertain", "PlaceLatitude", "PlaceLongitude"}
keys = opened.keys() & computed.keys() - origin
differ = sorted(k for k in keys if opened[k] != computed[k])
print(f"{len(keys)} values agree: {opened['AscendantText']}, {opened['Place']}, "
      f"{opened['TimeZone']}" if not differ else f"these differ: {differ}")
sys.exit(1 if differ else 0)
PY
        ); then
            pass "Linux opens the file tivora.exe saved as the same reading ($agreed)"
        else
            fail "Linux does not open the file tivora.exe saved as the same reading: $agreed"
        fi
    else
        fail "tivora.exe saved no reading file (screenshots in $PROOF)"
        shot gui-failed
    fi
else
    fail "tivora.exe showed no main window within half a minute"
fi
wineserver -k || true
kill "$openbox" "$xvfb" 2>/dev/null || true
unset DISPLAY
# Settings live in the per-user registry (Qt's native format).
if grep -q 'Software\\\\Tivora' "$WINEPREFIX/user.reg" 2>/dev/null; then
    echo "INFO  settings written to HKEY_CURRENT_USER\\Software\\Tivora"
fi

# The engine, entry and reading-file tests, cross-built and run under Wine.
TESTS=$BUILD/tests
cmake --preset windows -B "$TESTS" -DTIVORA_WINDOWS_QT="$QT" -DBUILD_TESTING=ON \
    -DCMAKE_CROSSCOMPILING_EMULATOR=wine "${launcher[@]}" >/dev/null
cmake --build "$TESTS" -j"$JOBS" --target test_ephemeris test_birth_entry test_zone_table test_zone_ids \
    test_birth_summary test_reading_file test_reading_file_random test_zone_data >/dev/null
# The tests find the compiler's libraries and the zone data beside the zip's
# programs, Qt's test library and offscreen platform in the Qt build.
WINEPATH="$(winepath -w "$APP");$(winepath -w "$QT/bin")"
TIVORA_ZONEINFO_DIR=$(winepath -w "$APP/zoneinfo")
QT_PLUGIN_PATH=$(winepath -w "$QT/plugins")
export WINEPATH TIVORA_ZONEINFO_DIR QT_PLUGIN_PATH
wineserver -p 600 || true
if (cd "$TESTS" && ctest --output-on-failure -R \
    '^test_(ephemeris|birth_entry|zone_table|zone_ids|birth_summary|reading_file|reading_file_random|zone_data)$' \
    >"$PROOF/tests.log" 2>&1); then
    pass "tests under Wine: $(grep -o '[0-9]*% tests passed.*' "$PROOF/tests.log" || true)"
else
    fail "tests under Wine (see $PROOF/tests.log)"
    tail -20 "$PROOF/tests.log"
fi
wineserver -k || true

echo "Proof: $failures failure(s); everything is in $PROOF"
exit $((failures > 0))
