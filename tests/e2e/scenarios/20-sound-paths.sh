# shellcheck shell=bash
# Paths where the person in front of the disc must not be let down: Play after the options
# window was closed without saving, a read-only disc, programs that can't be started, FFdshow in
# "Program Files (x86)", and the player's registry values longer than the old buffers.

# A settings file as the launcher writes it, with no player path (its author can't know the
# viewer's): full screen, end at the end and pan-scan, no exit after launching. The argument is
# the "write subtitle folder" value (0 or 1).
disc_settings() {
  mkdir -p "$disc/More"
  sed 's/$/\r/' >"$disc/More/Settings.sav" <<EOF
"English Language"
"",0,0
#TRUE#,#FALSE#,#FALSE#,"","Default",0
0,${1:-0},0,0,1,1,"Change Skin",1,0,"x seconds",0
0,0
"  -fs   -eend -pan "

"ZORVIK"
"","Name Trailer 1"
"","Name Trailer 2"
"","Name Trailer 3"

"DivX players\BSplayer\BSplay_installer.exe","BSplayer"
"codecs\DivX_codec.exe","DivX codec"
"codecs\DivX_Pro_Adware_codec.exe","DivX Pro codec"
"codecs\FFdshow_filter.exe","FFdshow filter"
"codecs\xvid_installer.exe","XviD codec"

"${2:-}","${3:-Name other codec 1}"
"","Name other codec 2"
EOF
}

# What the stand-in player received once it was started n times, a line per start.
player_starts() {
  local log=$ZORVIK_PLAYER_LOG/bplay-args.txt
  for _ in $(seq 50); do
    [ -f "$log" ] && [ "$(wc -l <"$log")" -ge "$1" ] && break
    sleep 0.2
  done
  cat "$log" 2>/dev/null || true
}

# The main window's title: it changes once a launch asks the launcher to end.
main_title() {
  if drive wait Zorvik 1 >/dev/null; then echo Zorvik; else echo 'Closing in about a minute...'; fi
}
open_options() {
  act keys "$(main_title)" F10 Right Right Down Enter
  act wait Settings 10
}
expect_no_box() {  # what, seconds
  local box
  if box=$(drive box "$2" 2>/dev/null); then fail "$1: a message box showed: $box"; else echo "   ok: $1"; fi
}
# Values of the player's registry key as `wine reg query` shows them.
reg_value() {
  wine reg query 'HKCU\Software\BST\bsplayer' /v "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$1 *REG_SZ    //p"
}

# Play, close the options window without saving in one of three ways, Play again: the same
# player with the same parameter text, less the unsaved change. After Default, OK builds the
# option string from what Default restored.
play_after_closing_without_saving() {
  local with_file closing after
  for with_file in yes no; do
    for closing in Cancel 'close box' Default; do
      echo "   -- settings file: $with_file, $closing"
      new_disc
      rm -f "$ZORVIK_PLAYER_LOG"/*.txt
      if [ $with_file = yes ]; then disc_settings; fi
      start_zorvik
      act wait Zorvik 30
      act click Zorvik $PLAY
      local before
      before=$(player_starts 1)
      if [ $with_file = yes ]; then
        expect_eq "Play before" "$(disc_path)\\film.avi    -fs   -eend -pan " "$before"
      else
        expect_eq "Play before" "$(disc_path)\\film.avi  -fs -eend" "$before"
      fi
      open_options
      if [ "$closing" = Default ]; then
        act button Settings 'Full Screen'
        act button Settings 'Default Settings'
        expect_eq "Default restores full screen" 1 "$(drive state Settings 'Full Screen')"
        act button Settings OK
      else
        act button Settings 'Save Settings'
        act button Settings 'Full Screen'
        act button Settings Apply
        if [ "$closing" = Cancel ]; then act button Settings Cancel; else act close Settings; fi
      fi
      act gone Settings 5
      act click "$(main_title)" $PLAY
      after=$before
      if [ $with_file = no ] && [ "$closing" = Default ]; then
        after="$(disc_path)\\film.avi    -fs   -eend  "
      fi
      expect_eq "Play before and after" "$before"$'\n'"$after" "$(player_starts 2)"
      act click "$(main_title)" $EXIT
      expect_ended
    done
  done
}

read_only_disc_keeps_what_was_applied() {
  new_disc
  disc_settings
  if ! mount --bind -o ro "$disc" "$disc" 2>/dev/null; then
    echo "   skipped: this machine can't mount a read-only folder"
    return
  fi
  mounted=$disc
  start_zorvik
  act wait Zorvik 30
  open_options
  act button Settings 'Full Screen'
  act button Settings Apply
  expect_box "Caution|You can't save on a removable disk!|OK"
  expect_box "Information|Tip: You can change your settings and play the file by not closing the options window|OK"
  expect_eq "saving cleared" 0 "$(drive state Settings 'Save Settings')"
  expect_eq "saving disabled" 0 "$(drive enabled Settings 'Save Settings')"
  expect_eq "OK enabled" 1 "$(drive enabled Settings OK)"
  act button Settings OK
  act gone Settings 5
  expect_eq "the file on the disc is untouched" '"  -fs   -eend -pan "' \
    "$(sed -n 6p "$disc/More/Settings.sav" | tr -d '\r')"
  act click Zorvik $PLAY
  expect_eq "the player's parameters" "$(disc_path)\\film.avi       -eend -pan " "$(player_args)"
  act click Zorvik $EXIT
  expect_ended
  umount "$disc"
  mounted=''
}

programs_that_cant_start_show_no_box() {
  new_disc
  mkdir -p "$disc/tools" "$disc/codecs"
  printf 'not a program\r\n' >"$disc/tools/notes.exe"
  : >"$disc/codecs/xvid_installer.exe"
  disc_settings 0 'tools\notes.exe' 'Notes'
  wine reg add 'HKCU\Software\BST\bsplayer' /v Apppath /d 'C:\BSplayer\missing.exe' /f \
    >/dev/null 2>&1
  start_zorvik
  expect_box "Zorvik|You have an old version of BSplayer. Please update!|OK"
  act wait Zorvik 30
  act keys Zorvik F10 Right Down Enter
  expect_no_box "an extra program that is no program" 4
  act click Zorvik $PLAY
  expect_no_box "a player path naming no file" 4
  act click Zorvik $EXIT
  expect_ended
}

ffdshow_in_program_files_x86_plays() {
  new_disc
  mkdir -p "$disc/codecs"
  : >"$disc/codecs/xvid_installer.exe"
  rm -rf "$drive_c/Program Files/ffdshow"
  mkdir -p "$drive_c/Program Files (x86)/ffdshow"
  : >"$drive_c/Program Files (x86)/ffdshow/ffdshow.ax"
  start_zorvik
  expect_no_box "no codec prompt" 8
  act wait Zorvik 30
  act click Zorvik $PLAY
  expect_eq "the player's parameters" "$(disc_path)\\film.avi  -fs -eend" "$(player_args)"
  act click 'Closing in about a minute...' $EXIT
  expect_ended
  rm -rf "$drive_c/Program Files (x86)/ffdshow"
}

# The subtitle folder's box on the options window's last page, in twips of its inner area.
SUBTITLE_FOLDER="2840 4027"

long_registry_values_whole() {
  new_disc
  disc_settings 1
  local folder='C:\BSplayer\Players with a rather long folder here'
  local player="$folder\\bplay.exe"
  local subtitles='D:\Subtitles\For the longer film tonight'
  expect_eq "the player's path is 60 characters" 60 "${#player}"
  expect_eq "the subtitle folder is 40 characters" 40 "${#subtitles}"
  local unix_folder="$drive_c/BSplayer/Players with a rather long folder here"
  mkdir -p "$unix_folder"
  cp "$bin/bplay.exe" "$unix_folder/bplay.exe"
  wine reg add 'HKCU\Software\BST\bsplayer' /v Apppath /d "$player" /f >/dev/null 2>&1
  wine reg delete 'HKCU\Software\BST\bsplayer' /v SubDir /f >/dev/null 2>&1 || true
  start_zorvik
  expect_no_box "no registry or install message" 8
  act wait Zorvik 30
  open_options
  act keys Settings ctrl+tab ctrl+tab ctrl+tab
  expect_eq "the player's path read whole" "$player" "$(drive text Settings 4)"
  expect_eq "no subtitle folder yet" "" "$(drive text Settings 6)"
  act click Settings $SUBTITLE_FOLDER
  act keys Settings "text:$subtitles"
  act button Settings OK
  act gone Settings 5
  expect_eq "the subtitle folder written whole" "$subtitles" "$(reg_value SubDir)"
  open_options
  act button Settings Cancel
  act gone Settings 5
  open_options
  expect_eq "and read back whole" "$subtitles" "$(drive text Settings 6)"
  act button Settings Cancel
  act gone Settings 5
  act click Zorvik $PLAY
  expect_eq "the player at the long path plays" "$(disc_path)\\film.avi    -fs   -eend -pan " \
    "$(player_args)"
  act click Zorvik $EXIT
  expect_ended
  wine reg delete 'HKCU\Software\BST\bsplayer' /v SubDir /f >/dev/null 2>&1 || true
  rm -rf "$unix_folder"
}

run_scenario "Play after closing the options without saving" play_after_closing_without_saving
run_scenario "a read-only disc keeps what was applied" read_only_disc_keeps_what_was_applied
run_scenario "programs that can't start show no box" programs_that_cant_start_show_no_box
run_scenario "FFdshow in Program Files (x86) plays" ffdshow_in_program_files_x86_plays
run_scenario "long registry values whole" long_registry_values_whole
