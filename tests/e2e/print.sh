# Printing for real: a cupsd of this run with the cups-pdf printer, which
# Wine offers as printer "PDF".  The report window prints every sub-item but
# the Winsock one (its connections change from run to run); the PDF is read
# back with pdftotext: the page footers -1.-, -2.- and -3.- are there, and
# every line of the same report written from the command line is there, in
# order.  The first pages are turned into pictures with pdftoppm.
title="Vrex Info Network"
report_title="Create report"
work="$VREX_DIST/../print"
rm -rf "$work" && mkdir -p "$work"
pdf_dir="$HOME/PDF"
rm -rf "$pdf_dir"
# The fixtures' adapters, protocols, settings and phonebook make the report long enough.
fixtures="$root/tests/fixtures"
cp "$VREX_WIN_BUILD/testphonebook/dialsnap.dll" "$VREX_DIST/Network/dialsnap.dll"
cp "$fixtures/dialup_phonebook.txt" "$VREX_DIST/Network/phonebook.txt"
vrex_wine_reg "$fixtures"/devices_*.reg "$fixtures"/network_class_*.reg "$fixtures"/tcpip_*.reg \
  "$fixtures/internet_settings.reg"
vrex_wine_version win2k

mkdir -p /run/cups
/usr/sbin/cupsd -f >"$work/cupsd.log" 2>&1 &
cupsd_pid=$!
waited=0
until lpstat -r 2>/dev/null | grep -q 'is running'; do
  [ $waited -ge 100 ] && break
  sleep 0.1
  waited=$((waited + 1))
done
lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E && lpadmin -d PDF
vrex_check "the PDF printer is ready" lpstat -p PDF

# The same sub-items from the command line, for the lines to look for.
items=540,525,526,527,528,529,80,81,82,350,101,102
(cd "$VREX_DIST/Network" && wine ./VrexNet.exe --report "$(vrex_wine_path "$work/expected.txt")" --items "$items")

vrex_start_program
vrex_wine_tool wait "$title" 30000
vrex_wine_tool click "$title" 101 10 10  # ReportBtn
vrex_wine_tool wait "$report_title" 10000
# Each section: its header opens it and becomes the current row; then select all.
for header in 0 8 13; do
  vrex_wine_tool click-row "$report_title" 201 "$header"
  vrex_wine_tool settle 300
  vrex_wine_tool command "$report_title" 221  # SelAll1
  vrex_wine_tool settle 200
done
vrex_wine_tool click-row "$report_title" 201 6 20  # Winsock's check box: off again
vrex_wine_tool settle 300
vrex_wine_tool click "$report_title" 211 10 10  # PrintBtn
vrex_check "print dialog opens" vrex_wine_tool wait "Print" 30000
vrex_wine_tool settle 500
vrex_wine_tool command "Print" 1  # OK
waited=0
until ls "$pdf_dir"/*.pdf >/dev/null 2>&1 && [ -z "$(lpstat -o 2>/dev/null)" ]; do
  [ $waited -ge 600 ] && break
  sleep 0.1
  waited=$((waited + 1))
done
sleep 1
pdf=$(ls "$pdf_dir"/*.pdf 2>/dev/null | head -1)
vrex_check "the printout arrives as a PDF" test -n "$pdf"
if [ -n "$pdf" ]; then
  cp "$pdf" "$VREX_SCREENSHOTS/report-print.pdf"
  pdftotext -layout "$pdf" "$work/printed.txt"
  for page in 1 2 3; do
    vrex_check "page $page carries its footer -$page.-" grep -q -- "-$page\.-" "$work/printed.txt"
  done
  vrex_check "every report line is printed, in order" python3 - "$work/expected.txt" "$work/printed.txt" <<'PY'
import sys
# Blanks are laid out anew on paper: compare without them.
squash = lambda text: "".join(text.split())
expected = open(sys.argv[1], encoding="latin-1").read().split("\n")[2:]  # the title and the date differ
printed = squash(open(sys.argv[2], encoding="latin-1").read().replace("\f", ""))
at = 0
for line in expected:
    line = squash(line)
    if not line:
        continue
    found = printed.find(line, at)
    if found < 0:
        print("not printed in order:", line)
        sys.exit(1)
    at = found + len(line)
PY
  # An adapter's values stand in one column, after labels of any length.
  vrex_check "the printout lines the values of a group up" python3 - "$work/printed.txt" <<'PY'
import sys
lines = open(sys.argv[1], encoding="latin-1").read().split("\n")
def column(label, value):
    return next((line.index(value) for line in lines if label in line and value in line.split(label, 1)[-1]), None)
columns = {column("Description", "Realtek RTL8139 Family"), column("Driver version", "5.396.530.2001"),
           column("INF file", "oem1.inf")}
print("value columns:", columns)
sys.exit(0 if len(columns) == 1 and None not in columns else 1)
PY
  pdftoppm -png -r 40 -l 3 "$pdf" "$VREX_SCREENSHOTS/report-print-page"
  pdftoppm -png -r 80 -f 1 -l 1 "$pdf" "$VREX_SCREENSHOTS/report-print-first-page"
fi
vrex_wine_tool close "$title"
vrex_check "closes cleanly" vrex_wait_program 20
kill "$cupsd_pid" 2>/dev/null
wait "$cupsd_pid" 2>/dev/null
true
