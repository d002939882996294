# shellcheck shell=bash
# What a person sees on the paths they take most: Play by each way of finding the video and a
# trailer, options kept over a restart, Cancel and Default, the language switched and back while
# the launcher counts down to its end, and the Programs menu.

# Replaces line n of the disc's settings file.
settings_line() {  # n, text
  local file=$disc/More/Settings.sav
  LINE="$2" awk -v n="$1" 'NR == n { print ENVIRON["LINE"] "\r"; next } { print }' "$file" >"$file.new"
  mv "$file.new" "$file"
}

# The launcher started from another folder, which holds a movie of its own.
start_zorvik_elsewhere() {
  local elsewhere=$work/elsewhere
  mkdir -p "$elsewhere"
  : >"$elsewhere/decoy.avi"
  (cd "$elsewhere" && exec wine "$disc/Zorvik.exe" >"$work/zorvik.log" 2>&1) &
  zorvik_pid=$!
}

menu_shows() {  # texts...: what the open menu shows of them
  LANG=C.UTF-8 wine "$bin/menu_text.exe" "$@" 2>&1 | tr -d '\r'
}
button_names() {  # title: the picture buttons' names, as a screen reader finds them
  drive accessible "$1" | cut -d'|' -f1 | tr '\n' ',' | sed 's/,$//'
}

play_by_each_way_of_finding_the_video() {
  local way
  for way in launcher-folder settings-file typed-path trailer; do
    echo "   -- $way"
    new_disc
    rm -f "$ZORVIK_PLAYER_LOG"/*.txt
    if [ $way = launcher-folder ]; then
      # Started from elsewhere, the launcher looks for the movie beside itself.
      start_zorvik_elsewhere
      act wait Zorvik 30
      act click Zorvik $PLAY
      expect_eq "the player's parameters" "$(disc_path)\\film.avi  -fs -eend" "$(player_args)"
      act click 'Closing in about a minute...' $EXIT
      expect_ended
      continue
    fi
    authors_settings
    case $way in
      settings-file) settings_line 3 '#FALSE#,#TRUE#,#FALSE#,"","C:\Films\my film.bsi",0' ;;
      typed-path)
        settings_line 2 '"D:\My Films\the film.avi",0,0'
        settings_line 3 '#FALSE#,#FALSE#,#TRUE#,"","Default",0'
        ;;
      trailer) settings_line 9 '"trailers\teaser 1.avi","Teaser"' ;;
    esac
    start_zorvik
    act wait Zorvik 30
    # The Video File menu: Main video, then the one trailer named.
    if [ $way = trailer ]; then act keys Zorvik F10 Down Down Enter; fi
    act click Zorvik $PLAY
    local expected
    case $way in
      settings-file) expected='C:\Films\my film.bsi' ;;
      typed-path) expected='D:\My Films\the film.avi  -fs -eend' ;;
      trailer) expected="$(disc_path)\\trailers\\teaser 1.avi -fs -eend" ;;
    esac
    expect_eq "the player's parameters" "$expected" "$(player_args)"
    act click Zorvik $EXIT
    expect_ended
  done
}

# The states of the boxes the next scenario changes, in the options window.
changed_boxes() {
  local box
  for box in 'Full Screen' Pan-scan 'Disable subtitles' 'The autorun will exit after launching'; do
    drive state Settings "$box"
  done | tr -d '\n'
}

options_kept_over_a_restart_cancel_and_default() {
  new_disc
  start_zorvik
  act wait Zorvik 30
  open_options
  act button Settings 'Full Screen'
  act button Settings Pan-scan
  act button Settings 'Disable subtitles'
  act button Settings 'The autorun will exit after launching'
  act button Settings OK
  act gone Settings 5
  act click Zorvik $EXIT
  expect_ended

  start_zorvik
  act wait Zorvik 30
  open_options
  expect_eq "the boxes after a restart, as they were left" 0110 "$(changed_boxes)"
  act button Settings Pan-scan
  act button Settings Cancel
  act gone Settings 5
  open_options
  expect_eq "Cancel dropped the unsaved change" 1 "$(drive state Settings Pan-scan)"
  act button Settings 'Full Screen'
  act button Settings 'Default Settings'
  expect_eq "Default brings back the saved boxes, not the changed one" 0110 "$(changed_boxes)"
  act button Settings Cancel
  act gone Settings 5
  act click Zorvik $PLAY
  expect_eq "Play uses the restored options" "$(disc_path)\\film.avi   -nsub    -eend -pan " \
    "$(player_args)"
  expect_eq "and the launcher stays" Zorvik "$(main_title)"
  act click Zorvik $EXIT
  expect_ended
}

# The close-after-launch timer runs about 65.5 s; the language is switched and back meanwhile.
language_switch_while_counting_down() {
  new_disc
  start_zorvik
  act wait Zorvik 30
  act click Zorvik $PLAY
  # The click returns a moment after the press, so the time measured is a little short.
  local played=$SECONDS busy='Closing in about a minute...'
  expect_window "caption after the launch" "$busy" 5
  expect_eq "the buttons in English" "Launch Video,Explore the CD,Exit" "$(button_names "$busy")"

  act keys "$busy" F10 Right Right Down Down Right Down Enter
  expect_eq "the buttons in Greek" "Αναπαραγωγή,Εξερεύνηση CD,Έξοδος" "$(button_names "$busy")"
  act keys "$busy" F10 Right Right Down
  expect_eq "the Options menu in Greek" "$(printf 'shown: Επιλογή Γλώσσας\nnot shown: Choose Language')" \
    "$(menu_shows 'Επιλογή Γλώσσας' 'Choose Language')"
  act keys "$busy" Enter
  expect_window "the options window in Greek" 'Ρυθμίσεις' 10
  expect_eq "its boxes in Greek" 1 "$(drive state 'Ρυθμίσεις' 'Πλήρης Οθόνη')"
  act button 'Ρυθμίσεις' 'Άκυρο'
  act gone 'Ρυθμίσεις' 5

  act keys "$busy" F10 Right Right Down Down Right Enter
  expect_eq "the buttons in English again" "Launch Video,Explore the CD,Exit" "$(button_names "$busy")"
  act keys "$busy" F10 Right Right Down
  expect_eq "the Options menu in English again" \
    "$(printf 'shown: Choose Language\nnot shown: Επιλογή Γλώσσας')" \
    "$(menu_shows 'Choose Language' 'Επιλογή Γλώσσας')"
  act keys "$busy" Enter
  expect_window "the options window in English again" Settings 10
  expect_eq "its boxes in English" 1 "$(drive state Settings 'Full Screen')"
  act button Settings Cancel
  act gone Settings 5

  while kill -0 "$zorvik_pid" 2>/dev/null && [ $((SECONDS - played)) -lt 75 ]; do sleep 0.5; done
  local after=$((SECONDS - played))
  if [ $after -ge 63 ] && [ $after -le 70 ]; then
    echo "   ok: the launcher ended by itself $after s after Play"
  else
    fail "the launcher's end: expected [65 s after Play], got [$after s$(kill -0 "$zorvik_pid" 2>/dev/null && echo ', still running')]"
  fi
}

programs_menu_starts_an_installer_or_says_it_is_missing() {
  new_disc
  disc_settings 0 'tools\Missing tool.exe' 'Missing tool'
  local installer="$disc/DivX players/BSplayer/BSplay_installer.exe"
  mkdir -p "$(dirname "$installer")"
  cp "$bin/bplay.exe" "$installer"
  start_zorvik
  act wait Zorvik 30
  # The Programs menu: the BSplayer installer the disc holds, then the extra program named.
  act keys Zorvik F10 Right Down
  expect_eq "the Programs menu" "$(printf 'shown: Install BSplayer\nshown: Missing tool')" \
    "$(menu_shows 'Install BSplayer' 'Missing tool')"
  act keys Zorvik Enter
  local log=$ZORVIK_PLAYER_LOG/bsplay_installer-args.txt
  for _ in $(seq 50); do [ -f "$log" ] && break; sleep 0.2; done
  expect_eq "the installer in a folder with a blank started, once" 1 "$(wc -l <"$log" 2>/dev/null)"
  act keys Zorvik F10 Right Down Down Enter
  expect_box "Caution|The file wasn't found!|OK"
  act click Zorvik $EXIT
  expect_ended
}

run_scenario "Play by each way of finding the video" play_by_each_way_of_finding_the_video
run_scenario "options kept over a restart, Cancel and Default" options_kept_over_a_restart_cancel_and_default
run_scenario "the language switched and back while counting down" language_switch_while_counting_down
run_scenario "the Programs menu starts an installer or says it is missing" programs_menu_starts_an_installer_or_says_it_is_missing
