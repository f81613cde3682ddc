"""Reads a report for programs with Python's own parsers.

  report_data_check.py json FILE   prints the JSON as written, its creation
                                   time and computer name (checked for their
                                   form) replaced by CREATED and COMPUTER
  report_data_check.py csv FILE    prints each CSV row, fields joined by |,
                                   after checking the byte-order mark and the
                                   header
  report_data_check.py items JSON CSV
                                   prints the number of sub-items in each
A file the parser refuses ends the run with an error.
"""
import csv
import json
import re
import sys

def csv_rows(path):
    with open(path, "rb") as file:
        assert file.read(3) == b"\xef\xbb\xbf", "no byte-order mark"
    with open(path, encoding="utf-8-sig", newline="") as file:
        rows = list(csv.reader(file, strict=True))
    assert rows[0] == ["item", "section", "caption", "group", "label", "value"], rows[0]
    assert all(len(row) == 6 for row in rows), "a row without six fields"
    return rows[1:]


kind, path = sys.argv[1], sys.argv[2]
if kind == "items":
    with open(path, encoding="utf-8") as file:
        items = json.load(file)["items"]
    print(len(items), len({row[0] for row in csv_rows(sys.argv[3])}))
elif kind == "json":
    with open(path, encoding="utf-8") as file:
        text = file.read()
    data = json.loads(text)
    assert re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d[+-]\d\d:\d\d", data["created"]), data["created"]
    assert data["computer"], "no computer name"
    text = text.replace(json.dumps(data["created"]), '"CREATED"', 1)
    text = text.replace(json.dumps(data["computer"], ensure_ascii=False), '"COMPUTER"', 1)
    sys.stdout.write(text.replace("\r", ""))
else:
    for row in csv_rows(path):
        print("|".join(row))
