# shellcheck shell=bash
# The disc as it really is: a read-only CD (tools/slow-cd) that the viewer pulls out once the
# window shows. Every action afterwards ends as designed, without a crash or a hang. Seeks of
# 10 ms: these are about the disc going away, not about its speed.

cd_up() {  # the disc folder as a CD, and the launcher started from it
  if [ -n "$mounted" ]; then umount -l "$mounted" 2>/dev/null || true; fi  # a failed scenario's
  cd_state=$work/${scenario// /-}/cd-state
  disc=$work/${scenario// /-}/cd
  tools/slow-cd mount "$work/${scenario// /-}/disc" "$disc" "$cd_state" --seek-ms 10 --mb-per-s 50
  mounted=$disc
  zorvik_up
}
cd_down() {
  tools/slow-cd unmount "$disc" "$cd_state"
  mounted=''
}
pull_cd() { tools/slow-cd eject "$cd_state"; }
# The kB of the launcher's program that the system would read from the disc again: the pages of
# its file's mappings that are not copies of its own. Launchers of other checkouts may run on
# this machine too: only mappings of this disc's file count.
image_on_disc() {
  local p
  for p in $(pgrep -x Zorvik.exe); do
    awk -v f="$disc/Zorvik.exe" '/^[0-9a-f]+-[0-9a-f]+ / {m = ($NF == f)} m && /^Rss:/ {rss = $2}
      m && /^Anonymous:/ {kb += rss - $2} END {print kb + 0}' "/proc/$p/smaps" 2>/dev/null
  done | awk '{kb += $1} END {print kb + 0}'
}
expect_no_crash() {
  expect_eq "no crash" "" "$(grep -ai 'unhandled\|page fault\|exception' "$work/zorvik.log" | head -n 3)"
}

# Play starts the countdown to the launcher's end; everything else is done meanwhile, and the
# launcher still ends by itself on time.
pulled_cd_every_action_then_the_end() {
  new_disc
  mkdir -p "$disc/codecs"
  : >"$disc/codecs/xvid_installer.exe"
  printf 'Notes\r\n' >"$disc/Readme.txt"
  cd_up
  expect_eq "the whole program in memory" 0 "$(image_on_disc)"
  pull_cd
  act click Zorvik "$PLAY"
  local played=$SECONDS busy='Closing in about a minute...'
  expect_eq "Play: the player gets the movie" "$(disc_path)\\film.avi  -fs -eend" "$(player_args)"
  expect_window "caption after the launch" "$busy" 5
  act click "$busy" "$EXPLORE"
  expect_no_box "Explore: no message" 3
  act keys "$busy" F10 Right Down Enter
  expect_box "Caution|The file wasn't found!|OK"
  act keys "$busy" F10 Down Down Enter
  expect_no_box "the readme: no message" 3
  act keys "$busy" F10 Down Enter
  expect_no_box "the main video chosen again: no message" 2
  act keys "$busy" F10 Right Right Down Down Right Down Enter
  expect_eq "Greek" "Αναπαραγωγή" "$(button_names "$busy" | cut -d, -f1)"
  act keys "$busy" F10 Right Right Down Down Right Enter
  expect_eq "English again" "Launch Video" "$(button_names "$busy" | cut -d, -f1)"
  act answers "$busy" 5
  while kill -0 "$zorvik_pid" 2>/dev/null && [ $((SECONDS - played)) -lt 75 ]; do sleep 0.5; done
  local after=$((SECONDS - played))
  if [ $after -ge 63 ] && [ $after -le 70 ]; then
    echo "   ok: the launcher ended by itself $after s after Play"
  else
    fail "the launcher's end: expected [65 s after Play], got [$after s]"
  fi
  expect_no_crash
  cd_down
}

# The options window: Cancel, then OK with saving on. OK says what it can't do: the settings
# can't be written, and the movie is no longer found.
pulled_cd_options_window() {
  new_disc
  cd_up
  pull_cd
  open_options
  close_options Cancel
  expect_no_box "Cancel: no message" 2
  open_options
  act button Settings OK
  expect_box "Caution|Can't write to the file!|OK"
  expect_box "Caution|No video file is selected or found. Check your settings!|OK"
  expect_no_box "nothing more" 2
  act gone Settings 5
  exit_zorvik
  expect_no_crash
  cd_down
}

run_scenario "a pulled CD: every action, then the end a minute after Play" \
  pulled_cd_every_action_then_the_end
run_scenario "a pulled CD: the options window" pulled_cd_options_window
