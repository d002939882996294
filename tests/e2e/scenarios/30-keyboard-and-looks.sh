# shellcheck shell=bash
# The keyboard and the screen reader: Play without a mouse, Enter and Escape in the options
# window, the picture buttons' names, and the hover looks going when the pointer leaves.

keyboard_only_play() {
  new_disc
  zorvik_up
  # Round the three buttons and back to Play: Tab, Tab, Shift+Tab, Up, then Right twice and Left.
  act keys Zorvik Tab Tab shift+tab Up Right Right Left Left
  act keys Zorvik Enter
  expect_eq "the player's parameters" "$(disc_path)\\film.avi  -fs -eend" "$(player_args)"
  expect_window "caption after the launch" 'Closing in about a minute...' 5
  # Exit is two steps on from Play; Space presses it.
  act keys 'Closing in about a minute...' Tab Tab Space
  expect_ended
  expect_eq "one start only" 1 "$(wc -l <"$ZORVIK_PLAYER_LOG/bplay-args.txt")"
}

escape_and_enter_in_the_options_window() {
  new_disc
  zorvik_up
  open_options
  act keys Settings ctrl+tab
  act button Settings Pan-scan
  # Without Save OK is disabled, and so is Enter.
  act button Settings 'Save Settings'
  act keys Settings Enter
  sleep 1
  expect_window "the window stays while OK is disabled" Settings 2
  act button Settings 'Save Settings'
  act keys Settings Enter
  expect_gone "Enter closes the window" Settings
  expect_eq "Enter saved the option string" '"  -fs   -eend -pan "' "$(saved_options)"
  act keys Zorvik Enter
  expect_eq "the player's parameters" "$(disc_path)\\film.avi    -fs   -eend -pan " "$(player_args)"
  open_options
  act keys Settings ctrl+tab
  act button Settings Pan-scan
  expect_eq "Pan-scan cleared" 0 "$(drive state Settings Pan-scan)"
  act keys Settings Esc
  expect_gone "Escape closes the window" Settings
  open_options
  expect_eq "Escape dropped the change" 1 "$(drive state Settings Pan-scan)"
  close_options Esc
  exit_zorvik
}

keys_reach_only_the_page_shown() {
  new_disc
  disc_settings
  zorvik_up
  # The movie's box had the focus on the first page: typing after Ctrl+Tab must not reach it.
  open_options
  act keys Settings ctrl+tab text:xyz Enter
  expect_gone "Enter closes the window" Settings
  expect_eq "the movie's name as it was" '"film.avi",0,0' "$(sed -n 2p "$disc/More/Settings.sav" |
    tr -d '\r')"
  expect_play "$(disc_path)\\film.avi    -fs   -eend -pan "
  # Every page in turn: Alt with each letter, then Space, and the window must still answer.
  open_options
  local page letter alts=()
  for letter in {a..z}; do alts+=("alt+$letter"); done
  for page in 2 3 4 1; do
    act keys Settings ctrl+tab "${alts[@]}" Space
    if ! drive answers Settings 5 >/dev/null; then
      fail "the window answers keys on page $page"
      return
    fi
    # The last page's first control is the player's Select button: Space presses it.
    if [ $page = 4 ]; then
      act wait Open 5
      act keys Open Esc
      act gone Open 5
    fi
  done
  echo "   ok: the window answers keys on every page"
  close_options Esc
  exit_zorvik
}

buttons_are_named_for_screen_readers() {
  new_disc
  zorvik_up
  expect_eq "the buttons in English" "Launch Video|push button|focused focusable|Press
Explore the CD|push button|focusable|Press
Exit|push button|focusable|Press
About Zorvik|push button|focusable|Press
Hide the cover|push button|focusable|Press" "$(drive accessible Zorvik)"
  # While the options window is open the main window takes no input, from a reader either.
  open_options
  expect_eq "Play while the options window is open" "Launch Video|push button|unavailable|Press" \
    "$(drive accessible Zorvik | sed -n 1p)"
  act do Zorvik 'Launch Video'
  close_options Enter
  act keys Zorvik F10 Right Right Down Down Right Down Enter
  act keys Zorvik Tab
  expect_eq "the buttons in Greek" "Αναπαραγωγή|push button|focusable|Press
Εξερεύνηση CD|push button|focused focusable|Press
Έξοδος|push button|focusable|Press
Σχετικά με το Zorvik|push button|focusable|Press
Απόκρυψη του εξωφύλλου|push button|focusable|Press" "$(drive accessible Zorvik)"
  act do Zorvik 'Αναπαραγωγή'
  # OK rebuilt the option string, blanks and all.
  expect_eq "the default action plays, once" "$(disc_path)\\film.avi    -fs   -eend  " \
    "$(player_args)"
  act do 'Closing in about a minute...' 'Έξοδος'
  expect_ended
}

play_disabled_for_screen_readers_and_keys() {
  new_disc
  rm "$disc/film.avi"
  start_zorvik
  expect_box "Caution|No video file is selected or found. Check your settings!|OK"
  act wait Zorvik 30
  expect_eq "Play is unavailable; Explore has the focus" "Launch Video|push button|unavailable|Press
Explore the CD|push button|focused focusable|Press
Exit|push button|focusable|Press
About Zorvik|push button|focusable|Press
Hide the cover|push button|focusable|Press" "$(drive accessible Zorvik)"
  act keys Zorvik Tab Tab Tab Tab
  expect_eq "Tab passes Play by" "Explore the CD|push button|focused focusable|Press" \
    "$(drive accessible Zorvik | sed -n 2p)"
  act do Zorvik 'Launch Video'
  sleep 1
  expect_eq "nothing started" "" "$(cat "$ZORVIK_PLAYER_LOG"/*.txt 2>/dev/null)"
  act keys Zorvik Tab Enter
  expect_ended
}

hover_goes_when_the_pointer_leaves() {
  new_disc
  zorvik_up
  # Under Wine an injected move is followed by a move back to where the pointer was: each move
  # is made twice, so that the second leaves the pointer where it is meant to be.
  twice() { act "$@"; act "$@"; }
  # A point on the face of the Play button, whose colour the hover look changes.
  local face="4850 2300"
  twice move Zorvik 6000 4800
  local idle
  idle=$(drive pixel Zorvik $face)
  twice move Zorvik "$PLAY"
  if [ "$(drive pixel Zorvik $face)" != "$idle" ]; then echo "   ok: the hover look shows"
  else fail "the hover look shows: the face stayed [$idle]"; fi
  twice move Zorvik -1500 -1500
  expect_eq "the face after the pointer left" "$idle" "$(drive pixel Zorvik $face)"
  exit_zorvik
}

run_scenario "keyboard-only Play" keyboard_only_play
run_scenario "Escape and Enter in the options window" escape_and_enter_in_the_options_window
run_scenario "keys reach only the page shown" keys_reach_only_the_page_shown
run_scenario "buttons are named for screen readers" buttons_are_named_for_screen_readers
run_scenario "a disabled Play for screen readers and keys" play_disabled_for_screen_readers_and_keys
run_scenario "hover goes when the pointer leaves" hover_goes_when_the_pointer_leaves
