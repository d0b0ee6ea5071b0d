"""Turns Python market data into the JSON documents the screener reads.

Candles are written in the array form ``[time, open, high, low, close,
volume]``: the screener reads it exactly like the object form, and it is
the smaller text to build and to parse. pandas is imported only when a
DataFrame is actually given.
"""

from __future__ import annotations

import datetime as _dt
import json
import math
from collections.abc import Iterable, Mapping, Sequence
from typing import TYPE_CHECKING, Any, TypeGuard, Union, cast

if TYPE_CHECKING:  # pragma: no cover - typing only
    # pandas is optional and not always typed: without it the name is Any.
    import pandas  # type: ignore[import-not-found, import-untyped, unused-ignore]

__all__ = [
    "CandleLike",
    "CandlesLike",
    "SymbolData",
    "candle_row",
    "candle_rows",
    "dumps",
    "symbol_input",
]

_PRICE_KEYS = ("open", "high", "low", "close")
_TIME_COLUMNS = ("time", "timestamp", "date", "datetime")
_EPOCH = _dt.datetime(1970, 1, 1, tzinfo=_dt.timezone.utc)

# One bar: a mapping with "time", "open", "high", "low", "close" and an
# optional "volume", or a sequence of those values in that order.
CandleLike = Union[Mapping[str, Any], Sequence[Any]]
# One symbol's bars: a sequence of bars, a mapping of equally long columns
# ("time", "open", ...), or a pandas DataFrame.
CandlesLike = Union[Sequence[CandleLike], Mapping[str, Sequence[Any]], "pandas.DataFrame"]
# What a batch scan accepts per symbol: the bars alone, or a mapping with
# "candles" and any of the side series ("reference", "derivs", "books",
# "trades", "sections") in their JSON forms.
SymbolData = Union[CandlesLike, Mapping[str, Any]]


_TIME_MIN, _TIME_MAX = -(2**63), 2**63 - 1


def _datetime64_ms(value: Any, where: str) -> int:
    # numpy's datetime64 carries its own unit; NaT has no time at all.
    if value != value:
        raise ValueError(f"{where}: missing time (NaT)")
    return int(value.astype("datetime64[ms]").astype("int64"))


def _time(value: Any, where: str) -> int:
    """A bar time as the signed 64-bit integer the screener compares.

    Datetimes become milliseconds since the epoch (naive ones are read as
    UTC), the unit the calendar-aware indicators expect.
    """
    moment = _time_value(value, where)
    # Beyond this range the screener's reader rejects the whole symbol's
    # entry without saying which bar is at fault.
    if not _TIME_MIN <= moment <= _TIME_MAX:
        raise ValueError(f"{where}: time {moment} is outside the signed 64-bit range")
    return moment


def _time_value(value: Any, where: str) -> int:
    if isinstance(value, bool):
        raise TypeError(f"{where}: time must be an integer or a datetime, not a bool")
    if isinstance(value, _dt.datetime):
        moment: _dt.datetime = value
        if moment.tzinfo is None:
            moment = moment.replace(tzinfo=_dt.timezone.utc)
        delta = moment - _EPOCH
        return (delta.days * 86_400 + delta.seconds) * 1000 + delta.microseconds // 1000
    if isinstance(value, _dt.date):
        return (value - _EPOCH.date()).days * 86_400_000
    if type(value).__name__ == "datetime64":
        return _datetime64_ms(value, where)
    if isinstance(value, float):
        if not value.is_integer():
            raise ValueError(f"{where}: time {value!r} is not a whole number")
        return int(value)
    if hasattr(value, "__index__"):  # int and numpy integers
        return int(value.__index__())
    raise TypeError(f"{where}: time must be an integer or a datetime, not {type(value).__name__}")


def _price(value: Any, name: str, where: str) -> float:
    if isinstance(value, bool):
        raise TypeError(f"{where}: {name} must be a number, not a bool")
    try:
        number = float(value)
    except (TypeError, ValueError):
        raise TypeError(f"{where}: {name} must be a number, not {value!r}") from None
    # JSON has no spelling for NaN or infinity, so such a bar cannot reach
    # the screener; saying so beats sending a document it must reject.
    if not math.isfinite(number):
        raise ValueError(f"{where}: {name} is not finite ({number!r})")
    return number


def _is_array(obj: object) -> bool:
    # numpy arrays are not registered as sequences; their rows are bars
    # all the same. Looked up by module name, as for DataFrames.
    return type(obj).__module__.split(".")[0] == "numpy" and type(obj).__name__ == "ndarray"


def candle_row(candle: CandleLike, where: str = "candle") -> list[Any]:
    """One bar as ``[time, open, high, low, close, volume]``."""
    if _is_array(candle):
        # A row of one dtype; a datetime64 time column would not share it.
        candle = cast("Sequence[Any]", list(candle))
    if isinstance(candle, Mapping):
        missing = [k for k in ("time", *_PRICE_KEYS) if k not in candle]
        if missing:
            raise ValueError(f"{where}: missing {', '.join(repr(k) for k in missing)}")
        volume = candle.get("volume", 0.0)
        values = [candle[k] for k in _PRICE_KEYS]
        time = candle["time"]
    elif isinstance(candle, Sequence) and not isinstance(candle, (str, bytes)):
        if len(candle) not in (5, 6):
            raise ValueError(
                f"{where}: a bar needs 5 or 6 values (time, open, high, low, close[, volume]),"
                f" got {len(candle)}"
            )
        time, *values = candle[:5]
        volume = candle[5] if len(candle) == 6 else 0.0
    else:
        raise TypeError(f"{where}: a bar must be a mapping or a sequence, not {type(candle).__name__}")
    row: list[Any] = [_time(time, where)]
    row += [_price(v, k, where) for k, v in zip(_PRICE_KEYS, values)]
    row.append(_price(volume, "volume", where))
    return row


def _is_dataframe(obj: object) -> TypeGuard[pandas.DataFrame]:
    # Looked up by module name so that pandas is never imported for data
    # that is not a DataFrame.
    return type(obj).__module__.split(".")[0] == "pandas" and type(obj).__name__ == "DataFrame"


def _lower_keys(names: Iterable[Any]) -> dict[str, Any]:
    out: dict[str, Any] = {}
    for name in names:
        if isinstance(name, str):
            out.setdefault(name.strip().lower(), name)
    return out


def _count_lower(names: Iterable[Any], key: str) -> int:
    return sum(1 for n in names if isinstance(n, str) and n.strip().lower() == key)


def _dataframe_rows(frame: pandas.DataFrame, where: str) -> list[list[Any]]:
    import pandas as pd

    columns = _lower_keys(frame.columns)
    # A repeated column would be read as a whole frame per value.
    repeated = [k for k in (*_PRICE_KEYS, "volume", *_TIME_COLUMNS) if _count_lower(frame.columns, k) > 1]
    if repeated:
        raise ValueError(f"{where}: the DataFrame has more than one {', '.join(repr(k) for k in repeated)} column")
    absent = [k for k in _PRICE_KEYS if k not in columns]
    if absent:
        raise ValueError(f"{where}: the DataFrame has no {', '.join(repr(k) for k in absent)} column")
    times: list[Any]
    time_column = next((columns[c] for c in _TIME_COLUMNS if c in columns), None)
    if isinstance(frame.index, pd.DatetimeIndex):
        index = frame.index
        if index.tz is not None:
            index = index.tz_convert("UTC").tz_localize(None)
        if index.hasnans:
            raise ValueError(f"{where}: the DataFrame's index holds a missing time (NaT)")
        times = ((index - pd.Timestamp(0)) // pd.Timedelta(1, "ms")).tolist()
    elif time_column is not None:
        times = frame[time_column].tolist()
    elif pd.api.types.is_integer_dtype(frame.index.dtype):
        times = frame.index.tolist()
    else:
        raise ValueError(
            f"{where}: the DataFrame needs a datetime index, an integer index or a 'time' column"
        )
    data = [frame[columns[k]].tolist() for k in _PRICE_KEYS]
    if "volume" in columns:
        data.append(frame[columns["volume"]].tolist())
    else:
        data.append([0.0] * len(frame))
    return [candle_row(row, f"{where}, row {i}") for i, row in enumerate(zip(times, *data))]


def _column_rows(columns: Mapping[str, Sequence[Any]], where: str) -> list[list[Any]]:
    keys = _lower_keys(columns.keys())
    absent = [k for k in ("time", *_PRICE_KEYS) if k not in keys]
    if absent:
        raise ValueError(f"{where}: no {', '.join(repr(k) for k in absent)} column")
    names = [keys[k] for k in ("time", *_PRICE_KEYS)]
    if "volume" in keys:
        names.append(keys["volume"])
    series = [list(columns[n]) for n in names]
    lengths = {len(s) for s in series}
    if len(lengths) > 1:
        raise ValueError(f"{where}: the columns differ in length ({sorted(lengths)})")
    return [candle_row(row, f"{where}, row {i}") for i, row in enumerate(zip(*series))]


def _is_columns(obj: Mapping[str, Any]) -> bool:
    close = next((v for k, v in obj.items() if isinstance(k, str) and k.lower() == "close"), None)
    return close is not None and not isinstance(close, (str, bytes, int, float))


def candle_rows(candles: CandlesLike, where: str = "candles") -> list[list[Any]]:
    """A symbol's bars as a list of ``[time, open, high, low, close, volume]``."""
    if _is_dataframe(candles):
        return _dataframe_rows(candles, where)
    if isinstance(candles, Mapping):
        if not _is_columns(candles):
            raise TypeError(f"{where}: a mapping of bars needs 'time', 'open', ... columns")
        return _column_rows(candles, where)
    if isinstance(candles, (str, bytes)) or not isinstance(candles, Iterable):
        raise TypeError(f"{where}: expected a list of bars, a mapping of columns or a DataFrame")
    bars = cast("Iterable[CandleLike]", candles)
    return [candle_row(c, f"{where}, bar {i}") for i, c in enumerate(bars)]


def symbol_input(data: SymbolData, symbol: str) -> Any:
    """One symbol's entry of a batch scan's "data" document."""
    if isinstance(data, Mapping) and "candles" in data and not _is_dataframe(data):
        out = dict(data)
        out["candles"] = candle_rows(data["candles"], symbol)
        if out.get("reference") is not None:
            out["reference"] = candle_rows(out["reference"], f"{symbol} reference")
        return out
    return candle_rows(data, symbol)


def _default(value: Any) -> Any:
    # numpy scalars and arrays, and anything else that offers a plain form.
    if hasattr(value, "tolist"):
        return value.tolist()
    if hasattr(value, "item"):
        return value.item()
    if isinstance(value, (_dt.datetime, _dt.date)):
        return _time(value, "value")
    raise TypeError(f"cannot write {type(value).__name__} as JSON: {value!r}")


def dumps(document: Any) -> str:
    """Compact JSON for the screener; NaN and infinity are refused."""
    try:
        return json.dumps(document, separators=(",", ":"), allow_nan=False, default=_default)
    except ValueError as exc:
        raise ValueError(f"cannot write the document as JSON: {exc}") from None
