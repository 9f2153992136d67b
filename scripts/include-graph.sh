#!/usr/bin/env bash
# Prints the include graph of src/ between areas, with each file's layer
# (core or ui, read from the <area>_core_SOURCES and <area>_ui_SOURCES lists
# of src/<area>/CMakeLists.txt; a module's entry, <area>_module_SOURCES, is ui), and fails when two areas include each other
# (directly or through others) or when a core file includes a header that is
# not core.
# Usage: scripts/include-graph.sh [--files] [source root]
set -euo pipefail
files=0
if [ "${1:-}" = "--files" ]; then
  files=1
  shift
fi
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
exec python3 - "$root" "$files" <<'PY'
import os
import re
import sys

root, list_files = sys.argv[1], sys.argv[2] == "1"
src = os.path.join(root, "src")

# Layer of each file, from the two lists of each area.
areas = sorted(d for d in os.listdir(src) if os.path.isfile(os.path.join(src, d, "CMakeLists.txt")))
layer = {}
list_re = re.compile(r"set\(\s*(\w+?)_(core|ui|module)_SOURCES\b([^)]*)\)", re.S)
for area in areas:
    with open(os.path.join(src, area, "CMakeLists.txt"), encoding="utf-8") as f:
        text = re.sub(r"#[^\n]*", "", f.read())
    for owner, kind, body in list_re.findall(text):
        for name in body.split():
            layer[f"{area}/{name}"] = "core" if kind == "core" else "ui"

# Includes between files of src/, by their path under src/.
include_re = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
edges = {}      # (area, layer) -> {(area, layer): example}
problems = []
unlisted = []
all_files = []
for area in areas:
    for dirpath, _, names in os.walk(os.path.join(src, area)):
        for name in sorted(names):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(dirpath, name), src)
            all_files.append(path)
            mine = layer.get(path)
            if mine is None:
                unlisted.append(path)
                mine = "ui"
            with open(os.path.join(src, path), encoding="utf-8") as f:
                for target in include_re.findall(f.read()):
                    if "/" not in target:
                        target = os.path.join(os.path.dirname(path), target)
                    if not os.path.isfile(os.path.join(src, target)):
                        continue  # generated (moc) or outside src/
                    theirs = layer.get(target, "ui")
                    to_area = target.split("/")[0]
                    if mine == "core" and theirs != "core":
                        problems.append(f"core file {path} includes {target}, which is not core")
                    if (area, mine) != (to_area, theirs):
                        edges.setdefault((area, mine), {}).setdefault((to_area, theirs), f"{path} -> {target}")

# The program's entry point is the only file outside both libraries.
unlisted = [p for p in unlisted if p != "app/main.cpp"]
for path in unlisted:
    problems.append(f"{path} is in no source list of src/{path.split('/')[0]}/CMakeLists.txt")

area_deps = {a: set() for a in areas}
for (a, _), targets in edges.items():
    for (b, _) in targets:
        if a != b:
            area_deps[a].add(b)

# Lowest areas first; what is left over sits on a cycle.
order, placed = [], set()
while len(placed) < len(areas):
    ready = [a for a in areas if a not in placed and area_deps[a] <= placed]
    if not ready:
        break
    order.extend(ready)
    placed.update(ready)
left = [a for a in areas if a not in placed]


def cycle_through(start):
    # A path back to start, following includes.
    stack, seen = [(start, [start])], set()
    while stack:
        node, path = stack.pop()
        for nxt in sorted(area_deps[node]):
            if nxt == start:
                return path + [start]
            if nxt not in seen and nxt in left:
                seen.add(nxt)
                stack.append((nxt, path + [nxt]))
    return None


reported = set()
for a in left:
    cycle = cycle_through(a)
    if cycle and frozenset(cycle) not in reported:
        reported.add(frozenset(cycle))
        steps = []
        for x, y in zip(cycle, cycle[1:]):
            example = next(e for (s, _), t in edges.items() if s == x for (d, _), e in t.items() if d == y)
            steps.append(f"  {example}")
        problems.append("areas include each other: " + " -> ".join(cycle) + "\n" + "\n".join(steps))

count = {"core": 0, "ui": 0}
for path in all_files:
    count[layer.get(path, "ui")] += 1
print(f"Include graph of src/: {count['core']} core files (tarvolix_core), {count['ui']} ui files (tarvolix_ui).")
print("Areas, lowest first; an area includes only from the areas named after its arrow:")
width = max(len(a) for a in areas) + 5
for a in order + left:
    print(f"  {a:<{width - 5}} -> {' '.join(sorted(area_deps[a], key=(order + left).index)) or '(nothing)'}")
print("Layers (core includes core only; ui includes both):")
for a in order + left:
    for mine in ("core", "ui"):
        targets = edges.get((a, mine))
        if targets:
            names = sorted((f"{b}/{l}" for b, l in targets), key=lambda n: ((order + left).index(n.split("/")[0]), n))
            print(f"  {a + '/' + mine:<{width}} -> {' '.join(names)}")
if list_files:
    print("Files:")
    for path in sorted(all_files):
        print(f"  {layer.get(path, 'ui'):<4} {path}")
if problems:
    print("\nFAILED:", file=sys.stderr)
    for p in problems:
        print(p, file=sys.stderr)
    sys.exit(1)
PY
