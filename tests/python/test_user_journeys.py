"""What a quant meets on first use: a realistic screen fed three ways gives
one answer, and every mistake in the Python data is named where it was
made instead of surfacing as an unrelated reply of the native reader."""

import datetime as dt
import json
import random

import pytest

from tolvex_screener import LiveScreener, ScreenerError, cli, scan

PRICE = {"kind": "price", "field": "close"}
ALWAYS = {"type": "all", "conditions": []}


def ind(name, *params, field=None):
    out = {"kind": "indicator", "name": name, "params": list(params)}
    return {**out, "field": field} if field else out


def walk(seed, n, t0=1, step=1):
    """Rows of a seeded random walk, so every run sees the same bars."""
    rng = random.Random(seed)
    close, rows = 100.0, []
    for i in range(n):
        open_ = close
        close *= 1 + rng.gauss(0, 0.02)
        high, low = max(open_, close) * 1.005, min(open_, close) * 0.995
        rows.append([t0 + i * step, open_, high, low, close, rng.uniform(1e3, 1e5)])
    return rows


SYMBOLS = ["AAA", "BBB", "CCC", "DDD", "EEE", "FFF"]
DATA = {s: walk(i, 90) for i, s in enumerate(SYMBOLS)}
# Crossings, a universe-wide rank and z-score, breadth, prev, arithmetic,
# between with an indicator bound, rising/falling and nested all/any/not.
SCREEN = {
    "universe": SYMBOLS + ["ZZZ"],
    "timeframe": "1d",
    "condition": {"type": "any", "conditions": [
        {"type": "cmp", "left": PRICE, "op": "crosses_above", "right": ind("Sma", 10)},
        {"type": "all", "conditions": [
            {"type": "cross_section", "expr": ind("Rsi", 14), "metric": "rank", "op": "le", "value": 3},
            {"type": "cross_section",
             "expr": {"kind": "div", "left": PRICE, "right": {"kind": "prev", "of": PRICE, "bars": 5}},
             "metric": "z_score", "op": "gt", "value": -1},
            {"type": "breadth", "inner": {"type": "cmp", "left": PRICE, "op": "gt", "right": ind("Ema", 20)},
             "op": "ge", "ratio": 0.2},
            {"type": "not", "condition": {"type": "between", "value": ind("Rsi", 14),
                                          "low": {"kind": "const", "value": 85}, "high": ind("Sma", 3)}},
            {"type": "any", "conditions": [
                {"type": "rising", "expr": ind("Ema", 5), "bars": 2},
                {"type": "falling", "expr": {"kind": "sub", "left": {"kind": "price", "field": "high"},
                                             "right": {"kind": "price", "field": "low"}}, "bars": 3},
                {"type": "cmp", "left": ind("BollingerBands", 20, 2, field="upper"), "op": "gt", "right": PRICE},
            ]},
        ]},
    ]},
    "rank": {"by": ind("Rsi", 14), "desc": True},
    "limit": 4,
}


def test_bar_by_bar_feed_batch_and_scan_agree_with_scans_interleaved():
    want = scan(SCREEN, DATA)
    assert want.matches and want.missing == ("ZZZ",)
    one_by_one, batched = LiveScreener(SCREEN), LiveScreener(SCREEN)
    for i in range(90):
        for s in SYMBOLS:
            one_by_one.feed(s, DATA[s][i])
        if i % 20 == 0:
            # A batch scan and an evaluation between bars leave the live
            # states as they were.
            one_by_one.scan({s: rows[: i + 1] for s, rows in DATA.items()})
            one_by_one.evaluate()
    for s in SYMBOLS:
        batched.feed_batch(s, DATA[s])
    assert one_by_one.evaluate().document == want.document
    assert batched.evaluate().document == want.document


SPEC_A = {"universe": ["A"], "condition": ALWAYS}
BAR = [1, 1.0, 2.0, 0.5, 1.5]


def test_a_result_iterates_over_its_matches():
    found = scan({**SPEC_A, "universe": ["A", "B"]}, {"A": [BAR], "B": [BAR]})
    assert [m.symbol for m in found] == ["A", "B"] == found.symbols
    none = scan({**SPEC_A, "condition": {"type": "not", "condition": ALWAYS}}, {"A": [BAR]})
    assert list(none) == []


@pytest.mark.parametrize(
    "bars, error, text",
    [
        # The screener compares times as signed 64-bit integers.
        ([[2**63, *BAR[1:]]], ValueError, "A, bar 0: time 9223372036854775808 is outside"),
        ([[-(2**63) - 1, *BAR[1:]]], ValueError, "A, bar 0: time -9223372036854775809 is outside"),
        ({"time": [1, 2**64], "open": [1, 1], "high": [2, 2], "low": [1, 1], "close": [1.5, 1.5]},
         ValueError, "A, row 1: time 18446744073709551616 is outside"),
    ],
)
def test_bad_bars_are_named_where_they_are(bars, error, text):
    with pytest.raises(error) as caught:
        scan(SPEC_A, {"A": bars})
    assert not isinstance(caught.value, ScreenerError), caught.value
    assert str(caught.value).startswith(text)


def test_numpy_bars_read_like_lists():
    np = pytest.importorskip("numpy")
    rows = [[1, 10, 11, 9, 10.5, 5], [2, 10.5, 12, 10, 11.5, 6]]
    want = scan(SPEC_A, {"A": rows}).document
    assert scan(SPEC_A, {"A": np.array(rows)}).document == want
    assert scan(SPEC_A, {"A": list(np.array(rows))}).document == want


def test_datetime64_times_are_epoch_milliseconds():
    np = pytest.importorskip("numpy")
    from tolvex_screener._data import candle_row

    want = candle_row([dt.datetime(2024, 1, 2, 3, 4, 5, 6000), *BAR[1:]])[0]
    assert candle_row([np.datetime64("2024-01-02T03:04:05.006"), *BAR[1:]])[0] == want
    assert candle_row([np.datetime64("2024-01-02T03:04:05.006789", "us"), *BAR[1:]])[0] == want
    with pytest.raises(ValueError, match="missing time"):
        candle_row([np.datetime64("NaT"), *BAR[1:]])


def test_dataframe_with_a_repeated_column_is_refused_by_name():
    pd = pytest.importorskip("pandas")
    frame = pd.DataFrame({"open": [1.0], "high": [2.0], "low": [0.5], "close": [1.5]},
                         index=pd.date_range("2024-01-01", periods=1))
    twice = pd.concat([frame, frame[["close"]]], axis=1)
    with pytest.raises(ValueError, match="'close'"):
        scan(SPEC_A, {"A": twice})


@pytest.mark.parametrize(
    "call",
    [
        lambda live: live.feed(5, BAR),
        lambda live: live.feed_batch(None, [BAR]),
        lambda live: live.set_spec(None),
        lambda live: live.set_spec(["A"]),
    ],
    ids=["feed-int", "batch-none", "spec-none", "spec-list"],
)
def test_live_wrapper_refuses_wrong_python_types_like_scan_does(call):
    live = LiveScreener(SPEC_A)
    with pytest.raises(TypeError):
        call(live)
    live.feed("A", BAR)
    assert live.evaluate().symbols == ["A"]


def test_a_specification_python_cannot_write_is_not_a_screener_reply():
    spec = {"universe": ["A"], "condition": {"type": "cmp", "left": PRICE, "op": "gt",
                                             "right": {"kind": "const", "value": float("nan")}}}
    for call in (lambda: scan(spec, {}), lambda: LiveScreener(spec)):
        with pytest.raises(ValueError) as caught:
            call()
        assert not isinstance(caught.value, ScreenerError)


@pytest.mark.parametrize(
    "data_text, message",
    [
        # Python reads these, the screener's reader does not; the position
        # must be the one in the user's file.
        ('{"A":' + "[" * 130 + "]" * 130 + "}", "d.json: parse: recursion limit exceeded at line 1 column 132"),
        ('{"A": [[1, 1e400, 1, 1, 1]]}', "d.json: parse: number out of range at line 1 column 16"),
        ('{\n"A": [[1, 1e400, 1, 1, 1]]}', "d.json: parse: number out of range at line 2 column 15"),
        ('{"\\ud800": []}', "d.json: parse: "),
    ],
)
def test_cli_data_faults_point_into_the_data_file(tmp_path, capsys, monkeypatch, data_text, message):
    monkeypatch.chdir(tmp_path)
    (tmp_path / "s.json").write_text(json.dumps(SPEC_A))
    (tmp_path / "d.json").write_text(data_text)
    assert cli.main(["scan", "s.json", "d.json"]) == 1
    err = capsys.readouterr().err
    assert err.startswith(f"tolvex_screener: error: {message}"), err
