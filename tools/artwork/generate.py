#!/usr/bin/python3
"""Regenerates every committed picture: the windows' pictures, the icons and the world map.

Usage: /usr/bin/python3 tools/artwork/generate.py [--preview PNG]
Exits non-zero when the world map fails its check against the selection window's buttons.
"""
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent


def main() -> int:
    for script, extra in (("pictures.py", []), ("icons.py", []), ("worldmap.py", sys.argv[1:])):
        result = subprocess.run([sys.executable, str(HERE / script), *extra], check=False)
        if result.returncode != 0:
            print(f"{script} failed with status {result.returncode}", file=sys.stderr)
            return result.returncode
    return 0


if __name__ == "__main__":
    sys.exit(main())
