# shellcheck shell=bash
# The first paths: a missing player, the about box and the banner's handle.

missing_player_is_reported() {
  new_disc
  wine reg delete 'HKCU\Software\BST\bsplayer' /f >/dev/null 2>&1 || true
  start_zorvik
  expect_box "ERROR!|Can't get registry access|OK"
  expect_box "Information|Please install the BSplayer|OK"
  act wait Zorvik 15
  act click Zorvik "$PLAY"
  sleep 1
  expect_eq "nothing started while Play is disabled" "" "$(cat "$ZORVIK_PLAYER_LOG"/*.txt 2>/dev/null)"
  act click Zorvik "$EXIT" right
  expect_ended
}

about_box_and_banner_handle() {
  new_disc
  zorvik_up
  expect_eq "outer size with the banner" "462 401" "$(drive size Zorvik)"
  act click Zorvik "$HELP"
  expect_box "Zorvik|Version: 1.6.83//Date: 20 / 9 / 03|OK,Help"
  act click Zorvik "$HANDLE"
  expect_eq "outer size without the banner" "253 353" "$(drive size Zorvik)"
  act click Zorvik "$HANDLE_NO_BANNER"
  expect_eq "outer size with the banner again" "462 401" "$(drive size Zorvik)"
  # The folder window opens on its own time, over the launcher: a click meanwhile could land
  # on it. A person waits for it, and closes it.
  act click Zorvik "$EXPLORE"
  expect_window "Explore: the disc's folder opens" "$(basename "$disc")" 15
  act close "$(basename "$disc")"
  act gone "$(basename "$disc")" 5
  exit_zorvik
}

# The same without a mouse: F1, and the help icon and the handle in the Tab order.
about_box_and_banner_handle_by_keys() {
  new_disc
  zorvik_up
  act keys Zorvik F1
  expect_box "Zorvik|Version: 1.6.83//Date: 20 / 9 / 03|OK,Help"
  act keys Zorvik Tab Tab Tab Enter
  expect_box "Zorvik|Version: 1.6.83//Date: 20 / 9 / 03|OK,Help"
  act keys Zorvik Tab Space
  expect_eq "outer size without the banner" "253 353" "$(drive size Zorvik)"
  expect_eq "the handle keeps the focus, named for what it now does" \
    "Show the cover|push button|focused focusable|Press" "$(drive accessible Zorvik | sed -n 5p)"
  act keys Zorvik Space
  expect_eq "outer size with the banner again" "462 401" "$(drive size Zorvik)"
  # On round to Play, which Enter presses.
  act keys Zorvik Tab Enter
  expect_eq "the player's parameters" "$(disc_path)\\film.avi  -fs -eend" "$(player_args)"
  exit_zorvik
}

run_scenario "missing player is reported" missing_player_is_reported
run_scenario "about box and banner handle" about_box_and_banner_handle
run_scenario "about box and banner handle by keys" about_box_and_banner_handle_by_keys
