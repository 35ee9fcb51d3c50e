#!/usr/bin/env bash
# CompletionCheck.sh COMPLETION_FILE
# Offers the words a user would type to marrowtide-cli's bash completion and checks
# what it proposes, in a folder holding three files.
set -u
. "$1"
compopt() { :; }  # only works inside a real completion
cd "$(mktemp -d)" && touch people.csv people.mdb ./-old.csv

failures=0
# command line up to the cursor (the last word is the one being completed) | expected
cases=(
  "marrowtide-cli |list upcoming import export remind"
  "marrowtide-cli up|upcoming"
  "marrowtide-cli --database people.mdb ex|export"
  "marrowtide-cli -|--database --help --version"
  "marrowtide-cli upcoming --|--database --help --version --days --from"
  "marrowtide-cli export out.ics --f|--format --force"
  "marrowtide-cli remind --|--database --help --version --days --again"
  "marrowtide-cli export out --format |csv vcf ics"
  "marrowtide-cli export out --format = v|vcf"
  "marrowtide-cli export out --format =|csv vcf ics"
  "marrowtide-cli import |people.csv people.mdb -old.csv"
  "marrowtide-cli import -- -|-old.csv"
  "marrowtide-cli -- export -|-old.csv"
  "marrowtide-cli import people.c|people.csv"
  "marrowtide-cli --database people.m|people.mdb"
  "marrowtide-cli --database = people.m|people.mdb"
  "marrowtide-cli import people.csv |"
  "marrowtide-cli list |"
  "marrowtide-cli upcoming --days |"
)
for case in "${cases[@]}"; do
  line=${case%%|*} expected=${case#*|}
  read -r -a COMP_WORDS <<<"$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _marrowtide_cli
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  want=$(printf '%s\n' $expected | sort | xargs)
  if [[ $got != "$want" ]]; then
    echo "'$line': proposed '$got', expected '$want'"
    failures=$((failures + 1))
  fi
done
echo "${#cases[@]} completions, $failures wrong"
[ "$failures" -eq 0 ]
