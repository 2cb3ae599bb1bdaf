#!/usr/bin/env bash
# The bash completion of tallyfox-check and tallyfox-create: options (read from the
# tools' own --help), option values and list files. Runs in a scratch folder.
#   completion_test.sh COMPLETION_FOLDER TOOL_FOLDER
set -euo pipefail
completions=$1
export PATH="$2:$PATH"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
touch photos.sfv release.MD5 SHA256SUMS notes.txt
mkdir folder

# shellcheck source=/dev/null
source "$completions/tallyfox-check"
# shellcheck source=/dev/null
source "$completions/tallyfox-create"

failures=0
# expect NAME "EXPECTED WORDS" WORD...: completes the last word of the command line.
expect() {
  local name=$1 expected=$2 function
  shift 2
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  case $1 in
    tallyfox-check) function=_tallyfox_check ;;
    tallyfox-create) function=_tallyfox_create ;;
  esac
  "$function"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  if [ "$got" != "$expected" ]; then
    echo "FAIL $name: expected '$expected', got '$got'"
    failures=$((failures + 1))
  else
    echo "ok   $name"
  fi
}

expect CheckLongOptions "--extra --help --hidden --jobs --recursive --report" tallyfox-check --
expect CheckOptionPrefix "--recursive --report" tallyfox-check --re
expect CheckListsAndFolders "SHA256SUMS folder photos.sfv release.MD5" tallyfox-check ""
expect CheckReportTakesAnyFile "notes.txt" tallyfox-check --report no
expect CheckJobsValues "1 2 3 4 5 6 7 8 auto" tallyfox-check --jobs ""
expect CreateKinds "--md5" tallyfox-create --m
expect CreateShortAndLongOptions "--blake2b --blake3 --help --hidden --jobs --md5 --output --per-folder --sfv --sha1 --sha256 --sha512 --tag -h -j -o" tallyfox-create -
expect CreateOutputIsAPath "notes.txt" tallyfox-create --sfv -o no
expect CreateFilesToList "SHA256SUMS folder notes.txt photos.sfv release.MD5" tallyfox-create --md5 -o x.md5 ""
expect CreateJobsValues "auto" tallyfox-create -j a

[ "$failures" -eq 0 ]
