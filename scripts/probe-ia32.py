#!/usr/bin/env python3
"""Writes a minimal 32-bit x86 Linux program that exits with code 0 (argument: output path).

Running it tells whether this kernel executes 32-bit code, which 32-bit Wine needs."""
import os
import struct
import sys

code = b"\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80"  # exit(0)
base = 0x08048000
size = 52 + 32 + len(code)
header = b"\x7fELF\x01\x01\x01" + b"\x00" * 9 + struct.pack(
    "<HHIIIIIHHHHHH", 2, 3, 1, base + 84, 52, 0, 0, 52, 32, 1, 0, 0, 0)
program = struct.pack("<IIIIIIII", 1, 0, base, base, size, size, 5, 0x1000)
with open(sys.argv[1], "wb") as out:
    out.write(header + program + code)
os.chmod(sys.argv[1], 0o755)
