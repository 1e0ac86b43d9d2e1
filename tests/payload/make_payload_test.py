#!/usr/bin/env python3
"""The payload generator: the same bytes on every build, and the check a vendor's archive must
pass before the installer is configured to carry it.

  make_payload_test.py PATH-TO-make-payload.py
"""
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile

SCRIPT = sys.argv.pop(1) if len(sys.argv) > 1 else "tools/make-payload.py"
PRODUCT = "Morvane工具09"
BUILT = ["mvcore.dll", "MorvaneUpdate.exe", "mvui.dll", "product-main.exe", "mvdata.dll", "mvnet.dll"]
SOURCES = ["config.ini", os.path.join("share", "settings.xml")]


def run(*args):
    return subprocess.run([sys.executable, SCRIPT, *args], capture_output=True, text=True)


class Generator(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = self.folder.name
        for name in BUILT:
            self.write(os.path.join("built", name), name.encode() * 500)
        for name in SOURCES:
            self.write(os.path.join("sources", name), b"setting=1\r\n" * 40)

    def tearDown(self):
        self.folder.cleanup()

    def write(self, relative, data):
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        return path

    def build(self, out):
        path = os.path.join(self.root, out)
        result = run("build", path, "--product", PRODUCT, "--built", os.path.join(self.root, "built"),
                     "--sources", os.path.join(self.root, "sources"))
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(path, "rb") as f:
            return f.read()

    def test_the_same_files_give_the_same_bytes_whatever_their_times(self):
        first = self.build("first.zip")
        for name in BUILT:
            os.utime(os.path.join(self.root, "built", name), (1_000_000_000, 1_000_000_000))
        self.assertEqual(self.build("second.zip"), first)
        names = [info.orig_filename for info in zipfile.ZipFile(os.path.join(self.root, "first.zip")).infolist()]
        self.assertEqual(len(names), 9)
        self.assertEqual(names[3], "share/")
        self.assertIsNone(zipfile.ZipFile(os.path.join(self.root, "first.zip")).testzip())

    def test_an_archive_with_the_product_at_its_root_passes_the_check(self):
        self.build("payload.zip")
        result = run("check", os.path.join(self.root, "payload.zip"), "--product", PRODUCT)
        self.assertEqual(result.returncode, 0, result.stderr)

    def test_the_check_names_what_is_wrong(self):
        built = self.build("payload.zip")
        zeroed = bytearray(built)
        zeroed[24:28] = b"\0\0\0\0"
        nested = os.path.join(self.root, "nested.zip")
        with zipfile.ZipFile(nested, "w") as z:
            z.writestr("bin/" + PRODUCT + ".exe", b"x")
        cases = [
            (self.write("short.zip", b"PK\x03\x04short"), "header check"),
            (self.write("zeroed.zip", bytes(zeroed)), "header check"),
            (self.write("text.zip", b"not an archive at all, only text" * 4), "header check"),
            (os.path.join(self.root, "missing.zip"), "cannot be read"),
            (nested, "has no entry named"),
        ]
        for path, reason in cases:
            with self.subTest(path=os.path.basename(path)):
                result = run("check", path, "--product", PRODUCT)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(reason, result.stderr)
        other = run("check", os.path.join(self.root, "payload.zip"), "--product", "Morvane工具10")
        self.assertIn('has no entry named "Morvane工具10.exe"', other.stderr)


if __name__ == "__main__":
    unittest.main()
