#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Checks the shipped practice articles: data/article/<language>/<category>/<title>.lmf.

Every article must be GBK with CR LF line ends and exactly eight lines (a line
end after the eighth does not count), its text on the eighth line, non-empty.
Articles lying directly in a language folder or deeper than a category are
never listed by the program, so there must be none.
"""
import pathlib
import subprocess
import sys
import tempfile
import unittest

ROOT = pathlib.Path(__file__).resolve().parents[2]
ARTICLES = ROOT / "data" / "article"
BUILDER = ROOT / "tools" / "articles" / "build_articles.py"


class ShippedArticles(unittest.TestCase):
    def articles(self, language):
        return sorted((ARTICLES / language).glob("*/*.lmf"))

    def test_each_language_has_articles_in_categories(self):
        for language in ("english", "chinese"):
            folder = ARTICLES / language
            if not folder.exists():
                continue
            with self.subTest(language=language):
                self.assertTrue(self.articles(language))
                misplaced = [p for p in folder.rglob("*.lmf") if p.parent.parent != folder]
                self.assertEqual(misplaced, [])

    def test_every_article_has_eight_gbk_crlf_lines(self):
        for path in ARTICLES.glob("*/*/*.lmf"):
            with self.subTest(article=str(path.relative_to(ARTICLES))):
                data = path.read_bytes()
                text = data.decode("gbk")  # strict: a bad byte fails the test
                self.assertNotIn("\n", text.replace("\r\n", ""), "bare LF or CR")
                self.assertNotIn("\r", text.replace("\r\n", ""), "bare LF or CR")
                lines = text.removesuffix("\r\n").split("\r\n")
                self.assertEqual(len(lines), 8)
                self.assertTrue(lines[7].strip(), "empty article text")


class Builder(unittest.TestCase):
    def test_builds_the_same_bytes_twice(self):
        sample = "provider: Qintara\nremarks: sample\n\n第一段，有标点。\n\n第二段！\n"
        with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
            outputs = []
            for work in (first, second):
                tools = pathlib.Path(work) / "tools" / "articles"
                (tools / "chinese" / "测试").mkdir(parents=True)
                (tools / "chinese" / "测试" / "样本.txt").write_text(sample, encoding="utf-8")
                (tools / "build_articles.py").write_bytes(BUILDER.read_bytes())
                subprocess.run([sys.executable, str(tools / "build_articles.py")], check=True,
                               capture_output=True)
                outputs.append((pathlib.Path(work) / "data/article/chinese/测试/样本.lmf").read_bytes())
            self.assertEqual(outputs[0], outputs[1])
            lines = outputs[0].decode("gbk").split("\r\n")
            self.assertEqual(lines[7], "第一段，有标点。第二段！")
            self.assertEqual(lines[8:], [""])


if __name__ == "__main__":
    unittest.main()
