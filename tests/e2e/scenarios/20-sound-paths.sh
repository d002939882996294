# shellcheck shell=bash
# Paths where the person in front of the disc must not be let down: Play after the options
# window was closed without saving, a read-only disc, programs that can't be started, FFdshow in
# "Program Files (x86)", and the player's registry values longer than the old buffers.

# Play, close the options window without saving in one of four ways, Play again: the same
# player with the same parameter text, less the unsaved change. After Default, OK builds the
# option string from what Default restored.
play_after_closing_without_saving() {
  local with_file closing before after
  for with_file in yes no; do
    for closing in Cancel 'close box' Esc Default; do
      echo "   -- settings file: $with_file, $closing"
      new_disc
      before="$(disc_path)\\film.avi  -fs -eend"
      if [ $with_file = yes ]; then
        disc_settings
        before="$(disc_path)\\film.avi    -fs   -eend -pan "
      fi
      zorvik_up
      expect_play "$before" "Play before"
      open_options
      case $closing in
        Default)
          act button Settings 'Full Screen'
          act button Settings 'Default Settings'
          expect_eq "Default restores full screen" 1 "$(drive state Settings 'Full Screen')"
          close_options OK
          ;;
        *)
          act button Settings 'Save Settings'
          act button Settings 'Full Screen'
          act button Settings Apply
          close_options "$closing"
          ;;
      esac
      after=$before
      if [ $with_file = no ] && [ "$closing" = Default ]; then
        after="$(disc_path)\\film.avi    -fs   -eend  "
      fi
      act click "$(main_title)" "$PLAY"
      expect_eq "Play before and after" "$before"$'\n'"$after" "$(player_args 2)"
      exit_zorvik
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
  keeps_what_was_applied
  umount "$disc"
  mounted=''
}

# The same disc as a CD (tools/slow-cd).
read_only_cd_keeps_what_was_applied() {
  new_disc
  disc_settings
  local state=$work/${scenario// /-}/cd-state
  local cd=$work/${scenario// /-}/cd
  tools/slow-cd mount "$disc" "$cd" "$state" --seek-ms 10 --mb-per-s 50
  disc=$cd mounted=$cd
  keeps_what_was_applied
  tools/slow-cd unmount "$cd" "$state"
  mounted=''
}

keeps_what_was_applied() {
  zorvik_up
  open_options
  act button Settings 'Full Screen'
  act button Settings Apply
  expect_box "Caution|You can't save on a removable disk!|OK"
  expect_box "Information|Tip: You can change your settings and play the file by not closing the options window|OK"
  expect_eq "saving cleared" 0 "$(drive state Settings 'Save Settings')"
  expect_eq "saving disabled" 0 "$(drive enabled Settings 'Save Settings')"
  expect_eq "OK enabled" 1 "$(drive enabled Settings OK)"
  close_options OK
  expect_eq "the file on the disc is untouched" '"  -fs   -eend -pan "' "$(saved_options)"
  expect_play "$(disc_path)\\film.avi       -eend -pan "
  exit_zorvik
}

programs_that_cant_start_show_no_box() {
  new_disc
  mkdir -p "$disc/tools" "$disc/codecs"
  printf 'not a program\r\n' >"$disc/tools/notes.exe"
  : >"$disc/codecs/xvid_installer.exe"
  disc_settings 19='"tools\notes.exe","Notes"'
  wine reg add 'HKCU\Software\BST\bsplayer' /v Apppath /d 'C:\BSplayer\missing.exe' /f \
    >/dev/null 2>&1
  start_zorvik
  expect_box "Zorvik|You have an old version of BSplayer. Please update!|OK"
  act wait Zorvik 30
  act keys Zorvik F10 Right Down Enter
  expect_no_box "an extra program that is no program" 4
  act click Zorvik "$PLAY"
  expect_no_box "a player path naming no file" 4
  exit_zorvik
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
  expect_play "$(disc_path)\\film.avi  -fs -eend"
  exit_zorvik
  rm -rf "$drive_c/Program Files (x86)/ffdshow"
}

# The subtitle folder's box on the options window's last page, in twips of its inner area.
SUBTITLE_FOLDER="2840 4027"

# A player path of 60 characters and a subtitle folder of 40.
long_registry_values_whole() {
  new_disc
  disc_settings 4='0,1,0,0,1,1,"Change Skin",1,0,"x seconds",0'  # the subtitle folder written
  local folder='Players with a rather long folder here'
  local player="C:\\BSplayer\\$folder\\bplay.exe" subtitles='D:\Subtitles\For the longer film tonight'
  mkdir -p "$drive_c/BSplayer/$folder"
  cp "$bin/bplay.exe" "$drive_c/BSplayer/$folder/bplay.exe"
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
  close_options OK
  expect_eq "the subtitle folder written whole" "$subtitles" \
    "$(wine reg query 'HKCU\Software\BST\bsplayer' /v SubDir 2>/dev/null | tr -d '\r' | sed -n 's/^ *SubDir *REG_SZ    //p')"
  open_options
  close_options Cancel
  open_options
  expect_eq "and read back whole" "$subtitles" "$(drive text Settings 6)"
  close_options Cancel
  expect_play "$(disc_path)\\film.avi    -fs   -eend -pan " "the player at the long path plays"
  exit_zorvik
  wine reg delete 'HKCU\Software\BST\bsplayer' /v SubDir /f >/dev/null 2>&1 || true
  rm -rf "$drive_c/BSplayer/$folder"
}

run_scenario "Play after closing the options without saving" play_after_closing_without_saving
run_scenario "a read-only disc keeps what was applied" read_only_disc_keeps_what_was_applied
run_scenario "a read-only CD keeps what was applied" read_only_cd_keeps_what_was_applied
run_scenario "programs that can't start show no box" programs_that_cant_start_show_no_box
run_scenario "FFdshow in Program Files (x86) plays" ffdshow_in_program_files_x86_plays
run_scenario "long registry values whole" long_registry_values_whole
