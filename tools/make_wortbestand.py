#!/usr/bin/env python3
"""Generate data/wortbestand.txt, the built-in word stock of Quandel Tornar.

Sources (see data/LICENSES.md):
  * the frequency-ranked German word list of the npm package
    @zxcvbn-ts/language-de (MIT) -- decides which common words go in;
  * Debian's wngerman dictionary /usr/share/dict/ngerman (GPL-2+) -- checks
    spelling and supplies the capitalisation (the zxcvbn list is lower case).

Usage:
  mkdir -p /tmp/zx && (cd /tmp/zx && npm install @zxcvbn-ts/language-de)
  python3 tools/make_wortbestand.py [PATH_TO_language-de]   # writes the file
  python3 tools/make_wortbestand.py --check                  # only checks it

The output is deterministic: the same inputs always give the same file.
"""
import json
import random
import re
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
OUT = REPO / "data" / "wortbestand.txt"
ZXCVBN_DEFAULT = Path("/tmp/zx/node_modules/@zxcvbn-ts/language-de")
NGERMAN = Path("/usr/share/dict/ngerman")

N_LINES = 6806          # lines in the file, the empty one included
N_DISTINCT = 6354       # distinct lines after lower-casing, "" included
N_PHRASES = 82
MAX_LEN = 22
SEED = 4711

HEAD = ["wippen", "Schlange", "Schlangen", "härbe", "hörbe", "segeln", "küssen"]
TAIL = ["Spreu", "treu", "drei", "frei"]

# Words that must be there, in exactly this spelling; earlier ones win, so a
# later entry differing only in case becomes a case variant (UND/und/Und).
REQUIRED = """
UND und Und die Die lange solange beeide beide Kreide meide neide Seide Weide
Freude Gebäude Räude Reim Rand Leim Land Liese Miese Miene Wiese diese wieder
Kiste Österreicher SPD BRD Pkw Lkw Brücke Lücke Ärger schlichtet Schuppe Kanne
Lawine Plane Bär sehr daß dass Schwein Peter Hemd Drucker Schrank Ahorn Kutsche
Rinder Licht Erbe Kerbe Scherbe herbe derbe sterbe Stern Stall Heim geheim Keim
Schleim Hand Sand Wand Band Lein rein Wein Bein Schein ein kein mein sein Bitte
bitte biete Feier Lampe Lupe Angst Pein Riese Brise
""".split()

# Rhyme families and onsets the rhyme and spoonerism searches should find.
FAMILIES = """
erbe werbe verderbe bewerbe vererbe Erben Scherben
fremd Nachthemd Unterhemd Hemden
Zucker Schlucker Laserdrucker
Bank Dank krank schlank Gestank Tank blank Zank sank trank stank Trank
Kleiderschrank Kühlschrank
Horn Korn Dorn Zorn vorn Einhorn Nashorn Waldhorn
Meter Kilometer Zentimeter Millimeter Thermometer Barometer Vertreter
Trompeter Parameter
Rutsche rutsche lutsche knutsche Postkutsche
Kinder Binder Finder Zylinder Erfinder Schinder Inder minder linder
nicht Sicht Pflicht Gericht Gesicht Gedicht Schicht dicht schlicht Bericht
Verzicht Gewicht Wicht Bösewicht Unterricht spricht bricht sticht Zuversicht
Nachricht Absicht Aussicht Vorsicht Rücksicht Kehricht Dickicht flicht
Stein dein fein klein allein Verein nein Schrein Hain Rhein Latein Gestein
Mondschein Sonnenschein Führerschein Edelstein
daheim Eigenheim Altenheim
Stand Brand Strand Verstand Verband Pfand Gewand
Krise Biene Schiene diene Kantine Gardine Mandarine Banane
Krücke Tücke Mücke Perücke schmücke drücke
Liste Piste Speer Teer Heer Meer leer quer mehr
Gruppe Suppe Puppe Truppe Kuppe Schnuppe
Panne Wanne Tanne Pfanne
Geier Leier Schleier Eier Rampe Taschenlampe Hupe
Mitte Sitte Quitte Schritte Miete Niete Gebiete
Schall Schwall Knall Wall Hall Ball Fall Kern fern gern Bern
Stamm Stuhl Stadt Staub Stunde Stimme Stück stark still Sturm Stirn Stock
Stoff Straße Strom Streit Strich Stroh
Haus Herz Hose Hut Hals Held Hase Hemden
schwer Schwan schwarz Schwamm Schwert Schwester schwimmen Schwung Schweiß
Schwalbe Schwelle schwach Schwindel Schwarm schwören
Drang Drache Draht Dreck Drohne Droge drüben Druck drücken dringend Drossel
Schrei Schritt Schrift schräg Schraube Schrott schreiben schrecklich Schreck
Schranke schrill Schrot schrumpfen
""".split()

# Entries with hyphen, apostrophe, full stop, slash or digits.
SPECIAL = """
E-Mail T-Shirt Know-how Mecklenburg-Vorpommern Baden-Württemberg
Nordrhein-Westfalen Schleswig-Holstein Sachsen-Anhalt Rheinland-Pfalz
geht's gibt's usw. etc. ca. u.a. inkl. evtl. und/oder 90er
""".split()

PHRASES = [
    "vor allem", "New York", "zum Beispiel", "ab und zu", "nach wie vor",
    "Rote Kreuz", "auf jeden Fall", "im Moment", "vor kurzem", "seit langem",
    "ohne Weiteres", "im Grunde", "immer noch", "noch nicht", "zu Hause",
    "nach Hause", "guten Morgen", "gute Nacht", "guten Tag", "guten Abend",
    "auf Wiedersehen", "vielen Dank", "bis bald", "bis morgen", "wie geht's",
    "es tut mir leid", "alles Gute", "herzlichen Glückwunsch",
    "frohe Weihnachten", "Los Angeles", "San Francisco", "Vereinigte Staaten",
    "Frankfurt am Main", "Rio de Janeiro", "Sri Lanka", "Costa Rica",
    "Puerto Rico", "Las Vegas", "Buenos Aires", "Den Haag", "Tel Aviv",
    "Sankt Petersburg", "Nahe Osten", "Schwarze Meer", "Weiße Haus",
    "Heilige Abend", "Erste Hilfe", "zum Glück", "zum Schluss", "zum Teil",
    "zur Not", "auf einmal", "im Voraus", "von Anfang an", "ab sofort",
    "bis jetzt", "bis dahin", "nach und nach", "hin und wieder", "hin und her",
    "kreuz und quer", "mehr oder weniger", "so gut wie", "gar nicht",
    "gar nichts", "überhaupt nicht", "auf keinen Fall", "in Ordnung",
    "vor allen Dingen", "unter anderem", "im Allgemeinen", "im Übrigen",
    "nicht mehr", "noch einmal", "schon wieder", "ein bisschen", "ein paar",
    "eines Tages", "letzten Endes", "Tag und Nacht", "Schritt für Schritt",
    "Vereinigtes Königreich",
]

# Fixed entries that are not in the Debian list on purpose.
NOT_IN_DICT = {"härbe", "hörbe", "beeide", "Räude", "Lein", "Liese", "daß"}

# Case variants added after the lower-case form: nouns beside verbs or
# adjectives, and the pronouns of formal address.
EXTRA_VARIANTS = """
Gut Morgen Sein Arm Laut Ende Recht Schuld Mal Ernst Wert Fest Tat Bar Rat
Rot Blau Grün Weiß Schwarz Null Acht Nichts Alter Deutsch Englisch Weihnachten
Sie Ihr Ihre Ihnen Ihren Ihrem Ihrer
""".split()
# Lower-case words whose capitalised form is not a real noun after all.
NO_VARIANT = set("wart schiss".split())

# Personal names and other non-words among the capitalised dictionary forms.
NAME_BLOCK = set("""
Harry Billy Bob Charles Bill Steve Roger Andy Harvey Grace Annie Jones Harold
Johnson Angela Tina Alf Carol Davis Hitler Barbara Blair Santa Williams Kent
Lincoln Audrey Morris Ford Ralph Christine Homer Peggy Monroe Gina Donald
Hastings Lloyd Pablo Eli Jacques Marion Boris Cathy Sandra Allah Kennedy Pedro
Claude Zorro Ivan Sylvia Doris Claudia Marianne Simone Devon Satan Marilyn
Spike Shakespeare Roberts Rogers Cäsar Roland Shirley Moses Isaac Bert Reagan
Robinson Jesus Christus Khan Apollo Mac Yang Sun Mr Sir Hi New San Angeles
Francisco Orleans Jersey Media Yorker Kit Colt Queen Boy Flash Jack Sam Frank
Simon Christian Adrian Gabriel Georg Hans Heidi Gloria Kai Jordan IRA GUS Harvard
""".split())
# Capitalised words on the zxcvbn name lists that are ordinary nouns.
NOUN_OK = set("""
Vater Bruder Glück Boden Meister Gold Vogel Keller Brust Pech Mittag Hammer
Scheck Hass Kreis Hauptmann Staub Knopf Puls Wille Zorn Nebel Kummer Reis März
Gläser Donner Frost Speck Becher Kasten Bräutigam Siegel Wege August Israel
""".split())
# Short fragments, English and other non-words found in the frequency list.
JUNK = set("""hi mr ma de it us et un em at ii gib ne na nen nem ner he geb dar min
max van don franz""".split())

# Vulgar words: exact forms, prefixes and fragments.
VULGAR_EXACT = set("penis vagina bastard bastarde sau".split())
VULGAR_PREFIX = ("arsch", "ärsch")
VULGAR_PART = ("fick", "fotze", "wichs", "scheiß", "scheiss", "schiss", "hure",
               "nutte", "titte", "schlampe", "pimmel", "muschi", "schwuchtel",
               "neger", "nigger", "kanake", "bums", "kack", "piss", "porno",
               "flittchen", "miststück", "drecksack", "drecksau", "schwanz",
               "arschloch", "verarsch", "kotz")

# Endings that are reserved for the fixed entries above.
RESERVED_ENDINGS = ("eide", "äude", "eude", "ange")

LETTERS = re.compile(r"[a-zA-ZäöüÄÖÜß]+")
ALLOWED = re.compile(r"[a-zA-ZäöüÄÖÜß '\-./09]*")
VOWELS = set("aeiouäöü")


def collation_key(s):
    """Key under which a German collator ignoring case sees s as equal."""
    return s.lower().replace("ß", "ss")


def is_vulgar(w):
    w = w.lower()
    return (w in VULGAR_EXACT or w.startswith(VULGAR_PREFIX)
            or any(p in w for p in VULGAR_PART))


def load_zxcvbn(base):
    meta = json.loads((base / "package.json").read_text(encoding="utf-8"))
    assert meta["license"] == "MIT", meta["license"]
    src = base / "src"
    load = lambda n: json.loads((src / (n + ".json")).read_text(encoding="utf-8"))
    names = set(load("firstnames")) | set(load("lastnames"))
    return load("commonWords"), names


def load_ngerman():
    words = NGERMAN.read_text(encoding="utf-8").split("\n")
    forms = {}
    for w in words:
        if w:
            # the Debian list keeps one spelling per word; prefer lower case
            forms.setdefault(w.lower(), set()).add(w)
    return set(words), {k: min(v, key=lambda f: (f != k, f)) for k, v in forms.items()}


def noun_evidence(w, ng):
    """True if ngerman's inflected forms show that w also exists as a noun."""
    cap = w[:1].upper() + w[1:]
    if w.endswith(("en", "ern", "eln")):       # das Leben, des Lebens
        return cap + "s" in ng
    return not w.endswith("e") and cap + "es" in ng   # der Dank, des Dankes


def has_plural(cap, ng):
    if any(cap + s in ng for s in ("e", "en", "n", "er", "ern")):
        return True
    for i in range(len(cap) - 1, 0, -1):        # Haus -> Häuser, Hand -> Hände
        if cap[i] in "aou":
            j = i - 1 if cap[i] == "u" and cap[i - 1] == "a" else i
            u = cap[:j] + {"a": "ä", "o": "ö", "u": "ü"}[cap[j]] + cap[j + 1:]
            return any(u + s in ng for s in ("e", "er"))
    return False


def dictionary_form(w, ng, forms, names):
    """The capitalised ngerman spelling of the zxcvbn word w, or None."""
    if not re.fullmatch(r"[a-zäöüß]+", w) or len(w) < 2 or len(w) > MAX_LEN:
        return None
    f = forms.get(w)
    if f is None or not LETTERS.fullmatch(f) or w in JUNK or is_vulgar(w):
        return None
    if not VOWELS & set(w) or w.endswith(RESERVED_ENDINGS):
        return None
    if f != w:
        if f in NAME_BLOCK:
            return None
        if w in names and f not in NOUN_OK and not (f[0].isupper() and has_plural(f, ng)):
            return None
    return f


def build(zx_base):
    common, names = load_zxcvbn(zx_base)
    ng, forms = load_ngerman()

    for w in REQUIRED + FAMILIES:
        assert w in NOT_IN_DICT or w.lower() in forms, "not in ngerman: " + w

    lines, seen = [], {}                  # seen: lower-case -> first spelling
    keys = {}                             # collation key -> lower-case
    have = set()

    def add(w):
        low = w.lower()
        if w in have:
            return False
        if low not in seen:
            k = collation_key(w)
            if k in keys and {keys[k], low} != {"daß", "dass"}:
                return False
            keys[k] = low
            seen[low] = w
        lines.append(w)
        have.add(w)
        return True

    fixed = HEAD + REQUIRED + FAMILIES + SPECIAL + PHRASES + TAIL
    for w in fixed:
        assert add(w) or w in have, "clashes with an earlier entry: " + w
    distinct = lambda: len(seen) + 1      # + the empty line

    # common words in frequency order until the distinct count is reached
    picked = []
    for w in common:
        if distinct() >= N_DISTINCT:
            break
        f = dictionary_form(w, ng, forms, names)
        if f and f.lower() not in seen and add(f):
            picked.append(f)
    assert distinct() == N_DISTINCT, distinct()
    # common words that are case variants of fixed ones (Band -> band)
    for w in common:
        f = dictionary_form(w, ng, forms, names)
        if f and f.lower() in seen and f not in have:
            add(f)

    # case variants of picked words until the line count is reached
    want = N_LINES - 1
    variants = [v for v in EXTRA_VARIANTS if v.lower() in seen]
    variants += [w[0].upper() + w[1:] for w in picked
                 if w.islower() and w not in NO_VARIANT and noun_evidence(w, ng)]
    for v in variants:
        if len(lines) >= want:
            break
        add(v)
    assert len(lines) == want, len(lines)

    # shuffle the body, then put the first spelling of each word in front
    body = [w for w in lines[len(HEAD):] if w not in TAIL]
    order = {w: i for i, w in enumerate(lines)}
    random.Random(SEED).shuffle(body)
    slots = {}
    for i, w in enumerate(body):
        slots.setdefault(w.lower(), []).append(i)
    for low, idx in slots.items():
        members = sorted((body[i] for i in idx), key=order.get)
        for i, w in zip(idx, members):
            body[i] = w
    body.insert(len(body) // 2, "")
    return HEAD + body + TAIL


def check(path=OUT):
    raw = path.read_bytes()
    text = raw.decode("utf-8")
    assert "\r" not in text and text.endswith("\n") and not text.endswith("\n\n")
    lines = text[:-1].split("\n")
    low = [w.lower() for w in lines]
    res = []

    def ok(cond, what):
        assert cond, "FAILED: " + what
        res.append("ok  " + what)

    ok(len(lines) == N_LINES, f"{len(lines)} lines")
    ok(lines[:len(HEAD)] == HEAD and lines[-len(TAIL):] == TAIL, "first and last lines")
    ok(lines.count("") == 1 and 0 < lines.index("") < len(lines) - 1, "one empty line, in the middle")
    phrases = [w for w in lines if " " in w]
    ok(len(phrases) == N_PHRASES, f"{len(phrases)} phrases with a space")
    ok(all(w == w.strip() and "  " not in w for w in lines), "no stray spaces")
    longest = max(len(w) for w in lines)
    ok(longest == MAX_LEN, f"longest line has {longest} characters")
    ok(all(ALLOWED.fullmatch(w) for w in lines), "only letters and  '-./09")
    for c in " '-./09":
        ok(any(c in w for w in lines), f"character {c!r} occurs")
    repeats = len(lines) - len(set(low))
    ok(repeats == 452 and len(set(low)) == N_DISTINCT, f"{repeats} case repeats, {len(set(low))} distinct")
    first = {}
    for w in lines:
        first.setdefault(w.lower(), w)
    ok(len(set(lines)) == len(lines), "no exact duplicates")
    keys = {}
    for w in lines:
        keys.setdefault(collation_key(w), set()).add(w.lower())
    clash = [v for v in keys.values() if len(v) > 1]
    ok(clash == [{"daß", "dass"}], "collation clashes only daß/dass")
    pos = {}
    for i, w in enumerate(lines):
        pos.setdefault(w, i)
    ok(pos["UND"] < pos["und"] and pos["UND"] < pos["Und"] and pos["die"] < pos["Die"], "UND before und/Und, die before Die")
    must = [w for w in HEAD + REQUIRED + ["vor allem", "New York"] if w not in ("und", "Und", "Die", "bitte")]
    missing = [w for w in must if first.get(w.lower()) != w]
    ok(not missing, f"required words present, first in given case {missing}")
    ok(all(w in pos for w in ("und", "Und", "Die", "bitte")), "und, Und, Die, bitte present")
    ends = lambda *e: sorted(w for w in lines if w.lower().endswith(e))
    ok(ends("eide") == sorted("beeide beide Kreide meide neide Seide Weide".split()), "-eide set")
    ok(ends("äude", "eude") == sorted(["Freude", "Gebäude", "Räude"]), "-äude/-eude set")
    ok(ends("ange") == sorted(["lange", "Schlange", "solange"]), "-ange set")
    novowel = [w for w in lines if w and not VOWELS & set(w.lower())]
    ok({"SPD", "BRD"} <= set(novowel), f"vowelless entries {novowel}")
    return res


def main(argv):
    if "--check" not in argv:
        base = Path(argv[0]) if argv else ZXCVBN_DEFAULT
        lines = build(base)
        OUT.parent.mkdir(parents=True, exist_ok=True)
        OUT.write_text("\n".join(lines) + "\n", encoding="utf-8")
        print(f"wrote {OUT} ({len(lines)} lines)")
    for r in check():
        print(r)


if __name__ == "__main__":
    main(sys.argv[1:])
