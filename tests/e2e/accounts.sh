# The accounts pages of the program under Wine: on the 2000 and XP settings
# the users page holds Wine's one account, the Unix user, with its name line
# only (Wine's level-3 query fails), and the local groups page is empty (Wine
# has none); on the 98 setting both pages stay empty.  A screenshot of each
# users page is kept.  (The list answers no text queries: the line's text is
# checked by the Windows tests, accounts_win_test.cpp.)
title="Vrex Info Network"
for version in win98 win2k winxp; do
  vrex_wine_version "$version"
  rm -f "$VREX_DIST/Network/VrexNet.ini"
  vrex_start_program
  vrex_check "$version accounts: main window appears" vrex_wine_tool wait "$title" 30000
  vrex_wine_tool settle 300
  # Open the accounts section (third row), then its Users sub-item (row 3).
  vrex_wine_tool click-row "$title" 111 2
  vrex_wine_tool settle 300
  vrex_wine_tool click-row "$title" 111 3
  vrex_wine_tool settle 800
  vrex_wine_screenshot "$VREX_SCREENSHOTS/accounts-$version-users.png"
  kinds=$(vrex_wine_tool rows "$title" 112 | cut -f2 | sed 's/^header$/H/; s/^line$/L/' | tr -d '\r\n')
  if [ "$version" = win98 ]; then
    vrex_check "$version accounts: users and local groups pages are empty" test "$kinds" = HHH
  else
    vrex_check "$version accounts: the users page holds one line, the local groups page none" test "$kinds" = HHLH
  fi
  vrex_wine_tool close "$title"
  vrex_check "$version accounts: closes cleanly" vrex_wait_program 20
done

# A Unix user whose name is longer than the 22 bytes the walk asks for at
# first, in Russian on a Russian system: Wine hands out no record that does
# not fit, so the page holds its line only when the walk asks again.
vrex_wine_version winxp
printf '[Options]\r\nLanguage=RUS\r\n' >"$VREX_DIST/Network/VrexNet.ini"
USER=CommunicationsStaff LOGNAME=CommunicationsStaff LC_ALL=ru_RU.UTF-8 vrex_start_program
vrex_check "long user name: main window appears" vrex_wine_tool wait "$title" 30000
vrex_wine_tool settle 300
vrex_wine_tool click-row "$title" 111 2
vrex_wine_tool settle 300
vrex_wine_tool click-row "$title" 111 3
vrex_wine_tool settle 800
vrex_wine_screenshot "$VREX_SCREENSHOTS/accounts-winxp-users-long-name-RUS.png"
kinds=$(vrex_wine_tool rows "$title" 112 | cut -f2 | sed 's/^header$/H/; s/^line$/L/' | tr -d '\r\n')
vrex_check "long user name: the users page holds its line" test "$kinds" = HHLH
vrex_wine_tool close "$title"
vrex_check "long user name: closes cleanly" vrex_wait_program 20
rm -f "$VREX_DIST/Network/VrexNet.ini"
