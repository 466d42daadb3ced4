#!/usr/bin/env python3
"""Reads the windows' designed geometry (ui/widgets/designed_geometry.h, in twips) for what is
not C++: the web page's style sheet and the shell tests.

    designed_geometry.py css HEADER STYLE_IN STYLE_OUT
        writes STYLE_IN to STYLE_OUT after a :root rule with the entries STYLE_IN names, in
        pixels rounded as the desktop rounds them (widgets/twips.h): kRoll as --roll-left,
        --roll-top, --roll-width, --roll-height, kStepRows as --step-rows. It stops where
        STYLE_IN uses a custom property that neither it nor the table defines.
    designed_geometry.py shell HEADER
        prints the entries in twips as shell assignments, a box as an array:
        DESIGN_ROLL=(2880 7320 1215 495), DESIGN_STEP_ROW_PITCH=480.

The header is C++ first; this reads only its entries, one a line in the forms it documents, and
stops at an entry it cannot read rather than guess.
"""
import re
import sys

TWIPS_PER_PIXEL = 15
ENTRY = re.compile(r"inline constexpr (Twips|int|Box) k(\w+)(?: = (\d+)|\{(\d+), (\d+), (\d+), (\d+)\});$")


def read(header):
    """The entries as [(name words, kind, numbers)], in the header's order."""
    entries = []
    with open(header, encoding="utf-8") as file:
        for number, line in enumerate(file, 1):
            line = line.strip()
            if not line.startswith("inline constexpr"):
                continue
            match = ENTRY.fullmatch(line)
            if not match:
                sys.exit(f"{header}:{number}: not an entry this script reads: {line}")
            kind, name = match[1], match[2]
            numbers = [int(n) for n in match.groups()[2:] if n is not None]
            entries.append((re.findall(r"[A-Z][a-z]*", name), kind, numbers))
    return entries


def pixels(twips):
    return (twips + TWIPS_PER_PIXEL // 2) // TWIPS_PER_PIXEL


def css_properties(entries):
    properties = {}
    for words, kind, numbers in entries:
        name = "--" + "-".join(word.lower() for word in words)
        if kind == "Box":
            for side, twips in zip(("left", "top", "width", "height"), numbers):
                properties[f"{name}-{side}"] = f"{pixels(twips)}px"
        else:
            properties[name] = f"{pixels(numbers[0])}px" if kind == "Twips" else str(numbers[0])
    return properties


def css(header, style_in, style_out):
    with open(style_in, encoding="utf-8") as file:
        style = file.read()
    table = css_properties(read(header))
    used = set(re.findall(r"var\((--[\w-]+)", style))
    own = set(re.findall(r"(--[\w-]+)\s*:", style))
    unknown = sorted(name for name in used if name not in table and name not in own)
    if unknown:
        sys.exit(f"{style_in}: no such custom property in it or in {header}: {', '.join(unknown)}")
    rules = "".join(f"  {name}: {value};\n" for name, value in table.items() if name in used)
    with open(style_out, "w", encoding="utf-8") as file:
        file.write(f"/* The windows' designed geometry, from ui/widgets/designed_geometry.h. */\n"
                   f":root {{\n{rules}}}\n{style}")


def shell(header):
    for words, kind, numbers in read(header):
        name = "_".join(word.upper() for word in words)
        value = f"({' '.join(map(str, numbers))})" if kind == "Box" else numbers[0]
        print(f"DESIGN_{name}={value}")


if __name__ == "__main__":
    if len(sys.argv) == 5 and sys.argv[1] == "css":
        css(*sys.argv[2:])
    elif len(sys.argv) == 3 and sys.argv[1] == "shell":
        shell(sys.argv[2])
    else:
        sys.exit(__doc__)
