"""Typed views of the scan result document."""

from __future__ import annotations

import json
import math
from collections.abc import Iterator, Mapping
from dataclasses import dataclass, field
from typing import Any

__all__ = ["Match", "ScanResult"]


def _number(value: Any) -> float:
    # The document writes a value that is not finite as null; NaN keeps it
    # a float without inventing a sign or a magnitude.
    if value is None:
        return math.nan
    if isinstance(value, bool) or not isinstance(value, (int, float)):
        raise ValueError(f"not a number in the result document: {value!r}")
    return float(value)


@dataclass(frozen=True)
class Match:
    """One symbol whose condition holds at its latest step.

    ``values`` maps each reported expression label (for example
    ``"Sma(20)"`` or ``"price.close"``) to its value rounded to 8 decimals;
    a value the document wrote as null is NaN. ``score`` is the value of
    the specification's rank expression, or None when it has none.
    """

    symbol: str
    values: Mapping[str, float]
    score: float | None = None


@dataclass(frozen=True)
class ScanResult:
    """The answer of a batch scan or of a live evaluation.

    ``matches`` are in the screener's order (ranked, then cut to the
    limit). ``scanned`` counts the evaluated symbols, ``missing`` lists the
    universe symbols without data, ``stale`` the scanned symbols whose data
    ends before the newest; ``timeframe`` echoes the specification's.
    ``document`` is the response text the screener returned.
    """

    matches: tuple[Match, ...]
    scanned: int
    missing: tuple[str, ...] = ()
    stale: tuple[str, ...] = ()
    timeframe: str | None = None
    document: str = field(default="", repr=False, compare=False)

    @property
    def symbols(self) -> list[str]:
        """The matching symbols, in order."""
        return [m.symbol for m in self.matches]

    def __len__(self) -> int:
        return len(self.matches)

    def __iter__(self) -> Iterator[Match]:
        """The matches in order (without it, iteration would fall back on
        ``__getitem__`` with 0, 1, ... and fail on the first lookup)."""
        return iter(self.matches)

    def __getitem__(self, symbol: str) -> Match:
        """The match of ``symbol``; KeyError when it did not match."""
        for m in self.matches:
            if m.symbol == symbol:
                return m
        raise KeyError(symbol)

    def __contains__(self, symbol: object) -> bool:
        return any(m.symbol == symbol for m in self.matches)

    @classmethod
    def from_json(cls, document: str) -> ScanResult:
        """Reads a result document as returned by "scan" or "evaluate"."""
        parsed = json.loads(document)
        if not isinstance(parsed, dict) or "matches" not in parsed:
            raise ValueError(f"not a scan result document: {document[:200]}")
        return cls.from_dict(parsed, document)

    @classmethod
    def from_dict(cls, doc: Mapping[str, Any], document: str = "") -> ScanResult:
        matches = tuple(
            Match(
                symbol=str(m["symbol"]),
                values={str(k): _number(v) for k, v in m.get("values", {}).items()},
                score=_number(m["score"]) if "score" in m else None,
            )
            for m in doc["matches"]
        )
        timeframe = doc.get("timeframe")
        return cls(
            matches=matches,
            scanned=int(doc.get("scanned", 0)),
            missing=tuple(str(s) for s in doc.get("missing", ())),
            stale=tuple(str(s) for s in doc.get("stale", ())),
            timeframe=None if timeframe is None else str(timeframe),
            document=document,
        )

    def to_dict(self) -> dict[str, Any]:
        """The document's content as plain Python data (NaN for null)."""
        out: dict[str, Any] = {
            "matches": [
                {
                    "symbol": m.symbol,
                    "matched": True,
                    "values": dict(m.values),
                    **({} if m.score is None else {"score": m.score}),
                }
                for m in self.matches
            ],
            "scanned": self.scanned,
        }
        if self.missing:
            out["missing"] = list(self.missing)
        if self.stale:
            out["stale"] = list(self.stale)
        if self.timeframe is not None:
            out["timeframe"] = self.timeframe
        return out
