#!/usr/bin/env python3
"""Line and branch coverage of the .cpp files of src/ from a coverage build.

Usage: scripts/coverage-summary.py [tree]   (default: this checkout)
The tree's build-cov must be configured with
  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage
and the suite run in it (ctest --test-dir build-cov -LE package). gcov runs in
build-cov itself, where the compiler ran, so the relative source paths that
ccache's base_dir leaves in the notes files resolve to this tree's sources.
"""
import glob
import os
import re
import subprocess
import sys

tree = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..'))
build = os.path.join(tree, 'build-cov')
sources = os.path.join(tree, 'src') + '/'
files = {}
for data in glob.glob(build + '/CMakeFiles/**/*.gcda', recursive=True):
    out = subprocess.run(['gcov', '-n', '-b', '-o', data, data], cwd=build, capture_output=True, text=True).stdout
    current = None
    for line in out.splitlines():
        m = re.match(r"File '(.*)'", line)
        if m:
            path = os.path.normpath(os.path.join(build, m.group(1)))
            current = path if path.startswith(sources) and path.endswith('.cpp') else None
        elif current:
            for key, pattern in (('lines', r'Lines executed:([\d.]+)% of (\d+)'),
                                 ('branches', r'Taken at least once:([\d.]+)% of (\d+)')):
                m = re.match(pattern, line)
                if m:
                    files.setdefault(current, {})[key] = (float(m.group(1)), int(m.group(2)))
for key in ('lines', 'branches'):
    total = sum(f[key][1] for f in files.values() if key in f)
    hit = sum(round(f[key][0] * f[key][1] / 100) for f in files.values() if key in f)
    print(f'{key}: {hit}/{total} = {100 * hit / total:.2f}%')
print(f'{len(files)} source files')
