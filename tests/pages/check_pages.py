#!/usr/bin/env python3
"""Checks the Quick Intro's page folder: five valid, self-contained HTML pages.

usage: check_pages.py VNU_JAR [--pages=NAME,NAME...] PAGE_FOLDER...

Valid means the HTML checker (and its CSS check) reports no error. Self-contained means a
declared UTF-8 charset, no scripts, and every image, stylesheet or link a file of the folder.
The pages each folder must hold are the Quick Intro's five unless --pages names others.
Exit status 0 when all holds; otherwise every fault is printed, with the path of the file it
is in, and the status is 1. Several folders are checked with one run of the checker.
"""
import os
import re
import subprocess
import sys

PAGES = ["index.htm", "index1.htm", "index2.htm", "index3.htm", "index4.htm"]
REFERENCE = re.compile(r"""(?:src|href)\s*=\s*["']([^"']*)["']|url\(\s*["']?([^"')]*)""", re.IGNORECASE)


def reference_faults(folder, name, text):
    name = os.path.join(folder, name)
    faults = []
    for match in REFERENCE.finditer(text):
        target = match.group(1) if match.group(1) is not None else match.group(2)
        if re.match(r"^[a-z][a-z0-9+.-]*:|^//", target, re.IGNORECASE):
            faults.append(f"{name}: refers outside the folder: {target}")
        elif target.startswith("#"):
            continue
        elif not os.path.isfile(os.path.join(folder, target.split("#")[0])):
            faults.append(f"{name}: refers to a missing file: {target}")
    return faults


def page_faults(folder, name):
    path = os.path.join(folder, name)
    if not os.path.isfile(path):
        return [f"{path}: missing"]
    with open(path, encoding="utf-8") as page:
        text = page.read()
    faults = []
    if not re.search(r"<meta\s+charset\s*=\s*[\"']?utf-8", text, re.IGNORECASE):
        faults.append(f"{path}: no declared UTF-8 charset")
    if re.search(r"<script|\son[a-z]+\s*=|javascript:", text, re.IGNORECASE):
        faults.append(f"{path}: has a script")
    return faults + reference_faults(folder, name, text)


def checker_faults(folders, jar):
    files = [os.path.join(folder, name) for folder in folders for name in sorted(os.listdir(folder))
             if name.endswith((".htm", ".css"))]
    run = subprocess.run(["java", "-jar", jar, "--errors-only", "--also-check-css", *files],
                         capture_output=True, text=True)
    if run.returncode == 0:
        return []
    return [line for line in (run.stderr + run.stdout).splitlines() if line.strip()] or ["the HTML checker failed"]


def main():
    if len(sys.argv) < 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    jar, folders = sys.argv[1], sys.argv[2:]
    pages = PAGES
    if folders and folders[0].startswith("--pages="):
        pages = [name for name in folders[0][len("--pages="):].split(",") if name]
        folders = folders[1:]
    if not os.path.isfile(jar):
        print(f"no HTML checker at {jar}: run scripts/install-deps.sh", file=sys.stderr)
        return 1
    faults = []
    for folder in folders:
        for name in pages:
            faults += page_faults(folder, name)
        for name in sorted(os.listdir(folder)):
            if name.endswith(".css"):
                with open(os.path.join(folder, name), encoding="utf-8") as sheet:
                    faults += reference_faults(folder, name, sheet.read())
    faults += checker_faults(folders, jar)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
