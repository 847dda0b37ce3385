#!/usr/bin/env bash
# Runs every test program of the default build under Valgrind's memcheck, with the environment
# ctest gives it. A test fails on any memory error or definite leak; the programs the tests start
# (the window, the checker, the crash writer) run under memcheck too. Logs go to
# build/default/memcheck/. Usage: scripts/memcheck.sh [test name regex]
set -uo pipefail
cd "$(dirname "$0")/.."
build=build/default
logs=$build/memcheck
rm -rf "$logs"
mkdir -p "$logs"
filter=${1:-.}

tests() {
    ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, sys
for test in json.load(sys.stdin)["tests"]:
    env = next((p["value"] for p in test.get("properties", []) if p["name"] == "ENVIRONMENT"), [])
    print(test["name"], " ".join(env), "\x1f".join(test["command"]), sep="\x1f")
'
}

failed=0
while IFS=$'\x1f' read -r -a fields; do
    name=${fields[0]}
    environment=${fields[1]}
    program=${fields[2]}
    arguments=("${fields[@]:3}")
    [[ $name =~ $filter ]] || continue
    # Only our own programs; the packaging checks run system tools.
    [[ $program == "$PWD/$build"/* ]] || continue
    start=$SECONDS
    # Qt's regular expressions run PCRE2's JIT code, which reads whole vectors past a string's
    # end and so looks faulty to memcheck; the interpreter does the same work without that.
    # A forked test child ends without the threads whose memory it inherited, which would
    # count as leaks: only what children start with exec is checked.
    # shellcheck disable=SC2086
    env $environment QT_QPA_PLATFORM=offscreen QT_ENABLE_REGEXP_JIT=0 valgrind --quiet \
        --error-exitcode=99 --leak-check=full --show-leak-kinds=definite \
        --errors-for-leak-kinds=definite --trace-children=yes --child-silent-after-fork=yes \
        --vgdb=no --suppressions=tests/valgrind.supp \
        --log-file="$logs/$name.%p.log" "$program" "${arguments[@]}" >"$logs/$name.out" 2>&1
    status=$?
    if [[ $status == 0 ]]; then
        echo "ok      $name ($((SECONDS - start)) s)"
    else
        echo "FAILED  $name (exit $status, $((SECONDS - start)) s; see $logs/$name.*)"
        failed=1
    fi
done < <(tests)
exit $failed
