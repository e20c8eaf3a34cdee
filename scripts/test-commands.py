#!/usr/bin/env python3
"""Prints each test of a build folder that ctest knows, one a line, as a
shell-quoted list: name, its environment settings, "--", its command.

    scripts/test-commands.py BUILD-DIR [TEST-REGEX]
"""
import json
import shlex
import subprocess
import sys

build = sys.argv[1]
regex = sys.argv[2:3]
listing = subprocess.run(
    ["ctest", "--show-only=json-v1"] + (["-R", regex[0]] if regex else []),
    cwd=build, check=True, capture_output=True, text=True).stdout
for test in json.loads(listing)["tests"]:
    env = []
    for prop in test.get("properties", []):
        if prop["name"] == "ENVIRONMENT":
            env = prop["value"]
    print(shlex.join([test["name"], *env, "--", *test["command"]]))
