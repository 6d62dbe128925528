#!/usr/bin/env python3
"""Reads gcovr JSON files, one per test executable (named <test>.json), and prints for each test the
lines and branches that it covers and no other test does, then those lines as ranges per file."""
import json
import os
import sys
from collections import defaultdict


def load(path):
    lines, branches = set(), set()
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    for entry in data.get("files", []):
        name = entry["file"]
        for line in entry.get("lines", []):
            if line.get("gcovr/noncode"):
                continue
            number = line["line_number"]
            if line.get("count", 0) > 0:
                lines.add((name, number))
            for index, branch in enumerate(line.get("branches", [])):
                if branch.get("count", 0) > 0:
                    branches.add((name, number, index))
    return lines, branches


def ranges(numbers):
    numbers = sorted(numbers)
    parts, start, last = [], None, None
    for n in numbers:
        if start is None:
            start = last = n
        elif n == last + 1:
            last = n
        else:
            parts.append(f"{start}-{last}" if last > start else str(start))
            start = last = n
    if start is not None:
        parts.append(f"{start}-{last}" if last > start else str(start))
    return ", ".join(parts)


def main(paths):
    tests = {os.path.basename(p)[: -len(".json")]: load(p) for p in paths}
    line_users, branch_users = defaultdict(set), defaultdict(set)
    for name, (lines, branches) in tests.items():
        for key in lines:
            line_users[key].add(name)
        for key in branches:
            branch_users[key].add(name)

    own = {}
    for name, (lines, branches) in tests.items():
        own_lines = {k for k in lines if len(line_users[k]) == 1}
        own_branches = {k for k in branches if len(branch_users[k]) == 1}
        own[name] = (own_lines, own_branches)

    print(f"{len(line_users)} lines and {len(branch_users)} branches covered by {len(tests)} tests\n")
    print(f"{'test':32} {'lines':>7} {'own':>5} {'branches':>9} {'own':>5}")
    for name in sorted(tests, key=lambda n: (-len(own[n][0]), n)):
        lines, branches = tests[name]
        print(f"{name:32} {len(lines):7} {len(own[name][0]):5} {len(branches):9} {len(own[name][1]):5}")

    for name in sorted(tests, key=lambda n: (-len(own[n][0]), n)):
        own_lines, own_branches = own[name]
        if not own_lines and not own_branches:
            continue
        print(f"\n== {name}: lines and branches no other test covers")
        by_file = defaultdict(set)
        for file, number in own_lines:
            by_file[file].add(number)
        for file, number, _ in own_branches:
            by_file[file].add(number)
        for file in sorted(by_file):
            print(f"  {file}: {ranges(by_file[file])}")


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("usage: coverage-report.py <test>.json ...")
    main(sys.argv[1:])
