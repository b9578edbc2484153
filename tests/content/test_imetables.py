#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Validates the shipped input-method tables, character pools, word lists and
number files, and checks that their converters give the same bytes on every
run (on small committed samples of the sources, without network)."""
import csv
import filecmp
import pathlib
import sqlite3
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
DATA = ROOT / "data"
TOOLS = ROOT / "tools" / "imetables"
FIXTURES = pathlib.Path(__file__).resolve().parent / "fixtures"
sys.path.insert(0, str(TOOLS))

import gbktext  # noqa: E402
import make_english  # noqa: E402

METHODS = ("五笔", "拼音")
PHRASE_FILES = {2: "二字词组.txt", 3: "三字词组.txt", 4: "四字词组.txt"}
MEANING_LISTS = ("新版小学英语.txt", "新版初中英语.txt", "新版高中英语.txt",
                 "托福600分单词.txt", "大学英语1－4级词汇.txt", "大学英语5－6级词汇.txt")
CODE_KEYS = {"五笔": set("abcdefghijklmnopqrstuvwxy"), "拼音": set("abcdefghijklmnopqrstuvwxyz'")}
MEANING_LIMIT = 40


def read_lines(path):
    return path.read_bytes().decode("gbk").split("\r\n")[:-1]


def read_pool(path):
    return path.read_bytes().decode("gbk")


def split_phrase_line(line):
    """The phrase-line split of the drills: the code starts at the first
    printable single-byte character other than the space."""
    for index, char in enumerate(line):
        if 33 <= ord(char) <= 126:
            return line[:index], line[index:]
    return line, ""


def find_code(lines, text):
    """The program's lookup: the first line that holds the text anywhere."""
    for line in lines:
        if text in line:
            return line[len(text):]
    return None


def is_hanzi(char):
    return "\u3400" <= char <= "\u9fff"


def line_files():
    files = [DATA / "English" / "number.txt"]
    files += sorted((DATA / "English" / "word").glob("*.txt"))
    for method in METHODS:
        files.append(DATA / "chinese" / method / "bm.txt")
        files += sorted((DATA / "chinese" / method / "phrase").glob("*.txt"))
    return files


def pool_files():
    files = [DATA / "chinese" / "number.txt"]
    for method in METHODS:
        files += sorted((DATA / "chinese" / method / "word").glob("*.txt"))
    return files


NOTICES = [DATA / "chinese" / "五笔" / "SOURCE-LICENSE", DATA / "chinese" / "拼音" / "SOURCE-LICENSE",
           DATA / "English" / "word" / "SOURCE-LICENSE", DATA / "ime" / "SOURCE-LICENSE"]


class FileFormat(unittest.TestCase):
    def test_line_files_are_gbk_with_crlf_only(self):
        for path in line_files() + NOTICES:
            with self.subTest(path=str(path.relative_to(DATA))):
                raw = path.read_bytes()
                raw.decode("gbk", errors="strict")
                self.assertTrue(raw.endswith(b"\r\n"))
                bare = raw.replace(b"\r\n", b"")
                self.assertFalse(b"\r" in bare or b"\n" in bare, "line end other than CR LF")
                if path not in NOTICES:
                    self.assertFalse(raw.startswith(b"\r\n") or b"\r\n\r\n" in raw, "empty line")

    def test_pools_are_one_gbk_line_without_line_break(self):
        for path in pool_files():
            with self.subTest(path=str(path.relative_to(DATA))):
                text = path.read_bytes().decode("gbk", errors="strict")
                self.assertTrue(text)
                self.assertFalse(set(text) & set("\r\n \t\u3000"))
                self.assertTrue(all(is_hanzi(c) for c in text), text)
                self.assertEqual(len(set(text)), len(text), "character twice")

    def test_licence_notices_sit_beside_the_material(self):
        for path in NOTICES:
            with self.subTest(path=str(path.relative_to(DATA))):
                self.assertTrue(path.is_file())


class CodeFiles(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.chars = {m: read_lines(DATA / "chinese" / m / "bm.txt") for m in METHODS}
        cls.phrases = {(m, n): read_lines(DATA / "chinese" / m / "phrase" / f)
                       for m in METHODS for n, f in PHRASE_FILES.items()}

    def test_every_gb2312_character_has_one_line_with_a_code(self):
        for method in METHODS:
            with self.subTest(method=method):
                chars = [line[0] for line in self.chars[method]]
                self.assertEqual(len(chars), len(set(chars)))
                self.assertLessEqual(set(gbktext.gb2312_hanzi()), set(chars))
                for line in self.chars[method]:
                    self.assertTrue(is_hanzi(line[0]), line)
                    self.assertTrue(line[1:] and set(line[1:]) <= CODE_KEYS[method], line)

    def test_wubi_full_codes_have_three_or_four_keys(self):
        lengths = {len(line) - 1 for line in self.chars["五笔"]}
        self.assertEqual(lengths, {3, 4})

    def test_phrase_lines_split_into_phrase_and_code(self):
        for (method, length), lines in self.phrases.items():
            with self.subTest(method=method, length=length):
                self.assertTrue(lines)
                seen = set()
                for line in lines:
                    phrase, code = split_phrase_line(line)
                    self.assertEqual(len(phrase), length, line)
                    self.assertTrue(all(gbktext.is_gb2312_hanzi(c) for c in phrase), line)
                    self.assertTrue(code and set(code) <= CODE_KEYS[method], line)
                    if method == "五笔":
                        self.assertEqual(len(code), 4, line)
                    self.assertNotIn(phrase, seen)
                    seen.add(phrase)

    def test_lookups(self):
        cases = [  # input method, text, code
            ("五笔", "工", "aaaa"), ("五笔", "式", "aad"), ("五笔", "匿", "aadk"),
            ("五笔", "经", "xcag"), ("五笔", "同", "mgkd"), ("五笔", "以", "nywy"),
            ("五笔", "啰", "klqy"), ("五笔", "萬", "ajmy"),
            ("五笔", "中国", "khlg"), ("五笔", "我们", "trwu"),
            ("五笔", "踊跃", "khkh"),  # listed twice; the code the rules give
            ("五笔", "共和国", "atlg"), ("五笔", "有限公司", "dbwn"),
            ("拼音", "了", "le"), ("拼音", "行", "xing"), ("拼音", "女", "nv"),
            ("拼音", "匚", "fang"),  # missing from the table, reading from Unihan
            ("拼音", "中国", "zhongguo"), ("拼音", "西安", "xi'an"),
            ("拼音", "中国人", "zhongguoren"), ("拼音", "中华民族", "zhonghuaminzu"),
        ]
        for method, text, code in cases:
            with self.subTest(method=method, text=text):
                lines = self.chars[method] if len(text) == 1 else self.phrases[(method, len(text))]
                self.assertEqual(find_code(lines, text), code)

    def test_heaviest_entries_come_first(self):
        self.assertEqual(self.chars["五笔"][1], "的rqyy")
        self.assertEqual(self.chars["拼音"][0], "的de")


class Pools(unittest.TestCase):
    def pool(self, method, name):
        return read_pool(DATA / "chinese" / method / "word" / (name + ".txt"))

    def codes(self, method):
        return {line[0]: line[1:] for line in read_lines(DATA / "chinese" / method / "bm.txt")}

    def test_every_drill_character_has_a_code(self):
        for method in METHODS:
            codes = self.codes(method)
            for path in [DATA / "chinese" / "number.txt"] + sorted((DATA / "chinese" / method / "word").glob("*.txt")):
                with self.subTest(method=method, pool=path.name):
                    self.assertEqual([c for c in read_pool(path) if c not in codes], [])

    def test_fixed_pools(self):
        cases = [
            ("五笔", "一级简码", "一地在要工上是中国同和的有人我主产不为这民了发以经"),
            ("五笔", "键名字", "王土大木工目日口田山禾白月人金言立水火之已子女又纟"),
        ]
        for method, name, expected in cases:
            with self.subTest(pool=name):
                self.assertEqual(self.pool(method, name), expected)
        self.assertEqual(read_pool(DATA / "chinese" / "number.txt"),
                         "零一二三四五六七八九十百千万亿壹贰叁肆伍陆柒捌玖拾佰仟萬億")

    def test_short_code_pools_match_the_codes(self):
        codes = self.codes("五笔")
        level2 = self.pool("五笔", "二级简码")
        self.assertEqual(len(level2), 615)
        self.assertIn("式", level2)
        for char in self.pool("五笔", "键名字"):
            self.assertEqual(len(set(codes[char])), 1, char)
        for char in self.pool("五笔", "成字字根"):
            self.assertTrue(set(codes[char][1:]) <= set("ghtyn"), char)

    def test_common_pools(self):
        for method in METHODS:
            with self.subTest(method=method):
                common = self.pool(method, "常用3500字")
                self.assertEqual(len(common), 3500)
                top = self.pool(method, "常用500字")
                self.assertEqual(len(top), 500)
                self.assertLessEqual(set(top), set(common))
                self.assertEqual(top[:5], "的一了是不")

    def test_grouped_pools_split_the_common_characters(self):
        wubi_codes = self.codes("五笔")
        zones = {"横区常用字GFDSA": "gfdsa", "竖区常用字HJKLM": "hjklm", "撇区常用字TREWQ": "trewq",
                 "捺区常用字YUIOP": "yuiop", "折区常用字NBVCX": "nbvcx"}
        joined = ""
        for name, keys in zones.items():
            pool = self.pool("五笔", name)
            self.assertTrue(all(wubi_codes[c][0] in keys for c in pool), name)
            joined += pool
        self.assertEqual(sorted(joined), sorted(self.pool("五笔", "常用3500字")))
        pinyin = [p.stem for p in (DATA / "chinese" / "拼音" / "word").glob("*.txt")]
        groups = "".join(self.pool("拼音", n) for n in pinyin if n.startswith(("声母", "零声母")))
        self.assertEqual(sorted(groups), sorted(self.pool("拼音", "常用3500字")))
        self.assertIn("中", self.pool("拼音", "声母zhchshr常用字"))
        self.assertIn("有", self.pool("拼音", "零声母常用字"))


class WordLists(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.lists = {name: read_lines(DATA / "English" / "word" / name) for name in MEANING_LISTS}

    def test_the_six_meaning_lists_and_nothing_else(self):
        names = sorted(p.name for p in (DATA / "English" / "word").glob("*.txt"))
        self.assertEqual(names, sorted(MEANING_LISTS))

    def test_lines_are_word_hash_short_meaning(self):
        files = {name: lines for name, lines in self.lists.items()}
        files["number.txt"] = read_lines(DATA / "English" / "number.txt")
        for name, lines in files.items():
            with self.subTest(file=name):
                self.assertTrue(lines)
                words = set()
                for line in lines:
                    word, sep, meaning = line.partition("#")
                    self.assertTrue(sep and make_english.is_typeable(word) and meaning.strip(), line)
                    self.assertLessEqual(len(meaning), MEANING_LIMIT, line)
                    self.assertNotIn(word, words)
                    words.add(word)

    def test_meaning_lookup_over_the_six_lists(self):
        meanings = [line.partition("#") for name in MEANING_LISTS for line in self.lists[name]]

        def find_meaning(word):
            word = word.strip()
            return next((m for w, _, m in meanings if w.lower() == word.lower()), None)

        cases = [(" Apple ", "n. 苹果"), ("the", "art. 那"), ("ABANDON", "vt. 放弃"),
                 ("zinc", "n. 锌"), ("T-shirt", "n. 圆领汗衫"), ("ice cream", "冰淇淋")]
        for word, start in cases:
            with self.subTest(word=word):
                self.assertTrue((find_meaning(word) or "").startswith(start), find_meaning(word))

    def test_list_selection(self):
        words = {name: {line.partition("#")[0] for line in lines} for name, lines in self.lists.items()}
        self.assertIn("ability", words["大学英语1－4级词汇.txt"])
        self.assertNotIn("ability", words["大学英语5－6级词汇.txt"])  # also in cet4
        self.assertIn("apple", words["新版小学英语.txt"])
        self.assertEqual(len(words["新版初中英语.txt"]), 1603)

    def test_number_words(self):
        lines = set(read_lines(DATA / "English" / "number.txt"))
        for line in ("zero#零", "one#一", "twelve#十二", "twenty#二十", "ninety#九十",
                     "hundred#百", "million#百万", "first#第一", "twentieth#第二十"):
            with self.subTest(line=line):
                self.assertIn(line, lines)


class ShortMeaning(unittest.TestCase):
    def test_cases(self):
        cases = [  # translation, meaning
            ("n. 苹果, 家伙\n[医] 苹果", "n. 苹果, 家伙"),
            ("a. 坏掉的, 打破的, 断掉的\nbreak的过去分词", "a. 坏掉的, 打破的, 断掉的"),
            ("be的单数第一人称\n[计] 存取管理程序", "be的单数第一人称"),
            ("第一个字母 A; 一个; 第一的\r\nart. [计] 累加器", "第一个字母 A, 一个, 第一的"),
            ("n. 猫, 恶妇\nvi. 呕吐\n计算机辅助教育", "n. 猫, 恶妇; vi. 呕吐"),
            ("[计] DO", "DO"),
            ("n. 跑, 赛跑, 奔跑, 奔跑的路程\nvi. 跑, 奔跑, 跑步, 赛跑\nvt. 使跑, 参赛, 追究",
             "n. 跑, 赛跑, 奔跑; vi. 跑, 奔跑, 跑步; vt. 使跑, 参赛"),
            ("n. " + "长" * 60, "n. " + "长" * 37),
        ]
        for translation, expected in cases:
            with self.subTest(translation=translation[:12]):
                self.assertEqual(make_english.short_meaning(translation), expected)


def make_ecdict_sample(path):
    with open(FIXTURES / "ecdict_sample.csv", encoding="utf-8", newline="") as stream:
        rows = list(csv.DictReader(stream))
    db = sqlite3.connect(path)
    db.execute("CREATE TABLE stardict (word VARCHAR(64) COLLATE NOCASE NOT NULL UNIQUE, "
               "translation TEXT, tag VARCHAR(64))")
    db.executemany("INSERT INTO stardict VALUES (?, ?, ?)",
                   [(r["word"], r["translation"], r["tag"]) for r in rows])
    db.commit()
    db.close()


def converter_runs(ecdict, out):
    """The converters with their sample sources, each into its own folder."""
    dicts = {"wubi": FIXTURES / "wubi86.dict.yaml", "pinyin": FIXTURES / "pinyin_simp.dict.yaml"}
    unihan = FIXTURES / "unihan"
    return {
        "wubi codes": ["make_codes.py", "--method", "wubi", "--dict", dicts["wubi"],
                       "--out", out / "wubi codes", "--extra-chars", "萬"],
        "pinyin codes": ["make_codes.py", "--method", "pinyin", "--dict", dicts["pinyin"],
                         "--out", out / "pinyin codes", "--extra-chars", "萬啰", "--unihan", unihan],
        "pools": ["make_pools.py", "--wubi-dict", dicts["wubi"], "--pinyin-dict", dicts["pinyin"],
                  "--unihan", unihan, "--data", out / "pools"],
        "english": ["make_english.py", "--ecdict", ecdict, "--primary", FIXTURES / "primary_words.txt",
                    "--data", out / "english"],
        "numbers": ["make_numbers.py", "--data", out / "numbers"],
        "ime": ["make_ime.py", dicts["wubi"], dicts["pinyin"], out / "ime"],
    }


class Converters(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.TemporaryDirectory()
        base = pathlib.Path(cls.temp.name)
        ecdict = base / "ecdict.sqlite"
        make_ecdict_sample(ecdict)
        cls.runs = [base / "first", base / "second"]
        for out in cls.runs:
            for command in converter_runs(ecdict, out).values():
                subprocess.run([sys.executable, TOOLS / command[0], *map(str, command[1:])],
                               check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @classmethod
    def tearDownClass(cls):
        cls.temp.cleanup()

    def output(self, *parts):
        return self.runs[0].joinpath(*parts)

    def test_two_runs_give_the_same_bytes(self):
        for name in converter_runs(pathlib.Path(), pathlib.Path()):
            with self.subTest(converter=name):
                first = sorted(p.relative_to(self.runs[0]) for p in (self.runs[0] / name).rglob("*") if p.is_file())
                second = sorted(p.relative_to(self.runs[1]) for p in (self.runs[1] / name).rglob("*") if p.is_file())
                self.assertTrue(first)
                self.assertEqual(first, second)
                for relative in first:
                    self.assertTrue(filecmp.cmp(self.runs[0] / relative, self.runs[1] / relative, shallow=False),
                                    str(relative))

    def test_code_tables_from_the_samples(self):
        wubi = read_lines(self.output("wubi codes", "bm.txt"))
        self.assertEqual(find_code(wubi, "萬"), "ajmy")  # an extra character
        self.assertIsNone(find_code(wubi, "⒈"))  # z-codes are symbols
        wubi2 = read_lines(self.output("wubi codes", "phrase", "二字词组.txt"))
        self.assertEqual(find_code(wubi2, "踊跃"), "khkh")
        self.assertEqual(find_code(wubi2, "西安"), "sgpv")  # fractional weight
        self.assertIsNone(find_code(wubi2, "T恤"))  # not all GB2312 characters
        self.assertEqual(wubi2[0], "中国khlg")  # heaviest first
        pinyin = read_lines(self.output("pinyin codes", "bm.txt"))
        self.assertEqual(find_code(pinyin, "行"), "xing")
        self.assertEqual(find_code(pinyin, "匚"), "fang")
        self.assertEqual(find_code(pinyin, "啰"), "luo")
        pinyin2 = read_lines(self.output("pinyin codes", "phrase", "二字词组.txt"))
        self.assertEqual(find_code(pinyin2, "西安"), "xi'an")

    def test_ime_tables_from_the_samples(self):
        for name in ("wubi86.tbl", "pinyin.tbl"):
            with self.subTest(table=name):
                lines = self.output("ime", name).read_text(encoding="utf-8").splitlines()
                self.assertEqual(lines[0], "# qintara ime table 1")
                rows = [line.split("\t") for line in lines[1:]]
                self.assertTrue(rows)
                for code, text, weight in rows:
                    self.assertRegex(code, "^[a-z]+$")
                    text.encode("gb2312")
                    int(weight)
                keys = [(code.encode(), -int(weight)) for code, _, weight in rows]
                self.assertEqual(keys, sorted(keys), "not by code, heaviest first")
        wubi = self.output("ime", "wubi86.tbl").read_text(encoding="utf-8")
        self.assertNotIn("\nz", wubi, "symbol codes belong to no table")

    def test_shipped_ime_tables_are_sorted_by_code(self):
        for name in ("wubi86.tbl", "pinyin.tbl"):
            with self.subTest(table=name):
                lines = (DATA / "ime" / name).read_text(encoding="utf-8").splitlines()
                codes = [line.split("\t", 1)[0].encode() for line in lines[1:]]
                self.assertEqual(codes, sorted(codes))

    def test_every_drill_character_can_be_typed_with_the_built_in_input(self):
        """A target the built-in input cannot give would stop a learner
        without a system input method."""
        for method, name in (("五笔", "wubi86.tbl"), ("拼音", "pinyin.tbl")):
            with self.subTest(table=name):
                pools = [DATA / "chinese" / "number.txt"]
                pools += sorted((DATA / "chinese" / method / "word").glob("*.txt"))
                characters = {c for pool in pools for c in read_pool(pool) if "\u3400" <= c <= "\u9fff"}
                lines = (DATA / "ime" / name).read_text(encoding="utf-8").splitlines()[1:]
                typed = {line.split("\t")[1] for line in lines}
                self.assertEqual(sorted(characters - typed), [])

    def test_word_lists_from_the_sample(self):
        folder = self.output("english", "English", "word")
        words = {p.name: [line.partition("#")[0] for line in read_lines(p)] for p in folder.glob("*.txt")}
        self.assertEqual(sorted(words), sorted(MEANING_LISTS))
        self.assertEqual(words["新版小学英语.txt"], ["apple", "I", "run"])
        self.assertEqual(words["大学英语5－6级词汇.txt"], ["buzz", "zinc"])  # cet6 without cet4
        self.assertEqual(words["托福600分单词.txt"], ["abandon", "account for", "buzz", "zinc"])  # no café

    def test_pools_from_the_samples(self):
        folder = self.output("pools", "chinese", "五笔", "word")
        self.assertEqual(read_pool(folder / "一级简码.txt"), "一地在要工上是中国同和的有人我主产不为这民了发以经")
        self.assertTrue(all(read_pool(p) for p in folder.glob("*.txt")))


if __name__ == "__main__":
    unittest.main()
