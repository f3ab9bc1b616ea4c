#!/usr/bin/env python3
"""Writes a ZIP again so that only what it holds decides its bytes: members
in name order, each with the time SOURCE_DATE_EPOCH gives (as UTC), its Unix
mode, and nothing else of the machine that made it: no owner, no time zone.

    normalise_zip.py ARCHIVE.zip
"""
import os
import sys
import time
import zipfile


def normalise(path):
    stamp = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
    with zipfile.ZipFile(path) as source:
        members = sorted((info.filename, info.external_attr >> 16, source.read(info)) for info in source.infolist())
    with zipfile.ZipFile(path + ".new", "w") as target:
        for name, mode, data in members:
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.create_system = 3  # Unix, whose mode follows
            info.external_attr = mode << 16
            info.compress_type = zipfile.ZIP_DEFLATED
            target.writestr(info, data, compresslevel=9)
    os.replace(path + ".new", path)


if __name__ == "__main__":
    normalise(sys.argv[1])
