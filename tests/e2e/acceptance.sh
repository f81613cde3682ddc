# Acceptance, under each Windows version setting on that version's registry
# fixture: the command-line report against the expected file, and every page
# of the real window, opened by clicks on the left pane, against its sub-item's
# lines in the report of every sub-item.  A screenshot of each page lands in
# out/screenshots/acceptance/, and the table of the lines each page shows in
# out/screenshots/acceptance-summary.md.
title="Vrex Info Network"
fixtures="$root/tests/fixtures"
expected="$root/tests/expected"
work="$VREX_DIST/../acceptance"
shots="$VREX_SCREENSHOTS/acceptance"
rm -rf "$work" "$shots" && mkdir -p "$work" "$shots"
cp "$VREX_WIN_BUILD/testphonebook/dialsnap.dll" "$VREX_DIST/Network/dialsnap.dll"
cp "$fixtures/dialup_phonebook.txt" "$VREX_DIST/Network/phonebook.txt"

versions=(win95 win98 winme nt40 win2k winxp win7 win10)
# The left pane's sections and their sub-items, in pane order.
sections=("540 525 526 527 528 561 529" "80 81 82 350" "101 102")
# The sub-items that read only the fixtures: adapters, protocols, services,
# clients, TCP/IP, mail, proxy, browsers and dial-up.
fixture_items=525,526,527,528,529,80,81,82,350

# Every fixture, the version's own device layout written last: the 95 and 98
# layouts share their keys, the other layouts lie side by side.
write_fixtures() {
  local own file others=()
  case $1 in
    win95) own=95 ;;
    win98 | winme) own=98 ;;
    nt40) own=nt4 ;;
    win2k) own=win2k ;;
    *) own=xp ;; # Windows 7 and 10 keep XP's layouts
  esac
  for file in "$fixtures"/devices_*.reg; do [ "$file" = "$fixtures/devices_$own.reg" ] || others+=("$file"); done
  vrex_wine_reg "${others[@]}" "$fixtures/devices_$own.reg" "$fixtures"/network_class_*.reg "$fixtures"/tcpip_*.reg \
    "$fixtures/internet_settings.reg"
}

# Drops the tags as the text report does: "<" opens a tag, ">" closes it,
# and a ">" outside a tag goes too; an <IND x="N"> pads with blanks up to its
# column (N over the average character width of the line's first size, 8
# points without one, rounded up), at least one blank after text; then a
# value's escaped "&lt;" and "&gt;" become the characters again.
strip_tags() {
  awk '{ points = 8
    if (match($0, /size="[0-9]/)) { points = substr($0, RSTART + 6, 2); sub(/[^0-9].*/, "", points); points += 0 }
    width = int((int(points * 96 / 72) + 1) / 2); if (width < 1) width = 1
    text = ""; inside = 0
    for (i = 1; i <= length($0); i++) {
      c = substr($0, i, 1)
      if (c == "<") { inside = 1; tag = "" }
      else if (c == ">") {
        if (inside && toupper(substr(tag, 1, 2)) == "IN" && match(tag, /[xX]="-?[0-9]+"/)) {
          x = substr(tag, RSTART + 3, RLENGTH - 4) + 0; if (x < 0) x = 0
          pad = int((x + width - 1) / width) - length(text)
          if (pad < 1 && length(text) > 0) pad = 1
          for (; pad > 0; pad--) text = text " "
        }
        inside = 0
      }
      else if (inside) tag = tag c
      else text = text c
    }
    gsub(/&lt;/, "<", text); gsub(/&gt;/, ">", text)
    print text }'
}

# Reads the right pane into FILE once it shows a page of ITEMS sub-items with
# sub-item OPEN (from 0) expanded: every line row under that sub-item's header.
read_page() {
  local file=$1 items=$2 open=$3 tries
  sleep 0.3
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    vrex_wine_tool rows "$title" 112 | tr -d '\r' >"$file"
    awk -F '\t' -v want=$((items + 1)) -v at=$((open + 2)) '
      $2 == "header" { headers++ } $2 == "line" && headers != at { stray = 1 }
      END { exit !(headers == want && !stray) }' "$file" && return 0
    sleep 0.2
  done
  return 1
}

# The texts of the rows of KIND in a page file.
row_texts() { awk -v kind="$2" '{ split($0, f, "\t") } f[2] == kind { sub(/^[^\t]*\t[^\t]*\t/, ""); print }' "$1"; }

# The lines under HEADING in the framed text REPORT whose headings are listed
# in HEADINGS: after the heading and its blank line, before the blank line
# that closes the block.
report_block() {
  local report=$1 headings=$2 heading=$3
  tr -d '\r' <"$report" | sed '1,2d' | head -n -3 | awk -v want="$heading" '
    NR == FNR { heading[$0] = 1; next }
    $0 in heading { inside = ($0 == want); skip = 1; next }
    skip { skip = 0; next }
    inside { line[++n] = $0 }
    END { for (i = 1; i < n; i++) print line[i] }' "$headings" -
}

# What two runs of the program may see differently is left out of the
# comparison: the connection lines after the Winsock lines up to their closing
# blank are collected at each start from the sockets open at that moment, and
# the connection status is the online detector's answer at its last tick (the
# window shows OFF-LINE until its first, a second after start).
winsock_part() { sed '/^ $/q'; }
without_status() { grep -v '^ Connection status '; }

# Checks that a page shows the report's lines for its sub-item.
same_lines() {
  local name=$1 want=$2 got=$3 difference
  if difference=$(diff "$want" "$got"); then
    echo "PASS $name" | tee -a "$VREX_RESULTS"
  else
    echo "FAIL $name" | tee -a "$VREX_RESULTS"
    sed 's/^/  /' <<<"$difference" | head -20
  fi
}

declare -A shown captions settled
for version in "${versions[@]}"; do
  dir="$work/$version"
  mkdir -p "$dir"
  vrex_wine_version "$version"
  write_fixtures "$version"
  vrex_check "$version: command-line report succeeds" \
    vrex_run_program --report "$(vrex_wine_path "$dir/fixtures.txt")" --items "$fixture_items"
  vrex_check_report "$version: text report as expected" "$expected/report_$version.txt" "$dir/fixtures.txt"
  vrex_check "$version: report of every sub-item succeeds" vrex_run_program --report "$(vrex_wine_path "$dir/all.txt")"
  vrex_run_program --report "$(vrex_wine_path "$dir/all.json")"
  vrex_run_program --report "$(vrex_wine_path "$dir/all.csv")"
  vrex_check "$version: JSON and CSV of every sub-item parse, 13 sub-items each" test \
    "$(python3 "$root/tests/harness/report_data_check.py" items "$dir/all.json" "$dir/all.csv")" = "13 13"

  # Every sub-item of every section, clicked in the left pane: a section
  # header row opens the section, its sub-item rows follow it, and the header
  # closes it again before the next section's.
  rm -f "$VREX_DIST/Network/VrexNet.ini"
  vrex_start_program
  vrex_check "$version: main window appears" vrex_wine_tool wait "$title" 30000
  sleep 0.3
  : >"$dir/pages.txt"
  for s in "${!sections[@]}"; do
    read -ra items <<<"${sections[$s]}"
    vrex_wine_tool click-row "$title" 111 "$s"
    sleep 0.3
    for k in "${!items[@]}"; do
      id=${items[$k]}
      vrex_wine_tool click-row "$title" 111 $((s + 1 + k))
      settled[$version.$id]=yes
      read_page "$dir/$id.rows" ${#items[@]} "$k" || settled[$version.$id]=""
      section=$(row_texts "$dir/$id.rows" header | sed -n 1p)
      caption=$(row_texts "$dir/$id.rows" header | sed -n "$((k + 2))p")
      printf '%s\t%s - %s:\n' "$id" "$section" "$caption" >>"$dir/pages.txt"
      captions[$id]=$caption
      slug=$(tr 'A-Z' 'a-z' <<<"$caption" | tr -cs 'a-z0-9' '-' | sed 's/-$//')
      vrex_wine_screenshot "$shots/$version-$id-$slug.png"
    done
    vrex_wine_tool click-row "$title" 111 "$s"
    sleep 0.3
  done
  vrex_wine_tool close "$title"
  vrex_check "$version: closes cleanly" vrex_wait_program 20

  # Each page against its block of the report of every sub-item.
  cut -f2 "$dir/pages.txt" >"$dir/headings.txt"
  vrex_check "$version: the report holds a heading for each of the 13 pages" \
    test "$(tr -d '\r' <"$dir/all.txt" | grep -cxFf "$dir/headings.txt")" = 13
  while IFS=$'\t' read -r id heading; do
    row_texts "$dir/$id.rows" line | strip_tags >"$dir/$id.page"
    report_block "$dir/all.txt" "$dir/headings.txt" "$heading" >"$dir/$id.report"
    shown[$version.$id]=$(wc -l <"$dir/$id.page")
    # An empty page matches an empty block: only a page the window showed counts.
    if [ -z "${settled[$version.$id]}" ]; then
      vrex_check "$version: $id page matches the report (the window never showed the page)" false
      continue
    fi
    case $version.$id in
      nt40.350)
        # Under Windows NT 4.0 the page runs no dial-up gatherer; the report does.
        vrex_check "$version: $heading page is empty, its report block is not" \
          test ! -s "$dir/$id.page" -a -s "$dir/$id.report"
        ;;
      *.561)
        same_lines "$version: $heading page matches the report, connection lines aside" \
          <(winsock_part <"$dir/$id.report") <(winsock_part <"$dir/$id.page")
        ;;
      *.540)
        same_lines "$version: $heading page matches the report, connection status aside" \
          <(without_status <"$dir/$id.report") <(without_status <"$dir/$id.page")
        ;;
      *) same_lines "$version: $heading page matches the report" "$dir/$id.report" "$dir/$id.page" ;;
    esac
  done <"$dir/pages.txt"
done

# The lines each page shows, by sub-item and version.
{
  echo "# Lines shown on each page"
  echo
  echo "The line rows of the right pane with the sub-item open, by Windows version setting."
  echo
  echo "| sub-item |$(printf ' %s |' "${versions[@]}")"
  echo "|---|$(printf -- '---:|%.0s' "${versions[@]}")"
  for id in ${sections[*]}; do
    row="| $id ${captions[$id]:-} |"
    for version in "${versions[@]}"; do row+=" ${shown[$version.$id]:-?} |"; done
    echo "$row"
  done
} >"$VREX_SCREENSHOTS/acceptance-summary.md"
cat "$VREX_SCREENSHOTS/acceptance-summary.md"
