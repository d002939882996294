# shellcheck shell=bash
# The disc authors' tool: a disc laid out, set, checked and mastered with zorvik-disc, then the
# image's files played by the real launcher, which must do exactly what the check said.

# What a line of check's report gives the player: "Play: ... is given [TEXT]".
given() {  # report, line start
  sed -n "s/^$2: .* is given \[\(.*\)\]\$/\1/p" "$1"
}

authoring_tool_disc_plays_as_checked() {
  local tool=$root/build/native/zorvik-disc
  for program in "$tool" "$bin/zorvik-disc.exe"; do
    [ -x "$program" ] || [ -f "$program" ] || { fail "$program is not built"; return; }
  done
  new_disc  # the player registered, FFdshow present, the player's log
  local here=$work/${scenario// /-}
  local source=$here/source image=$here/film.iso
  rm -rf "$disc" "$source" "$image"
  mkdir -p "$source/trailers" "$source/codecs"
  : >"$source/Big Movie.avi"
  : >"$source/trailers/teaser.avi"
  : >"$source/trailers/making of.avi"
  printf 'MZ' >"$source/codecs/xvid_setup.exe"

  if ! LANG=C.UTF-8 "$tool" init "$source" --launcher "$bin/Zorvik.exe" >"$here/init.txt" 2>&1; then
    fail "init: $(cat "$here/init.txt")"
    return
  fi
  convert -size 215x309 xc:navy "$source/More/cover.jpg"
  if ! LANG=C.UTF-8 "$tool" set "$source" "title=Τα Φαντάσματα του Βουνού" \
    trailer1=trailers/teaser.avi trailer1.name=Teaser \
    "trailer2=trailers/making of.avi" "trailer2.name=Τα παρασκήνια" \
    installer.xvid=codecs/xvid_setup.exe "installer.xvid.name=XviD 1.3" \
    pan-scan=on exit-after-launch=off >"$here/set.txt" 2>&1; then
    fail "set: $(cat "$here/set.txt")"
    return
  fi

  # The viewer: this Wine prefix, with the disc's files where the launcher will run from.
  local pc="player=C:\\BSplayer\\bplay.exe,codecs=FFdshow,disc=$(disc_path)"
  local status=0

  # A second video beside the movie takes Play over: check says so, by its code, and iso waits.
  : >"$source/extra.mpg"
  LANG=C.UTF-8 "$tool" check "$source" --pc "$pc" --json >"$here/check-extra.json" 2>&1 || status=$?
  expect_eq "check fails a disc with a second video" 1 "$status"
  expect_eq "check names the second video by its code" yes \
    "$(grep -q '"code": "several-videos"' "$here/check-extra.json" && echo yes)"
  expect_eq "check says Play gets the second video" yes \
    "$(grep -q '"parameters": ".*extra.mpg' "$here/check-extra.json" && echo yes)"
  status=0
  "$tool" iso "$source" "$image" >"$here/iso-extra.txt" 2>&1 || status=$?
  expect_eq "iso refuses the disc check fails" 2 "$status"
  expect_eq "iso masters nothing then" no "$([ -e "$image" ] && echo yes || echo no)"
  rm "$source/extra.mpg"
  status=0
  LANG=C.UTF-8 "$tool" check "$source" --pc "$pc" >"$here/check.txt" 2>&1 || status=$?
  expect_eq "check finds nothing that reaches the viewer (see check.txt)" 0 "$status"
  local play teaser making
  play=$(given "$here/check.txt" Play)
  teaser=$(given "$here/check.txt" 'Trailer "Teaser"')
  making=$(given "$here/check.txt" 'Trailer "Τα παρασκήνια"')
  expect_eq "check's text for Play" "$(disc_path)\\Big Movie.avi    -fs   -eend -pan " "$play"
  expect_eq "check's text for the second trailer" \
    "$(disc_path)\\trailers\\making of.avi   -fs   -eend -pan " "$making"
  local windows_source="Z:${source//\//\\}"
  expect_eq "the Windows build of the tool checks alike" "$play" \
    "$(LANG=C.UTF-8 wine "$bin/zorvik-disc.exe" check "$windows_source" --pc "$pc" 2>/dev/null |
      tr -d '\r' >"$here/check-windows.txt"; given "$here/check-windows.txt" Play)"
  wine "$bin/zorvik-disc.exe" iso "$windows_source" "Z:${here//\//\\}\\windows.iso" \
    >"$here/iso-windows.txt" 2>&1 || true
  expect_eq "the Windows build says iso needs xorriso" "yes" \
    "$(grep -q "Windows doesn't come with it" "$here/iso-windows.txt" && echo yes)"

  if ! "$tool" iso "$source" "$image" --label FANTASMATA >"$here/iso.txt" 2>&1; then
    fail "iso: $(cat "$here/iso.txt")"
    return
  fi
  xorriso -no_rc -read_fs norock -indev "stdio:$image" -pvd_info -find / -type f -exec lsdl -- \
    >"$here/listing.txt" 2>&1 || true
  expect_eq "the image's label" "Volume Id    : FANTASMATA" "$(grep '^Volume Id' "$here/listing.txt")"
  expect_eq "the image's Joliet names" \
    "'/Big Movie.avi' '/More/Settings.sav' '/More/cover.jpg' '/Zorvik.exe' '/autorun.inf' '/codecs/xvid_setup.exe' '/trailers/making of.avi' '/trailers/teaser.avi'" \
    "$(grep -o "'/.*'" "$here/listing.txt" | sort | tr '\n' ' ' | sed 's/ $//')"
  xorriso -no_rc -osirrox on -read_fs norock -indev "stdio:$image" -extract / "$disc" \
    >"$here/extract.txt" 2>&1 || fail "extracting the image: $(tail -n 3 "$here/extract.txt")"

  start_zorvik
  expect_window "the launcher starts quietly on the image's files" Zorvik 30
  expect_play "$play" "Play gives the player exactly what check printed"

  : >"$ZORVIK_PLAYER_LOG/bplay-args.txt"
  act keys Zorvik F10 Down
  expect_eq "the trailers' menu shows the names set" \
    "$(printf 'shown: Teaser\nshown: Τα παρασκήνια')" "$(menu_shows Teaser 'Τα παρασκήνια')"
  act keys Zorvik Down Enter
  expect_play "$teaser" "the first trailer, chosen by keyboard, gives what check printed"

  : >"$ZORVIK_PLAYER_LOG/bplay-args.txt"
  act keys Zorvik F10 Down Down Down Enter
  expect_play "$making" "the second trailer gives what check printed"

  act keys Zorvik F10 Right Down
  expect_eq "the installer's menu entry shows its name" "shown: Install XviD 1.3" \
    "$(menu_shows 'Install XviD 1.3')"
  act keys Zorvik Esc Esc
  exit_zorvik
}

run_scenario "authoring tool disc plays as checked" authoring_tool_disc_plays_as_checked
