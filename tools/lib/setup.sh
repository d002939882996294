# Installs what the build, the tests and the demo need, with apt-get; only what is missing.
# shellcheck shell=bash

ZORVIK_PACKAGES=(cmake g++ make libgtest-dev libbenchmark-dev clang clang-format libclang-rt-14-dev
  g++-mingw-w64-i686 xvfb wine wine32:i386 wine64 x11-utils imagemagick xorriso python3
  python3-fusepy)

# Checkouts side by side on one machine each keep their own Wine prefixes, so that their tests
# can run at the same time.
zorvik_checkout_tag() { printf '%s' "$PWD" | md5sum | cut -c1-8; }

install_packages() {
  local missing=()
  for p in "${ZORVIK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" \
    >/tmp/zorvik-apt.log 2>&1 || { tail -n 30 /tmp/zorvik-apt.log; return 1; }
}

# A Wine prefix of the project's own, made after 32-bit Wine is installed.
wine_prefix() {
  export WINEPREFIX="${ZORVIK_WINEPREFIX:-$HOME/.zorvik-wine}"
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # Debian's Wine doesn't find its own Marlett, which draws the title bars' buttons.
  local marlett=/usr/share/wine/fonts/marlett.ttf fonts=$WINEPREFIX/drive_c/windows/Fonts
  if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp "$marlett" "$fonts/"
  fi
}
