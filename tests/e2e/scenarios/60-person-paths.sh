# shellcheck shell=bash
# What a person sees on the paths they take most: Play by each way of finding the video and a
# trailer, options kept over a restart, Cancel and Default, the language switched and back while
# the launcher counts down to its end, and the Programs menu.

button_names() {  # title: the picture buttons' names, as a screen reader finds them
  drive accessible "$1" | cut -d'|' -f1 | tr '\n' ',' | sed 's/,$//'
}

# Settings as an author writes them by hand: the movie named, the option string short, no
# pan-scan.
AUTHORS=(2='"film.avi",0,0' 4='0,0,0,0,1,1,"Change Skin",0,0,"x seconds",0' 6='"-fs -eend"')

play_by_each_way_of_finding_the_video() {
  local way expected
  for way in launcher-folder settings-file typed-path trailer; do
    echo "   -- $way"
    new_disc
    case $way in
      launcher-folder) expected="$(disc_path)\\film.avi  -fs -eend" ;;
      settings-file)
        disc_settings "${AUTHORS[@]}" 3='#FALSE#,#TRUE#,#FALSE#,"","C:\Films\my film.bsi",0'
        expected='C:\Films\my film.bsi'
        ;;
      typed-path)
        disc_settings "${AUTHORS[@]}" 2='"D:\My Films\the film.avi",0,0' \
          3='#FALSE#,#FALSE#,#TRUE#,"","Default",0'
        expected='D:\My Films\the film.avi  -fs -eend'
        ;;
      trailer)
        disc_settings "${AUTHORS[@]}" 9='"trailers\teaser 1.avi","Teaser"'
        expected="$(disc_path)\\trailers\\teaser 1.avi -fs -eend"
        ;;
    esac
    if [ $way = launcher-folder ]; then
      # Started from another folder, which holds a movie of its own, the launcher looks for the
      # movie beside itself.
      mkdir -p "$work/elsewhere"
      : >"$work/elsewhere/decoy.avi"
      zorvik_up "$work/elsewhere"
    else
      zorvik_up
    fi
    # The Video File menu: Main video, then the one trailer named.
    if [ $way = trailer ]; then act keys Zorvik F10 Down Down Enter; fi
    expect_play "$expected"
    exit_zorvik
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
  zorvik_up
  open_options
  expect_eq "Apply disabled after loading" 0 "$(drive enabled Settings Apply)"
  act button Settings 'Full Screen'
  expect_eq "a change enables Apply" 1 "$(drive enabled Settings Apply)"
  act button Settings Pan-scan
  act button Settings 'Disable subtitles'
  act button Settings 'The autorun will exit after launching'
  act button Settings Apply
  expect_eq "Apply disables itself" 0 "$(drive enabled Settings Apply)"
  expect_eq "the option string saved" '" -nsub    -eend -pan "' "$(saved_options)"
  close_options OK
  exit_zorvik

  zorvik_up
  open_options
  expect_eq "the boxes after a restart, as they were left" 0110 "$(changed_boxes)"
  act button Settings Pan-scan
  close_options Cancel
  open_options
  expect_eq "Cancel dropped the unsaved change" 1 "$(drive state Settings Pan-scan)"
  act button Settings 'Full Screen'
  act button Settings 'Default Settings'
  expect_eq "Default brings back the saved boxes, not the changed one" 0110 "$(changed_boxes)"
  close_options Cancel
  expect_play "$(disc_path)\\film.avi   -nsub    -eend -pan " "Play uses the restored options"
  expect_eq "and the launcher stays" Zorvik "$(main_title)"
  exit_zorvik
}

# The close-after-launch timer runs about 65.5 s; the language is switched and back meanwhile.
language_switch_while_counting_down() {
  new_disc
  zorvik_up
  act click Zorvik "$PLAY"
  # The click returns a moment after the press, so the time measured is a little short.
  local played=$SECONDS busy='Closing in about a minute...'
  expect_window "caption after the launch" "$busy" 5
  local english='Launch Video,Explore the CD,Exit,About Zorvik,Hide the cover'
  local greek='Αναπαραγωγή,Εξερεύνηση CD,Έξοδος,Σχετικά με το Zorvik,Απόκρυψη του εξωφύλλου'
  expect_eq "the buttons in English" "$english" "$(button_names "$busy")"

  # The language menu's second entry is Greek; each language's names, then the other's.
  local language to names menu other title box cancel
  for language in Greek English; do
    if [ $language = Greek ]; then
      to=Down names=$greek menu='Επιλογή Γλώσσας' other='Choose Language'
      title='Ρυθμίσεις' box='Πλήρης Οθόνη' cancel='Άκυρο'
    else
      to='' names=$english menu='Choose Language' other='Επιλογή Γλώσσας'
      title=Settings box='Full Screen' cancel=Cancel
    fi
    act keys "$busy" F10 Right Right Down Down Right $to Enter
    expect_eq "the buttons in $language" "$names" "$(button_names "$busy")"
    act keys "$busy" F10 Right Right Down
    expect_eq "the Options menu in $language" "$(printf 'shown: %s\nnot shown: %s' "$menu" "$other")" \
      "$(menu_shows "$menu" "$other")"
    act keys "$busy" Enter
    expect_window "the options window in $language" "$title" 10
    expect_eq "its boxes in $language" 1 "$(drive state "$title" "$box")"
    close_options "$cancel" "$title"
  done

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
  disc_settings 19='"tools\Missing tool.exe","Missing tool"'
  local installer="$disc/DivX players/BSplayer/BSplay_installer.exe"
  mkdir -p "$(dirname "$installer")"
  cp "$bin/bplay.exe" "$installer"
  zorvik_up
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
  exit_zorvik
}

run_scenario "Play by each way of finding the video" play_by_each_way_of_finding_the_video
run_scenario "options kept over a restart, Cancel and Default" options_kept_over_a_restart_cancel_and_default
run_scenario "the language switched and back while counting down" language_switch_while_counting_down
run_scenario "the Programs menu starts an installer or says it is missing" programs_menu_starts_an_installer_or_says_it_is_missing
