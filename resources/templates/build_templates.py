#!/usr/bin/env python3
"""Builds the general arrangement templates (.dotx) into a folder.

    build_templates.py OUTPUT_FOLDER

Each drawing is described in straight.py, horseshoe.py and combination.py with
the primitives of gadrawing.py; gapackage.py adds the sheet and writes the file.
Standard library only."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import combination  # noqa: E402
import horseshoe  # noqa: E402
import straight  # noqa: E402
from gapackage import write_dotx  # noqa: E402


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for module in (straight, horseshoe, combination):
        for name, title, sheet in module.templates():
            path = os.path.join(folder, name)
            write_dotx(path + ".part", sheet, title)
            os.replace(path + ".part", path)


if __name__ == "__main__":
    main()
