#!/bin/sh
# Gives the printing test a real default printer: a CUPS scheduler (started
# here only when none is running) with a cups-pdf queue made the default.
# Everything done is written to STATE_DIR/state so cups-stop.sh undoes
# exactly that and nothing else. When it cannot be done, the reason is
# written there instead and the test skips; this script still succeeds.
set -u
state_dir=${1:?usage: cups-start.sh STATE_DIR}
queue=TivoraTestPDF
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
PATH=$PATH:/usr/sbin:/usr/bin
export PATH

rm -rf "$state_dir"
mkdir -p "$state_dir"
state=$state_dir/state
: >"$state"

note() { echo "$1=$2" >>"$state"; }
skip() {
    note skip "$*"
    echo "the printing test will skip: $*"
    exit 0
}
scheduler_running() { lpstat -r 2>/dev/null | grep -q '^scheduler is running'; }

[ "$(id -u)" = 0 ] || skip "not root, so no scheduler can be started and no queue added"
for tool in cupsd lpadmin lpstat pdftotext pdffonts pdftoppm; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed"

if scheduler_running || pgrep -x cupsd >/dev/null 2>&1; then
    note started 0
    echo "using the CUPS scheduler that is already running"
else
    # setsid: the scheduler must outlive this script and not hold ctest's
    # output open.
    setsid cupsd -f >"$state_dir/cupsd.log" 2>&1 </dev/null &
    pid=$!
    i=0
    while ! scheduler_running && [ $i -lt 100 ]; do
        sleep 0.1
        i=$((i + 1))
    done
    [ "$(cat /proc/$pid/comm 2>/dev/null)" = cupsd ] || pid=$(pgrep -x -n cupsd)
    note started 1
    note pid "$pid"
    echo "started cupsd, process $pid"
fi
scheduler_running || skip "the CUPS scheduler does not answer"

previous=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
note previous_default "$previous"
note queue "$queue"
if lpstat -p "$queue" >/dev/null 2>&1; then
    note created 0
else
    # pdftocairo keeps the PDF's text readable to pdftotext.
    lpadmin -p "$queue" -E -v cups-pdf:/ -m "$ppd" \
        -o pdftops-renderer-default=pdftocairo || skip "lpadmin could not add the cups-pdf queue"
    note created 1
fi
lpadmin -d "$queue" || skip "lpadmin could not make $queue the default printer"

# cups-pdf writes into its Out folder, by default the job owner's home from
# the password database, not the test's HOME.
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
out=$(sed -n 's/^[[:space:]]*Out[[:space:]][[:space:]]*//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
[ -n "$out" ] || out='${HOME}/PDF'
out=$(printf '%s' "$out" | sed "s|\${HOME}|$home|g; s|\${USER}|$user|g")
note out "$out"
echo "default printer $queue, PDFs in $out"
