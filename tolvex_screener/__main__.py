"""`python -m tolvex_screener`: the command line (see `tolvex_screener.cli`)."""

import sys

from .cli import main

sys.exit(main())
