#!/usr/bin/env python3
"""How many classic rhyme pairs appear among the first hits of a sound search.

For every pair "A B art" of the list (art: rein, or unrein for a near rhyme, which is
searched with --unrein) the program's `klang A` answers on the word list, and the pair
counts when B (ignoring case) is among the first N lines; the other direction, A among
the hits of `klang B`, is counted as well.

  bench/reimpaare_rang.py PROGRAMM [PAARE] [WORTLISTE] [N]
  bench/reimpaare_rang.py build/app/quandel-cli tests/app/reimpaare_klassisch.txt \\
      /usr/share/dict/ngerman 20

The searches go through one process per kind (texts on stdin), so the word list's keys
are computed or loaded once.
"""
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent


def answers(program, words, word_list, near):
    """The hits of each word, in the program's order."""
    args = [program, "klang", "-", "--wortbestand", word_list]
    if near:
        args.append("--unrein")
    run = subprocess.run(args, input="".join(w + "\n" for w in words),
                         capture_output=True, text=True, check=False)
    if run.returncode not in (0, 1):
        sys.exit(f"{program}: Status {run.returncode}\n{run.stderr}")
    blocks = run.stdout.split("\n\n")
    result = {}
    for word, block in zip(words, blocks):
        result[word] = [line for line in block.split("\n") if line]
    return result


def main(argv):
    program = argv[0]
    pairs_file = argv[1] if len(argv) > 1 else str(REPO / "tests/app/reimpaare_klassisch.txt")
    word_list = argv[2] if len(argv) > 2 else "/usr/share/dict/ngerman"
    first = int(argv[3]) if len(argv) > 3 else 20
    pairs = []
    for line in Path(pairs_file).read_text("utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            a, b, kind = line.split()
            pairs.append((a, b, kind == "unrein"))
    hits = {}
    for near in (False, True):
        words = sorted({w for a, b, n in pairs if n == near for w in (a, b)})
        hits[near] = answers(program, words, word_list, near)

    def found(word, other, near):
        return other.lower() in (h.lower() for h in hits[near][word][:first])

    forward = sum(found(a, b, n) for a, b, n in pairs)
    both = sum(found(a, b, n) + found(b, a, n) for a, b, n in pairs)
    print(f"{program}: {forward} von {len(pairs)} Paaren (B unter den ersten {first} "
          f"Treffern von A), {both} von {2 * len(pairs)} in beiden Richtungen")
    for a, b, n in pairs:
        if not found(a, b, n):
            rank = next((i + 1 for i, h in enumerate(hits[n][a]) if h.lower() == b.lower()),
                        None)
            where = f"Treffer {rank} von {len(hits[n][a])}" if rank else "kein Treffer"
            print(f"  {a} {b}{' (unrein)' if n else ''}: {where}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
