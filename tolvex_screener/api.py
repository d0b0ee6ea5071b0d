"""The Pythonic layer over the JSON command interface.

:func:`scan` runs one batch scan; :class:`LiveScreener` keeps a live
universe fed bar by bar. Both build the same command documents a client
of :meth:`Screener.command` would write, raise :class:`ScreenerError` for
an error reply and return a typed :class:`ScanResult`. The native
:class:`Screener` stays available unchanged, also as
:attr:`LiveScreener.raw`.
"""

from __future__ import annotations

import json
from collections.abc import Mapping
from typing import Any, Union

from ._data import CandleLike, CandlesLike, SymbolData, candle_row, candle_rows, dumps, symbol_input
from ._errors import ScreenerError
from ._tolvex_screener import Screener
from ._types import ScanResult

__all__ = ["LiveScreener", "SpecLike", "StepFeedsLike", "scan", "spec_json"]

# A scan specification: a mapping in the JSON document's shape, or its
# JSON text.
SpecLike = Union[Mapping[str, Any], str]
# The side data of one live step: "reference" (a number), "deriv",
# "orderbook", "trades", "cross_section" in their JSON forms.
StepFeedsLike = Mapping[str, Any]


def spec_json(spec: SpecLike) -> str:
    """The specification as JSON text (text is passed through unchanged)."""
    if isinstance(spec, str):
        return spec
    if not isinstance(spec, Mapping):
        raise TypeError(f"a specification is a mapping or JSON text, not {type(spec).__name__}")
    return dumps(spec)


def _native(spec: SpecLike) -> Screener:
    # A mapping Python cannot write as JSON is the caller's ValueError,
    # not a reply of the screener.
    text = spec_json(spec)
    try:
        return Screener(text)
    except ValueError as exc:
        # The constructor's text is the screener's own error text.
        raise ScreenerError(str(exc)) from None


def _reply(response: str) -> Any:
    """The parsed response; an error reply becomes ScreenerError."""
    doc = json.loads(response)
    if isinstance(doc, dict) and doc.get("ok") is False and isinstance(doc.get("error"), str):
        raise ScreenerError(doc["error"])
    return doc


def _symbol(symbol: Any) -> str:
    # The native reply to a non-string symbol reads as a missing one.
    if not isinstance(symbol, str):
        raise TypeError(f"a symbol must be str, not {type(symbol).__name__}: {symbol!r}")
    return symbol


def _data_document(data: Mapping[str, SymbolData]) -> dict[str, Any]:
    if not isinstance(data, Mapping):
        raise TypeError(f"data must map symbols to candles, not {type(data).__name__}")
    out: dict[str, Any] = {}
    for symbol, series in data.items():
        if not isinstance(symbol, str):
            raise TypeError(f"symbols must be str, not {type(symbol).__name__}: {symbol!r}")
        out[symbol] = symbol_input(series, symbol)
    return out


def _run_scan(screener: Screener, data: Mapping[str, SymbolData]) -> ScanResult:
    response = screener.command(dumps({"cmd": "scan", "data": _data_document(data)}))
    _reply(response)
    return ScanResult.from_json(response)


def scan(spec: SpecLike, data: Mapping[str, SymbolData]) -> ScanResult:
    """Runs one batch scan of ``data`` with ``spec``.

    ``data`` maps each symbol to its bars: a list of candle mappings or
    ``[time, open, high, low, close, volume]`` rows, a mapping of columns,
    a pandas DataFrame (a datetime index becomes milliseconds since the
    epoch), or a mapping with "candles" plus side series ("reference",
    "derivs", "books", "trades", "sections").

    >>> spec = {"universe": ["AAA"], "condition": {"type": "cmp",
    ...     "left": {"kind": "price", "field": "close"}, "op": "gt",
    ...     "right": {"kind": "const", "value": 1}}}
    >>> scan(spec, {"AAA": [[1, 1, 2, 0.5, 1.5]]}).symbols
    ['AAA']
    """
    return _run_scan(_native(spec), data)


class LiveScreener:
    """A screener whose universe is fed bar by bar and queried at any time.

    Bound, like the native :class:`Screener` it wraps, to the thread that
    created it.

    >>> live = LiveScreener({"universe": ["AAA"], "condition": {"type": "all", "conditions": []}})
    >>> live.feed("AAA", {"time": 1, "open": 1, "high": 2, "low": 0.5, "close": 1.5})
    >>> live.evaluate().symbols
    ['AAA']
    """

    def __init__(self, spec: SpecLike) -> None:
        self._screener = _native(spec)

    @property
    def raw(self) -> Screener:
        """The native screener, for JSON commands of one's own."""
        return self._screener

    @staticmethod
    def version() -> str:
        return Screener.version()

    def _command(self, document: Mapping[str, Any]) -> Any:
        return _reply(self._screener.command(dumps(document)))

    def set_spec(self, spec: SpecLike) -> None:
        """Replaces the specification and empties the live universe.

        On failure the previous specification and universe stay.
        """
        text = spec_json(spec)
        if isinstance(spec, str):
            # Read the text the way the constructor does, so that a fault
            # is reported with its line and column in the caller's text.
            _native(spec)
            response = self._screener.command('{"cmd":"set_spec","spec":' + spec + "}")
        else:
            response = self._screener.command('{"cmd":"set_spec","spec":' + text + "}")
        _reply(response)

    def reset(self) -> None:
        """Empties the live universe; the specification stays."""
        self._command({"cmd": "reset"})

    def feed(self, symbol: str, candle: CandleLike, feeds: StepFeedsLike | None = None) -> None:
        """Advances ``symbol`` by one bar, with the step's side data."""
        doc: dict[str, Any] = {"cmd": "feed", "symbol": _symbol(symbol), "candle": candle_row(candle)}
        if feeds is not None:
            doc["feeds"] = feeds
        self._command(doc)

    def feed_batch(
        self, symbol: str, candles: CandlesLike, feeds: StepFeedsLike | None = None
    ) -> None:
        """Advances ``symbol`` by each bar in order, every step with ``feeds``.

        A failing bar raises; the bars before it stay applied.
        """
        doc: dict[str, Any] = {
            "cmd": "feed_batch",
            "symbol": _symbol(symbol),
            "candles": candle_rows(candles, symbol),
        }
        if feeds is not None:
            doc["feeds"] = feeds
        self._command(doc)

    def evaluate(self) -> ScanResult:
        """Which symbols of the live universe match at their latest bar."""
        response = self._screener.command('{"cmd":"evaluate"}')
        _reply(response)
        return ScanResult.from_json(response)

    def scan(self, data: Mapping[str, SymbolData]) -> ScanResult:
        """A batch scan with the current specification; the live universe is untouched."""
        return _run_scan(self._screener, data)
