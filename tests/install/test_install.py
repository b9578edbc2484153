# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: Qintara developers
"""Installs the built program under a scratch DESTDIR and checks the result.

Usage: test_install.py <build folder> <source folder> <libdir>
"""

import configparser
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

APP_ID = "org.qintara.Qintara"
ICON_SIZES = (16, 32, 48, 64, 128, 256)
BUILD, SOURCE, LIBDIR = sys.argv[1:4] if len(sys.argv) >= 4 else (None, None, None)


def png_size(path):
    with open(path, "rb") as png:
        head = png.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


class InstalledTree(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory(prefix="qintara-install-")
        cls.root = cls.scratch.name
        env = dict(os.environ, DESTDIR=cls.root)
        done = subprocess.run(["cmake", "--install", BUILD, "--prefix", "/usr"], env=env,
                              capture_output=True, text=True)
        if done.returncode != 0:
            cls.scratch.cleanup()
            raise RuntimeError("cmake --install failed:\n" + done.stdout + done.stderr)
        cls.usr = os.path.join(cls.root, "usr")
        cls.program = os.path.join(cls.usr, LIBDIR, "qintara")
        cls.desktop = os.path.join(cls.usr, "share/applications", APP_ID + ".desktop")
        cls.metainfo = os.path.join(cls.usr, "share/metainfo", APP_ID + ".metainfo.xml")

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def test_launcher_leads_to_the_program_folder(self):
        launcher = os.path.join(self.usr, "bin/qintara")
        self.assertTrue(os.path.islink(launcher), "bin/qintara is a link")
        # Relative, so the tree works wherever the package puts it.
        self.assertFalse(os.path.isabs(os.readlink(launcher)))
        self.assertEqual(os.path.realpath(launcher), os.path.join(self.program, "qintara"))
        self.assertTrue(os.access(launcher, os.X_OK))

    def test_program_folder_is_complete(self):
        # The program loads its sound modules from beside itself.
        for name in ("qintara", "libqintara_audio.so", "libqintara_music.so"):
            with self.subTest(name=name):
                self.assertTrue(os.path.isfile(os.path.join(self.program, name)))
        data = os.path.join(SOURCE, "data")
        for entry in sorted(os.listdir(data)):
            with self.subTest(data=entry):
                self.assertTrue(os.path.exists(os.path.join(self.program, entry)))
        # Nothing the build folder's runs wrote comes along.
        names = {name.lower() for name in os.listdir(self.program)}
        self.assertNotIn("user", names)

    def test_binaries_do_not_point_into_the_build_folder(self):
        for name in ("qintara", "libqintara_audio.so", "libqintara_music.so"):
            with self.subTest(name=name):
                dynamic = subprocess.run(["readelf", "-d", os.path.join(self.program, name)],
                                         capture_output=True, text=True, check=True).stdout
                self.assertNotIn(os.path.realpath(BUILD), dynamic)

    def test_menu_entry(self):
        shutil.which("desktop-file-validate") or self.fail("desktop-file-validate missing (desktop-file-utils)")
        done = subprocess.run(["desktop-file-validate", self.desktop], capture_output=True, text=True)
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
        self.assertEqual(done.stdout.strip(), "", "no warnings either")
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(self.desktop, encoding="utf-8")
        section = entry["Desktop Entry"]
        # What the entry names must be there.
        self.assertTrue(os.path.exists(os.path.join(self.usr, "bin", section["Exec"].split()[0])))
        self.assertEqual(section["Icon"], APP_ID)
        self.assertIn("Education", section["Categories"].split(";"))
        for key in ("Name[zh_CN]", "GenericName[zh_CN]", "Comment", "Comment[zh_CN]"):
            with self.subTest(key=key):
                self.assertTrue(section.get(key))

    def test_icons(self):
        hicolor = os.path.join(self.usr, "share/icons/hicolor")
        for size in ICON_SIZES:
            with self.subTest(size=size):
                icon = os.path.join(hicolor, f"{size}x{size}/apps/{APP_ID}.png")
                self.assertEqual(png_size(icon), (size, size))
        svg = ElementTree.parse(os.path.join(hicolor, f"scalable/apps/{APP_ID}.svg")).getroot()
        self.assertEqual(svg.tag, "{http://www.w3.org/2000/svg}svg")

    def test_appstream(self):
        shutil.which("appstreamcli") or self.fail("appstreamcli missing (appstream)")
        done = subprocess.run(["appstreamcli", "validate", "--no-net", "--pedantic", self.metainfo],
                              capture_output=True, text=True)
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
        component = ElementTree.parse(self.metainfo).getroot()
        self.assertEqual(component.findtext("id"), APP_ID)
        self.assertEqual(component.findtext("launchable"), os.path.basename(self.desktop))


if __name__ == "__main__":
    if BUILD is None:
        sys.exit(__doc__)
    unittest.main(argv=sys.argv[:1], verbosity=2)
