#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Fetches the sources of the radical table and grid into .work/ and copies
their licence notices next to the resources made from them.

- Debian rime-data-wubi: wubi86.dict.yaml, the Wubi 86 code table (LGPL-3.0)
- Debian fonts-noto-cjk: Noto Sans CJK SC (SIL OFL 1.1)
- npm hanzi-writer-data 2.0.1: stroke outlines (Arphic Public License)
- Make Me a Hanzi dictionary.txt (LGPL-3.0) is read where it lies, in
  /work/shared/data/makemeahanzi/.

Sources already present are not fetched again.
"""
import pathlib
import shutil
import subprocess
import sys

HERE = pathlib.Path(__file__).resolve().parent
ROOT = HERE.parents[1]
WORK = HERE / ".work"
RESOURCES = ROOT / "src/resources/wubi"
MAKEMEAHANZI = pathlib.Path("/work/shared/data/makemeahanzi")
DEBIAN = {"rime": "rime-data-wubi", "noto": "fonts-noto-cjk"}
NPM = ("hwd", "hanzi-writer-data@2.0.1")


def run(*command):
    subprocess.run(command, cwd=WORK, check=True)


def fetch():
    WORK.mkdir(exist_ok=True)
    for folder, package in DEBIAN.items():
        if not (WORK / folder).is_dir():
            run("apt-get", "download", package)
            deb, = WORK.glob(f"{package}_*.deb")
            run("dpkg-deb", "-x", deb.name, folder)
    folder, package = NPM
    if not (WORK / folder).is_dir():
        run("npm", "pack", package)
        tarball, = WORK.glob("hanzi-writer-data-*.tgz")
        (WORK / folder).mkdir()
        run("tar", "xzf", tarball.name, "-C", folder)


def ofl_text(debian_copyright):
    """The SIL OFL 1.1 text from the font package's copyright file."""
    lines = debian_copyright.read_text(encoding="utf-8").splitlines()
    start = lines.index("License: SIL-1.1", lines.index("License: SIL-1.1") + 1)
    body = []
    for line in lines[start + 1:]:
        if not line.startswith(" "):
            break
        body.append("" if line.strip() == "." else line[1:])
    return "\n".join(body).rstrip() + "\n"


def copy_notices():
    RESOURCES.mkdir(parents=True, exist_ok=True)
    shutil.copyfile(MAKEMEAHANZI / "COPYING", RESOURCES / "makemeahanzi-COPYING.txt")
    shutil.copyfile(MAKEMEAHANZI / "LGPL", RESOURCES / "makemeahanzi-LGPL.txt")
    shutil.copyfile(WORK / "rime/usr/share/doc/rime-data-wubi/copyright",
                    RESOURCES / "rime-data-wubi-copyright.txt")
    shutil.copyfile(WORK / "hwd/package/ARPHICPL.TXT", RESOURCES / "ARPHICPL.txt")
    noto = WORK / "noto/usr/share/doc/fonts-noto-cjk/copyright"
    (RESOURCES / "OFL-1.1.txt").write_text(ofl_text(noto), encoding="utf-8")


def main():
    fetch()
    copy_notices()
    return 0


if __name__ == "__main__":
    sys.exit(main())
