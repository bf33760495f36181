#!/usr/bin/env python3
"""Check the given-name lists in data/names/.

Run from anywhere:  python3 tools/namegen/check.py
Exit status 0 when every rule holds, 1 otherwise (each failure is printed).

Rules: UTF-8, LF line endings, final newline, no blank line; single-character
tables hold at least 2000 rows of one CJK character each and a character
comes back only after at least 300 rows; two-character tables hold at least
2800 rows of two CJK characters each, every name once; every character is a
GB2312 hanzi (level 2 only if allowed), none is banned, no name is on the
blocklist, no two neighbouring names share their first character, and no
name is in both two-character tables.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import generate  # noqa: E402  (shared list readers, no side effects)

DATA = generate.OUT
MIN_GAP = 300
TABLES = {"male1.txt": (1, 2000), "female1.txt": (1, 2000),
          "male2.txt": (2, 2800), "female2.txt": (2, 2800)}


def is_cjk(ch):
    return "\u4e00" <= ch <= "\u9fff"


def main():
    errors = []
    banned = set(generate.chars("banned_chars.txt"))
    level2 = set(generate.chars("level2_allowed.txt"))
    block = set(generate.tokens("blocklist.txt"))
    loaded = {}
    for name, (length, min_rows) in TABLES.items():
        path = os.path.join(DATA, name)
        raw = open(path, "rb").read()
        try:
            text = raw.decode("utf-8")
        except UnicodeDecodeError as e:
            errors.append(f"{name}: not UTF-8 ({e})")
            continue
        if "\r" in text:
            errors.append(f"{name}: CR characters (line endings must be LF)")
        if text.startswith("\ufeff"):
            errors.append(f"{name}: byte-order mark")
        if not text.endswith("\n"):
            errors.append(f"{name}: no final newline")
        rows = text[:-1].split("\n") if text.endswith("\n") else text.split("\n")
        loaded[name] = rows
        if len(rows) < min_rows:
            errors.append(f"{name}: {len(rows)} rows, need at least {min_rows}")
        for i, row in enumerate(rows, 1):
            where = f"{name}:{i}"
            if not row:
                errors.append(f"{where}: empty line")
                continue
            if len(row) != length or not all(is_cjk(c) for c in row):
                errors.append(f"{where}: '{row}' is not {length} CJK character(s)")
                continue
            for ch in row:
                level = generate.gb2312_level(ch)
                if level is None:
                    errors.append(f"{where}: '{ch}' is not a GB2312 hanzi")
                elif level == 2 and ch not in level2:
                    errors.append(f"{where}: '{ch}' is GB2312 level 2 and not allowed")
                if ch in banned:
                    errors.append(f"{where}: '{ch}' is banned")
            if length == 2 and row in block:
                errors.append(f"{where}: '{row}' is on the blocklist")
            if i > 1 and row[0] == rows[i - 2][0] and length == 2:
                errors.append(f"{where}: '{row}' shares its first character with the row before")
        if length == 1:
            last = {}
            for i, ch in enumerate(rows):
                if ch in last and i - last[ch] < MIN_GAP:
                    errors.append(f"{name}:{i + 1}: '{ch}' recurs after {i - last[ch]} rows (row {last[ch] + 1})")
                last[ch] = i
            print(f"{name}: {len(rows)} rows, {len(set(rows))} distinct characters, "
                  f"shortest recurrence {min_gap(rows)} rows")
        else:
            seen = {}
            for i, row in enumerate(rows, 1):
                if row in seen:
                    errors.append(f"{name}:{i}: '{row}' repeats row {seen[row]}")
                seen.setdefault(row, i)
            print(f"{name}: {len(rows)} rows, {len(seen)} distinct names, "
                  f"{len({r[0] for r in rows})} first characters")
    if "male2.txt" in loaded and "female2.txt" in loaded:
        both = set(loaded["male2.txt"]) & set(loaded["female2.txt"])
        # Curated unisex names may be on both curated whole lists.
        allowed = set(generate.tokens("male_whole.txt")) & set(generate.tokens("female_whole.txt"))
        for n in sorted(both - allowed):
            errors.append(f"'{n}' is in both male2.txt and female2.txt")
    for e in errors:
        print(e)
    print("OK" if not errors else f"{len(errors)} problem(s)")
    return 1 if errors else 0


def min_gap(rows):
    last, best = {}, None
    for i, ch in enumerate(rows):
        if ch in last:
            gap = i - last[ch]
            best = gap if best is None else min(best, gap)
        last[ch] = i
    return best


if __name__ == "__main__":
    sys.exit(main())
