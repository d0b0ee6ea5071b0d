"""A market screener driven by JSON commands.

Create a :class:`Screener` from a scan specification (JSON text) and drive it
with JSON command documents through :meth:`Screener.command`.

The Pythonic layer on top: :func:`scan` runs a batch scan over a mapping of
symbol to candles (lists, columns or pandas DataFrames) and returns a typed
:class:`ScanResult`; :class:`LiveScreener` feeds a live universe bar by bar;
error replies raise :class:`ScreenerError`.
"""

from ._native_path import borrow_installed_module

borrow_installed_module(__path__)

from ._tolvex_screener import Screener, __version__  # noqa: E402

# Re-exported with `as` so that strict type checkers see them as public;
# `__all__` stays the native module's two names.
from ._errors import ErrorKind as ErrorKind
from ._errors import ScreenerError as ScreenerError
from ._types import Match as Match
from ._types import ScanResult as ScanResult
from .api import LiveScreener as LiveScreener
from .api import scan as scan

__all__ = ["__version__", "Screener"]
