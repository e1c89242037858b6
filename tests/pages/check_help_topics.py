#!/usr/bin/env python3
"""Checks that every help topic the program names has its page in the help folder.

usage: check_help_topics.py SOURCE_FOLDER HELP_FOLDER

A topic is a quoted file name ending in ".htm" in the program's sources (the Quick Intro's own
pages excepted). Exit status 0 when each has a page; otherwise the missing ones are printed with
the source file that names them, and the status is 1.
"""
import os
import re
import sys

TOPIC = re.compile(r'"([A-Za-z0-9_]+\.htm)"')


def named_topics(source_folder):
    topics = {}
    for root, dirs, files in os.walk(source_folder):
        dirs[:] = [d for d in dirs if d != "intro"]
        for name in files:
            if not name.endswith((".cpp", ".h")):
                continue
            path = os.path.join(root, name)
            with open(path, encoding="utf-8") as source:
                for topic in TOPIC.findall(source.read()):
                    topics.setdefault(topic, path)
    return topics


def main():
    if len(sys.argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    topics = named_topics(sys.argv[1])
    missing = [f"{path}: names {topic}, which has no page" for topic, path in sorted(topics.items())
               if not os.path.isfile(os.path.join(sys.argv[2], topic))]
    if not topics:
        missing.append(f"{sys.argv[1]}: no help topics found")
    for fault in missing:
        print(fault)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
