#!/usr/bin/env python3
"""The page check finds each kind of fault: a copy of the real pages with one fault in it must fail,
and the unchanged copy beside them must pass.

usage: check_pages_faults.py VNU_JAR PAGE_FOLDER
"""
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# (what is wrong, file, text replaced, replacement); None as the text deletes the file.
FAULTS = [
    ("a page is missing", "index3.htm", None, None),
    ("invalid HTML", "index1.htm", "</h1>", "</h2>"),
    ("no charset", "index2.htm", '<meta charset="utf-8">', ""),
    ("a script", "index.htm", "</body>", "<script>alert(1)</script></body>"),
    ("an event handler", "index.htm", "<body>", '<body onload="go()">'),
    ("a remote image", "index4.htm", 'src="images/toolbar.png"', 'src="https://example.com/t.png"'),
    ("a missing image", "index1.htm", 'src="images/document_list.png"', 'src="images/nothing.png"'),
    ("a remote stylesheet", "index2.htm", 'href="intro.css"', 'href="//example.com/intro.css"'),
    ("invalid CSS", "intro.css", "margin: 0;", "margin: zero;"),
]


def main():
    jar, folder = sys.argv[1], sys.argv[2]
    failures = 0
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for number, (name, target, old, new) in enumerate([("no fault", "index.htm", "", "")] + FAULTS):
            copy = os.path.join(scratch, f"case{number}", "Tourlet")
            shutil.copytree(folder, copy)
            path = os.path.join(copy, target)
            if old is None:
                os.remove(path)
            elif old:
                with open(path, encoding="utf-8") as f:
                    text = f.read()
                if old not in text:
                    print(f"{name}: the pages no longer hold {old!r}; update this case")
                    failures += 1
                with open(path, "w", encoding="utf-8") as f:
                    f.write(text.replace(old, new, 1))
            copies.append((name, copy))
        # One run of the checker over every copy: it names the file of each fault.
        run = subprocess.run([sys.executable, os.path.join(HERE, "check_pages.py"), jar] + [c for _, c in copies],
                             capture_output=True, text=True)
        for number, (name, copy) in enumerate(copies):
            found = any(copy + os.sep in line for line in run.stdout.splitlines())
            if found != (number > 0):
                print(f"{name}: {'not found' if number else 'reported though the pages are unchanged'}")
                failures += 1
        if run.returncode != 1:
            print(f"the check ended with status {run.returncode}, not 1")
            failures += 1
    print(f"{len(FAULTS) + 1 - failures} of {len(FAULTS) + 1} cases as expected")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
