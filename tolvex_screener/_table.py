"""Plain-text tables of scan results for the command line."""

from __future__ import annotations

import math
from collections.abc import Collection

from ._types import ScanResult

__all__ = ["format_number", "format_table", "format_summary"]


def format_number(value: float | None) -> str:
    """A value at a precision that reads well next to prices and ratios."""
    if value is None:
        return "-"
    if not math.isfinite(value):
        return "null" if math.isnan(value) else ("inf" if value > 0 else "-inf")
    magnitude = abs(value)
    if magnitude >= 1e6:
        return f"{value:.4g}"
    if magnitude >= 1000:
        return f"{value:.1f}"
    if magnitude >= 0.1 or magnitude == 0:
        return f"{value:.2f}"
    return f"{value:.3g}"


def format_table(result: ScanResult, hide: Collection[str] = (), score_header: str = "score") -> str:
    """One row per match: symbol, score (when ranked) and every reported
    value under its label, except the labels in ``hide``."""
    labels: list[str] = []
    for match in result.matches:
        for label in match.values:
            if label not in labels and label not in hide:
                labels.append(label)
    scored = any(m.score is not None for m in result.matches)
    header = ["symbol", *([score_header] if scored else []), *labels]
    rows = [
        [
            m.symbol,
            *([format_number(m.score)] if scored else []),
            *(format_number(m.values.get(label)) for label in labels),
        ]
        for m in result.matches
    ]
    widths = [max(len(row[i]) for row in [header, *rows]) for i in range(len(header))]

    def line(cells: list[str]) -> str:
        first = cells[0].ljust(widths[0])
        rest = (cell.rjust(width) for cell, width in zip(cells[1:], widths[1:]))
        return "  ".join([first, *rest]).rstrip()

    out = [line(header), line(["-" * w for w in widths])]
    out += [line(row) for row in rows]
    return "\n".join(out)


def format_summary(result: ScanResult) -> str:
    """The bookkeeping line under a table."""
    parts = [f"{len(result.matches)} match{'es' if len(result.matches) != 1 else ''}",
             f"{result.scanned} scanned"]
    if result.missing:
        parts.append(f"missing: {', '.join(result.missing)}")
    if result.stale:
        parts.append(f"stale: {', '.join(result.stale)}")
    if result.timeframe is not None:
        parts.append(f"timeframe {result.timeframe}")
    return "; ".join(parts)
