# shellcheck shell=bash
# The first paths: playing, a missing player, the about box and banner handle, options saved and
# used.

quiet_start_plays_the_movie() {
  new_disc
  start_zorvik
  expect_window "main window" Zorvik 30
  expect_eq "outer size with the banner" "462 401" "$(drive size Zorvik)"
  act move Zorvik $PLAY
  act click Zorvik $PLAY
  expect_eq "the player's parameters" "$(disc_path)\\film.avi  -fs -eend" "$(player_args)"
  expect_window "caption after the launch" 'Closing in about a minute...' 5
  act click 'Closing in about a minute...' $EXIT
  expect_ended
}

missing_player_is_reported() {
  new_disc
  wine reg delete 'HKCU\Software\BST\bsplayer' /f >/dev/null 2>&1 || true
  start_zorvik
  expect_box "ERROR!|Can't get registry access|OK"
  expect_box "Information|Please install the BSplayer|OK"
  act wait Zorvik 15
  act click Zorvik $PLAY
  sleep 1
  expect_eq "nothing started while Play is disabled" "" "$(cat "$ZORVIK_PLAYER_LOG"/*.txt 2>/dev/null)"
  act click Zorvik $EXIT right
  expect_ended
}

about_box_and_banner_handle() {
  new_disc
  start_zorvik
  act wait Zorvik 30
  act click Zorvik $HELP
  expect_box "Zorvik|Version: 1.6.83//Date: 20 / 9 / 03|OK,Help"
  act click Zorvik $HANDLE
  expect_eq "outer size without the banner" "253 353" "$(drive size Zorvik)"
  act click Zorvik $HANDLE_NO_BANNER
  expect_eq "outer size with the banner again" "462 401" "$(drive size Zorvik)"
  act click Zorvik $EXPLORE
  act click Zorvik $EXIT
  expect_ended
}

options_are_applied_saved_and_used() {
  new_disc
  start_zorvik
  act wait Zorvik 30
  act keys Zorvik F10 Right Right Down Enter
  expect_window "options window" Settings 10
  expect_eq "full screen checked by default" 1 "$(drive state Settings 'Full Screen')"
  expect_eq "Apply disabled after loading" 0 "$(drive enabled Settings Apply)"
  act keys Settings ctrl+tab
  act button Settings Pan-scan
  expect_eq "a change enables Apply" 1 "$(drive enabled Settings Apply)"
  act button Settings Apply
  expect_eq "Apply disables itself" 0 "$(drive enabled Settings Apply)"
  expect_eq "saved option string" '"  -fs   -eend -pan "' "$(sed -n 6p "$disc/More/Settings.sav" | tr -d '\r')"
  act button Settings OK
  act gone Settings 5
  act click Zorvik $PLAY_LABEL
  expect_eq "the player's parameters" "$(disc_path)\\film.avi    -fs   -eend -pan " "$(player_args)"
  act click 'Closing in about a minute...' $EXIT
  expect_ended
}

run_scenario "quiet start plays the movie" quiet_start_plays_the_movie
run_scenario "missing player is reported" missing_player_is_reported
run_scenario "about box and banner handle" about_box_and_banner_handle
run_scenario "options are applied, saved and used" options_are_applied_saved_and_used

