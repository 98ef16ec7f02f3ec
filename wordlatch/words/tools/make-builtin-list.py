#!/usr/bin/env python3
"""Builds the crossword's built-in word list, data/builtin-words.txt.

Sources (generating only, never build dependencies):
  - SCOWL (Spell Checker Oriented Word Lists), Debian package scowl, under its
    permissive copyright notice: the English and American word lists, levels
    10 to 80 (level 95 only where WordNet vouches for the word); the British,
    Canadian and variant spellings to level 70; dictionary proper nouns, the
    common first and last names and the contractions to level 50.
    Abbreviations and the rarer names are left out.
  - WordNet 3.0, Debian package wordnet-base, Princeton University, under the
    WordNet 3.0 licence: its collocations ("ice_cream", "t-shirt") written as
    one word, and its single words that SCOWL lacks.
  - a few common phrases that WordNet lacks (PHRASES below), chosen by hand.
  - the npm packages naughty-words (CC-BY-4.0) and badwords-list (MIT) as a
    blocklist, installed outside the repository:
        (mkdir -p /tmp/npmbw && cd /tmp/npmbw && npm install naughty-words badwords-list)
The licence notices that must travel with the list are in data/LICENSE-words.txt.

Entries are upper-case A-Z, 3 to 23 letters: accents folded, apostrophes
dropped, the parts of a phrase run together; SCOWL's possessives and anything
with a digit or another character are left out.

Scores (1-100, higher is better; a word from several sources keeps its best):
  - a SCOWL word scores by its level (LEVEL_SCORES: 80 at level 10 down to 30
    at level 80, 15 at level 95); a variant spelling, a proper noun or a
    contraction scores 10 less.
  - a phrase scores as its rarest part (one-letter parts aside), 10 less for
    each part past two, 10 less for a proper noun ("new_york"), 20 less unless
    WordNet marks it familiar (used in its sense-tagged texts, or with more
    than one sense), at most 80. Left out: a phrase with a part SCOWL does not
    know, a proper noun that is not familiar, one scoring below 10. The
    hand-picked phrases count as familiar.
  - a familiar WordNet single word that SCOWL lacks scores 10 (names and
    initials are left out).
A word is blocked when it, a run of a phrase's parts ("hard core"), or its
stem ("fucked") is on a blocklist; the stem is the longest known word the
suffix rules find, so "spaced" stays (space) while "raped" goes (rape). A
word or phrase part containing one of a few hand-read roots (BLOCKED_PARTS)
is blocked too.

Output: one WORD;SCORE a line, LF, sorted. The same packages give the same
bytes. A summary (entries per length and per score band) is printed, and the
result is checked before it is written.

Usage: make-builtin-list.py [NODE_MODULES_DIR]   (default /tmp/npmbw/node_modules)
"""

import json
import re
import subprocess
import sys
import unicodedata
from collections import Counter
from pathlib import Path

SCOWL_DIR = Path("/usr/share/dict/scowl")
WORDNET_DIR = Path("/usr/share/wordnet")
WORDNET_POS = ["noun", "verb", "adj", "adv"]
OUT = Path(__file__).resolve().parent.parent / "data" / "builtin-words.txt"

MIN_LENGTH, MAX_LENGTH = 3, 23
LEVEL_SCORES = {10: 80, 20: 75, 35: 70, 40: 65, 50: 60, 55: 55, 60: 50,
                70: 40, 80: 30, 95: 15}
LISTED_LEVELS = [level for level in LEVEL_SCORES if level <= 80]
VARIANT_LEVELS = [level for level in LEVEL_SCORES if level <= 70]
PROPER_LEVELS = [level for level in LEVEL_SCORES if level <= 50]
# (spelling categories, sub-category, levels, score penalty)
SCOWL_SETS = [
    (["english", "american"], "words", LISTED_LEVELS, 0),
    (["british", "canadian", "variant_1", "british_variant_1",
      "canadian_variant_1"], "words", VARIANT_LEVELS, 10),
    (["english", "american"], "upper", PROPER_LEVELS, 10),
    (["english", "american"], "proper-names", PROPER_LEVELS, 10),
    (["english"], "contractions", PROPER_LEVELS, 10),
]
# Read only to score phrase parts and to admit words WordNet knows as well.
RARE_SETS = [(["english", "american"], "words", [95], 0)]

PENALTY = 10             # proper noun, each part past two
UNFAMILIAR_PENALTY = 20  # a phrase WordNet has seen little of
PHRASE_CAP = 80          # a phrase never outranks the commonest single words
MIN_PHRASE_SCORE = 10    # below it a phrase is left out
UNKNOWN_SCORE = 10       # a WordNet word that SCOWL lacks

# Phrases every solver knows that WordNet does not list.
PHRASES = """
all_ears all_set as_if as_is at_ease at_first at_war by_now for_now for_real
go_ape go_for_it in_a_pinch in_a_row in_a_rut in_awe in_debt in_the_black
in_the_red in_tow in_tune let_it_be me_too no_no no_one no_sir no_way not_yet
oh_boy oh_dear oh_my oh_no oh_well on_a_roll on_and_on on_cue on_deck on_edge
on_end on_foot on_hold on_ice on_sale on_the_mend on_the_run on_top see_you
so_be_it uh-oh what_if yes_sir you_know
""".split()

# The blocklists name words, not the compounds SCOWL builds from them
# (SHITLOAD, MINDFUCK, WHOREHOUSE): a word or phrase part matching one of these
# is blocked too. Read by eye so that innocent words (SNIGGER, NIGGLE, SWANK,
# INSPISSATE) stay.
BLOCKED_PARTS = re.compile(
    "FUCK|SHIT|CUNT|WHORE|SLUT|BITCH|PORN|DILDO|BOLLOCK|TITTIE"
    "|^NIGG(A|ER)|^FAGG|^PISS")

# Words that must come out well, a check that the sources were read right.
EXPECTED = ["AREA", "ERA", "ETA", "ALOE", "ONION", "ATEASE", "ICECREAM"]
MIN_ENTRIES = 150_000

# Letters that Unicode does not decompose into a base letter and an accent.
FOLD = str.maketrans({"ø": "o", "Ø": "O", "æ": "ae", "Æ": "AE",
                      "œ": "oe", "Œ": "OE", "ß": "ss"})


def parts_of(text):
    """The upper-case parts of a word or phrase, or None when a part holds
    anything but letters once accents and apostrophes are gone."""
    text = unicodedata.normalize("NFKD", text.translate(FOLD))
    text = "".join(c for c in text if not unicodedata.combining(c))
    parts = [p.replace("'", "").upper() for p in re.split(r"[_ -]", text)]
    if all(re.fullmatch("[A-Z]+", p) for p in parts):
        return tuple(parts)
    return None


def fits(word):
    return MIN_LENGTH <= len(word) <= MAX_LENGTH


def read_scowl(sets):
    """Word -> best score over the sets' files; possessives left out."""
    scores = {}
    for categories, sub, levels, penalty in sets:
        for category in categories:
            for level in levels:
                path = SCOWL_DIR / f"{category}-{sub}.{level}"
                if not path.exists():
                    continue
                for line in path.read_text(encoding="utf-8").split():
                    parts = None if line.endswith("'s") else parts_of(line)
                    if parts:
                        word = "".join(parts)
                        score = LEVEL_SCORES[level] - penalty
                        scores[word] = max(scores.get(word, 0), score)
    return scores


def read_wordnet():
    """Lemma -> (parts, familiar, proper) for every WordNet lemma of letters."""
    senses, tagged, cased, lower = Counter(), Counter(), set(), set()
    for pos in WORDNET_POS:
        for line in (WORDNET_DIR / f"index.{pos}").open(encoding="utf-8"):
            if line.startswith(" "):
                continue  # the licence header
            f = line.split()
            pointers = int(f[3])
            senses[f[0]] += int(f[2])
            tagged[f[0]] += int(f[5 + pointers])
        # Only the synsets keep a lemma's capitals.
        for line in (WORDNET_DIR / f"data.{pos}").open(encoding="utf-8"):
            if line.startswith(" "):
                continue
            f = line.split()
            for lemma in f[4:4 + 2 * int(f[3], 16):2]:
                lemma = re.sub(r"\(.*\)$", "", lemma)  # adjective markers
                # Names and initials ("New_York", "GOP"); a capital letter
                # alone ("T-shirt") is no name.
                named = re.search(r"(^|[_-])[A-Z][a-zA-Z]", lemma)
                (cased if named else lower).add(lemma.lower())
    lemmas = {}
    for lemma in senses:
        parts = parts_of(lemma)
        if parts:
            familiar = tagged[lemma] > 0 or senses[lemma] > 1
            proper = lemma in cased and lemma not in lower
            lemmas[lemma] = (parts, familiar, proper)
    return lemmas


def read_blocklist(modules):
    script = (
        "const n=require('naughty-words');const b=require('badwords-list');"
        "console.log(JSON.stringify(n.en.concat(b.array)));")
    out = subprocess.run(["node", "-e", script], cwd=modules.parent,
                         check=True, capture_output=True, text=True).stdout
    # Spellings with digits or symbols ("sh1t") cannot match an entry.
    return {"".join(p) for p in map(parts_of, json.loads(out)) if p}


def stems(word):
    """Candidate base forms of a word that looks inflected."""
    out = []
    if word.endswith("IES"):
        out.append(word[:-3] + "Y")
    if word.endswith("ES"):
        out.append(word[:-2])
    if word.endswith("S") and not word.endswith(("SS", "US", "IS")):
        out.append(word[:-1])
    for suffix in ("ED", "ING", "EST"):
        if word.endswith(suffix):
            base = word[: -len(suffix)]
            out += [base, base + "E"]
            if len(base) > 2 and base[-1] == base[-2]:
                out.append(base[:-1])  # STOPPED -> STOP
            if base.endswith("I"):
                out.append(base[:-1] + "Y")  # CARRIED -> CARRY
    return out


class Blocker:
    def __init__(self, blocked, known):
        self.blocked = blocked
        self.known = known | blocked

    def word(self, word):
        if word in self.blocked:
            return True
        # The longest known stem is taken as the true one.
        candidates = [s for s in stems(word) if s in self.known]
        if not candidates:
            return False
        longest = max(map(len, candidates))
        return any(s in self.blocked for s in candidates if len(s) == longest)

    def parts(self, parts):
        return any(BLOCKED_PARTS.search(p) for p in parts) or any(
            self.word("".join(parts[i:j]))
            for i in range(len(parts)) for j in range(i + 1, len(parts) + 1))


def phrase_score(parts, familiar, proper, scowl):
    """None for a phrase left out: one with a part SCOWL does not know, a
    proper noun WordNet has seen little of, or one scoring too low."""
    scores = [scowl.get(p, 0) for p in parts if len(p) > 1]
    if not scores or min(scores) == 0 or (proper and not familiar):
        return None
    score = min(scores) - PENALTY * (len(parts) - 2)
    if proper:
        score -= PENALTY
    if not familiar:
        score -= UNFAMILIAR_PENALTY
    return min(PHRASE_CAP, score) if score >= MIN_PHRASE_SCORE else None


def build(modules):
    listed = read_scowl(SCOWL_SETS)
    rare = read_scowl(RARE_SETS)
    scowl = {**rare, **listed}  # every part SCOWL can score
    lemmas = read_wordnet()
    for phrase in PHRASES:
        lemmas[phrase] = (parts_of(phrase), True, False)

    entries = dict(listed)
    # How a word is judged by the blocker: a SCOWL word as itself, any other
    # by every phrase that spells it ("hard_core"), so that BUTTON is no
    # "butt_on".
    spellings = {w: [(w,)] for w in listed}
    for parts, familiar, proper in lemmas.values():
        word = "".join(parts)
        if word not in listed:
            spellings.setdefault(word, []).append(parts)
        if len(parts) > 1:
            score = phrase_score(parts, familiar, proper, scowl)
        elif familiar and not proper:
            # A rare SCOWL word that WordNet vouches for, or one SCOWL lacks.
            score = scowl.get(word, UNKNOWN_SCORE)
        else:
            score = None
        if score is not None:
            entries[word] = max(entries.get(word, 0), score)

    known = set(scowl) | {p for parts, _, _ in lemmas.values() for p in parts}
    blocker = Blocker(read_blocklist(modules), known)
    kept = {w: s for w, s in entries.items() if fits(w) and not any(
        blocker.parts(p) for p in spellings[w])}
    return kept, blocker


def check(entries, blocker):
    problems = []
    if len(entries) < MIN_ENTRIES:
        problems.append(f"only {len(entries)} entries")
    problems += [f"{w} missing or scored low" for w in EXPECTED
                 if entries.get(w, 0) < 50]
    problems += [f"{w} is blocked" for w in entries if w in blocker.blocked]
    problems += [f"bad entry {w};{s}" for w, s in entries.items()
                 if not (re.fullmatch("[A-Z]+", w) and fits(w) and 1 <= s <= 100)]
    return problems


def summary(entries):
    lengths = Counter(map(len, entries))
    good = Counter(len(w) for w, s in entries.items() if s >= 50)
    print(f"{len(entries)} entries")
    print("length  entries  score>=50")
    for n in range(MIN_LENGTH, MAX_LENGTH + 1):
        print(f"{n:6}  {lengths[n]:7}  {good[n]:9}")
    bands = Counter((s - 1) // 10 for s in entries.values())
    print("score   entries")
    for band in range(10):
        print(f"{band * 10 + 1:3}-{band * 10 + 10:<3}  {bands[band]:7}")


def main():
    modules = Path(sys.argv[1] if len(sys.argv) > 1 else "/tmp/npmbw/node_modules")
    entries, blocker = build(modules)
    problems = check(entries, blocker)
    if problems:
        sys.exit("not written:\n  " + "\n  ".join(problems[:20]))
    OUT.parent.mkdir(parents=True, exist_ok=True)
    with open(OUT, "wb") as f:
        f.write("".join(f"{w};{entries[w]}\n" for w in sorted(entries)).encode("ascii"))
    summary(entries)
    print(f"written to {OUT}")


if __name__ == "__main__":
    main()
