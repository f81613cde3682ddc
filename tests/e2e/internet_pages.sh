# The TCP/IP page and the second section's pages (mail accounts, proxy
# servers, browsers, dial-up connections) of the real window on registry
# fixtures, under a 9x and three NT settings.  The test phonebook library
# stands beside the program in place of the real one and hands out a known
# phonebook.  Each page's lines are read through the list's LB_GETTEXT.
title="Vrex Info Network"
fixtures="$root/tests/fixtures"
cp "$VREX_WIN_BUILD/testphonebook/dialsnap.dll" "$VREX_DIST/Network/dialsnap.dll"
cp "$fixtures/dialup_phonebook.txt" "$VREX_DIST/Network/phonebook.txt"
vrex_wine_reg "$fixtures/tcpip_win2k.reg" "$fixtures/tcpip_nt4.reg" "$fixtures/tcpip_win9x.reg" \
  "$fixtures/internet_settings.reg"

# The lines (not the headers) of the right pane after a click on left row
# $1; a pane without headers is no page at all, not an empty one.
page_lines() {
  vrex_wine_tool click-row "$title" 111 "$1"
  vrex_wine_tool settle 500
  vrex_wine_tool rows "$title" 112 | tr -d '\r' | awk -F '\t' '$2 == "header" { shown = 1 } $2 == "line" { print $3 }
    END { if (!shown) print "(the window showed no page)" }'
}

# Compares a page with the expected lines and shows the difference.
same_lines() {
  local name=$1 expected=$2 actual=$3
  if [ "$expected" = "$actual" ]; then
    echo "PASS $name" | tee -a "$VREX_RESULTS"
  else
    echo "FAIL $name" | tee -a "$VREX_RESULTS"
    diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | sed 's/^/  /'
  fi
}

V='<IMG src="idx:3"></IMG> <FONT color="clblue" size="10">'
I='<IND x="200"><FONT color="clmaroon">'
D='<IMG src="idx:10"></IMG><FONT color="clblue" size="10">'

mail='<IMG src="idx:7"></IMG><FONT size="11" color="clred"> Mail account: <FONT color="clBlue"> Home mail </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> E-mail address <IND x="200"><FONT color="clmaroon"> jana@home.example </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> POP3 server <IND x="200"><FONT color="clmaroon"> pop.home.example </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> SMTP server <IND x="200"><FONT color="clmaroon"> smtp.home.example </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> POP3 user name <IND x="200"><FONT color="clmaroon"> jana </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> Display name <IND x="200"><FONT color="clmaroon"> Jana Novak </FONT>
</FONT> 
<IMG src="idx:7"></IMG><FONT size="11" color="clred"> Mail account: <FONT color="clBlue"> Work </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> E-mail address <IND x="200"><FONT color="clmaroon">  </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> POP3 server <IND x="200"><FONT color="clmaroon">  </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> SMTP server <IND x="200"><FONT color="clmaroon"> smtp.work.example </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> POP3 user name <IND x="200"><FONT color="clmaroon">  </FONT>
<IMG src="idx:7"></IMG> <FONT size="10" color="clblue"> Display name <IND x="200"><FONT color="clmaroon">  </FONT>
</FONT> '
proxy='<IMG src="idx:8"></IMG><FONT size="10" color="clblue"> HTTP: <IND x="200"><FONT color="clmaroon">proxy.example.com:8080 </FONT>
<IMG src="idx:8"></IMG><FONT size="10" color="clblue"> HTTPS: <IND x="200"><FONT color="clmaroon">secure.example.com:443 </FONT>
<IMG src="idx:8"></IMG><FONT size="10" color="clblue"> FTP: <IND x="200"><FONT color="clmaroon">ftp.example.com:21 </FONT>
<IMG src="idx:8"></IMG><FONT size="10" color="clblue"> GOPHER: <IND x="200"><FONT color="clmaroon">gopher.example.com:70 </FONT>'
browsers='<IMG src="idx:9"></IMG><FONT size="10" color="clblue">Internet Explorer version<IND x="200"><FONT color="clmaroon">5.50.4134.0100 </FONT>
<IMG src="idx:9"></IMG><FONT size="10" color="clblue">Start page<IND x="200"><FONT color="clmaroon">http://www.example.com/ </FONT>
 
<IMG src="idx:9"></IMG><FONT size="10" color="clblue">Netscape version<IND x="200"><FONT color="clmaroon">4.79 (en) </FONT>'
dialup="<IMG src=\"idx:10\"></IMG><FONT color=\"clnavy\" size=\"12\">Connection: <FONT color=\"clgreen\">Office</FONT>
${D}Device: ${I}Standard Modem</FONT>
${D}Phone number: ${I}555 0100</FONT>
${D}Country ID: ${I}420</FONT>
${D}Area code: ${I}2</FONT>
${D}Use dialing rules:${I}Yes</FONT>
${D}IP address: ${I}0.0.0.0</FONT>
${D}Primary DNS: ${I}10.0.0.53</FONT>
${D}NetBEUI:${I}No</FONT>
${D}IPX/SPX:${I}No</FONT>
${D}TCP/IP:${I}Yes</FONT>
${D}Framing protocol: ${I}PPP</FONT>
<IMG src=\"idx:10\"></IMG></IMG><FONT color=\"clblue\" size=\"10\">IP header compression:${I}Yes</FONT>
${D}Modem lights:${I}No</FONT>
 
<IMG src=\"idx:10\"></IMG><FONT color=\"clnavy\" size=\"12\">Connection: <FONT color=\"clgreen\">Home ISP</FONT>
${D}Phone number: ${I}0800 123 456</FONT>
${D}TCP/IP:${I}Yes</FONT>"

host=
for version in win2k nt40 winxp win98; do
  vrex_wine_version "$version"
  rm -f "$VREX_DIST/Network/VrexNet.ini"
  vrex_start_program
  vrex_check "$version: main window appears" vrex_wine_tool wait "$title" 30000
  vrex_wine_tool settle 300
  # The first section, then its TCP/IP sub-item (row 7).
  vrex_wine_tool click-row "$title" 111 0
  vrex_wine_tool settle 300
  tcpip=$(page_lines 7)
  vrex_wine_screenshot "$VREX_SCREENSHOTS/tcpip-$version.png"
  if [ -z "$host" ]; then
    # The address gathered at start-up heads the Windows 2000 page.
    host=$(sed -n '1s/.*IP address<IND x="200"><FONT color="clmaroon">\(.*\)<\/FONT>$/\1/p' <<<"$tcpip")
    vrex_check "host address known: '$host'" test -n "$host"
    # The 9x run finds it in the second transport key.
    printf 'REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0001]\n"IPAddress"="%s"\n' \
      "$host" >"$VREX_DIST/../host_address.reg"
    vrex_wine_reg "$VREX_DIST/../host_address.reg"
  fi
  case $version in
    # Each adapter its own address: the first has none (the host's stands
    # in), the second its DHCP lease.
    win2k | winxp)
      expected="${V}IP address${I}${host}</FONT>
${V}Subnet mask${I}255.255.255.0</FONT>
${V}Primary DNS server${I}192.168.1.53</FONT>
${V}Other DNS servers${I}</FONT>
${V}Default gateway${I}192.168.1.1</FONT>
${V}DHCP enabled${I}No</FONT>
${V}IP address${I}10.0.0.77</FONT>
${V}Subnet mask${I}255.255.0.0, 255.0.0.0</FONT>
${V}Primary DNS server${I}10.0.0.53</FONT>
${V}Other DNS servers${I}10.0.1.53,10.0.2.53</FONT>
${V}DHCP enabled${I}Yes</FONT>"
      ;;
    nt40)
      address="${V}IP address<IMG src=\"idx:3\"></IMG> <FONT color=\"clblue\">${host}</FONT>"
      expected="${address}
${V}Subnet mask${I}255.255.0.0</FONT>
${address}
${V}DNS servers${I}172.16.0.53 172.16.1.53</FONT>
${V}Default gateway${I}172.16.0.1</FONT>
${V}DHCP enabled${I}No</FONT>"
      ;;
    win98)
      expected="${V}IP address${I}${host}</FONT>
${V}Subnet mask${I}255.255.255.0</FONT>
${V}DHCP enabled${I}No</FONT>
${V}Default gateway${I}192.168.1.1</FONT>
${V}Primary DNS server${I}192.168.1.53</FONT>
${V}Other DNS servers${I}192.168.2.53</FONT>"
      ;;
  esac
  same_lines "$version: TCP/IP page" "$expected" "$tcpip"

  # The second section (row 8), then its four sub-items (rows 9 to 12).
  vrex_wine_tool click-row "$title" 111 8
  vrex_wine_tool settle 300
  same_lines "$version: mail accounts page" "$mail" "$(page_lines 9)"
  same_lines "$version: proxy servers page" "$proxy" "$(page_lines 10)"
  same_lines "$version: browsers page" "$browsers" "$(page_lines 11)"
  vrex_wine_screenshot "$VREX_SCREENSHOTS/browsers-$version.png"
  # Under Windows NT 4.0 the dial-up page stays empty.
  if [ "$version" = nt40 ]; then want=; else want=$dialup; fi
  same_lines "$version: dial-up page" "$want" "$(page_lines 12)"
  vrex_wine_screenshot "$VREX_SCREENSHOTS/dialup-$version.png"
  vrex_wine_tool close "$title"
  vrex_check "$version: closes cleanly" vrex_wait_program 20
done

# Without the remote-access library in the system folder (as seen by the
# program: a 32-bit one looks in syswow64) the dial-up page holds the single
# "not installed" line.
if [ "${VREX_WINE_BITS:-32}" = 64 ]; then system=system32; else system=syswow64; fi
rasapi="$WINEPREFIX/drive_c/windows/$system/rasapi32.dll"
mv "$rasapi" "$rasapi.away"
vrex_wine_version win98
vrex_start_program
vrex_check "no dial-up networking: main window appears" vrex_wine_tool wait "$title" 30000
vrex_wine_tool settle 300
vrex_wine_tool click-row "$title" 111 1
vrex_wine_tool settle 300
same_lines "no dial-up networking: the one line" "Dial-up networking is not installed." "$(page_lines 5)"
vrex_wine_screenshot "$VREX_SCREENSHOTS/dialup-not-installed.png"
vrex_wine_tool close "$title"
vrex_check "no dial-up networking: closes cleanly" vrex_wait_program 20
mv "$rasapi.away" "$rasapi"

# Windows Mail of Windows Vista keeps its accounts in files, not in the
# registry: under a later Windows their accounts join the registry's.
vrex_wine_version win7
local_data=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
store="$(winepath -u "$local_data" 2>/dev/null)/Microsoft/Windows Mail/Local Folders"
mkdir -p "$store"
{
  printf '\xff\xfe'
  printf '<MessageAccount><Account_Name type="SZ">Vista mail</Account_Name>%s</MessageAccount>' \
    '<SMTP_Server type="SZ">smtp.vista.example</SMTP_Server>' | iconv -f utf-8 -t utf-16le
} >"$store/account{00000000-0000-0000-0000-0000000000E2}.oeaccount"
vrex_run_program --report "$(vrex_wine_path "$VREX_DIST/../mail.txt")" --items 80
both_accounts() { grep -q "Vista mail" "$1" && grep -q "Home mail" "$1"; }
vrex_check "Windows Mail's account file: its account joins the registry's" both_accounts "$VREX_DIST/../mail.txt"
rm -rf "$store"
