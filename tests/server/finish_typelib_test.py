#!/usr/bin/env python3
"""The build step after widl: what it changes in the built library, and what it refuses to finish.

Usage: finish_typelib_test.py WIDL_OUTPUT.tlb FINISHED.tlb (the build's own pair)."""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

STEP_FOLDER = os.path.join(os.path.dirname(__file__), "..", "..", "lib", "server", "typelib")
STEP = os.path.join(STEP_FOLDER, "finish_typelib.py")
sys.path.insert(0, STEP_FOLDER)

from msft import (H_LCID, H_NAME_CHARS, H_NAME_COUNT, SEG_NAME, SEG_NAMEHASH, SYS_WIN32, SYS_WIN64,  # noqa: E402
                  T_MEMBERS, VT_I4, VT_VARIANT, TypeLibrary)
from name_hash import name_hash  # noqa: E402

WIDL_OUTPUT, FINISHED = sys.argv[1], sys.argv[2]
RENAMED_MEMBERS = 38


def read(path: str) -> bytes:
    with open(path, "rb") as file:
        return file.read()


def fields(position: int, size: int = 4) -> set[int]:
    return set(range(position, position + size))


class FinishedLibrary(unittest.TestCase):
    """The build's own library against widl's."""

    @classmethod
    def setUpClass(cls):
        cls.before, cls.after = read(WIDL_OUTPUT), read(FINISHED)
        cls.widl, cls.finished = TypeLibrary(cls.before), TypeLibrary(cls.after)

    def renamed_slots(self) -> dict[int, tuple[str, str]]:
        renamed = {}
        for typeinfo in self.widl.typeinfos:
            for old, new in zip(self.widl.variables(typeinfo), self.finished.variables(typeinfo)):
                names = (self.widl.name(old.name_offset), self.finished.name(new.name_offset))
                if names[0] != names[1]:
                    renamed[old.name_slot] = names
        return renamed

    def changed_defaults(self) -> dict[int, tuple[int, int]]:
        changed = {}
        for typeinfo in self.widl.typeinfos:
            for function in self.widl.functions(typeinfo):
                for parameter in self.widl.parameters(function):
                    before, after = self.widl.default(parameter), self.finished.default(parameter)
                    if before != after:
                        changed[parameter.default_slot] = (before, after)
        return changed

    def test_only_member_names_defaults_and_the_name_tables_change(self):
        allowed = fields(H_NAME_COUNT) | fields(H_NAME_CHARS) | fields(self.widl.segment_entry(SEG_NAME), 8)
        allowed |= fields(*self.widl.segment(SEG_NAMEHASH))
        for slot in list(self.renamed_slots()) + list(self.changed_defaults()):
            allowed |= fields(slot)
        for typeinfo in self.widl.typeinfos:
            if typeinfo.member_block == len(self.before):
                allowed |= fields(typeinfo.position + T_MEMBERS)
        changed = {i for i, (a, b) in enumerate(zip(self.before, self.after)) if a != b}
        self.assertEqual(set(), {hex(i) for i in changed - allowed})

    def test_each_renamed_member_has_a_name_with_blanks_or_a_digit(self):
        renamed = self.renamed_slots()
        self.assertEqual(RENAMED_MEMBERS, len(renamed))
        for old, new in renamed.values():
            self.assertTrue(" " in new or new[0].isdigit(), new)

    def test_new_names_are_in_the_hash_table_and_names_no_member_holds_left_it(self):
        for old, new in self.renamed_slots().values():
            self.assertIsNotNone(self.finished.find_name(new), new)
            if old != "ShowFormat":  # still the numeric input's property
                self.assertIsNone(self.finished.find_name(old), old)
        self.assertIsNotNone(self.finished.find_name("ShowFormat"))

    def test_every_name_keeps_its_offset(self):
        for offset, text in self.widl.names().items():
            self.assertEqual(text, self.finished.name(offset))

    def test_variant_number_defaults_become_longs_of_the_same_value(self):
        changed = self.changed_defaults()
        self.assertEqual(1, len(changed))  # kxString.Convert's LocaleID
        for before, after in changed.values():
            self.assertEqual((VT_VARIANT, VT_I4, before.number), (before.vt, after.vt, after.number))


class NameHash(unittest.TestCase):
    def test_the_platforms_values(self):
        # LHashValOfNameSysA(SYS_WIN64 and SYS_WIN32, 0x409, name) as the platform gives them.
        cases = [("Right And Buttom", 1102156), ("3D", 1071736), ("Fade And Zoom And Move Right To Left", 1050355),
                 ("kxAWShowPosition", 1089380), ("None Style", 1078002), ("By Keyboard", 1087794),
                 ("a/b wy", 1073856)]
        for name, value in cases:
            for syskind in (SYS_WIN32, SYS_WIN64):
                self.assertEqual(value, name_hash(syskind, 0x409, name), name)


class Refusals(unittest.TestCase):
    """Each refusal fails the step with its reason and leaves the previous library in place."""

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.source = os.path.join(self.folder.name, "widl.tlb")
        self.target = os.path.join(self.folder.name, "finished.tlb")
        self.idl = os.path.join(self.folder.name, "names.idl")
        with open(self.target, "wb") as file:
            file.write(b"the previous library")

    def tearDown(self):
        self.folder.cleanup()

    def refusal(self, library: bytes, idl: str, *options: str) -> str:
        with open(self.source, "wb") as file:
            file.write(library)
        with open(self.idl, "w", encoding="utf-8") as file:
            file.write(idl)
        run = subprocess.run([sys.executable, "-B", STEP, *options, self.source, self.target, self.idl],
                             capture_output=True, text=True)
        self.assertEqual(1, run.returncode, run.stdout)
        self.assertEqual(b"the previous library", read(self.target))
        self.assertEqual(["finished.tlb", "names.idl", "widl.tlb"], sorted(os.listdir(self.folder.name)))
        return run.stderr

    def test_members_it_cannot_name(self):
        cases = [
            ('typedef enum kxAWShowPosition {\n    Nowhere = 42  // named "No Where"\n} kxAWShowPosition;\n',
             "the enumeration kxAWShowPosition has no member Nowhere = 42"),
            ('typedef enum kxGmAppearance {\n    KX_INPUT_NAME(ThreeE, kxgm3E) = 1  // named "3E"\n} kxGmAppearance;\n',
             "the enumeration kxGmAppearance has no member ThreeE or kxgm3E = 1"),
            ('typedef enum kxNoSuchStyle {\n    Plain = 0  // named "Plain Style"\n} kxNoSuchStyle;\n',
             "the library has no enumeration kxNoSuchStyle"),
            ('typedef enum kxAWShowPosition {\n    RightAndButtom = 5  // named "Right And Buttom"\n} x;\n',
             "kxAWShowPosition.RightAndButtom is 0 in the library, not 5"),
            ('typedef enum kxAWShowPosition {\n    RightAndButtom = 0,  // named "Right And Buttom"\n'
             '    RightAndButtom = 0  // named "Right  And Buttom"\n} kxAWShowPosition;\n',
             "the member is named already at"),
            ('// named "Loose"\n', "no enumeration member"),
            ('typedef enum kxAWShowPosition {\n    RightAndButtom = 0  // named "Right\tAnd"\n} x;\n',
             "is not 1 to 255 printable ASCII characters"),
        ]
        for idl, reason in cases:
            with self.subTest(reason):
                self.assertIn(reason, self.refusal(read(WIDL_OUTPUT), idl))

    def test_layouts_it_does_not_know(self):
        library = read(WIDL_OUTPUT)
        first_name = TypeLibrary(library).segment(SEG_NAME)[0]
        cases = [
            (b"SLTG" + library[4:], "not an MSFT type library"),
            (library[:first_name + 100], "lies outside the file"),
            (library[:len(library) // 2], "run past the file"),
            (library[:0x40], "not an MSFT type library"),
            (library[:4] + struct.pack("<i", 0x00010003) + library[8:], "MSFT version"),
            (library[:H_LCID] + struct.pack("<i", 0x0419) + library[H_LCID + 4:], "no name hash known for locale"),
            (library[:first_name + 10] + b"\x00\x00" + library[first_name + 12:], "not stored under the platform's"),
        ]
        for broken, reason in cases:
            with self.subTest(reason):
                stderr = self.refusal(broken, "")
                self.assertIn("unknown type library layout", stderr)
                self.assertIn(reason, stderr)

    def test_a_library_of_the_other_system(self):
        other = "win64" if TypeLibrary(read(WIDL_OUTPUT)).syskind == SYS_WIN32 else "win32"
        self.assertIn(f"not for {other}", self.refusal(read(WIDL_OUTPUT), "", "--system", other))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1])
