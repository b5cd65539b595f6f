#!/usr/bin/env bash
# The host's JUnit file from a real run: junit_checks.txt flown with
# --junit must give one test case per expectation, named FILE:LINE after
# the scenario as given, the held ones passed with what was seen and the
# failed ones failed with it, markup characters and all, in a file an XML
# parser reads; a refused scenario is a failed case named by its line,
# and the run says no "failed expectations: 0"; the Windows program's
# bench writes the same file, and a module that does not load is a
# refused run. The main window's class is told only with --verbose.
#   junit_test.sh SCENARIO OUT PROGRAM [ARGS...]
set -uo pipefail
scenario=$1 out=$2
shift 2
host=("$@")
rm -rf "$out" && mkdir -p "$out" || exit 1
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# The expectations' line numbers, and those meant to fail.
expect_lines=$(grep -n '^expect' "$scenario" | cut -d: -f1 | tr '\n' ' ')
failing_lines=$(grep -n -e '^expect key_count' -e "hPa" "$scenario" | cut -d: -f1 | tr '\n' ' ')

"${host[@]}" --junit "$out/checks.xml" "$scenario" >"$out/checks.out" 2>&1
status=$?
said=$(tr -d '\r' <"$out/checks.out")
[ "$status" = 1 ] || fail "the checks: exit status $status, not 1: $said"
[[ $said == *"wrote $out/checks.xml"* ]] || fail "the checks: the JUnit file is not named as given: $said"
[[ $said == *"main window class"* ]] && fail "the checks: the window class told without --verbose: $said"

python3 - "$out/checks.xml" "$scenario" "$expect_lines" "$failing_lines" <<'PY' || fail "the checks' JUnit file"
import sys, xml.etree.ElementTree as ET
path, scenario, expect_lines, failing_lines = sys.argv[1:]
expected = [f"{scenario}:{n}" for n in expect_lines.split()]
failing = {f"{scenario}:{n}" for n in failing_lines.split()}
suite = ET.parse(path).getroot().find("testsuite")
cases = suite.findall("testcase")
problems = []
if [c.get("name") for c in cases] != expected:
    problems.append(f"cases {[c.get('name') for c in cases]}, not {expected}")
if suite.get("tests") != str(len(expected)) or suite.get("failures") != str(len(failing)):
    problems.append(f"counts tests={suite.get('tests')} failures={suite.get('failures')}")
for case in cases:
    failure = case.find("failure")
    if (failure is not None) != (case.get("name") in failing):
        problems.append(f"{case.get('name')}: failed {failure is not None}")
    elif failure is not None and ", saw " not in failure.get("message"):
        problems.append(f"{case.get('name')}: says not what was seen: {failure.get('message')}")
    elif failure is None and ", saw " not in (case.findtext("system-out") or ""):
        problems.append(f"{case.get('name')}: held, but says not what was seen")
messages = " ".join(c.find("failure").get("message") for c in cases if c.find("failure") is not None)
if "expected tooltip '<1013 & 'hPa'>' at 340,310 of ZOR_1, saw '1013'" not in messages:
    problems.append(f"the markup characters did not come through: {messages}")
print("\n".join(problems) or f"{len(cases)} cases, {len(failing)} failed as meant")
sys.exit(1 if problems else 0)
PY

# A scenario refused at its third line: exit status 2, no figures, and a
# failed case named by the line.
printf 'place ZOR_1 0 0\nframes 1\nfrobnicate on\n' >"$out/refused.txt"
"${host[@]}" --junit "$out/refused.xml" "$out/refused.txt" >"$out/refused.out" 2>&1
status=$?
said=$(tr -d '\r' <"$out/refused.out")
[ "$status" = 2 ] || fail "the refused run: exit status $status, not 2: $said"
[[ $said == *"failed expectations"* ]] && fail "the refused run tells expectations: $said"
python3 - "$out/refused.xml" "$out/refused.txt:3" <<'PY' || fail "the refused run's JUnit file"
import sys, xml.etree.ElementTree as ET
cases = ET.parse(sys.argv[1]).getroot().find("testsuite").findall("testcase")
failure = cases[0].find("failure") if len(cases) == 1 else None
ok = failure is not None and cases[0].get("name") == sys.argv[2] and failure.get("type") == "refused" \
    and "unknown command 'frobnicate'" in failure.get("message")
print("refused:", [(c.get("name"), c.find("failure").attrib if c.find("failure") is not None else None) for c in cases])
sys.exit(0 if ok else 1)
PY

# The Windows program: a module file that does not load is a refused
# run in the JUnit file too, and the bench (Wine's null driver shows it)
# reports its scenario's expectations as the headless run does.
count_cases() {
    python3 -c 'import sys, xml.etree.ElementTree as ET
s = ET.parse(sys.argv[1]).getroot().find("testsuite")
print(s.get("tests"), s.get("failures"), s.find("testcase/failure").get("type"))' "$1"
}
if [[ ${host[*]} == *.exe* ]]; then
    "${host[@]}" --module "$out/none.gau" --junit "$out/no_module.xml" "$scenario" >"$out/no_module.out" 2>&1
    status=$?
    cases=$(count_cases "$out/no_module.xml")
    [ "$status" = 2 ] && [ "$cases" = "1 1 refused" ] ||
        fail "a module that does not load: status $status, cases $cases: $(cat "$out/no_module.out")"
    "${host[@]}" --window --seconds 2 --junit "$out/bench.xml" "$scenario" >"$out/bench.out" 2>&1
    status=$?
    cases=$(count_cases "$out/bench.xml")
    [ "$status" = 1 ] && [ "$cases" = "5 2 expectation" ] ||
        fail "the bench: status $status, cases $cases: $(cat "$out/bench.out")"
fi

# --verbose tells each expectation that held; the Windows program tells
# its main window's class too.
"${host[@]}" --verbose "$scenario" >"$out/verbose.out" 2>&1
said=$(tr -d '\r' <"$out/verbose.out")
grep -q "$scenario:$(echo $expect_lines | cut -d' ' -f1): held: " <<<"$said" || fail "--verbose: no held expectation told: $said"
if [[ ${host[*]} == *.exe* ]]; then
    [[ $said == *"main window class: "* ]] || fail "--verbose: no window class: $said"
fi

[ "$failures" = 0 ] || exit 1
echo "junit_test: the JUnit files read as the runs went"
