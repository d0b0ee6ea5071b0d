"""The native module (`tolvex_screener._tolvex_screener`)."""

from typing import Final, final

__all__ = ["__version__", "Screener"]

__version__: Final[str]

@final
class Screener:
    """A screener instance driven by JSON commands.

    `unsendable`: the screener holds a streaming universe of stateful indicator
    evaluators, so a handle is bound to the thread that created it.
    """

    def __new__(cls, spec_json: str) -> Screener: ...
    def command(self, cmd_json: str) -> str:
        """Apply a command JSON and return the resulting response JSON."""
    @staticmethod
    def version() -> str:
        """The library version."""
