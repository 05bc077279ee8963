#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks it as Debian's
# tools and a user would: its file list, lintian, the AppStream and desktop
# validators, the manual pages, the completion, and the programs run from the
# unpacked package with their data read from it.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages lintian appstream desktop-file-utils groff man-db bash-completion strace

bash "$ROOT/scripts/package.sh" >/dev/null
deb=$(ls "$ROOT"/build-package/tivora_*.deb)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
    echo "check-package: $*" >&2
    exit 1
}

# The files a Debian desktop expects, under the one application id.
listing=$(dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }')
desktop=$(printf '%s\n' "$listing" | grep -E '^/usr/share/applications/[^/]+\.desktop$') ||
    fail "no desktop entry in $deb"
id=$(basename "$desktop" .desktop)
expected=(/usr/bin/tivora /usr/bin/tivora-cli "$desktop"
    "/usr/share/icons/hicolor/scalable/apps/$id.svg" "/usr/share/metainfo/$id.metainfo.xml"
    /usr/share/man/man1/tivora.1.gz /usr/share/man/man1/tivora-cli.1.gz
    /usr/share/bash-completion/completions/tivora-cli
    /usr/share/doc/tivora/copyright /usr/share/doc/tivora/changelog.gz
    /usr/share/tivora/places.tsv.gz)
for file in "${expected[@]}"; do
    printf '%s\n' "$listing" | grep -qxF "$file" || fail "$deb lacks $file"
done

# cmake --install lays out the same tree.
cmake --install "$ROOT/build-package" --prefix "$scratch/installed/usr" >/dev/null
installed=$(cd "$scratch/installed" && find . ! -type d | cut -c2- | sort)
packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print substr($6, 2) }' | sort)
[ "$installed" = "$packaged" ] ||
    fail "cmake --install and the package differ:"$'\n'"$(diff <(echo "$installed") <(echo "$packaged"))"

# Errors fail; warnings are shown. (lintian dislikes running as root, and
# says so on standard error.)
lintian_out=$(lintian --fail-on error "$deb" 2>&1) ||
    fail "lintian reports errors:"$'\n'"$lintian_out"
lintian_out=$(printf '%s\n' "$lintian_out" | grep -v 'running with root privileges' || true)
[ -z "$lintian_out" ] || printf 'lintian:\n%s\n' "$lintian_out"

unpacked=$scratch/root
dpkg -x "$deb" "$unpacked"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml" >"$scratch/as.log" 2>&1 ||
    fail "appstreamcli validate:"$'\n'"$(cat "$scratch/as.log")"
desktop-file-validate "$unpacked$desktop" || fail "desktop-file-validate $desktop"
# Menus and software centres show Hindi to Hindi readers.
grep -q '^Comment\[hi\]=' "$unpacked$desktop" || fail "$desktop has no Hindi comment"
grep -q '<summary xml:lang="hi">' "$unpacked/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the AppStream data has no Hindi summary"

# The manual pages render without a single groff warning.
for page in tivora tivora-cli; do
    zcat "$unpacked/usr/share/man/man1/$page.1.gz" >"$scratch/$page.1"
    warnings=$(groff -ww -man -Tutf8 -z "$scratch/$page.1" 2>&1)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
    MANWIDTH=80 man -l "$scratch/$page.1" 2>&1 >/dev/null | grep . && fail "man -l $page.1 warns"
done

# The completion offers the commands.
offered=$(bash -c 'source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_WORDS=(tivora-cli re) COMP_CWORD=1 COMP_LINE="tivora-cli re" COMP_POINT=13
    _tivora_cli tivora-cli re tivora-cli
    echo "${COMPREPLY[*]}"' - "$unpacked/usr/share/bash-completion/completions/tivora-cli")
[ "$offered" = "reading report" ] || fail "completion of 're' gives '$offered'"

# The programs run from the unpacked tree (nothing of the build folder), and
# the atlas comes from the unpacked /usr/share/tivora/.
cli=$unpacked/usr/bin/tivora-cli
for program in "$unpacked/usr/bin/tivora" "$cli"; do
    ldd "$program" | grep 'not found' && fail "$program misses libraries"
done
# No path of the build machine's source tree is looked in: on another
# machine it may be any local user's to create. (Qt keeps string literals
# in UTF-16, hence the second look.)
for program in "$unpacked/usr/bin/tivora" "$cli"; do
    found=$({ strings -a "$program" && strings -a -el "$program"; } | grep -cF "$ROOT/data" || true)
    [ "$found" = 0 ] || fail "$program looks for data in $ROOT/data"
done
cd "$scratch"
unset TIVORA_DATA_DIR
help=$("$cli" --help) || fail "tivora-cli --help"
reading=$("$cli" reading --name Asha --date 2000-01-01 --time 12:00 --lon 77:13E --lat 28:37N \
    --zone +5:30) || fail "tivora-cli reading"
grep -q '^LagnaSign: ' <<<"$reading" || fail "tivora-cli reading printed no sign"
if grep -q -- '--place' <<<"$help"; then
    strace -f -qq -e trace=openat -o "$scratch/open.log" "$cli" reading --name Asha \
        --date 2000-01-01 --time 12:00 --place 'New Delhi, IN' >/dev/null ||
        fail "tivora-cli reading --place"
    grep -F "\"$unpacked/usr/" "$scratch/open.log" | grep -q 'share/tivora/places\.tsv\.gz"' ||
        fail "tivora-cli did not read the atlas from the unpacked package"
else
    echo "tivora-cli has no --place: the atlas of the unpacked package is not tried."
fi
echo "Package $(basename "$deb"): contents, lintian, AppStream, desktop entry, manual pages," \
    "completion and the unpacked tivora-cli are fine."
