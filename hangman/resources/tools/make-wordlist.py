#!/usr/bin/env python3
"""Builds the delivered wordlist.dat of the hangman game.

Sources (generating only, never build dependencies):
  - the EFF dice word lists (long, short and special lists), Debian package
    xkcdpass, licensed CC BY 3.0 US;
  - SCOWL, levels 10 and 20 (the most common English words), Debian package
    scowl, under its permissive copyright notice;
  - the npm packages naughty-words (CC-BY-4.0) and badwords-list (MIT) as a
    blocklist, installed outside the repository:
        (mkdir -p /tmp/npmbw && cd /tmp/npmbw && npm install naughty-words badwords-list)

A word is kept when it is in an EFF list and in SCOWL 10/20, has 4 to 10
letters a-z, is a base form (an inflected form is replaced by its stem when the
stem itself is common), is not blocked, and is not on the hand-read list of
unsuitable words below. Output: one quoted upper-case word per line, CR LF,
sorted, the format the game itself appends.

Usage: make-wordlist.py [NODE_MODULES_DIR]   (default /tmp/npmbw/node_modules)
"""

import json
import re
import subprocess
import sys
from pathlib import Path

EFF_DIR = Path("/usr/lib/python3/dist-packages/xkcdpass/static")
EFF_LISTS = ["eff-long", "eff-short", "eff-special"]
SCOWL_DIR = Path("/usr/share/dict/scowl")
SCOWL_LISTS = ["english-words.10", "english-words.20",
               "american-words.10", "american-words.20"]
# Larger SCOWL levels serve only to recognise inflected forms ("boxes" -> "box").
STEM_LISTS = SCOWL_LISTS + ["english-words.35", "american-words.35"]
OUT = Path(__file__).resolve().parent.parent / "wordlist.dat"

# Read once by eye: words that are unkind, frightening, about drugs, weapons,
# illness or bodily matters, too abstract to guess, or not family-friendly.
UNSUITABLE = set("""
agony bash bust brethren coke cult curse cruelty deity demise depress derange
despair despise dictator diagnosis dose drown dread delusion evil explode
feminist famine grave grief hangover hate hatred imprison marital mortality
oppress persecute poison pope pregnancy pregnant prison rabid racism riot
revenge sabotage scotch sufferer swear syndrome starve sterile thee theft
threaten trouser vice violate violation wound wrath wrecker french roman
pseudo impend overprice sect trinity theology salvation sermon preach
""".split())

# Irregular past tenses, participles and comparatives that the suffix rules
# cannot see; the game wants base forms.
IRREGULAR_FORMS = set("""
arose broke brought dealt drank drew drove froze gave grew hung kept lent
rang sank shone slept slid sprang stood struck swept swore sworn undertook
underwent rebuilt gotten eaten ridden sprung written given shown spoken
chosen driven proven spent said gone undone goes going tying
faster finer older shorter happier lesser
""".split())


def read_words(paths):
    words = set()
    for p in paths:
        with open(p, encoding="utf-8") as f:
            words.update(line.split()[-1] for line in f if line.strip())
    return words


def blocklist(modules):
    script = (
        "const n=require('naughty-words');const b=require('badwords-list');"
        "console.log(JSON.stringify(n.en.concat(b.array)));")
    out = subprocess.run(["node", "-e", script], cwd=modules.parent,
                         check=True, capture_output=True, text=True).stdout
    return {w.lower() for w in json.loads(out)}


def stems(word):
    """Candidate base forms of a word that looks inflected."""
    out = []
    if word.endswith("ies"):
        out.append(word[:-3] + "y")
    if word.endswith("es"):
        out.append(word[:-2])
    if word.endswith("s") and not word.endswith(("ss", "us", "is")):
        out.append(word[:-1])
    for suffix in ("ed", "ing", "est"):
        if word.endswith(suffix):
            base = word[: -len(suffix)]
            out += [base, base + "e"]
            if len(base) > 2 and base[-1] == base[-2]:
                out.append(base[:-1])  # stopped -> stop
            if base.endswith("i"):
                out.append(base[:-1] + "y")  # carried -> carry
    return out


def main():
    modules = Path(sys.argv[1] if len(sys.argv) > 1 else "/tmp/npmbw/node_modules")
    eff = read_words(EFF_DIR / n for n in EFF_LISTS)
    common = read_words(SCOWL_DIR / n for n in SCOWL_LISTS)
    known = read_words(SCOWL_DIR / n for n in STEM_LISTS)
    blocked = blocklist(modules)

    def fits(w):
        return re.fullmatch("[a-z]{4,10}", w) is not None

    chosen = set()
    for word in eff & common:
        bases = [s for s in stems(word) if len(s) >= 3 and s in known]
        if bases:
            # An inflected form: keep its stem instead, if that is common.
            word = next((s for s in bases if s in common), None)
            if word is None:
                continue
        if fits(word):
            chosen.add(word)

    chosen = {w for w in chosen
              if w not in blocked and not any(s in blocked for s in stems(w))}
    chosen -= UNSUITABLE | IRREGULAR_FORMS

    with open(OUT, "wb") as f:
        for w in sorted(chosen):
            f.write(b'"' + w.upper().encode("ascii") + b'"\r\n')
    print(f"{len(chosen)} words written to {OUT}")


if __name__ == "__main__":
    main()
