"""Reads a report for programs with Python's own parsers.

  report_data_check.py json FILE   prints the JSON as written, its creation
                                   time and computer name (checked for their
                                   form) replaced by CREATED and COMPUTER
  report_data_check.py csv FILE    prints each CSV row, fields joined by |,
                                   after checking the byte-order mark and the
                                   header
A file the parser refuses ends the run with an error.
"""
import csv
import json
import re
import sys

kind, path = sys.argv[1], sys.argv[2]
if kind == "json":
    with open(path, encoding="utf-8") as file:
        text = file.read()
    data = json.loads(text)
    assert re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d", data["created"]), data["created"]
    assert data["computer"], "no computer name"
    text = text.replace(json.dumps(data["created"]), '"CREATED"', 1)
    text = text.replace(json.dumps(data["computer"], ensure_ascii=False), '"COMPUTER"', 1)
    sys.stdout.write(text.replace("\r", ""))
else:
    with open(path, "rb") as file:
        assert file.read(3) == b"\xef\xbb\xbf", "no byte-order mark"
    with open(path, encoding="utf-8-sig", newline="") as file:
        rows = list(csv.reader(file, strict=True))
    assert rows[0] == ["item", "section", "caption", "group", "label", "value"], rows[0]
    for row in rows[1:]:
        assert len(row) == 6, row
        print("|".join(row))
