#!/usr/bin/env python3
"""Writes the decode seed corpus: one message per command byte of each
decoded application, in received form, with default-mode options and flags 15.
Run from the repository root: tests/fuzz/make_seeds.py"""
import os

APPS = [25, 38, 56, 112, 136, 172, 173, 192, 201, 202, 203, 205, 206, 208, 213, 223, 224, 228, 255]
out = "tests/fuzz/seeds/decode"
os.makedirs(out, exist_ok=True)
prefix = bytes([0x51, 0x01, 0x2F])  # options 51, PCI 01, flags 15 + live
for app in APPS:
    lines = []
    for c in range(256):
        n = (c & 7) if c < 0x80 or (c == 0xFA and app == 255) else (c & 0x1F)
        params = "".join("%02X" % ((0x11 * (i + 1)) & 0xFF) for i in range(n))
        lines.append("050C%02X00%02X%s00" % (app, c, params))
    with open(os.path.join(out, "app_%03d" % app), "wb") as f:
        f.write(prefix + "\n".join(lines).encode())
for name, text in [("replies", "g.\nh#\n!\nz$\nk%\n"), ("transmitted", "\\03011202387905\n@A3300051\n\\0538007901\n"),
                   ("status", "C00102030405\nD83800FF00AA55\nE0380100112233\n")]:
    with open(os.path.join(out, name), "wb") as f:
        f.write(prefix + text.encode())
