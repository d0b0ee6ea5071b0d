"""The package's exception for error replies of the native screener.

The native `command` never raises for a failed command: it answers with
``{"error": <message>, "ok": false}``. The Python layer turns that reply
into :class:`ScreenerError`, which keeps the message byte for byte and
tells which kind of failure it is, read back from the message's fixed form.
"""

from __future__ import annotations

import enum
import re

__all__ = ["ErrorKind", "ScreenerError"]


class ErrorKind(enum.Enum):
    """The kinds of screener failures, one per display form."""

    PARSE = "parse"
    UNKNOWN_INDICATOR = "unknown_indicator"
    BAD_SPEC = "bad_spec"
    FEED_LENGTH = "feed_length"
    SYMBOL_NOT_IN_UNIVERSE = "symbol_not_in_universe"
    FEED = "feed"
    MISSING_FEED = "missing_feed"


# The three forms without a prefix are matched whole, before the prefixed
# ones: a symbol is free text and may itself start like a prefix
# ("feed: books feed length 9 does not match 10 candles" is a length fault
# of the symbol "feed").
_FEED_LENGTH = re.compile(
    r"(?s).*: (reference|derivs|books|trades|sections) feed length \d+ does not match \d+ candles"
)
_MISSING_FEED = re.compile(
    r"(?s)indicator .* needs the (reference|derivs|books|trades|trades and books|sections) feed,"
    r" which this scan does not supply"
)
_NOT_IN_UNIVERSE = re.compile(r"(?s)symbol .* is not in the spec's universe")

_PREFIXES = (
    ("parse: ", ErrorKind.PARSE),
    ("unknown indicator: ", ErrorKind.UNKNOWN_INDICATOR),
    ("bad spec: ", ErrorKind.BAD_SPEC),
    ("feed: ", ErrorKind.FEED),
)


def classify(message: str) -> ErrorKind | None:
    """The kind of an error message, or None for a text of no known form."""
    if _FEED_LENGTH.fullmatch(message):
        return ErrorKind.FEED_LENGTH
    if _MISSING_FEED.fullmatch(message):
        return ErrorKind.MISSING_FEED
    if _NOT_IN_UNIVERSE.fullmatch(message):
        return ErrorKind.SYMBOL_NOT_IN_UNIVERSE
    for prefix, kind in _PREFIXES:
        if message.startswith(prefix):
            return kind
    return None


class ScreenerError(ValueError):
    """A command or a specification the screener rejected.

    ``message`` is the screener's text exactly as the error reply carries
    it (also ``str(error)``); ``kind`` says which failure it is. It derives
    from :class:`ValueError`, the exception the native constructor raises
    for a bad specification, so existing handlers keep working.
    """

    kind: ErrorKind
    message: str

    def __init__(self, message: str, kind: ErrorKind | None = None) -> None:
        super().__init__(message)
        self.message = message
        found = kind if kind is not None else classify(message)
        # A text outside the catalogue is still a rejection of the input;
        # reporting it as a parse fault keeps `kind` total.
        self.kind = found if found is not None else ErrorKind.PARSE

    def __str__(self) -> str:
        return self.message

    def __repr__(self) -> str:
        return f"ScreenerError({self.message!r}, kind={self.kind})"
