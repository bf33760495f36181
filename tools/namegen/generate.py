#!/usr/bin/env python3
"""Generate the given-name lists in data/names/ from the curated lists in chars/.

How to rerun (from the repository root, Python 3 standard library only):

    python3 tools/namegen/generate.py      # rewrites data/names/*.txt
    python3 tools/namegen/check.py         # verifies the result

The build does NOT run this script; it reads data/names/*.txt. The output is
deterministic: the same character lists and SEED give byte-identical files.
Edit the lists in tools/namegen/chars/, rerun both commands, commit the lists,
the script and data/names/ together.

Output (UTF-8, one given name a line, LF, final newline, no header):
  male1.txt, female1.txt   single-character names; a character comes back
                           only after at least MIN_GAP rows
  male2.txt, female2.txt   two-character names, each name once

Inputs in chars/ (whitespace-separated tokens, '#' starts a comment):
  male_single.txt, female_single.txt      characters for single names
  {male,female}_first_{modern,classic}.txt, {male,female}_second_{...}.txt
                                          characters combined first x second,
                                          modern with modern, classic with
                                          classic (never across styles)
  male_whole.txt, female_whole.txt        curated names taken whole
  blocklist.txt                           pairs never produced (bad readings)
  same_sound.txt                          groups of like-sounding characters;
                                          a generated pair within one group
                                          (亦依, 欣馨) is dropped
  banned_chars.txt                        characters never allowed anywhere
  level2_allowed.txt                      GB2312 level-2 characters allowed
                                          (everything else must be level 1)
"""

import os
import random
import sys

SEED = 20240602
MIN_GAP = 300          # the rule: a single character recurs only after this
GEN_GAP = 305          # the generator keeps a little more distance than that
SINGLE_ROWS = 2100
DOUBLE_ROWS = 3000
CLASSIC_SHARE = 0.18   # at most this share of generated pairs is classic style

HERE = os.path.dirname(os.path.abspath(__file__))
CHARS = os.path.join(HERE, "chars")
OUT = os.path.normpath(os.path.join(HERE, "..", "..", "data", "names"))


def tokens(name):
    """Whitespace-separated tokens of chars/<name>, comments removed, in order,
    duplicates dropped."""
    seen, out = set(), []
    with open(os.path.join(CHARS, name), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0]
            for tok in line.split():
                if tok not in seen:
                    seen.add(tok)
                    out.append(tok)
    return out


def chars(name):
    out = tokens(name)
    for tok in out:
        if len(tok) != 1:
            sys.exit(f"{name}: '{tok}' is not a single character")
    return out


def gb2312_level(ch):
    """1 or 2 for a GB2312 hanzi, None if not a GB2312 hanzi."""
    try:
        b = ch.encode("gb2312")
    except UnicodeEncodeError:
        return None
    if len(b) != 2:
        return None
    if 0xB0 <= b[0] <= 0xD7:
        return 1
    if 0xD8 <= b[0] <= 0xF7:
        return 2
    return None


class Checker:
    def __init__(self):
        self.banned = set(chars("banned_chars.txt"))
        self.level2 = set(chars("level2_allowed.txt"))
        self.block = set(tokens("blocklist.txt"))
        self.errors = []

    def char_ok(self, ch, where):
        level = gb2312_level(ch)
        if level is None:
            self.errors.append(f"{where}: '{ch}' is not a GB2312 hanzi")
        elif level == 2 and ch not in self.level2:
            self.errors.append(f"{where}: '{ch}' is GB2312 level 2 and not in level2_allowed.txt")
        if ch in self.banned:
            self.errors.append(f"{where}: '{ch}' is a banned character")

    def check_list(self, name, items):
        for item in items:
            for ch in item:
                self.char_ok(ch, name)

    def done(self):
        if self.errors:
            sys.exit("\n".join(self.errors))


def single_table(pool, rows, rng):
    """Rows of single characters: each row takes a character unused for at
    least GEN_GAP rows, preferring the least-used ones, chosen at random among
    those; the order thus changes from one round through the pool to the next
    while the distance rule holds across round boundaries."""
    if len(pool) < GEN_GAP + 8:
        sys.exit(f"need at least {GEN_GAP + 8} characters for single names, have {len(pool)}")
    last = {c: -10**9 for c in pool}
    used = {c: 0 for c in pool}
    out = []
    for i in range(rows):
        eligible = [c for c in pool if i - last[c] >= GEN_GAP]
        least = min(used[c] for c in eligible)
        choice = rng.choice([c for c in eligible if used[c] == least])
        out.append(choice)
        last[choice] = i
        used[choice] += 1
    return out


def sound_groups():
    """Map each character to the index of its same-sound group."""
    group = {}
    with open(os.path.join(CHARS, "same_sound.txt"), encoding="utf-8") as f:
        for i, line in enumerate(f):
            for ch in line.split("#", 1)[0].split():
                group.setdefault(ch, i)
    return group


SOUND = None


def pairs(first, second, checker):
    global SOUND
    if SOUND is None:
        SOUND = sound_groups()
    out = []
    for a in first:
        for b in second:
            name = a + b
            if a == b or name in checker.block:
                continue
            if a in SOUND and SOUND.get(b) == SOUND[a]:
                continue
            out.append(name)
    return out


def double_table(sex, other_pool, checker, rng):
    whole = tokens(f"{sex}_whole.txt")
    for name in whole:
        if len(name) != 2:
            sys.exit(f"{sex}_whole.txt: '{name}' is not two characters")
        if name in checker.block:
            sys.exit(f"{sex}_whole.txt: '{name}' is on the blocklist")
    checker.check_list(f"{sex}_whole.txt", whole)
    lists = {}
    for style in ("modern", "classic"):
        for pos in ("first", "second"):
            fn = f"{sex}_{pos}_{style}.txt"
            lists[(style, pos)] = chars(fn)
            checker.check_list(fn, lists[(style, pos)])
    checker.done()

    whole_set = set(whole)
    modern = [n for n in pairs(lists[("modern", "first")], lists[("modern", "second")], checker)
              if n not in whole_set]
    classic = [n for n in pairs(lists[("classic", "first")], lists[("classic", "second")], checker)
               if n not in whole_set and n not in modern]
    # A generated name that the other sex's lists also produce is ambiguous:
    # keep it only if it is on this sex's curated whole list.
    modern = [n for n in modern if n not in other_pool]
    classic = [n for n in classic if n not in other_pool]

    print(f"{sex}2: {len(whole)} whole, {len(modern)} modern and {len(classic)} classic pairs")
    need = DOUBLE_ROWS - len(whole)
    n_classic = min(len(classic), int(need * CLASSIC_SHARE))
    n_modern = need - n_classic
    if n_modern > len(modern):
        sys.exit(f"{sex}: only {len(modern)} modern pairs for {n_modern} rows")
    chosen = whole + rng.sample(modern, n_modern) + rng.sample(classic, n_classic)
    rng.shuffle(chosen)
    return interleave(chosen, rng)


def interleave(names, rng):
    """Reorder so that a name shares its first character with none of the
    previous 6 names and its second character with none of the previous 3."""
    rest = list(names)
    out = []
    while rest:
        pick = 0
        for k in range(min(len(rest), 400)):
            n = rest[k]
            if all(n[0] != m[0] for m in out[-6:]) and all(n[1] != m[1] for m in out[-3:]):
                pick = k
                break
        out.append(rest.pop(pick))
    return out


def generated_pool(sex):
    out = set()
    for style in ("modern", "classic"):
        for a in chars(f"{sex}_first_{style}.txt"):
            for b in chars(f"{sex}_second_{style}.txt"):
                out.add(a + b)
    return out | set(tokens(f"{sex}_whole.txt"))


def write(name, rows):
    path = os.path.join(OUT, name)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        for row in rows:
            f.write(row + "\n")
    print(f"{path}: {len(rows)} rows")


def main():
    checker = Checker()
    os.makedirs(OUT, exist_ok=True)
    rng = random.Random(SEED)

    singles = {}
    for sex in ("male", "female"):
        pool = chars(f"{sex}_single.txt")
        checker.check_list(f"{sex}_single.txt", pool)
        checker.done()
        singles[sex] = single_table(pool, SINGLE_ROWS, rng)
    doubles = {
        "male": double_table("male", generated_pool("female"), checker, rng),
        "female": double_table("female", generated_pool("male"), checker, rng),
    }
    write("male1.txt", singles["male"])
    write("female1.txt", singles["female"])
    write("male2.txt", doubles["male"])
    write("female2.txt", doubles["female"])


if __name__ == "__main__":
    main()
