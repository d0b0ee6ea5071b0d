"""A market screener driven by JSON commands.

Create a :class:`Screener` from a scan specification (JSON text) and drive it
with JSON command documents through :meth:`Screener.command`.
"""

from ._tolvex_screener import Screener, __version__

__all__ = ["__version__", "Screener"]
