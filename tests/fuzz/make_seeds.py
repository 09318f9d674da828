#!/usr/bin/env python3
"""Writes the hand-made seeds (seed-*) of every fuzz target into corpus/<target>/.

Each target reads one input format; its first byte picks the reader within it (READERS), and that
reader takes a few choices from the front of the rest and the file or text after them. The layouts
below follow the readers in the targets' sources. Findings saved by tools/fuzz.sh sit beside the
seeds under other names and are left alone. Run it again after changing a layout.
"""
import csv
import pathlib
import random
import struct

HERE = pathlib.Path(__file__).resolve().parent
CORPUS = HERE / "corpus"
DRAWS = HERE.parent / "data" / "lotto649.csv"
MAX_DRAWS = HERE.parent / "data" / "lottomax-official.csv"
WHEEL = HERE.parent.parent / "data" / "wheels" / "6-4-3-11.whl"
MAX = 32767

# The reader and its first byte; the wheel target reads one format and takes no such byte.
READERS = {
    "history": ("fuzz_RecordFiles", 0),
    "entries": ("fuzz_RecordFiles", 1),
    "settings": ("fuzz_RecordFiles", 2),
    "typed": ("fuzz_Text", 0),
    "textimport": ("fuzz_Text", 1),
    "drawimport": ("fuzz_Text", 2),
    "address": ("fuzz_Text", 3),
    "pattern": ("fuzz_Wheels", None),
    "statistics": ("fuzz_Computations", 0),
    "optimiser": ("fuzz_Computations", 1),
    "historycheck": ("fuzz_Computations", 2),
}


def write(reader, name, data):
    target, choice = READERS[reader]
    folder = CORPUS / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / f"seed-{reader}-{name}").write_bytes(data if choice is None else bytes([choice]) + data)


def record(count=0, position=0, day=0, month=0, year=0, numbers=(0,) * 7, bonus=0):
    numbers = tuple(numbers) + (0,) * (7 - len(numbers))
    return struct.pack("<ihhhh7hh", count, position, day, month, year, *numbers, bonus)


def real_draws(n):
    with open(DRAWS, newline="") as f:
        rows = list(csv.DictReader(f))[:n]
    out = []
    for row in rows:
        y, m, d = (int(x) for x in row["date"].split("-"))
        out.append((d, m, y, [int(row[f"n{i}"]) for i in range(1, 7)], int(row["bonus"])))
    return out


def lotto_max_draws(first, n):
    """Lotto Max draws first..first+n-1 (numbered from 1): draw 503 is the last 7/49 one (2019-05-10),
    505 the first with a 50, 1226 the first 7/52 one (2026-04-14)."""
    with open(MAX_DRAWS, newline="") as f:
        rows = list(csv.reader(f))[first:first + n]
    out = []
    for row in rows:
        y, m, d = (int(x) for x in row[3].split("-"))
        out.append((d, m, y, [int(x) for x in row[4:11]], int(row[11])))
    return out


def history(draws, count=None):
    count = len(draws) if count is None else count
    return b"".join(record(count if i == 0 else 0, i + 1, d, m, y, nums, b)
                    for i, (d, m, y, nums, b) in enumerate(draws))


# flags: 1 insert, 2 delete, 4 rewrite whole, 8 grow to the 32,767 limit
def results_input(flags, game, day, month, year, numbers, bonus, pick, size_choice, file_bytes):
    numbers = tuple(numbers) + (0,) * (7 - len(numbers))
    return struct.pack("<BBBBh7hhHB", flags, game - 1, day, month, year, *numbers, bonus, pick, size_choice) + file_bytes


def results_seeds():
    t = "history"
    real = history(real_draws(30))
    six = (4, 9, 15, 22, 30, 41)
    write(t, "empty", b"")
    write(t, "real-insert-middle", results_input(7, 1, 1, 1, 1983, six, 7, 5, 0, real))
    write(t, "real-append", results_input(1, 1, 2, 1, 2030, six, 7, 0, 0, real))
    write(t, "real-front", results_input(3, 1, 1, 1, 1980, six, 7, 30, 0, real))
    write(t, "real-same-date", results_input(1, 1, 12, 6, 1982, six, 7, 1, 0, real))
    three = history(real_draws(3))
    write(t, "count-negative", results_input(1, 1, 3, 3, 1990, six, 7, 2, 0, record(-1) [:4] + three[4:]))
    write(t, "count-too-big", results_input(3, 1, 3, 3, 1990, six, 7, 2, 0, struct.pack("<i", 99999) + three[4:]))
    write(t, "count-zero-with-records", results_input(1, 1, 3, 3, 1990, six, 7, 2, 0, struct.pack("<i", 0) + three[4:]))
    write(t, "partial-record", results_input(3, 1, 3, 3, 1990, six, 7, 3, 0, three[:70]))
    unsorted = history([real_draws(5)[i] for i in (3, 0, 4, 1, 2)])
    write(t, "unsorted", results_input(3, 1, 19, 6, 1982, six, 7, 3, 0, unsorted))
    bad = history([(12, 6, 1982, [-1, 999, 3, 4, 5, 6], 999), (99, 99, -5, [0] * 6, -1)])
    write(t, "bad-numbers", results_input(4, 1, 1, 1, 2000, six, 7, 0, 0, bad))
    super7 = history([(d, m, 2000 + i, list(range(i + 1, i + 8)), 47) for i, (d, m, _, _, _) in enumerate(real_draws(5))])
    write(t, "super7", results_input(7, 2, 5, 5, 2002, (1, 2, 3, 4, 5, 6, 47), 9, 4, 0, super7))
    write(t, "last-draw-deleted", results_input(2, 1, 0, 0, 0, six, 0, 1, 0, history(real_draws(1))))
    write(t, "full-insert-refused", results_input(9, 1, 1, 1, 2030, six, 7, 0, 1, real))
    write(t, "one-below-full", results_input(11, 1, 1, 1, 2030, six, 7, 7, 0, real))
    write(t, "count-past-limit", results_input(9, 1, 1, 1, 2030, six, 7, 0, 2, real))
    max_range_grew = history(lotto_max_draws(500, 8))
    write(t, "lottomax-50-before-range-grew", results_input(5, 8, 7, 5, 2019, (1, 2, 3, 4, 5, 6, 50), 9, 2, 0, max_range_grew))
    write(t, "lottomax-50-after-range-grew", results_input(5, 8, 21, 5, 2019, (1, 2, 3, 4, 5, 6, 50), 9, 2, 0, max_range_grew))


def entry_file(lines, count=None):
    count = len(lines) if count is None else count
    return b"".join(record(count if i == 0 else 0, 0, 0, 0, 0, line) for i, line in enumerate(lines))


def row(r):
    return struct.pack("<H", r + 1)  # the target subtracts one, so 0 here is row -1


def numbers(*ns):
    return struct.pack("<7h", *(tuple(ns) + (0,) * (7 - len(ns))))


def append(*ns):
    return bytes([0]) + numbers(*ns)


def replace(r, *ns):
    return bytes([1]) + row(r) + numbers(*ns)


def remove(*rows):
    return bytes([2, len(rows) - 1]) + b"".join(row(r) for r in rows)


def rewrite(data):
    return bytes([3, len(data)]) + data


def append_many(*lines):
    return bytes([4, len(lines)]) + b"".join(numbers(*line) for line in lines)


RELOAD = bytes([5])


def entryset_input(flags, game, size_choice, file_bytes, ops):
    assert len(file_bytes) % 7 == 0 and len(file_bytes) // 7 < 256
    return bytes([flags, game - 1, size_choice, len(file_bytes) * 4 // 28]) + file_bytes + ops


def entry_seeds():
    t = "entries"
    four = entry_file([[n, n + 7, n + 14, n + 21, n + 28, n + 35] for n in range(1, 5)])
    lines = entry_file([[n + k for k in range(0, 30, 5)] for n in range(1, 6)])
    six = (3, 11, 19, 27, 38, 45)
    changes = append(*six) + replace(2, *six) + remove(1) + replace(0, 1, 2, 3, 4, 5, 64) + RELOAD
    write(t, "empty", b"")
    session = (append(3, 11, 19, 27, 38, 45) + replace(0, 1, 2, 3, 4, 5, 6) + remove(1, 2) + RELOAD
               + rewrite(entry_file([[1, 2, 3, 4, 5, 6], [7, 8, 9, 10, 11, 12]])) + remove(0, 0, 1)
               + append(9, 10, 11, 12, 13, 14) + RELOAD + append_many((1, 2, 3, 4, 5, 6), (2, 3, 4, 5, 6, 7))
               + replace(0, 7, 8, 9, 10, 11, 12))
    write(t, "edit-session", entryset_input(0, 1, 0, four, session))
    write(t, "rows-out-of-range", entryset_input(0, 1, 0, four, remove(-1, 2) + remove(4) + replace(4, 1, 2, 3, 4, 5, 6)
                                                 + replace(-1, 1, 2, 3, 4, 5, 6)))
    write(t, "super7", entryset_input(0, 2, 0, four, append(1, 2, 3, 4, 5, 6, 7) + replace(1, 7, 8, 9, 10, 11, 12, 13)))
    write(t, "lottomax", entryset_input(0, 8, 0, entry_file([[3, 9, 14, 22, 30, 41, 50]] * 3),
                                        append(1, 9, 17, 25, 33, 41, 52) + replace(1, 1, 2, 3, 4, 5, 6, 53) + remove(0)))
    write(t, "empty-file-left", entryset_input(0, 1, 0, b"", RELOAD * 10 + append(1, 2, 3, 4, 5, 6)))
    write(t, "only-line-deleted", entryset_input(0, 1, 0, entry_file([list(six)]), remove(0) + RELOAD * 8))
    # Records past the count, a negative count, a count past the records, a cut-off last record.
    write(t, "count-negative", entryset_input(0, 1, 0, struct.pack("<i", -1) + lines[4:], changes))
    write(t, "count-too-big", entryset_input(0, 1, 0, struct.pack("<i", 40000) + lines[4:], changes))
    write(t, "count-short", entryset_input(0, 1, 0, struct.pack("<i", 2) + lines[4:], changes))
    write(t, "partial-record", entryset_input(0, 1, 0, lines[:98], changes))
    # Grown to the 32,767-line limit; size choice 0: one line below it, 1: at it, 2: a record past it.
    for choice, name in [(0, "one-below-full"), (1, "full"), (2, "past-limit")]:
        write(t, name, entryset_input(1, 1, choice, four, append(1, 2, 3, 4, 5, 6) + remove(0) + append(1, 2, 3, 4, 5, 6)
                                      + append_many((1, 2, 3, 4, 5, 6), (7, 8, 9, 10, 11, 12))))
    rng = random.Random(14)
    damaged = bytes(rng.randrange(256) for _ in range(98))
    write(t, "damaged", entryset_input(0, 1, 0, damaged, append(1, 2, 3, 4, 5, 6) + remove(0) + RELOAD
                                       + rewrite(bytes(rng.randrange(256) for _ in range(60)))))


# layout: line size, group size for masks, lines, group size for positions, a mask, the text
def wheel_input(line_size, balls, lines, group, text, mask=0):
    return struct.pack(">BBBBI", line_size, balls, lines + 1, group, mask) + text


def wheel_seeds():
    t = "pattern"
    real = WHEEL.read_bytes()
    write(t, "empty", b"")
    write(t, "wheel-6-4-3-11", wheel_input(6, 11, len(real.splitlines()), 11, real, 0x00FF0F01))
    write(t, "quoted-fields", wheel_input(6, 12, 2, 12, b'"01 02 03 04 05 06","07 08 09 10 11 12"\r\n'))
    write(t, "comma-rest", wheel_input(3, 6, 2, 6, b"01 02 03,04 05 06\n"))
    write(t, "unterminated-quote", wheel_input(6, 10, 2, 10, b'"01 02 03 04 05 06\n'))
    write(t, "position-zero", wheel_input(6, 10, 1, 10, b"00 01 02 03 04 05\n"))
    write(t, "position-25", wheel_input(6, 24, 1, 24, b"25 01 02 03 04 05\n"))
    write(t, "position-negative", wheel_input(6, 10, 1, 10, b"-1 02 03 04 05 06\n"))
    write(t, "past-group", wheel_input(6, 8, 1, 8, b"01 02 03 04 05 09\n"))
    write(t, "descending", wheel_input(6, 10, 1, 10, b"06 05 04 03 02 01\n"))
    write(t, "short-and-blank-lines", wheel_input(6, 10, 3, 10, b"01 02\n\n\r\n  \t\n"))
    write(t, "seven-of-24", wheel_input(7, 24, 1, 24, b"01 05 09 13 17 21 24\n", 0x00800001))
    write(t, "line-size-out-of-range", wheel_input(8, 25, 1, 26, b"01 02 03 04 05 06 07 08\n"))


# name: twice its length byte in bytes
def settings_input(province, game_bytes, name, print_bytes):
    assert len(name) % 2 == 0 and len(name) < 512
    return struct.pack("<h", province) + bytes([len(game_bytes)]) + game_bytes + bytes([len(name) // 2]) + name + print_bytes


def settings_seeds():
    t = "settings"
    write(t, "empty", b"")
    write(t, "stored-printer", settings_input(3, b"\x03\x00", b"PDF ", b"HP LaserJet".ljust(255, b" ")))
    write(t, "short-files", settings_input(5, b"\x02", b"Brother HL", b"Old Printer"))
    write(t, "nul-padding", settings_input(-1, b"\x07", b"\x00 PDF \x00\x00", b"\x00 PDF \x00\x00" + b"\x00" * 300))
    long_name = bytes(range(32, 127)) * 4  # past the 255 characters a name keeps
    write(t, "long-new-name", settings_input(32767, b"\x01\x00\xff\xff", long_name, b"kept after the name".rjust(300)))
    write(t, "blank-name", settings_input(0, b"", b" " * 400, b""))


# layout: game, days from 14 May 2019, the boxes one a line
def typed_input(game, offset, texts):
    return struct.pack("<Bh", game - 1, max(-32768, min(32767, offset))) + "\n".join(texts).encode()


def typed_seeds():
    t = "typed"
    texts = ["", "7.5", " 12abc", "2.5", "3.5", "-0.5", "+.5", "1 2 3", "99999999999999999999999", "1e5",
             "\u0661\u0662", "--5", "\t-\t4.49", "0.5", "1.5", ".", "-", "12345678901234.567891", "1" * 400]
    write(t, "numbers", typed_input(1, 0, texts))
    write(t, "latin1", struct.pack("<Bh", 0, 0) + "\u00bd 3\u00b2".encode("latin-1"))
    lines = [(1, "3 11 19 27 38 45"), (2, "1 5 9 13 17 21 47"), (1, "2.5 2 3 4 5 6"), (1, "0 1 2 3 4 5"),
             (1, "50 1 2 3 4 5"), (1, "abc 1 2 3 4 5"), (1, "1 2 3"), (1, "49.4 1 2 3 4 5"), (1, "49.5 1 2 3 4 5"),
             (3, " 7.5| 1|2 |3|4|5|99"), (2, "48 1 2 3 4 5 6"), (1, "5 5 5 5 5 5")]
    for i, (game, text) in enumerate(lines):
        write(t, f"line-{i:02d}", typed_input(game, 0, text.split("|" if "|" in text else " ")))
    # Draws: days from 12 June 1982; Lotto Max on either side of its range changes (7/49, 7/50, 7/52).
    draws = [(1, 0, "3 11 12 14 41 43 13"), (1, 100, "43 41 14 12 11 3 13"), (1, 5, "3 11 12 14 41 43 43"),
             (1, 5, "3 11 12 14 41 43 50"), (2, 9000, "1 5 9 13 17 21 47 2"), (2, 9000, "1 5 9 13 17 21 47"),
             (3, -400, "2.5 2 3 4 5 6 7"), (1, 32767, ""), (7, -19282, "1 2 3 4 5 6 7 8"),
             (8, 13481, "50 1 2 3 4 5 6 7"), (8, 13489, "50 1 2 3 4 5 6 7"),
             (8, 16008, "1 2 3 4 5 6 52 51"), (8, 16012, "1 2 3 4 5 6 52 51")]
    for i, (game, offset, text) in enumerate(draws):
        write(t, f"draw-{i:02d}", typed_input(game, offset - 13486, text.split(" ")))
    # Wheel groups: Super 7 holds its balls to 47.
    groups = [(1, ["3", "7", "12", "19", "22", "28", "31", "40", "44", "49"]), (1, ["3", "7", "7", "19", "22", "28"]),
              (2, ["3", "7", "48", "19", "22", "28"]), (1, ["2.5", "2", "3.5", "4", "5", "6"]), (1, ["1", "", "3"]),
              (1, ["99999999999999", "-5", "1", "2", "3", "4"]), (1, [str(n) for n in range(26, 2, -1)])]
    for i, (game, texts) in enumerate(groups):
        write(t, f"group-{i:02d}", typed_input(game, 0, texts))


def csv_plain(draws, header=True):
    rows = ["date,n1,n2,n3,n4,n5,n6,bonus"] if header else []
    rows += [f"{y:04d}-{m:02d}-{d:02d}," + ",".join(map(str, nums)) + f",{b}" for d, m, y, nums, b in draws]
    return "\n".join(rows).encode()


def csv_operator(draws, count=6, product="649", sequences=None):
    head = ['"PRODUCT"', '"DRAW NUMBER"', '"SEQUENCE NUMBER"', '"DRAW DATE"']
    head += [f'"NUMBER DRAWN {i}"' for i in range(1, count + 1)] + ['"BONUS NUMBER"']
    rows = [",".join(head)]
    sequences = sequences or [0] * len(draws)
    rows += [f'"{product}",{k + 1},{s},"{y:04d}-{m:02d}-{d:02d}",' + ",".join(map(str, nums)) + f",{b}"
             for k, ((d, m, y, nums, b), s) in enumerate(zip(draws, sequences))]
    return "\r\n".join(rows).encode()


def through_files(data, pad):
    """Pads a seed that sets flag 1 to a multiple of eight bytes, the inputs the import targets also
    take through the files; pad(data) must add a byte that changes nothing."""
    while len(data) % 8:
        data = pad(data)
    return data


def blank_before_last_line_end(data):
    body = data.rstrip(b"\r\n")
    return body + b" " + data[len(body):]


# flags: 1 also imports through the files (see through_files; only a few seeds take that way)
def text_import_seeds():
    t = "textimport"
    seeds = {
        "valid-649": (1, 1, b"03 11 19 27 38 45\r\n01 02 03 04 05 06\r\n"),
        "valid-super7": (1, 2, b"01 05 09 13 17 21 47\n02 06 10 14 18 22 46\n"),
        "quoted-commas": (0, 1, b'"03 11 19 27 38 45","01 02 03 04 05 06"\n'),
        "bom-and-blanks": (0, 1, b"\xef\xbb\xbf  03 11 19 27 38 45\n\n"),
        "out-of-range": (0, 1, b"03 11 19 27 38 50\n"),
        "seventh-in-649": (0, 1, b"03 11 19 27 38 45 07\n"),
        "same-balls": (1, 1, b"03 03 19 27 38 45\n"),
        "not-text": (1, 1, b"03 11\x00 19 27 38 45\n"),
        "long-line": (0, 1, b"0" * 1100),
        "unterminated-quote": (0, 1, b'"03 11 19 27 38 45\n01 02 03 04 05 06\n'),
        "empty": (0, 1, b""),
        "cr-only": (0, 3, b"03 11 19 27 38 45\r01 02 03 04 05 06\r"),
        "decimals-and-signs": (0, 1, b"3.5 11 19 27 38 45\n+1 -2 .3 27 38 45\n"),
        "text-after-quote": (0, 1, b'"03 11 19 27 38 45" junk,01 02 03 04 05 06\n'),
    }
    # Lotto Max entry dates (days from 12 December 2026) in its 7/49, 7/50 and 7/52 periods.
    seeds["lottomax-50-too-early"] = (0, 8, b"01 05 09 13 17 21 50\n", -2773)
    seeds["lottomax-50"] = (1, 8, b"01 05 09 13 17 21 50\n", -2769)
    seeds["lottomax-52"] = (0, 8, b"01 05 09 13 17 21 52\n02 06 10 14 18 22 51\n", -242)
    for name, (flags, game, text, *offset) in seeds.items():
        data = struct.pack("<BBh", flags, game - 1, offset[0] if offset else 0) + text
        write(t, name, through_files(data, blank_before_last_line_end) if flags & 1 else data)


# flags: 1 also imports through the files, as for the text import
def draw_import_input(flags, game, history_bytes, text):
    assert len(history_bytes) % 4 == 0 and len(history_bytes) // 4 < 256
    data = bytes([flags, game - 1, len(history_bytes) // 4]) + history_bytes + text
    return through_files(data, lambda d: d + b"\n") if flags & 1 else data


def draw_import_seeds():
    t = "drawimport"
    real = real_draws(15)
    write(t, "plain-into-empty", draw_import_input(1, 1, b"", csv_plain(real[:10])))
    write(t, "operator-over-history", draw_import_input(1, 1, history(real[:5]), csv_operator(real[3:12])))
    d, m, y, nums, b = real[1]
    changed = [(d, m, y, [n + 1 for n in nums], b)]
    write(t, "conflict", draw_import_input(0, 1, history(real[:3]), csv_plain(changed + real[5:7], header=False)))
    sevens = [(d, m, 2000 + i, list(range(i + 1, i + 8)), 47) for i, (d, m, _, _, _) in enumerate(real[:6])]
    write(t, "super7-operator", draw_import_input(0, 2, b"", csv_operator(sevens, 7)))
    write(t, "size-mismatch", draw_import_input(0, 2, b"", csv_plain(real[:3])))
    damaged = (b"date,n1,n2,n3,n4,n5,n6,bonus\n1982-06-12,3,11,12,14,41,43,13\n1982-06-19,7.5,33,36,37,39,41,9\n"
               b"2023-02-30,1,2,3,4,5,6,7\n1982-06-26,1,2,3,4,5\n1982-07-03,1,2,3,4,5,6,6\n1982-07-10,1,2,3,4,5,50,7\n"
               b"82-07-17,1,2,3,4,5,6,7\n1982-07-24,01,2,3,4,5,6,7\n")
    write(t, "damaged-rows", draw_import_input(1, 1, history(real[:2]), damaged))
    write(t, "unknown-header", draw_import_input(0, 1, b"", b"foo,bar\n1,2\n"))
    twice = [real[0], (real[0][0], real[0][1], real[0][2], [1, 2, 3, 4, 5, 6], 7), real[0]]
    write(t, "same-date-twice", draw_import_input(0, 1, b"", csv_plain(twice)))
    write(t, "bom-quoted-cells", draw_import_input(0, 1, b"", b'\xef\xbb\xbf"1982-06-12","3","11","12","14","41","43","13"\r\n'))
    rng = random.Random(11)
    write(t, "damaged-history", draw_import_input(0, 1, bytes(rng.randrange(256) for _ in range(112)), csv_plain(real[:4])))
    write(t, "unsorted-history", draw_import_input(0, 1, history([real[i] for i in (4, 0, 2)]), csv_plain(real[:6])))
    # Lotto Max across its range changes, MaxMillions rows (sequence 1 and up) among the main draws.
    grew = lotto_max_draws(500, 8) + lotto_max_draws(1222, 8)
    write(t, "lottomax-periods", draw_import_input(1, 8, history(lotto_max_draws(498, 3)),
                                                   csv_operator(grew, 7, "LOTTO MAX", [0, 0, 0, 0, 0, 1, 0, 2] * 2)))
    too_early = [(d, m, y, nums[:6] + [52], b) for d, m, y, nums, b in lotto_max_draws(1220, 8)]
    write(t, "lottomax-52-too-early", draw_import_input(0, 8, b"", csv_operator(too_early, 7, "LOTTO MAX")))


def downloaded_seeds():
    t = "history"

    def seed(name, game, body):
        write(t, f"download-{name}", results_input(0, game, 0, 0, 0, (), 0, 0, 0, body))

    real = history(real_draws(20))
    seed("error-page", 1, b"<html><body>404 Not Found</body></html>")
    seed("truncated", 1, real[:-10])
    seed("count-zero", 1, struct.pack("<i", 0) + real[4:])
    seed("count-too-big", 1, struct.pack("<i", 40000) + real[4:])
    draws = real_draws(4)
    seed("out-of-order", 1, history([draws[i] for i in (0, 2, 1, 3)]))
    seed("bad-date", 1, history([(31, 2, 1983, [1, 2, 3, 4, 5, 6], 7)]))
    seed("number-twice", 1, history([(12, 6, 1982, [1, 1, 3, 4, 5, 6], 7)]))
    seed("six-numbers-for-super7", 2, real)
    seed("stale-bytes-after-count", 1, real + b"\x00" * 30)
    seed("lottomax-periods", 8, history(lotto_max_draws(495, 20) + lotto_max_draws(1220, 10)))
    seed("lottomax-50-in-2018", 8, history([(d, m, y, nums[:6] + [50], b) for d, m, y, nums, b in lotto_max_draws(460, 5)]))


def download_server_seeds():
    t = "address"

    def seed(name, flags, ini, typed):
        ini = ini + b"\n" * (-len(ini) % 4)
        write(t, name, bytes([flags, len(ini) // 4]) + ini + typed)

    seed("stored-default", 0, b"[download]\nbase=http://localhost:8000/dwnld/\n", b"https://example.org/lotto")
    seed("no-ini", 0, b"", b"ftp://example.org/")
    seed("query", 0, b"base=garbage\n", b"http://host/path?x=1")
    seed("no-host", 0, b"base=https://mirror.example/x\r\n", b"http:///nohost")
    seed("blanks-port-space", 0, b"\xff\xfe\x00base=", b"  http://Example.COM:8080/a b/ ")
    seed("ipv6", 0, b"base=http://[::1]:8000/", b"http://[::1]/")
    seed("user-info", 0, b"", b"http://user:pw@host/files")
    seed("percent", 0, b"", b"http://host/%41%2F/")
    seed("fragment", 0, b"", b"http://host/#frag")
    seed("latin1-host", 1, b"", "http://h\u00f4st.example/".encode("latin-1"))
    seed("idn-host", 0, b"", "http://caf\u00e9.example/d".encode())


def statistics_seeds():
    t = "statistics"

    def seed(name, game, last, seed_value, body):
        write(t, name, struct.pack("<BBH", game - 1, last + 1, seed_value) + body)

    real = history(real_draws(30))
    seed("real-history", 1, 10, 1, real)
    seed("all-draws", 1, 0, 2, real)
    seed("more-than-held", 1, 45, 3, real)
    seed("damaged", 1, 2, 4, history([(12, 6, 1982, [-1, 999, 5, 5, 0, 49], 5), (0, 0, 0, [50] * 6, -7)]))
    sevens = [(d, m, 2000 + i, list(range(i + 1, i + 8)), 47) for i, (d, m, _, _, _) in enumerate(real_draws(10))]
    seed("super7", 2, 3, 5, history(sevens))
    seed("empty", 1, 0, 6, b"")


def optimiser_input(game, first, last, flags, slider, threshold, date_offset, draws, entries):
    assert len(draws) % 8 == 0 and len(draws) // 8 < 256
    return (bytes([game - 1, first + 2, last + 2, flags, slider, threshold])
            + struct.pack("<hB", date_offset, len(draws) // 8) + draws + entries)


def optimiser_seeds():
    t = "optimiser"
    real = history(real_draws(30))
    lines = [[n, n + 7, n + 14, n + 21, n + 28, n + 35] for n in range(1, 15)] + [[1, 8, 15, 22, 29, 40]] * 3
    write(t, "real-both-filters", optimiser_input(1, 1, 30, 3, 1, 4, 0, real, entry_file(lines)))
    write(t, "coverage-only", optimiser_input(1, 20, 25, 2, 3, 3, 5, real, entry_file(lines)))
    write(t, "sum-narrowest", optimiser_input(1, 0, 40, 1, 5, 5, 9, real, entry_file(lines)))
    damaged_lines = [[5, 5, 5, 1, 2, 3], [0, 0, 0, 0, 0, 0], [-1, 64, 100, 2, 3, 4], [49, 48, 47, 46, 45, 44]]
    damaged_draws = history([(12, 6, 1982, [5, 5, 7, 8, 9, 10], 11), (19, 6, 1982, [-1, 0, 50, 60, 2, 3], 4)] + real_draws(3))
    write(t, "damaged", optimiser_input(1, 1, 5, 3, 2, 2, 0, damaged_draws + b"\0" * 4, entry_file(damaged_lines)))
    sevens = [(d, m, 2000 + i, [(i * 3 + j * 5) % 47 + 1 for j in range(7)], 47)
              for i, (d, m, _, _, _) in enumerate(real_draws(24))]
    seven_lines = [[1, 2, 3, 4, 5, 6, 7], [1, 2, 3, 4, 5, 6, 8], [10, 20, 30, 40, 41, 42, 43]]
    write(t, "super7", optimiser_input(2, 1, 24, 3, 1, 6, 0, history(sevens), entry_file(seven_lines)))
    write(t, "full-file", optimiser_input(1, 1, 30, 0, 1, 5, 0, real,
                                          struct.pack("<i", MAX) + entry_file(lines)[4:]))


def history_check_seeds():
    t = "historycheck"
    draws = real_draws(30)
    real = history(draws)
    # Lines that win: a drawn line, five of a draw with its bonus, four, three, and near misses.
    d3, d7, d9 = draws[3][3], draws[7][3], draws[9][3]
    lines = [d3, d7[:5] + [draws[7][4]], d9[:4] + [1, 2], d3[:3] + [47, 48, 49], [1, 2, 3, 4, 5, 6]]
    lines = [sorted(set(l))[:6] + [0] * (6 - len(set(l))) for l in lines]

    def seed(name, game, step, first, last, draws_bytes, entries):
        assert len(draws_bytes) % 8 == 0
        write(t, name, bytes([game - 1, step - 1, first + 1, last + 1, len(draws_bytes) // 8]) + draws_bytes + entries)

    seed("real-wins", 1, 3, 1, 30, real, entry_file(lines))
    seed("part-of-range", 1, 1, 5, 12, real, entry_file(lines))
    seed("range-outside", 1, 4, 25, 40, real, entry_file(lines))
    damaged_lines = [[5, 5, 5, 1, 2, 3], [0, 0, 0, 0, 0, 0], [-1, 64, 100, 2, 3, 4], d3]
    damaged_draws = history([(12, 6, 1982, d3[:5] + [d3[4]], d3[5]), (1, 1, 1980, [0, 64, -1, 3, 2, 1], 0)])
    seed("damaged", 1, 2, 0, 40, damaged_draws, entry_file(damaged_lines))
    sevens = [(d, m, 2000 + i, list(range(i + 1, i + 8)), 47) for i, (d, m, _, _, _) in enumerate(draws[:6])]
    seven_lines = [list(range(1, 8)), [1, 2, 3, 4, 5, 6, 47], [2, 3, 4, 47, 10, 11, 12]]
    seed("super7", 2, 1, 1, 6, history(sevens), entry_file(seven_lines))
    seed("unsorted", 1, 2, 1, 5, history([draws[i] for i in (4, 0, 3, 1, 2, 5)]), entry_file(lines))


if __name__ == "__main__":
    results_seeds()
    entry_seeds()
    wheel_seeds()
    settings_seeds()
    typed_seeds()
    text_import_seeds()
    draw_import_seeds()
    downloaded_seeds()
    download_server_seeds()
    statistics_seeds()
    optimiser_seeds()
    history_check_seeds()
