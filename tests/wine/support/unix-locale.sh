# The Unix locale a Windows test runs in. Wine takes each process's ANSI code page from
# its Unix locale (ja_JP.UTF-8 gives 932, zh_TW.UTF-8 950), so a case that needs a
# double-byte code page runs in such a locale. Sourced by wine-run.
#   use_locale <name> <lock file>
#       <name> is language_TERRITORY.CHARSET (ja_JP.UTF-8). Makes it with localedef when
#       it is missing and this runs as root (one maker at a time, under the lock), then
#       exports LC_ALL=<name>. When it cannot, leaves LC_ALL alone, exports
#       WHIRL_LOCALE_PROBLEM saying why (the test reports it when it skips) and fails.

# Whether `locale -a` lists <name>; it writes "ja_JP.utf8" for "ja_JP.UTF-8".
locale_exists() {
  local charset=${1#*.}
  charset=$(tr -d '-' <<<"$charset" | tr '[:upper:]' '[:lower:]')
  locale -a 2>/dev/null | grep -qixF "${1%%.*}.$charset"
}

use_locale() {
  local name=$1 lang=${1%%.*} charset=${1#*.}
  if ! locale_exists "$name"; then
    if [ "$(id -u)" != 0 ]; then
      export WHIRL_LOCALE_PROBLEM="the Unix locale $name is missing and only root can make it (localedef -i $lang -f $charset $name)"
      return 1
    fi
    if ! command -v localedef >/dev/null || [ ! -d /usr/share/i18n/locales ]; then
      export WHIRL_LOCALE_PROBLEM="the Unix locale $name is missing and cannot be made here: the Debian package locales is not installed (scripts/deps.sh installs it)"
      return 1
    fi
    if [ ! -f "/usr/share/i18n/locales/$lang" ]; then
      export WHIRL_LOCALE_PROBLEM="the Unix locale $name is missing and /usr/share/i18n/locales has no $lang to make it from"
      return 1
    fi
    ( flock 9
      locale_exists "$name" || localedef -i "$lang" -f "$charset" "$name" >/dev/null 2>&1
    ) 9>"$2"
    if ! locale_exists "$name"; then
      export WHIRL_LOCALE_PROBLEM="the Unix locale $name is missing and localedef -i $lang -f $charset $name did not make it"
      return 1
    fi
  fi
  # This shell may not see a locale made after it started, and says so; its children do.
  export LC_ALL="$name" 2>/dev/null
}
