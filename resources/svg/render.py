#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Renders every SVG of this folder to the PNG the program loads.

The PNGs under resources/img/ are generated from these drawings and
committed; run this again after changing a drawing. It needs only the
librsvg and cairo shared libraries of the desktop (no Python packages).

Usage: render.py            (renders all, using SIZES below)
"""
import ctypes
import ctypes.util
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "img")

# Output name -> (source drawing, pixel size). @3x icons are drawn at three
# times their on-screen size, as their names say.
SIZES = {
    "icon.png": ("icon.svg", 256),
    "folder@3x.png": ("folder.svg", 96),
    "contact@3x.png": ("contact.svg", 96),
    "calendar@3x.png": ("calendar.svg", 96),
    "task@3x.png": ("task.svg", 96),
    "notepaper@3x.png": ("notepaper.svg", 96),
    "diary@3x.png": ("diary.svg", 96),
    "Itemopen@3x.png": ("add.svg", 72),
    "exit@3x.png": ("export.svg", 72),
    "convert@3x.png": ("convert.svg", 72),
    "print@3x.png": ("print.svg", 72),
    "hide.png": ("hide.svg", 48),
    "show.png": ("show.svg", 48),
    "search.png": ("search.svg", 32),
    "icons8-document-100.png": ("document.svg", 200),
    "icons8-down-48.png": ("down.svg", 48),
    "mail-gray.png": ("mail-gray.svg", 96),
    "mail-white.png": ("mail-white.svg", 96),
    "attachment-gray.png": ("attachment-gray.svg", 48),
    "attachment-white.png": ("attachment-white.svg", 48),
    "check-gray.png": ("check-gray.svg", 96),
    "check-white.png": ("check-white.svg", 96),
    "unchecked-gray.png": ("unchecked-gray.svg", 96),
    "unchecked-white.png": ("unchecked-white.svg", 96),
    "contact-gray.png": ("contact-gray.svg", 96),
    "contact-white.png": ("contact-white.svg", 96),
}

# The application icon for the desktop's hicolor theme, named by the
# application id; scalable/ gets icon.svg itself at install time.
APP_ID = "com.tavrel.Lumaroo"
HICOLOR = os.path.join(HERE, "..", "icons", "hicolor")
for _size in (16, 22, 24, 32, 48, 64, 128, 256, 512):
    SIZES[os.path.join(HICOLOR, "%dx%d" % (_size, _size), "apps", APP_ID + ".png")] = ("icon.svg", _size)


class RsvgRectangle(ctypes.Structure):
    _fields_ = [("x", ctypes.c_double), ("y", ctypes.c_double),
                ("width", ctypes.c_double), ("height", ctypes.c_double)]


def load(name, soname):
    path = ctypes.util.find_library(name) or soname
    return ctypes.CDLL(path)


def main():
    rsvg = load("rsvg-2", "librsvg-2.so.2")
    cairo = load("cairo", "libcairo.so.2")
    rsvg.rsvg_handle_new_from_file.restype = ctypes.c_void_p
    rsvg.rsvg_handle_new_from_file.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
    rsvg.rsvg_handle_render_document.argtypes = [ctypes.c_void_p, ctypes.c_void_p,
                                                 ctypes.POINTER(RsvgRectangle), ctypes.c_void_p]
    cairo.cairo_image_surface_create.restype = ctypes.c_void_p
    cairo.cairo_create.restype = ctypes.c_void_p
    cairo.cairo_create.argtypes = [ctypes.c_void_p]
    cairo.cairo_surface_write_to_png.argtypes = [ctypes.c_void_p, ctypes.c_char_p]
    cairo.cairo_destroy.argtypes = [ctypes.c_void_p]
    cairo.cairo_surface_destroy.argtypes = [ctypes.c_void_p]
    gobject = load("gobject-2.0", "libgobject-2.0.so.0")
    gobject.g_object_unref.argtypes = [ctypes.c_void_p]

    failed = False
    for png, (svg, size) in SIZES.items():
        handle = rsvg.rsvg_handle_new_from_file(os.path.join(HERE, svg).encode(), None)
        if not handle:
            print("cannot read", svg, file=sys.stderr)
            failed = True
            continue
        surface = cairo.cairo_image_surface_create(0, size, size)  # ARGB32
        cr = cairo.cairo_create(surface)
        viewport = RsvgRectangle(0, 0, size, size)
        if not rsvg.rsvg_handle_render_document(handle, cr, ctypes.byref(viewport), None):
            print("cannot render", svg, file=sys.stderr)
            failed = True
        target = os.path.join(OUT, png)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        cairo.cairo_surface_write_to_png(surface, target.encode())
        cairo.cairo_destroy(cr)
        cairo.cairo_surface_destroy(surface)
        gobject.g_object_unref(handle)
    failed = not write_icon_containers() or failed
    return 1 if failed else 0


def write_icon_containers():
    """icon.ico (About box) and icon.icns (macOS bundles) hold the rendered
    256 px icon.png as a PNG entry, which both formats allow."""
    import struct
    try:
        with open(os.path.join(OUT, "icon.png"), "rb") as f:
            png = f.read()
    except OSError as error:
        print("cannot read icon.png:", error, file=sys.stderr)
        return False
    # ICO: header (reserved, type 1, one image), one entry (0 = 256 px).
    ico = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(png), 6 + 16) + png
    with open(os.path.join(OUT, "icon.ico"), "wb") as f:
        f.write(ico)
    # ICNS: magic and total length, one "ic08" (256 px PNG) element.
    element = b"ic08" + struct.pack(">I", 8 + len(png)) + png
    with open(os.path.join(OUT, "icon.icns"), "wb") as f:
        f.write(b"icns" + struct.pack(">I", 8 + len(element)) + element)
    return True


if __name__ == "__main__":
    sys.exit(main())
