#!/usr/bin/env bash
# Runs a test program against a print service of its own: a cupsd listening
# on a private socket, with its configuration, spool, cache, state and logs in
# a temporary folder, and print queues of the cups-pdf backend that write
# each page as a PDF file into a folder of the queue's own:
#   VORNIK_CUPS_QUEUE_600       600 dpi, A4, taking jobs
#   VORNIK_CUPS_QUEUE_300X600   300 x 600 dpi, Letter, taking jobs
#   VORNIK_CUPS_QUEUE_STOPPED   600 dpi, its queue stopped
#   VORNIK_CUPS_QUEUE_REJECTING 600 dpi, not accepting jobs
# The folder of queue Q is in VORNIK_CUPS_OUT_<the same suffix>. CUPS_SERVER
# points the program, and what it starts, at the socket. The service and
# everything made for it go when the program ends, however it ends.
#
# usage: with_cups_queues.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

fail() {
    echo "with_cups_queues: $*" >&2
    exit 1
}

(($# >= 1)) || fail "name the test program to run"
# cupsd reads its configuration as root and the cups-pdf backend runs as
# root; both are needed to make queues and to write into /etc/cups.
((EUID == 0)) || fail "this test starts a print service and adds cups-pdf queues, which needs root; run it as root (CI does)."

need() {
    local path=$1 package=$2 what=$3
    [[ -x "$path" || -f "$path" ]] || fail "$what ($path) is missing: install the Debian package $package."
}
need /usr/sbin/cupsd cups "the print service cupsd"
need /usr/sbin/lpadmin cups "lpadmin, which adds print queues"
need /usr/sbin/cupsdisable cups "cupsdisable, which stops a queue"
need /usr/sbin/cupsreject cups "cupsreject, which makes a queue turn jobs away"
need /usr/bin/lpstat cups "lpstat, which asks the print service whether it runs"
need /usr/lib/cups/backend/cups-pdf printer-driver-cups-pdf "the cups-pdf backend"
need /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd printer-driver-cups-pdf "the cups-pdf printer description"
need /usr/bin/pdftoppm poppler-utils "Poppler's pdftoppm, which renders the printed pages"
[[ -d /etc/cups ]] || fail "/etc/cups is missing: install the Debian package cups."

folder=$(mktemp -d /tmp/vornik-cups-XXXXXX)
# The filters run as the service's own user (lp), who must reach the spool
# and configuration folders inside.
chmod 0755 "$folder"
daemon=
queue_files=()
cleanup() {
    if [[ -n "$daemon" ]]; then
        kill "$daemon" 2>/dev/null || true
        wait "$daemon" 2>/dev/null || true
    fi
    rm -f "${queue_files[@]}"
    rm -rf "$folder"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The service's own folders. cupsd refuses to run jobs as root, so User and
# Group are left to its defaults.
mkdir -p "$folder/root/ppd" "$folder/spool" "$folder/cache" "$folder/state" "$folder/log"
socket="$folder/cups.sock"
cat >"$folder/root/cups-files.conf" <<CONF
ServerRoot $folder/root
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/spool
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/printcap
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
CONF
cat >"$folder/root/cupsd.conf" <<CONF
Listen $socket
LogLevel info
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
/usr/sbin/cupsd -f -c "$folder/root/cupsd.conf" -s "$folder/root/cups-files.conf" \
    >"$folder/log/cupsd.out" 2>&1 &
daemon=$!
export CUPS_SERVER=$socket
# lpstat -r succeeds whether or not the service answers; only its words tell.
answers() {
    [[ "$(lpstat -r 2>/dev/null)" == "scheduler is running" ]]
}
for _ in $(seq 100); do
    answers && break
    kill -0 "$daemon" 2>/dev/null || fail "cupsd did not start: $(cat "$folder/log/cupsd.out" "$folder/log/error_log" 2>/dev/null)"
    sleep 0.1
done
answers || fail "cupsd did not answer on $socket within 10 seconds"

# Printer descriptions: the cups-pdf one at 600 dpi, and one whose default
# is 300 dpi across and 600 down.
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
sed 's/^\*DefaultResolution: .*/*DefaultResolution: 600dpi/' "$ppd" >"$folder/r600.ppd"
sed -e 's/^\*DefaultResolution: .*/*DefaultResolution: 300x600dpi/' \
    -e 's|^\*Resolution 300dpi/.*|*Resolution 300x600dpi/300x600 DPI: "<</HWResolution[300 600]>>setpagedevice"\n&|' \
    "$ppd" >"$folder/r300x600.ppd"
grep -q '^\*Resolution 300x600dpi' "$folder/r300x600.ppd" || fail "the 300 x 600 dpi printer description could not be made"

# Queue names are unique to this run: cups-pdf finds a queue's settings in
# /etc/cups/cups-pdf-QUEUE.conf, shared by every run on the machine.
run_id="vk$$x${RANDOM}"
add_queue() {
    local suffix=$1 description=$2 paper=$3
    local name="${run_id}${suffix,,}"
    mkdir -p "$folder/out-$suffix"
    queue_files+=("/etc/cups/cups-pdf-$name.conf")
    printf 'Out %s\nLog %s\n' "$folder/out-$suffix" "$folder/log" >"/etc/cups/cups-pdf-$name.conf"
    # lpadmin warns that printer descriptions are going out of use; its
    # words are kept for a failure.
    lpadmin -p "$name" -E -v "cups-pdf:/$name" -P "$description" -o "PageSize=$paper" \
        2>>"$folder/log/lpadmin" || fail "the queue $name could not be added: $(cat "$folder/log/lpadmin")"
    export "VORNIK_CUPS_QUEUE_$suffix=$name" "VORNIK_CUPS_OUT_$suffix=$folder/out-$suffix"
}
add_queue 600 "$folder/r600.ppd" A4
add_queue 300X600 "$folder/r300x600.ppd" Letter
add_queue STOPPED "$folder/r600.ppd" A4
add_queue REJECTING "$folder/r600.ppd" A4
cupsdisable "$VORNIK_CUPS_QUEUE_STOPPED" || fail "the queue $VORNIK_CUPS_QUEUE_STOPPED could not be stopped"
cupsreject "$VORNIK_CUPS_QUEUE_REJECTING" || fail "the queue $VORNIK_CUPS_QUEUE_REJECTING could not be set to turn jobs away"

status=0
"$@" || status=$?
if ((status != 0)); then
    echo "with_cups_queues: the print service's log:" >&2
    tail -n 40 "$folder/log/error_log" >&2 || true
fi
exit "$status"
