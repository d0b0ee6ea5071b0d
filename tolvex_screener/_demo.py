"""The bundled demo: a generated universe and a readable screen over it.

The universe is synthetic and deterministic: the same seed always gives
the same symbols and bars on every platform and Python version, because
only ``random.Random.random`` (whose sequence Python keeps stable for a
seed) and plain float arithmetic are used.
"""

from __future__ import annotations

import datetime as _dt
import math
import random
from typing import Any

__all__ = ["DEFAULT_SEED", "RANK_LABEL", "SCREEN", "demo_spec", "demo_universe"]

DEFAULT_SEED = 20240611
DEFAULT_SYMBOLS = 60
DEFAULT_BARS = 500
_FIRST_DAY = _dt.date(2023, 1, 2)

_ALPHABET = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"


def _ticker(rng: random.Random, taken: set[str]) -> str:
    while True:
        size = 3 + int(rng.random() * 2)
        name = "".join(_ALPHABET[int(rng.random() * 26)] for _ in range(size))
        if name not in taken:
            taken.add(name)
            return name


def _normal(rng: random.Random) -> float:
    # Box-Muller on random() alone, so the stream is reproducible.
    u = 1.0 - rng.random()
    return math.sqrt(-2.0 * math.log(u)) * math.cos(2.0 * math.pi * rng.random())


def _business_days(count: int) -> list[int]:
    """Milliseconds since the epoch at 00:00 UTC of ``count`` weekdays."""
    out: list[int] = []
    day = _FIRST_DAY
    while len(out) < count:
        if day.weekday() < 5:
            out.append((day - _dt.date(1970, 1, 1)).days * 86_400_000)
        day += _dt.timedelta(days=1)
    return out


def demo_universe(
    seed: int = DEFAULT_SEED, symbols: int = DEFAULT_SYMBOLS, bars: int = DEFAULT_BARS
) -> dict[str, list[list[float]]]:
    """``symbols`` symbols of ``bars`` daily candles each, as
    ``[time, open, high, low, close, volume]`` rows, keyed by ticker.

    Each symbol follows a random walk with its own drift and volatility,
    switching regime once, so the universe holds steady climbers, choppy
    ranges and decliners.
    """
    rng = random.Random(seed)
    times = _business_days(bars)
    taken: set[str] = set()
    universe: dict[str, list[list[float]]] = {}
    for _ in range(symbols):
        name = _ticker(rng, taken)
        close = 10.0 + rng.random() * 190.0
        volatility = 0.006 + rng.random() * 0.022
        drift = (rng.random() - 0.4) * 0.003
        switch = int(bars * (0.3 + rng.random() * 0.5))
        late_drift = (rng.random() - 0.4) * 0.004
        base_volume = 1e5 * (1 + rng.random() * 20)
        rows: list[list[float]] = []
        for i, time in enumerate(times):
            mu = drift if i < switch else late_drift
            open_ = close * (1 + 0.3 * volatility * _normal(rng))
            close = max(0.5, open_ * math.exp(mu + volatility * _normal(rng)))
            high = max(open_, close) * (1 + abs(volatility * 0.6 * _normal(rng)))
            low = min(open_, close) * (1 - abs(volatility * 0.6 * _normal(rng)))
            volume = base_volume * math.exp(0.4 * _normal(rng))
            rows.append(
                [time, round(open_, 4), round(high, 4), round(low, 4), round(close, 4),
                 round(volume)]
            )
        universe[name] = rows
    return universe


def _ind(name: str, *params: float, field: str | None = None) -> dict[str, Any]:
    expr: dict[str, Any] = {"kind": "indicator", "name": name, "params": list(params)}
    if field is not None:
        expr["field"] = field
    return expr


def _const(value: float) -> dict[str, Any]:
    return {"kind": "const", "value": value}


_CLOSE = {"kind": "price", "field": "close"}


def _cmp(left: dict[str, Any], op: str, right: dict[str, Any]) -> dict[str, Any]:
    return {"type": "cmp", "left": left, "op": op, "right": right}


# The screen, one rule per line with what it asks for: a calm, steady
# uptrend that still has momentum and is not stretched. Each rule uses a
# different indicator family.
SCREEN: list[tuple[str, dict[str, Any]]] = [
    ("close above its 200-day average (long-term uptrend)",
     _cmp(_CLOSE, "gt", _ind("Sma", 200))),
    ("20-day EMA above 50-day EMA (medium-term uptrend)",
     _cmp(_ind("Ema", 20), "gt", _ind("Ema", 50))),
    ("RSI(14) between 50 and 75 (momentum, not overbought)",
     {"type": "between", "value": _ind("Rsi", 14), "low": _const(50), "high": _const(75)}),
    ("average true range under 3% of the close (calm)",
     _cmp(_ind("Natr", 14), "lt", _const(3))),
    ("close inside the upper Bollinger band (not stretched)",
     _cmp(_ind("PercentB", 20, 2), "lt", _const(1))),
    ("50-day regression fit R² above 0.5 (steady trend)",
     _cmp(_ind("RSquared", 50), "gt", _const(0.5))),
]
RANK_TEXT = "ranked by the 20-day rate of change, highest first, top 10"
# The rank expression's label: the score column of the demo's table.
RANK_LABEL = "Roc(20)"


def demo_spec(symbols: list[str]) -> dict[str, Any]:
    """The demo's scan specification over ``symbols``."""
    return {
        "universe": symbols,
        "timeframe": "1d",
        "condition": {"type": "all", "conditions": [rule for _, rule in SCREEN]},
        "rank": {"by": _ind("Roc", 20), "desc": True},
        "limit": 10,
    }
