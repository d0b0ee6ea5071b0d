"""The Pythonic layer: the same answers as the raw JSON interface, every
accepted form of candles, the live wrapper, and error replies as
exceptions with their kind and exact text."""

import datetime as dt
import json
import math
import os
import subprocess
import sys
import textwrap

import pytest

import tolvex_screener
from tolvex_screener import ErrorKind, LiveScreener, Screener, ScreenerError, scan
from tolvex_screener._data import candle_row, candle_rows
from tolvex_screener._errors import classify


def bars(start, steps, t0=0):
    """[time, open, high, low, close, volume] rows of a straight-line walk."""
    rows = []
    close = start
    for i in range(len(steps)):
        open_ = close
        close = open_ + steps[i]
        rows.append([t0 + i, open_, max(open_, close) + 0.5, min(open_, close) - 0.5, close, 100 + i])
    return rows


# A rises, B falls, C rises but its data ends one bar early (stale), D is
# outside the universe, E has no data (missing).
DATA = {
    "A": bars(10, [1, 1, 2, 1, 1, 3]),
    "B": bars(20, [-1, -1, -2, -1, -1, -1]),
    "C": bars(5, [0.5, 0.5, 0.5, 0.5, 0.5]),
    "D": bars(1, [1, 1, 1, 1, 1, 1]),
}
SPEC = {
    "universe": ["A", "B", "C", "E"],
    "timeframe": "1d",
    "condition": {
        "type": "cmp",
        "left": {"kind": "price", "field": "close"},
        "op": "gt",
        "right": {"kind": "indicator", "name": "Sma", "params": [3]},
    },
    "rank": {"by": {"kind": "indicator", "name": "Roc", "params": [2]}, "desc": True},
}


def raw_scan(spec, data):
    return Screener(json.dumps(spec)).command(json.dumps({"cmd": "scan", "data": data}))


def as_dicts(rows):
    keys = ("time", "open", "high", "low", "close", "volume")
    return [dict(zip(keys, r)) for r in rows]


def as_columns(rows):
    keys = ("time", "open", "high", "low", "close", "volume")
    return {k: [r[i] for r in rows] for i, k in enumerate(keys)}


def test_batch_scan_gives_the_raw_document_for_every_candle_form():
    expected = raw_scan(SPEC, DATA)
    forms = {
        "rows": DATA,
        "tuples": {s: [tuple(r) for r in rows] for s, rows in DATA.items()},
        "dicts": {s: as_dicts(rows) for s, rows in DATA.items()},
        "columns": {s: as_columns(rows) for s, rows in DATA.items()},
        "series": {s: {"candles": as_dicts(rows)} for s, rows in DATA.items()},
    }
    for name, data in forms.items():
        result = scan(SPEC, data)
        assert result.document == expected, name
    assert result.symbols == ["A", "C"]
    assert result.scanned == 3 and result.missing == ("E",) and result.stale == ("C",)
    assert result.timeframe == "1d"
    assert json.loads(expected) == result.to_dict()
    a = result["A"]
    assert a.values["price.close"] == 19.0 and a.values["Sma(3)"] == 16.66666667
    # By hand: closes 11, 12, 14, 15, 16, 19; Sma(3) = 50 / 3 and
    # Roc(2) = 100 * (19 - 15) / 15, both rounded to 8 decimals.
    assert a.score == 26.66666667 and "A" in result and "B" not in result


def test_result_reading_of_null_values_and_absent_keys():
    doc = '{"matches":[{"symbol":"X","matched":true,"values":{"v":null,"w":1.5}}],"scanned":1}'
    result = tolvex_screener.ScanResult.from_json(doc)
    (x,) = result.matches
    assert math.isnan(x.values["v"]) and x.values["w"] == 1.5 and x.score is None
    assert result.missing == () and result.stale == () and result.timeframe is None
    with pytest.raises(KeyError):
        result["Y"]
    with pytest.raises(ValueError):
        tolvex_screener.ScanResult.from_json('{"ok":true}')


def test_live_feeding_one_by_one_in_chunks_and_in_batch_agree():
    spec = {**SPEC, "universe": ["A", "B"]}
    data = {s: DATA[s] for s in ("A", "B")}
    expected = raw_scan(spec, data)
    by_bar = LiveScreener(spec)
    chunks = LiveScreener(spec)
    for symbol, rows in data.items():
        for row in rows:
            by_bar.feed(symbol, as_dicts([row])[0])
        chunks.feed_batch(symbol, rows[:2])
        chunks.feed_batch(symbol, as_columns(rows[2:]))
    assert by_bar.evaluate().document == expected
    assert chunks.evaluate().document == expected
    # A batch scan on the live wrapper leaves the live universe alone.
    assert chunks.scan({"A": data["A"]}).scanned == 1
    assert chunks.evaluate().scanned == 2


def test_live_reset_and_set_spec():
    live = LiveScreener(json.dumps(SPEC))
    live.feed_batch("A", DATA["A"])
    assert live.evaluate().symbols == ["A"]
    live.reset()
    assert live.evaluate().missing == ("A", "B", "C", "E")
    live.feed_batch("A", DATA["A"])
    always = {"universe": ["A", "Z"], "condition": {"type": "all", "conditions": []}}
    live.set_spec(always)
    after = live.evaluate()
    assert after.scanned == 0 and after.missing == ("A", "Z")
    # A rejected spec keeps the previous one and the universe.
    live.feed("Z", DATA["A"][0])
    with pytest.raises(ScreenerError) as bad:
        live.set_spec({"universe": [], "condition": {"type": "all", "conditions": []}})
    assert bad.value.kind is ErrorKind.BAD_SPEC
    assert live.evaluate().symbols == ["Z"]
    # A text spec is read like the constructor reads it: with a position.
    with pytest.raises(ScreenerError) as parse:
        live.set_spec('{"universe": ["A"],\n "condition": }')
    assert parse.value.kind is ErrorKind.PARSE
    assert " at line 2 column " in parse.value.message
    live.set_spec(json.dumps(always))
    assert live.evaluate().scanned == 0
    assert live.raw.command('{"cmd":"version"}') == '{"version":"0.3.0"}'
    assert LiveScreener.version() == tolvex_screener.__version__


ALWAYS = {"type": "all", "conditions": []}
SMA_NOPE = {"type": "cmp", "left": {"kind": "indicator", "name": "Nope"}, "op": "gt",
            "right": {"kind": "const", "value": 0}}
CROSSED = {"bids": [[100, 1]], "asks": [[100, 1]]}


def test_error_replies_raise_with_their_kind_and_exact_message():
    def construct(spec):
        return lambda: LiveScreener(spec)

    cases = [
        (construct({"universe": [], "condition": ALWAYS}),
         ErrorKind.BAD_SPEC, "bad spec: universe is empty"),
        (construct('{"universe":["A"],"condition":{"type":"all","conditions":[]}} x'),
         ErrorKind.PARSE, "parse: trailing characters at line 1 column 63"),
        (lambda: scan({"universe": ["A"], "condition": SMA_NOPE}, {"A": DATA["A"]}),
         ErrorKind.UNKNOWN_INDICATOR, "unknown indicator: Nope"),
        (lambda: scan({"universe": ["A"], "condition": ALWAYS},
                      {"A": {"candles": DATA["A"][:2], "books": [CROSSED]}}),
         ErrorKind.FEED_LENGTH, "A: books feed length 1 does not match 2 candles"),
        (lambda: LiveScreener({"universe": ["A"], "condition": ALWAYS}).feed("Q", DATA["A"][0]),
         ErrorKind.SYMBOL_NOT_IN_UNIVERSE, "symbol Q is not in the spec's universe"),
        (lambda: LiveScreener({"universe": ["A"], "condition": ALWAYS}).feed(
            "A", DATA["A"][0], {"orderbook": CROSSED}),
         ErrorKind.FEED,
         "feed: A: books: invalid input data: invalid order book: "
         "order book must be uncrossed (best_bid < best_ask)"),
    ]
    for action, kind, message in cases:
        with pytest.raises(ScreenerError) as caught:
            action()
        assert (caught.value.kind, caught.value.message, str(caught.value)) == (
            kind, message, message)
        # The native constructor raises ValueError for a bad spec; the
        # package's exception is one, so old handlers keep catching it.
        assert isinstance(caught.value, ValueError)


@pytest.mark.parametrize(
    "message, kind",
    [
        ("parse: expected value at line 1 column 1", ErrorKind.PARSE),
        ("unknown indicator: Sma: invalid parameters for indicator Sma: period must be greater"
         " than zero", ErrorKind.UNKNOWN_INDICATOR),
        ('bad spec: missing "cmd"', ErrorKind.BAD_SPEC),
        ("BTC: derivs feed length 9 does not match 10 candles", ErrorKind.FEED_LENGTH),
        # Symbols are free text: one that looks like a prefix is still a length fault.
        ("feed: books feed length 9 does not match 10 candles", ErrorKind.FEED_LENGTH),
        ("parse: trades feed length 1 does not match 2 candles", ErrorKind.FEED_LENGTH),
        ("symbol parse: x is not in the spec's universe", ErrorKind.SYMBOL_NOT_IN_UNIVERSE),
        ("indicator Beta needs the reference feed, which this scan does not supply",
         ErrorKind.MISSING_FEED),
        ("indicator Kyle needs the trades and books feed, which this scan does not supply",
         ErrorKind.MISSING_FEED),
        ("feed: A: feed: invalid input data: invalid trade: trade size must be finite and"
         " non-negative", ErrorKind.FEED),
    ],
)
def test_error_kinds_read_from_the_display_forms(message, kind):
    assert classify(message) is kind
    assert ScreenerError(message).kind is kind


def test_unknown_text_still_has_a_kind():
    assert classify("something else") is None
    assert ScreenerError("something else").kind is ErrorKind.PARSE


def test_candle_conversion_rules():
    utc = dt.timezone.utc
    assert candle_row({"time": 1, "open": 1, "high": 2, "low": 0.5, "close": 1.5}) == [
        1, 1.0, 2.0, 0.5, 1.5, 0.0]
    # Datetimes become milliseconds since the epoch; naive ones are UTC.
    jan1 = 1704067200000
    assert candle_row([dt.datetime(2024, 1, 1), 1, 1, 1, 1])[0] == jan1
    plus1 = dt.timezone(dt.timedelta(hours=1))
    assert candle_row([dt.datetime(2024, 1, 1, 1, tzinfo=plus1), 1, 1, 1, 1])[0] == jan1
    assert candle_row([dt.datetime(2024, 1, 1, 0, 0, 0, 1500, tzinfo=utc), 1, 1, 1, 1])[0] == jan1 + 1
    assert candle_row([dt.date(2024, 1, 1), 1, 1, 1, 1, 7])[0] == jan1
    assert candle_row([3.0, 1, 1, 1, 1])[0] == 3
    faults = [
        ([1, 1, 2, 0.5], ValueError, "5 or 6 values"),
        ({"time": 1, "open": 1, "high": 2, "low": 0.5}, ValueError, "missing 'close'"),
        ([1, 1, 2, 0.5, math.nan], ValueError, "close is not finite"),
        ([1, 1, 2, 0.5, 1, math.inf], ValueError, "volume is not finite"),
        ([1.5, 1, 2, 0.5, 1], ValueError, "not a whole number"),
        ([True, 1, 2, 0.5, 1], TypeError, "bool"),
        ([1, "x", 2, 0.5, 1], TypeError, "open must be a number"),
        (7, TypeError, "mapping or a sequence"),
    ]
    for candle, exc, text in faults:
        with pytest.raises(exc, match=text):
            candle_row(candle, "AAA")
    with pytest.raises(ValueError, match="AAA, bar 1: close is not finite"):
        scan(SPEC, {"AAA": [[1, 1, 1, 1, 1], [2, 1, 1, 1, math.nan]]})
    with pytest.raises(ValueError, match="differ in length"):
        candle_rows({"time": [1, 2], "open": [1], "high": [1], "low": [1], "close": [1]})
    with pytest.raises(TypeError):
        scan(SPEC, {1: DATA["A"]})
    with pytest.raises(TypeError):
        scan(SPEC, {"A": "not candles"})


def test_dataframe_path():
    pd = pytest.importorskip("pandas")
    rows = DATA["A"]
    index = pd.date_range("2024-01-01", periods=len(rows), freq="D", tz="Europe/Paris")
    frame = pd.DataFrame(
        {"Open": [r[1] for r in rows], "High": [r[2] for r in rows], "Low": [r[3] for r in rows],
         "Close": [r[4] for r in rows], "Volume": [r[5] for r in rows]},
        index=index,
    )
    converted = candle_rows(frame)
    # Midnight in Paris is 23:00 UTC the day before.
    assert converted[0][0] == 1704067200000 - 3_600_000
    assert [r[1:] for r in converted] == [[float(v) for v in r[1:]] for r in rows]
    spec = {**SPEC, "universe": ["A"]}
    with_times = {"A": [[c[0], *r[1:]] for c, r in zip(converted, rows)]}
    assert scan(spec, {"A": frame}).document == raw_scan(spec, with_times)
    # Without a datetime index: a time column, or an integer index.
    by_column = frame.reset_index(drop=True).assign(time=[r[0] for r in rows])
    by_index = frame.reset_index(drop=True)
    assert candle_rows(by_column)[3][0] == rows[3][0]
    assert candle_rows(by_index)[3][0] == 3
    # Volume is optional; a NaN anywhere is refused with its row.
    assert candle_rows(frame.drop(columns="Volume"))[0][5] == 0.0
    with pytest.raises(ValueError, match="row 2: low is not finite"):
        candle_rows(frame.assign(Low=[1, 1, math.nan, 1, 1, 1]))
    with pytest.raises(ValueError, match="no 'close' column"):
        candle_rows(frame.drop(columns="Close"))
    with pytest.raises(ValueError, match="datetime index"):
        candle_rows(frame.set_index(pd.Index(list("abcdef"))))
    live = LiveScreener(spec)
    live.feed_batch("A", frame)
    assert live.evaluate().symbols == ["A"]


def test_pandas_is_not_imported_without_a_dataframe():
    code = textwrap.dedent(
        """
        import sys, tolvex_screener
        spec = {"universe": ["A"], "condition": {"type": "all", "conditions": []}}
        tolvex_screener.scan(spec, {"A": [[1, 1, 2, 0.5, 1.5]]})
        print("pandas" in sys.modules)
        """
    )
    out = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True, check=True)
    assert out.stdout.strip() == "False"


# A user's program against the public API: strict checking must accept it
# (names re-exported, results typed) and reject a misuse.
USER_CODE = """
from tolvex_screener import LiveScreener, ScanResult, ScreenerError, scan

spec = {"universe": ["A"], "condition": {"type": "all", "conditions": []}}
result: ScanResult = scan(spec, {"A": [[1, 1, 2, 0.5, 1.5]]})
top: list[str] = result.symbols
score: float | None = result.matches[0].score
close: float = result.matches[0].values["price.close"]
live = LiveScreener(spec)
live.feed("A", {"time": 1, "open": 1, "high": 2, "low": 0.5, "close": 1.5})
try:
    live.evaluate()
except ScreenerError as exc:
    print(exc.kind, exc.message)
"""


def test_types_check_strictly(tmp_path):
    mypy = pytest.importorskip("mypy.api")
    package = os.path.dirname(tolvex_screener.__file__)
    out, err, status = mypy.run(["--strict", "--no-incremental", package])
    assert status == 0, out + err
    user = tmp_path / "user.py"
    user.write_text(USER_CODE)
    out, err, status = mypy.run(["--strict", "--no-incremental", str(user)])
    assert status == 0, out + err
    user.write_text(USER_CODE + "\nbad: int = result.scanned_count\n")
    out, _, status = mypy.run(["--strict", "--no-incremental", str(user)])
    assert status == 1 and "scanned_count" in out
