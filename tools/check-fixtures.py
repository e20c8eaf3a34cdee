#!/usr/bin/env python3
"""Shows a check failing on samples that break its rule.

tools/fixtures/CHECK/ holds samples for tools/check-CHECK.py: each file or
folder there is given to the check as its one argument. A sample that
breaks the rule must make the check fail with exactly the lines listed here,
a sample that keeps it (no lines listed) must pass, and a sample not listed
here fails this run, so that none is forgotten.

    check-fixtures.py CHECK        (connections or readme-names)
"""
import pathlib
import subprocess
import sys

tools = pathlib.Path(__file__).resolve().parent
expected = {
    "connections": {
        "method-code-strings.cpp": [
            'method-code-strings.cpp:5: "2destroyed()" names a signal, slot or method as a string',
            'method-code-strings.cpp:5: "1deleteLater()" names a signal, slot or method as a string',
            'method-code-strings.cpp:6: "2destroyed(QObject*)" names a signal, slot or method as a string',
            'method-code-strings.cpp:6: "0update()" names a signal, slot or method as a string',
        ],
        "invoke-method-name.cpp": [
            "invoke-method-name.cpp:5: invokeMethod() calls a method by name",
            "invoke-method-name.cpp:6: invokeMethod() calls a method by name",
            "invoke-method-name.cpp:8: invokeMethod() calls a method by name",
        ],
        "form-connection.ui": [
            "form-connection.ui:13: the form connects by name (<connection>)",
        ],
        "slot-by-name.h": [
            "slot-by-name.h:7: on_closeButton_clicked() is connected by name by a form's setupUi",
        ],
        "callables.cpp": [],
    },
    "readme-names": {
        # A renamed signal whose old word is still in its source, and a
        # header no map names.
        "stale-map": [
            "gauges/README.md: `Gauge::measured`: Gauge declares no measured",
            "gauges/README.md: names no GaugeScale.h (neither the file nor a class it declares)",
        ],
    },
}

check = sys.argv[1]
samples = tools / "fixtures" / check
failures = []
for sample in sorted(samples.iterdir()):
    lines = expected[check].get(sample.name)
    if lines is None:
        failures.append(f"{sample.name}: not listed in {pathlib.Path(__file__).name}")
        continue
    run = subprocess.run([sys.executable, str(tools / f"check-{check}.py"), str(sample)],
                         capture_output=True, text=True)
    got = run.stdout.splitlines()
    want_code = 1 if lines else 0
    if run.returncode != want_code or got != lines:
        printed = got + run.stderr.splitlines()
        failures.append(f"{sample.name}: exit {run.returncode} (wanted {want_code}), printed:\n  "
                        + ("\n  ".join(printed) or "(nothing)")
                        + "\nwanted:\n  " + ("\n  ".join(lines) or "(nothing)"))
missing = set(expected[check]) - {s.name for s in samples.iterdir()}
failures += [f"{name}: listed but not in {samples}" for name in sorted(missing)]

for f in failures:
    print(f)
if not failures:
    print(f"{check}: all {len(expected[check])} samples as expected")
sys.exit(1 if failures else 0)
