# The about box and the language dialog of the running program: the about
# box shows the program's own version; choosing German and answering Yes
# restarts the program, which then speaks German.
title="Vrex Info Network"
vrex_wine_version winxp
vrex_start_program
vrex_wine_tool wait "$title" 30000

# A window that never came cannot close: "gone" counts only after "opens".
opened=""
vrex_wine_tool click "$title" 102 10 10  # AboutBtn
vrex_wine_tool wait "About" 10000 && opened=about
vrex_check "about box opens" test "$opened" = about
about=$(vrex_wine_tool children "About")
vrex_check "about box shows the program's version" grep -q "	1\.0	" <<<"$about"
# Nine more clicks while it is open bring the same box to the front.
for click in 1 2 3 4 5 6 7 8 9; do vrex_wine_tool click "$title" 102 10 10; done
vrex_wine_tool settle 1000
vrex_check "about box: further clicks open no second box" \
  vrex_once "$opened" test "$(vrex_wine_tool count "About" | tr -d '\r')" = 1
vrex_wine_tool settle 300
vrex_wine_screenshot "$VREX_SCREENSHOTS/program-about.png"
vrex_wine_tool close "About"
vrex_check "about box closes" vrex_once "$opened" vrex_wine_tool gone "About" 10000

vrex_wine_tool click "$title" 103 10 10  # LangBtn
vrex_check "language dialog opens" vrex_wine_tool wait "Languagesettings" 10000
vrex_wine_tool click "Languagesettings" 302 5 5  # DE
vrex_wine_tool click "Languagesettings" 1 5 5  # Ok
vrex_check "restart question is asked" vrex_wine_tool wait "Information" 10000
vrex_wine_tool click "Information" 6 5 5  # Yes
vrex_check "the old program ends" vrex_wait_program 20
vrex_check "German is wanted at the next start" test "$(vrex_ini_value Language)" = DE
vrex_wine_tool wait "$title" 30000 && opened=restarted
vrex_check "the program starts anew" test "$opened" = restarted
vrex_wine_tool settle 1000
restarted=$(vrex_wine_tool children "$title")
vrex_check "the new program speaks German" grep -q "	Bericht	" <<<"$restarted"
vrex_check "German is in force" test "$(vrex_ini_value RunLang)" = DE
vrex_wine_screenshot "$VREX_SCREENSHOTS/program-restarted-de.png"
vrex_wine_tool close "$title"
vrex_check "the restarted program closes" vrex_once "$opened" vrex_wine_tool gone "$title" 20000

# With the INI file unwritable (immutable: root writes past read-only bits),
# the choice cannot be saved: the dialog says so and asks for no restart, and
# the file still names the language in force.
ini="$VREX_DIST/Network/VrexNet.ini"
if chattr +i "$ini" 2>/dev/null; then
  vrex_start_program
  vrex_wine_tool wait "$title" 30000
  vrex_wine_tool click "$title" 103 10 10  # LangBtn
  vrex_wine_tool wait "Languagesettings" 10000
  vrex_wine_tool click "Languagesettings" 304 5 5  # FR
  vrex_wine_tool click "Languagesettings" 1 5 5    # Ok
  vrex_wine_tool settle 1000
  # The message box shares the main window's title: two windows of it.
  said=$(vrex_wine_tool count "$title" | tr -d '\r' | grep -x 2 || true)
  vrex_check "unwritable INI: the failure is said in a message box" test -n "$said"
  vrex_wine_screenshot "$VREX_SCREENSHOTS/program-language-not-saved.png"
  vrex_check "unwritable INI: no restart is offered" vrex_once "$said" vrex_wine_tool gone "Information" 100
  chattr -i "$ini"
  vrex_check "unwritable INI: the language in force stays stored" test "$(vrex_ini_value Language)" = DE
  # The box, the dialog and the window close in turn; the prefix's server
  # stays up for the runs that follow.
  for attempt in 1 2 3 4 5; do
    vrex_wine_tool command "$title" 2  # the box's OK (IDOK/IDCANCEL) or nothing
    vrex_wine_tool close "Languagesettings" 2>/dev/null
    vrex_wine_tool close "$title"
    vrex_wait_program 3 && break
  done
else
  vrex_skip "unwritable INI" "this file system cannot make a file immutable"
fi
