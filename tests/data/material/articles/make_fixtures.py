#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Writes the article fixtures beside this script: GBK with CR LF unless a
file says otherwise. Re-run after changing a text; the bytes come out the same."""
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent


def write(relative, data):
    path = HERE / relative
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)


def gbk_lines(lines, final_line_end=True, line_end="\r\n"):
    text = line_end.join(lines) + (line_end if final_line_end else "")
    return text.encode("gbk")


def article(kind, text, provider="Qintara"):
    return [kind, provider, "测试资料", "10001", "test@example.org",
            "https://example.org", "测试用的文章", text]


for folder in ("program", "user", "broken", "text"):
    shutil.rmtree(HERE / folder, ignore_errors=True)

# Program folder: category folders in mixed case, an article bearing a
# category's name, a category folder called like the wrong-character node,
# and files the tree must leave out.
A = "program/article/"
write(A + "chinese/故事/小猫钓鱼.lmf", gbk_lines(article("故事", "小猫在河边钓鱼。")))
write(A + "chinese/故事/灯塔.lmf", gbk_lines(article("故事", "灯塔的光照着海面。")))
write(A + "chinese/故事/更深/深处.lmf", gbk_lines(article("故事", "不列出。")))
write(A + "chinese/散文/故事.lmf", gbk_lines(article("散文", "名叫故事的散文。")))
write(A + "chinese/错字练习/同名.lmf", gbk_lines(article("文章", "程序目录里的同名类别。")))
write(A + "chinese/直接.lmf", gbk_lines(article("文章", "不列出。")))
write(A + "english/Stories/beta.lmf", gbk_lines(article("Story", "Beta text.")))
write(A + "english/Stories/Alpha.lmf", gbk_lines(article("Story", "Alpha text.")))
write(A + "english/Stories/Gamma.LMF", gbk_lines(article("Story", "Gamma text.")))
write(A + "english/Stories/notes.txt", gbk_lines(["not an article"]))
write(A + "english/animals/Cats.lmf", gbk_lines(article("Animals", "Cats sleep a lot.")))
write(A + "english/Basics/Home Row.lmf", gbk_lines(article("Drill", "asdf jkl;")))

# A user folder with wrong-character files of both languages; the language
# folder is spelt in capitals, as a user may have made it by hand.
remark = "本文件是用户在进行文章练习({})时所有输入错误的字,建议用户选择此文件练习!"
write("user/错字练习/English/Alpha.lmf",
      gbk_lines(article("错字练习", "xqz", "")[:6] + [remark.format("Alpha"), "xqz"]))
write("user/错字练习/chinese/小猫钓鱼.lmf",
      gbk_lines(article("错字练习", "钓鱼", "")[:6] + [remark.format("小猫钓鱼"), "钓鱼"]))

# Article files that are damaged, and the line ends that are not.
eight = article("文章", "八行文章。")
write("broken/seven lines.lmf", gbk_lines(eight[:7]))
write("broken/nine lines.lmf", gbk_lines(eight + ["第九行"]))
write("broken/empty ninth line.lmf", gbk_lines(eight + [""]))
write("broken/empty file.lmf", b"")
write("broken/no final line end.lmf", gbk_lines(eight, final_line_end=False))
write("broken/LF line ends.lmf", gbk_lines(eight, line_end="\n"))
write("broken/empty text.lmf", gbk_lines(article("文章", "")))
write("broken/capital extension.LMF", gbk_lines(eight))

# One plain text in three codings; lines with spaces at their ends and an
# empty line, which the reader drops.
lines = ["  Qintara 打字练习 ", "", " 第二行：中文与English。"]
plain = "\r\n".join(lines) + "\r\n"
write("text/utf8 bom.txt", b"\xef\xbb\xbf" + plain.encode("utf-8"))
write("text/utf8.txt", plain.encode("utf-8"))
write("text/gbk.txt", plain.encode("gbk"))
write("text/empty.txt", b"\r\n  \r\n")
