#!/usr/bin/env python3
"""Reads an exported file back with Python's own parsers, for the export tests.

  parse_export.py csv FILE   one line per record: its fields as hex of their UTF-8
                             bytes, separated by commas; fails unless the file starts
                             with a UTF-8 byte order mark and parses strictly
  parse_export.py html FILE  one line per start tag ("T name") and per text run
                             ("D hex of its UTF-8 bytes"), character references resolved
"""
import csv
import html.parser
import io
import sys


def hexed(text):
    return text.encode("utf-8").hex()


def dump_csv(path):
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"\xef\xbb\xbf"):
        sys.exit("no byte order mark")
    text = data[3:].decode("utf-8")
    for record in csv.reader(io.StringIO(text, newline=""), strict=True):
        print(",".join(hexed(field) for field in record))


class Outline(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)

    def handle_starttag(self, tag, attrs):
        print("T", tag)

    def handle_data(self, data):
        print("D", hexed(data))


def dump_html(path):
    with open(path, encoding="utf-8") as f:
        parser = Outline()
        parser.feed(f.read())
        parser.close()


if __name__ == "__main__":
    {"csv": dump_csv, "html": dump_html}[sys.argv[1]](sys.argv[2])
