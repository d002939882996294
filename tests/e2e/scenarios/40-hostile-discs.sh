# shellcheck shell=bash
# Hostile discs: a launcher folder of 400 characters, a settings file of 120 MiB, a cover of
# 10000 x 10000 pixels, and covers that are no pictures. The big files are made here.

cache=$root/build/e2e-cache
mkdir -p "$cache"

# The peak working set of the launcher started on the disc until its window is up and taking
# input (bench/startup/startup_bench.cpp) is under so many MiB.
expect_peak_under() {  # what, MiB
  local peak  # KiB, or nothing when it showed no window
  peak=$(wine "$bin/startup_bench.exe" 1 launcher "$(disc_path)\\Zorvik.exe" "$(disc_path)" 2>/dev/null |
    tr -d '\r' | awk '$1 == "launcher" {print $3}')
  if [ -z "$peak" ]; then
    fail "$1: the launcher showed no window"
  elif [ "$peak" -lt $(($2 * 1024)) ]; then
    echo "   ok: $1: peak working set $((peak / 1024)) MiB"
  else
    fail "$1: peak working set expected under $2 MiB, got $((peak / 1024)) MiB"
  fi
}
expect_colour_near() {  # what, "r g b" expected, "r g b" seen
  if echo "$2 $3" | awk '{for (i = 1; i <= 3; i++) if ($i - $(i + 3) > 12 || $(i + 3) - $i > 12) exit 1}'
  then
    echo "   ok: $1"
  else
    fail "$1: expected a colour near [$2], got [$3]"
  fi
}
characters() { LC_ALL=C.UTF-8 bash -c 'echo ${#1}' - "$1"; }
# A point inside the cover's box, near its top-left corner, in twips of the main window.
COVER="1000 700"

a_launcher_folder_of_400_characters() {
  new_disc
  # Folders with blanks and Greek letters, down to a launcher folder of exactly 400 characters
  # (no single name of more than 255 bytes, as Linux allows).
  local windows=$(disc_path) long=$disc name rest
  for name in "Ταινίες και τρέιλερ του δίσκου με ένα μακρύ όνομα φακέλου" \
    "A folder with blanks and a long name that goes on for a while" \
    "Δεύτερος φάκελος με ελληνικά γράμματα και κενά στο όνομά του" \
    "Yet another folder name to take the path past every limit"; do
    windows+="\\$name"
    long+="/$name"
  done
  rest=$((400 - $(characters "$windows") - 1))
  long+="/$(printf 'z%.0s' $(seq "$rest"))"
  mkdir -p "$long"
  mv "$disc/Zorvik.exe" "$disc/film.avi" "$long/"
  disc=$long
  disc_settings 4='0,0,0,0,0,1,"Change Skin",0,0,"x seconds",0'  # no full screen, no pan-scan
  convert -size 240x320 xc:seagreen "BMP3:$disc/More/cover.bmp"
  expect_eq "characters in the launcher's folder" 400 "$(characters "$(disc_path)")"
  start_zorvik
  expect_window "main window" Zorvik 30
  expect_colour_near "the cover from the long folder" "46 139 87" "$(drive pixel Zorvik $COVER)"
  open_options
  expect_eq "full screen as the settings say" 0 "$(drive state Settings 'Full Screen')"
  act keys Settings ctrl+tab
  act button Settings Pan-scan
  act button Settings Apply
  expect_eq "saved in the long folder" '"     -eend -pan "' "$(saved_options)"
  close_options OK
  expect_play "$(disc_path)\\film.avi       -eend -pan " "Play by its label" "$PLAY_LABEL"
  exit_zorvik
}

a_settings_file_of_120_mib_is_ignored() {
  new_disc
  mkdir -p "$disc/More"
  head -c $((120 << 20)) /dev/urandom >"$disc/More/Settings.sav"
  expect_peak_under "120 MiB settings file" 96
  start_zorvik
  expect_window "main window" Zorvik 30
  open_options
  expect_eq "full screen as by default" 1 "$(drive state Settings 'Full Screen')"
  close_options Cancel
  exit_zorvik
}

a_cover_of_10000_by_10000_pixels() {
  new_disc
  mkdir -p "$disc/More"
  if [ ! -s "$cache/cover-10000.jpg" ]; then
    convert -size 10000x10000 xc:firebrick -quality 90 "$cache/cover-10000.tmp.jpg"
    mv "$cache/cover-10000.tmp.jpg" "$cache/cover-10000.jpg"
  fi
  cp "$cache/cover-10000.jpg" "$disc/More/cover.jpg"
  expect_peak_under "10000 x 10000 cover" 96
  start_zorvik
  expect_window "main window" Zorvik 30
  expect_eq "outer size with the banner" "462 401" "$(drive size Zorvik)"
  expect_colour_near "the cover, shrunk into its box" "178 34 34" "$(drive pixel Zorvik $COVER)"
  exit_zorvik
}

a_cover_that_is_no_picture() {
  local -A covers=([empty]='' [text]='These are the liner notes, not a picture.')
  local -A says=([empty]='the file is empty.' [text]='it is not a picture that Zorvik can show.')
  for kind in empty text; do
    new_disc
    mkdir -p "$disc/More"
    printf '%s' "${covers[$kind]}" >"$disc/More/cover.jpg"
    start_zorvik
    expect_box "Zorvik|The cover picture More\\cover.jpg can't be shown: ${says[$kind]}|OK"
    expect_ended
  done
}

run_scenario "a launcher folder of 400 characters" a_launcher_folder_of_400_characters
run_scenario "a settings file of 120 MiB is ignored" a_settings_file_of_120_mib_is_ignored
run_scenario "a cover of 10000 by 10000 pixels" a_cover_of_10000_by_10000_pixels
run_scenario "a cover that is no picture" a_cover_that_is_no_picture
