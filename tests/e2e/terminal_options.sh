#!/usr/bin/env bash
# --help, -h and --version of both programs: answered on standard output with status 0, without a
# display (a window would need one), one version for both; and vemora's help and manual page name
# the same commands.
set -euo pipefail
viewer="$1"
build="$(cd "$(dirname "$viewer")" && pwd)"
vemora="$build/vemora"
fail=0
say() { echo "FAIL: $*"; fail=1; }

# program option  words the output must hold (a line each, as grep -E patterns)
cases=(
  "$vemora|--version|^vemora [0-9]+\.[0-9]+\.[0-9]+$"
  "$vemora|--help|^  vemora probe FILE|^Exit status:|^  2  usage error"
  "$vemora|-h|^  vemora scan DIR"
  "$viewer|--version|^vemora-viewer [0-9]+\.[0-9]+\.[0-9]+$"
  "$viewer|--help|FOLDER|Kalvo\.ini|dump_log|VEMORA_VLC_ARGS|^  Space +Play/Pause video|^  Shift\+J +To the previous jolt"
  "$viewer|-h|^usage: vemora-viewer \[FOLDER\]"
)
for case in "${cases[@]}"; do
  IFS='|' read -r -a fields <<<"$case"
  program="${fields[0]}" option="${fields[1]}"
  status=0
  out="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 "$program" "$option" 2>&1)" || status=$?
  [ "$status" -eq 0 ] || say "$(basename "$program") $option: status $status: $out"
  for pattern in "${fields[@]:2}"; do
    grep -Eq -- "$pattern" <<<"$out" || say "$(basename "$program") $option: no line matching '$pattern'"
  done
done

[ "$("$vemora" --version | cut -d' ' -f2)" = "$("$viewer" --version | cut -d' ' -f2)" ] ||
  say "the two programs tell different versions"

# The commands of the help and of the manual page's COMMANDS section.
help_commands="$("$vemora" --help | sed -n 's/^  vemora \([a-z]*\) .*/\1/p' | sort)"
man_commands="$(awk '/^\.SH/ { section = $2 } section == "COMMANDS" && tagged && /^\.BI / { print $2 }
  { tagged = ($0 == ".TP") }' "$build/docs/man/vemora.1" | sort)"
[ -n "$help_commands" ] && [ "$help_commands" = "$man_commands" ] ||
  say "vemora --help lists [$(echo $help_commands)], vemora(1) [$(echo $man_commands)]"

[ "$fail" -eq 0 ] && echo "PASS"
exit "$fail"
