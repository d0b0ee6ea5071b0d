"""`python -m tolvex_screener`: the command line (see `tolvex_screener.cli`)."""

import sys

from .cli import main

# Guarded so that importing the module (as tools that walk a package do)
# does not run the command line.
if __name__ == "__main__":
    sys.exit(main())
